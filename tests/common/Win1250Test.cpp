// One code page conversion for the program and the server: Windows-1250 bytes
// on files and the wire, with "?" for what the code page cannot hold.
#include "common/Win1250.h"

#include <gtest/gtest.h>

namespace {

struct TCase
{
    const char *Name;
    QString Text;
    QByteArray Bytes;
};

QByteArray bytes(std::initializer_list<unsigned char> values)
{
    QByteArray out;
    for (const unsigned char v : values)
        out.append(char(v));
    return out;
}

} // namespace

TEST(Win1250Test, EncodesTextToItsCodePageBytes)
{
    const TCase cases[] = {
        {"empty", QString(), QByteArray()},
        {"plain ASCII", QStringLiteral("Nagy_Jr. 23&x=1"), QByteArray("Nagy_Jr. 23&x=1")},
        {"Hungarian letters", QStringLiteral("őűŐŰáé"), bytes({0xF5, 0xFB, 0xD5, 0xDB, 0xE1, 0xE9})},
        {"Czech and Polish letters", QStringLiteral("čřŁ"), bytes({0xE8, 0xF8, 0xA3})},
        {"euro sign", QStringLiteral("€"), bytes({0x80})},
        {"unmappable letter", QStringLiteral("añb"), QByteArray("a?b")},
        {"unmappable ideograph", QStringLiteral("漢"), QByteArray("?")},
        // A pair of UTF-16 units is one character and becomes one "?".
        {"character outside the basic plane", QString::fromUcs4(U"x\U0001F3C0y"), QByteArray("x?y")},
        {"mixed", QStringLiteral("Kő漢€"), bytes({'K', 0xF5, '?', 0x80})},
        // A failed character must not spoil the letters after it.
        {"letters after an unmappable one", QStringLiteral("漢őñű"), bytes({'?', 0xF5, '?', 0xFB})},
    };
    for (const TCase &c : cases)
        EXPECT_EQ(Win1250::Encode(c.Text), c.Bytes) << c.Name;
}

TEST(Win1250Test, DecodeReversesEveryMappableText)
{
    for (const QString &text :
         {QString(), QStringLiteral("Szabó Ödön"), QStringLiteral("ťžš €"), QStringLiteral("a&b=c#d")})
        EXPECT_EQ(Win1250::Decode(Win1250::Encode(text)), text) << text.toStdString();
}

TEST(Win1250Test, DecodesEveryByteToOneCharacter)
{
    // Bytes above 0x7F are letters of the code page, not Latin-1.
    EXPECT_EQ(Win1250::Decode(bytes({0xF5, 0x8A, 0x9E})), QStringLiteral("őŠž"));
    QByteArray all;
    for (int b = 0x20; b < 0x100; ++b)
        all.append(char(b));
    EXPECT_EQ(Win1250::Decode(all).size(), all.size());
}
