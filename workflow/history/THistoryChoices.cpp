#include "THistoryChoices.h"

#include "model/events/EventKindTable.h"
#include "model/game/TTeam.h"

#include <algorithm>

namespace HistoryChoices {

QList<THistoryChoice> Players(const TTeam &team, bool sortByName)
{
    struct Row
    {
        int Jersey;
        QString Name;
        int Id;
    };
    QList<Row> rows;
    for (const TPlayerList *list : {&team.OnCourt, &team.Bench})
        for (int i = 0; i < list->Count(); ++i)
            rows.append(Row{list->At(i)->JatekosMezSzam, list->At(i)->JatekosNev, list->At(i)->JatekosID});
    std::stable_sort(rows.begin(), rows.end(), [sortByName](const Row &a, const Row &b) {
        return sortByName ? a.Name < b.Name : a.Jersey < b.Jersey;
    });
    QList<THistoryChoice> choices;
    for (const Row &r : rows)
        choices.append({QStringLiteral("%1 %2").arg(r.Jersey).arg(r.Name), r.Id});
    return choices;
}

QList<THistoryChoice> Events()
{
    QList<THistoryChoice> choices;
    for (const TEventKind &k : EventKindTable::All())
        if (k.FilterCaption)
            choices.append({QString::fromUtf8(k.FilterCaption), k.Kind});
    return choices;
}

int LineNumber(const QString &text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? value : 0;
}

} // namespace HistoryChoices
