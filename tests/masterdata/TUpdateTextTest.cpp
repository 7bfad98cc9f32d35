#include "masterdata/TUpdateText.h"

#include <gtest/gtest.h>

namespace {

QString block(const QString &header, const QString &teams, const QString &players, const QString &games,
              const QString &staff)
{
    return QStringLiteral("x*") + header + QLatin1Char('#') + teams + QStringLiteral("#*") + players +
           QStringLiteral("#*") + games + QStringLiteral("#*") + staff + QStringLiteral("####");
}

QString s(const char *text)
{
    return QString::fromUtf8(text);
}

} // namespace

TEST(UpdateText, TwoLeagueBlocksAreReadInTextOrder)
{
    const QString text =
        block(s("L1|First league"), s("T1|Bears|BEA|Medvék*T2|Eagles|EAG|"),
              s("P1|KOVACS Janos|19990412|192|88|G|HUN|T1|7|Kovács János"),
              s("T1|T2|01.02.2030|kedd|18:00|ABC1DEF2|Ref A|Ref B|Ref C"), s("Coach One|E*Big Hall|H")) +
        block(s("L2|Second"), QString(), QString(), QString(), QString());
    const TUpdateText parsed = TUpdateText::Parse(text);
    EXPECT_TRUE(parsed.skipped.isEmpty());
    ASSERT_EQ(parsed.blocks.size(), 2);

    const TUpdateText::TLeagueBlock &first = parsed.blocks.at(0);
    EXPECT_EQ(first.webId, s("L1"));
    EXPECT_EQ(first.name, s("First league"));
    ASSERT_EQ(first.teams.size(), 2);
    EXPECT_EQ(first.teams.at(0).shortName, s("BEA"));
    EXPECT_EQ(first.teams.at(0).nativeName, s("Medvék"));
    EXPECT_EQ(first.teams.at(1).nativeName, QString());
    ASSERT_EQ(first.players.size(), 1);
    const TUpdateText::TPlayerItem &p = first.players.at(0);
    EXPECT_EQ(p.birthDate, s("19990412"));
    EXPECT_EQ(p.height, 192);
    EXPECT_EQ(p.weight, 88);
    EXPECT_EQ(p.position, s("G"));
    EXPECT_EQ(p.country, s("HUN"));
    EXPECT_EQ(p.teamWebId, s("T1"));
    EXPECT_EQ(p.jersey, 7);
    EXPECT_EQ(p.nativeName, s("Kovács János"));
    ASSERT_EQ(first.games.size(), 1);
    EXPECT_EQ(first.games.at(0).homeWebId, s("T1"));
    EXPECT_EQ(first.games.at(0).awayWebId, s("T2"));
    EXPECT_EQ(first.games.at(0).weekday, s("kedd"));
    EXPECT_EQ(first.games.at(0).code, s("ABC1DEF2"));
    EXPECT_EQ(first.games.at(0).referee3, s("Ref C"));
    ASSERT_EQ(first.staff.size(), 2);
    EXPECT_EQ(first.staff.at(1).name, s("Big Hall"));
    EXPECT_EQ(first.staff.at(1).type, s("H"));

    const TUpdateText::TLeagueBlock &second = parsed.blocks.at(1);
    EXPECT_EQ(second.webId, s("L2"));
    EXPECT_TRUE(second.teams.isEmpty() && second.players.isEmpty() && second.games.isEmpty() &&
                second.staff.isEmpty());
}

TEST(UpdateText, MissingFieldsAreEmptyAndTheLastFieldRunsToTheEnd)
{
    const TUpdateText parsed =
        TUpdateText::Parse(block(s("L1"), s("T1|Bears"), s("P1"), QString(), s("Name|B|extra|more")));
    ASSERT_EQ(parsed.blocks.size(), 1);
    const TUpdateText::TLeagueBlock &b = parsed.blocks.at(0);
    EXPECT_EQ(b.name, QString());
    EXPECT_EQ(b.teams.at(0).shortName, QString());
    EXPECT_EQ(b.players.at(0).name, QString());
    EXPECT_EQ(b.players.at(0).jersey, 0);
    EXPECT_EQ(b.staff.at(0).type, s("B|extra|more"));
}

TEST(UpdateText, BreakTagsInAnyCaseAndLineBreaksAreRemoved)
{
    EXPECT_EQ(TUpdateText::Clean(s("a<br>b<BR>c<Br>d<bR>e\r\nf\ng\rh")), s("abcdefgh"));
    const TUpdateText parsed = TUpdateText::Parse(s("x*L1|Le<BR>ague#T1|Be\r\nars#*P1|A<br>B#*#*####"));
    ASSERT_EQ(parsed.blocks.size(), 1);
    EXPECT_EQ(parsed.blocks.at(0).name, s("League"));
    EXPECT_EQ(parsed.blocks.at(0).teams.at(0).name, s("Bears"));
    EXPECT_EQ(parsed.blocks.at(0).players.at(0).name, s("AB"));
    // Tags go before line breaks, so a tag split by a line break stays.
    EXPECT_EQ(TUpdateText::Clean(s("<b\nr>")), s("<br>"));
}

