#include "TCourtScreenInput.h"

#include "IScreenHost.h"
#include "TCourtFrame.h"
#include "TScreenLayout.h"
#include "desktop/court/input/ScreenCodes.h"
#include "model/events/EventKinds.h"
#include "model/game/TGame.h"

#include <algorithm>
#include <random>

namespace {

bool within(QPoint p, int left, int right, int top, int bottom)
{
    return p.x() >= left && p.x() <= right && p.y() >= top && p.y() <= bottom;
}

// Away buttons with their own press handler: the events of the left, right
// and middle buttons.
struct AwayButton
{
    const char *name;
    QList<int> left, right, middle;
};

const AwayButton AwayButtons[] = {
    {"imgVedoCsapat2", {Kind::DefensiveRebound}, {}, {}},
    {"imgLabdaszerzesAwayTeam", {Kind::Steal}, {}, {}},
    {"imgKiharcCsapat2", {Kind::FoulDrawn}, {Kind::FoulDrawn, Kind::Steal}, {}},
    {"imgGolpCsapat2", {Kind::Assist}, {}, {}},
    {"imgHibaCsapat2", {Kind::BlockReceived}, {}, {}},
    {"imgTamCsapat2", {Kind::OffensiveRebound}, {}, {}},
    {"imgLabdaeladasAwayTeam", {Kind::Turnover}, {}, {}},
    {"imgFoultCsapat2", {Kind::PersonalFoul}, {Kind::PersonalFoul, Kind::Turnover}, {Kind::PersonalFoul}},
    {"imgBlokkCsapat2", {Kind::Block}, {}, {}},
    {"imgTechnikaiHibaCsapat2", {Kind::TechnicalFoul}, {}, {}},
    {"imgIndirectLabdaszerzesCsapat2", {Kind::IndirectSteal}, {}, {}},
};

} // namespace

TCourtScreenInput::TCourtScreenInput(TCourtScreen &screen, TGame &game) : m_screen(screen), m_game(game) {}

void TCourtScreenInput::Open()
{
    m_random.seed(std::random_device{}());
    for (int side = 1; side <= 2; ++side) {
        QList<int> jerseys;
        for (const TPlayerList *list : {&m_game.Team(side).OnCourt, &m_game.Team(side).Bench})
            for (int i = 0; i < list->Count(); ++i)
                jerseys.append(list->At(i)->JatekosMezSzam);
        m_hotkeySlots[size_t(side - 1)] = TKeyboardMap::HotkeySlots(jerseys);
    }
}

void TCourtScreenInput::exit()
{
    m_screen.Exit();
}

void TCourtScreenInput::BuildPanelHotRegions()
{
    const TTeam &home = m_game.Team(1);
    const int onCourtRows = std::max<int>(TTeam::TrackedPositions, home.OnCourt.Count());
    for (int row = 1; row <= std::min(onCourtRows, 3); ++row) {
        const QString name = TScreenLayout::RowLabel(1, QStringLiteral("JatekosNev"), row);
        const QRect r = m_screen.Items().Get(name).Rect;
        m_hotRegions.AddPanelLabel(16, r.left() + 266, r.top(), r.top() + r.height(), name);
    }
    for (int row = 6; row <= 15; ++row) {
        const QString name = TScreenLayout::RowLabel(1, QStringLiteral("JatekosNev"), row);
        const QRect r = m_screen.Items().Get(name).Rect;
        m_hotRegions.AddPanelLabel(15, r.left() + 208, r.top(), r.top() + r.height(), name);
    }
    const QString teamRow = TScreenLayout::TeamRowLabel(1, QStringLiteral("P"));
    const QRect r = m_screen.Items().Get(teamRow).Rect;
    m_hotRegions.AddPanelLabel(135, 340, r.top(), r.top() + r.height(), teamRow);
}

// ---------------------------------------------------------------- home pointer

void TCourtScreenInput::HomePointerReport(QPoint p, int buttons)
{
    TScreenItem &pointer = m_screen.Items().Get(QStringLiteral("imgMouseCursor1"));
    pointer.Rect.moveTopLeft(p);
    m_screen.Touch();
    if (m_screen.KeyHelpShown() && buttons != 0) {
        m_screen.HideKeyHelp();
        m_swallowHomeRelease = true;
        return;
    }
    if (m_swallowHomeRelease) {
        m_swallowHomeRelease = buttons != 0;
        return;
    }
    if (buttons == 0) {
        int pending = -1;
        for (int b = 0; b < 3 && pending < 0; ++b)
            if (m_pendingButtons[size_t(b)])
                pending = b;
        m_pendingButtons = {false, false, false};
        if (pending >= 0) {
            if (m_screen.Host())
                m_screen.Host()->PaintNow();
            HomeRelease(p, TCourtScreen::Button(pending));
        }
    }
    if (buttons & TCourtScreen::ReportLeft)
        m_pendingButtons[TCourtScreen::LeftButton] = true;
    if (buttons & TCourtScreen::ReportRight)
        m_pendingButtons[TCourtScreen::RightButton] = true;
    if (buttons & TCourtScreen::ReportMiddle)
        m_pendingButtons[TCourtScreen::MiddleButton] = true;
    updateZoneLabel(1, p);
}

