#pragma once

#include <QString>

// The script lines of the sample game's rosters (tests/data/sample-roster.txt):
// two teams of three players on court and one on the bench, one player with a
// single-word name. The game code and the period length are the caller's.
QString SampleRoster();

// The sample rosters as a test needs them: other team names, the team lines
// without their league, a bench left out, the single-word name with a first
// name ("FARKAS Mate").
struct TRosterVariant
{
    const char *Home = "Home Team";
    const char *Away = "Away Team";
    bool League = true;
    bool HomeBench = true;
    bool AwayBench = true;
    bool FullNames = false;
};
QString SampleRoster(const TRosterVariant &variant);
