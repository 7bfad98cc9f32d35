#pragma once

#include "TChartCanvas.h"

#include "reports/document/TReportDocument.h"

#include <QList>
#include <QString>
#include <memory>

class ITranslator;
class TGame;
class TTeam;

// One key moment: a lead change, a tie or a largest lead.
struct TPontokInfo
{
    int Minute = 0;
    int Home = 0;
    int Away = 0;
    QString Text;
    bool operator==(const TPontokInfo &) const = default;
};

// The "Key moments" report (A4 landscape): the box score's header, then the
// minute-by-minute score table, the key moments and the score graph.
class TqrULEBGrafikon
{
public:
    TqrULEBGrafikon(const TGame &game, ITranslator &translator);
    void SetImageFolder(const QString &folder) { m_imageFolder = folder; }

    TReportDocument Build() const;

    // The key moments of the game's recorded made shots.
    static QList<TPontokInfo> KeyMoments(const TGame &game, ITranslator &translator);
    // Ymax of the graph: the next multiple of 10 above the larger score, 5 more above 100.
    static int ScoreAxisMax(int home, int away);
    // The team's short name; the first three letters of its name when the
    // master data has none.
    static QString ShortName(const TTeam &team);
    // The graph's legend: the short name, else the whole name.
    static QString LegendName(const TTeam &team);
    // The minute table prints the minutes that end a period or overtime (and
    // the start) in bold.
    static bool EndsPeriod(const TGame &game, int minute);
    // Moments one key-moment picture holds with its heading.
    static constexpr int MomentsPerPicture = 32;

    static void DrawMinuteScoreTable(TChartCanvas &canvas, const TGame &game, ITranslator &translator);
    static void DrawKeyMoments(TChartCanvas &canvas, const QList<TPontokInfo> &moments, const TGame &game,
                               ITranslator &translator);
    static void DrawScoreGraph(TChartCanvas &canvas, const TGame &game, ITranslator &translator);

private:
    const TGame &m_game;
    ITranslator &m_translator;
    QString m_imageFolder;
};
