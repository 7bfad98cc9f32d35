#include "TTeam.h"

#include "RecordBuffer.h"
#include "TGame.h"
#include "model/events/EventKinds.h"
#include "model/services/IScreenLink.h"

#include <algorithm>

QByteArray ToIdokeres::ToRecord() const
{
    TRecordWriter w(RecordSize);
    w.Int32(0, Period);
    w.String(4, 50, ClockText);
    return w.Data();
}

ToIdokeres ToIdokeres::FromRecord(const char *data)
{
    TRecordReader r(data, RecordSize);
    return ToIdokeres{r.Int32(0), r.String(4, 50)};
}

TTeam::TTeam(TGame &game, int sideNumber) : SideNumber(sideNumber), m_game(game), m_panel(*this, game) {}

TTeam::~TTeam() = default;

QString TTeam::tr(const QString &text) const
{
    return m_game.Translate(text, QStringLiteral("FORM"));
}

QString TTeam::RosterKey(const TPlayer &player) const
{
    return PlayerStats::RosterKey(player, m_game.Settings().SortByName());
}

int TTeam::AddToCourt(std::unique_ptr<TPlayer> player)
{
    player->OnBench = 0;
    const QString key = RosterKey(*player);
    return OnCourt.Add(key, std::move(player));
}

int TTeam::AddToBench(std::unique_ptr<TPlayer> player)
{
    player->OnBench = 1;
    const QString key = RosterKey(*player);
    return Bench.Add(key, std::move(player));
}

TPlayer *TTeam::ActivePlayer() const
{
    return (ActiveIndex >= 0 && ActiveIndex < OnCourt.Count()) ? OnCourt.At(ActiveIndex) : nullptr;
}

// ---------------------------------------------------------------- counters

namespace {

// The counters a player record and the team totals share: both have the same
// names for them, so one rule serves both.
template <typename Record> void countShared(Record &r, int kind, int detail, int sign)
{
    switch (kind) {
    case Kind::DefensiveRebound:
        r.DefRebounds += sign;
        break;
    case Kind::Steal:
        r.Steals += sign;
        break;
    case Kind::FoulDrawn:
        r.FoulsDrawn += sign;
        break;
    case Kind::Assist:
        r.Assists += sign;
        break;
    case Kind::BlockReceived:
        r.BlocksReceived += sign;
        break;
    case Kind::OffensiveRebound:
        r.OffRebounds += sign;
        break;
    case Kind::Turnover:
        r.Turnovers += sign;
        break;
    case Kind::PersonalFoul:
        r.PersonalFouls += sign;
        break;
    case Kind::Block:
        r.Blocks += sign;
        break;
    case Kind::TechnicalFoul:
        r.TechnicalFouls += sign;
        r.PersonalFouls += sign;
        break;
    case Kind::ShotMade:
        r.Points += sign * ShotKind::Points(detail);
        switch (detail) {
        case ShotKind::Close:
            r.CloseMade += sign;
            break;
        case ShotKind::MidRange:
            r.MidMade += sign;
            break;
        case ShotKind::Three:
            r.ThreeMade += sign;
            break;
        case ShotKind::FreeThrow:
            r.FreeThrowsMade += sign;
            break;
        case ShotKind::Dunk:
            r.CloseMade += sign;
            r.DunksMade += sign;
            break;
        }
        break;
    case Kind::ShotMissed:
        switch (detail) {
        case ShotKind::Close:
        case ShotKind::Dunk:
            r.CloseMissed += sign;
            r.MissedPoints += 2 * sign;
            break;
        case ShotKind::MidRange:
            r.MidMissed += sign;
            r.MissedPoints += 2 * sign;
            break;
        case ShotKind::Three:
            r.ThreeMissed += sign;
            r.MissedPoints += 3 * sign;
            break;
        case ShotKind::FreeThrow:
            r.FreeThrowsMissed += sign;
            break;
        }
        break;
    }
}

} // namespace

void TTeam::applyPlayerCounters(TPlayer &p, int kind, int detail, int sign)
{
    countShared(p, kind, detail, sign);
    if (kind == Kind::IndirectSteal)
        PlayerStats::AddIndirectSteal(p, sign);
    // Only the player counts missed dunks; the team total for them stays reserved.
    if (kind == Kind::ShotMissed && detail == ShotKind::Dunk)
        p.DunksMissed += sign;
}

void TTeam::applyTotalsForPlayerEvent(int kind, int detail, int sign)
{
    countShared(Data.Totals, kind, detail, sign);
    if (kind == Kind::IndirectSteal)
        Data.Totals.IndirectSteals += sign;
}

void TTeam::applyTeamCounters(int kind, int sign)
{
    if (kind == Kind::IndirectSteal) {
        Data.Totals.IndirectSteals += sign;
        return;
    }
    // Team events carry no shots: a team-mode shot is logged without counters.
    if (kind == Kind::ShotMade || kind == Kind::ShotMissed)
        return;
    countShared(Data.Totals, kind, 0, sign);
    countShared(TeamLine, kind, 0, sign);
}

void TTeam::applyMarkPoints(int detail, bool fastBreak, bool secondChance, int sign)
{
    const int points = ShotKind::Points(detail);
    if (fastBreak)
        Data.Totals.FastBreakPoints += sign * points;
    if (secondChance)
        Data.Totals.SecondChancePoints += sign * points;
}

void TTeam::RecomputeRatings()
{
    TeamLine.Rating = PlayerStats::StoredRating(TeamLine, m_game.Settings().Edition());
    rateTotals();
}

