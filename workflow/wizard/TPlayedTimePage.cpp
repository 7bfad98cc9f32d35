#include "TPlayedTimePage.h"

#include "masterdata/TMessageTable.h"
#include "model/game/TGame.h"
#include "model/game/TTeam.h"
#include "model/services/Services.h"

TPlayedTimePage::TPlayedTimePage(TGame &game, IPrompter &prompter, const TMessageTable &messages)
    : m_game(game), m_prompter(prompter), m_messages(messages), m_logic(game)
{
}

bool TPlayedTimePage::SetTime(int side, int index, int quarterMinutes, QString *error)
{
    int seen = 0;
    for (TPlayedTimeLogic::TFrame &f : m_logic.Frames()) {
        if (f.Side != side)
            continue;
        if (seen++ == index) {
            f.Time.SetValue(quarterMinutes);
            return true;
        }
    }
    if (error)
        *error = QStringLiteral("the %1 team has %2 players, no player %3")
                     .arg(side == 1 ? QStringLiteral("home") : QStringLiteral("away"))
                     .arg(seen)
                     .arg(index);
    return false;
}

void TPlayedTimePage::Store(bool minutesReport, bool recompute)
{
    if (!m_logic.TotalRight(1) || !m_logic.TotalRight(2))
        m_prompter.ShowError(m_messages.MsgTotalTimeWrong + QLatin1Char('\n') + m_logic.WrongTotals());
    for (TPlayedTimeLogic::TFrame &f : m_logic.Frames())
        f.Player->PlayingTime = f.Time.Value();
    if (recompute)
        for (int side : {1, 2}) {
            TTeam &team = m_game.Team(side);
            for (const TPlayerList *list : {&team.OnCourt, &team.Bench})
                for (int i = 0; i < list->Count(); ++i)
                    list->At(i)->Rating =
                        PlayerStats::StoredRating(*list->At(i), m_game.Settings().Edition());
            team.RecomputeRatings();
        }
    if (minutesReport)
        m_game.SendMinutesReport();
    m_game.SaveGame();
}

void TEndPage::Fill(const TGame &game)
{
    HomeName = game.HomeTeam().Data.EgyesuletNev;
    AwayName = game.AwayTeam().Data.EgyesuletNev;
    HomePoints = game.HomeTeam().Data.Totals.Points;
    AwayPoints = game.AwayTeam().Data.Totals.Points;
}
