// The main window is worked from the keyboard in the shipped languages:
// every menu and item has an Alt letter of its own within its menu, and the
// letters open the menus. The text of a print without a printer names where
// to save as PDF instead.
#include "desktop/mainwindow/TfrmParquetixMain.h"
#include "desktop/reportmenu/TReportLauncher.h"
#include "model/services/Services.h"
#include "shell/session/TDesktopSession.h"
#include "transmission/IConnectionProbe.h"

#include "support/TestHome.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
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

class MainMenuKeys : public ::testing::TestWithParam<const char *>
{
protected:
    void SetUp() override
    {
        const QString shipped = binaryFolder() + QStringLiteral("/Datastore/parquetix.db");
        if (!QFile::exists(shipped))
            GTEST_SKIP() << "the build's home has no sample database (target parquetix_sample_data)";
        QFile file(shipped);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        home.write(QStringLiteral("Datastore/parquetix.db"), file.readAll());
        home.write(QStringLiteral("parquetix.ini"),
                   QByteArray("[APPLICATION]\nVERSION=") + GetParam() + "\nLANGUAGE=" + GetParam() + "\n");
        window = std::make_unique<TfrmParquetixMain>(TMainWindowOptions{.Home = home.path(),
                                                                        .StartWaitMs = 0,
                                                                        .StartSender = false,
                                                                        .Prompter = &prompter,
                                                                        .Probe = &offline});
        ASSERT_TRUE(window->StartProblems().isEmpty());
    }

    TestHome home;
    TNoPrompts prompter;
    TOffline offline;
    std::unique_ptr<TfrmParquetixMain> window;
};

// The Alt letters of one menu's entries, each checked, then the submenus'.
// `letters` holds those already taken beside the menu (the window's buttons).
void checkMenu(const QString &name, const QList<QAction *> &actions, QStringList letters = {})
{
    for (QAction *action : actions) {
        if (action->isSeparator())
            continue;
        const QKeySequence mnemonic = QKeySequence::mnemonic(action->text());
        EXPECT_FALSE(mnemonic.isEmpty())
            << name.toStdString() << ": \"" << action->text().toStdString() << "\" has no Alt letter";
        const QString letter = mnemonic.toString().toLower();
        EXPECT_FALSE(letters.contains(letter))
            << name.toStdString() << ": Alt letter " << letter.toStdString() << " twice, again in \""
            << action->text().toStdString() << "\"";
        letters << letter;
        if (QMenu *menu = action->menu())
            checkMenu(action->text(), menu->actions());
    }
}

// Turns the event loop until pred holds or the time is up.
template <typename F> bool waitFor(F pred, int ms = 2000)
{
    QDeadlineTimer deadline(ms);
    while (!pred() && !deadline.hasExpired())
        QTest::qWait(10);
    return pred();
}

QMenu *openMenu()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *menu = qobject_cast<QMenu *>(w); menu && menu->isVisible())
            return menu;
    return nullptr;
}

TEST_P(MainMenuKeys, EveryMenuAndItemHasAnAltLetterOfItsOwn)
{
    // The window's own buttons share the menu bar's Alt letters.
    QStringList buttons;
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
        const QString letter = QKeySequence::mnemonic(button->text()).toString().toLower();
        if (letter.isEmpty())
            continue;
        EXPECT_FALSE(buttons.contains(letter)) << button->text().toStdString();
        buttons << letter;
    }
    EXPECT_FALSE(buttons.isEmpty());
    checkMenu(QStringLiteral("menu bar"), window->menuBar()->actions(), buttons);
}

TEST_P(MainMenuKeys, AltLettersOpenTheMenusAndReachTheItems)
{
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    for (QAction *top : window->menuBar()->actions()) {
        QMenu *menu = top->menu();
        if (!menu)
            continue;
        SCOPED_TRACE(top->text().toStdString());
        const QString letter = QKeySequence::mnemonic(top->text()).toString().section(QLatin1Char('+'), -1);
        ASSERT_FALSE(letter.isEmpty());
        QTest::keyClick(window.get(), QKeySequence(letter)[0].key(), Qt::AltModifier);
        ASSERT_TRUE(waitFor([&] { return openMenu() == menu; }));
        // The letter of a submenu opens it inside the menu.
        for (QAction *item : menu->actions()) {
            if (!item->menu())
                continue;
            const QString inner =
                QKeySequence::mnemonic(item->text()).toString().section(QLatin1Char('+'), -1);
            QTest::keyClick(menu, QKeySequence(inner)[0].key());
            ASSERT_TRUE(waitFor([&] { return item->menu()->isVisible(); }));
            QTest::keyClick(item->menu(), Qt::Key_Escape);
            ASSERT_TRUE(waitFor([&] { return !item->menu()->isVisible(); }));
        }
        QTest::keyClick(menu, Qt::Key_Escape);
        ASSERT_TRUE(waitFor([&] { return !menu->isVisible(); }));
        QTest::keyClick(window.get(), Qt::Key_Escape);
    }
}

TEST_P(MainMenuKeys, NoPrinterNamesWhereToSaveAsPdf)
{
    ITranslator &translator = window->Session().Translation().Translator();
    const QString text = TReportLauncher::NoPrinterText(translator);
    const QString saveAsPdf = translator.Translate(QStringLiteral("Save as PDF"), QStringLiteral("FORM"));
    EXPECT_TRUE(text.startsWith(
        translator.Translate(QStringLiteral("No printer to print on."), QStringLiteral("FORM"))));
    EXPECT_TRUE(text.contains(QLatin1Char('"') + saveAsPdf + QLatin1Char('"')) ||
                text.contains(QStringLiteral("„") + saveAsPdf + QStringLiteral("”")))
        << text.toStdString();
    if (QLatin1String(GetParam()) == QLatin1String("HUN")) {
        EXPECT_TRUE(text.contains(QStringLiteral("Mentés PDF-be"))) << text.toStdString();
        EXPECT_FALSE(text.contains(QStringLiteral("To save"))) << text.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Editions, MainMenuKeys, ::testing::Values("HUN", "ENG"));

} // namespace
