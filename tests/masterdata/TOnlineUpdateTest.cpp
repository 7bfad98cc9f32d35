#include "masterdata/TOnlineUpdate.h"
#include "masterdata/TMessageTable.h"
#include "masterdata/TSchema.h"
#include "masterdata/TdmMain.h"
#include "model/services/Services.h"
#include "support/TestHome.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

#include <cstdio>

namespace {

QString s(const char *text)
{
    return QString::fromUtf8(text);
}

// Marks every translated text, so the tests see what went through the translator.
class MarkingTranslator : public ITranslator
{
public:
    QString Translate(const QString &text, const QString &section) override
    {
        return QStringLiteral("[%1]%2").arg(section, text);
    }
};

class FakeDownloader : public IUpdateDownloader
{
public:
    bool Download(const QString &url, const TProxy &proxy, QByteArray &body, QString &error) override
    {
        urls << url;
        lastProxy = proxy;
        if (!reachable) {
            error = QStringLiteral("Connection refused");
            return false;
        }
        body = reply;
        return true;
    }

    QByteArray reply;
    bool reachable = true;
    QStringList urls;
    TProxy lastProxy;
};

// Two leagues sharing team T1; a player of an unknown team; a game against one.
const char *const kTwoLeagues =
    "header*L1|First league#T1|Bears|BEA|Medvék*T2|Eagles|EAG|#*"
    "P1|KOVACS Janos|19990412|192|88|G|HUN|T1|7|Kovács János*"
    "P2|Pele|19700101|abc|70|F|BRA|T9|10|#*"
    "T1|T2|01.02.2030|kedd|18:00|ABC1DEF2|Ref A|Ref B|*"
    "T1|T9|03.02.2030|csütörtök|19:30|ABC1DEF3|Ref A||#*"
    "Coach One|E*Big Hall|H####"
    "*L2|Second league#T1|Bears|BEA|Medvék#*P3|NAGY Bela|20000101|200|100|C|HUN|T1|12|#*#*####";

class OnlineUpdate : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dm.OpenAll()) << dm.LastError().toStdString();
        messages.BuildMessageTable(translator);
        update.SetStateCallback([this](TOnlineUpdate::TState state, const QString &text) {
            states << state;
            texts << text;
        });
    }

    int count(const char *table) { return dm.RowCount(QString::fromLatin1(table)); }

    QString dumpAll()
    {
        QString text;
        for (const TSchema::TTable &t : TSchema::Tables()) {
            QList<QVariantMap> rows;
            EXPECT_TRUE(
                dm.Query(QStringLiteral("select * from \"%1\" order by rowid").arg(t.name), {}, &rows));
            for (const QVariantMap &row : rows)
                for (auto it = row.begin(); it != row.end(); ++it)
                    text += it.key() + QLatin1Char('=') + it.value().toString() + QLatin1Char(';');
            text += QLatin1Char('\n');
        }
        return text;
    }

    TestHome home;
    TdmMain dm{TdmMain::DatabaseFile(home.path())};
    MarkingTranslator translator;
    TMessageTable messages;
    TOnlineUpdate update{dm, translator, messages};
    QList<TOnlineUpdate::TState> states;
    QStringList texts;
};

} // namespace

TEST_F(OnlineUpdate, TwoLeagueBlocksMergeBoth)
{
    const TOnlineUpdate::TResult result = update.ImportUpdateText(s(kTwoLeagues));
    ASSERT_EQ(result.outcome, TOnlineUpdate::TOutcome::Imported) << result.error.toStdString();
    EXPECT_EQ(result.leagues, 2);
    EXPECT_TRUE(result.skipped.isEmpty());
    EXPECT_EQ(count("League"), 2);
    EXPECT_EQ(count("Team"), 2); // T1 once, in both leagues
    EXPECT_EQ(count("LeagueTeam"), 3);
    EXPECT_EQ(count("Player"), 3);
    EXPECT_EQ(count("TeamPlayer"), 3);
    EXPECT_EQ(count("Game"), 2);
    EXPECT_EQ(dm.StaffNames(s("B")), (QStringList{s("Ref A"), s("Ref B")}));
    EXPECT_EQ(dm.StaffNames(s("E")), QStringList{s("Coach One")});
    EXPECT_EQ(dm.StaffNames(s("H")), QStringList{s("Big Hall")});

    EXPECT_EQ(result.changes.value(s("Player")).added, 3);
    EXPECT_EQ(result.changes.value(s("Team")).added, 2);
    EXPECT_EQ(result.changes.value(s("Team")).changed, 0);

    const TPlayerRow kovacs = dm.PlayerRecordByWebId(s("P1"));
    EXPECT_EQ(kovacs.JatekosRovidNev, s("KOVACS J."));
    TPlayerRow pele;
    for (const TPlayerRow &p : dm.Players())
        if (p.WebID == s("P2"))
            pele = p;
    EXPECT_EQ(pele.JatekosRovidNev, s("Pe."));
    EXPECT_EQ(pele.JatekosTestMagassag, 0); // "abc"
    EXPECT_EQ(pele.JatekosSuly, 70);
    EXPECT_EQ(pele.JatekosOrszagID, s("BRA"));

    const int bears = dm.TeamIdByWebId(s("T1"));
    const int l2 = 2; // the second league inserted
    const QList<TTeamPlayerRow> roster = dm.Roster(l2, bears);
    ASSERT_EQ(roster.size(), 1);
    EXPECT_EQ(roster.at(0).JatekosWebID, s("P3"));
    EXPECT_EQ(dm.LeagueWebId(l2), s("L2"));
}

