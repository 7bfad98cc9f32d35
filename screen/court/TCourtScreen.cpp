#include "TCourtScreen.h"

#include "IScreenHost.h"
#include "TCourtFrame.h"
#include "TScreenLayout.h"
#include "model/EventKinds.h"
#include "model/TGame.h"

#include <QMutexLocker>

namespace {

const QString EndOfPeriodQuestion = QStringLiteral("A negyednek tényleg vége?");
const QString UnsentQuestion =
    QStringLiteral("Az mérkozes esemenyeinek elkuldese meg nem fejezodott be. Bezarja a alkalmazast?!");

bool within(QPoint p, int left, int right, int top, int bottom)
{
    return p.x() >= left && p.x() <= right && p.y() >= top && p.y() <= bottom;
}

QString markerName(int side, bool made)
{
    return (made ? QStringLiteral("imgSikeresDobasCsapat%1") : QStringLiteral("imgSikertelenDobasCsapat%1"))
        .arg(side);
}

// The number after the "_" of a panel label name; 0 when there is none.
int rowOfName(const QString &name)
{
    const qsizetype at = name.lastIndexOf(QLatin1Char('_'));
    return at < 0 ? 0 : name.mid(at + 1).toInt();
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

TCourtScreen::TCourtScreen(TGame &game, QObject *parent)
    : QObject(parent), m_game(game),
      m_homeHistory(1, m_items, [&game](const QString &t) { return game.Translate(t); }),
      m_awayHistory(2, m_items, [&game](const QString &t) { return game.Translate(t); })
{
    TScreenLayout::Build(m_items);
    m_activeAITimer.setSingleShot(true);
    connect(&m_activeAITimer, &QTimer::timeout, this, &TCourtScreen::ClearActiveAI);
    connect(&m_autoSaveTimer, &QTimer::timeout, this, &TCourtScreen::AutoSave);
}

TCourtScreen::~TCourtScreen() = default;

TTeam &TCourtScreen::team(int side)
{
    return m_game.Team(side);
}

QString TCourtScreen::tr(const QString &text) const
{
    return m_game.Translate(text, QStringLiteral("FORM"));
}

bool TCourtScreen::HomePointerShown() const
{
    const TScreenItem *pointer = m_items.Find(QStringLiteral("imgMouseCursor1"));
    return pointer && pointer->Visible;
}

// ---------------------------------------------------------------- creation and closing

void TCourtScreen::Open()
{
    if (m_opened)
        return;
    m_opened = true;
    const TSettings &settings = m_game.Settings();

    m_random.seed(std::random_device{}());
    ClearActiveAI();
    LockOverride = false;
    AutoSaving = false;
    m_activated = false;
    EventsLocked = false;
    KeyboardTeam = 0;
    translateCaptions();

    for (int side = 1; side <= 2; ++side)
        SetItemText(QStringLiteral("lblCsapatNev%1").arg(side), team(side).Data.EgyesuletNev);

    m_items.Get(QStringLiteral("imgMouseCursor1")).Visible =
        settings.Input() == QLatin1String("INPUT_SERIALMOUSE");
    m_items.Get(QStringLiteral("imgMouseCursor1")).Rect.moveTopLeft(QPoint(500, 300));

    m_activeAITimer.setInterval(settings.LightSignalTimeout() * 1000);
    if (settings.AutoSave()) {
        m_autoSaveTimer.setInterval(settings.AutoSavePerc() * 60000);
        m_autoSaveTimer.start();
    }

    // A game that is already under way has announced itself.
    if (m_game.Clock <= 1)
        m_game.HeaderSent = false;
    for (int side = 1; side <= 2; ++side) {
        QList<int> jerseys;
        for (const TPlayerList *list : {&team(side).OnCourt, &team(side).Bench})
            for (int i = 0; i < list->Count(); ++i)
                jerseys.append(list->At(i)->JatekosMezSzam);
        m_hotkeySlots[size_t(side - 1)] = TKeyboardMap::HotkeySlots(jerseys);
    }
    SubstitutionMode = false;
    SetItemText(QStringLiteral("lblPontErtekHomeTeam"), QString());
    SetItemText(QStringLiteral("lblPontErtekAwayTeam"), QString());

    for (int i = 1; i <= 3; ++i) {
        SetItemColor(QStringLiteral("lblPassiveAI%1").arg(i), 0xfffffbf1);
        SetItemVisible(QStringLiteral("lblPassiveAI%1").arg(i), settings.PassiveAIVisible(i));
    }

    m_game.UpdatePassiveLabels();
    SetCourtOrientation(false);
    m_game.WriteDumps();
    buildPanelHotRegions();
    for (int side = 1; side <= 2; ++side) {
        team(side).KepernyoMezokFeltoltese(*this);
        team(side).HideAdditionalTypes();
        History(side).Redraw();
        // The panel refresh writes plain numbers; the screen opens with two digits.
        SetItemText(QStringLiteral("lblCsapatEredmeny%1").arg(side),
                    QStringLiteral("%1").arg(team(side).Data.Totals.Points, 2, 10, QLatin1Char('0')));
    }
    touch();
}

void TCourtScreen::translateCaptions()
{
    for (TScreenItem *item : m_items.PaintOrder()) {
        if (item->Kind != TScreenItem::Label || item->Text.isEmpty())
            continue;
        // Only the fixed captions carry text before the game fills the screen.
        if (item->Name.startsWith(QLatin1String("lblCsapatEredmeny")))
            continue;
        item->Text = tr(item->Text);
    }
}

void TCourtScreen::buildPanelHotRegions()
{
    const TTeam &home = team(1);
    const int onCourtRows = std::max<int>(TTeam::TrackedPositions, home.OnCourt.Count());
    for (int row = 1; row <= std::min(onCourtRows, 3); ++row) {
        const QString name = TScreenLayout::RowLabel(1, QStringLiteral("JatekosNev"), row);
        const QRect r = m_items.Get(name).Rect;
        m_hotRegions.AddPanelLabel(16, r.left() + 266, r.top(), r.top() + r.height(), name);
    }
    for (int row = 6; row <= 15; ++row) {
        const QString name = TScreenLayout::RowLabel(1, QStringLiteral("JatekosNev"), row);
        const QRect r = m_items.Get(name).Rect;
        m_hotRegions.AddPanelLabel(15, r.left() + 208, r.top(), r.top() + r.height(), name);
    }
    const QString teamRow = TScreenLayout::TeamRowLabel(1, QStringLiteral("P"));
    const QRect r = m_items.Get(teamRow).Rect;
    m_hotRegions.AddPanelLabel(135, 340, r.top(), r.top() + r.height(), teamRow);
}

void TCourtScreen::Activate()
{
    if (m_activated)
        return;
    m_activated = true;
    if (m_game.Online)
        m_game.QueueForResend(m_game.ScreenOpenedNotice());
    m_game.UpdateClockDisplay();
    if (m_game.Period > 0)
        m_game.ShowPeriodPicture();
    if (ItemVisible(QStringLiteral("lblEsemenyTiltas")))
        m_game.ShowClockButtons(true);
    touch();
}

bool TCourtScreen::ConfirmClose()
{
    if (!m_game.Online)
        return true;
    bool unsent = false;
    {
        QMutexLocker lock(&m_game.QueueLock);
        unsent = !m_game.OutgoingQueue.IsEmpty();
    }
    if (!unsent)
        return true;
    return m_game.Prompter().ConfirmInformation(m_game.Translate(UnsentQuestion, QStringLiteral("MESSAGES")));
}

void TCourtScreen::Shutdown()
{
    m_activeAITimer.stop();
    m_autoSaveTimer.stop();
    m_game.SaveGame();
    if (m_game.Settings().DeleteDataDump() && m_game.Store())
        m_game.Store()->DeleteDumps(m_game);
}

// ---------------------------------------------------------------- IScreenLink

void TCourtScreen::SetItemText(const QString &name, const QString &text)
{
    m_items.Get(name).Text = text;
    touch();
}

QString TCourtScreen::ItemText(const QString &name) const
{
    const TScreenItem *item = m_items.Find(name);
    return item ? item->Text : QString();
}

void TCourtScreen::SetItemVisible(const QString &name, bool visible)
{
    m_items.Get(name).Visible = visible;
    touch();
}

bool TCourtScreen::ItemVisible(const QString &name) const
{
    const TScreenItem *item = m_items.Find(name);
    return item && item->Visible;
}

void TCourtScreen::SetItemColor(const QString &name, TColor color)
{
    m_items.Get(name).Color = color;
    touch();
}

void TCourtScreen::SetItemBold(const QString &name, bool bold)
{
    m_items.Get(name).Bold = bold;
    touch();
}

void TCourtScreen::SetItemTag(const QString &name, int tag)
{
    m_items.Get(name).Tag = tag;
}

int TCourtScreen::ItemTag(const QString &name) const
{
    const TScreenItem *item = m_items.Find(name);
    return item ? item->Tag : 0;
}

void TCourtScreen::AddHistoryLine(int side, TGameEvent *event)
{
    if (!event || (side != 1 && side != 2))
        return;
    History(side).AddLine(event->Text, *event);
    touch();
}

void TCourtScreen::HistoryCommand(int side, int kind)
{
    if (side != 1 && side != 2)
        return;
    TScreenHistory &history = History(side);
    switch (kind) {
    case Kind::HistoryLineUp:
        history.LineUp();
        break;
    case Kind::HistoryLineDown:
        history.LineDown();
        break;
    case Kind::HistoryPageUp:
        history.PageUp();
        break;
    case Kind::HistoryPageDown:
        history.PageDown();
        break;
    default:
        return; // deleting an entry belongs to the history correction
    }
    touch();
}

void TCourtScreen::LightActiveAI(int code, int side)
{
    ClearActiveAI();
    const int other = side == 1 ? 2 : 1;
    auto show = [this](const char *frame, int s) {
        SetItemVisible(QString::fromLatin1(frame) + QString::number(s), true);
    };
    switch (code) {
    case 1:
        show("shActiveAIVedoCsapat", other);
        show("shActiveAITamadoCsapat", side);
        break;
    case 21:
        show("shActiveAIEladottCsapat", other);
        break;
    case 22:
        show("shActiveAISzerzettCsapat", other);
        break;
    case 31:
        show("shActiveAIFoulCsapat", other);
        break;
    case 32:
        show("shActiveAIKiharcoltCsapat", other);
        break;
    case 41:
        show("shActiveAIHibaCsapat", other);
        break;
    case 42:
        show("shActiveAIBlokkCsapat", other);
        break;
    default:
        return;
    }
    m_activeAITimer.start();
}

void TCourtScreen::ClearActiveAI()
{
    m_activeAITimer.stop();
    for (TScreenItem *item : m_items.PaintOrder())
        if (item->Name.contains(QLatin1String("shActiveAI")))
            item->Visible = false;
    touch();
}

void TCourtScreen::SetEventsLocked(bool lock)
{
    EventsLocked = lock;
    SetItemVisible(QStringLiteral("lblEsemenyTiltas"), lock);
}

// ---------------------------------------------------------------- shared operations

void TCourtScreen::record(int side, int kind, int detail, int x, int y)
{
    team(side).RecordEvent(side, kind, detail, x, y);
}

void TCourtScreen::ShowStatus(const QString &text)
{
    SetItemText(QStringLiteral("lblStatus"), text);
}

void TCourtScreen::SetCourtOrientation(bool horizontal)
{
    for (int side = 1; side <= 2; ++side) {
        hideMarker(side, true);
        hideMarker(side, false);
    }
    CourtHorizontal = horizontal;
    SetItemVisible(QStringLiteral("imgCourtHorizontal"), horizontal);
    SetItemVisible(QStringLiteral("imgCourtVertical"), !horizontal);
    TScreenItem &home = m_items.Get(QStringLiteral("lblPontErtekHomeTeam"));
    TScreenItem &away = m_items.Get(QStringLiteral("lblPontErtekAwayTeam"));
    if (horizontal) {
        home.Rect.moveTopLeft(QPoint(440, 390));
        home.Alignment = TScreenItem::AlignRight;
        away.Rect.moveTopLeft(QPoint(505, 172));
        away.Alignment = TScreenItem::AlignLeft;
    } else {
        home.Rect.moveTopLeft(QPoint(384, 290));
        home.Alignment = TScreenItem::AlignLeft;
        away.Rect.moveTopLeft(QPoint(559, 270));
        away.Alignment = TScreenItem::AlignRight;
    }
    touch();
}

void TCourtScreen::hideMarker(int side, bool made)
{
    SetItemVisible(markerName(side, made), false);
}

void TCourtScreen::placeMarker(int side, bool made, QPoint p)
{
    const QPoint c = TCourtFrame::ClampMarker(CourtHorizontal, p);
    const QString name = markerName(side, made);
    TScreenItem &marker = m_items.Get(name);
    const int half = made ? 4 : 5;
    marker.Rect = QRect(c.x() - half, c.y() - half, made ? 8 : 10, made ? 8 : 10);
    marker.Visible = true;
    m_items.BringToFront(name);
    touch();
}

void TCourtScreen::ShotOnCourt(int side, bool made, QPoint p)
{
    SetItemVisible(QStringLiteral("lblHazaiCsapatJatekos"), false);
    if (!TCourtFrame::InOwnHalf(CourtHorizontal, side, p) || locked())
        return;
    if (!team(side).ActivePlayer()) {
        hideMarker(side, made);
        return;
    }
    recordShotAt(side, made, p);
}

// Steps shared by every shot with a selected player: the marker, a put-back
// rebound first when Ctrl is held, and the shot of the zone under the point.
void TCourtScreen::recordShotAt(int side, bool made, QPoint p)
{
    placeMarker(side, made, p);
    if (PutBackPending)
        record(side, Kind::OffensiveRebound);
    const QPoint court = TCourtFrame::CourtPoint(CourtHorizontal, p);
    const TZoneMask::Zone zone = m_mask.ZoneAt(CourtHorizontal, p);
    if (zone != TZoneMask::NoZone)
        record(side, made ? Kind::ShotMade : Kind::ShotMissed, TZoneMask::ShotKindOf(zone), court.x(),
               court.y());
}

void TCourtScreen::middleShot(int side, QPoint p)
{
    if (TCourtFrame::InOwnHalf(CourtHorizontal, side, p) && !locked() && team(side).ActivePlayer()) {
        recordShotAt(side, true, p);
        record(side, Kind::Steal);
    } else if (!team(side).ActivePlayer()) {
        hideMarker(side, true);
    }
}

void TCourtScreen::freeThrow(int side, bool made)
{
    if (!team(side).ActivePlayer() || locked())
        return;
    record(side, made ? Kind::ShotMade : Kind::ShotMissed, ShotKind::FreeThrow, 0, 0);
}

void TCourtScreen::askEndOfPeriod(int side)
{
    if (m_game.Prompter().Confirm(m_game.Translate(EndOfPeriodQuestion, QStringLiteral("MESSAGES"))))
        record(side, Kind::PeriodEnd, side == 2 ? 2 : 0);
}

void TCourtScreen::save()
{
    if (AutoSaving)
        return;
    m_game.SaveGame();
}

void TCourtScreen::AutoSave()
{
    if (AutoSaving)
        return;
    AutoSaving = true;
    m_items.Get(QStringLiteral("imgSaveHomeTeam")).Enabled = false;
    m_items.Get(QStringLiteral("imgSaveAwayTeam")).Enabled = false;
    touch();
    m_game.SaveGame();
    m_items.Get(QStringLiteral("imgSaveHomeTeam")).Enabled = true;
    m_items.Get(QStringLiteral("imgSaveAwayTeam")).Enabled = true;
    AutoSaving = false;
    touch();
}

// ---------------------------------------------------------------- panels

void TCourtScreen::ClearHighlight(int side)
{
    for (int row = 1; row <= 3; ++row) {
        for (const QString &column : TScreenLayout::RowColumns()) {
            TScreenItem &l = m_items.Get(TScreenLayout::RowLabel(side, column, row));
            l.Color = Black;
            l.Bold = false;
        }
    }
    for (const QString &column : TScreenLayout::TeamRowColumns())
        m_items.Get(TScreenLayout::TeamRowLabel(side, column)).Color = Black;
    touch();
}

void TCourtScreen::highlightRow(int side, int row)
{
    for (const QString &column : TScreenLayout::RowColumns()) {
        TScreenItem &l = m_items.Get(TScreenLayout::RowLabel(side, column, row));
        l.Color = Orange;
        l.Bold = column == QLatin1String("MezSzam") || column == QLatin1String("JatekosNev");
    }
    touch();
}

void TCourtScreen::highlightTeamRow(int side)
{
    for (const QString &column : TScreenLayout::TeamRowColumns())
        m_items.Get(TScreenLayout::TeamRowLabel(side, column)).Color = Orange;
    touch();
}

void TCourtScreen::dropSelection(int side)
{
    team(side).ClearSelection();
    team(side).TeamEventMode = false;
}

void TCourtScreen::RowClick(const QString &name, Button button)
{
    if (name.contains(QLatin1String("lblHomeTeamAdditionalType")) ||
        name.contains(QLatin1String("AwayTeamAdditionalType"))) {
        const int side = name.contains(QLatin1String("Home")) ? 1 : 2;
        const int kind = ItemTag(name);
        if (kind > 0) {
            team(side).SetEventType(kind);
            team(side).HideAdditionalTypes();
        }
        return;
    }
    if (name.contains(QLatin1String("Csapat1Csapat")) || name.contains(QLatin1String("Csapat2Csapat"))) {
        const int side = name.contains(QLatin1String("Csapat1Csapat")) ? 1 : 2;
        ClearHighlight(side);
        team(side).ActiveIndex = -1;
        team(side).TeamEventMode = true;
        highlightTeamRow(side);
        return;
    }
    if (name.startsWith(QLatin1String("lblHistoryView"))) {
        const int side = name.contains(QLatin1String("Csapat1")) ? 1 : 2;
        // A right click opens the change dialog of the history correction.
        History(side).SelectLine(rowOfName(name));
        touch();
        return;
    }
    const int side = name.startsWith(QLatin1String("lblCsapat1"))   ? 1
                     : name.startsWith(QLatin1String("lblCsapat2")) ? 2
                                                                    : 0;
    const int row = rowOfName(name);
    if (side == 0 || row == 0)
        return;
    TTeam &t = team(side);
    const QString rowKeyLabel = TScreenLayout::RowLabel(side, QStringLiteral("JatekosNev"), row);
    if (row >= 1 && row <= 3) {
        if (ItemText(rowKeyLabel).isEmpty())
            return;
        t.SetActivePlayer(row, *this);
        ClearHighlight(side);
        if (t.ActivePlayer())
            highlightRow(side, row);
        return;
    }
    if (row < 6 || row > 15)
        return;
    if (button == RightButton) {
        // An empty bench label opens the add-player dialog, which comes with
        // the roster changes during a game.
        return;
    }
    const QString input = m_game.Settings().Input();
    const bool substitutionAllowed = input == QLatin1String("INPUT_SERIALMOUSE") ||
                                     (input == QLatin1String("INPUT_KEYBOARD") && SubstitutionMode);
    if (button != LeftButton || ItemText(name).isEmpty() || !t.ActivePlayer() || !substitutionAllowed)
        return;
    t.SetSubstitutionPlayer(row, *this);
    t.Substitute();
    t.KepernyoMezokFeltoltese(*this);
    ClearHighlight(side);
    SubstitutionMode = false;
    SetItemVisible(QStringLiteral("lblSubst"), false);
}

// ---------------------------------------------------------------- home pointer

void TCourtScreen::HomePointerReport(QPoint p, int buttons)
{
    TScreenItem &pointer = m_items.Get(QStringLiteral("imgMouseCursor1"));
    pointer.Rect.moveTopLeft(p);
    touch();
    if (buttons == 0) {
        int pending = -1;
        for (int b = 0; b < 3 && pending < 0; ++b)
            if (PendingButtons[size_t(b)])
                pending = b;
        PendingButtons = {false, false, false};
        if (pending >= 0) {
            if (m_host)
                m_host->PaintNow();
            HomeRelease(p, Button(pending));
        }
    }
    if (buttons & ReportLeft)
        PendingButtons[LeftButton] = true;
    if (buttons & ReportRight)
        PendingButtons[RightButton] = true;
    if (buttons & ReportMiddle)
        PendingButtons[MiddleButton] = true;
    updateZoneLabel(1, p);
}

void TCourtScreen::runHomeAction(int number, int code)
{
    TTeam &home = team(1);
    switch (number) {
    case 11:
        if (!ItemVisible(QStringLiteral("imgFelidoVegeCsapat12")))
            record(1, Kind::ClockStep);
        else
            askEndOfPeriod(1);
        return;
    case 12:
        if (!ItemVisible(QStringLiteral("imgFelidoVegeCsapat11")))
            m_game.CompleteMinute();
        else
            askEndOfPeriod(1);
        return;
    case 18:
    case 19:
    case 21:
    case 22:
        record(1, code);
        return;
    case 17:
        // Timeouts work between periods, as on the away side.
        record(1, Kind::Timeout, m_game.Period);
        return;
    case 31:
        if (!locked())
            record(1, Kind::DefenseMode, home.DefenseModeIndex);
        return;
    }
    switch (code) {
    case 1026:
        save();
        return;
    case 1031:
        home.CycleVariableColumn();
        home.KepernyoMezokFeltoltese(*this);
        return;
    case 1032:
        SetCourtOrientation(!CourtHorizontal);
        return;
    case 1035:
        m_game.SaveGame();
        if (m_host)
            m_host->EndApplication();
        return;
    case 1027: // report dialog
    case 1029: // history player filter
    case 1030: // history event filter
    case 1033: // go to a history line
        return;
    }
    if (!locked())
        record(1, code);
}

void TCourtScreen::HomeRelease(QPoint p, Button button)
{
    const QList<int> records = m_hotRegions.RecordsAt(p.x(), p.y());
    if (button == LeftButton) {
        for (int n : records) {
            const THotRegion &r = m_hotRegions.At(n);
            if (r.Type == THotRegion::LabelClick)
                RowClick(r.Name, LeftButton);
            else
                runHomeAction(n, r.Code);
        }
        ShotOnCourt(1, true, p);
        if (within(p, 375, 418, 476, 485))
            freeThrow(1, true);
        if (within(p, 422, 446, 474, 487) && !locked())
            team(1).SwitchFastBreak();
        if (within(p, 447, 479, 474, 487) && !locked())
            team(1).SwitchSecondChance();
        if (within(p, 381, 402, 500, 522))
            team(1).CycleDefenseMode(1);
        if (within(p, 309, 331, 500, 522))
            team(1).CycleDefenseMode(-1);
    } else if (button == RightButton) {
        for (int n : records) {
            const THotRegion &r = m_hotRegions.At(n);
            if (r.Type != THotRegion::Action || locked())
                continue;
            if (r.Code == Kind::FoulDrawn) {
                record(1, Kind::FoulDrawn);
                record(1, Kind::Steal);
            } else if (r.Code == Kind::PersonalFoul) {
                record(1, Kind::PersonalFoul);
                record(1, Kind::Turnover);
            }
        }
        ShotOnCourt(1, false, p);
        if (within(p, 375, 418, 476, 485))
            freeThrow(1, false);
        // 214..256 x 150..163: deleting the last event belongs to the history correction.
        for (int n : records) {
            const THotRegion &r = m_hotRegions.At(n);
            if (r.Type == THotRegion::LabelClick)
                RowClick(r.Name, RightButton);
        }
    } else {
        middleShot(1, p);
    }
    touch();
}

// ---------------------------------------------------------------- system mouse

void TCourtScreen::SystemMousePress(QPoint p, Button button)
{
    const TScreenItem *item = m_items.ClickableAt(p);
    m_pressedItem = item ? item->Name : QString();
    if (item)
        pressAwayComponent(*item, button);
    awayPositionPress(p, button);
    if (m_game.Settings().UseSystemMouse())
        HomeRelease(p, button);
    touch();
}

void TCourtScreen::SystemMouseRelease(QPoint p, Button button)
{
    const TScreenItem *item = m_items.ClickableAt(p);
    const QString pressed = m_pressedItem;
    m_pressedItem.clear();
    if (button == LeftButton && item && item->Name == pressed)
        clickComponent(item->Name);
}

void TCourtScreen::SystemMouseMove(QPoint p)
{
    updateZoneLabel(2, p);
    if (m_game.Settings().UseSystemMouse())
        updateZoneLabel(1, p);
}

void TCourtScreen::updateZoneLabel(int side, QPoint p)
{
    const QString name =
        side == 1 ? QStringLiteral("lblPontErtekHomeTeam") : QStringLiteral("lblPontErtekAwayTeam");
    QString text;
    if (TCourtFrame::OnCourt(CourtHorizontal, p)) {
        const QString zone = TZoneMask::ZoneName(m_mask.ZoneAt(CourtHorizontal, p));
        if (!zone.isEmpty())
            text = m_game.Translate(zone, QStringLiteral("MESSAGES"));
    }
    if (ItemText(name) != text)
        SetItemText(name, text);
}

void TCourtScreen::pressAwayComponent(const TScreenItem &item, Button button)
{
    const QString &name = item.Name;
    for (const AwayButton &b : AwayButtons) {
        if (name != QLatin1String(b.name))
            continue;
        if (locked())
            return;
        const QList<int> &kinds = button == LeftButton ? b.left : button == RightButton ? b.right : b.middle;
        for (int kind : kinds)
            record(2, kind);
        return;
    }
    if (name == QLatin1String("imgIdokeresAwayTeam")) {
        record(2, Kind::Timeout, m_game.Period);
    } else if (name == QLatin1String("imgAwayAddTime")) {
        record(2, Kind::ClockStep);
    } else if (name == QLatin1String("imgIdoCsapat2")) {
        m_game.CompleteMinute();
    } else if (name == QLatin1String("imgFelidoVegeCsapat21") ||
               name == QLatin1String("imgFelidoVegeCsapat22")) {
        askEndOfPeriod(2);
    } else if (name.startsWith(QLatin1String("lblCsapat2")) ||
               name.startsWith(QLatin1String("lblHistoryViewCsapat2")) ||
               name.startsWith(QLatin1String("lblAwayTeamAdditionalType"))) {
        RowClick(name, button);
    }
}

void TCourtScreen::clickComponent(const QString &name)
{
    if (name == QLatin1String("imgSaveAwayTeam")) {
        save();
    } else if (name == QLatin1String("imgAwayTeamExit")) {
        m_game.SaveGame();
        if (m_host)
            m_host->EndApplication();
    } else if (name == QLatin1String("lblFastBreak2")) {
        team(2).SwitchFastBreak();
    } else if (name == QLatin1String("lbl2ndChance2")) {
        team(2).SwitchSecondChance();
    } else if (name.startsWith(QLatin1String("lblVariableAwayTeam"))) {
        team(2).CycleVariableColumn();
        team(2).KepernyoMezokFeltoltese(*this);
    }
    // imgPrint and the team fouls open the report menu, imgPrintAll prints the
    // full set and lblPackets restarts the sender: they come with those parts.
    touch();
}

void TCourtScreen::awayPositionPress(QPoint p, Button button)
{
    if (button == LeftButton) {
        if (within(p, 966, 980, 454, 467))
            record(2, Kind::HistoryPageUp);
        else if (within(p, 966, 980, 469, 482))
            record(2, Kind::HistoryLineUp);
        else if (within(p, 966, 980, 586, 599))
            record(2, Kind::HistoryLineDown);
        else if (within(p, 966, 980, 601, 614))
            record(2, Kind::HistoryPageDown);
        // y 601..614: the player filter, event filter, go-to and delete
        // buttons belong to the history correction.
        if (within(p, 492, 502, 88, 102) || within(p, 685, 695, 278, 292))
            SetCourtOrientation(!CourtHorizontal);
        ShotOnCourt(2, true, p);
        if (within(p, 578, 621, 82, 91))
            freeThrow(2, true);
        if (within(p, 671, 693, 500, 522))
            team(2).CycleDefenseMode(1);
        if (within(p, 600, 622, 500, 522))
            team(2).CycleDefenseMode(-1);
        if (within(p, 625, 668, 500, 522) && !locked())
            record(2, Kind::DefenseMode, team(2).DefenseModeIndex);
    } else if (button == RightButton) {
        ShotOnCourt(2, false, p);
        if (within(p, 578, 621, 82, 91))
            freeThrow(2, false);
    } else {
        middleShot(2, p);
    }
}

// ---------------------------------------------------------------- keyboard

void TCourtScreen::KeyPress(int key)
{
    if (key == TKeyboardMap::Alt)
        LockOverride = true;
    else if (key == TKeyboardMap::Control)
        PutBackPending = true;
}

void TCourtScreen::KeyRelease(int key, bool shift)
{
    PutBackPending = false;
    // F12 (quick box score), Delete (set time) and Space (substitutions)
    // open dialogs of later parts.
    SetItemVisible(QStringLiteral("lblHazaiCsapatJatekos"), false);
    if (m_game.Settings().KeyboardInput())
        keyboardMap(key, shift);
    LockOverride = false;
    touch();
}

void TCourtScreen::keyboardMap(int key, bool shift)
{
    int hotkeySide = 0;
    int slot = 0;
    if (key == TKeyboardMap::F2) {
        SubstitutionMode = !SubstitutionMode;
        SetItemVisible(QStringLiteral("lblSubst"), SubstitutionMode);
        return;
    }
    if (TKeyboardMap::HotkeySlot(key, &hotkeySide, &slot)) {
        selectByHotkey(hotkeySide, slot);
        return;
    }
    if (SubstitutionMode)
        return;
    if (key == TKeyboardMap::F4) {
        if (!ItemVisible(QStringLiteral("imgFelidoVegeCsapat21")))
            record(2, Kind::ClockStep);
        else
            askEndOfPeriod(2);
        return;
    }
    if (key == TKeyboardMap::F3) {
        if (!ItemVisible(QStringLiteral("imgFelidoVegeCsapat21")))
            m_game.CompleteMinute();
        return;
    }
    if (locked())
        return;
    switch (key) {
    case TKeyboardMap::F6:
    case TKeyboardMap::F9: {
        const int side = key == TKeyboardMap::F6 ? 1 : 2;
        const int other = side == 1 ? 2 : 1;
        ClearHighlight(other);
        dropSelection(other);
        KeyboardTeam = side;
        RowClick(TScreenLayout::TeamRowLabel(side, QStringLiteral("P")), LeftButton);
        return;
    }
    case TKeyboardMap::F7:
        record(1, Kind::Timeout, m_game.Period);
        return;
    case TKeyboardMap::F10:
        record(2, Kind::Timeout, m_game.Period);
        return;
    case TKeyboardMap::F8:
    case TKeyboardMap::F11:
        // Deleting history events belongs to the history correction.
        return;
    }
    if (KeyboardTeam == 0)
        return;
    const int side = KeyboardTeam;
    QPoint point;
    bool randomised = false;
    if (TKeyboardMap::ShotPoint(key, side, CourtHorizontal, &point, &randomised)) {
        if (randomised) {
            std::uniform_int_distribution<int> draw(0, 19);
            point += QPoint(10 - draw(m_random), 10 - draw(m_random));
        }
        ShotOnCourt(side, shift, point);
        ClearHighlight(side);
        return;
    }
    if (key == 'U') {
        freeThrow(side, shift);
        ClearHighlight(side);
        return;
    }
    const int kind = TKeyboardMap::EventOfKey(key);
    if (kind == 0)
        return;
    if (kind < 0)
        team(side).SwitchFastBreak();
    else
        record(side, kind);
    ClearHighlight(side);
}

void TCourtScreen::selectByHotkey(int side, int slot)
{
    const int jersey = HotkeySlots(side)[size_t(slot - 1)];
    if (jersey < 0)
        return;
    const QString wanted = QStringLiteral("%1").arg(jersey, 2, 10, QLatin1Char('0'));
    int found = 0;
    for (int row = 1; row <= 15 && !found; ++row) {
        if (row == 4 || row == 5)
            continue;
        const QString text = ItemText(TScreenLayout::RowLabel(side, QStringLiteral("MezSzam"), row));
        if (!text.isEmpty() && (QStringLiteral("0") + text).right(2) == wanted)
            found = row;
    }
    if (!found)
        return;
    const int other = side == 1 ? 2 : 1;
    ClearHighlight(other);
    dropSelection(other);
    KeyboardTeam = side;
    if (found >= 6 && !team(side).ActivePlayer()) {
        SubstitutionMode = false;
        SetItemVisible(QStringLiteral("lblSubst"), false);
        SetItemVisible(QStringLiteral("lblHazaiCsapatJatekos"), true);
    }
    RowClick(TScreenLayout::RowLabel(side, QStringLiteral("JatekosNev"), found), LeftButton);
}
