#pragma once

#include <QString>

// One member of a line-up, or one tracked court position of a team: the
// player's name and web identifier. An empty web identifier marks an empty position.
struct TQuintetPlayer
{
    QString Name;
    QString WebID;

    bool IsEmpty() const { return WebID.isEmpty(); }
    bool operator==(const TQuintetPlayer &o) const = default;
};
