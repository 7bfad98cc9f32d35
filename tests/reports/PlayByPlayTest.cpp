#include "BoxScoreFixture.h"

#include "reports/playbyplay/TqrULEBEventsList.h"

#include "model/events/EventKinds.h"

namespace {

// The lines the list prints, as "home | middle | away".
QStringList printed(const TReportDocument &doc)
{
    QStringList out;
    for (const TReportLine *line : doc.Lines(QStringLiteral("sbEvents"))) {
        QStringList cells;
        for (const TReportCell &c : line->Cells)
            cells.append(c.Text);
        out.append(cells.join(QStringLiteral(" | ")));
    }
    return out;
}

class PlayByPlay : public BoxScoreFixture
{
protected:
    TReportDocument build()
    {
        return TqrULEBEventsList(game, TqrULEBEventsList::Rows(game), translator).Build();
    }

    TGameEvent event(int kind, int detail, int side, const QString &name = QStringLiteral("Kovács"))
    {
        TGameEvent e(1, kind, detail, side, 1);
        e.PlayerName = name;
        return e;
    }
};

TEST_F(PlayByPlay, RowsStartWithAPlaceholderThatPrintsNothing)
{
    roster();
    ticks(1);
    const QList<TqrULEBEventsList::TRow> rows = TqrULEBEventsList::Rows(game);
    ASSERT_EQ(rows.size(), game.AllEvents.Count() + 1);
    EXPECT_EQ(rows[0].Key, QStringLiteral("-1"));
    EXPECT_EQ(rows[0].Event.Kind, 0);
    EXPECT_EQ(rows[0].Event.Side, -2);
    EXPECT_EQ(rows[1].Key, game.AllEvents.KeyAt(0));

    TqrULEBEventsList report(game, rows, translator);
    TqrULEBEventsList::TState state;
    TqrULEBEventsList::TLine line;
    EXPECT_FALSE(report.Line(rows[0].Event, state, line));
}

TEST_F(PlayByPlay, EachKindPrintsItsWordSuffixAndColumn)
{
    roster();
    TqrULEBEventsList report(game, {}, translator);
    const struct
    {
        int Kind, Detail, Side;
        const char *Home, *Middle, *Away;
    } cases[] = {
        {Kind::ShotMade, ShotKind::Three, 1, "Kovács made 3", "3-0", ""},
        {Kind::ShotMissed, ShotKind::FreeThrow, 2, "", "", "Kovács missed 1"},
        {Kind::ShotMade, ShotKind::Dunk, 2, "", "0-2", "Kovács made 2"},
        {Kind::ShotMade, ShotKind::FreeThrow, 1, "Kovács made 1", "1-0", ""},
        {Kind::ShotMissed, ShotKind::MidRange, 1, "Kovács missed 2", "", ""},
        {Kind::Timeout, 1, 2, "", "", "idokéres"},
        {Kind::DefensiveRebound, 0, 3, "Kovács védőlepattanó", "", ""},
        {Kind::Turnover, 0, 4, "", "", "Kovács eladott labda"},
        {Kind::TechnicalFoul, 0, 0, "", "", "Kovács technikai hiba"},
        {Kind::IndirectSteal, 0, 1, "Kovács indirect labdaszerzés", "", ""},
        {Kind::Block, 0, 1, "Kovács blokkolt dobás", "", ""},
    };
    for (const auto &c : cases) {
        TqrULEBEventsList::TState state;
        TqrULEBEventsList::TLine line;
        ASSERT_TRUE(report.Line(event(c.Kind, c.Detail, c.Side), state, line)) << c.Kind;
        EXPECT_EQ(line.Home, QString::fromUtf8(c.Home)) << c.Kind;
        EXPECT_EQ(line.Middle, QString::fromUtf8(c.Middle)) << c.Kind;
        EXPECT_EQ(line.Away, QString::fromUtf8(c.Away)) << c.Kind;
    }
    // Kinds outside the table leave no line: end of period, history paging, defence mode.
    for (const int kind : {int(Kind::PeriodEnd), int(Kind::HistoryPageUp), int(Kind::DefenseMode), 1010}) {
        TqrULEBEventsList::TState state;
        TqrULEBEventsList::TLine line;
        EXPECT_FALSE(report.Line(event(kind, 0, 1), state, line)) << kind;
    }
}

TEST_F(PlayByPlay, TicksCountQuarterMinutesAndScoresRunOn)
{
    roster();
    ticks(4);
    run(QStringLiteral(
        "select home 4\nshot home made three 20 200\nselect away 5\nshot away missed freethrow\n"
        "shot away made close 120 40\ntimeout away"));
    const QStringList lines = printed(build());
    EXPECT_EQ(lines, QStringList({
                         QStringLiteral(" | 00:15 | "),
                         QStringLiteral(" | 00:30 | "),
                         QStringLiteral(" | 00:45 | "),
                         QStringLiteral(" | 01:00 | "),
                         QStringLiteral("KOVACS Janos made 3 | 3-0 | "),
                         QStringLiteral(" |  | MOLNAR David missed 1"),
                         QStringLiteral(" | 3-2 | MOLNAR David made 2"),
                         QString::fromUtf8(" |  | idokéres"),
                     }));
}

TEST_F(PlayByPlay, SubstitutionLineNamesOutgoingThenIncoming)
{
    roster();
    ticks(1);
    run(QStringLiteral("sub home 4 15"));
    const QStringList lines = printed(build());
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[1], QStringLiteral("KOVACS Janos<->BALOGH Adam |  | "));

