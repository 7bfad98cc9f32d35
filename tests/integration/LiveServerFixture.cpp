#include "LiveServerFixture.h"

#include "common/Win1250.h"
#include "model/events/TGameEvent.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTimer>
#include <iostream>

// The live game's store: saves as the program does, then checks the folder.
class TCheckedStore : public IGameStore
{
public:
    explicit TCheckedStore(LiveServerFixture &fixture) : m_fixture(fixture) {}

    void SaveGame(TGame &game) override
    {
        m_store.SaveGame(game);
        m_fixture.checkSave(game);
    }
    void WriteDumps(TGame &game) override { m_store.WriteDumps(game); }
    void WritePeriodDump(TGame &game, int period) override { m_store.WritePeriodDump(game, period); }
    void DeleteEarlierDumps(TGame &game) override { m_store.DeleteEarlierDumps(game); }
    void DeleteDumps(TGame &game) override { m_store.DeleteDumps(game); }
    TGameStore &Store() { return m_store; }

private:
    LiveServerFixture &m_fixture;
    TGameStore m_store;
};

bool SameEntry(const QByteArray &sent, const QByteArray &expected)
{
    if (sent == expected)
        return true;
    static const QRegularExpression typed(QStringLiteral("&tipus=\\d+"));
    QString untyped = QString::fromLatin1(expected);
    untyped.replace(typed, QStringLiteral("&tipus=0"));
    return sent == untyped.toLatin1();
}

bool IsRepeatEntry(const QByteArrayList &queued, qsizetype j)
{
    static const QRegularExpression idPattern(QStringLiteral("&id=(\\d+)"));
    const QRegularExpressionMatch id = idPattern.match(QString::fromLatin1(queued[j]));
    const bool event = id.hasMatch() && !queued[j].startsWith("kod=1102");
    for (qsizetype k = j - 1; k >= 0; --k) {
        if (!event) {
            if (queued[k] == queued[j])
                return true;
            continue;
        }
        const QRegularExpressionMatch other = idPattern.match(QString::fromLatin1(queued[k]));
        if (other.hasMatch() && other.captured(1) == id.captured(1) && !queued[k].startsWith("kod=1102"))
            return queued[k] == queued[j];
    }
    return false;
}

qsizetype MatchStored(const QByteArrayList &stored, const QByteArrayList &queued, qsizetype *mismatch,
                      QList<qsizetype> *positions)
{
    if (positions)
        positions->clear();
    qsizetype j = 0;
    for (qsizetype i = 0; i < stored.size(); ++i) {
        while (j < queued.size() && !SameEntry(stored[i], queued[j]) && IsRepeatEntry(queued, j))
            ++j;
        if (j >= queued.size() || !SameEntry(stored[i], queued[j])) {
            if (mismatch)
                *mismatch = i;
            return -1;
        }
        if (positions)
            positions->append(j);
        ++j;
    }
    return j;
}

void LiveServerFixture::SetUp()
{
    ASSERT_TRUE(m_serverRoot.isValid());
    for (const char *name : {"parquetix.ini", "ParquetixData.xml"})
        ASSERT_TRUE(QFile::copy(binaryFolder() + QLatin1Char('/') + QLatin1String(name),
                                m_home.file(QLatin1String(name))));
    StartServer();
    m_base = "http://127.0.0.1:" + QByteArray::number(m_port);
    m_prefix = QString::fromLatin1(m_base) + QStringLiteral("/income/index.phtml?");

    auto store = std::make_unique<TCheckedStore>(*this);
    TCheckedStore *checked = store.get();
    m_store = std::move(store);
    m_app.SetPrompter(&m_prompter);
    m_app.SetClockSource(&m_clock);
    m_app.SetScreen(&m_screen);
    m_app.SetGameStore(m_store.get());
    m_reference.SetPrompter(&m_referencePrompter);
    m_reference.SetClockSource(&m_clock);
    m_reference.SetScreen(&m_referenceScreen);
    for (TParquetixApplication *app : {&m_app, &m_reference}) {
        QString error;
        ASSERT_TRUE(app->Initialize(&error)) << error.toStdString();
        ASSERT_TRUE(app->LoadReferenceLists(&error)) << error.toStdString();
        for (const auto &[key, value] :
             {std::pair{"SERVER_NAME", m_prefix}, std::pair{"SLEEPTIME_BW_SEND", QStringLiteral("2")},
              std::pair{"NUMBER_OF_RETRIES", QStringLiteral("3")}})
            ASSERT_TRUE(app->Settings().SetValue(QLatin1String(key), value, &error)) << error.toStdString();
    }
    checked->Store().SetFolders(m_app);
    m_app.Game().GameFolder = m_app.SaveRoot + QStringLiteral("live");
    ASSERT_TRUE(QDir().mkpath(m_app.Game().GameFolder));
    m_app.Game().Online = true;

    m_http = std::make_unique<THttpClient>(500, 3000);
    m_probe = std::make_unique<TNetworkPresence>(m_base);
    m_host = std::make_unique<TApplicationSenderHost>(m_app, &m_screen);
    m_sender = std::make_unique<TParquetixSender>(*m_host, m_app.Settings(), m_dispatcher, *m_http, *m_probe);
    m_sender->SetBaseAddress(m_base);
}

