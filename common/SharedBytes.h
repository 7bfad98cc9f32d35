#pragma once

#include <QByteArrayView>
#include <algorithm>
#include <cstring>

// Where two texts part: compared a block at a time, as a byte loop costs
// several instructions a byte.
namespace SharedBytes {

// How many leading bytes a and b share.
inline qsizetype Prefix(QByteArrayView a, QByteArrayView b)
{
    constexpr qsizetype Block = 64;
    const qsizetype n = std::min(a.size(), b.size());
    qsizetype i = 0;
    while (i + Block <= n && std::memcmp(a.data() + i, b.data() + i, Block) == 0)
        i += Block;
    while (i < n && a[i] == b[i])
        ++i;
    return i;
}

// How many trailing bytes a and b share, at most limit.
inline qsizetype Suffix(QByteArrayView a, QByteArrayView b, qsizetype limit)
{
    constexpr qsizetype Block = 64;
    const qsizetype n = std::min({a.size(), b.size(), limit});
    const char *ea = a.data() + a.size();
    const char *eb = b.data() + b.size();
    qsizetype i = 0;
    while (i + Block <= n && std::memcmp(ea - i - Block, eb - i - Block, Block) == 0)
        i += Block;
    while (i < n && ea[-i - 1] == eb[-i - 1])
        ++i;
    return i;
}

} // namespace SharedBytes
