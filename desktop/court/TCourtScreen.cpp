#include "TCourtScreen.h"

#include "IReportLauncher.h"
#include "IScreenHost.h"
#include "TCourtScreenInput.h"
#include "TScreenLayout.h"
#include "desktop/court/input/TKeyHelp.h"
#include "model/events/EventKindTable.h"
#include "model/events/EventKinds.h"
#include "model/game/TGame.h"

namespace {

const QString EndOfPeriodQuestion = QStringLiteral("A negyednek tényleg vége?");
const QString CloseQuestion = QStringLiteral("Close the court screen? The recording of this game ends here.");
const QString ExitQuestion =
    QStringLiteral("Exit Parquetix now? The game is saved but not finished: it stays open on the server and "
                   "is continued with Load game.");
const QString UnsentQuestion =
    QStringLiteral("Az mérkozes esemenyeinek elkuldese meg nem fejezodott be. Bezarja a alkalmazast?!");

} // namespace

TCourtScreen::TCourtScreen(TGame &game, QObject *parent)
    : QObject(parent), m_game(game),
      m_homeHistory(1, m_items, [&game](const QString &t) { return game.Translate(t); }),
      m_awayHistory(2, m_items, [&game](const QString &t) { return game.Translate(t); }),
      m_flags(
          game, m_items, m_homeHistory, m_awayHistory, [this](const QString &t) { return tr(t); },
          [this] { Touch(); }),
      m_input(std::make_unique<TCourtScreenInput>(*this, game)), m_activeAI(m_items, [this] { Touch(); }),
      m_autoSave(game, m_items, [this] { Touch(); })
{
    TScreenLayout::Build(m_items);
    m_pointerSilence.setSingleShot(true);
    connect(&m_pointerSilence, &QTimer::timeout, this, &TCourtScreen::PointerSilenceCheck);
    m_noticeTimer.setSingleShot(true);
    connect(&m_noticeTimer, &QTimer::timeout, this, &TCourtScreen::HideNotice);
}

TCourtScreen::~TCourtScreen() = default;

// ---------------------------------------------------------------- input, forwarded to its rules

void TCourtScreen::SystemMousePress(QPoint p, Button button)
{
    m_input->SystemMousePress(p, button);
}

void TCourtScreen::SystemMouseRelease(QPoint p, Button button)
{
    m_input->SystemMouseRelease(p, button);
}

void TCourtScreen::SystemMouseMove(QPoint p)
{
    m_input->SystemMouseMove(p);
}

void TCourtScreen::HomePointerReport(QPoint p, int buttons)
{
    if (!m_pointerHeard) {
        m_pointerHeard = true;
        if (!m_pointerDevice.isEmpty())
            RemoveStatus(silenceText());
    }
    m_input->HomePointerReport(p, buttons);
}

void TCourtScreen::HomeRelease(QPoint p, Button button)
{
    m_input->HomeRelease(p, button);
}

void TCourtScreen::KeyPress(int key, bool shift)
{
    m_input->KeyPress(key, shift);
}

void TCourtScreen::KeyRelease(int key, bool shift, bool control)
{
    m_input->KeyRelease(key, shift, control);
}

void TCourtScreen::SeedRandom(unsigned seed)
{
    m_input->SeedRandom(seed);
}

const THotRegions &TCourtScreen::HotRegions() const
{
    return m_input->HotRegions();
}

