// Every window the main window opens shows its texts translated from the
// shipped translations, in Hungarian and in English: opening them adds no
// text to the translate table that has no translation yet, and every text
// shown (captions, buttons, menus, headings, message boxes, report captions,
// workbook headings) is one of the edition's language or data.
#include "masterdata/TMessageTable.h"
#include "masterdata/TTranslator.h"
#include "masterdata/TdmMain.h"
#include "masterdata/dialogs/TfrmMasterEdit.h"
#include "masterdata/dialogs/TfrmNewLiga.h"
#include "model/Services.h"
#include "model/TGame.h"
#include "model/TGameScript.h"
#include "model/THeadlessScreen.h"
#include "reports/export/TSheetTemplate.h"
#include "screen/dialogs/TNyomtatasokLogic.h"
#include "shell/TDesktopSession.h"
#include "shell/mainwindow/TfrmParquetixMain.h"
#include "transmission/IConnectionProbe.h"

#include "support/TestHome.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextDocumentFragment>
#include <QTimer>
#include <QTreeWidget>
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

QString shippedDatabase()
{
    return binaryFolder() + QStringLiteral("/Datastore/parquetix.db");
}

QByteArray shippedBytes()
{
    QFile file(shippedDatabase());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The texts of one language: its translations and the data of the master
// tables (names, dates), which are shown as they are stored.
class TLanguageTexts
{
public:
    TLanguageTexts(const QString &database, const QString &language)
        : m_locale(TdmMain::EditionLocale(language))
    {
        const QString name = QStringLiteral("texts-") + language;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            db.setDatabaseName(database);
            if (db.open()) {
                QSqlQuery query(db);
                query.prepare(QStringLiteral("SELECT TranslatedString FROM translate WHERE Language = ?"));
                query.addBindValue(language);
                query.exec();
                while (query.next())
                    m_known.insert(plain(query.value(0).toString()));
                for (const char *table : {"League", "Team", "Player", "Game", "Staff", "Language"}) {
                    QSqlQuery rows(QStringLiteral("SELECT * FROM \"%1\"").arg(QLatin1String(table)), db);
                    while (rows.next())
                        for (int c = 0; c < rows.record().count(); ++c)
                            m_known.insert(plain(rows.value(c).toString()));
                }
                db.close();
            }
        }
        QSqlDatabase::removeDatabase(name);
        // A message with a number put in ("Games of the schedule: %1") is
        // known by its parts as well.
        const QSet<QString> whole = m_known;
        for (const QString &text : whole)
            if (text.contains(QLatin1Char('%')))
                for (const QString &part : text.split(joints(), Qt::SkipEmptyParts))
                    m_known.insert(part.trimmed());
        for (int d = 1; d <= 7; ++d)
            m_known.insert(m_locale.dayName(d));
        m_known.insert(QStringLiteral("Parquetix"));
    }

    void AddData(const QString &text) { m_known.insert(plain(text)); }

    // Without accelerator marks and surrounding blanks.
    static QString plain(QString text)
    {
        text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
        text.remove(QLatin1Char('&'));
        text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
        return text.trimmed();
    }

    bool InLanguage(const QString &shown) const
    {
        const QString text = plain(shown);
        if (m_known.contains(text) || m_known.contains(text + QLatin1Char(':')) ||
            text.startsWith(QLatin1String("http://")) || text.startsWith(QLatin1String("https://")) ||
            std::none_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); }))
            return true;
        // Texts put together of translated lines, parts and data.
        static const QRegularExpression breaks(QStringLiteral("[\\r\\n]+"));
        const QStringList lines = text.split(breaks, Qt::SkipEmptyParts);
        if (lines.size() > 1)
            return std::all_of(lines.begin(), lines.end(),
                               [this](const QString &l) { return InLanguage(l); });
        const QStringList parts = text.split(joints(), Qt::SkipEmptyParts);
        if (parts.size() > 1)
            return std::all_of(parts.begin(), parts.end(),
                               [this](const QString &p) { return InLanguage(p); });
        for (const QString &end : {QStringLiteral(":"), QStringLiteral("!"), QStringLiteral("?")})
            if (text.endsWith(end) &&
                (m_known.contains(text.chopped(1)) || m_known.contains(text.chopped(1).trimmed())))
                return true;
        return false;
    }

    static const QRegularExpression &joints()
    {
        static const QRegularExpression joints(
            QStringLiteral("\\s*(?:\\n|\\r|: |, | - |\\(|\\)|/|\\.\\.\\.)\\s*"));
        return joints;
    }

    QStringList Foreign(const QStringList &texts) const
    {
        QStringList foreign;
        for (const QString &t : texts)
            if (!InLanguage(t))
                foreign << t;
        foreign.removeDuplicates();
        return foreign;
    }

private:
    QLocale m_locale;
    QSet<QString> m_known;
};

void menuTexts(QMenu *menu, QStringList &texts)
{
    for (QAction *action : menu->actions()) {
        if (action->isSeparator())
            continue;
        texts << action->text();
        if (action->menu())
            menuTexts(action->menu(), texts);
    }
}

