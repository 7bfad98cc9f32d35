#include "TestMasks.h"
#include "desktop/court/TCourtScreen.h"
#include "desktop/court/TfrmParquetixScreenNew.h"
#include "desktop/court/input/TPointerEvent.h"
#include "desktop/court/input/TPointerSource.h"
#include "model/events/EventKinds.h"
#include "model/game/TGame.h"
#include "model/script/TGameScript.h"

#include "support/QtPrinters.h"
#include "support/SampleGame.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

// The real window, in a window of another size than the frame: every press
// must land on the frame point it shows.
class ScreenWindow : public ::testing::Test
{
protected:
    ScreenWindow()
        : clock(QDateTime(QDate(2026, 12, 9), QTime(18, 30, 5))),
          game(TGameServices{.Settings = &settings, .Prompter = &prompter, .Clock = &clock})
    {
        settings.SetValue(QStringLiteral("RENDEZES"), QStringLiteral("RENDEZES_MEZSZAM"));
        settings.SetValue(QStringLiteral("COMPORT"), QStringLiteral("/dev/parquetix-no-such-port"));
        // A library with only the masks and a plain red background.
        TestMasks::vertical().save(library.filePath(QStringLiteral("MASK_VERTICAL.png")));
        TestMasks::horizontal().save(library.filePath(QStringLiteral("MASK_HORIZONTAL.png")));
        QImage background(1000, 688, QImage::Format_RGB32);
        background.fill(qRgb(200, 0, 0));
        background.save(library.filePath(QStringLiteral("SCREEN.png")));
    }

    void open(const QString &input = QStringLiteral("INPUT_SERIALMOUSE"))
    {
        settings.SetValue(QStringLiteral("INPUT"), input);
        form = std::make_unique<TfrmParquetixScreenNew>(game, library.path());
        if (!built) {
            built = true;
            TGameScript script(game, form->Screen());
            ASSERT_TRUE(script.Run(
                QStringLiteral("\n") +
                SampleRoster({.League = false, .HomeBench = false, .AwayBench = false, .FullNames = true}) +
                QStringLiteral("tick\n")))
                << script.Error().toStdString();
        }
        form->Open();
        form->resize(1500, 900);
        form->show();
    }

    QPoint at(QPoint framePoint) const { return form->WindowPoint(framePoint).toPoint(); }
    QPoint centreOf(const char *item) const
    {
        return form->Screen().Items().Find(QString::fromLatin1(item))->Rect.center();
    }
    const TGameEvent *last() const { return game.AllEvents.At(game.AllEvents.Count() - 1); }
    // A number of the last event's message ("&tipus=" and its value); -1 when absent.
    static int field(const TGameEvent *e, const QString &name)
    {
        const QString key = QLatin1Char('&') + name + QLatin1Char('=');
        const qsizetype at = e->Message.indexOf(key);
        return at < 0 ? -1 : e->Message.mid(at + key.size()).section(QLatin1Char('&'), 0, 0).toInt();
    }

    QTemporaryDir library;
    TSettings settings;
    TScriptPrompter prompter;
    TFixedClock clock;
    TGame game;
    std::unique_ptr<TfrmParquetixScreenNew> form;
    bool built = false;
};

TEST_F(ScreenWindow, FramePointsSurviveTheScaling)
{
    open();
    for (const QSize size : {QSize(1500, 900), QSize(700, 600), QSize(1000, 688), QSize(2560, 1440)}) {
        form->resize(size);
        for (const QPoint p :
             {QPoint(0, 0), QPoint(999, 687), QPoint(500, 286), QPoint(500, 287), QPoint(343, 288)})
            EXPECT_EQ(form->FramePoint(form->WindowPoint(p)), p) << size.width() << "x" << size.height();
    }
    // 1500 x 900 scales by 900 / 688 and centres the frame across.
    form->resize(1500, 900);
    const double s = 900.0 / 688.0;
    EXPECT_EQ(form->FramePoint(QPointF((1500 - 1000 * s) / 2 + 10 * s + 1, 1)), QPoint(10, 0));
    EXPECT_LT(form->FramePoint(QPointF(5, 450)).x(), 0);
}

TEST_F(ScreenWindow, ClicksLandOnTheirFramePoints)
{
    open();
    QTest::mouseClick(form.get(), Qt::LeftButton, {}, at(centreOf("lblCsapat2JatekosNev_2")));
    ASSERT_NE(game.AwayTeam().ActivePlayer(), nullptr);
    EXPECT_EQ(game.AwayTeam().ActivePlayer()->JatekosMezSzam, 8);
    QTest::mouseClick(form.get(), Qt::LeftButton, {}, at(centreOf("imgVedoCsapat2")));
    EXPECT_EQ(last()->Kind, Kind::DefensiveRebound);
    // A missed shot in the away half: the court point is the frame point less the court's corner.
    QTest::mouseClick(form.get(), Qt::RightButton, {}, at({450, 200}));
    EXPECT_EQ(last()->Kind, Kind::ShotMissed);
    EXPECT_TRUE(last()->Message.contains(QLatin1String("&x=70&y=93")));
    // The last row above the centre line belongs to the away half, the next does not.
    const int count = game.AllEvents.Count();
    QTest::mouseClick(form.get(), Qt::LeftButton, {}, at({500, 287}));
    EXPECT_EQ(game.AllEvents.Count(), count);
    QTest::mouseClick(form.get(), Qt::LeftButton, {}, at({500, 286}));
    EXPECT_EQ(game.AllEvents.Count(), count + 1);
}

