// Every page of both wizards, and every dialog their buttons open, shows its
// texts in the edition's language, in Hungarian and in English.
#include "TranslationTexts.h"

namespace {

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

} // namespace
