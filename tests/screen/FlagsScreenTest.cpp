#include "ScreenFixture.h"
#include "TestMasks.h"
#include "desktop/court/TCourtScreen.h"
#include "desktop/court/TfrmParquetixScreenNew.h"
#include "model/game/TGame.h"
#include "model/script/TGameScript.h"

#include "support/QtPrinters.h"
#include "support/SampleGame.h"
#include "support/ShippedTranslations.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

// The flags on the real court screen window, driven by keys and clicks: the
// game is recorded with slips the flag rule notices.
class FlagsOnScreen : public ::testing::Test
{
protected:
    explicit FlagsOnScreen(ITranslator *translator = nullptr)
        : clock(QDateTime(QDate(2026, 12, 9), QTime(18, 30, 5))), game(TGameServices{.Settings = &settings,
                                                                                     .Translator = translator,
                                                                                     .Prompter = &prompter,
                                                                                     .Clock = &clock,
                                                                                     .Store = &store})
    {
        settings.SetValue(QStringLiteral("RENDEZES"), QStringLiteral("RENDEZES_MEZSZAM"));
        settings.SetValue(QStringLiteral("INPUT"), QStringLiteral("INPUT_KEYBOARD"));
        TestMasks::vertical().save(library.filePath(QStringLiteral("MASK_VERTICAL.png")));
        TestMasks::horizontal().save(library.filePath(QStringLiteral("MASK_HORIZONTAL.png")));
        form = std::make_unique<TfrmParquetixScreenNew>(game, library.path());
        script = std::make_unique<TGameScript>(game, form->Screen());
        play(QStringLiteral("\n") + SampleRoster({.League = false, .FullNames = true}) +
             QStringLiteral("length 5"));
        form->Open();
        form->resize(1200, 826);
        form->show();
        play(QStringLiteral("tick"));
    }

    // Script lines recorded as the screen's inputs would, then the event loop
    // runs until the flags have followed.
    void play(const QString &lines)
    {
        ASSERT_TRUE(script->Run(lines)) << script->Error().toStdString();
        settle();
    }
    void settle()
    {
        QCoreApplication::processEvents();
        EXPECT_TRUE(QTest::qWaitFor([this] { return !screen().Flags().RefreshPending(); }, 2000));
    }
    TCourtScreen &screen() { return form->Screen(); }
    int lastId() const { return game.AllEvents.At(game.AllEvents.Count() - 1)->Id; }
    int lineOf(int side, int id) { return screen().History(side).Log().Find(id)->Number; }
    QString text(const QString &item) { return screen().ItemText(item); }
    // The stripe before the visible line of an event; nullptr when the line is not shown.
    const TScreenItem *stripeOf(int side, int id)
    {
        const auto &shown = screen().History(side).Table().Slots;
        for (int k = 1; k <= int(shown.size()); ++k)
            if (shown[size_t(k - 1)] == id)
                return screen().Items().Find(TScreenFlags::LineMark(side, k));
        return nullptr;
    }
    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = {})
    {
        // The key's events carry the modifiers held; the modifier keys' own
        // presses may have gone to another window.
        QTest::keyClick(form.get(), k, modifiers);
        settle();
    }
    // Plays the period's clock out and ends it with F4; the score question
    // that follows is answered with the named button, its text kept.
    void endPeriodAnswering(const char *button)
    {
        for (int i = 0; i < 19; ++i)
            play(QStringLiteral("tick"));
        QTimer::singleShot(0, [this, button] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            question = box->text();
            QTest::mouseClick(box->findChild<QPushButton *>(QString::fromLatin1(button)), Qt::LeftButton);
        });
        key(Qt::Key_F4);
    }

    QTemporaryDir library;
    TSettings settings;
    TScriptPrompter prompter;
    TFixedClock clock;
    CountingStore store;
    TGame game;
    std::unique_ptr<TfrmParquetixScreenNew> form;
    std::unique_ptr<TGameScript> script;
    QString question;
};

