#include "TGameReport.h"

#include "TEventReplay.h"
#include "model/game/TGame.h"

TGameReport::TGameReport(TGame &game)
    : PeriodFlags(size_t(game.Periods().MaxStretches()), false), HomeTotals(game), AwayTotals(game),
      m_game(game)
{
    HomeTotals.Data.EgyesuletNev = game.HomeTeam().Data.EgyesuletNev;
    AwayTotals.Data.EgyesuletNev = game.AwayTeam().Data.EgyesuletNev;
}

TGameReport::~TGameReport() = default;

void TGameReport::Build()
{
    for (size_t n = 1; n <= PeriodFlags.size(); ++n)
        if (PeriodFlags[n - 1])
            AccumulatePeriod(int(n));
    AddMissingPlayers();
}

TPlayer *TGameReport::PlayerCopy(int jatekosId, TPlayerList &list, TTeam &gameTeam)
{
    const TPlayer *player = gameTeam.FindPlayerById(jatekosId).Player();
    if (!player)
        return nullptr;
    const QString key = JerseyKey(*player);
    const int at = list.IndexOf(key);
    if (at >= 0)
        return list.At(at);
    auto copy = std::make_unique<TPlayer>();
    copy->JatekosMezSzam = player->JatekosMezSzam;
    copy->JatekosNev = player->JatekosNev;
    copy->JatekosRovidNev = player->JatekosRovidNev;
    copy->JatekosID = player->JatekosID;
    copy->WebID = player->WebID;
    copy->Starter = player->Starter;
    TPlayer *result = copy.get();
    list.Add(key, std::move(copy));
    return result;
}

bool TGameReport::replaySubstitution(const TGameEvent &event, QList<TPlayer *> &current, TPlayerList &list,
                                     TTeam &team)
{
    QString inId;
    QString outId;
    if (!TEventReplay::SubstitutionIds(event.Message, &inId, &outId))
        return false;
    // A substitution naming players the game does not have changes nothing.
    if (!m_game.FindPlayerByWebId(inId) || !m_game.FindPlayerByWebId(outId))
        return true;
    const TPlayer incoming = m_game.GamePlayerRecordByWebId(inId);
    const TPlayer outgoing = m_game.GamePlayerRecordByWebId(outId);
    TPlayer *copy = nullptr;
    for (TPlayer *&entry : current) {
        if (entry->WebID != outgoing.WebID)
            continue;
        if (!copy)
            copy = PlayerCopy(incoming.JatekosID, list, team);
        if (!copy)
            return false;
        entry = copy;
    }
    return true;
}

void TGameReport::AccumulatePeriod(int period)
{
    TTeam *gameTeams[] = {&m_game.HomeTeam(), &m_game.AwayTeam()};
    TTeam *reportTeams[] = {&HomeTotals, &AwayTotals};
    TPlayerList *lists[] = {&HomePlayers, &AwayPlayers};
    // The copies of the players on court, as the substitutions move them;
    // every one of them is credited each clock step of the period.
    QList<TPlayer *> current[2];
    for (int t = 0; t < 2; ++t)
        for (const TPlayerList *roster : {&gameTeams[t]->OnCourt, &gameTeams[t]->Bench})
            for (int i = 0; i < roster->Count(); ++i) {
                TPlayer *copy = PlayerCopy(roster->At(i)->JatekosID, *lists[t], *gameTeams[t]);
                if (copy && copy->Starter != 0)
                    current[t].append(copy);
            }

    const TPeriodRule rule = m_game.Periods();
    const TEventList &events = m_game.AllEvents;
    for (int i = 0; i < events.Count(); ++i) {
        const TGameEvent &ev = *events.At(i);
        const int t = TEventReplay::IsHomeSide(ev.Side) ? 0 : 1;
        bool ok = true;
        if (ev.Kind == Kind::Substitution) {
            ok = replaySubstitution(ev, current[t], *lists[t], *gameTeams[t]);
        } else if (TEventReplay::InPeriod(ev, period, rule)) {
            if (ev.Kind == Kind::ClockStep) {
                if (TEventReplay::IsClockStep(ev))
                    for (QList<TPlayer *> &list : current)
                        for (TPlayer *copy : list)
                            copy->PlayingTime += 1;
            } else {
                TPlayer *record = &reportTeams[t]->TeamLine;
                if (ev.PlayerId != -1)
                    record = PlayerCopy(ev.PlayerId, *lists[t], *gameTeams[t]);
                if (record) {
                    TEventReplay::Count(*record, ev.Kind, ev.Detail);
                    TEventReplay::Count(reportTeams[t]->Data.Totals, ev.Kind, ev.Detail);
                } else {
                    ok = false;
                }
            }
        }
        if (!ok)
            m_game.Prompter().ShowError(QString::number(i));
    }
}

void TGameReport::AddMissingPlayers()
{
    TTeam *gameTeams[] = {&m_game.HomeTeam(), &m_game.AwayTeam()};
    TPlayerList *lists[] = {&HomePlayers, &AwayPlayers};
    for (int t = 0; t < 2; ++t)
        for (const TPlayerList *roster : {&gameTeams[t]->OnCourt, &gameTeams[t]->Bench})
            for (int i = 0; i < roster->Count(); ++i) {
                const TPlayer &p = *roster->At(i);
                const QString key = JerseyKey(p);
                if (lists[t]->IndexOf(key) >= 0)
                    continue;
                auto copy = std::make_unique<TPlayer>();
                copy->JatekosMezSzam = p.JatekosMezSzam;
                copy->JatekosNev = p.JatekosNev;
                copy->JatekosRovidNev = p.JatekosRovidNev;
                copy->JatekosID = p.JatekosID;
                lists[t]->Add(key, std::move(copy));
            }
}
