#include "THistoryChoices.h"

#include "model/EventKinds.h"
#include "model/TTeam.h"

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
    return {
        {QStringLiteral("technikai hiba"), Kind::TechnicalFoul},
        {QStringLiteral("védőlepattanó"), Kind::DefensiveRebound},
        {QStringLiteral("támadólepattanó"), Kind::OffensiveRebound},
        {QStringLiteral("labdaszerzés"), Kind::Steal},
        {QStringLiteral("kiharcolt személyi"), Kind::FoulDrawn},
        {QStringLiteral("személyi hiba"), Kind::PersonalFoul},
        {QStringLiteral("gólpassz"), Kind::Assist},
        {QStringLiteral("hiba"), Kind::BlockReceived},
        {QStringLiteral("eladott labda"), Kind::Turnover},
        {QStringLiteral("blokkolt dobás"), Kind::Block},
        {QStringLiteral("sikeres dobás"), Kind::ShotMade},
        {QStringLiteral("sikertelen dobás"), Kind::ShotMissed},
    };
}

int LineNumber(const QString &text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? value : 0;
}

} // namespace HistoryChoices