// Every text a window shows that is not typed in by the operator or data of a list.
QStringList shownTexts(QWidget *window)
{
    QStringList texts{window->windowTitle()};
    QList<QWidget *> widgets = window->findChildren<QWidget *>();
    for (QWidget *w : widgets) {
        if (!w->isVisibleTo(window) || w->objectName().startsWith(QLatin1String("lblValue")))
            continue;
        if (auto *label = qobject_cast<QLabel *>(w))
            texts << QTextDocumentFragment::fromHtml(label->text()).toPlainText();
        else if (auto *button = qobject_cast<QAbstractButton *>(w))
            texts << button->text();
        else if (auto *group = qobject_cast<QGroupBox *>(w))
            texts << group->title();
        else if (auto *tabs = qobject_cast<QTabWidget *>(w))
            for (int i = 0; i < tabs->count(); ++i)
                texts << tabs->tabText(i);
        else if (auto *tree = qobject_cast<QTreeWidget *>(w))
            for (int c = 0; c < tree->columnCount(); ++c)
                texts << tree->headerItem()->text(c);
        else if (auto *table = qobject_cast<QTableWidget *>(w)) {
            for (int c = 0; c < table->columnCount(); ++c)
                if (table->horizontalHeaderItem(c))
                    texts << table->horizontalHeaderItem(c)->text();
        } else if (auto *bar = qobject_cast<QMenuBar *>(w))
            for (QAction *action : bar->actions()) {
                texts << action->text();
                if (action->menu())
                    menuTexts(action->menu(), texts);
            }
    }
    return texts;
}

QString joined(const QStringList &texts)
{
    return texts.join(QStringLiteral(" | "));
}

TEST(WindowTranslation, EveryWindowOfTheMainWindowHasHungarianAndEnglishTexts)
{
    const QString shipped = shippedDatabase();
    if (!QFile::exists(shipped))
        GTEST_SKIP() << "the build's home has no sample database (target parquetix_sample_data)";
    const QList<TMainCommand> windows{TMainCommand::Properties,
                                      TMainCommand::OtherGames,
                                      TMainCommand::IndividualStats,
                                      TMainCommand::Schedule,
                                      TMainCommand::LoadGame,
                                      TMainCommand::MyTeamPlays,
                                      TMainCommand::Updates,
                                      TMainCommand::EditLeague,
                                      TMainCommand::EditClub,
                                      TMainCommand::EditPlayer,
                                      TMainCommand::EditGames,
                                      TMainCommand::JoinLeagueTeam,
                                      TMainCommand::JoinLeagueTeamPlayer,
                                      TMainCommand::About};
    for (const char *language : {"HUN", "ENG"}) {
        SCOPED_TRACE(language);
        TestHome home;
        home.write(QStringLiteral("Datastore/parquetix.db"), shippedBytes());
        home.write(QStringLiteral("parquetix.ini"),
                   QByteArray("[APPLICATION]\nLANGUAGE=") + language + "\nVERSION=" + language + "\n");
        const QString database = TdmMain::DatabaseFile(home.path());
        const QStringList before = untranslated(database, QString::fromLatin1(language));
        const TLanguageTexts texts(database, QString::fromLatin1(language));
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
            QStringList mainTexts = shownTexts(&window);
            for (QLabel *panel : window.statusBar()->findChildren<QLabel *>())
                mainTexts << panel->text();
            EXPECT_TRUE(texts.Foreign(mainTexts).isEmpty()) << joined(texts.Foreign(mainTexts)).toStdString();
            for (const TMainCommand command : windows) {
                SCOPED_TRACE(int(command));
                QStringList opened;
                QStringList foreign;
                QTimer closer;
                closer.setInterval(10);
                QObject::connect(&closer, &QTimer::timeout, [&] {
                    if (QWidget *modal = QApplication::activeModalWidget()) {
                        opened << modal->objectName();
                        foreign << texts.Foreign(shownTexts(modal));
                        modal->close();
                    }
                });
                closer.start();
                window.Run(command);
                closer.stop();
                EXPECT_EQ(opened.size(), 1) << opened.join(u' ').toStdString();
                EXPECT_TRUE(foreign.isEmpty()) << joined(foreign).toStdString();
            }
            EXPECT_TRUE(prompter.Shown.isEmpty()) << prompter.Shown.join(u'\n').toStdString();

            // The edit dialogs the lists open, and the message a refused delete shows.
            TDesktopSession &session = window.Session();
            const TDialogContext context{session.Translation().DataModule(),
                                         session.Translation().Translator(), session.Messages(), prompter};
            for (TMasterKind kind :
                 {TMasterKind::League, TMasterKind::Team, TMasterKind::Player, TMasterKind::Game}) {
                TRowEdit edit(context.dm, kind);
                edit.StartInsert();
                const std::unique_ptr<TfrmMasterEdit> dialog = TfrmMasterEdit::Create(context, edit);
                const QStringList foreign = texts.Foreign(shownTexts(dialog.get()));
                EXPECT_TRUE(foreign.isEmpty())
                    << dialog->objectName().toStdString() << ": " << joined(foreign).toStdString();
            }
            {
                TfrmNewLiga leagues(context);
                leagues.Delete();
            }
            // Every message of the message table, and the delete's refusal.
            QStringList messages = prompter.Shown;
            for (const TMessageTable::TEntry &e : TMessageTable::Entries())
                messages << session.Messages().*e.field;
            EXPECT_EQ(prompter.Shown.size(), 1);
            EXPECT_TRUE(texts.Foreign(messages).isEmpty()) << joined(texts.Foreign(messages)).toStdString();
        }
        const QStringList after = untranslated(database, QString::fromLatin1(language));
        QStringList added;
        for (const QString &text : after)
            if (!before.contains(text))
                added << text;
        EXPECT_TRUE(added.isEmpty()) << added.join(u'\n').toStdString();
    }
}