void LiveServerFixture::TearDown()
{
    if (m_sender)
        m_sender->Stop();
    StopServer();
}

void LiveServerFixture::StartServer()
{
    TServerOptions options;
    options.dataDir = m_serverRoot.filePath(QStringLiteral("data"));
    options.port = m_port;
    options.logRequests = false;
    m_server = std::make_unique<TStatsServer>(options);
    QString error;
    ASSERT_TRUE(m_server->start(&error)) << error.toStdString();
    m_port = m_server->port();
}

void LiveServerFixture::StopServer()
{
    if (m_server) {
        m_server->stop();
        m_storedWhileDown = Stored();
    }
    m_server.reset();
}

void LiveServerFixture::StartSender()
{
    m_sender->start();
}

bool LiveServerFixture::ServeUntil(const std::function<bool()> &done, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    QTimer tick;
    tick.start(2);
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return done();
}

bool LiveServerFixture::Drained()
{
    return m_app.Game().OutgoingQueue.IsEmpty();
}

void LiveServerFixture::Play(const QStringList &lines)
{
    TGameScript reference(m_reference.Game(), m_referenceScreen);
    TGameScript live(m_app.Game(), m_screen);
    for (const QString &line : lines) {
        ASSERT_TRUE(reference.RunLine(line, 1)) << reference.Error().toStdString();
        ASSERT_TRUE(live.RunLine(line, 1)) << live.Error().toStdString();
        // A moment for the sender between two events, as at the court.
        int served = 0;
        ServeUntil([&] { return ++served > 3; }, 50);
    }
}

QByteArrayList LiveServerFixture::Stored() const
{
    if (!m_server)
        return m_storedWhileDown;
    QByteArrayList out;
    for (const TStoredMessage &m : m_server->store().messages(Code))
        out << m.query;
    return out;
}

QByteArrayList LiveServerFixture::Queued()
{
    QByteArrayList out;
    for (const TEventList::Entry &e : m_reference.Game().OutgoingQueue.Entries())
        if (!e.Event->Message.isEmpty())
            out << Win1250::Encode(e.Event->Message.mid(m_prefix.size()));
    return out;
}

QByteArrayList LiveServerFixture::NotSentFile()
{
    QByteArrayList out;
    QFile file(QDir(m_app.Game().GameFolder)
                   .filePath(QStringLiteral("events_notsend_%1.dat").arg(QLatin1String(Code))));
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "no " << file.fileName().toStdString();
        return out;
    }
    const QByteArray data = file.readAll();
    EXPECT_EQ(data.size() % TGameEvent::RecordSize, 0);
    for (qsizetype at = 0; at + TGameEvent::RecordSize <= data.size(); at += TGameEvent::RecordSize) {
        const TGameEvent e = TGameEvent::FromRecord(data.constData() + at, TGameEvent::RecordSize);
        if (!e.Message.isEmpty())
            out << Win1250::Encode(e.Message.mid(m_prefix.size()));
    }
    return out;
}

