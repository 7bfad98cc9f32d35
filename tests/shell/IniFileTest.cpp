#include "shell/settings/TIniFile.h"
#include "support/TestHome.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

QString value(const QByteArray &bytes, const char *section, const char *key, bool *found = nullptr)
{
    TIniFile ini;
    ini.FromBytes(bytes);
    return ini.Value(QLatin1String(section), QLatin1String(key), QStringLiteral("<default>"), found);
}

QByteArray afterSet(const QByteArray &bytes, const char *section, const char *key, const QString &v)
{
    TIniFile ini;
    ini.FromBytes(bytes);
    EXPECT_TRUE(ini.SetValue(QLatin1String(section), QLatin1String(key), v));
    return ini.ToBytes();
}

} // namespace

TEST(IniFileRead, FindsKeysOfTheirOwnSectionOnly)
{
    const QByteArray file = "[A]\nX=1\n[B]\nX=2\nY=3\n";
    EXPECT_EQ(value(file, "A", "X"), "1");
    EXPECT_EQ(value(file, "B", "X"), "2");
    EXPECT_EQ(value(file, "A", "Y"), "<default>");
    EXPECT_EQ(value(file, "C", "X"), "<default>");
}

TEST(IniFileRead, NamesCompareWithoutCaseAndBlanksDoNotCount)
{
    const QByteArray file = "  [ Application ]  \n  Language  =  ENG  \n";
    bool found = false;
    EXPECT_EQ(value(file, "APPLICATION", "LANGUAGE", &found), "ENG");
    EXPECT_TRUE(found);
}

TEST(IniFileRead, KeysBeforeAnySectionAndCommentsAreIgnored)
{
    const QByteArray file = "X=0\n[A]\n;X=1\n#X=2\nX=3\n";
    EXPECT_EQ(value(file, "A", "X"), "3");
}

TEST(IniFileRead, FirstOccurrenceCounts)
{
    const QByteArray file = "[A]\nX=1\nX=2\n[A]\nX=3\nY=4\n";
    EXPECT_EQ(value(file, "A", "X"), "1");
    // A key only in the repeated section is still found.
    EXPECT_EQ(value(file, "A", "Y"), "4");
}

TEST(IniFileRead, ValueKeepsEqualsSignsAndLosesOnePairOfQuotes)
{
    const QByteArray file =
        "[A]\nURL=http://h/?a=1&b=2\nQ=\" padded \"\nS='x'\nHALF=\"x\nMIXED=\"x'\nEMPTY=\n";
    EXPECT_EQ(value(file, "A", "URL"), "http://h/?a=1&b=2");
    EXPECT_EQ(value(file, "A", "Q"), " padded ");
    EXPECT_EQ(value(file, "A", "S"), "x");
    EXPECT_EQ(value(file, "A", "HALF"), "\"x");
    EXPECT_EQ(value(file, "A", "MIXED"), "\"x'");
    bool found = false;
    EXPECT_EQ(value(file, "A", "EMPTY", &found), "");
    EXPECT_TRUE(found);
}

TEST(IniFileRead, CrLfBomAndLastLineWithoutEnding)
{
    const QByteArray file = "\xEF\xBB\xBF[A]\r\nX=1\r\nY=2";
    EXPECT_EQ(value(file, "A", "X"), "1");
    EXPECT_EQ(value(file, "A", "Y"), "2");
}

TEST(IniFileRead, Utf8ValuesElseWindows1250)
{
    // Files of the earlier versions are Windows-1250: its letters that
    // Latin-1 puts elsewhere (o and u with double acute, S with caron) decide.
    struct Case
    {
        const char *bytes;
        const char *utf8;
    };
    const Case cases[] = {
        {"Gy\xC5\x91r", "Gy\xC5\x91r"},       // valid UTF-8 stays UTF-8
        {"K\xE9k", "K\xC3\xA9k"},             // the same letter in both code pages
        {"Gy\xF5r", "Gy\xC5\x91r"},           // 0xF5: o with double acute
        {"F\xFBz\xF5", "F\xC5\xB1z\xC5\x91"}, // 0xFB: u with double acute
        {"\x8Ator", "\xC5\xA0tor"},           // 0x8A: S with caron
    };
    for (const Case &c : cases) {
        const QByteArray file = QByteArray("[A]\nV=") + c.bytes + "\n";
        EXPECT_EQ(value(file, "A", "V"), QString::fromUtf8(c.utf8)) << c.bytes;
    }
}

TEST(IniFileRead, MissingFileIsEmptyNotAnError)
{
    TestHome home;
    TIniFile ini;
    QString error;
    EXPECT_TRUE(ini.Load(home.file("none.ini"), &error));
    EXPECT_TRUE(error.isEmpty());
    EXPECT_TRUE(ini.ToBytes().isEmpty());
    EXPECT_EQ(TIniFile::ReadString(home.file("none.ini"), "A", "X", "d"), "d");
}

TEST(IniFileRead, UnreadablePathIsAnError)
{
    TestHome home;
    QDir(home.path()).mkdir("folder.ini");
    TIniFile ini;
    QString error;
    EXPECT_FALSE(ini.Load(home.file("folder.ini"), &error));
    EXPECT_TRUE(error.contains("folder.ini")) << error.toStdString();
}

TEST(IniFileWrite, ReplacesOnlyTheValueOfItsLine)
{
    const QByteArray before = "; settings\r\n"
                              "[APPLICATION]\r\n"
                              "VERSION=ENG\r\n"
                              "\r\n"
                              "  language = HUN   \r\n"
                              "UNKNOWN_KEY=kept\r\n"
                              "\r\n"
                              "[CONNECTION]\r\n"
                              "LANGUAGE=not this one\r\n";
    QByteArray expected = before;
    expected.replace("  language = HUN   \r\n", "  language = ENG\r\n");
    EXPECT_EQ(afterSet(before, "application", "LANGUAGE", "ENG"), expected);
}

