#pragma once

#include <QString>

class QRandomGenerator;

// A new random game code of 8 characters: three capital letters, a digit,
// three capital letters, a digit. The letters are drawn from "A" to "Y"
// (25 letters, never "Z"), the digits from "0" to "9".
QString NewGameCode(QRandomGenerator &rng);
// The same, drawn from the process-wide generator.
QString NewGameCode();