void TCourtScreenInput::runHomeAction(int number, int code)
{
    TTeam &home = m_game.Team(1);
    switch (number) {
    case HotRegionNumber::ClockStep:
        if (!m_screen.ItemVisible(QStringLiteral("imgFelidoVegeCsapat12")))
            m_screen.Record(1, Kind::ClockStep);
        else
            m_screen.AskEndOfPeriod(1);
        return;
    case HotRegionNumber::CompleteMinute:
        if (!m_screen.ItemVisible(QStringLiteral("imgFelidoVegeCsapat11")))
            m_game.CompleteMinute();
        else
            m_screen.AskEndOfPeriod(1);
        return;
    case HotRegionNumber::HistoryPageUp:
    case HotRegionNumber::HistoryPageDown:
    case HotRegionNumber::HistoryLineUp:
    case HotRegionNumber::HistoryLineDown:
        m_screen.Record(1, code);
        return;
    case HotRegionNumber::DeleteEvent:
        m_screen.DeleteSelectedEvent(1);
        return;
    case HotRegionNumber::Timeout:
        // Timeouts work between periods, as on the away side.
        m_screen.Record(1, Kind::Timeout, m_game.Period);
        return;
    case HotRegionNumber::DefenseMode:
        if (!m_screen.RefusedBetweenPeriods())
            m_screen.Record(1, Kind::DefenseMode, home.DefenseModeIndex);
        return;
    }
    switch (code) {
    case ScreenCode::Save:
        m_screen.Save();
        return;
    case ScreenCode::VariableColumn:
        home.CycleVariableColumn();
        home.KepernyoMezokFeltoltese(m_screen);
        return;
    case ScreenCode::TurnCourt:
        m_screen.SetCourtOrientation(!m_screen.CourtHorizontal);
        return;
    case ScreenCode::Exit:
        exit();
        return;
    case ScreenCode::ReportMenu:
        m_screen.OpenReportMenu();
        return;
    case ScreenCode::HistoryPlayerFilter:
        m_screen.TogglePlayerFilter(1);
        return;
    case ScreenCode::HistoryEventFilter:
        m_screen.ToggleEventFilter(1);
        return;
    case ScreenCode::HistoryGoTo:
        m_screen.GoToHistoryLine(1);
        return;
    }
    if (!m_screen.RefusedBetweenPeriods())
        m_screen.Record(1, code);
}

void TCourtScreenInput::HomeRelease(QPoint p, TCourtScreen::Button button)
{
    const QList<int> records = m_hotRegions.RecordsAt(p.x(), p.y());
    if (button == TCourtScreen::LeftButton) {
        for (int n : records) {
            const THotRegion &r = m_hotRegions.At(n);
            if (r.Type == THotRegion::LabelClick)
                m_screen.RowClick(r.Name, TCourtScreen::LeftButton);
            else
                runHomeAction(n, r.Code);
        }
        m_screen.ShotOnCourt(1, true, p);
        if (within(p, 375, 418, 476, 485))
            m_screen.FreeThrow(1, true);
        if (within(p, 422, 446, 474, 487) && !m_screen.Locked())
            m_game.Team(1).SwitchFastBreak();
        if (within(p, 447, 479, 474, 487) && !m_screen.Locked())
            m_game.Team(1).SwitchSecondChance();
        if (within(p, 381, 402, 500, 522))
            m_game.Team(1).CycleDefenseMode(1);
        if (within(p, 309, 331, 500, 522))
            m_game.Team(1).CycleDefenseMode(-1);
    } else if (button == TCourtScreen::RightButton) {
        for (int n : records) {
            const THotRegion &r = m_hotRegions.At(n);
            if (r.Type != THotRegion::Action || m_screen.RefusedBetweenPeriods())
                continue;
            if (r.Code == Kind::FoulDrawn) {
                m_screen.Record(1, Kind::FoulDrawn);
                m_screen.Record(1, Kind::Steal);
            } else if (r.Code == Kind::PersonalFoul) {
                m_screen.Record(1, Kind::PersonalFoul);
                m_screen.Record(1, Kind::Turnover);
            }
        }
        m_screen.ShotOnCourt(1, false, p);
        if (within(p, 375, 418, 476, 485))
            m_screen.FreeThrow(1, false);
        if (within(p, 214, 256, 150, 163))
            m_screen.DeleteLastEvent(1);
        for (int n : records) {
            const THotRegion &r = m_hotRegions.At(n);
            if (r.Type == THotRegion::LabelClick)
                m_screen.RowClick(r.Name, TCourtScreen::RightButton);
        }
    } else {
        m_screen.MiddleShot(1, p);
    }
    m_screen.Touch();
}

