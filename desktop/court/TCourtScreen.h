#pragma once

#include "TActiveAI.h"
#include "TAutoSave.h"
#include "TScreenFlags.h"
#include "TScreenHistory.h"
#include "TScreenItems.h"
#include "TZoneMask.h"
#include "desktop/court/input/THotRegions.h"
#include "desktop/court/input/TKeyboardMap.h"
#include "model/services/IScreenLink.h"

#include <QObject>
#include <QTimer>
#include <memory>

class IHistoryDialogs;
class ILineupDialogs;
class IReportLauncher;
class IRosterSource;
class IScreenHost;
class ISendingSwitch;
class TCourtScreenInput;
class TGame;
class TTeam;

// The court screen without its window: every named item with its place and
// looks, the histories, the selections, locks and marks, and the operations
// on the game model that the input rules of the three devices call. The input
// rules, the Active AI frames and the automatic save are parts of their own
// that the screen wires together. Positions are points of the 1000 x 688 frame.
class TCourtScreen : public QObject, public IScreenLink
{
    Q_OBJECT

public:
    enum Button
    {
        LeftButton = 0,
        RightButton = 1,
        MiddleButton = 2
    };
    // Button bits of a home pointer report.
    static constexpr int ReportLeft = 0x01;
    static constexpr int ReportRight = 0x02;
    static constexpr int ReportMiddle = 0x10;
    static constexpr TColor Orange = 0xffe89200;
    static constexpr TColor Black = 0xff000000;

    explicit TCourtScreen(TGame &game, QObject *parent = nullptr);
    ~TCourtScreen() override;

    void SetHost(IScreenHost *host) { m_host = host; }
    IScreenHost *Host() const { return m_host; }
    // Both may stay unset: the report commands and the packet label then do nothing.
    void SetReportLauncher(IReportLauncher *reports) { m_reports = reports; }
    void SetSendingSwitch(ISendingSwitch *sending) { m_sending = sending; }
    // Unset, the history's filter, go-to and change commands open nothing.
    void SetHistoryDialogs(IHistoryDialogs *dialogs) { m_historyDialogs = dialogs; }
    // The dialogs correcting line-ups, the time and a bench, and the master
    // data a bench grows from; without them those corrections do nothing.
    void SetLineupDialogs(ILineupDialogs *dialogs) { m_lineupDialogs = dialogs; }
    void SetRosterSource(IRosterSource *roster) { m_roster = roster; }
    IRosterSource *RosterSource() const { return m_roster; }
    // Space, Delete, and a right click on an empty bench row.
    void OpenSubstitutions();
    void OpenSetTime();
    void OpenAddPlayer(int side);
    void SetZoneMask(const TZoneMask &mask) { m_mask = mask; }
    const TZoneMask &ZoneMask() const { return m_mask; }
    // The spread of the keyboard's shot points.
    void SeedRandom(unsigned seed);

    // The creation steps that read the game; the teams and rosters exist.
    void Open();
    // The first time the window becomes active.
    void Activate();
    // Whether the screen may close now: asks, and names messages still unsent.
    bool ConfirmClose();
    // The exit buttons: after the operator's yes the game is saved and the
    // whole program ends, the game not finished.
    void Exit();
    // Saves the game and removes the dump files when the settings say so.
    void Shutdown();

    // IScreenLink
    void SetItemText(const QString &name, const QString &text) override;
    QString ItemText(const QString &name) const override;
    void SetItemVisible(const QString &name, bool visible) override;
    bool ItemVisible(const QString &name) const override;
    void SetItemColor(const QString &name, TColor color) override;
    void SetItemBold(const QString &name, bool bold) override;
    void SetItemTag(const QString &name, int tag) override;
    int ItemTag(const QString &name) const override;
    void AddHistoryLine(int side, TGameEvent *event) override;
    void HistoryCommand(int side, int kind) override;
    void LightActiveAI(int code, int side) override;
    void SetEventsLocked(bool locked) override;
    bool SelectHistoryNumber(int side, int number) override;
    bool SelectLastHistoryEntry(int side) override;
    int SelectedHistoryId(int side) const override;
    bool HasHistoryEntry(int side, int id) const override;
    bool ChangeHistoryEvent(int side, int id, const TEventChange &change, QString *error) override;
    void ApplyHistoryFilter(int side) override;
    void SetHistoryCaption(int side, int id, const QString &caption) override;
    void HoldHistoryLine(int side, int id) override;
    void DropHistoryLine(int side, int id) override;