TEST_F(FlagsOnScreen, TheJumpKeyGoesToEachFlagInTheOrderRecordedAndShowsItsReasons)
{
    play(QStringLiteral("select home 7\nevent home 1004"));
    const int homeAssist = lastId();
    play(QStringLiteral("select away 5\nshot away missed mid 88 120\nselect home 4\nevent home 1001"));
    play(QStringLiteral("select away 8\nevent away 1004"));
    const int awayAssist = lastId();
    EXPECT_EQ(text(TScreenFlags::CountLabel(1)), QStringLiteral("\u2691 1"));
    EXPECT_EQ(text(TScreenFlags::CountLabel(2)), QStringLiteral("\u2691 1"));
    ASSERT_NE(stripeOf(1, homeAssist), nullptr);
    EXPECT_TRUE(stripeOf(1, homeAssist)->Visible);
    EXPECT_EQ(screen().Items().Find(TScreenFlags::ReasonLabel())->Visible, false);

    struct Step
    {
        int Side;
        int Id;
    };
    // From the start, then around again.
    for (const Step &step : {Step{1, homeAssist}, Step{2, awayAssist}, Step{1, homeAssist}}) {
        key(Qt::Key_F5);
        EXPECT_EQ(screen().History(step.Side).SelectedId(), step.Id);
        const QString reason = screen().Flags().ReasonShown();
        EXPECT_TRUE(reason.contains(game.Team(step.Side).Data.EgyesuletNev)) << reason.toStdString();
        EXPECT_TRUE(reason.contains(QStringLiteral("line %1:").arg(lineOf(step.Side, step.Id))))
            << reason.toStdString();
        EXPECT_TRUE(reason.contains(QStringLiteral("Assist without a basket"))) << reason.toStdString();
        // The line gone to is in view, bold, with its stripe.
        ASSERT_NE(stripeOf(step.Side, step.Id), nullptr);
        EXPECT_TRUE(stripeOf(step.Side, step.Id)->Visible);
    }
    // A clean line shows no stripe.
    for (int k = 1; k <= 9; ++k) {
        const int id = screen().History(1).Table().Slots[size_t(k - 1)];
        if (id != -1 && id != homeAssist) {
            EXPECT_FALSE(screen().Items().Find(TScreenFlags::LineMark(1, k))->Visible) << k;
        }
    }
}

TEST_F(FlagsOnScreen, TheCountAndTheStripesFollowEveryInputOnceItIsDone)
{
    // A refresh per event would cost every click; one after the input's repaint is enough.
    ASSERT_TRUE(script->Run(QStringLiteral("select away 8\nevent away 1004")));
    EXPECT_TRUE(screen().Flags().RefreshPending());
    EXPECT_EQ(text(TScreenFlags::CountLabel(2)), QStringLiteral("\u2691 0"));
    settle();
    ASSERT_EQ(text(TScreenFlags::CountLabel(2)), QStringLiteral("\u2691 1"));
    const QPoint homeCount =
        form->WindowPoint(screen().Items().Find(TScreenFlags::CountLabel(1))->Rect.center()).toPoint();
    struct Case
    {
        const char *Name;
        std::function<void()> Correct;
    };
    const QList<Case> cases = {
        {"the basket recorded with keys",
         [this] {
             key(Qt::Key_Tab); // home slot 1, jersey 4
             key(Qt::Key_G, Qt::ShiftModifier);
         }},
        {"the line gone to from the team's count and deleted with F8",
         [this, homeCount] {
             QTest::mouseClick(form.get(), Qt::LeftButton, {}, homeCount);
             key(Qt::Key_F8);
         }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.Name);
        play(QStringLiteral("select home 7\nevent home 1004"));
        const int flagged = lastId();
        ASSERT_EQ(text(TScreenFlags::CountLabel(1)), QStringLiteral("\u2691 1"));
        ASSERT_TRUE(stripeOf(1, flagged)->Visible);
        c.Correct();
        EXPECT_EQ(text(TScreenFlags::CountLabel(1)), QStringLiteral("\u2691 0"));
        EXPECT_EQ(screen().Flags().Find(1, flagged), nullptr);
        const TScreenItem *stripe = stripeOf(1, flagged);
        EXPECT_TRUE(stripe == nullptr || !stripe->Visible);
        EXPECT_EQ(text(TScreenFlags::CountLabel(2)), QStringLiteral("\u2691 1"));
    }
}

