#include "TGameDataLogic.h"

#include "model/game/TGame.h"
#include "model/game/TTeamData.h"
#include "model/output/TTextBoxScore.h"
#include "model/statistics/TSideTotals.h"

TGameDataLogic::TGameDataLogic(TGame &game, const TStaffSource &staff) : m_game(game)
{
    if (staff) {
        Referees = staff(QStringLiteral("B"));
        Coaches = staff(QStringLiteral("E"));
        Stadiums = staff(QStringLiteral("H"));
    }
    Fields = {game.GameDate,
              game.GameTime,
              QString::number(game.Attendance),
              QString::number(game.Income),
              game.Referee1,
              game.Referee2,
              game.Referee3,
              game.HomeCoach,
              game.AwayCoach,
              game.Stadium};
    for (int side : {1, 2})
        for (int line = 1; line <= 5; ++line) {
            // The five rows as the text report fills them: the regular
            // periods in order, every overtime together in the last.
            TTeamTotals totals;
            for (const int n : TTextBoxScore::LineStretches(game, line))
                TSideTotals::PeriodTotals(game, side, n, false, totals);
            Points[size_t(side - 1)][size_t(line - 1)] = totals.Points;
        }
}

int TGameDataLogic::Sum(const std::array<int, 5> &points)
{
    int sum = 0;
    for (int p : points)
        sum += p;
    return sum;
}

qint32 TGameDataLogic::WholeNumber(const QString &text)
{
    bool ok = false;
    const qint32 value = text.toInt(&ok);
    return ok ? value : 0;
}

void TGameDataLogic::Ok() const
{
    m_game.GameDate = Fields.GameDate;
    m_game.GameTime = Fields.GameTime;
    m_game.Attendance = WholeNumber(Fields.Attendance);
    m_game.Income = WholeNumber(Fields.Income);
    m_game.Referee1 = Fields.Referee1;
    m_game.Referee2 = Fields.Referee2;
    m_game.Referee3 = Fields.Referee3;
    m_game.HomeCoach = Fields.HomeCoach;
    m_game.AwayCoach = Fields.AwayCoach;
    m_game.Stadium = Fields.Stadium;
    m_game.GameDataChanged();
}
