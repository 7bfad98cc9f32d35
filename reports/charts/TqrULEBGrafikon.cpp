#include "TqrULEBGrafikon.h"

#include "ShotPositions.h"
#include "reports/frame/TGameHeader.h"
#include "reports/frame/TPageFrame.h"

#include "model/events/EventKinds.h"
#include "model/game/TGame.h"
#include "model/services/Services.h"

#include <cmath>

using namespace ReportCells;

namespace {

const QColor Silver(192, 192, 192);

QString tr(ITranslator &translator, const QString &text)
{
    return translator.Translate(text, QStringLiteral("PRINT"));
}

// Pixels to millimetres on the page: the three pictures side by side fill the width.
constexpr double MmPerPixel = 0.265;

} // namespace

TqrULEBGrafikon::TqrULEBGrafikon(const TGame &game, ITranslator &translator)
    : m_game(game), m_translator(translator)
{
}

QString TqrULEBGrafikon::ShortName(const TTeam &team)
{
    const QString shortName = team.Data.EgyesuletRovidNev.trimmed();
    if (!shortName.isEmpty())
        return shortName;
    // The tables are made for three letters: those of the name stand in.
    QString letters = team.Data.EgyesuletNev;
    letters.remove(QLatin1Char(' '));
    return letters.left(3).toUpper();
}

QString TqrULEBGrafikon::LegendName(const TTeam &team)
{
    // The legend has room for the whole name.
    const QString shortName = team.Data.EgyesuletRovidNev.trimmed();
    return shortName.isEmpty() ? team.Data.EgyesuletNev : shortName;
}

bool TqrULEBGrafikon::EndsPeriod(const TGame &game, int minute)
{
    const TPeriodRule rule = game.Periods();
    const int clock = 4 * minute;
    return minute == 0 || rule.StretchEnd(rule.StretchOfClock(clock)) == clock;
}

int TqrULEBGrafikon::ScoreAxisMax(int home, int away)
{
    int ymax = (std::max(home, away) / 10 + 1) * 10;
    if (ymax > 100)
        ymax += 5;
    return ymax;
}

QList<TPontokInfo> TqrULEBGrafikon::KeyMoments(const TGame &game, ITranslator &translator)
{
    QList<const TGameEvent *> made;
    for (const TEventList::Entry &entry : game.RecordedEvents.Entries())
        if (entry.Event->Kind == Kind::ShotMade)
            made.append(entry.Event);
    // First pass: the largest lead of each team as home minus away.
    int home = 0, away = 0, max = 0, min = 0;
    for (const TGameEvent *e : made) {
        (e->Side == 1 ? home : away) += ShotKind::Points(e->Detail);
        max = std::max(max, home - away);
        min = std::min(min, home - away);
    }
    const QString homeShort = ShortName(game.HomeTeam());
    const QString awayShort = ShortName(game.AwayTeam());
    auto takes = [&](const QString &shortName) {
        return shortName + (shortName.size() <= 3 ? QStringLiteral(" ") : QString()) +
               tr(translator, QStringLiteral("take the lead"));
    };
    auto maximum = [&](const QString &shortName) {
        return tr(translator, QStringLiteral("Maximum")) + QLatin1Char(' ') + shortName + QLatin1Char(' ') +
               tr(translator, QStringLiteral("lead"));
    };
    QList<TPontokInfo> moments;
    home = away = 0;
    int state = 0;
    for (const TGameEvent *e : made) {
        const int previous = state;
        (e->Side == 1 ? home : away) += ShotKind::Points(e->Detail);
        const int diff = home - away;
        state = diff > 0 ? -1 : diff == 0 ? 0 : 1;
        if (state == previous && diff != max && diff != min)
            continue;
        QString text;
        if (state == 0)
            text = tr(translator, QStringLiteral("Draw"));
        else if (state == -1)
            text = diff == max ? maximum(homeShort) : takes(homeShort);
        else
            text = diff == min ? maximum(awayShort) : takes(awayShort);
        moments.append({e->Clock / 4, home, away, text});
    }
    return moments;
}

