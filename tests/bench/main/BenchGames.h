#pragma once

// The rosters and the event mix the benchmarks share, so that their games
// stay the same from one benchmark to the next.
#include "model/events/EventKinds.h"
#include "model/game/TGame.h"
#include "model/script/TGameScript.h"
#include "model/services/THeadlessScreen.h"

#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <memory>

namespace BenchGames {

// Seven players: three on court and one on the bench at home, three on court away.
inline QString SmallRoster()
{
    return QStringLiteral(R"(team home id=1 webid=T1 name=Home league=1
team away id=2 webid=T2 name=Away league=1
player home id=11 webid=H11 jersey=4 name="A One" court
player home id=12 webid=H12 jersey=7 name="B Two" court
player home id=13 webid=H13 jersey=10 name="C Three" court
player home id=14 webid=H14 jersey=15 name="D Four" bench
player away id=21 webid=A21 jersey=5 name="E Five" court
player away id=22 webid=A22 jersey=8 name="F Six" court
player away id=23 webid=A23 jersey=12 name="G Seven" court
)");
}

// Ten players: three on court and two on the bench a side, under the given team names.
inline QString FullRoster(const QString &homeName, const QString &awayName)
{
    return QStringLiteral("team home id=1 webid=T1 name=%1 league=1\n"
                          "team away id=2 webid=T2 name=%2 league=1\n")
               .arg(homeName, awayName) +
           QStringLiteral(R"(player home id=11 webid=H11 jersey=4 name="A One" court
player home id=12 webid=H12 jersey=7 name="B Two" court
player home id=13 webid=H13 jersey=10 name="C Three" court
player home id=14 webid=H14 jersey=15 name="D Four" bench
player home id=15 webid=H15 jersey=20 name="E Five" bench
player away id=21 webid=A21 jersey=5 name="F Six" court
player away id=22 webid=A22 jersey=8 name="G Seven" court
player away id=23 webid=A23 jersey=12 name="H Eight" court
player away id=24 webid=A24 jersey=21 name="I Nine" bench
player away id=25 webid=A25 jersey=30 name="J Ten" bench
)");
}

// The n-th event of a plain mix: shots, rebounds, steals, turnovers and clock
// steps, the two sides taking turns.
inline void RecordMixed(TGame &game, int n)
{
    TTeam &team = game.Team(1 + n % 2);
    team.ActiveIndex = n % 3;
    switch (n % 6) {
    case 0:
        team.RecordEvent(team.SideNumber, Kind::ShotMade, ShotKind::MidRange, 100, 120);
        break;
    case 1:
        team.RecordEvent(team.SideNumber, Kind::ShotMissed, ShotKind::Three, 20, 200);
        break;
    case 2:
        team.RecordEvent(team.SideNumber, Kind::DefensiveRebound, 0);
        break;
    case 3:
        team.RecordEvent(team.SideNumber, Kind::Steal, 0);
        break;
    case 4:
        team.RecordEvent(team.SideNumber, Kind::Turnover, 0);
        break;
    case 5:
        if (game.Clock < 380)
            game.AwayTeam().RecordEvent(2, Kind::ClockStep, 2);
        else
            team.RecordEvent(team.SideNumber, Kind::Assist, 0);
        break;
    }
}

// The n-th event of the full mix: shots of every kind, rebounds, fouls, team
// events, clock steps and now and then a change; the fifth of every ten is
// the given kind.
inline void RecordFull(TGame &game, int n, int fifthKind = Kind::Turnover)
{
    TTeam &team = game.Team(1 + n % 2);
    team.TeamEventMode = false;
    team.ActiveIndex = n % 3;
    const int side = team.SideNumber;
    switch (n % 10) {
    case 0:
        team.RecordEvent(side, Kind::ShotMade, ShotKind::MidRange, 100, 120);
        break;
    case 1:
        team.RecordEvent(side, Kind::ShotMissed, ShotKind::Three, 20, 200);
        break;
    case 2:
        team.RecordEvent(side, Kind::DefensiveRebound, 0);
        break;
    case 3:
        team.RecordEvent(side, Kind::ShotMade, ShotKind::Three, 20, 200);
        break;
    case 4:
        team.RecordEvent(side, fifthKind, 0);
        break;
    case 5:
        if (game.Clock < 390)
            game.AwayTeam().RecordEvent(2, Kind::ClockStep, 2);
        else
            team.RecordEvent(side, Kind::Assist, 0);
        break;
    case 6:
        team.RecordEvent(side, Kind::ShotMade, ShotKind::FreeThrow);
        break;
    case 7:
        team.TeamEventMode = true;
        team.RecordEvent(side, Kind::OffensiveRebound, 0);
        break;
    case 8:
        team.RecordEvent(side, Kind::PersonalFoul, 0);
        break;
    default:
        if (n % 60 == 9) {
            team.SubstituteIndex = n % 2;
            team.Substitute();
        } else {
            team.RecordEvent(side, Kind::ShotMade, ShotKind::Dunk, 120, 20);
        }
        break;
    }
}

// A game of the given logged events on the full roster: its game line (the
// words after "game"), ten-minute periods begun, then the mix's n-th event
// for n = 0, 1, ... until the count is reached. The folder takes what the
// benchmark writes.
struct TBenchGame
{
    TSettings settings;
    TFixedClock clock{QDateTime(QDate(2026, 12, 9), QTime(18, 30))};
    THeadlessScreen screen;
    TIdentityTranslator translator;
    std::unique_ptr<TGame> game;
    QTemporaryDir dir;

    TBenchGame(const QString &gameLine, const QString &homeName, const QString &awayName,
               const std::function<void(TGame &, int)> &record, int events = 3000)
    {
        game = std::make_unique<TGame>(TGameServices{.Settings = &settings, .Clock = &clock});
        game->SetScreen(&screen);
        TGameScript script(*game, screen);
        script.Run(QStringLiteral("\ngame ") + gameLine + QStringLiteral("\n") +
                   FullRoster(homeName, awayName) + QStringLiteral("length 10\ntick\n"));
        for (int n = 0; game->AllEvents.Count() < events; ++n)
            record(*game, n);
    }
};

// The game of the box score and the spreadsheet benchmarks: referees,
// spectators and the full mix; made on first use.
inline TBenchGame &BoxScoreGame()
{
    static TBenchGame g(QStringLiteral("code=BENCH003 stadium=\"Bench Arena\" referee1=\"One Ref\" "
                                       "referee2=\"Two Ref\" attendance=1200"),
                        QStringLiteral("\"Home Team\""), QStringLiteral("\"Away Team\""),
                        [](TGame &game, int n) { RecordFull(game, n); });
    return g;
}

} // namespace BenchGames
