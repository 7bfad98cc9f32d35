#pragma once

#include "TPlayerList.h"
#include "TTeamData.h"
#include "TTeamPanel.h"
#include "model/events/EventKindTable.h"
#include "model/settings/TRefList.h"

#include <QList>
#include <QString>
#include <memory>

class TGame;
class TGameEvent;
class IScreenLink;

// A timeout of a team: the period and the game clock text at the request.
struct ToIdokeres
{
    static constexpr int RecordSize = 56;
    qint32 Period = 0;
    QString ClockText; // string[50]

    QByteArray ToRecord() const;
    static ToIdokeres FromRecord(const char *data); // RecordSize bytes
    bool operator==(const ToIdokeres &o) const = default;
};

// The history filter of a side: one player, one event code, or both.
struct TFilterArgument
{
    bool PlayerFilter = false;
    bool EventFilter = false;
    int PlayerId = -1;
    int Kind = 0;

    bool On() const { return PlayerFilter || EventFilter; }
    // Whether a history line of that event code and player passes.
    bool Matches(int kind, int playerId) const
    {
        return (!PlayerFilter || playerId == PlayerId) && (!EventFilter || kind == Kind);
    }
};

// One team of the game: roster, totals, team line, the operator's selection,
// marks, timeouts, defence mode and team fouls, and the recording of events.
class TTeam
{
public:
    static constexpr int TrackedPositions = 3;

    TTeam(TGame &game, int sideNumber);
    virtual ~TTeam();

    // Screen operations, shown through the side's panel.
    virtual void SetActivePlayer(int row, IScreenLink &screen);
    virtual void SetSubstitutionPlayer(int row, IScreenLink &screen);
    virtual void KepernyoMezokFeltoltese(IScreenLink &screen);
    virtual void KepernyoMezokFeltolteseDefense(IScreenLink &screen);
    virtual void KepernyoMezokFeltolteseTeamFoul(IScreenLink &screen);
    virtual void UndoEvent(int type, int playerId, bool fastBreak, bool secondChance, int detail, int kind);
    virtual void ApplyEvent(int type, int playerId, bool fastBreak, bool secondChance, int detail, int kind);
    virtual void DeleteLastEvent(IScreenLink &screen);

    // Recording
    void RecordEvent(int side, int kind, int detail, int x = 0, int y = 0, const QString &webIdIn = {},
                     const QString &webIdOut = {}, const QString &teamWebId = {});
    void Substitute();
    void SetEventType(int typeId);
    bool RequestTimeout();
    bool TimeoutAllowed() const;
    void DeleteTimeout(int period);
    void CreditPlayingTime();
    // The message of a player event as recording builds it, before the score
    // pair is added; and the history texts without marks (clock in
    // quarter-minutes), for corrections.
    QString BuildEventMessage(int kind, int id, const QString &webId, int y, int x, int shotKind) const;
    QString BuildEventText(int kind, int shotKind, const QString &name, int jersey, int clock) const;
    // The message and text of the same event booked to the team, as
    // recording builds them; empty for a kind the team cannot have (shots).
    QString BuildTeamEventMessage(int kind, int id) const;
    QString BuildTeamEventText(int kind, int clock) const;

    // Selection and roster
    void ClearSelection();
    void ClearRoster();
    std::unique_ptr<TPlayerList> SortedRosterCopy() const;
    struct PlayerPlace
    {
        TPlayerList *List = nullptr;
        int Position = -1;
        TPlayer *Player() const { return (List && Position >= 0) ? List->At(Position) : nullptr; }
    };
    PlayerPlace FindPlayerById(int jatekosId);
    void CycleVariableColumn();
    void CycleDefenseMode(int step);
    // The key a player is filed under: the name or the jersey number "00".
    QString RosterKey(const TPlayer &player) const;
    int AddToCourt(std::unique_ptr<TPlayer> player);
    int AddToBench(std::unique_ptr<TPlayer> player);
    TPlayer *ActivePlayer() const;

    // Marks and screen helpers
    void SetFastBreak(bool on);
    void SetSecondChance(bool on);
    void SwitchFastBreak() { SetFastBreak(!FastBreak); }
    void SwitchSecondChance() { SetSecondChance(!SecondChance); }
    void ShowAdditionalTypes(const TRefList &types);
    void HideAdditionalTypes();
    void RecomputeRatings();

    // Team values over the totals.
    TPlayer TotalsAsPlayer() const { return Data.Totals.AsPlayer(); }
    int FieldGoalPoints() const;

    const TTeamPanel &Panel() const { return m_panel; }
    int SideNumber = 0;
    int TeamSide() const { return SideNumber == 1 ? 3 : 4; }

    qint32 VariableColumn = 0;
    TPlayerList OnCourt;
    TPlayerList Bench;
    QList<QPair<QString, ToIdokeres>> Timeouts;
    TTeamData Data;
    TPlayer TeamLine;
    qint32 ActiveIndex = -1;
    qint32 SubstituteIndex = -1;
    bool TeamEventMode = false;
    bool FastBreak = false;
    bool SecondChance = false;
    TFilterArgument Filter;
    TRefList DefenseModes;
    qint32 DefenseModeIndex = -1;
    qint32 LastTypedEvent = -1;
    qint32 TeamFouls = 0;
    // The JatekosID of the player in each tracked court position (-1: none),
    // which the plus-minus and line-up replays follow through the substitutions.
    QList<int> LineupTracking;

protected:
    TGame &m_game;

private:
    TTeamPanel m_panel;

    void recordPlayerEvent(TGameEvent *event, int kind, int detail, int x, int y);
    void recordTeamEvent(TGameEvent *event, int kind);
    void applyPlayerCounters(TPlayer &p, int kind, int detail, int sign);
    void applyTotalsForPlayerEvent(int kind, int detail, int sign);
    void applyTeamCounters(int kind, int sign);
    void applyMarkPoints(int detail, bool fastBreak, bool secondChance, int sign);
    void secondChanceRule(int kind, int detail);
    void hint(int code, int settingNumber);
    void lightHint(int kind, bool team);
    const TRefList &typeList(TTypeList list) const;
    void askForType(const TRefList &types, const TGameEvent &event);
    void ratePlayerAndTotals(TPlayer &p);
    void rateTotals();
    void logEvent(TGameEvent *event);
    void sendAndShow(TGameEvent *event);
    QString tr(const QString &text) const;
    void changeCounters(int type, int playerId, bool fastBreak, bool secondChance, int detail, int kind,
                        int sign);
};

class THomeTeam : public TTeam
{
public:
    explicit THomeTeam(TGame &game) : TTeam(game, 1) {}
};

class TAwayTeam : public TTeam
{
public:
    explicit TAwayTeam(TGame &game) : TTeam(game, 2) {}
};