const TKeyboardMap::Slots &TCourtScreen::HotkeySlots(int side) const
{
    return m_input->HotkeySlots(side);
}

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

    ClearActiveAI();
    LockOverride = false;
    m_autoSave.Saving = false;
    m_activated = false;
    // A game reopened between periods arrives with "Intermission" showing and
    // stays locked as the live intermission was.
    EventsLocked = ItemVisible(QStringLiteral("lblEsemenyTiltas"));
    KeyboardTeam = 0;
    translateCaptions();

    for (int side = 1; side <= 2; ++side)
        SetItemText(QStringLiteral("lblCsapatNev%1").arg(side), team(side).Data.EgyesuletNev);
    // Two periods are halves; games saved with quarters keep them.
    const bool halves = m_game.PeriodCount() == 2;
    for (int q = 1; q <= 2; ++q)
        m_items.Get(QStringLiteral("imgQuarter%1").arg(q)).PictureName =
            (halves ? QStringLiteral("FELIDO%1") : QStringLiteral("NEGYED%1")).arg(q);

    m_items.Get(QStringLiteral("imgMouseCursor1")).Visible =
        settings.Input() == QLatin1String("INPUT_SERIALMOUSE");
    m_items.Get(QStringLiteral("imgMouseCursor1")).Rect.moveTopLeft(QPoint(500, 300));

    m_activeAI.SetTimeout(settings.LightSignalTimeout());
    if (settings.AutoSave())
        m_autoSave.Start(settings.AutoSavePerc());

    // A game that is already under way has announced itself.
    if (m_game.Clock <= 1)
        m_game.HeaderSent = false;
    m_input->Open();
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
    m_input->BuildPanelHotRegions();
    for (int side = 1; side <= 2; ++side) {
        team(side).KepernyoMezokFeltoltese(*this);
        team(side).HideAdditionalTypes();
        History(side).Redraw();
    }
    m_flags.Refresh();
    Touch();
}

void TCourtScreen::translateCaptions()
{
    for (TScreenItem *item : m_items.PaintOrder()) {
        // Only the fixed captions carry text before the game fills the screen.
        if (item->Kind != TScreenItem::Label || item->Text.isEmpty())
            continue;
        item->Text = tr(item->Text);
    }
}

void TCourtScreen::Activate()
{
    if (m_activated)
        return;
    m_activated = true;
    if (m_game.Online)
        m_game.QueueForResend(m_game.ScreenOpenedNotice());
    // Between periods the clock shows the start of the next period and the
    // clock buttons, as when the period ended.
    if (ItemVisible(QStringLiteral("lblEsemenyTiltas")))
        m_game.ShowBreakBetweenPeriods();
    else
        m_game.UpdateClockDisplay();
    if (m_game.Period > 0)
        m_game.ShowPeriodPicture();
    Touch();
}

bool TCourtScreen::ConfirmClose()
{
    const bool unsent = m_game.Online && !m_game.OutgoingQueue.IsEmpty();
    // What is still flagged is listed before the game's closing message goes.
    const QList<TFlag> open = m_flags.Open();
    QString flags;
    if (!open.isEmpty())
        flags = QStringLiteral("\n\n") + tr(QStringLiteral("Open flags: %1")).arg(open.size()) +
                QLatin1Char('\n') + m_flags.DescribeAll(open).join(QLatin1Char('\n')) +
                QStringLiteral("\n\n") +
                tr(QStringLiteral("Staying on the screen goes to the first of them."));
    // One click must not end the recording: a close is always asked.
    const bool close = unsent ? m_game.Prompter().ConfirmInformation(tr(UnsentQuestion) + flags)
                              : m_game.Prompter().Confirm(tr(CloseQuestion) + flags);
    if (!close && !open.isEmpty())
        m_flags.GoTo(open.first());
    return close;
}

void TCourtScreen::Exit()
{
    if (!m_game.Prompter().Confirm(tr(ExitQuestion)))
        return;
    m_game.SaveGame();
    if (m_host)
        m_host->EndApplication();
}

void TCourtScreen::Shutdown()
{
    m_pointerSilence.stop();
    m_activeAI.Timer().stop();
    m_autoSave.Stop();
    m_game.SaveGame();
    if (m_game.Settings().DeleteDataDump() && m_game.Store())
        m_game.Store()->DeleteDumps(m_game);
}

// ---------------------------------------------------------------- IScreenLink

void TCourtScreen::SetItemText(const QString &name, const QString &text)
{
    m_items.Get(name).Text = text;
    Touch();
}

QString TCourtScreen::ItemText(const QString &name) const
{
    const TScreenItem *item = m_items.Find(name);
    return item ? item->Text : QString();
}

