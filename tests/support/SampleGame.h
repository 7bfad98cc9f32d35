#pragma once

#include <QString>

// The script lines of the sample game's rosters (tests/data/sample-roster.txt):
// two teams of three players on court and one on the bench, one player with a
// single-word name. The game code and the period length are the caller's.
QString SampleRoster();
