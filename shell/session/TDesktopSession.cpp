#include "TDesktopSession.h"

#include "savegame/TFileError.h"

#include "masterdata/TSchema.h"
#include "masterdata/TTranslator.h"
#include "model/services/TUiThreadDispatcher.h"
#include "transmission/TApplicationSenderHost.h"
#include "transmission/THttpClient.h"
#include "transmission/TNetworkPresence.h"
#include "transmission/TParquetixSender.h"

#include <QCoreApplication>
#include <QHash>
#include <QLibraryInfo>
#include <QUrl>

namespace {

// Passes the connection state on to whoever shows it.
class TSessionSenderHost : public TApplicationSenderHost
{
public:
    TSessionSenderHost(TCurrentGame &app, const std::function<void(const QString &)> &listener)
        : TApplicationSenderHost(app), m_listener(listener)
    {
    }
    void ShowConnectionState(const QString &text) override
    {
        TApplicationSenderHost::ShowConnectionState(text);
        if (m_listener)
            m_listener(text);
    }

private:
    const std::function<void(const QString &)> &m_listener;
};

} // namespace

TDesktopSession::TDesktopSession(const QString &home)
    : m_home(home.isEmpty() ? TParquetixApplication::DefaultHome() : home),
      // The desktop program makes the database when the home has none: its
      // translate table collects the texts the screens show.
      m_translation(m_home, true), m_app(m_home)
{
}

TDesktopSession::~TDesktopSession()
{
    StopSender();
}

QStringList TDesktopSession::Start()
{
    QStringList problems;
    if (!m_translation.IsOpen())
        problems << QStringLiteral("Database: %1").arg(m_translation.OpenError());
    m_app.SetTranslator(&m_translation.Translator());
    m_app.SetGameStore(&m_guard);
    QString error;
    if (!m_app.Initialize(&error))
        problems << QStringLiteral("Settings: %1").arg(error);
    ApplyLanguage();
    m_store.SetFolders(m_app);
    return problems;
}

void TDesktopSession::ApplyLanguage()
{
    m_translation.SetLanguage(m_app.Settings().Language());
    applyQtLanguage(m_app.Settings().Language());
    // A language met for the first time adds every label and message to the
    // translate table: one commit for all of them, not one each.
    TdmMain &dm = m_translation.DataModule();
    dm.SetNameLocale(TdmMain::EditionLocale(TSettings::EditionId(m_app.Settings().Edition())));
    const bool batched = dm.IsOpen() && dm.BeginTransaction();
    // The labels are looked up by the text they show: back to the column names first.
    for (const TSchema::TTable &table : TSchema::Tables())
        for (const TSchema::TColumn &column : table.columns)
            dm.SetDisplayLabel(table.name, column.name, column.name);
    if (TTranslator *translator = m_translation.DatabaseTranslator())
        translator->TranslateFieldLabels(dm);
    m_messages.BuildMessageTable(m_translation.Translator());
    if (batched && !dm.Commit())
        dm.Rollback();
}

QString TDesktopSession::QtLocaleOf(const QString &language)
{
    static const QHash<QString, QString> locales{
        {QStringLiteral("HUN"), QStringLiteral("hu")}, {QStringLiteral("ENG"), QStringLiteral("en")},
        {QStringLiteral("FRA"), QStringLiteral("fr")}, {QStringLiteral("ITA"), QStringLiteral("it")},
        {QStringLiteral("HEB"), QStringLiteral("he")}, {QStringLiteral("GER"), QStringLiteral("de")},
        {QStringLiteral("DEU"), QStringLiteral("de")}, {QStringLiteral("ESP"), QStringLiteral("es")},
    };
    return locales.value(language.trimmed().toUpper());
}

void TDesktopSession::applyQtLanguage(const QString &language)
{
    QCoreApplication *application = QCoreApplication::instance();
    if (!application)
        return;
    QCoreApplication::removeTranslator(&m_qtTexts);
    const QString locale = QtLocaleOf(language);
    // English is Qt's own; a missing catalogue leaves Qt's texts in English.
    if (locale.isEmpty() || locale == QLatin1String("en"))
        return;
    if (m_qtTexts.load(QStringLiteral("qtbase_") + locale,
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&m_qtTexts);
}

QByteArray TDesktopSession::ServerBase(const QString &serverName)
{
    const QUrl url(serverName);
    const QString scheme = url.scheme().toLower();
    if ((scheme != QLatin1String("http") && scheme != QLatin1String("https")) || url.host().isEmpty())
        return QByteArray(TSettings::DefaultServerBase);
    QString base = scheme + QStringLiteral("://") + url.host();
    if (url.port() >= 0)
        base += QLatin1Char(':') + QString::number(url.port());
    return base.toLatin1();
}

void TDesktopSession::StartSender(IHttpTransport *http, IConnectionProbe *probe, IUiDispatcher *dispatcher)
{
    if (m_sender)
        return;
    const QByteArray base = ServerBase(m_app.Settings().ServerName());
    if (!dispatcher) {
        m_ownDispatcher = std::make_unique<TUiThreadDispatcher>();
        dispatcher = m_ownDispatcher.get();
    }
    if (!http) {
        m_ownHttp = std::make_unique<THttpClient>();
        http = m_ownHttp.get();
    }
    if (!probe) {
        m_ownProbe = std::make_unique<TNetworkPresence>(base);
        probe = m_ownProbe.get();
    }
    if (!m_senderHost)
        m_senderHost = std::make_unique<TSessionSenderHost>(m_app, ConnectionStateChanged);
    m_senderHost->SetSendingEnabled(true);
    m_sender =
        std::make_unique<TParquetixSender>(*m_senderHost, m_app.Settings(), *dispatcher, *http, *probe);
    m_sender->SetBaseAddress(base);
    m_sender->start();
}

void TDesktopSession::StopSender()
{
    if (m_sender)
        m_sender->Stop();
}

bool TDesktopSession::SendingEnabled() const
{
    return m_senderHost && m_senderHost->SendingEnabled();
}

void TDesktopSession::SetSendingEnabled(bool enabled)
{
    if (m_senderHost)
        m_senderHost->SetSendingEnabled(enabled);
}

bool TDesktopSession::RestartSending()
{
    return m_sender && m_sender->RestartSending();
}

void TDesktopSession::SetCourtScreen(IScreenLink *screen)
{
    if (!m_senderHost)
        m_senderHost = std::make_unique<TSessionSenderHost>(m_app, ConnectionStateChanged);
    m_senderHost->SetCourtScreen(screen);
}

void TDesktopSession::CourtScreenOpened()
{
    try {
        m_store.WriteGameDataDump(m_app.Game());
    } catch (const TFileError &e) {
        if (m_guard.Report)
            m_guard.Report(e.Message());
    }
}
