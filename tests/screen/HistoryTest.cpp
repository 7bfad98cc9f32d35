#include "desktop/court/TScreenHistory.h"
#include "desktop/court/TScreenItems.h"
#include "desktop/court/TScreenLayout.h"
#include "model/events/EventKinds.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

class HistoryTest : public ::testing::Test
{
protected:
    HistoryTest() : home(1, items, identity), away(2, items, identity) { TScreenLayout::Build(items); }

    static QString identity(const QString &t) { return t; }

    void add(TScreenHistory &h, int kind, const QString &caption = {})
    {
        TGameEvent e(++nextId, kind, kind == Kind::ClockStep ? 1 : 0, 1, 0);
        e.Text = caption.isEmpty() ? QStringLiteral("event %1").arg(e.Id) : caption;
        h.AddLine(e.Text, e);
    }

    QString line(int side, int k) const { return items.Find(TScreenHistory::LineLabel(side, k))->Text; }
    // The line numbers of the nine visible lines, 0 for an empty line.
    QList<int> shown(int side) const
    {
        QList<int> numbers;
        for (int k = 1; k <= 9; ++k)
            numbers.append(line(side, k).section(QLatin1Char(':'), 0, 0).toInt());
        return numbers;
    }

    TScreenItems items;
    TScreenHistory home;
    TScreenHistory away;
    int nextId = 100;
};

} // namespace

TEST_F(HistoryTest, ConsecutiveTicksShareOneLine)
{
    for (int i = 0; i < 11; ++i)
        add(home, Kind::Steal);
    add(home, Kind::ClockStep, QStringLiteral("+15 sec"));
    EXPECT_EQ(home.Entries().last().Text, QStringLiteral("12: +15 sec"));
    add(home, Kind::ClockStep, QStringLiteral("+15 sec"));
    EXPECT_EQ(home.Entries().last().Text, QStringLiteral("12: +00:30 sec"));
    add(home, Kind::ClockStep, QStringLiteral("+15 sec"));
    add(home, Kind::ClockStep, QStringLiteral("+15 sec"));
    EXPECT_EQ(home.Entries().size(), 12);
    EXPECT_EQ(home.Table().Count(), 12);
    EXPECT_EQ(home.Entries().last().Text, QStringLiteral("12: +01:00 sec"));
    EXPECT_EQ(line(1, 9), QStringLiteral("12: +01:00 sec"));
    // Another event ends the run; the next tick starts a new line.
    add(home, Kind::Assist);
    add(home, Kind::ClockStep, QStringLiteral("+15 sec"));
    EXPECT_EQ(home.Entries().last().Text, QStringLiteral("14: +15 sec"));
}

TEST_F(HistoryTest, TenLinesScrollOneAtATimeAndStopAtTheEnd)
{
    for (int i = 0; i < 10; ++i)
        add(home, Kind::Steal);
    EXPECT_EQ(shown(1), (QList<int>{2, 3, 4, 5, 6, 7, 8, 9, 10}));
    home.LineUp();
    EXPECT_EQ(shown(1), (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
    home.LineUp();
    EXPECT_EQ(shown(1), (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
    home.LineDown();
    EXPECT_EQ(shown(1), (QList<int>{2, 3, 4, 5, 6, 7, 8, 9, 10}));
    home.LineDown();
    EXPECT_EQ(shown(1), (QList<int>{2, 3, 4, 5, 6, 7, 8, 9, 10}));
}

TEST_F(HistoryTest, FewerThanNineLinesLeaveEmptyLines)
{
    add(away, Kind::Steal);
    add(away, Kind::Turnover);
    EXPECT_EQ(shown(2), (QList<int>{1, 2, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(away.Table().Slots[2], -1);
    EXPECT_FALSE(away.SelectLine(3));
    EXPECT_EQ(away.SelectedId(), -1);
}

TEST_F(HistoryTest, PagesAreSevenLinesHomeAndSixAway)
{
    for (int i = 0; i < 30; ++i) {
        add(home, Kind::Steal);
        add(away, Kind::Steal);
    }
    home.PageUp();
    away.PageUp();
    EXPECT_EQ(shown(1).first(), 22 - 7);
    EXPECT_EQ(shown(2).first(), 22 - 6);
    home.PageDown();
    away.PageDown();
    EXPECT_EQ(shown(1).first(), 22);
    EXPECT_EQ(shown(2).first(), 22);
}

TEST_F(HistoryTest, ANewLineShowsTheEndAgainAfterScrolling)
{
    for (int i = 0; i < 20; ++i)
        add(home, Kind::Steal);
    home.PageUp();
    home.PageUp();
    // Fourteen lines up from line 12 stops at the first.
    EXPECT_EQ(shown(1).first(), 1);
    add(home, Kind::Block);
    EXPECT_EQ(shown(1).last(), 21);
}

TEST_F(HistoryTest, SelectedLineIsBold)
{
    for (int i = 0; i < 3; ++i)
        add(home, Kind::Steal);
    ASSERT_TRUE(home.SelectLine(2));
    EXPECT_EQ(home.SelectedId(), home.Table().At(2).ID);
    EXPECT_TRUE(items.Find(TScreenHistory::LineLabel(1, 2))->Bold);
    EXPECT_FALSE(items.Find(TScreenHistory::LineLabel(1, 1))->Bold);
    // The selection follows the event when the lines scroll.
    for (int i = 0; i < 8; ++i)
        add(home, Kind::Steal);
    EXPECT_FALSE(items.Find(TScreenHistory::LineLabel(1, 1))->Bold);
    home.LineUp();
    EXPECT_TRUE(items.Find(TScreenHistory::LineLabel(1, 1))->Bold);
}

TEST_F(HistoryTest, CaptionsAreCutToFiftyCharacters)
{
    add(home, Kind::Steal, QString(80, QLatin1Char('x')));
    EXPECT_EQ(home.Table().At(1).Caption.size(), 50);
    EXPECT_TRUE(home.Table().At(1).Caption.startsWith(QLatin1String("1: xxx")));
    EXPECT_EQ(home.Entries().first().Text.size(), 83);
}