// ---------------------------------------------------------------- system mouse

void TCourtScreenInput::SystemMousePress(QPoint p, TCourtScreen::Button button)
{
    if (m_screen.KeyHelpShown()) {
        m_screen.HideKeyHelp();
        m_swallowSystemRelease = true;
        return;
    }
    const TScreenItem *item = m_screen.Items().ClickableAt(p);
    m_pressedItem = item ? item->Name : QString();
    if (item)
        pressAwayComponent(*item, button);
    awayPositionPress(p, button);
    if (m_game.Settings().UseSystemMouse())
        HomeRelease(p, button);
    m_screen.Touch();
}

void TCourtScreenInput::SystemMouseRelease(QPoint p, TCourtScreen::Button button)
{
    if (m_swallowSystemRelease) {
        m_swallowSystemRelease = false;
        m_pressedItem.clear();
        return;
    }
    const TScreenItem *item = m_screen.Items().ClickableAt(p);
    const QString pressed = m_pressedItem;
    m_pressedItem.clear();
    if (button == TCourtScreen::LeftButton && item && item->Name == pressed)
        clickComponent(item->Name);
}

void TCourtScreenInput::SystemMouseMove(QPoint p)
{
    // A system mouse that records for both teams names the zone for the team
    // whose half it is over; one label at a time.
    if (m_game.Settings().UseSystemMouse()) {
        const int side = TCourtFrame::InOwnHalf(m_screen.CourtHorizontal, 1, p) ? 1 : 2;
        updateZoneLabel(side, p);
        m_screen.SetItemText(zoneLabelName(side == 1 ? 2 : 1), QString());
        return;
    }
    updateZoneLabel(2, p);
}

QString TCourtScreenInput::zoneLabelName(int side)
{
    return side == 1 ? QStringLiteral("lblPontErtekHomeTeam") : QStringLiteral("lblPontErtekAwayTeam");
}

// The label stands beside the pointer, on the side where the court has room,
// and says nothing while a click would record nothing.
void TCourtScreenInput::updateZoneLabel(int side, QPoint p)
{
    const QString name = zoneLabelName(side);
    QString text;
    if (!m_screen.Locked() && m_game.AcceptsEvent(Kind::ShotMade) &&
        TCourtFrame::OnCourt(m_screen.CourtHorizontal, p)) {
        const QString zone = TZoneMask::ZoneName(m_screen.ZoneMask().ZoneAt(m_screen.CourtHorizontal, p));
        if (!zone.isEmpty())
            text = m_game.Translate(zone);
    }
    TScreenItem &label = m_screen.Items().Get(name);
    if (!text.isEmpty()) {
        const QRect court = m_screen.Items().Get(QStringLiteral("imgCourtVertical")).Rect;
        constexpr int Gap = 14;
        const int width = label.Rect.width();
        const int height = label.Rect.height();
        const bool room = p.x() + Gap + width <= court.right();
        const int left = room ? p.x() + Gap : p.x() - Gap - width;
        const int top = std::clamp(p.y() - height / 2, court.top(), court.bottom() - height);
        label.Rect.moveTopLeft(QPoint(left, top));
        label.Alignment = room ? TScreenItem::AlignLeft : TScreenItem::AlignRight;
    }
    if (label.Text != text)
        m_screen.SetItemText(name, text);
    else
        m_screen.Touch();
}

void TCourtScreenInput::pressAwayComponent(const TScreenItem &item, TCourtScreen::Button button)
{
    const QString &name = item.Name;
    for (const AwayButton &b : AwayButtons) {
        if (name != QLatin1String(b.name))
            continue;
        if (m_screen.RefusedBetweenPeriods())
            return;
        const QList<int> &kinds = button == TCourtScreen::LeftButton    ? b.left
                                  : button == TCourtScreen::RightButton ? b.right
                                                                        : b.middle;
        for (int kind : kinds)
            m_screen.Record(2, kind);
        return;
    }
    if (name == QLatin1String("imgIdokeresAwayTeam")) {
        m_screen.Record(2, Kind::Timeout, m_game.Period);
    } else if (name == QLatin1String("imgAwayAddTime")) {
        m_screen.Record(2, Kind::ClockStep);
    } else if (name == QLatin1String("imgIdoCsapat2")) {
        m_game.CompleteMinute();
    } else if (name == QLatin1String("imgFelidoVegeCsapat21") ||
               name == QLatin1String("imgFelidoVegeCsapat22")) {
        m_screen.AskEndOfPeriod(2);
    } else if (name.startsWith(QLatin1String("lblCsapat2")) ||
               name.startsWith(QLatin1String("lblHistoryViewCsapat2"))) {
        m_screen.RowClick(name, button);
    }
}