void LiveServerFixture::checkSave(TGame &)
{
    // Before the opening messages the folder has no code yet.
    if (m_app.Game().GameCode.isEmpty())
        return;
    const QByteArrayList queued = Queued();
    const QByteArrayList stored = Stored();
    const QByteArrayList file = NotSentFile();
    ++m_savesChecked;
    qsizetype mismatch = 0;
    const qsizetype covered = MatchStored(stored, queued, &mismatch);
    ASSERT_GE(covered, 0) << "save " << m_savesChecked << ", message " << mismatch << ": "
                          << stored[mismatch].toStdString() << " is no queued message in its place";
    // The file starts where the acknowledged messages end: at most the
    // messages the server has and the queue has not yet dropped come twice.
    for (qsizetype acknowledged = 0; acknowledged <= covered; ++acknowledged) {
        if (acknowledged + file.size() > queued.size())
            break;
        bool fits = true;
        for (qsizetype i = 0; fits && i < file.size(); ++i)
            fits = file[i] == queued[acknowledged + i];
        if (fits)
            return;
    }
    FAIL() << "save " << m_savesChecked << ": events_notsend_ (" << file.size()
           << " messages) does not continue the " << stored.size() << " messages at the server; "
           << queued.size() << " queued";
}

void LiveServerFixture::ExpectAllArrivedOnce()
{
    // The counters are final once the thread has ended.
    m_sender->Stop();
    m_app.Game().SaveGame();
    const QByteArrayList stored = Stored();
    const QByteArrayList queued = Queued();
    qsizetype mismatch = 0;
    qsizetype covered = MatchStored(stored, queued, &mismatch);
    ASSERT_GE(covered, 0) << mismatch << ": " << stored[mismatch].toStdString();
    while (covered < queued.size() && IsRepeatEntry(queued, covered))
        ++covered;
    EXPECT_EQ(covered, queued.size()) << "queued messages missing at the server";
    EXPECT_TRUE(NotSentFile().isEmpty());
    const TParquetixSender::TCounters c = m_sender->Counters();
    std::cout << ::testing::UnitTest::GetInstance()->current_test_info()->name() << ": " << queued.size()
              << " messages, " << c.Gets << " GET + " << c.Posts << " POST, " << c.TransportErrors
              << " without reply, " << c.Refusals << " refused, " << c.Failures << " send failures, "
              << m_savesChecked << " saves checked\n";
}

QStringList LiveServerFixture::Roster()
{
    return QStringLiteral(R"(set RENDEZES=RENDEZES_MEZSZAM
game code=LIVE1GAM2 date=2026-12-09 time=18:30 stadium="Sportcsarnok"
team home id=1 webid=T1 name="Győri Tigrisek" league=1
team away id=2 webid=T2 name="Pécsi Sasok" league=1
player home id=11 webid=H11 jersey=4 name="Kovács János" court
player home id=12 webid=H12 jersey=7 name="Nagy Ödön" court
player home id=13 webid=H13 jersey=10 name="Farkas Máté" court
player home id=14 webid=H14 jersey=15 name="Balogh Ádám" bench
player away id=21 webid=A21 jersey=5 name="Molnár Dávid" court
player away id=22 webid=A22 jersey=8 name="Varga Levente" court
player away id=23 webid=A23 jersey=12 name="Papp Dániel" court
player away id=24 webid=A24 jersey=21 name="Lakatos Zsolt" bench
length 5)")
        .split(QLatin1Char('\n'));
}

QStringList LiveServerFixture::Events(int n)
{
    const int x = 20 + n;
    return QStringLiteral(R"(tick
select home 4
shot home made mid %1 120
select away 8
shot away missed three 30 200
select home 10
event home 1001
tick
select home 7
event home 1008
type home 2
shot home made close 118 40
select away 5
event away 1007
type away 1
tick
shot away made freethrow
shot away missed freethrow
teammode home
event home 1006
select home 4
shot home made three 200 %1
timeout away
tick)")
        .arg(x)
        .split(QLatin1Char('\n'));
}