// The captions of every report of the report menu and the headings of the
// workbooks, translated by a home's translator in HUN and in ENG.
TEST(WindowTranslation, ReportCaptionsAndWorkbookHeadingsAreInTheEditionsLanguage)
{
    if (!QFile::exists(shippedDatabase()))
        GTEST_SKIP() << "the build's home has no sample database (target parquetix_sample_data)";
    for (const char *language : {"HUN", "ENG"}) {
        SCOPED_TRACE(language);
        TestHome home;
        home.write(QStringLiteral("Datastore/parquetix.db"), shippedBytes());
        const QString database = TdmMain::DatabaseFile(home.path());
        TLanguageTexts texts(database, QString::fromLatin1(language));
        TdmMain dm(database);
        ASSERT_TRUE(dm.OpenAll());
        TTranslator translator(dm, QString::fromLatin1(language));

        TSettings settings;
        settings.SetValue(QStringLiteral("VERSION"), QString::fromLatin1(language));
        settings.SetValue(QStringLiteral("LANGUAGE"), QString::fromLatin1(language));
        TScriptPrompter prompter;
        TFixedClock clock(QDateTime(QDate(2026, 12, 9), QTime(18, 30, 5)));
        THeadlessScreen screen;
        TGame game(TGameServices{
            .Settings = &settings, .Translator = &translator, .Prompter = &prompter, .Clock = &clock});
        game.SetScreen(&screen);
        TGameScript script(game, screen);
        QFile demo(sourceFolder() + QStringLiteral("/demo/demo-game.txt"));
        ASSERT_TRUE(demo.open(QIODevice::ReadOnly));
        QString lines = QString::fromUtf8(demo.readAll());
        lines.replace(QStringLiteral("LANGUAGE=ENG"), QStringLiteral("LANGUAGE=") + QLatin1String(language));
        ASSERT_TRUE(script.Run(lines)) << script.Error().toStdString();
        for (const TTeam *team :
             {static_cast<const TTeam *>(&game.HomeTeam()), static_cast<const TTeam *>(&game.AwayTeam())}) {
            texts.AddData(team->Data.EgyesuletNev);
            for (const TPlayerList *list : {&team->OnCourt, &team->Bench})
                for (int i = 0; i < list->Count(); ++i)
                    texts.AddData(list->At(i)->JatekosNev);
        }

        TNyomtatasokLogic menu(game, translator);
        QStringList captions;
        for (const TNyomtatasokLogic::TControl &control : menu.Controls())
            if (control.Visible && !control.Caption.isEmpty())
                captions << translator.Translate(control.Caption, QStringLiteral("FORM"));
        for (const QString &item : menu.ScopeItems())
            captions << item;
        std::vector<TReportDocument> documents = menu.PrintAll();
        for (const TNyomtatasokLogic::TControl &control : menu.Controls()) {
            if (!control.Radio || !control.Visible || !menu.Select(control.Name))
                continue;
            menu.Ok(documents);
        }
        for (const TReportDocument &document : documents)
            for (const TReportPage &page : document.Pages)
                for (const TReportBand &band : page.Bands)
                    for (const TReportLine &line : band.Lines)
                        for (const TReportCell &cell : line.Cells)
                            if (cell.Caption)
                                captions << cell.Text;
        EXPECT_TRUE(texts.Foreign(captions).isEmpty()) << joined(texts.Foreign(captions)).toStdString();

        QStringList headings;
        for (const char *name : {"parquetix.xlt", "fiba.xlt", "parquetix_player_report.xlt"}) {
            TSpreadsheet sheet;
            QString error;
            ASSERT_TRUE(TSheetTemplate::Load(
                binaryFolder() + QStringLiteral("/Template/") + QLatin1String(name), sheet, &error))
                << error.toStdString();
            TSheetTemplate::Translate(sheet, translator);
            headings << sheet.SheetName;
            for (const auto &[place, cell] : sheet.Cells())
                if (cell.Kind == TSheetCell::TKind::Text)
                    headings << cell.Text;
        }
        EXPECT_TRUE(texts.Foreign(headings).isEmpty()) << joined(texts.Foreign(headings)).toStdString();
    }
}

} // namespace