TEST_F(OnlineUpdate, UnknownTeamsGiveTeamIdZero)
{
    update.ImportUpdateText(s(kTwoLeagues));
    bool sawPele = false;
    for (const TTeamPlayerRow &r : dm.TeamPlayers()) {
        if (r.JatekosWebID == s("P2")) {
            sawPele = true;
            EXPECT_EQ(r.CsapatID, 0);
            EXPECT_EQ(r.CsapatWebID, s("T9"));
        }
    }
    EXPECT_TRUE(sawPele);
    const TGameRow game = *dm.GameByCode(s("ABC1DEF3"));
    EXPECT_EQ(game.HazaiCsapatID, dm.TeamIdByWebId(s("T1")));
    EXPECT_EQ(game.VendegCsapatID, 0);
    EXPECT_EQ(game.VendegCsapatWebID, s("T9"));
    EXPECT_EQ(game.Nap, s("csütörtök"));
}

TEST_F(OnlineUpdate, ImportingTheSameTextTwiceChangesNothing)
{
    ASSERT_TRUE(update.ImportUpdateText(s(kTwoLeagues)).ok());
    const QString before = dumpAll();
    const TOnlineUpdate::TResult second = update.ImportUpdateText(s(kTwoLeagues));
    ASSERT_TRUE(second.ok());
    EXPECT_TRUE(second.changes.isEmpty());
    EXPECT_EQ(dumpAll(), before);
}

TEST_F(OnlineUpdate, ANewerTextChangesTheMatchedRows)
{
    update.ImportUpdateText(s(kTwoLeagues));
    const int bears = dm.TeamIdByWebId(s("T1"));
    const TOnlineUpdate::TResult result =
        update.ImportUpdateText(s("*L1|First league#T1|Grizzlies|GRI|#*#*#*####"));
    EXPECT_EQ(result.changes.value(s("Team")).changed, 1);
    EXPECT_EQ(result.changes.value(s("Team")).added, 0);
    EXPECT_EQ(dm.TeamIdByWebId(s("T1")), bears);
    EXPECT_EQ(dm.TeamById(bears)->EgyesuletNev, s("Grizzlies"));
    EXPECT_EQ(dm.TeamById(bears)->EgyesuletEredetiNev, QString());
}

TEST_F(OnlineUpdate, AnIncompleteLastBlockCreatesNoRowsAndIsReported)
{
    const QString text = s("*L1|First#T1|Bears#*#*#*####*L2|Second#T2|Eagles#*P2|Two|x|1|1|F|HUN|T2|5|#*");
    const TOnlineUpdate::TResult result = update.ImportUpdateText(text);
    EXPECT_EQ(result.outcome, TOnlineUpdate::TOutcome::Imported);
    EXPECT_EQ(result.leagues, 1);
    ASSERT_EQ(result.skipped.size(), 1);
    EXPECT_TRUE(
        result.skipped.at(0).startsWith(s("[FORM]The update text ends with an incomplete league block")))
        << result.skipped.at(0).toStdString();
    EXPECT_TRUE(result.skipped.at(0).contains(s("*L2|Second")));
    EXPECT_EQ(count("League"), 1);
    EXPECT_EQ(dm.TeamIdByWebId(s("T2")), 0);
    EXPECT_EQ(count("Player"), 0);
}

