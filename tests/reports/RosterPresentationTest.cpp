#include "BoxScoreFixture.h"

#include "reports/painter/TReportPainter.h"
#include "reports/roster/TRosterPresentationLogic.h"
#include "reports/roster/TqrRostersPresentation.h"

namespace {

class RosterPresentation : public BoxScoreFixture
{
protected:
    void SetUp() override
    {
        run(QStringLiteral("game code=ROS1 coach1=\"Home Coach\" coach2=\"Away Coach\"\n"
                           "team home id=1 webid=T1 name=\"Home Team\" league=1\n"
                           "team away id=2 webid=T2 name=\"Away Team\" league=1\n"));
        for (int i = 0; i < 12; ++i)
            run(QStringLiteral("player home id=%1 webid=H%1 jersey=%2 name=\"Home %3\" %4")
                    .arg(100 + i)
                    .arg(4 + i)
                    .arg(QChar(char('A' + i)))
                    .arg(i < 3 ? QStringLiteral("court") : QStringLiteral("bench")));
        run(QStringLiteral("player away id=200 webid=A1 jersey=5 name=\"Away A\" court"));
    }
    static QString joined(const TReportLine &line, const QString &name)
    {
        QStringList parts;
        for (const TReportCell &c : line.Cells)
            if (c.Name == name)
                parts.append(c.Text);
        return parts.join(QLatin1Char(' '));
    }
};

TEST_F(RosterPresentation, TwelvePlayersGiveFourteenEntriesAndTwelveRows)
{
    TRosterPresentationLogic logic(game);
    const QList<TRosterPresentation> &home = logic.Entries(true);
    ASSERT_EQ(home.size(), 14);
    EXPECT_EQ(home.first().Record->JatekosNev, "Home Team");
    EXPECT_EQ(home.last().Record->JatekosNev, "Home Coach");
    EXPECT_TRUE(home.first().Own && home.last().Own);
    // The players in list order: the three on court, then the bench.
    EXPECT_EQ(home[1].Record, game.HomeTeam().OnCourt.At(0));
    EXPECT_EQ(home[4].Record, game.HomeTeam().Bench.At(0));
    EXPECT_EQ(logic.Entries(false).size(), 3);

    const TReportDocument doc =
        TqrRostersPresentation(game, logic.Entries(true), logic.Entries(false), translator).Build();
    const QList<const TReportLine *> rows = doc.Lines(QStringLiteral("qrsbHomeTeamPlayers"));
    ASSERT_EQ(rows.size(), 12);
    QStringList names;
    for (const TReportLine *row : rows)
        names.append(joined(*row, QStringLiteral("lblJatekosNev1")));
    EXPECT_FALSE(names.contains(QStringLiteral("Home Team")));
    EXPECT_FALSE(names.contains(QStringLiteral("Home Coach")));
    EXPECT_EQ(doc.Lines(QStringLiteral("qrsbAwayTeamPlayers")).size(), 1);
    EXPECT_EQ(named(doc, QStringLiteral("lblHazaiEdzo")), "Home Coach");
    EXPECT_EQ(named(doc, QStringLiteral("lblVendegEdzo")), "Away Coach");
}

TEST_F(RosterPresentation, NotesGoToTheirPlacesAndStayWithTheGame)
{
    TRosterPresentationLogic logic(game);
    QStringList notes = logic.Notes(true);
    ASSERT_EQ(notes.size(), 14);
    EXPECT_EQ(notes, QStringList(14, QString()));
    notes.first() = QStringLiteral("Team note");
    notes[1] = QStringLiteral("Player note");
    notes.last() = QStringLiteral("Coach note");
    EXPECT_FALSE(logic.StoreNotes(true, notes.mid(1))) << "a list of another length";
    EXPECT_EQ(game.HomeTeam().OnCourt.At(0)->Note, "");
    ASSERT_TRUE(logic.StoreNotes(true, notes));
    EXPECT_EQ(game.HomeTeam().OnCourt.At(0)->Note, "Player note");

    const TReportDocument doc =
        TqrRostersPresentation(game, logic.Entries(true), logic.Entries(false), translator).Build();
    EXPECT_EQ(joined(*doc.Lines(QStringLiteral("qrsbHomeTeam")).first(), QStringLiteral("qlNoteCsapat")),
              "Team note");
    EXPECT_TRUE(doc.Find(QStringLiteral("qlNoteCsapat"))->Bold);
    EXPECT_EQ(joined(*doc.Lines(QStringLiteral("qrsbHomeTeamPlayers")).first(), QStringLiteral("qlNote")),
              "Player note");
    EXPECT_EQ(named(doc, QStringLiteral("qlNoteEdzo1")), "Coach note");

    // Opening again: every note last stored is there, the away team's untouched.
    TRosterPresentationLogic again(game);
    const QStringList reopened = again.Notes(true);
    EXPECT_EQ(reopened.first(), "Team note");
    EXPECT_EQ(reopened[1], "Player note");
    EXPECT_EQ(reopened.last(), "Coach note");
    EXPECT_EQ(again.Notes(false), QStringList(3, QString()));

    // The team line carries the team's and the coach's notes in its saved record;
    // a player record's area after Extras stays empty as before.
    const TPlayer line = TPlayer::FromRecord(game.HomeTeam().TeamLine.ToRecord().constData());
    EXPECT_EQ(line.Note, "Team note");
    EXPECT_EQ(line.CoachNote, "Coach note");
    const QByteArray player = game.HomeTeam().OnCourt.At(0)->ToRecord();
    EXPECT_EQ(player.mid(828), QByteArray(TPlayer::RecordSize - 828, '\0'));
}

TEST_F(RosterPresentation, NotesAndNamesKeepTheirLimits)
{
    game.HomeCoach = QString(70, QLatin1Char('c'));
    game.HomeTeam().Data.EgyesuletNev = QString(61, QLatin1Char('t'));
    TRosterPresentationLogic logic(game);
    EXPECT_EQ(logic.Entries(true).first().Record->JatekosNev.size(), 60);
    EXPECT_EQ(logic.Entries(true).last().Record->JatekosNev.size(), 60);
    QStringList notes = logic.Notes(true);
    notes[1] = QString(255, QLatin1Char('x'));
    notes[2] = QString(256, QLatin1Char('y'));
    ASSERT_TRUE(logic.StoreNotes(true, notes));
    EXPECT_EQ(logic.Entries(true)[1].Record->Note, QString(255, QLatin1Char('x')));
    EXPECT_EQ(logic.Entries(true)[2].Record->Note, QString(255, QLatin1Char('y')));
    // The record keeps the whole note through its stored bytes.
    const QByteArray bytes = logic.Entries(true)[1].Record->ToRecord();
    EXPECT_EQ(TPlayer::FromRecord(bytes.constData()).Note, QString(255, QLatin1Char('x')));
}

TEST_F(RosterPresentation, LongNotesWrapWithinThePageAndRowsGrow)
{
    TRosterPresentationLogic logic(game);
    QStringList notes = logic.Notes(true);
    QString note;
    while (note.size() < 240)
        note += QStringLiteral("announcer words ");
    notes[1] = note.trimmed();
    notes[2] = QString(255, QLatin1Char('w'));
    ASSERT_TRUE(logic.StoreNotes(true, notes));
    const TReportDocument doc =
        TqrRostersPresentation(game, logic.Entries(true), logic.Entries(false), translator).Build();
    const QList<const TReportLine *> rows = doc.Lines(QStringLiteral("qrsbHomeTeamPlayers"));
    for (int r : {0, 1}) {
        int parts = 0;
        for (const TReportCell &c : rows[r]->Cells)
            if (c.Name == QLatin1String("qlNote")) {
                ++parts;
                EXPECT_LE(c.Place.right(), doc.ContentWidth() + 1e-9);
                EXPECT_LE(TReportPainter::TextWidthMm(c), c.Place.width() + 1e-9) << c.Text.toStdString();
            }
        EXPECT_GE(parts, 2) << r;
    }
    EXPECT_EQ(joined(*rows[0], QStringLiteral("qlNote")), note.trimmed());
    EXPECT_EQ(joined(*rows[1], QStringLiteral("qlNote")).remove(QLatin1Char(' ')),
              QString(255, QLatin1Char('w')));
    // The next row starts below every line of the note.
    double lowest = 0;
    for (const TReportCell &c : rows[0]->Cells)
        lowest = std::max(lowest, c.Place.bottom());
    EXPECT_GE(rows[1]->Cells.first().Place.top() + 1e-9, lowest);
}

TEST_F(RosterPresentation, HeaderFollowsTheBoxScoreWithoutScores)
{
    run(QStringLiteral("game attendance=250 referee1=\"Ref One\" referee2=\"\" referee3=\"Ref Three\""));
    TRosterPresentationLogic logic(game);
    const TReportDocument doc =
        TqrRostersPresentation(game, logic.Entries(true), logic.Entries(false), translator).Build();
    EXPECT_EQ(named(doc, QStringLiteral("lblTitle")), "Rosters presentation");
    EXPECT_EQ(named(doc, QStringLiteral("lblMerkozesBirok")), "Referees: Ref One, Ref Three");
    EXPECT_EQ(named(doc, QStringLiteral("lblSpectators")), "250");
    EXPECT_EQ(named(doc, QStringLiteral("lblPlayed")), "");
    EXPECT_EQ(named(doc, QStringLiteral("lblMegjegyzes")), "");
    EXPECT_EQ(named(doc, QStringLiteral("lblPerc40")), "40'");
    EXPECT_EQ(doc.Find(QStringLiteral("lblHazai5perc")), nullptr) << "no score cells";
    EXPECT_TRUE(doc.Find(QStringLiteral("imgBanner"))->IsImage());
    EXPECT_TRUE(doc.Find(QStringLiteral("imgSponsor2"))->IsImage());
}

} // namespace
