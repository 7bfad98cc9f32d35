#pragma once

#include "reports/document/TReportDocument.h"

#include <QList>
#include <QString>

class ITranslator;
class TGame;
class TPageFrame;

// The game header of the box score, which the charts, the play-by-play list
// and the roster sheet print too: the logo, the remark, the title lines,
// venue and referees beside it; with the facts, the line of date, start,
// time played and spectators (the label always or only with a count), and
// the running score on the right: eight columns of 6 minutes (12-minute
// periods) or 5, and the overtime column.
struct TGameHeader
{
    // What the running score shows.
    enum class TScores
    {
        Reached,    // every column a minute of play has reached
        Regulation, // the same, in a game of five-minute periods only its regular time
        Blank,      // empty columns, to fill in by hand
        None,       // the captions and the team names only
    };

    double LogoHeight = 28;
    // The width of the lines beside the logo; 0 to the page's right edge.
    double Width = 150;
    // The line above the title, bold when there is one.
    QString Remark;
    // The title and the line under it, placed beside the logo one under the
    // other with their names, texts, sizes and heights (the place's height).
    QList<TReportCell> TitleLines;
    bool Facts = true;
    QString Played;
    bool SpectatorsCaptionAlways = false;
    TScores Scores = TScores::Regulation;
    QString HomeName;
    QString AwayName;
    double ScoreSize = 6.5;
    // Scores bold only where they show: the charts' form.
    bool BoldShownOnly = false;
    // The room left under the header.
    double Gap = 1.5;

    // The header of the charts: the title with the score, the period scores,
    // the time played and every column reached; without the facts the
    // play-by-play list's, across the page.
    static TGameHeader Chart(const TGame &game, bool withFacts);

    // "Home - Away h-a", the names cut to 124 characters.
    static QString TitleText(const TGame &game, const QString &home, const QString &away);
    // "(h-a, h-a, ...)": every regular period, then the overtimes played.
    static QString PeriodScoresText(const TGame &game);
    // The caption, then the referees named, after the first each behind ", ".
    static QString RefereesText(const TGame &game, const QString &caption);
    static TReportCell TitleLine(const QString &name, const QString &text, double height, double size);

    // The header at the frame's current place; relative image names of the
    // settings are taken from imageFolder.
    void Add(TPageFrame &frame, const TGame &game, ITranslator &translator, const QString &imageFolder) const;

private:
    QList<TReportCell> factsCells(const TGame &game, double x, double y) const;
    void runningScore(TPageFrame &frame, const TGame &game, double top) const;
};
