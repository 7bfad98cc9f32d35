// The live page shows the game's figures as rendered markup, escapes every
// text that came in a message, and speaks the viewer's language.
#include "LiveGameFixture.h"

#include "server/TLivePage.h"

#include <QRegularExpression>

namespace {

// Names that would run, break an attribute or end a line of the push.
const char *const HostileNames[] = {
    "<script>alert(1)</script>", "Tom \"Q\" O'Neil", "Black & White", "#7 <b>bold</b>",
    "Line\rBreak\nHere",         "100%1 %2"};

class LivePageTest : public LiveGameFixture
{
protected:
    TLiveGame figures() const { return TLiveGame::build("ABC1DEF2", stored()); }
    QString render(TLiveTexts::Language language = TLiveTexts::Language::English) const
    {
        return TLivePage::fragment(figures(), TLiveTexts(language), TLiveGame::Edition::Hungarian);
    }
    // The text of the cell of data-col in the player's box score row.
    static QString cell(const QString &html, int player, const QString &column)
    {
        const QRegularExpression row(
            QStringLiteral("<tr class=\"[^\"]*\" id=\"p%1\">(.*?)</tr>").arg(player));
        const QString cells = row.match(html).captured(1);
        return QRegularExpression(QStringLiteral("data-col=\"%1\">([^<]*)<").arg(column))
            .match(cells)
            .captured(1);
    }
};

TEST_F(LivePageTest, TextsFromMessagesAreEscapedEverywhereTheyAppear)
{
    for (const char *name : HostileNames) {
        SCOPED_TRACE(name);
        const QString text = QString::fromUtf8(name);
        EXPECT_EQ(TLivePage::escape(text).contains(QRegularExpression(QStringLiteral("[<>\"'%\\r\\n]"))),
                  false);
    }
    TRosterVariant variant;
    variant.Home = "<script>alert(1)</script> %2";
    variant.Away = "Black & White's #2";
    run(QStringLiteral("\ngame code=ABC1DEF2\n") + SampleRoster(variant) +
        QStringLiteral("\nlength 5\ntick"));
    run(QStringLiteral("addplayer home id=99 webid=H99 jersey=33 name=\"<img src=x onerror=alert(2)>\""));
    run(QStringLiteral("sub home 4 33\nselect home 33\nshot home made three 30 40"));

    const QString html = render();
    EXPECT_FALSE(html.contains(QStringLiteral("<script")));
    EXPECT_FALSE(html.contains(QStringLiteral("<img")));
    EXPECT_FALSE(html.contains(QStringLiteral("& \"")));
    // Box score, leaders, chart choice, chart marker and play-by-play all name him.
    EXPECT_GE(html.count(QStringLiteral("&lt;img src=x onerror=alert(2)&gt;")), 5);
    EXPECT_TRUE(html.contains(QStringLiteral("Black &amp; White&#39;s #2")));
    // A "%" in a name is no placeholder of the markup's templates.
    EXPECT_TRUE(html.contains(QStringLiteral("&lt;/script&gt; &#37;2</span>")));
    // No line of the markup ends inside a text, so the push can split it into data lines.
    EXPECT_FALSE(html.contains(QLatin1Char('\r')));

    const QByteArray page = TLivePage::page("<G&1>", html, 7, TLiveTexts(TLiveTexts::Language::English));
    EXPECT_FALSE(page.contains("<G&1>"));
    EXPECT_TRUE(page.contains("&lt;G&amp;1&gt;"));
}

TEST_F(LivePageTest, BoxScoreCellsChartMarkersAndPlaysFollowTheFigures)
{
    SetUpRoster(5);
    run(QStringLiteral(
        "tick\nselect home 4\nshot home made three 30 40\nshot home missed mid 100 120\n"
        "shot home made freethrow\nselect away 5\nevent away 1001\nshot away made close 120 330"));
    const TLiveGame g = figures();
    const QString html = render();
    int kovacs = -1;
    for (qsizetype i = 0; i < g.players().size(); ++i)
        if (g.players()[i].jersey == 4 && g.players()[i].side == TLiveGame::Home)
            kovacs = int(i);
    ASSERT_GE(kovacs, 0);
    const QList<std::pair<const char *, const char *>> cells{{"pts", "4"},   {"fg", "1/2"}, {"three", "1/1"},
                                                             {"two", "0/1"}, {"ft", "1/1"}, {"min", "00:15"}};
    for (const auto &[column, value] : cells)
        EXPECT_EQ(cell(html, kovacs, QLatin1String(column)), QLatin1String(value)) << column;
    // Three shots from the floor, each a marker; the free throw has no point.
    EXPECT_EQ(html.count(QStringLiteral("<g class=\"shot ")), 3);
    EXPECT_EQ(html.count(QStringLiteral("<g class=\"shot made")), 2);
    // Newest first, with the running score.
    const QRegularExpression play(
        QStringLiteral("<li class=\"play ([a-z]+)[^\"]*\".*?class=\"running\">(\\d+:\\d+)<"));
    QStringList order;
    for (auto it = play.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        order << m.captured(1) + QLatin1Char(' ') + m.captured(2);
    }
    EXPECT_EQ(order,
              (QStringList{QStringLiteral("away 4:2"), QStringLiteral("away 4:0"), QStringLiteral("home 4:0"),
                           QStringLiteral("home 3:0"), QStringLiteral("home 3:0")}));
    EXPECT_TRUE(html.contains(QStringLiteral("<span id=\"score-home\">4</span>")));
}

TEST_F(LivePageTest, HungarianAndEnglishPagesTakeTheProgramsTexts)
{
    SetUpRoster(5);
    run(QStringLiteral("tick\nselect home 4\nshot home made three 30 40"));
    const QString hungarian = render(TLiveTexts::Language::Hungarian);
    const QString english = render(TLiveTexts::Language::English);
    // The program's own history words and box score headings.
    EXPECT_TRUE(hungarian.contains(QStringLiteral("sikeres távoli")));
    EXPECT_TRUE(english.contains(QStringLiteral("3-point shot made")));
    EXPECT_FALSE(english.contains(QStringLiteral("sikeres")));
    EXPECT_TRUE(hungarian.contains(QStringLiteral("1. félidő")));
    EXPECT_TRUE(english.contains(QStringLiteral("1st half")));
}

TEST(LiveTexts, LanguageFromTheChoiceOrTheBrowser)
{
    using L = TLiveTexts::Language;
    const struct
    {
        const char *choice;
        const char *accept;
        L expected;
    } cases[] = {
        {"hu", "en-US,en;q=0.9", L::Hungarian},
        {"en", "hu-HU", L::English},
        {"", "hu-HU,hu;q=0.9,en;q=0.8", L::Hungarian},
        {"", "de-DE,en;q=0.5,hu;q=0.7", L::Hungarian},
        {"", "en-GB,hu;q=0.9", L::English},
        {"", "hu;q=0,en;q=0.1", L::English},
        {"", "fr-FR", L::English},
        {"", "", L::English},
        {"xx", "HU", L::Hungarian},
    };
    for (const auto &c : cases)
        EXPECT_EQ(TLiveTexts::choose(c.choice, c.accept), c.expected) << c.choice << " / " << c.accept;
}

TEST(LivePageNames, PeriodsAndOvertimesInBothLanguages)
{
    const TLiveTexts hu(TLiveTexts::Language::Hungarian);
    const TLiveTexts en(TLiveTexts::Language::English);
    EXPECT_EQ(TLivePage::periodName(2, 5, en), QStringLiteral("2nd half"));
    EXPECT_EQ(TLivePage::periodName(3, 5, en), QStringLiteral("Overtime 1"));
    EXPECT_EQ(TLivePage::periodName(4, 5, hu), QStringLiteral("2. hosszabbítás"));
    EXPECT_EQ(TLivePage::periodName(3, 10, en), QStringLiteral("Quarter 3"));
    EXPECT_EQ(TLivePage::periodName(5, 10, en), QStringLiteral("Overtime 1"));
}

} // namespace