TEST_F(FlagsOnScreen, ShiftF5DismissesAndCtrlF5MarksTheLineKeptWithTheGame)
{
    play(QStringLiteral("select home 7\nevent home 1004"));
    const int assist = lastId();
    key(Qt::Key_F5);
    const int saves = store.Saves;
    key(Qt::Key_F5, Qt::ShiftModifier);
    EXPECT_TRUE(game.Review.IsDismissed(assist, TFlagReason::AssistWithoutBasket));
    EXPECT_GT(store.Saves, saves);
    EXPECT_EQ(text(TScreenFlags::CountLabel(1)), QStringLiteral("\u2691 0"));
    EXPECT_TRUE(screen().Flags().ReasonShown().startsWith(QStringLiteral("Dismissed:")));
    EXPECT_FALSE(stripeOf(1, assist)->Visible);

    // A clean away line, clicked, marked to check later and unmarked again.
    play(QStringLiteral("select away 5\nshot away made mid 88 120"));
    const int shot = lastId();
    const auto &shown = screen().History(2).Table().Slots;
    const int k = int(std::find(shown.begin(), shown.end(), shot) - shown.begin()) + 1;
    const QPoint line =
        form->WindowPoint(screen().Items().Find(TScreenHistory::LineLabel(2, k))->Rect.center()).toPoint();
    QTest::mouseClick(form.get(), Qt::LeftButton, {}, line);
    ASSERT_EQ(screen().History(2).SelectedId(), shot);
    const int before = store.Saves;
    key(Qt::Key_F5, Qt::ControlModifier);
    EXPECT_TRUE(game.Review.IsMarked(shot));
    EXPECT_GT(store.Saves, before);
    EXPECT_EQ(text(TScreenFlags::CountLabel(2)), QStringLiteral("\u2691 1"));
    ASSERT_NE(screen().Flags().Find(2, shot), nullptr);
    EXPECT_EQ(screen().Flags().Find(2, shot)->Reasons, QList<TFlagReason>{TFlagReason::User});
    EXPECT_EQ(stripeOf(2, shot)->Fill, TScreenFlags::UserColour);
    EXPECT_TRUE(screen().Flags().ReasonShown().contains(QStringLiteral("Marked to check")));
    // Ctrl let go a moment before F5 still counts, as xdotool and quick fingers do it.
    QTest::keyPress(form.get(), Qt::Key_Control);
    QTest::keyPress(form.get(), Qt::Key_F5, Qt::ControlModifier);
    QTest::keyRelease(form.get(), Qt::Key_Control);
    QTest::keyRelease(form.get(), Qt::Key_F5);
    settle();
    EXPECT_FALSE(game.Review.IsMarked(shot));
    EXPECT_EQ(text(TScreenFlags::CountLabel(2)), QStringLiteral("\u2691 0"));
}

TEST_F(FlagsOnScreen, ThePeriodsEndAsksToConfirmItsScoreOrGoesToItsFirstFlag)
{
    play(QStringLiteral("select home 4\nshot home made mid 88 120\nselect home 7\nevent home 1004\n"
                        "select home 10\nevent home 1004"));
    const int firstFlag = lastId();
    // Edit: the score stays open and the history shows the period's first open flag.
    endPeriodAnswering("btnEdit");
    EXPECT_TRUE(question.contains(QStringLiteral("Score of the period: 2 : 0"))) << question.toStdString();
    EXPECT_TRUE(question.contains(QStringLiteral("Score of the game: 2 : 0")));
    EXPECT_TRUE(question.contains(QStringLiteral("Open flags of the period: 1")));
    EXPECT_TRUE(question.contains(screen().Flags().Describe(*screen().Flags().Find(1, firstFlag))));
    EXPECT_EQ(game.Review.Confirmation(1), nullptr);
    EXPECT_EQ(screen().History(1).SelectedId(), firstFlag);
    EXPECT_TRUE(screen().Flags().ReasonShown().contains(QStringLiteral("Assist without a basket")));

    // The flag dismissed, F5 finds no flag and asks the question again: Confirm keeps the score.
    key(Qt::Key_F5, Qt::ShiftModifier);
    QTimer::singleShot(0, [this] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        question = box->text();
        // The operator's hands may stay on the keyboard: Alt and the button's letter.
        auto *confirm = box->findChild<QPushButton *>(QStringLiteral("btnConfirm"));
        EXPECT_EQ(confirm->shortcut(), QKeySequence(Qt::ALT | Qt::Key_C));
        EXPECT_EQ(box->findChild<QPushButton *>(QStringLiteral("btnEdit"))->shortcut(),
                  QKeySequence(Qt::ALT | Qt::Key_E));
        QTest::mouseClick(confirm, Qt::LeftButton);
    });
    key(Qt::Key_F5);
    EXPECT_TRUE(question.contains(QStringLiteral("No open flags in the period.")));
    ASSERT_NE(game.Review.Confirmation(1), nullptr);
    EXPECT_EQ(*game.Review.Confirmation(1), (TScoreConfirmation{1, 2, 0}));
    // The break goes on as before: the next clock step starts period 2.
    EXPECT_TRUE(screen().EventsLocked);
    key(Qt::Key_F4);
    EXPECT_FALSE(screen().EventsLocked);
}