TEST(UpdateText, ShortNameIsTheFirstWordAndTheSecondsInitial)
{
    EXPECT_EQ(TUpdateText::ShortName(s("KOVACS Janos")), s("KOVACS J."));
    EXPECT_EQ(TUpdateText::ShortName(s("Anna Maria Kiss")), s("Anna M."));
    EXPECT_EQ(TUpdateText::ShortName(s("Pelé")), s("Pe."));
    EXPECT_EQ(TUpdateText::ShortName(s("A")), s("A."));
    EXPECT_EQ(TUpdateText::ShortName(QString()), s("."));
    EXPECT_EQ(TUpdateText::ShortName(s("Kovacs ")), s("Kovacs ."));
    EXPECT_EQ(TUpdateText::ShortName(s(" Janos")), s(" J."));
    EXPECT_EQ(TUpdateText::ShortName(s("SZŰCS Őrs")), s("SZŰCS Ő."));
}

TEST(UpdateText, NumbersThatAreNotWholeNumbersGiveZero)
{
    EXPECT_EQ(TUpdateText::Number(s("190")), 190);
    EXPECT_EQ(TUpdateText::Number(s(" 12 ")), 12);
    EXPECT_EQ(TUpdateText::Number(s("-3")), -3);
    EXPECT_EQ(TUpdateText::Number(s("12cm")), 0);
    EXPECT_EQ(TUpdateText::Number(s("1.5")), 0);
    EXPECT_EQ(TUpdateText::Number(QString()), 0);
    EXPECT_EQ(TUpdateText::Number(s("99999999999")), 0);
}

TEST(UpdateText, TheSeparatorAfterASectionMayBeAnyCharacter)
{
    const TUpdateText parsed = TUpdateText::Parse(s("*L1|N#T1|A##P1|B#xG1|G2#!S|E####"));
    ASSERT_EQ(parsed.blocks.size(), 1);
    const TUpdateText::TLeagueBlock &b = parsed.blocks.at(0);
    EXPECT_EQ(b.teams.at(0).webId, s("T1"));
    EXPECT_EQ(b.players.at(0).webId, s("P1"));
    EXPECT_EQ(b.games.at(0).homeWebId, s("G1"));
    EXPECT_EQ(b.staff.at(0).name, s("S"));
}

TEST(UpdateText, EmptyItemsAreNotItems)
{
    const TUpdateText parsed =
        TUpdateText::Parse(block(s("L1|N"), s("*T1|A**"), QString(), QString(), s("*")));
    ASSERT_EQ(parsed.blocks.size(), 1);
    EXPECT_EQ(parsed.blocks.at(0).teams.size(), 1);
    EXPECT_TRUE(parsed.blocks.at(0).staff.isEmpty());
}

TEST(UpdateText, ALastBlockWithoutItsClosingIsSkippedAndListed)
{
    const QString whole = block(s("L1|N"), s("T1|A"), QString(), QString(), QString());
    for (const QString &cut :
         {s("x*L2|M#T2|B#*P2|C#*G#*S|B##"), s("x*L2|M#T2|B#*P2"), s("x*L2"), s("tail")}) {
        const TUpdateText parsed = TUpdateText::Parse(whole + cut);
        ASSERT_EQ(parsed.blocks.size(), 1) << cut.toStdString();
        EXPECT_EQ(parsed.blocks.at(0).webId, s("L1"));
        ASSERT_EQ(parsed.skipped.size(), 1) << cut.toStdString();
        EXPECT_TRUE(parsed.skipped.at(0).incomplete);
        EXPECT_EQ(parsed.skipped.at(0).offset, whole.size());
    }
    // Blanks after the last block are no remainder.
    EXPECT_TRUE(TUpdateText::Parse(whole + s("   ")).skipped.isEmpty());
}

TEST(UpdateText, AMalformedBlockIsSkippedUpToItsClosingAndTheNextOneIsTaken)
{
    // The first block lacks the "#" of its teams section.
    const QString broken = s("x*L1|N#T1|A*P1|B#*G#*S|B####");
    const QString good = block(s("L2|M"), s("T2|C"), QString(), QString(), QString());
    const TUpdateText parsed = TUpdateText::Parse(broken + good);
    ASSERT_EQ(parsed.blocks.size(), 1);
    EXPECT_EQ(parsed.blocks.at(0).webId, s("L2"));
    ASSERT_EQ(parsed.skipped.size(), 1);
    EXPECT_FALSE(parsed.skipped.at(0).incomplete);
    EXPECT_EQ(parsed.skipped.at(0).offset, 0);
    EXPECT_TRUE(parsed.skipped.at(0).excerpt.startsWith(s("x*L1|N")));
}

TEST(UpdateText, BrokenTextsGiveNoBlocks)
{
    for (const char *text : {"", "####", "*", "*#", "**##**##", "*L#####", "#*#*#*#*####", "|||*|||"}) {
        const TUpdateText parsed = TUpdateText::Parse(s(text));
        EXPECT_TRUE(parsed.blocks.isEmpty()) << text;
    }
    EXPECT_TRUE(TUpdateText::Parse(QString()).skipped.isEmpty());
}

TEST(UpdateText, TheServersBytesAreWindows1250)
{
    EXPECT_EQ(TUpdateText::Decode(QByteArray("\xd5rs \xfb\x8a")), s("Őrs űŠ"));
}
