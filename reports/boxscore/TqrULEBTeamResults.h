#pragma once

#include "TBoxScoreRows.h"
#include "reports/document/TReportDocument.h"

#include "model/TSettings.h"

#include <QList>
#include <QString>

class ITranslator;
class TGame;
class TTeam;

// The box score of a game (A4 landscape, "Team results"): the header with
// the period scores and the running score, each team's player table with
// its side panel of ratios and a total line, and the team comparison.
// Building reads the game and the row lists and changes neither.
class TqrULEBTeamResults
{
public:
    TqrULEBTeamResults(const TGame &game, ITranslator &translator);

    // The lists of sbHazaiCsapat and sbVendegCsapat; without them the
    // report builds the lists the report menu would give it.
    void SetRows(QList<TBoxScoreRow> home, QList<TBoxScoreRow> away);
    // Relative image file names of the settings are taken from this folder.
    void SetImageFolder(const QString &folder) { m_imageFolder = folder; }

    TReportDocument Build() const;

    // Formatting rules of the report's counts.
    static bool IsAllZero(const QString &text);
    static QString FormatZeroAsDot(const QString &text, const QString &dot);
    // "(h-a, h-a, ...)": every regular period, then the overtimes played.
    static QString PeriodScoresText(const TGame &game);

private:
    struct TTeamSide
    {
        const TTeam *Team = nullptr;
        const TTeam *Opponent = nullptr;
        const QList<TBoxScoreRow> *Rows = nullptr;
        bool Home = true;
    };
    class TLayout;

    QString tr(const QString &text) const;
    QString dot(const QString &text) const;
    QString imagePath(const QString &setting) const;
    int valuation(const TPlayer &record) const;
    int teamValuation(const TTeam &team) const;

    void header(TLayout &layout) const;
    void runningScore(TLayout &layout, double top) const;
    void teamHeading(TLayout &layout, const TTeamSide &side) const;
    void columnCaptions(TLayout &layout, const QString &band, const QString &nameText, bool withPanel) const;
    void playerLine(TLayout &layout, const TTeamSide &side, int r) const;
    void sidePanel(QList<TReportCell> &cells, const TTeamSide &side, int r, double y, double h) const;
    void totalLine(TLayout &layout, const TTeamSide &side) const;
    void comparison(TLayout &layout, const TTeamSide &home, const TTeamSide &away) const;
    void footer(TLayout &layout) const;
    // Points, the four groups, rebounds to VAL of a record, from the "Pont" column on.
    void statCells(QList<TReportCell> &cells, const TPlayer &p, int val, bool plainPoints, double y, double h,
                   bool bold) const;
    int teamTime(const TTeamSide &side) const;

    const TGame &m_game;
    ITranslator &m_translator;
    TEdition m_edition;
    QList<TBoxScoreRow> m_home;
    QList<TBoxScoreRow> m_away;
    QString m_imageFolder;
};
