#include "XlsxReader.h"

#include "support/CliRunner.h"
#include "support/Golden.h"
#include "support/TestHome.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace {

// A private application home, a copy of the build's (settings, translations,
// templates): games played at the same time in other tests write their
// temporary files into their own homes.
class CliHome
{
public:
    CliHome()
    {
        const QDir built(binaryFolder());
        for (const char *file :
             {"parquetix.ini", "ParquetixData.xml", "Datastore/parquetix.db", "Template/parquetix.xlt",
              "Template/fiba.xlt", "Template/parquetix_player_report.xlt"}) {
            const QString target = m_home.file(QLatin1String(file));
            QDir().mkpath(QFileInfo(target).absolutePath());
            if (!QFile::copy(built.filePath(QLatin1String(file)), target))
                ADD_FAILURE() << "cannot copy " << file << " of the build's home";
        }
    }
    QString path() const { return m_home.path(); }

private:
    TestHome m_home;
};

CliResult cli(const QStringList &args)
{
    static CliHome home;
    return runProgram(QStringLiteral("parquetix-cli"), args, home.path());
}

// The overtime game of the box score's golden test, saved into a folder.
QString savedGame(const TestHome &home, const QString &name)
{
    const QString folder = home.file(name);
    const CliResult r =
        cli({QStringLiteral("play"), sourceFolder() + QStringLiteral("/tests/data/boxscore-overtime.txt"),
             QStringLiteral("--save"), folder});
    EXPECT_EQ(r.ExitCode, 0) << r.Err.toStdString();
    return folder;
}

// The texts of every cell of that name in the cells JSON, line by line joined.
QStringList cellTexts(const QByteArray &json, const QString &band, const QString &name)
{
    QStringList texts;
    for (const QJsonValue &line :
         QJsonDocument::fromJson(json).object().value(QLatin1String("bands")).toArray()) {
        if (line.toObject().value(QLatin1String("band")).toString() != band)
            continue;
        QStringList parts;
        for (const QJsonValue &cell : line.toObject().value(QLatin1String("cells")).toArray())
            if (cell.toObject().value(QLatin1String("name")).toString() == name)
                parts.append(cell.toObject().value(QLatin1String("text")).toString());
        texts.append(parts.join(QLatin1Char(' ')));
    }
    return texts;
}

TEST(SpreadsheetOutput, ANoteOf255CharactersIsSavedWholeAndPrintedFromTheFolder)
{
    TestHome home;
    const QString folder = savedGame(home, QStringLiteral("game"));
    QString note;
    for (int i = 0; note.size() < 255; ++i)
        note += QStringLiteral("w%1 ").arg(i);
    note = note.left(254) + QLatin1Char('Z');
    ASSERT_EQ(note.size(), 255);
    CliResult r = cli({QStringLiteral("notes"), folder, QStringLiteral("home"), QStringLiteral("10"), note});
    ASSERT_EQ(r.ExitCode, 0) << r.Err.toStdString();
    r = cli(
        {QStringLiteral("notes"), folder, QStringLiteral("away"), QStringLiteral("99"), QStringLiteral("x")});
    EXPECT_EQ(r.ExitCode, 1);
    EXPECT_TRUE(r.Err.contains("99")) << r.Err.toStdString();

    const QString cells = home.file(QStringLiteral("roster.json"));
    r = cli({QStringLiteral("report"), QStringLiteral("roster"), folder, QStringLiteral("--cells"), cells,
             QStringLiteral("--team-note"), QStringLiteral("home=Unbeaten at home"),
             QStringLiteral("--coach-note"), QStringLiteral("away=Third season"), QStringLiteral("--set"),
             QStringLiteral("LANGUAGE=HUN")});
    ASSERT_EQ(r.ExitCode, 0) << r.Err.toStdString();
    const QByteArray json = home.read(QStringLiteral("roster.json"));
    EXPECT_TRUE(
        cellTexts(json, QStringLiteral("qrsbHomeTeamPlayers"), QStringLiteral("qlNote")).contains(note));
    EXPECT_TRUE(MatchesGolden(QStringLiteral("reports/golden/roster-overtime-hun.json"), json));

    r = cli({QStringLiteral("report"), QStringLiteral("roster"), folder, QStringLiteral("--team-note"),
             QStringLiteral("middle=x")});
    EXPECT_EQ(r.ExitCode, 2);
}