void TTeam::ratePlayerAndTotals(TPlayer &p)
{
    p.Rating = PlayerStats::StoredRating(p, m_game.Settings().Edition());
    rateTotals();
}

void TTeam::rateTotals()
{
    Data.Totals.Rating = PlayerStats::StoredRating(Data.Totals.AsPlayer(), m_game.Settings().Edition());
}

int TTeam::FieldGoalPoints() const
{
    const TTeamTotals &t = Data.Totals;
    return 2 * t.CloseMade + 2 * t.MidMade + 3 * t.ThreeMade;
}

// ---------------------------------------------------------------- timeouts

bool TTeam::TimeoutAllowed() const
{
    // Timeouts are not limited in this system: the setting is kept but not applied.
    return true;
}

bool TTeam::RequestTimeout()
{
    if (!TimeoutAllowed()) {
        m_game.Prompter().ShowError(tr(QStringLiteral("Idokeres mar nem lehetseges!")));
        return false;
    }
    const QString clock = m_game.ClockText();
    Timeouts.append({clock, ToIdokeres{m_game.Period, clock}});
    return true;
}

void TTeam::DeleteTimeout(int period)
{
    for (int i = Timeouts.size() - 1; i >= 0; --i) {
        if (Timeouts[i].second.Period == period) {
            Timeouts.removeAt(i);
            return;
        }
    }
}

// ---------------------------------------------------------------- undo and re-application

void TTeam::changeCounters(int type, int playerId, bool fastBreak, bool secondChance, int detail, int kind,
                           int sign)
{
    IScreenLink &screen = m_game.Screen();
    if (type == 3 || type == 4) {
        applyTeamCounters(kind, sign);
        if (kind == Kind::Timeout && sign < 0)
            DeleteTimeout(detail);
        RecomputeRatings();
        KepernyoMezokFeltoltese(screen);
        return;
    }
    const PlayerPlace place = FindPlayerById(playerId);
    TPlayer *p = place.Player();
    if (!p)
        return;
    applyPlayerCounters(*p, kind, detail, sign);
    applyTotalsForPlayerEvent(kind, detail, sign);
    if (kind == Kind::ShotMade)
        applyMarkPoints(detail, fastBreak, secondChance, sign);
    ratePlayerAndTotals(*p);
    KepernyoMezokFeltoltese(screen);
    m_game.UpdatePassiveLabels();
}

void TTeam::UndoEvent(int type, int playerId, bool fastBreak, bool secondChance, int detail, int kind)
{
    changeCounters(type, playerId, fastBreak, secondChance, detail, kind, -1);
}

void TTeam::ApplyEvent(int type, int playerId, bool fastBreak, bool secondChance, int detail, int kind)
{
    changeCounters(type, playerId, fastBreak, secondChance, detail, kind, +1);
}

void TTeam::DeleteLastEvent(IScreenLink &screen)
{
    // The last line the history shows, deleted as its delete button does.
    if (screen.SelectLastHistoryEntry(SideNumber))
        RecordEvent(SideNumber, Kind::DeleteEvent, 0);
}

// ---------------------------------------------------------------- playing time, selection, roster

void TTeam::CreditPlayingTime()
{
    for (int i = 0; i < OnCourt.Count() && i < TrackedPositions; ++i)
        OnCourt.At(i)->PlayingTime += 1;
}

void TTeam::SetActivePlayer(int row, IScreenLink &screen)
{
    TeamEventMode = false;
    ActiveIndex = m_panel.CourtIndexAt(row, screen);
}

void TTeam::SetSubstitutionPlayer(int row, IScreenLink &screen)
{
    SubstituteIndex = m_panel.BenchIndexAt(row, screen);
}

void TTeam::ClearSelection()
{
    ActiveIndex = -1;
    SubstituteIndex = -1;
}

void TTeam::ClearRoster()
{
    OnCourt.Clear();
    Bench.Clear();
}

std::unique_ptr<TPlayerList> TTeam::SortedRosterCopy() const
{
    auto copy = std::make_unique<TPlayerList>();
    for (const TPlayerList *list : {&OnCourt, &Bench})
        for (int i = 0; i < list->Count(); ++i)
            copy->Add(list->KeyAt(i), std::make_unique<TPlayer>(*list->At(i)));
    return copy;
}

TTeam::PlayerPlace TTeam::FindPlayerById(int jatekosId)
{
    PlayerPlace place;
    for (TPlayerList *list : {&OnCourt, &Bench})
        for (int i = 0; i < list->Count(); ++i)
            if (list->At(i)->JatekosID == jatekosId)
                place = PlayerPlace{list, i};
    return place;
}

void TTeam::CycleVariableColumn()
{
    VariableColumn = VariableColumn >= 9 ? 0 : VariableColumn + 1;
}

void TTeam::CycleDefenseMode(int step)
{
    const int count = DefenseModes.size();
    if (count > 0) {
        if (step > 0)
            DefenseModeIndex = DefenseModeIndex + 1 >= count ? 0 : DefenseModeIndex + 1;
        else
            DefenseModeIndex = DefenseModeIndex - 1 < 0 ? count - 1 : DefenseModeIndex - 1;
    }
    KepernyoMezokFeltolteseDefense(m_game.Screen());
}

// ---------------------------------------------------------------- panel

void TTeam::KepernyoMezokFeltoltese(IScreenLink &screen)
{
    m_panel.Fill(screen);
}

void TTeam::KepernyoMezokFeltolteseDefense(IScreenLink &screen)
{
    m_panel.FillDefense(screen);
}

void TTeam::KepernyoMezokFeltolteseTeamFoul(IScreenLink &screen)
{
    m_panel.FillTeamFouls(screen);
}
