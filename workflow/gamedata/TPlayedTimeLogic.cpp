#include "TPlayedTimeLogic.h"

#include "model/game/TGame.h"
#include "model/game/TTeam.h"
#include "model/services/Services.h"

#include <QRegularExpression>

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

bool TPercJavitas::Parse(const QString &text, int *quarterMinutes)
{
    static const QRegularExpression time(QStringLiteral("^(\\d{1,2})(?::(\\d{2}))?$"));
    const QRegularExpressionMatch m = time.match(text.trimmed());
    if (!m.hasMatch())
        return false;
    const int seconds = m.captured(2).toInt();
    if (seconds % 15 != 0 || seconds >= 60)
        return false;
    *quarterMinutes = m.captured(1).toInt() * 4 + seconds / 15;
    return true;
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
    return m_game.Clock;
}

QString TPlayedTimeLogic::Translate(const QString &text) const
{
    return m_game.Translate(text);
}

QString TPlayedTimeLogic::WrongTotals() const
{
    QStringList lines;
    for (int side : {1, 2})
        if (!TotalRight(side))
            lines << Translate(side == 1 ? QStringLiteral("Home team total: %1, it should be %2.")
                                         : QStringLiteral("Away team total: %1, it should be %2."))
                         .arg(TotalText(side), TPercJavitas::TextOf(ExpectedTotal()));
    return lines.join(QLatin1Char('\n'));
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
        m_game.Prompter().ShowError(Translate(QStringLiteral("A szamitott ossz ido nem helyes!")) +
                                    QLatin1Char('\n') + WrongTotals());
        return false;
    }
    for (TFrame &f : m_frames)
        f.Player->PlayingTime = f.Time.Value();
    m_game.SendMinutesReport();
    m_game.SaveGame();
    return true;
}