TEST_F(FlagsOnScreen, ConfirmAtThePeriodsEndKeepsTheScore)
{
    play(QStringLiteral("select away 5\nshot away made three 30 200"));
    endPeriodAnswering("btnConfirm");
    ASSERT_NE(game.Review.Confirmation(1), nullptr);
    EXPECT_EQ(*game.Review.Confirmation(1), (TScoreConfirmation{1, 0, 3}));
    EXPECT_TRUE(screen().Flags().ReasonShown().contains(QStringLiteral("0 : 3")));
}

TEST_F(FlagsOnScreen, ClosingTheScreenListsTheOpenFlagsFirst)
{
    play(QStringLiteral("select home 7\nevent home 1004"));
    const int assist = lastId();
    play(QStringLiteral("select away 5\nevent away 1006\nevent away 1001"));
    prompter.Answer = false;
    prompter.Messages.clear();
    form->reject();
    ASSERT_EQ(prompter.Messages.size(), 1);
    const QString asked = prompter.Messages.first();
    EXPECT_TRUE(asked.contains(QStringLiteral("Open flags: ")));
    EXPECT_TRUE(asked.contains(screen().Flags().Describe(*screen().Flags().Find(1, assist))));
    EXPECT_EQ(asked.count(game.Team(2).Data.EgyesuletNev + QStringLiteral(", line")), 2)
        << asked.toStdString();
    // Staying goes to the first of them.
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(screen().History(1).SelectedId(), assist);

    prompter.Answer = true;
    form->reject();
    EXPECT_FALSE(form->isVisible());
}

namespace {
struct HungarianEdition
{
    TShippedTranslations hun{QStringLiteral("HUN")};
};
} // namespace

class FlagsOnScreenHun : protected HungarianEdition, public FlagsOnScreen
{
protected:
    FlagsOnScreenHun() : FlagsOnScreen(&hun) {}
};

TEST_F(FlagsOnScreenHun, TheReasonsAndTheQuestionReadInTheEditionsLanguage)
{
    ASSERT_TRUE(hun.Loaded());
    play(QStringLiteral("select home 7\nevent home 1004"));
    key(Qt::Key_F5);
    // The sample's team names are English words.
    auto withoutNames = [this](QString text) {
        return text.remove(game.Team(1).Data.EgyesuletNev).remove(game.Team(2).Data.EgyesuletNev);
    };
    const QString reason = withoutNames(screen().Flags().ReasonShown());
    EXPECT_TRUE(reason.contains(QStringLiteral(". sor: "))) << reason.toStdString();
    EXPECT_FALSE(reason.contains(FlagReasons::Text(TFlagReason::AssistWithoutBasket)))
        << reason.toStdString();
    EXPECT_EQ(hun.ForeignWords(reason), QStringList()) << reason.toStdString();
    endPeriodAnswering("btnConfirm");
    EXPECT_EQ(hun.ForeignWords(withoutNames(question)), QStringList()) << question.toStdString();
    EXPECT_EQ(hun.ForeignWords(withoutNames(screen().Flags().ReasonShown())), QStringList());
}