void TCourtScreenInput::clickComponent(const QString &name)
{
    if (name == QLatin1String("imgSaveAwayTeam")) {
        m_screen.Save();
    } else if (name == QLatin1String("imgAwayTeamExit")) {
        exit();
    } else if (name.startsWith(QLatin1String("lblFlagCountCsapat"))) {
        m_screen.NextFlag(name.endsWith(QLatin1Char('1')) ? 1 : 2);
    } else if (name == QLatin1String("lblFastBreak2")) {
        m_game.Team(2).SwitchFastBreak();
    } else if (name == QLatin1String("lbl2ndChance2")) {
        m_game.Team(2).SwitchSecondChance();
    } else if (name.startsWith(QLatin1String("lblVariableAwayTeam"))) {
        m_game.Team(2).CycleVariableColumn();
        m_game.Team(2).KepernyoMezokFeltoltese(m_screen);
    } else if (name == QLatin1String("imgPrint")) {
        // With the system mouse recording for the home team the press has
        // already opened the menu through the print button's hot region.
        if (!m_game.Settings().UseSystemMouse())
            m_screen.OpenReportMenu();
    } else if (name.startsWith(QLatin1String("imgHomeTeamFoul")) ||
               name.startsWith(QLatin1String("imgAwayTeamFoul"))) {
        m_screen.OpenReportMenu();
    } else if (name == QLatin1String("imgPrintAll")) {
        m_screen.PrintAllReports();
    } else if (name == QLatin1String("lblPackets")) {
        m_screen.RestartSending();
    }
    m_screen.Touch();
}

void TCourtScreenInput::awayPositionPress(QPoint p, TCourtScreen::Button button)
{
    if (button == TCourtScreen::LeftButton) {
        if (within(p, 966, 980, 454, 467))
            m_screen.Record(2, Kind::HistoryPageUp);
        else if (within(p, 966, 980, 469, 482))
            m_screen.Record(2, Kind::HistoryLineUp);
        else if (within(p, 966, 980, 586, 599))
            m_screen.Record(2, Kind::HistoryLineDown);
        else if (within(p, 966, 980, 601, 614))
            m_screen.Record(2, Kind::HistoryPageDown);
        // An additional type row: its bullet, the gap and its caption.
        for (int i = 1; i <= 6; ++i) {
            const QString name = QStringLiteral("lblAwayTeamAdditionalType%1").arg(i);
            const QRect caption = m_screen.Items().Get(name).Rect;
            const QRect bullet =
                m_screen.Items().Get(QStringLiteral("imgAwayTeamAdditionalType%1").arg(i)).Rect;
            if (within(p, bullet.left(), caption.right(), caption.top(), caption.bottom()))
                m_screen.RowClick(name, TCourtScreen::LeftButton);
        }
        if (within(p, 720, 796, 601, 614))
            m_screen.TogglePlayerFilter(2);
        else if (within(p, 798, 872, 601, 614))
            m_screen.ToggleEventFilter(2);
        else if (within(p, 874, 912, 601, 614))
            m_screen.GoToHistoryLine(2);
        else if (within(p, 914, 964, 601, 614))
            m_screen.DeleteSelectedEvent(2);
        if (within(p, 492, 502, 88, 102) || within(p, 685, 695, 278, 292))
            m_screen.SetCourtOrientation(!m_screen.CourtHorizontal);
        m_screen.ShotOnCourt(2, true, p);
        if (within(p, 578, 621, 82, 91))
            m_screen.FreeThrow(2, true);
        if (within(p, 671, 693, 500, 522))
            m_game.Team(2).CycleDefenseMode(1);
        if (within(p, 600, 622, 500, 522))
            m_game.Team(2).CycleDefenseMode(-1);
        if (within(p, 625, 668, 500, 522) && !m_screen.Locked())
            m_screen.Record(2, Kind::DefenseMode, m_game.Team(2).DefenseModeIndex);
    } else if (button == TCourtScreen::RightButton) {
        if (within(p, 914, 964, 601, 614))
            m_screen.DeleteLastEvent(2);
        m_screen.ShotOnCourt(2, false, p);
        if (within(p, 578, 621, 82, 91))
            m_screen.FreeThrow(2, false);
    } else {
        m_screen.MiddleShot(2, p);
    }
}
