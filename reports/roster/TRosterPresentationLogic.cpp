#include "TRosterPresentationLogic.h"

#include "model/TGame.h"
#include "model/TTeam.h"

TRosterPresentationLogic::TRosterPresentationLogic(TGame &game)
    : m_home(build(game.HomeTeam(), game.HomeCoach)), m_away(build(game.AwayTeam(), game.AwayCoach))
{
}

QList<TRosterPresentation> TRosterPresentationLogic::build(TTeam &team, const QString &coach)
{
    QList<TRosterPresentation> entries;
    auto own = [&](const QString &name) {
        auto record = std::make_shared<TPlayer>();
        record->JatekosNev = name.left(MaxName);
        entries.append({record.get(), record});
    };
    own(team.Data.EgyesuletNev);
    for (TPlayerList *list : {&team.OnCourt, &team.Bench})
        for (int i = 0; i < list->Count(); ++i)
            entries.append({list->At(i), nullptr});
    own(coach);
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
