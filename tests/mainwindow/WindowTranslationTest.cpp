// Every window the main window opens shows its texts translated from the
// shipped translations, in Hungarian and in English: opening them adds no
// text to the translate table that has no translation yet.
#include "masterdata/TdmMain.h"
#include "model/Services.h"
#include "shell/mainwindow/TfrmParquetixMain.h"
#include "transmission/IConnectionProbe.h"

#include "support/TestHome.h"

#include <QApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTimer>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

class TNoPrompts : public IPrompter
{
public:
    void ShowError(const QString &text) override { Shown << text; }
    void ShowInformation(const QString &text) override { Shown << text; }
    bool Confirm(const QString &) override { return false; }
    QStringList Shown;
};

class TOffline : public IConnectionProbe
{
public:
    bool IsConnected() override { return false; }
};

// The texts of the translate table with an empty translation in language.
QStringList untranslated(const QString &database, const QString &language)
{
    QStringList texts;
    const QString name = QStringLiteral("untranslated-") + language;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(database);
        if (!db.open())
            return {QStringLiteral("cannot open ") + database};
        QSqlQuery query(db);
        query.prepare(
            QStringLiteral("SELECT StringType, NonTranslatedString FROM translate WHERE Language = ? "
                           "AND (TranslatedString IS NULL OR TranslatedString = '')"));
        query.addBindValue(language);
        query.exec();
        while (query.next())
            texts << query.value(0).toString() + QLatin1Char('\t') + query.value(1).toString();
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    texts.sort();
    return texts;
}

TEST(WindowTranslation, EveryWindowOfTheMainWindowHasHungarianAndEnglishTexts)
{
    const QString shipped = binaryFolder() + QStringLiteral("/Datastore/parquetix.db");
    if (!QFile::exists(shipped))
        GTEST_SKIP() << "the build's home has no sample database (target parquetix_sample_data)";
    const QList<TMainCommand> windows{TMainCommand::Properties,     TMainCommand::OtherGames,
                                      TMainCommand::MyTeamPlays,    TMainCommand::Updates,
                                      TMainCommand::EditLeague,     TMainCommand::EditClub,
                                      TMainCommand::EditPlayer,     TMainCommand::EditGames,
                                      TMainCommand::JoinLeagueTeam, TMainCommand::JoinLeagueTeamPlayer,
                                      TMainCommand::About};
    for (const char *language : {"HUN", "ENG"}) {
        SCOPED_TRACE(language);
        TestHome home;
        home.write(QStringLiteral("Datastore/parquetix.db"), [&] {
            QFile file(shipped);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        }());
        home.write(QStringLiteral("parquetix.ini"), QByteArray("[APPLICATION]\nLANGUAGE=") + language + "\n");
        const QString database = TdmMain::DatabaseFile(home.path());
        const QStringList before = untranslated(database, QString::fromLatin1(language));
        {
            TNoPrompts prompter;
            TOffline offline;
            TfrmParquetixMain window(TMainWindowOptions{.Home = home.path(),
                                                        .StartWaitMs = 0,
                                                        .StartSender = false,
                                                        .Prompter = &prompter,
                                                        .Probe = &offline,
                                                        // No browser: the scoreboard gets its window.
                                                        .OpenUrl = [](const QUrl &) { return false; }});
            ASSERT_TRUE(window.StartProblems().isEmpty()) << window.StartProblems().join(u'\n').toStdString();
            for (const TMainCommand command : windows) {
                SCOPED_TRACE(int(command));
                QStringList opened;
                QTimer closer;
                closer.setInterval(10);
                QObject::connect(&closer, &QTimer::timeout, [&] {
                    if (QWidget *modal = QApplication::activeModalWidget()) {
                        opened << modal->objectName();
                        modal->close();
                    }
                });
                closer.start();
                window.Run(command);
                closer.stop();
                EXPECT_EQ(opened.size(), 1) << opened.join(u' ').toStdString();
            }
            EXPECT_TRUE(prompter.Shown.isEmpty()) << prompter.Shown.join(u'\n').toStdString();
        }
        const QStringList after = untranslated(database, QString::fromLatin1(language));
        QStringList added;
        for (const QString &text : after)
            if (!before.contains(text))
                added << text;
        EXPECT_TRUE(added.isEmpty()) << added.join(u'\n').toStdString();
    }
}

} // namespace