TEST_F(ScreenWindow, KeysReachTheKeyboardMap)
{
    open(QStringLiteral("INPUT_KEYBOARD"));
    QTest::keyClick(form.get(), Qt::Key_F9);
    EXPECT_EQ(form->Screen().KeyboardTeam, 2);
    QTest::keyClick(form.get(), Qt::Key_0);
    EXPECT_EQ(last()->Kind, Kind::DefensiveRebound);
    EXPECT_EQ(last()->Side, Side::AwayTeam);
    // Tab selects a player instead of moving the focus; Escape does not close the screen.
    QTest::keyClick(form.get(), Qt::Key_Tab);
    EXPECT_EQ(form->Screen().KeyboardTeam, 1);
    QTest::keyClick(form.get(), Qt::Key_Escape);
    EXPECT_TRUE(form->isVisible());
    // Shift makes a shot key a made shot.
    QTest::keyClick(form.get(), Qt::Key_T, Qt::ShiftModifier);
    EXPECT_EQ(last()->Kind, Kind::ShotMade);
}

// The operator lets go of Shift and the shot key in either order: both are a
// made shot, as is Shift pressed after the key; no Shift is a miss.
TEST_F(ScreenWindow, ShiftHeldWhileTheShotKeyIsDownMakesTheShot)
{
    open(QStringLiteral("INPUT_KEYBOARD"));
    QTest::keyClick(form.get(), Qt::Key_Tab);
    const struct
    {
        const char *order;
        std::function<void()> type;
        int kind;
    } orders[] = {
        {"Shift let go first",
         [&] {
             QTest::keyPress(form.get(), Qt::Key_Shift);
             QTest::keyPress(form.get(), Qt::Key_B, Qt::ShiftModifier);
             QTest::keyRelease(form.get(), Qt::Key_Shift, Qt::ShiftModifier);
             QTest::keyRelease(form.get(), Qt::Key_B);
         },
         Kind::ShotMade},
        {"the key let go first",
         [&] {
             QTest::keyPress(form.get(), Qt::Key_Shift);
             QTest::keyPress(form.get(), Qt::Key_B, Qt::ShiftModifier);
             QTest::keyRelease(form.get(), Qt::Key_B, Qt::ShiftModifier);
             QTest::keyRelease(form.get(), Qt::Key_Shift, Qt::ShiftModifier);
         },
         Kind::ShotMade},
        {"Shift pressed after the key",
         [&] {
             QTest::keyPress(form.get(), Qt::Key_B);
             QTest::keyPress(form.get(), Qt::Key_Shift);
             QTest::keyRelease(form.get(), Qt::Key_Shift, Qt::ShiftModifier);
             QTest::keyRelease(form.get(), Qt::Key_B);
         },
         Kind::ShotMade},
        {"no Shift",
         [&] {
             QTest::keyPress(form.get(), Qt::Key_B);
             QTest::keyRelease(form.get(), Qt::Key_B);
         },
         Kind::ShotMissed},
    };
    for (const auto &o : orders) {
        const int count = game.AllEvents.Count();
        o.type();
        ASSERT_EQ(game.AllEvents.Count(), count + 1) << o.order;
        EXPECT_EQ(last()->Kind, o.kind) << o.order;
        EXPECT_EQ(field(last(), QStringLiteral("tipus")), 3) << o.order;
        QTest::keyClick(form.get(), Qt::Key_Tab);
    }
}

TEST_F(ScreenWindow, KeypadDigitsRecordNothing)
{
    open(QStringLiteral("INPUT_KEYBOARD"));
    QTest::keyClick(form.get(), Qt::Key_F9);
    const int count = game.AllEvents.Count();
    for (const Qt::Key digit : {Qt::Key_0, Qt::Key_1, Qt::Key_2, Qt::Key_5, Qt::Key_9})
        QTest::keyClick(form.get(), digit, Qt::KeypadModifier);
    QTest::keyClick(form.get(), Qt::Key_Minus, Qt::KeypadModifier);
    EXPECT_EQ(game.AllEvents.Count(), count);
    // The same digit of the main row records.
    QTest::keyClick(form.get(), Qt::Key_1);
    EXPECT_EQ(last()->Kind, Kind::Steal);
}