    // History corrections from the screen's buttons and keys.
    // The delete button: the selected event, also in the intermission.
    void DeleteSelectedEvent(int side);
    // The delete button's right click: the last event the history shows.
    void DeleteLastEvent(int side);
    // The filter buttons: switch the filter off, or choose and switch it on.
    void TogglePlayerFilter(int side);
    void ToggleEventFilter(int side);
    // The go-to button: select the entries of a line number.
    void GoToHistoryLine(int side);
    // The change dialog for the selected event; kinds it cannot express are
    // refused with an explanation.
    void ChangeSelectedEvent(int side);

    // System mouse (away team, and the home team with SYSTEM_MOUSE_USE).
    void SystemMousePress(QPoint p, Button button);
    void SystemMouseRelease(QPoint p, Button button);
    void SystemMouseMove(QPoint p);
    // One report of the home team's pointer: position and button bits.
    void HomePointerReport(QPoint p, int buttons);
    // The home side's handling of a released button at a point.
    void HomeRelease(QPoint p, Button button);
    // Keys as Windows virtual-key codes; shift: a Shift key is held. A key
    // acts at its release, as shifted when Shift was held at any time while
    // it was down.
    void KeyPress(int key, bool shift = false);
    // control: a Ctrl key is held (the window knows it even when the Ctrl
    // press went elsewhere).
    void KeyRelease(int key, bool shift, bool control = false);

    // Operations the input rules share.
    void ShotOnCourt(int side, bool made, QPoint p);
    // The middle button: a made shot and a steal.
    void MiddleShot(int side, QPoint p);
    void FreeThrow(int side, bool made);
    void Record(int side, int kind, int detail = 0, int x = 0, int y = 0);
    void AskEndOfPeriod(int side);
    // A save button; nothing while the automatic save runs.
    void Save();
    // The report menu, announced to the server around it when the game is
    // online; the dumps are written again when it closes with OK.
    void OpenReportMenu();
    void PrintAllReports();
    void PrintBoxScore();
    // The packet label's click.
    void RestartSending();
    void RowClick(const QString &name, Button button);
    void SetCourtOrientation(bool horizontal);
    void ClearActiveAI();
    void ClearHighlight(int side);
    void DropSelection(int side);
    void AutoSave();
    // A line of the status area, for problems of the input devices.
    void ShowStatus(const QString &text);
    // One problem among others in the status area, added once and removed alone.
    void AddStatus(const QString &text);
    void RemoveStatus(const QString &text);
    // Why an input recorded nothing, over the court until the next recorded
    // event or a few seconds; the text is translated here.
    void ShowNotice(const QString &text);
    void HideNotice();
    QString Notice() const;
    QTimer &NoticeTimer() { return m_noticeTimer; }
    static constexpr int NoticeSeconds = 6;
    // The notices' texts (translation keys).
    static QString NotStartedText() { return QStringLiteral("Start the clock first: +15 sec button or F4"); }
    static QString NoActorText() { return QStringLiteral("Select a player or the team row first"); }
    static QString ShotNeedsPlayerText()
    {
        return QStringLiteral("A shot needs a player: select one in the panel");
    }
    static QString NoKeyboardTeamText()
    {
        return QStringLiteral("Choose a player (Tab Q W E \\ ] [ P) or a team (F6 F9) first");
    }
    static QString NoZoneText()
    {
        return QStringLiteral("No shot zone here: click inside the court's lines");
    }
    static QString PlayerIndirectStealText()
    {
        return QStringLiteral(
            "Only the Hebrew edition counts a player's indirect steal: select the team row");
    }
    static QString BetweenPeriodsText()
    {
        return QStringLiteral("Between periods: F4 starts the period, Alt held records");
    }
    static QString OnTheBenchText()
    {
        return QStringLiteral("On the bench: Space substitutes him, or F2 and his key");
    }
    static QString WhoGoesOffText()
    {
        return QStringLiteral("Select the player on court who goes off first");
    }
    // True, with the reason shown, while the intermission locks the events.
    bool RefusedBetweenPeriods();
    static QString NoTypeListText()
    {
        return QStringLiteral("No type to choose: the list follows a turnover or a foul");
    }
    // False, with the reason shown, when the game would refuse the event now.
    bool Accepts(int side, int kind);
    // The flags of the game (F5 and its Shift and Ctrl forms, a click on a
    // team's count). Goes to the next open flag, of both teams or one, and
    // shows its reasons; with none left, asks for the score of a period that
    // ended unconfirmed. False when there was nothing to go to.
    bool NextFlag(int side = 0);
    // Dismisses the open reasons of the line last gone to or selected (a mark
    // is taken off); kept with the game.
    void DismissFlag();
    // Marks that line to check later, or takes the mark off.
    void ToggleMark();
    // The score of an ended period, its open flags, and "Confirm" or "Edit":
    // Edit goes to the period's first open flag. True when confirmed.
    bool AskPeriodScore(int period);
    // The question's text, translated.
    QString PeriodScoreText(int period);
    TScreenFlags &Flags() { return m_flags; }

