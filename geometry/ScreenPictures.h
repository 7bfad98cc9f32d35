#pragma once

#include <string_view>

// The pictures of the court screen's library, one PNG per name in
// Library/<LANGUAGE>/, and where the screen places the pictures whose place
// the picture library decides.
namespace ScreenPictures {

struct Picture
{
    std::string_view name;
    int width;
    int height;
    bool hasText; // differs between languages
};

inline constexpr Picture All[] = {
    {"SCREEN", 1000, 688, true},
    {"COURT_VERTICAL", 423, 422, false},
    {"COURT_HORIZONTAL", 423, 422, false},
    {"MASK_VERTICAL", 240, 359, false},
    {"MASK_HORIZONTAL", 359, 240, false},
    {"GOMB1", 32, 47, true},
    {"GOMB2", 32, 47, true},
    {"GOMB3", 32, 47, true},
    {"GOMB4", 32, 47, true},
    {"GOMB5", 32, 47, true},
    {"GOMB6", 32, 47, true},
    {"GOMB7", 32, 47, true},
    {"GOMB8", 32, 47, true},
    {"GOMB9", 32, 47, true},
    {"GOMB10", 32, 47, true},
    {"GOMB11", 32, 47, true},
    {"ADDTIME", 32, 47, true},
    {"MENTES", 32, 47, true},
    {"TECH", 32, 47, true},
    {"RECOVER", 32, 47, true},
    {"BUNTETO", 43, 9, true},
    {"TIMEOUT", 43, 9, true},
    {"NEGYED1", 39, 11, true},
    {"NEGYED2", 39, 11, true},
    {"NEGYED3", 39, 11, true},
    {"NEGYED4", 39, 11, true},
    {"NEGYEDH", 39, 11, true},
    {"FELIDO1", 39, 11, true},
    {"FELIDO2", 39, 11, true},
    {"DIGIT0", 14, 25, false},
    {"DIGIT1", 14, 25, false},
    {"DIGIT2", 14, 25, false},
    {"DIGIT3", 14, 25, false},
    {"DIGIT4", 14, 25, false},
    {"DIGIT5", 14, 25, false},
    {"DIGIT6", 14, 25, false},
    {"DIGIT7", 14, 25, false},
    {"DIGIT8", 14, 25, false},
    {"DIGIT9", 14, 25, false},
    {"TEAMFOUL", 18, 18, false},
    {"DEFENSE", 95, 56, true},
    {"BULLET", 10, 10, false},
    {"MARKER_MADE", 8, 8, false},
    {"MARKER_MISSED", 10, 10, false},
    {"EXIT", 23, 23, false},
    {"PRINT", 33, 53, true},
    {"PRINTALL", 33, 53, true},
    {"CURSOR", 11, 19, false},
    {"HISTORY", 268, 165, true},
    {"MINIPALYA", 200, 300, false},
    {"FELPALYA", 300, 218, false},
};

// Pictures without a place of their own in the screen's layout tables.
struct Place
{
    int left;
    int top;
};
inline constexpr Place HomeHistory{14, 2};
inline constexpr Place AwayHistory{715, 452};

} // namespace ScreenPictures