void TqrULEBGrafikon::DrawMinuteScoreTable(TChartCanvas &c, const TGame &game, ITranslator &translator)
{
    for (const double x : {5, 35, 105, 120, 150, 220})
        c.Line({x, 5}, {x, 357});
    for (int i = 0; i <= 22; ++i) {
        c.Line({5, 16.0 * i + 5}, {105, 16.0 * i + 5});
        c.Line({120, 16.0 * i + 5}, {220, 16.0 * i + 5});
    }
    const QString homeShort = ShortName(game.HomeTeam());
    const QString awayShort = ShortName(game.AwayTeam());
    const QString min = tr(translator, QStringLiteral("Min"));
    for (const double shift : {0, 115}) {
        const double y = 16 * 1 - 9;
        c.Text(30 + (shift ? 113 : 0), y, min, true);
        c.Text(60 + shift, y, homeShort, true);
        c.Text(65 + shift, y, QStringLiteral(" - "));
        c.Text(77 + shift, y, awayShort);
    }
    for (int i = 2; i <= 22; ++i) {
        const double y = 16.0 * i - 9;
        for (const bool right : {false, true}) {
            const int minute = right ? i + 18 : i - 2;
            if (game.Clock < 4 * minute)
                continue;
            const double shift = right ? 115 : 0;
            const TGame::Score s = game.ScoreAtMinute(minute);
            const bool bold = EndsPeriod(game, minute);
            c.Text(25 + shift, y, QString::number(minute), true, bold);
            c.Text(60 + shift, y, QString::number(s.Home), true, bold);
            c.Text(65 + shift, y, QStringLiteral(" - "), false, bold);
            c.Text(80 + shift, y, QString::number(s.Away), false, bold);
        }
    }
}

void TqrULEBGrafikon::DrawKeyMoments(TChartCanvas &c, const QList<TPontokInfo> &moments, const TGame &game,
                                     ITranslator &translator)
{
    const int n = int(moments.size());
    c.Text(30, 7, tr(translator, QStringLiteral("Min")), true);
    c.Text(60, 7, ShortName(game.HomeTeam()), true);
    c.Text(65, 7, QStringLiteral(" - "));
    c.Text(80, 7, ShortName(game.AwayTeam()));
    c.Text(145, 7, tr(translator, QStringLiteral("Information")));
    c.Text(270, 7, tr(translator, QStringLiteral("Diff")), true);
    for (const double x : {5, 35, 105, 245, 275})
        c.Line({x, 5}, {x, 16.0 * (n + 1) + 5});
    c.Line({5, 5}, {275, 5});
    c.Line({5, 21}, {275, 21});
    for (int i = 0; i < n; ++i) {
        const TPontokInfo &m = moments[i];
        c.Line({5, 16.0 * i + 37}, {275, 16.0 * i + 37});
        const double y = 16.0 * i + 23;
        c.Text(25, y, QString::number(m.Minute), true);
        c.Text(60, y, QString::number(m.Home), true);
        c.Text(65, y, QStringLiteral(" - "));
        c.Text(85, y, QString::number(m.Away));
        c.Text(110, y, m.Text);
        c.Text(265, y, QString::number(std::abs(m.Home - m.Away)), true);
    }
}