    // The overlay listing the keys of the current mode; closed by any key or click.
    void ShowKeyHelp();
    void HideKeyHelp();
    bool KeyHelpShown() const { return ItemVisible(QStringLiteral("pnlKeyHelp")); }
    // The home pointer on that device was opened: when it has sent nothing
    // after a few seconds, the status area says so until its first report.
    void WatchHomePointer(const QString &device);
    // The watch's timer ran out.
    void PointerSilenceCheck();
    static constexpr int PointerSilenceSeconds = 5;

    TScreenItems &Items() { return m_items; }
    const TScreenItems &Items() const { return m_items; }
    const THotRegions &HotRegions() const;
    TScreenHistory &History(int side) { return side == 1 ? m_homeHistory : m_awayHistory; }
    const TKeyboardMap::Slots &HotkeySlots(int side) const;
    QTimer &ActiveAITimer() { return m_activeAI.Timer(); }
    QTimer &AutoSaveTimer() { return m_autoSave.Timer(); }
    QTimer &PointerSilenceTimer() { return m_pointerSilence; }
    TAutoSave &AutoSaver() { return m_autoSave; }
    TGame &Game() { return m_game; }
    bool HomePointerShown() const;
    // Events are locked unless Alt is held.
    bool Locked() const { return EventsLocked && !LockOverride; }
    // Something shown changed.
    void Touch() { emit Changed(); }

    // Screen state
    bool CourtHorizontal = false;
    bool EventsLocked = false;
    bool LockOverride = false;
    bool PutBackPending = false;
    int KeyboardTeam = 0; // 0 none, 1 home, 2 away
    bool SubstitutionMode = false;

signals:
    // Something shown changed; the window repaints.
    void Changed();

private:
    TTeam &team(int side);
    QString tr(const QString &text) const;
    void placeMarker(int side, bool made, QPoint p, int eventId);
    // Markers of an event that was deleted or changed leave the court.
    void forgetMarkers(int eventId);
    int lastRecordedId() const;
    bool deleteRefused(int side);
    void hideMarker(int side, bool made);
    void recordShotAt(int side, bool made, QPoint p);
    void highlightRow(int side, int row);
    void highlightTeamRow(int side);
    void translateCaptions();
    // The operator's decision is kept: saved with the game, shown at once.
    void flagDecided(const QString &done, const QString &error);
    QString silenceText() const;

    TGame &m_game;
    IScreenHost *m_host = nullptr;
    IReportLauncher *m_reports = nullptr;
    IHistoryDialogs *m_historyDialogs = nullptr;
    ISendingSwitch *m_sending = nullptr;
    ILineupDialogs *m_lineupDialogs = nullptr;
    IRosterSource *m_roster = nullptr;
    TScreenItems m_items;
    TScreenHistory m_homeHistory;
    TScreenHistory m_awayHistory;
    TScreenFlags m_flags;
    TZoneMask m_mask;
    std::unique_ptr<TCourtScreenInput> m_input;
    TActiveAI m_activeAI;
    TAutoSave m_autoSave;
    QTimer m_pointerSilence;
    QTimer m_noticeTimer;
    // The event each side's made and missed marker shows; -1 for none.
    int m_markerEvent[2][2] = {{-1, -1}, {-1, -1}};
    QString m_pointerDevice;
    bool m_pointerHeard = false;
    bool m_opened = false;
    bool m_activated = false;
};
