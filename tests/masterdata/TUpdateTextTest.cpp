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
        TUpdateText::Parse(block(s("L1|League"), s("T1|Bears"), s("P1"), QString(), s("Name|B|extra|more")));
    ASSERT_EQ(parsed.blocks.size(), 1);
    const TUpdateText::TLeagueBlock &b = parsed.blocks.at(0);
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

struct RefusalCase
{
    const char *name;
    QString text;
    TUpdateText::TKind kind;
    TUpdateText::TReason reason;
    QString item;
    QString field;
};

// Each case holds one fault in an otherwise good block; the fault's item
// alone is refused, the rest of the block stays.
TEST(UpdateText, ItemsThatCannotBeStoredAsSentAreRefusedAndNamed)
{
    using K = TUpdateText::TKind;
    using R = TUpdateText::TReason;
    const QString team = s("T1|Bears");
    const QString player = s("P1|Kovacs Janos|1999|190|90|G|HUN|T1|7|");
    const QString game = s("T1|T2|01.02.2030|kedd|18:00|G1|Ref A||");
    const QString staff = s("Coach|E");
    const QString nul = QString(QChar(0));
    const QString undefined = TUpdateText::Decode(QByteArray("Ko\x81vacs")); // 0x81 has no character
    const QList<RefusalCase> cases = {
        {"league without name", block(s("L9|"), team, player, game, staff), K::League, R::NoName, s("L9"),
         s("name")},
        {"league name of blanks", block(s("L9|   "), team, player, game, staff), K::League, R::NoName,
         s("L9 (   )"), s("name")},
        {"league without web identifier", block(s("|Liga"), team, player, game, staff), K::League, R::NoWebId,
         s(" (Liga)"), s("web identifier")},
        {"team identifier with a blank", block(s("L1|Liga"), s("T 1|Bears*") + team, player, game, staff),
         K::Team, R::BadWebId, s("T 1 (Bears)"), s("web identifier")},
        {"team identifier of 13 characters",
         block(s("L1|Liga"), s("T123456789012|Long*") + team, player, game, staff), K::Team, R::LongWebId,
         s("T123456789012 (Long)"), s("web identifier")},
        {"player identifier of symbols",
         block(s("L1|Liga"), team, s("P$?|X Y||||||T1|1|*") + player, game, staff), K::Player, R::BadWebId,
         s("P$? (X Y)"), s("web identifier")},
        {"player of an overlong team",
         block(s("L1|Liga"), team, s("P2|X Y||||||TEAM123456789|1|*") + player, game, staff), K::Player,
         R::LongWebId, s("P2 (X Y)"), s("team web identifier")},
        {"NUL in a player name",
         block(s("L1|Liga"), team, s("P2|Ko") + nul + s("vacs||||||T1|1|*") + player, game, staff), K::Player,
         R::ControlCharacter, s("P2 (Ko") + nul + s("vacs)"), s("name")},
        {"undefined byte in a player name",
         block(s("L1|Liga"), team, s("P2|") + undefined + s("||||||T1|1|*") + player, game, staff), K::Player,
         R::ControlCharacter, s("P2 (") + undefined + s(")"), s("name")},
        {"game team identifier too long",
         block(s("L1|Liga"), team, player, s("T1|T1234567890123|d|w|h|G2|||*") + game, staff), K::Game,
         R::LongWebId, s("G2 (T1-T1234567890123)"), s("away team web identifier")},
        {"control character in a referee",
         block(s("L1|Liga"), team, player, s("T1|T2|d|w|h|G3|R\tA||*") + game, staff), K::Game,
         R::ControlCharacter, s("G3 (T1-T2)"), s("first referee")},
        {"control character in a staff name",
         block(s("L1|Liga"), team, player, game, s("Bad\x01Name|B*") + staff), K::Staff, R::ControlCharacter,
         s("Bad\x01Name"), s("name")},
    };
    for (const RefusalCase &c : cases) {
        SCOPED_TRACE(c.name);
        const TUpdateText parsed = TUpdateText::Parse(c.text);
        ASSERT_EQ(parsed.refused.size(), 1);
        const TUpdateText::TRefusal &r = parsed.refused.at(0);
        EXPECT_EQ(r.kind, c.kind);
        EXPECT_EQ(r.reason, c.reason);
        EXPECT_EQ(r.item, c.item);
        EXPECT_EQ(r.field, c.field);
        if (c.kind == K::League) {
            EXPECT_TRUE(parsed.blocks.isEmpty());
            continue;
        }
        ASSERT_EQ(parsed.blocks.size(), 1);
        const TUpdateText::TLeagueBlock &b = parsed.blocks.at(0);
        // Only the good item of each section is left.
        EXPECT_EQ(b.teams.size(), 1);
        EXPECT_EQ(b.players.size(), 1);
        EXPECT_EQ(b.games.size(), 1);
        EXPECT_EQ(b.staff.size(), 1);
    }
}

TEST(UpdateText, WebIdentifiersUpToTheirFieldWidthAreAccepted)
{
    for (const char *id : {"1", "PQX-MINTA", "A_b.9", "123456789012", "Győr1"})
        EXPECT_FALSE(TUpdateText::WebIdProblem(s(id), true).has_value()) << id;
    EXPECT_FALSE(TUpdateText::WebIdProblem(QString(), false).has_value());
    EXPECT_EQ(TUpdateText::WebIdProblem(QString(), true), TUpdateText::TReason::NoWebId);
    EXPECT_EQ(TUpdateText::WebIdProblem(s("1234567890123"), false), TUpdateText::TReason::LongWebId);
    EXPECT_EQ(TUpdateText::WebIdProblem(s("a/b"), false), TUpdateText::TReason::BadWebId);
}
