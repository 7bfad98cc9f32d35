// One code page conversion for the program and the server: Windows-1250 bytes
// on files and the wire, with "?" for what the code page cannot hold.
#include "common/Win1250.h"

#include <QStringDecoder>
#include <QStringEncoder>
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

// The program's own table against the system's converter: every byte decodes
// to the same character, and every character of the basic plane encodes to the
// same byte, or to "?" where the converter has none (or gives its substitute
// for a letter).
TEST(Win1250Test, AgreesWithTheSystemConverterOnEveryByteAndCharacter)
{
    for (int b = 0; b < 0x100; ++b) {
        QStringDecoder decoder("windows-1250", QStringConverter::Flag::Stateless);
        const QByteArray byte(1, char(b));
        const QString expected = decoder.decode(byte);
        if (decoder.hasError() || expected.size() != 1 || expected.at(0) == QChar::ReplacementCharacter)
            continue; // no character of the code page: nothing to agree on
        EXPECT_EQ(Win1250::Decode(byte), expected) << "byte " << b;
    }
    QStringEncoder encoder("windows-1250", QStringConverter::Flag::Stateless);
    for (int c = 0; c < 0x10000; ++c) {
        const QChar ch{char16_t(c)};
        if (ch.isSurrogate())
            continue;
        const QString text(ch);
        QByteArray expected = encoder.encode(text);
        if (encoder.hasError() || expected.size() != 1 || (c >= 0x80 && expected.at(0) == '\x1a')) {
            encoder = QStringEncoder("windows-1250", QStringConverter::Flag::Stateless);
            expected = "?";
        }
        ASSERT_EQ(Win1250::Encode(text), expected) << "character " << c;
    }
}