TEST_F(OnlineUpdate, AStorageErrorStopsTheImportAndKeepsWhatWasMerged)
{
    ASSERT_TRUE(dm.Query(s("CREATE TRIGGER refuse BEFORE INSERT ON Player WHEN NEW.WebID = 'P2' "
                           "BEGIN SELECT RAISE(ABORT, 'disk on fire'); END"),
                         {}));
    const TOnlineUpdate::TResult result = update.ImportUpdateText(s(kTwoLeagues));
    EXPECT_EQ(result.outcome, TOnlineUpdate::TOutcome::StorageError);
    EXPECT_TRUE(result.error.contains(s("disk on fire"))) << result.error.toStdString();
    EXPECT_EQ(result.leagues, 0);
    EXPECT_EQ(count("League"), 1);
    EXPECT_EQ(count("Team"), 2);
    EXPECT_EQ(count("Player"), 1);
    EXPECT_EQ(count("Game"), 0);
    EXPECT_FALSE(states.contains(TOnlineUpdate::TState::Finished));
    // The transaction is over: the next import works.
    EXPECT_TRUE(update.ImportUpdateText(s("*L9|Later#T9|Late#*#*#*####")).ok());
    EXPECT_EQ(count("League"), 2);
}

TEST_F(OnlineUpdate, EveryMergedItemLetsTheWindowBreathe)
{
    int calls = 0;
    update.SetItemCallback([&] { ++calls; });
    update.ImportUpdateText(s(kTwoLeagues));
    // 2 leagues + 3 teams + 3 players + 2 games + 2 staff
    EXPECT_EQ(calls, 12);
}

TEST_F(OnlineUpdate, RunOnlineUpdateDownloadsAndImportsReportingEachState)
{
    FakeDownloader server;
    server.reply = QByteArray("*L1|Liga#T1|Medv\xe9k|MED|#*#*#*####"); // Windows-1250
    const IUpdateDownloader::TProxy proxy{s("proxy.local"), s("3128"), s("user"), s("secret")};
    const TOnlineUpdate::TResult result =
        update.RunOnlineUpdate(server, s("http://stats.example/"), s("C42"), proxy);
    ASSERT_EQ(result.outcome, TOnlineUpdate::TOutcome::Imported) << result.error.toStdString();
    EXPECT_EQ(server.urls, QStringList{s("http://stats.example/income/update.phtml?code=C42")});
    EXPECT_EQ(server.lastProxy.port, s("3128"));
    EXPECT_EQ(server.lastProxy.password, s("secret"));
    EXPECT_EQ(states, (QList<TOnlineUpdate::TState>{
                          TOnlineUpdate::TState::Connecting, TOnlineUpdate::TState::Downloaded,
                          TOnlineUpdate::TState::Processing, TOnlineUpdate::TState::Finished}));
    EXPECT_EQ(texts, (QStringList{s("[FORM]Csatlakozás"), s("[FORM]Adatok letöltése kész"),
                                  s("[FORM]Adatok feldolgozása"), s("[FORM]Adatok frissítése kész")}));
    EXPECT_EQ(dm.TeamById(dm.TeamIdByWebId(s("T1")))->EgyesuletNev, s("Medvék"));
}

TEST_F(OnlineUpdate, AnEmptyReplyEndsSilently)
{
    FakeDownloader server;
    const TOnlineUpdate::TResult result = update.RunOnlineUpdate(server, s("http://h"), s("C"), {});
    EXPECT_EQ(result.outcome, TOnlineUpdate::TOutcome::EmptyReply);
    EXPECT_TRUE(result.ok());
    EXPECT_TRUE(result.error.isEmpty());
    EXPECT_EQ(states, (QList<TOnlineUpdate::TState>{TOnlineUpdate::TState::Connecting,
                                                    TOnlineUpdate::TState::Downloaded}));
}

TEST_F(OnlineUpdate, AReplyHoldingErrorIsARefusal)
{
    FakeDownloader server;
    server.reply = QByteArray("*L1|Liga#T1|an error team|MED|#*#*#*####");
    const TOnlineUpdate::TResult result = update.RunOnlineUpdate(server, s("http://h"), s("C"), {});
    EXPECT_EQ(result.outcome, TOnlineUpdate::TOutcome::Refused);
    EXPECT_EQ(result.error, messages.MsgUpdateFailed);
    EXPECT_EQ(result.error, s("[FORM]The server refused the update!"));
    EXPECT_EQ(count("League"), 0);
    // "ERROR" in capitals is no refusal.
    server.reply = QByteArray("*L1|ERROR league#T1|Bears|BEA|#*#*#*####");
    EXPECT_EQ(update.RunOnlineUpdate(server, s("http://h"), s("C"), {}).outcome,
              TOnlineUpdate::TOutcome::Imported);
}

