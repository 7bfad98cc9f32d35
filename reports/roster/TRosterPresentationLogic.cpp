#include "TRosterPresentationLogic.h"

#include "model/game/TGame.h"
#include "model/game/TTeam.h"

TRosterPresentationLogic::TRosterPresentationLogic(TGame &game)
    : m_homeTeam(game.HomeTeam()), m_awayTeam(game.AwayTeam()), m_home(build(m_homeTeam, game.HomeCoach)),
      m_away(build(m_awayTeam, game.AwayCoach))
{
}

QList<TRosterPresentation> TRosterPresentationLogic::build(TTeam &team, const QString &coach)
{
    QList<TRosterPresentation> entries;
    auto own = [&](const QString &name, const QString &note) {
        auto record = std::make_shared<TPlayer>();
        record->JatekosNev = name.left(MaxName);
        record->Note = note;
        entries.append({record.get(), record});
    };
    own(team.Data.EgyesuletNev, team.TeamLine.Note);
    for (TPlayerList *list : {&team.OnCourt, &team.Bench})
        for (int i = 0; i < list->Count(); ++i)
            entries.append({list->At(i), nullptr});
    own(coach, team.TeamLine.CoachNote);
    return entries;
}

QStringList TRosterPresentationLogic::Notes(bool home) const
{
    QStringList notes;
    for (const TRosterPresentation &e : Entries(home))
        notes.append(e.Record->Note);
    return notes;
}

bool TRosterPresentationLogic::StoreNotes(bool home, const QStringList &notes)
{
    const QList<TRosterPresentation> &entries = Entries(home);
    if (notes.size() != entries.size())
        return false;
    for (int i = 0; i < entries.size(); ++i)
        entries[i].Record->Note = notes[i].left(MaxNote);
    TPlayer &line = (home ? m_homeTeam : m_awayTeam).TeamLine;
    line.Note = entries.first().Record->Note;
    line.CoachNote = entries.last().Record->Note;
    return true;
}

TPlayer *TRosterPresentationLogic::PlayerByJersey(TTeam &team, int jersey)
{
    for (TPlayerList *list : {&team.OnCourt, &team.Bench})
        for (int i = 0; i < list->Count(); ++i)
            if (list->At(i)->JatekosMezSzam == jersey)
                return list->At(i);
    return nullptr;
}