TEST(IniFileWrite, EmptyValueKeepsTheKey)
{
    EXPECT_EQ(afterSet("[A]\nX = 1\n", "A", "X", ""), QByteArray("[A]\nX = \n"));
}

TEST(IniFileWrite, NewKeyGoesAfterTheLastKeyOfItsSection)
{
    const QByteArray before = "[A]\nX=1\n\n; about B\n[B]\nY=2\n";
    EXPECT_EQ(afterSet(before, "A", "Z", "3"), QByteArray("[A]\nX=1\nZ=3\n\n; about B\n[B]\nY=2\n"));
}

TEST(IniFileWrite, NewKeyOfAnEmptySectionFollowsItsHeader)
{
    EXPECT_EQ(afterSet("[A]\n[B]\n", "A", "X", "1"), QByteArray("[A]\nX=1\n[B]\n"));
}

TEST(IniFileWrite, NewKeyOfARepeatedSectionGoesIntoTheFirst)
{
    EXPECT_EQ(afterSet("[A]\nX=1\n[B]\n[A]\nY=2\n", "A", "Z", "3"),
              QByteArray("[A]\nX=1\nZ=3\n[B]\n[A]\nY=2\n"));
}

TEST(IniFileWrite, NewSectionIsAppendedAfterABlankLine)
{
    EXPECT_EQ(afterSet("[A]\nX=1\n", "B", "Y", "2"), QByteArray("[A]\nX=1\n\n[B]\nY=2\n"));
    EXPECT_EQ(afterSet("", "B", "Y", "2"), QByteArray("[B]\nY=2\n"));
    // A last line without its ending gets one before anything is added.
    EXPECT_EQ(afterSet("[A]\nX=1", "A", "Y", "2"), QByteArray("[A]\nX=1\nY=2\n"));
    EXPECT_EQ(afterSet("[A]\nX=1", "B", "Y", "2"), QByteArray("[A]\nX=1\n\n[B]\nY=2\n"));
}

TEST(IniFileWrite, NewLinesFollowTheFilesLineEndingAndTheBomStays)
{
    EXPECT_EQ(afterSet("\xEF\xBB\xBF[A]\r\nX=1\r\n", "A", "Y", "2"),
              QByteArray("\xEF\xBB\xBF[A]\r\nX=1\r\nY=2\r\n"));
}

TEST(IniFileWrite, ValuesThatReadingWouldChangeAreQuoted)
{
    for (const QString &v : {QStringLiteral(" lead"), QStringLiteral("trail "), QStringLiteral("\"q\""),
                             QStringLiteral("''"), QStringLiteral("a \"b\" c"), QString::fromUtf8("\xC5\x91"),
                             QString(QChar(0xFEFF)) + QStringLiteral("x"), QString(QChar(0xFEFF)),
                             QString(QChar(0xFEFF)) + QStringLiteral(" y ")}) {
        TIniFile ini;
        ASSERT_TRUE(ini.SetValue("A", "X", v));
        TIniFile again;
        again.FromBytes(ini.ToBytes());
        EXPECT_EQ(again.Value("A", "X"), v) << ini.ToBytes().toStdString();
    }
}

TEST(IniFileWrite, RefusesWhatCannotBeStoredOnOneLine)
{
    const QByteArray before = "[A]\nX=1\n";
    TIniFile ini;
    ini.FromBytes(before);
    QString error;
    EXPECT_FALSE(ini.SetValue("A", "X", "two\nlines", &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(ini.SetValue("A", "X=", "1"));
    EXPECT_FALSE(ini.SetValue("A", "", "1"));
    EXPECT_FALSE(ini.SetValue("A", ";X", "1"));
    EXPECT_FALSE(ini.SetValue("A]", "X", "1"));
    EXPECT_FALSE(ini.SetValue(" A", "X", "1"));
    EXPECT_EQ(ini.ToBytes(), before);
}

TEST(IniFileWrite, FileIsReplacedWithoutLeavingTemporaryFiles)
{
    TestHome home;
    home.write("parquetix.ini", "[A]\r\n; note\r\nX=1\r\n");
    QString error;
    ASSERT_TRUE(TIniFile::WriteString(home.file("parquetix.ini"), "A", "X", "2", &error))
        << error.toStdString();
    ASSERT_TRUE(TIniFile::WriteString(home.file("parquetix.ini"), "B", "Y", "3", &error))
        << error.toStdString();
    EXPECT_EQ(home.read("parquetix.ini"), QByteArray("[A]\r\n; note\r\nX=2\r\n\r\n[B]\r\nY=3\r\n"));
    EXPECT_EQ(TIniFile::ReadString(home.file("parquetix.ini"), "b", "y"), "3");
    const QStringList files = QDir(home.path()).entryList(QDir::Files);
    EXPECT_EQ(files, QStringList{"parquetix.ini"});
}

TEST(IniFileWrite, WritingCreatesAMissingFile)
{
    TestHome home;
    ASSERT_TRUE(TIniFile::WriteString(home.file("new.ini"), "A", "X", "1"));
    EXPECT_EQ(home.read("new.ini"), QByteArray("[A]\nX=1\n"));
}

TEST(IniFileWrite, UnwritableFolderIsAnError)
{
    TestHome home;
    QString error;
    EXPECT_FALSE(TIniFile::WriteString(home.file("no/such/folder/x.ini"), "A", "X", "1", &error));
    EXPECT_TRUE(error.contains("x.ini")) << error.toStdString();
}
