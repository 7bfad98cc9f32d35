// Every window the main window opens shows its texts translated from the
// shipped translations, in Hungarian and in English: opening them adds no
// text to the translate table that has no translation yet, and every text
// shown (captions, buttons, menus, headings, message boxes, report captions,
// workbook headings) is one of the edition's language or data.
#include "desktop/court/TCourtScreen.h"
#include "desktop/court/TfrmParquetixScreenNew.h"
#include "desktop/mainwindow/TfrmParquetixMain.h"
#include "desktop/masterdata/TfrmMasterEdit.h"
#include "desktop/masterdata/TfrmNewLiga.h"
#include "desktop/wizard/TDesktopWizards.h"
#include "desktop/wizard/TWizardWindow.h"
#include "masterdata/TMessageTable.h"
#include "masterdata/TTranslator.h"
#include "masterdata/TdmMain.h"
#include "model/game/TGame.h"
#include "model/script/TGameScript.h"
#include "model/services/Services.h"
#include "model/services/THeadlessScreen.h"
#include "reports/export/TSheetTemplate.h"
#include "shell/session/TDesktopSession.h"
#include "transmission/IConnectionProbe.h"
#include "workflow/reportmenu/TNyomtatasokLogic.h"

#include "support/TestHome.h"

#include <QAbstractButton>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
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
    bool Confirm(const QString &text) override
    {
        Shown << text;
        return Answer;
    }
    QStringList Shown;
    bool Answer = false;
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
        if (!w->toolTip().isEmpty())
            texts << QTextDocumentFragment::fromHtml(w->toolTip()).toPlainText();
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
            for (int c = 0; c < table->columnCount(); ++c) {
                if (table->horizontalHeaderItem(c))
                    texts << table->horizontalHeaderItem(c)->text();
                for (int r = 0; r < table->rowCount(); ++r)
                    if (table->item(r, c))
                        texts << table->item(r, c)->text() << table->item(r, c)->toolTip();
            }
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

// A home with the build's sample database, reference lists and pictures in
// that language, for the wizards and the court screen.
void writeWizardHome(TestHome &home, const char *language)
{
    home.write(QStringLiteral("Datastore/parquetix.db"), shippedBytes());
    QFile lists(binaryFolder() + QStringLiteral("/ParquetixData.xml"));
    if (lists.open(QIODevice::ReadOnly))
        home.write(QStringLiteral("ParquetixData.xml"), lists.readAll());
    QDir().rmdir(home.file(QStringLiteral("Library")));
    QFile::link(binaryFolder() + QStringLiteral("/Library"), home.file(QStringLiteral("Library")));
    home.write(QStringLiteral("parquetix.ini"), QByteArray("[APPLICATION]\nLANGUAGE=") + language +
                                                    "\nVERSION=" + language +
                                                    "\nCHECK_NEW_VERSION=NO\nRENDEZES=RENDEZES_MEZSZAM\n");
}

// Each page a wizard shows on its way with Next, and every dialog its
// buttons open, noted by the page's name with the texts not in the language.
class TWizardWalk
{
public:
    TWizardWalk(const TLanguageTexts &texts, QWidget &wizard) : m_texts(texts), m_wizard(wizard)
    {
        // Dialogs over the wizard are looked at and closed; the court screen
        // is the script's.
        m_closer.setInterval(10);
        QObject::connect(&m_closer, &QTimer::timeout, [this] {
            // A context menu: its entries, then the first one chosen.
            if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
                QStringList entries;
                menuTexts(menu, entries);
                note(menu->objectName(), entries);
                QTest::keyClick(menu, Qt::Key_Down);
                QTest::keyClick(menu, Qt::Key_Return);
                return;
            }
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal || modal == &m_wizard ||
                modal->objectName() == QLatin1String("TfrmParquetixScreenNew"))
                return;
            note(modal->objectName(), shownTexts(modal));
            modal->close();
        });
        m_closer.start();
    }

    QStackedWidget *Pages() const { return m_wizard.findChild<QStackedWidget *>(); }

    void Look()
    {
        Seen << Pages()->currentWidget()->objectName() + QLatin1Char('#') +
                    QString::number(Pages()->currentIndex() + 1);
        note(Seen.last(), shownTexts(&m_wizard));
    }

    // A button of the wizard, when there and enabled, and what it opened.
    void Click(const char *name)
    {
        auto *button = m_wizard.findChild<QPushButton *>(QLatin1String(name));
        if (!button || !button->isVisible() || !button->isEnabled()) {
            Foreign << QStringLiteral("no button ") + QLatin1String(name);
            return;
        }
        QTest::mouseClick(button, Qt::LeftButton);
    }

    // A player of the roster moved to the starters or the substitute.
    void Move(int side, const char *arrow)
    {
        auto *players = m_wizard.findChild<QListWidget *>(QStringLiteral("lbNevezettJatekosokCsapat") +
                                                          QString::number(side));
        if (players && players->count() > 0)
            players->setCurrentRow(0);
        Click(QByteArray(arrow + QByteArray::number(side)).constData());
    }

    // The context menu of a team page's starters, as a right click opens it.
    void ContextMenu(int side)
    {
        auto *starters = m_wizard.findChild<QListWidget *>(QStringLiteral("lbKezdoJatekosokCsapat") +
                                                           QString::number(side));
        if (!starters || starters->count() == 0) {
            Foreign << QStringLiteral("no starters");
            return;
        }
        starters->setCurrentRow(0);
        const QPoint at = starters->visualItemRect(starters->item(0)).center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, starters->viewport()->mapToGlobal(at));
        QApplication::sendEvent(starters->viewport(), &event);
    }

    void note(const QString &where, const QStringList &shown)
    {
        for (const QString &f : m_texts.Foreign(shown))
            Foreign << where + QStringLiteral(": ") + f;
    }

    QStringList Seen;
    QStringList Foreign;

