#pragma once

#include "model/TQuintetPlayer.h"

#include <ostream>

// Readable line-up members in GoogleTest failure messages.
inline void PrintTo(const TQuintetPlayer &m, std::ostream *os)
{
    *os << '(' << m.Name.toStdString() << ", " << m.WebID.toStdString() << ')';
}