    TqrULEBEventsList report(game, {}, translator);
    const struct
    {
        const char *Message, *Text;
    } cases[] = {
        {"kod=1011&jatekosbe=A21&jatekoski=H12&csapat=T1", "NAGY Bence<->MOLNAR David"},
        {"kod=1011&jatekosbe=X99&jatekoski=H12&time=1", "NAGY Bence<->"},
        {"kod=1011&jatekosbe=A21", ""},
        {"", ""},
    };
    for (const auto &c : cases) {
        TGameEvent e = event(Kind::Substitution, 0, 1);
        e.Message = QLatin1String(c.Message);
        TqrULEBEventsList::TState state;
        TqrULEBEventsList::TLine line;
        ASSERT_TRUE(report.Line(e, state, line));
        EXPECT_EQ(line.Home, QLatin1String(c.Text)) << c.Message;
    }
}

TEST_F(PlayByPlay, BuildingAgainStartsFromZeroAndLongGamesRepeatTheHeader)
{
    roster();
    for (int i = 0; i < 60; ++i) {
        ticks(1);
        run(QStringLiteral("select home 4\nshot home made close 120 300"));
    }
    TqrULEBEventsList report(game, TqrULEBEventsList::Rows(game), translator);
    const TReportDocument first = report.Build();
    const TReportDocument again = report.Build();
    EXPECT_EQ(first.ToJson(), again.ToJson());
    const QStringList lines = printed(first);
    EXPECT_EQ(lines[1], QStringLiteral("KOVACS Janos made 2 | 2-0 | "));
    EXPECT_EQ(lines.last(), QStringLiteral("KOVACS Janos made 2 | 120-0 | "));
    ASSERT_GT(first.Pages.size(), 1);
    // Every page has the column headings and the footer.
    for (const TReportPage &page : first.Pages) {
        int headings = 0, footers = 0;
        for (const TReportBand &band : page.Bands)
            for (const TReportLine &line : band.Lines)
                for (const TReportCell &c : line.Cells) {
                    headings += c.Name == QLatin1String("lblEsemenyHazaiEgyesulet1");
                    footers += c.Name == QLatin1String("lblWeb");
                    if (band.Name == QLatin1String("sbEvents")) {
                        EXPECT_LE(c.Place.bottom(), first.ContentHeight() - 12 + 0.001);
                    }
                }
        EXPECT_EQ(headings, 1);
        EXPECT_EQ(footers, 1);
    }
}

} // namespace