void TqrULEBGrafikon::DrawScoreGraph(TChartCanvas &c, const TGame &game, ITranslator &translator)
{
    const int homePoints = game.HomeTeam().Data.Totals.Points;
    const int awayPoints = game.AwayTeam().Data.Totals.Points;
    const int ymax = ScoreAxisMax(homePoints, awayPoints);
    const int m = game.Clock / 4;
    // Both scales fit the drawn axes: the last minute tick ends the time
    // axis at 545 and Ymax reaches the top at 5, so nothing is cut off.
    const double hx = 510.0 / (m + 3);
    const double vy = 515.0 / ymax;
    auto x = [&](int t) { return double(ShotPositions::Round(35 + t * hx)); };
    auto y = [&](int p) { return double(ShotPositions::Round(520 - p * vy)); };

    c.Line({35, 5}, {35, 520});
    c.Line({35, 520}, {545, 520});
    for (int t = 0; t <= m + 3; ++t) {
        if (t % 2 == 1) {
            c.Line({x(t), 520}, {x(t), 525});
            continue;
        }
        if (t != 0)
            c.Line({x(t), 5}, {x(t), 520}, Silver);
        c.Line({x(t), 520}, {x(t), 530});
        c.Text(x(t) - 2, 535, QString::number(t));
    }
    for (int p = 0; p <= ymax; ++p) {
        if (p % 5 != 0) {
            c.Line({30, y(p)}, {35, y(p)});
            continue;
        }
        if (p != 0)
            c.Line({35, y(p)}, {555, y(p)}, Silver);
        c.Line({25, y(p)}, {35, y(p)});
        c.Text(25, y(p), QString::number(p), true);
    }
    const QString pts = tr(translator, QStringLiteral("Pts of "));
    c.Line({50, 25}, {80, 25});
    c.Text(90, 23, pts + LegendName(game.HomeTeam()));
    c.Line({50, 45}, {80, 45}, Qt::black, Qt::DotLine);
    c.Text(90, 43, pts + LegendName(game.AwayTeam()));
    QPointF home(35, 520), away(35, 520);
    for (int v = 0; v <= m; ++v) {
        const TGame::Score s = game.ScoreAtMinute(v);
        const QPointF h(x(v), y(s.Home)), a(x(v), y(s.Away));
        c.Line(home, h);
        c.Line(away, a, Qt::black, Qt::DotLine);
        home = h;
        away = a;
    }
}

TReportDocument TqrULEBGrafikon::Build() const
{
    TReportDocument doc;
    doc.ReportClass = QStringLiteral("TqrULEBGrafikon");
    doc.Landscape = true;
    doc.Copies = std::max(1, m_game.Settings().NumberOfCopies());
    TPageFrame layout(doc);
    TGameHeader::Chart(m_game, true).Add(layout, m_game, m_translator, m_imageFolder);
    layout.Line(QStringLiteral("PageHeaderBand1"), 0)
        .Cells.append(Caption(QStringLiteral("lblTitle"), QStringLiteral("Key moments"), 186, 0, 97, 6,
                              Align::Left, true, 11));

    auto table = std::make_shared<TChartCanvas>(QSizeF(225, 409));
    DrawMinuteScoreTable(*table, m_game, m_translator);
    const QList<TPontokInfo> moments = KeyMoments(m_game, m_translator);
    QList<std::shared_ptr<TChartCanvas>> momentPictures;
    // More moments than a picture holds go on in further pictures, never dropped.
    for (int from = 0; from == 0 || from < moments.size(); from += MomentsPerPicture) {
        auto picture = std::make_shared<TChartCanvas>(QSizeF(281, 545));
        DrawKeyMoments(*picture, moments.mid(from, MomentsPerPicture), m_game, m_translator);
        momentPictures.append(picture);
    }
    auto graph = std::make_shared<TChartCanvas>(QSizeF(550, 550));
    DrawScoreGraph(*graph, m_game, m_translator);

    const double gap = (layout.Width() - (225 + 281 + 550) * MmPerPixel) / 2;
    const double top = layout.Y + 2;
    TReportLine &line = layout.Line(QStringLiteral("dbGrafikon"), 550 * MmPerPixel + 2);
    line.Cells = {
        Picture(QStringLiteral("imgGrafikon1"), table, 0, top, 225 * MmPerPixel, 409 * MmPerPixel),
        Picture(QStringLiteral("imgGrafikon2"), momentPictures.first(), (225 * MmPerPixel) + gap, top,
                281 * MmPerPixel, 545 * MmPerPixel),
        Picture(QStringLiteral("imgGrafikon3"), graph, (506 * MmPerPixel) + 2 * gap, top, 550 * MmPerPixel,
                550 * MmPerPixel),
    };
    // Further key-moment pictures, three to a page.
    for (int i = 1; i < momentPictures.size(); ++i) {
        const int slot = (i - 1) % 3;
        if (slot == 0)
            layout.NewPage();
        TReportLine &more = layout.Line(QStringLiteral("dbGrafikonFolytatas"), 0);
        more.Cells.append(Picture(QStringLiteral("imgGrafikon2_%1").arg(i + 1), momentPictures[i],
                                  slot * (281 * MmPerPixel + 10), 0, 281 * MmPerPixel, 545 * MmPerPixel));
    }
    TranslateReport(doc, m_translator);
    return doc;
}
