#pragma once

#include "reports/boxscore/TqrULEBTeamResults.h"

#include <functional>

// Native-script names from the master data, by web identifier; an empty
// answer (or no function) leaves the name the game has.
struct TNativeNames
{
    std::function<QString(const QString &webId)> Player;
    std::function<QString(const QString &webId)> Team;
};

// The Hebrew league's box score: names in their own script, the score of
// the title and the period line read from the right, plain numbers, an "I"
// column of indirect steals counted into VAL, no sponsors and no footer.
class TqrULEBTeamResultsHebrew : public TqrULEBTeamResults
{
public:
    TqrULEBTeamResultsHebrew(const TGame &game, ITranslator &translator, TNativeNames names);

    // "(OT2, OT1, P2, P1)": the overtimes played home first, then the regular
    // periods away first, each read from the right.
    static QString ReversedPeriodScores(const TGame &game);

protected:
    QString reportClass() const override { return QStringLiteral("TqrULEBTeamResultsHebrew"); }
    const QList<TColumn> &columns() const override { return m_hebrewColumns; }
    QString teamName(const TTeam &team) const override;
    QString playerName(const TBoxScoreRow &row) const override;
    QString titleText() const override;
    QString periodLineText() const override { return ReversedPeriodScores(m_game); }
    QString starterMark() const override { return QStringLiteral("*"); }
    QString dot(const QString &text) const override { return text; }
    int valuation(const TPlayer &record) const override;
    int teamValuation(const TTeam &team) const override;

private:
    TNativeNames m_names;
    QList<TColumn> m_hebrewColumns;
};