TEST_F(OnlineUpdate, AnUnreachableServerIsNoConnection)
{
    FakeDownloader server;
    server.reachable = false;
    const TOnlineUpdate::TResult result = update.RunOnlineUpdate(server, s("http://h"), s("C"), {});
    EXPECT_EQ(result.outcome, TOnlineUpdate::TOutcome::NoConnection);
    EXPECT_FALSE(result.ok());
    // The message, the server asked and the transport's reason.
    EXPECT_EQ(result.error, messages.MsgNoConnection + s("\n[FORM]Server: http://h\nConnection refused"));
    EXPECT_EQ(result.detail, s("Connection refused"));
    EXPECT_EQ(states, QList<TOnlineUpdate::TState>{TOnlineUpdate::TState::Connecting});
}

TEST_F(OnlineUpdate, UpdateFromFileJoinsTheLines)
{
    home.write(s("update.txt"),
               QByteArray("*L1|Liga#T1|Bea\r\nrs|BEA|#*\r\nP1|A B|x|1|2|G|HUN|T1|3|#*#*####\r\n"));
    const TOnlineUpdate::TResult result = update.UpdateFromFile(home.file(s("update.txt")));
    ASSERT_EQ(result.outcome, TOnlineUpdate::TOutcome::Imported) << result.error.toStdString();
    EXPECT_EQ(dm.TeamById(dm.TeamIdByWebId(s("T1")))->EgyesuletNev, s("Bears"));
    EXPECT_EQ(count("Player"), 1);
}

TEST_F(OnlineUpdate, AMissingFileIsAFileError)
{
    const TOnlineUpdate::TResult result = update.UpdateFromFile(home.file(s("nope.txt")));
    EXPECT_EQ(result.outcome, TOnlineUpdate::TOutcome::FileError);
    EXPECT_TRUE(result.error.contains(s("nope.txt")));
    EXPECT_EQ(count("League"), 0);
}

TEST_F(OnlineUpdate, RefusedItemsAreNamedAndTheRestIsMerged)
{
    const QString text = s("*L1|Liga#T1|Bears*T123456789012X|Long*T 2|Blank#*"
                           "P1|A B||||||T1|1|*P2|C D||||||T9|2|*P3|E\x01F||||||T1|3|#*"
                           "T1|T9|d|w|h|G1|||#*Coach|E####"
                           "*L2|#T5|Lost#*#*#*####");
    const TOnlineUpdate::TResult result = update.ImportUpdateText(text);
    ASSERT_EQ(result.outcome, TOnlineUpdate::TOutcome::Imported) << result.error.toStdString();
    EXPECT_EQ(result.leagues, 1);
    EXPECT_EQ(
        result.skipped,
        (QStringList{
            s("[FORM]Team \"T123456789012X (Long)\" [FORM]was refused: [FORM]this web identifier is longer "
              "than 12 characters: [FORM]web identifier"),
            s("[FORM]Team \"T 2 (Blank)\" [FORM]was refused: [FORM]this is not a web identifier: "
              "[FORM]web identifier"),
            s("[FORM]Player \"P3 (E\x01F)\" [FORM]was refused: [FORM]a control character or an undefined "
              "byte is in its field [FORM]name"),
            s("[FORM]League block \"L2\" [FORM]was refused: [FORM]it has no name [FORM]name")}));
    EXPECT_EQ(
        result.warnings,
        (QStringList{s("[FORM]Player \"P2 (C D)\" [FORM]names an unknown team; kept with team 0: \"T9\""),
                     s("[FORM]Game \"G1\" [FORM]names an unknown team; kept with team 0: \"T9\"")}));
    EXPECT_EQ(count("League"), 1);
    EXPECT_EQ(count("Team"), 1);
    EXPECT_EQ(count("Player"), 2);
    EXPECT_EQ(count("Game"), 1);
    // The identifier was not cut to its 12 characters and merged into another row.
    EXPECT_EQ(dm.TeamIdByWebId(s("T12345678901")), 0);
}

