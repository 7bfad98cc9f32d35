#include "TSpreadsheetExport.h"

#include "model/output/TNameOrder.h"
#include "model/output/TPeriodNames.h"

#include "TSheetTemplate.h"
#include "TXlsxWriter.h"

#include "model/game/TGame.h"
#include "model/game/TTeam.h"
#include "model/services/Services.h"

#include <QDir>
#include <algorithm>

namespace {

enum Column
{
    A = 0,
    B,
    C,
    D,
    E,
    F,
    G,
    H,
    I,
    J,
    K,
    L,
    M,
    N,
    O,
    P,
    Q,
    R,
    S,
    T,
    U,
    V,
    W,
    X,
    Y,
    Z,
    AA,
    AB,
    AC,
    AD,
    AE,
    AF,
    AG
};

QList<const TPlayer *> players(const TTeam &team)
{
    QList<const TPlayer *> list;
    for (const TPlayerList *l : {&team.OnCourt, &team.Bench})
        for (int i = 0; i < l->Count(); ++i)
            list.append(l->At(i));
    return list;
}

// The team-line layout from E to AC; the percentage and field-goal cells
// (G, J, M to P, S) are the template's.
void countsFromE(TSpreadsheet &sheet, int row, const TPlayer &p)
{
    const std::pair<int, int> cells[] = {
        {E, p.CloseMade},
        {F, p.CloseMade + p.CloseMissed},
        {H, p.MidMade},
        {I, p.MidMade + p.MidMissed},
        {K, p.ThreeMade},
        {L, p.ThreeMade + p.ThreeMissed},
        {Q, p.FreeThrowsMade},
        {R, p.FreeThrowsMade + p.FreeThrowsMissed},
        {T, p.DefRebounds},
        {U, p.OffRebounds},
        {V, p.DefRebounds + p.OffRebounds},
        {W, p.Steals},
        {X, p.Turnovers},
        {Y, p.PersonalFouls},
        {Z, p.FoulsDrawn},
        {AA, p.Assists},
        {AB, p.Blocks},
        {AC, p.BlocksReceived},
    };
    for (const auto &[column, value] : cells)
        sheet.SetNumber(row, column, value);
}

bool roomFor(const QString &team, int players, int room, QString *error)
{
    if (players <= room)
        return true;
    if (error)
        *error =
            QStringLiteral("%1 has %2 players; the sheet has room for %3.").arg(team).arg(players).arg(room);
    return false;
}

} // namespace

QString TSpreadsheetExport::TemplateName(TKind kind)
{
    return kind == TKind::Excel ? QStringLiteral("parquetix.xlt") : QStringLiteral("fiba.xlt");
}

bool TSpreadsheetExport::BuildExcel(const TGame &game, ITranslator &translator, TSpreadsheet &sheet,
                                    QString *error)
{
    const TEdition edition = game.Settings().Edition();
    const TNameOrder names(edition);
    const TTeam &home = game.HomeTeam();
    const TTeam &away = game.AwayTeam();
    QList<const TPlayer *> homePlayers = players(home);
    QList<const TPlayer *> awayPlayers = players(away);
    if (!roomFor(home.Data.EgyesuletNev, int(homePlayers.size()), ExcelHomeRoom, error) ||
        !roomFor(away.Data.EgyesuletNev, int(awayPlayers.size()), ExcelAwayRoom, error))
        return false;
    auto tr = [&](const char *text) {
        return translator.Translate(QString::fromUtf8(text), QStringLiteral("PRINT"));
    };

    sheet.SheetName = tr("Mérközés statisztikája");
    sheet.SetText(0, A,
                  QStringLiteral("%1 - %2   (%3) %4-%5")
                      .arg(home.Data.EgyesuletNev, away.Data.EgyesuletNev, PlayerStats::ClockText(game.Clock))
                      .arg(home.Data.Totals.Points)
                      .arg(away.Data.Totals.Points));
    const struct
    {
        const TTeam *Team;
        QList<const TPlayer *> *Players;
        int NameRow, TeamRow;
    } blocks[] = {{&home, &homePlayers, 2, 6}, {&away, &awayPlayers, 21, 25}};
    for (const auto &block : blocks) {
        sheet.SetText(block.NameRow, A, block.Team->Data.EgyesuletNev);
        const TPlayer &line = block.Team->TeamLine;
        countsFromE(sheet, block.TeamRow, line);
        sheet.SetNumber(block.TeamRow, AD, PlayerStats::Valuation(line, edition));
        std::stable_sort(
            block.Players->begin(), block.Players->end(),
            [&](const TPlayer *a, const TPlayer *b) { return names(a->JatekosNev, b->JatekosNev); });
        int row = block.TeamRow + 1;
        for (const TPlayer *p : *block.Players) {
            sheet.SetNumber(row, A, p->JatekosMezSzam);
            sheet.SetText(row, B, p->JatekosNev);
            if (p->Starter)
                sheet.SetBold(row, B);
            sheet.SetText(row, D, PlayerStats::PlayingTimeText(*p));
            countsFromE(sheet, row, *p);
            sheet.SetNumber(row, AD, p->TechnicalFouls);
            sheet.SetNumber(row, AE, p->DunksMade);
            sheet.SetNumber(row, AF, PlayerStats::Valuation(*p, edition));
            if (p->Starter)
                sheet.SetText(row, AG, QStringLiteral("*"));
            ++row;
        }
    }
    sheet.SetText(41, H, tr("Home"));
    sheet.SetText(41, I, tr("Away"));
    // The four rows take the game's periods in order: a game of two periods
    // has its overtimes in the third and fourth, named as overtimes.
    const QList<TGame::Score> scores = game.PeriodScores(4);
    for (int k = 0; k < 4; ++k) {
        if (game.Periods().IsOvertime(k + 1) && k + 1 <= game.PeriodsPlayed())
            sheet.SetText(42 + k, G, TPeriodNames::Name(game, k + 1, translator, QStringLiteral("PRINT")));
        else
            sheet.SetNumber(42 + k, G, k + 1);
        sheet.SetNumber(42 + k, H, k < scores.size() ? scores[k].Home : 0);
        sheet.SetNumber(42 + k, I, k < scores.size() ? scores[k].Away : 0);
    }
    return true;
}