TEST_F(ScreenWindow, HomePointerReportsArePostedToTheWindow)
{
    open();
    const QPoint row = centreOf("lblCsapat1JatekosNev_3");
    QCoreApplication::postEvent(form.get(), new TPointerEvent(row, TCourtScreen::ReportLeft));
    QCoreApplication::postEvent(form.get(), new TPointerEvent(row, 0));
    QCoreApplication::sendPostedEvents(form.get());
    ASSERT_NE(game.HomeTeam().ActivePlayer(), nullptr);
    EXPECT_EQ(game.HomeTeam().ActivePlayer()->JatekosMezSzam, 10);
}

TEST_F(ScreenWindow, AMissingPointerDeviceIsReportedInTheStatusArea)
{
    open();
    const QString status = form->Screen().ItemText(QStringLiteral("lblStatus"));
    EXPECT_TRUE(status.contains(QLatin1String("/dev/parquetix-no-such-port"))) << status.toStdString();
    settings.SetValue(QStringLiteral("COMPORT"), QStringLiteral("/dev/input/parquetix-no-such-event"));
    form.reset();
    open();
    EXPECT_TRUE(form->Screen()
                    .ItemText(QStringLiteral("lblStatus"))
                    .contains(QLatin1String("parquetix-no-such-event")));
    // Recording goes on with the system mouse.
    QTest::mouseClick(form.get(), Qt::LeftButton, {}, at(centreOf("lblCsapat2JatekosNev_1")));
    QTest::mouseClick(form.get(), Qt::LeftButton, {}, at(centreOf("imgLabdaszerzesAwayTeam")));
    EXPECT_EQ(last()->Kind, Kind::Steal);
}

namespace {

// A pointer device that opens and speaks only when told.
class QuietPointer : public TPointerSource
{
public:
    bool Open(QString *) override { return true; }
    void Close() override {}
    QString Device() const override { return QStringLiteral("/dev/ttyS7"); }
    void Move(int dx, int dy) { deliver(dx, dy, 0); }
};

} // namespace

TEST_F(ScreenWindow, APointerThatNeverSpeaksIsNamedInTheStatusArea)
{
    open(QStringLiteral("INPUT_KEYBOARD"));
    auto source = std::make_unique<QuietPointer>();
    QuietPointer *pointer = source.get();
    ASSERT_TRUE(form->AttachPointer(std::move(source)));
    TCourtScreen &screen = form->Screen();
    const auto silent = [&] {
        return screen.ItemText(QStringLiteral("lblStatus")).contains(QLatin1String("/dev/ttyS7"));
    };
    EXPECT_TRUE(screen.PointerSilenceTimer().isActive());
    EXPECT_TRUE(screen.PointerSilenceTimer().isSingleShot());
    EXPECT_EQ(screen.PointerSilenceTimer().interval(), TCourtScreen::PointerSilenceSeconds * 1000);
    EXPECT_FALSE(silent());
    // The timer runs out with no report: the status names the device, beside
    // what it already said.
    screen.AddStatus(QStringLiteral("Not saved: disk full"));
    screen.PointerSilenceCheck();
    EXPECT_TRUE(silent());
    EXPECT_TRUE(screen.ItemText(QStringLiteral("lblStatus")).contains(QLatin1String("disk full")));
    // The first report takes the complaint back and leaves the rest.
    pointer->Move(3, 4);
    QCoreApplication::sendPostedEvents(form.get());
    EXPECT_FALSE(silent());
    EXPECT_EQ(screen.ItemText(QStringLiteral("lblStatus")), QStringLiteral("Not saved: disk full"));
    // A device heard from before the timer runs out is never named.
    screen.PointerSilenceCheck();
    EXPECT_FALSE(silent());
}

TEST_F(ScreenWindow, PaintsTheLibraryScaledAndPlaceholdersForMissingPictures)
{
    open();
    form->resize(1376, 1000);
    const QImage shot = form->grab().toImage();
    ASSERT_EQ(shot.size(), QSize(1376, 1000));
    // The width decides the scale (1.376 < 1000 / 688): bands of 27 pixels lie above and below.
    const double s = 1376.0 / 1000.0;
    const int top = int((1000 - 688 * s) / 2);
    EXPECT_EQ(QColor(shot.pixel(5, top + 5)), QColor(200, 0, 0));
    EXPECT_NE(QColor(shot.pixel(5, top / 2)), QColor(200, 0, 0));
    EXPECT_TRUE(form->Pictures().Missing().contains(QStringLiteral("GOMB1")));
    EXPECT_FALSE(form->Pictures().Missing().contains(QStringLiteral("SCREEN")));
    // The missing button is drawn as a plain rectangle, not left out.
    const QPoint button = form->WindowPoint(centreOf("imgVedoCsapat2")).toPoint();
    EXPECT_NE(QColor(shot.pixel(button)), QColor(200, 0, 0));
}