private:
    const TLanguageTexts &m_texts;
    QWidget &m_wizard;
    QTimer m_closer;
};

// Every page of the new game wizard from the schedule to the end of a game,
// the dialogs of its buttons, then every page of the load wizard on that
// game, in HUN and in ENG.
TEST(WindowTranslation, EveryPageOfBothWizardsHasHungarianAndEnglishTexts)
{
    if (!QFile::exists(shippedDatabase()))
        GTEST_SKIP() << "the build's home has no sample database (target parquetix_sample_data)";
    for (const char *language : {"HUN", "ENG"}) {
        SCOPED_TRACE(language);
        TestHome home;
        writeWizardHome(home, language);
        TLanguageTexts texts(TdmMain::DatabaseFile(home.path()), QString::fromLatin1(language));
        TNoPrompts prompter;
        prompter.Answer = true;
        TOffline offline;
        TfrmParquetixMain window(TMainWindowOptions{.Home = home.path(),
                                                    .StartWaitMs = 0,
                                                    .StartSender = false,
                                                    .Prompter = &prompter,
                                                    .Probe = &offline});
        ASSERT_TRUE(window.StartProblems().isEmpty()) << window.StartProblems().join(u'\n').toStdString();
        window.Wizards().FinishWaitMs = 0;
        window.Wizards().ScreenShown = [&](TfrmParquetixScreenNew &screen) {
            TGameScript script(window.Session().App().Game(), screen.Screen());
            EXPECT_TRUE(script.Run(QStringLiteral("tick\nselect home 4\nshot home made mid 88 120\ntick\n")))
                << script.Error().toStdString();
            screen.reject();
        };
        for (const bool load : {false, true}) {
            SCOPED_TRACE(load ? "load" : "new game");
            QStringList seen, foreign;
            // The folders of saved games are named by the operator.
            for (const QString &folder : QDir(home.file(QStringLiteral("Save"))).entryList(QDir::Dirs))
                texts.AddData(folder);
            window.Wizards().WizardShown = [&](QWidget &wizard) {
                TWizardWalk walk(texts, wizard);
                for (int step = 0; step < 12 && wizard.isVisible(); ++step) {
                    const int page = walk.Pages()->currentIndex();
                    walk.Look();
                    if (load) {
                        if (page == 3)
                            walk.Click("SpeedButton1");
                        walk.Click("bbNext");
                        continue;
                    }
                    if (page == 0) {
                        wizard.findChild<QTableWidget *>(QStringLiteral("dbgSchedule"))->selectRow(0);
                    } else if (page == 2 || page == 3) {
                        walk.Click(page == 2 ? "spHomeTeamAddPlayer" : "spAwayTeamAddPlayer");
                        for (int i = 0; i < 3; ++i)
                            walk.Move(page - 1, "sbJatekosAddCsapat");
                        walk.Move(page - 1, "sbCsereJatekosAddCsapat");
                        walk.ContextMenu(page - 1);
                    } else if (page == 4 || page == 7) {
                        walk.Click(page == 4 ? "bbNyomtatas" : "SpeedButton1");
                    }
                    walk.Click("bbTovabb");
                }
                seen = walk.Seen;
                foreign = walk.Foreign;
            };
            EXPECT_EQ(load ? window.Wizards().RunLoadPlay() : window.Wizards().RunNewGame(),
                      int(QDialog::Accepted));
            EXPECT_EQ(seen.size(), load ? 4 : 8) << seen.join(u' ').toStdString();
            EXPECT_TRUE(foreign.isEmpty()) << joined(foreign).toStdString();
        }
        EXPECT_TRUE(texts.Foreign(prompter.Shown).isEmpty())
            << joined(texts.Foreign(prompter.Shown)).toStdString();
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