void TCourtScreen::SetItemVisible(const QString &name, bool visible)
{
    m_items.Get(name).Visible = visible;
    Touch();
}

bool TCourtScreen::ItemVisible(const QString &name) const
{
    const TScreenItem *item = m_items.Find(name);
    return item && item->Visible;
}

void TCourtScreen::SetItemColor(const QString &name, TColor color)
{
    m_items.Get(name).Color = color;
    Touch();
}

void TCourtScreen::SetItemBold(const QString &name, bool bold)
{
    m_items.Get(name).Bold = bold;
    Touch();
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
    m_flags.HideReason();
    m_flags.Invalidate();
    Touch();
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
    case Kind::DeleteEvent: {
        const int id = history.SelectedId();
        if (history.DeleteSelected(m_game)) {
            forgetMarkers(id);
            m_flags.HideReason();
            m_flags.Invalidate();
        }
        break;
    }
    default:
        return;
    }
    Touch();
}

// ---------------------------------------------------------------- shared operations

void TCourtScreen::Record(int side, int kind, int detail, int x, int y)
{
    if (Accepts(side, kind))
        team(side).RecordEvent(side, kind, detail, x, y);
}

bool TCourtScreen::Accepts(int side, int kind)
{
    if (!m_game.AcceptsEvent(kind)) {
        ShowNotice(NotStartedText());
        return false;
    }
    const TTeam &t = team(side);
    const bool needsActor = EventKindTable::InGroup(kind, TKindGroup::Player);
    if (needsActor && !t.TeamEventMode && !t.ActivePlayer()) {
        ShowNotice(NoActorText());
        return false;
    }
    // The model records a player's indirect steal in the Hebrew edition only.
    if (kind == Kind::IndirectSteal && !t.TeamEventMode && m_game.Settings().Edition() != TEdition::Hebrew) {
        ShowNotice(PlayerIndirectStealText());
        return false;
    }
    if (EventKindTable::IsShot(kind) && !t.ActivePlayer()) {
        ShowNotice(ShotNeedsPlayerText());
        return false;
    }
    if (kind != Kind::ClockStep && !EventKindTable::InGroup(kind, TKindGroup::History))
        HideNotice();
    return true;
}

bool TCourtScreen::RefusedBetweenPeriods()
{
    if (!Locked())
        return false;
    ShowNotice(BetweenPeriodsText());
    return true;
}

void TCourtScreen::ShowNotice(const QString &text)
{
    SetItemText(QStringLiteral("lblNotice"), tr(text));
    SetItemVisible(QStringLiteral("lblNotice"), true);
    m_noticeTimer.start(NoticeSeconds * 1000);
}

void TCourtScreen::HideNotice()
{
    m_noticeTimer.stop();
    if (ItemVisible(QStringLiteral("lblNotice")))
        SetItemVisible(QStringLiteral("lblNotice"), false);
}

QString TCourtScreen::Notice() const
{
    return ItemVisible(QStringLiteral("lblNotice")) ? ItemText(QStringLiteral("lblNotice")) : QString();
}

int TCourtScreen::lastRecordedId() const
{
    const int count = m_game.RecordedEvents.Count();
    return count > 0 ? m_game.RecordedEvents.At(count - 1)->Id : -1;
}

void TCourtScreen::ShowStatus(const QString &text)
{
    SetItemText(QStringLiteral("lblStatus"), text);
}

namespace {
const QString StatusSeparator = QStringLiteral(" · ");
}

void TCourtScreen::AddStatus(const QString &text)
{
    QStringList parts = ItemText(QStringLiteral("lblStatus")).split(StatusSeparator, Qt::SkipEmptyParts);
    if (!parts.contains(text))
        parts.append(text);
    ShowStatus(parts.join(StatusSeparator));
}

void TCourtScreen::RemoveStatus(const QString &text)
{
    QStringList parts = ItemText(QStringLiteral("lblStatus")).split(StatusSeparator, Qt::SkipEmptyParts);
    if (parts.removeAll(text) > 0)
        ShowStatus(parts.join(StatusSeparator));
}