bool TSpreadsheetExport::BuildFiba(const TGame &game, TSpreadsheet &sheet, QString *error)
{
    const TTeam &home = game.HomeTeam();
    const TTeam &away = game.AwayTeam();
    QList<const TPlayer *> homePlayers = players(home);
    QList<const TPlayer *> awayPlayers = players(away);
    if (!roomFor(home.Data.EgyesuletNev, int(homePlayers.size()), FibaRoom, error) ||
        !roomFor(away.Data.EgyesuletNev, int(awayPlayers.size()), FibaRoom, error))
        return false;
    const std::pair<QList<const TPlayer *> *, int> blocks[] = {{&homePlayers, 8}, {&awayPlayers, 28}};
    for (const auto &[list, first] : blocks) {
        // Jersey numbers in text order: 10 comes before 4.
        std::stable_sort(list->begin(), list->end(), [](const TPlayer *a, const TPlayer *b) {
            return QString::number(a->JatekosMezSzam) < QString::number(b->JatekosMezSzam);
        });
        int row = first;
        for (const TPlayer *p : *list) {
            const int twoMade = p->CloseMade + p->MidMade;
            const int twoTried = twoMade + p->CloseMissed + p->MidMissed;
            sheet.SetNumber(row, B, p->JatekosMezSzam);
            sheet.SetText(row, C, (p->JatekosNev + (p->Starter ? QStringLiteral(" *") : QString())).left(62));
            sheet.SetText(row, F, PlayerStats::PlayingTimeText(*p));
            const std::pair<int, int> cells[] = {
                {G, twoMade},
                {H, twoTried},
                {I, p->ThreeMade},
                {J, p->ThreeMade + p->ThreeMissed},
                {K, p->FreeThrowsMade},
                {L, p->FreeThrowsMade + p->FreeThrowsMissed},
                {M, p->OffRebounds},
                {N, p->DefRebounds},
                {O, p->OffRebounds + p->DefRebounds},
                {P, p->Assists},
                {Q, p->PersonalFouls},
                {R, p->Turnovers},
                {S, p->Steals},
                {T, 2 * twoMade + 3 * p->ThreeMade + p->FreeThrowsMade},
            };
            for (const auto &[column, value] : cells)
                sheet.SetNumber(row, column, value);
            ++row;
        }
    }
    return true;
}

bool TSpreadsheetExport::Run(TKind kind, const TGame &game, ITranslator &translator,
                             const QString &templateFolder, const QString &file, QString *error)
{
    TSpreadsheet sheet;
    if (!TSheetTemplate::Load(QDir(templateFolder).filePath(TemplateName(kind)), sheet, error))
        return false;
    TSheetTemplate::Translate(sheet, translator);
    const bool built =
        kind == TKind::Excel ? BuildExcel(game, translator, sheet, error) : BuildFiba(game, sheet, error);
    return built && TXlsxWriter::Write(sheet, file, error);
}
