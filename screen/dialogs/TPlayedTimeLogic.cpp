#include "TPlayedTimeLogic.h"

#include "model/Services.h"
#include "model/TGame.h"
#include "model/TTeam.h"

QString TPercJavitas::TextOf(int quarterMinutes)
{
    return QStringLiteral("%1:%2")
        .arg(quarterMinutes / 4, 2, 10, QLatin1Char('0'))
        .arg((quarterMinutes % 4) * 15, 2, 10, QLatin1Char('0'));
}

int TPercJavitas::ValueOf(const QString &text)
{
    bool ok = false;
    int minutes = text.left(2).toInt(&ok);
    if (!ok)
        minutes = 0;
    int seconds = text.mid(3, 2).toInt(&ok);
    if (!ok)
        seconds = 0;
    return minutes * 4 + seconds / 15;
}

TPlayedTimeLogic::TPlayedTimeLogic(TGame &game) : m_game(game)
{
    for (int side : {1, 2}) {
        const TTeam &team = game.Team(side);
        const QString prefix = QStringLiteral("CSAPAT_%1_").arg(side);
        const int onCourt = team.OnCourt.Count();
        for (const bool bench : {false, true}) {
            const TPlayerList &list = bench ? team.Bench : team.OnCourt;
            for (int i = 0; i < list.Count(); ++i) {
                TFrame f;
                f.Name = prefix + (bench ? QStringLiteral("CSERECSAPAT_") : QStringLiteral("CSAPAT_")) +
                         QString::number(i);
                f.Side = side;
                f.Top = ((bench ? onCourt : 0) + i) * 28;
                f.Player = list.At(i);
                f.Time.SetValue(f.Player->PlayingTime);
                m_frames.append(f);
            }
        }
    }
}

int TPlayedTimeLogic::ReferenceClock() const
{
    return m_game.PeriodsEnded == m_game.Period ? m_game.Clock : m_game.Clock - 1;
}

int TPlayedTimeLogic::Total(int side) const
{
    int total = 0;
    for (const TFrame &f : m_frames)
        if (f.Side == side)
            total += f.Time.Value();
    return total;
}

bool TPlayedTimeLogic::Ok()
{
    if (!TotalRight(1) || !TotalRight(2)) {
        m_game.Prompter().ShowError(m_game.Translate(QStringLiteral("A szamitott ossz ido nem helyes!")));
        return false;
    }
    for (TFrame &f : m_frames)
        f.Player->PlayingTime = f.Time.Value();
    m_game.SendMinutesReport();
    m_game.SaveGame();
    return true;
}
