#pragma once

#include <QHash>

// Whether a key acts as shifted. Keys act when released, and operators let go
// of Shift and the key in either order: a key counts as shifted when Shift was
// held at any moment while it was down, not only at its release.
class TShiftDecoder
{
public:
    // A key went down (virtual-key code); shift: a Shift key is held.
    void Press(int key, bool shift);
    // A key came up: whether Shift was held at any time while it was down.
    bool Release(int key, bool shift);

private:
    // The keys that are down, and whether Shift was seen while each was.
    QHash<int, bool> m_down;
};
