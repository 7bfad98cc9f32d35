#pragma once

#include "TQuintetPlayer.h"
#include "model/game/TPlayer.h"

#include <QList>
#include <array>

// A line-up record: the counters and playing time collected while one set of
// three players was on court together, followed by those three players.
class ToCsereSorok : public TPlayer
{
public:
    static constexpr int MemberCount = 3;

    std::array<TQuintetPlayer, MemberCount> Members;

    // The line-up's identity: the members' web identifiers sorted in text
    // order and joined with nothing between them.
    QString Key() const;
    static QString KeyOf(const QList<TQuintetPlayer> &members);
};
