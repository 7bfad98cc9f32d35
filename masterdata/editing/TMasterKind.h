#pragma once

// The four kinds of master data row the lists and edit dialogs work on.
enum class TMasterKind
{
    League,
    Team,
    Player,
    Game
};
