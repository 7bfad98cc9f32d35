#include "Win1250.h"

#include <algorithm>
#include <array>
#include <utility>

namespace Win1250 {

namespace {

// The code page's characters for the bytes 0x80 to 0xFF. A table of our own:
// opening the system's converter costs more than a whole saved game's texts,
// and the first one of a process loads the converter data.
constexpr char16_t High[128] = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021, // 80
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179, // 88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, // 98
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7, // A0
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B, // A8
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, // B0
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C, // B8
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, // C0
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E, // C8
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, // D0
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF, // D8
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, // E0
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F, // E8
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7, // F0
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9, // F8
};

// The same pairs ordered by character, for encoding.
constexpr std::array<std::pair<char16_t, unsigned char>, 128> byCharacter()
{
    std::array<std::pair<char16_t, unsigned char>, 128> out{};
    for (int i = 0; i < 128; ++i)
        out[size_t(i)] = {High[i], static_cast<unsigned char>(0x80 + i)};
    std::sort(out.begin(), out.end());
    return out;
}
constexpr auto Reverse = byCharacter();

} // namespace

QByteArray Encode(const QString &text)
{
    QByteArray out(text.size(), Qt::Uninitialized);
    char *to = out.data();
    const QChar *from = text.constData();
    const QChar *end = from + text.size();
    for (; from != end; ++from) {
        const char16_t c = from->unicode();
        if (c < 0x80) {
            *to++ = char(c);
            continue;
        }
        // A pair of UTF-16 units is one character the code page lacks: one "?".
        if (from->isHighSurrogate() && from + 1 != end && from[1].isLowSurrogate())
            ++from;
        const auto it =
            std::lower_bound(Reverse.begin(), Reverse.end(), std::pair<char16_t, unsigned char>(c, 0));
        *to++ = it != Reverse.end() && it->first == c ? char(it->second) : '?';
    }
    out.truncate(to - out.constData());
    return out;
}

QString Decode(QByteArrayView bytes)
{
    // Most stored texts are plain ASCII, which Qt widens many bytes at a time.
    unsigned char any = 0;
    for (const char b : bytes)
        any |= static_cast<unsigned char>(b);
    if (any < 0x80)
        return QString::fromLatin1(bytes);
    QString out(bytes.size(), Qt::Uninitialized);
    QChar *to = out.data();
    for (const char b : bytes) {
        const unsigned char u = static_cast<unsigned char>(b);
        *to++ = QChar(u < 0x80 ? char16_t(u) : High[u - 0x80]);
    }
    return out;
}

} // namespace Win1250