TEST(SpreadsheetOutput, PlayerStatsOfTwoSavedGamesDoubleEveryCount)
{
    TestHome home;
    const QString first = savedGame(home, QStringLiteral("first"));
    const QString second = savedGame(home, QStringLiteral("second"));
    const QString cells = home.file(QStringLiteral("players.json"));
    const QString xlsx = home.file(QStringLiteral("players.xlsx"));
    CliResult r = cli({QStringLiteral("playerstats"), first, second, QStringLiteral("--cells"), cells,
                       QStringLiteral("--xlsx"), xlsx});
    ASSERT_EQ(r.ExitCode, 0) << r.Err.toStdString();
    EXPECT_TRUE(MatchesGolden(QStringLiteral("reports/golden/playerstats-overtime-twice.json"),
                              home.read(QStringLiteral("players.json"))));
    const CliResult once = cli({QStringLiteral("playerstats"), first});
    ASSERT_EQ(once.ExitCode, 0);
    // Key, jersey, points, time: the points and times of two games are twice one game's.
    const QList<QByteArray> one = once.Out.trimmed().split('\n'), two = r.Out.trimmed().split('\n');
    ASSERT_EQ(one.size(), two.size());
    ASSERT_GE(one.size(), 10);
    for (qsizetype i = 0; i < one.size(); ++i) {
        const QList<QByteArray> a = one[i].split('\t'), b = two[i].split('\t');
        ASSERT_EQ(a.size(), 4);
        EXPECT_EQ(a[0], b[0]);
        EXPECT_EQ(2 * a[2].toInt(), b[2].toInt()) << a[0].toStdString();
    }
    XlsxBook book;
    QString error;
    ASSERT_TRUE(book.Open(xlsx, &error)) << error.toStdString();
    EXPECT_EQ(book.Cell(QStringLiteral("B5")).Text.toUtf8(),
              one[0].split('\t')[0].left(one[0].indexOf("1-")));

    r = cli({QStringLiteral("playerstats"), first, home.file(QStringLiteral("nothing-here"))});
    EXPECT_EQ(r.ExitCode, 1);
    EXPECT_TRUE(r.Err.contains("nothing-here")) << r.Err.toStdString();
}

TEST(SpreadsheetOutput, ExportsOfASavedGameOpenAsWorkbooks)
{
    TestHome home;
    const QString folder = savedGame(home, QStringLiteral("game"));
    const struct
    {
        const char *Kind;
        const char *Cell;
        const char *Text;
    } cases[] = {{"excel", "A3", "Szeged Sharks"},
                 {"excel", "A22", "Pecs Panthers"},
                 {"fiba", "C9", "Vass Gergely *"}};
    for (const auto &c : cases) {
        const QString file = home.file(QStringLiteral("out.xlsx"));
        const CliResult r = cli({QStringLiteral("export"), QLatin1String(c.Kind), folder, file});
        ASSERT_EQ(r.ExitCode, 0) << r.Err.toStdString();
        XlsxBook book;
        QString error;
        ASSERT_TRUE(book.Open(file, &error)) << error.toStdString();
        EXPECT_EQ(book.Cell(QLatin1String(c.Cell)).Text, QLatin1String(c.Text)) << c.Kind;
    }
    const CliResult r =
        cli({QStringLiteral("export"), QStringLiteral("csv"), folder, home.file(QStringLiteral("x"))});
    EXPECT_EQ(r.ExitCode, 2);
}

} // namespace