QString TCourtScreen::silenceText() const
{
    return tr(QStringLiteral("The home pointer (%1) has sent nothing since the screen opened"))
        .arg(m_pointerDevice);
}

void TCourtScreen::ShowKeyHelp()
{
    TKeyHelp::TMode mode;
    mode.KeyboardInput = m_game.Settings().KeyboardInput();
    mode.SubstitutionMode = SubstitutionMode;
    mode.EventsLocked = EventsLocked;
    mode.HomeSlots = HotkeySlots(1);
    mode.AwaySlots = HotkeySlots(2);
    TScreenItem &help = m_items.Get(QStringLiteral("pnlKeyHelp"));
    help.Text = tr(TKeyHelp::Title());
    help.Lines.clear();
    for (const TKeyHelp::TLine &line : TKeyHelp::Lines(mode))
        help.Lines.append((line.KeysAreWords ? tr(line.Keys) : line.Keys) + QLatin1Char('\t') +
                          tr(line.Text) + line.Suffix);
    SetItemVisible(help.Name, true);
}

void TCourtScreen::HideKeyHelp()
{
    SetItemVisible(QStringLiteral("pnlKeyHelp"), false);
}

void TCourtScreen::WatchHomePointer(const QString &device)
{
    m_pointerDevice = device;
    m_pointerHeard = false;
    m_pointerSilence.start(PointerSilenceSeconds * 1000);
}

void TCourtScreen::PointerSilenceCheck()
{
    if (!m_pointerHeard && !m_pointerDevice.isEmpty())
        AddStatus(silenceText());
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
    Touch();
}

void TCourtScreen::AskEndOfPeriod(int side)
{
    if (!m_game.Prompter().Confirm(tr(EndOfPeriodQuestion)))
        return;
    const int ended = m_game.PeriodsEnded;
    Record(side, Kind::PeriodEnd, side == 2 ? 2 : 0);
    // The one question of the break; the clock and the events wait for nothing else.
    if (m_game.PeriodsEnded > ended)
        AskPeriodScore(m_game.PeriodsEnded);
}

void TCourtScreen::Save()
{
    m_autoSave.SaveByButton();
}

namespace {

// Live sending pauses while a report runs and goes on afterwards, unless it
// was already stopped by a failure: only the operator restarts it then.
class TSendingPause
{
public:
    TSendingPause(ISendingSwitch *sending, bool online)
        : m_sending(online && sending && sending->SendingEnabled() ? sending : nullptr)
    {
        if (m_sending)
            m_sending->SetSendingEnabled(false);
    }
    ~TSendingPause()
    {
        if (m_sending)
            m_sending->SetSendingEnabled(true);
    }
    TSendingPause(const TSendingPause &) = delete;
    TSendingPause &operator=(const TSendingPause &) = delete;

private:
    ISendingSwitch *m_sending;
};

} // namespace

void TCourtScreen::OpenReportMenu()
{
    if (!m_reports)
        return;
    const bool online = m_game.Online;
    if (online)
        m_game.QueueForResend(m_game.ReportsOpenedNotice());
    {
        TSendingPause pause(m_sending, online);
        if (m_reports->RunReportMenu())
            m_game.WriteDumps();
    }
    if (online)
        m_game.QueueForResend(m_game.ReportsClosedNotice());
    Touch();
}

void TCourtScreen::PrintAllReports()
{
    if (!m_reports)
        return;
    TSendingPause pause(m_sending, m_game.Online);
    m_reports->PrintAll();
}

void TCourtScreen::PrintBoxScore()
{
    if (!m_reports)
        return;
    TSendingPause pause(m_sending, m_game.Online);
    m_reports->PrintBoxScore();
}

void TCourtScreen::RestartSending()
{
    if (m_sending)
        m_sending->RestartSending();
}

void TCourtScreen::AutoSave()
{
    m_autoSave.Run();
}