TEST_F(OnlineUpdate, ATextWithoutAMergeableBlockIsRefusedAsAWhole)
{
    const struct
    {
        const char *text;
        const char *error;
    } cases[] = {
        {"", "[FORM]The update text is empty; nothing changed."},
        {"\r\n<br>\n", "[FORM]The update text is empty; nothing changed."},
        {"<html>garbage</html>",
         "[FORM]The update text holds no league block that can be merged; nothing changed."},
        {"*L1|#T1|Bears#*#*#*####",
         "[FORM]The update text holds no league block that can be merged; nothing changed."},
        {"*L*1|Liga#T1|Bears#*#*#*####",
         "[FORM]The update text holds no league block that can be merged; nothing changed."},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        const TOnlineUpdate::TResult result = update.ImportUpdateText(s(c.text));
        EXPECT_EQ(result.outcome, TOnlineUpdate::TOutcome::NoData);
        EXPECT_FALSE(result.ok());
        EXPECT_EQ(result.error, s(c.error));
        EXPECT_EQ(result.leagues, 0);
        EXPECT_EQ(count("League"), 0);
        EXPECT_EQ(count("Team"), 0);
    }
}

TEST_F(OnlineUpdate, AStorageThatEndsTheTransactionItselfKeepsNothingAndSaysWhy)
{
    // A full disk can make the storage roll the whole transaction back.
    ASSERT_TRUE(dm.Query(s("CREATE TRIGGER full BEFORE INSERT ON Player WHEN NEW.WebID = 'P3' "
                           "BEGIN SELECT RAISE(ROLLBACK, 'database or disk is full'); END"),
                         {}));
    const TOnlineUpdate::TResult result = update.ImportUpdateText(s(kTwoLeagues));
    EXPECT_EQ(result.outcome, TOnlineUpdate::TOutcome::StorageError);
    EXPECT_TRUE(result.error.startsWith(s("database or disk is full"))) << result.error.toStdString();
    EXPECT_FALSE(result.kept);
    EXPECT_EQ(result.leagues, 0);
    EXPECT_TRUE(result.changes.isEmpty());
    EXPECT_EQ(count("League"), 0);
    EXPECT_EQ(count("Player"), 0);
}

TEST_F(OnlineUpdate, AFullDatabaseStopsTheImportAndTheCountsMatchWhatWasKept)
{
    // Thirty blocks of forty players: far more than fit once the file may not grow.
    QString text;
    for (int l = 1; l <= 30; ++l) {
        text += QStringLiteral("*L%1|League %1#T%1|Team %1#*").arg(l);
        for (int p = 1; p <= 40; ++p)
            text += QStringLiteral("P%1x%2|Player with a long name %1 %2|19990101|190|90|G|HUN|T%1|%2|*")
                        .arg(l)
                        .arg(p);
        text += QStringLiteral("#*#*####");
    }
    int items = 0;
    update.SetItemCallback([&] {
        // After the first block the file may not grow any more.
        if (++items == 42)
            dm.Query(s("PRAGMA max_page_count = 1"), {});
    });
    const TOnlineUpdate::TResult result = update.ImportUpdateText(text);
    ASSERT_EQ(result.outcome, TOnlineUpdate::TOutcome::StorageError);
    EXPECT_TRUE(result.error.contains(s("full"))) << result.error.toStdString();
    EXPECT_FALSE(result.error.contains(s("no transaction"))) << result.error.toStdString();
    const QRegularExpressionMatch stopped =
        QRegularExpression(s("^L(\\d+) \\(League \\1\\)$")).match(result.stoppedIn);
    ASSERT_TRUE(stopped.hasMatch()) << result.stoppedIn.toStdString();
    EXPECT_GE(stopped.captured(1).toInt(), 2);
    // Whether SQLite kept the earlier rows or rolled everything back, every
    // count reported is a row that is there, and only then are rows there.
    EXPECT_EQ(result.kept, count("League") > 0);
    EXPECT_TRUE(result.kept || result.leagues == 0);
    for (const QString &table : {s("League"), s("Team"), s("Player"), s("TeamPlayer"), s("LeagueTeam")}) {
        SCOPED_TRACE(table.toStdString());
        EXPECT_EQ(result.changes.value(table).added, dm.RowCount(table));
        EXPECT_EQ(result.changes.value(table).changed, 0);
    }
    std::printf("a full database after block 1: %s, %d block(s) kept\n",
                result.kept ? "earlier rows kept" : "the storage rolled everything back", result.leagues);
}
