#pragma once

#include "TBoxScoreRows.h"
#include "reports/document/TReportDocument.h"
#include "reports/frame/TPageFrame.h"

#include "model/settings/TSettings.h"

#include <QList>
#include <QString>
#include <span>

class ITranslator;
class TGame;
class TTeam;

// The box score of a game (A4 landscape, "Team results"): the header with
// the period scores and the running score, each team's player table with
// its side panel of ratios and a total line, and the team comparison.
// Building reads the game and the row lists and changes neither. The
// leagues' variants derive from it and change the parts they print otherwise.
class TqrULEBTeamResults
{
public:
    TqrULEBTeamResults(const TGame &game, ITranslator &translator);
    virtual ~TqrULEBTeamResults() = default;

    // The lists of sbHazaiCsapat and sbVendegCsapat; without them the
    // report builds the lists the report menu would give it.
    void SetRows(QList<TBoxScoreRow> home, QList<TBoxScoreRow> away);
    // Relative image file names of the settings are taken from this folder.
    void SetImageFolder(const QString &folder) { m_imageFolder = folder; }

    TReportDocument Build() const;

    // Formatting rules of the report's counts.
    static bool IsAllZero(const QString &text);
    static QString FormatZeroAsDot(const QString &text, const QString &dot);
    // A column of a player table: cell name (the heading key), caption,
    // group caption over it, place in millimetres.
    struct TColumn
    {
        QString Name;
        QString Caption;
        QString Group;
        double X = 0;
        double Width = 0;
        TReportCell::Align Alignment = TReportCell::Align::Left;
    };
    // A column as the tables of the source write it.
    struct TColumnSpec
    {
        const char *Name, *Caption, *Group;
        double X, Width;
        TReportCell::Align Alignment;
    };
    static QList<TColumn> ColumnsOf(std::span<const TColumnSpec> specs);

protected:
    static constexpr double BodySize = 6.5;
    static constexpr double LineHeight = 3.6;
    static constexpr double HeadingHeight = 4.0;
    static constexpr double PanelX = 203.0;
    static constexpr double PanelColumn = 80.0 / 6;

    struct TTeamSide
    {
        const TTeam *Team = nullptr;
        const TTeam *Opponent = nullptr;
        const QList<TBoxScoreRow> *Rows = nullptr;
        bool Home = true;
    };

    using TLayout = TPageFrame;

    static TReportCell Text(const QString &name, const QString &value, double x, double y, double w, double h,
                            TReportCell::Align align = TReportCell::Align::Left, bool bold = false,
                            double size = BodySize);
    static TReportCell Caption(const QString &name, const QString &key, double x, double y, double w,
                               double h, TReportCell::Align align = TReportCell::Align::Left,
                               bool bold = true, double size = BodySize);
    static TReportCell Image(const QString &name, const QString &file, double x, double y, double w,
                             double h);
    static QString Fixed(double value, int decimals);
    // A caption over five columns of the side panel and its value in the sixth.
    static void panelPair(QList<TReportCell> &cells, const QString &label, const QString &value, double y,
                          double h, bool bold);
    static QList<TColumn> BoxScoreColumns();

    // The cell of a column of columns(); an unknown name takes the first column's place.
    TReportCell at(const QString &name, const QString &value, double y, double h, bool bold = false) const;
    TTeamSide side(bool home) const;

    // What the variants change.
    virtual QString reportClass() const { return QStringLiteral("TqrULEBTeamResults"); }
    virtual int copies() const;
    // The bands in the order they print.
    virtual void bands(TLayout &layout) const;
    virtual const QList<TColumn> &columns() const { return m_columns; }
    // The teams whose totals the tables show.
    virtual const TTeam &valueTeam(bool home) const;
    virtual QString teamName(const TTeam &team) const;
    virtual QString playerName(const TBoxScoreRow &row) const;
    virtual QString titleText() const;
    virtual QString periodLineText() const;
    // The remark line above the title; empty unless a report says what it covers.
    virtual QString remarkText() const { return QString(); }
    virtual QString starterMark() const { return QStringLiteral("S"); }
    virtual QString dot(const QString &text) const;
    virtual int valuation(const TPlayer &record) const;
    virtual int teamValuation(const TTeam &team) const;
    // The "I" column of the variants that print one.
    virtual int indirectSteals(const TPlayer &record) const;

    QString tr(const QString &text) const;
    QString imagePath(const QString &setting) const;

    void header(TLayout &layout) const;
    void teamHeading(TLayout &layout, const TTeamSide &side) const;
    void columnCaptions(TLayout &layout, const QString &band, const QString &nameText, bool withPanel) const;
    void groupCaptions(QList<TReportCell> &cells, double y) const;
    void playerLine(TLayout &layout, const TTeamSide &side, int r) const;
    void sidePanel(QList<TReportCell> &cells, const TTeamSide &side, int r, double y, double h) const;
    void totalLine(TLayout &layout, const TTeamSide &side) const;
    void comparison(TLayout &layout, const TTeamSide &home, const TTeamSide &away) const;
    void footer(TLayout &layout) const;
    // The period scores the operator confirmed, for the footer; empty when none.
    QString confirmedScores() const;
    // Points, the four groups, rebounds to VAL of a record, from the "Pont" column on.
    void statCells(QList<TReportCell> &cells, const TPlayer &p, int val, int indirect, bool plainPoints,
                   bool plainPercent, double y, double h, bool bold) const;
    int teamTime(const TTeamSide &side) const;

    const TGame &m_game;
    ITranslator &m_translator;
    TEdition m_edition;
    QList<TBoxScoreRow> m_home;
    QList<TBoxScoreRow> m_away;
    QString m_imageFolder;
    QList<TColumn> m_columns;

    // The parts the variants print otherwise.
    bool m_plainRunningScore = false; // columns past 10' filled with five-minute periods too
    bool m_blankRunningScore = false; // headings and names only
    bool m_periodLine = true;
    bool m_playedValue = true;
    bool m_spectatorsCaptionAlways = false;
    bool m_coachInHeading = true;
    bool m_headingPanel = true;
    bool m_coachInTotal = false;
    bool m_blankValues = false;        // a sheet to fill in by hand
    bool m_plainTotalPercents = false; // total and comparison lines
    bool m_footer = true;
    QString m_headerFont; // the header band's font when not the report's own
};
