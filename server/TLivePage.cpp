#include "TLivePage.h"

#include "common/TPeriodRule.h"
#include "common/Win1250.h"
#include "geometry/CourtGeometry.h"

#include <QFile>

#include <cmath>

namespace {

using Side = TLiveGame::Side;

QString resource(const char *name)
{
    QFile file(QStringLiteral(":/parquetix-live/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QString sideClass(Side side)
{
    return side == TLiveGame::Home ? QStringLiteral("home") : QStringLiteral("away");
}

QString teamName(const TLiveGame &g, Side side, const TLiveTexts &t)
{
    const QString name = g.team(side).name;
    return name.isEmpty() ? t.tr(side == TLiveGame::Home ? QStringLiteral("Home") : QStringLiteral("Away"))
                          : name;
}

QString playerLabel(const TLiveGame::Player &p)
{
    return QStringLiteral("#%1 %2").arg(p.jersey).arg(p.name);
}

QString ratio(int made, int attempts)
{
    return QStringLiteral("%1/%2").arg(made).arg(attempts);
}

// The program's history words of the shots, by "tipus".
const char *const MadeWords[] = {"sikeres közeli", "sikeres középtávoli", "sikeres távoli", "sikeres büntető",
                                 "sikeres zsákolás"};
const char *const MissedWords[] = {"sikertelen közeli", "sikertelen középtávoli", "sikertelen távoli",
                                   "sikertelen büntető", "sikertelen zsakolas"};

// The program's play-by-play words of the other events, by code % 1000.
QString eventKey(int code)
{
    switch (code % 1000) {
    case 2:
        return QStringLiteral("védőlepattanó");
    case 3:
        return QStringLiteral("támadólepattanó");
    case 4:
        return QStringLiteral("labdaszerzés");
    case 5:
        return QStringLiteral("eladott labda");
    case 6:
        return QStringLiteral("kiharcolt személyi");
    case 7:
        return QStringLiteral("személyi hiba");
    case 8:
        return QStringLiteral("gólpassz");
    case 9:
        return QStringLiteral("blokkolt dobás");
    case 10:
        return QStringLiteral("hiba");
    case 11:
        return QStringLiteral("idokéres");
    case 20:
        return QStringLiteral("technikai hiba");
    default:
        return {};
    }
}

struct Column
{
    const char *key; // translation key of the heading
    const char *id;  // data-col of the cells
    QString (*value)(const TLiveGame::Line &, TLiveGame::Edition);
};

const Column Columns[] = {
    {"Min", "min",
     [](const TLiveGame::Line &l, TLiveGame::Edition) { return TLivePage::clockText(l.playingTime); }},
    {"Pts", "pts", [](const TLiveGame::Line &l, TLiveGame::Edition) { return QString::number(l.points); }},
    {"FG", "fg",
     [](const TLiveGame::Line &l, TLiveGame::Edition) {
         return ratio(l.fieldGoalsMade(), l.fieldGoalAttempts());
     }},
    {"2-pts", "two",
     [](const TLiveGame::Line &l, TLiveGame::Edition) { return ratio(l.twoMade(), l.twoAttempts()); }},
    {"3-pts", "three",
     [](const TLiveGame::Line &l, TLiveGame::Edition) { return ratio(l.threeMade, l.threeAttempts()); }},
    {"FTS", "ft",
     [](const TLiveGame::Line &l, TLiveGame::Edition) {
         return ratio(l.freeThrowsMade, l.freeThrowAttempts());
     }},
    {"TL", "or", [](const TLiveGame::Line &l, TLiveGame::Edition) { return QString::number(l.offRebounds); }},
    {"VL", "dr", [](const TLiveGame::Line &l, TLiveGame::Edition) { return QString::number(l.defRebounds); }},
    {"OL", "reb", [](const TLiveGame::Line &l, TLiveGame::Edition) { return QString::number(l.rebounds()); }},
    {"As", "ast", [](const TLiveGame::Line &l, TLiveGame::Edition) { return QString::number(l.assists); }},
    {"ST", "stl", [](const TLiveGame::Line &l, TLiveGame::Edition) { return QString::number(l.steals); }},
    {"TO", "to", [](const TLiveGame::Line &l, TLiveGame::Edition) { return QString::number(l.turnovers); }},
    {"Blk", "blk", [](const TLiveGame::Line &l, TLiveGame::Edition) { return QString::number(l.blocks); }},
    {"PF", "pf",
     [](const TLiveGame::Line &l, TLiveGame::Edition) { return QString::number(l.personalFouls); }},
    {"VAL", "val",
     [](const TLiveGame::Line &l, TLiveGame::Edition e) { return QString::number(l.valuation(e)); }},
};

QString row(const QString &cls, const QString &id, const QString &jersey, const QString &name,
            const TLiveGame::Line &line, TLiveGame::Edition edition, bool withMinutes)
{
    QString html =
        QStringLiteral("<tr class=\"%1\"%2><td class=\"no\">%3</td><th scope=\"row\" class=\"name\">%4</th>")
            .arg(cls, id.isEmpty() ? QString() : QStringLiteral(" id=\"%1\"").arg(id), jersey,
                 TLivePage::escape(name));
    for (const Column &c : Columns) {
        const bool blank = !withMinutes && QLatin1String(c.id) == QLatin1String("min");
        html += QStringLiteral("<td data-col=\"%1\">%2</td>")
                    .arg(QLatin1String(c.id), blank ? QString() : c.value(line, edition));
    }
    return html + QStringLiteral("</tr>\n");
}

QString boxScore(const TLiveGame &g, Side side, const TLiveTexts &t, TLiveGame::Edition edition)
{
    const TLiveGame::Team &team = g.team(side);
    QString html =
        QStringLiteral("<section class=\"box %1\" id=\"box-%1\">\n<h2><span class=\"dot\"></span>%2</h2>\n")
            .arg(sideClass(side), TLivePage::escape(teamName(g, side, t)));
    html += QStringLiteral(
                "<div class=\"scroll\"><table>\n<thead><tr><th class=\"no\">#</th><th class=\"name\">%1</th>")
                .arg(TLivePage::escape(t.tr(QStringLiteral("Player"))));
    for (const Column &c : Columns)
        html += QStringLiteral("<th>%1</th>").arg(TLivePage::escape(t.tr(QLatin1String(c.key))));
    html += QStringLiteral("</tr></thead>\n<tbody>\n");
    for (int i : team.players) {
        const TLiveGame::Player &p = g.players()[i];
        html += row(p.onCourt ? QStringLiteral("player court") : QStringLiteral("player"),
                    QStringLiteral("p%1").arg(i), QString::number(p.jersey), p.name, p.line, edition, true);
    }
    html += QStringLiteral("</tbody>\n<tfoot>\n");
    html +=
        row(QStringLiteral("teamline"), {}, {}, t.tr(QStringLiteral("Team")), team.teamLine, edition, false);
    html += row(QStringLiteral("totals"), {}, {}, t.tr(QStringLiteral("Total")), team.totals, edition, true);
    html += QStringLiteral("</tfoot>\n</table></div>\n");
    html += QStringLiteral(
                "<p class=\"fouls\">%1: <b data-col=\"teamfouls\">%2</b> · %3: <b>%4</b></p>\n</section>\n")
                .arg(TLivePage::escape(t.tr(QStringLiteral("Team fouls"))))
                .arg(team.teamFouls)
                .arg(TLivePage::escape(t.tr(QStringLiteral("Timeouts"))))
                .arg(team.timeouts);
    return html;
}

QString statusText(const TLiveGame &g, const TLiveTexts &t)
{
    const QString period = TLivePage::periodName(g.stretch(), g.periodLength(), t);
    switch (g.status()) {
    case TLiveGame::Status::NotStarted:
        return t.tr(QStringLiteral("Not started"));
    case TLiveGame::Status::Running:
        return QStringLiteral("%1 · %2 %3")
            .arg(period, TLivePage::clockText(g.clock()), t.tr(QStringLiteral("min played")));
    case TLiveGame::Status::BetweenPeriods:
        return QStringLiteral("%1 · %2").arg(t.tr(QStringLiteral("Between periods")), period);
    case TLiveGame::Status::Closed:
        return t.tr(QStringLiteral("Final"));
    }
    return {};
}

QString leaders(const TLiveGame &g, const TLiveTexts &t, TLiveGame::Edition edition)
{
    struct Category
    {
        const char *key;
        int (*value)(const TLiveGame::Line &, TLiveGame::Edition);
    };
    const Category categories[] = {
        {"Points", [](const TLiveGame::Line &l, TLiveGame::Edition) { return l.points; }},
        {"Rebounds", [](const TLiveGame::Line &l, TLiveGame::Edition) { return l.rebounds(); }},
        {"Assists", [](const TLiveGame::Line &l, TLiveGame::Edition) { return l.assists; }},
        {"VAL", [](const TLiveGame::Line &l, TLiveGame::Edition e) { return l.valuation(e); }},
    };
    QString html =
        QStringLiteral("<section class=\"leaders\">\n<h2>%1</h2>\n<table>\n<thead><tr><th></th><th "
                       "class=\"home\">%2</th><th class=\"away\">%3</th></tr></thead>\n<tbody>\n")
            .arg(TLivePage::escape(t.tr(QStringLiteral("Leaders"))),
                 TLivePage::escape(teamName(g, TLiveGame::Home, t)),
                 TLivePage::escape(teamName(g, TLiveGame::Away, t)));
    for (const Category &c : categories) {
        html += QStringLiteral("<tr><th scope=\"row\">%1</th>")
                    .arg(TLivePage::escape(t.tr(QLatin1String(c.key))));
        for (Side side : {TLiveGame::Home, TLiveGame::Away}) {
            int best = -1;
            for (int i : g.team(side).players)
                if (best < 0 ||
                    c.value(g.players()[i].line, edition) > c.value(g.players()[best].line, edition))
                    best = i;
            if (best < 0)
                html += QStringLiteral("<td></td>");
            else
                html += QStringLiteral("<td><b>%1</b> %2</td>")
                            .arg(c.value(g.players()[best].line, edition))
                            .arg(TLivePage::escape(playerLabel(g.players()[best])));
        }
        html += QStringLiteral("</tr>\n");
    }
    return html + QStringLiteral("</tbody>\n</table>\n</section>\n");
}

QString shotChart(const TLiveGame &g, const TLiveTexts &t)
{
    QString html = QStringLiteral("<section class=\"chart\">\n<h2>%1</h2>\n<label class=\"filter\"><select "
                                  "id=\"shot-filter\">\n<option value=\"all\">%2</option>\n")
                       .arg(TLivePage::escape(t.tr(QStringLiteral("Shooting map"))),
                            TLivePage::escape(t.tr(QStringLiteral("All shots"))));
    for (Side side : {TLiveGame::Home, TLiveGame::Away}) {
        const QString name = TLivePage::escape(teamName(g, side, t));
        html += QStringLiteral("<optgroup label=\"%1\"><option value=\"%2\">%1</option>\n")
                    .arg(name, sideClass(side));
        for (int i : g.team(side).players)
            html += QStringLiteral("<option value=\"p%1\">%2</option>\n")
                        .arg(i)
                        .arg(TLivePage::escape(playerLabel(g.players()[i])));
        html += QStringLiteral("</optgroup>\n");
    }
    html += QStringLiteral("</select></label>\n");
    html += QStringLiteral("<svg id=\"shot-chart\" viewBox=\"-6 -6 252 371\" role=\"img\">\n") +
            TLivePage::courtLines();
    html += QStringLiteral("<g class=\"shots\">\n");
    for (const TLiveGame::Shot &s : g.shots()) {
        const QString who = s.player >= 0 ? playerLabel(g.players()[s.player]) : QString();
        const int kind = qBound(1, s.tipus, 5) - 1;
        const QString what = t.tr(QString::fromUtf8(s.made ? MadeWords[kind] : MissedWords[kind]));
        html +=
            QStringLiteral("<g class=\"shot %1 %2\" data-side=\"%2\" data-player=\"p%3\"><title>%4</title>")
                .arg(s.made ? QStringLiteral("made") : QStringLiteral("missed"), sideClass(s.side))
                .arg(s.player)
                .arg(TLivePage::escape(who + QStringLiteral(": ") + what));
        if (s.made)
            html += QStringLiteral("<circle cx=\"%1\" cy=\"%2\" r=\"4.5\"/>").arg(s.x).arg(s.y);
        else
            html += QStringLiteral("<path d=\"M%1 %2l7 7m0 -7l-7 7\"/>").arg(s.x - 3.5).arg(s.y - 3.5);
        html += QStringLiteral("</g>\n");
    }
    return html + QStringLiteral("</g>\n</svg>\n</section>\n");
}

QString scoreGraph(const TLiveGame &g, const TLiveTexts &t)
{
    const TPeriodRule rule(g.periodLength());
    const int maxClock = qMax(qMax(g.clock(), rule.RegulationTicks()), 1);
    int maxScore = 10;
    for (const TLiveGame::ScorePoint &p : g.scoreGraph())
        maxScore = qMax(maxScore, qMax(p.home, p.away));
    const double w = 600;
    const double h = 200;
    auto x = [&](int clock) { return QString::number(w * clock / maxClock, 'f', 1); };
    auto y = [&](int score) { return QString::number(h - h * score / maxScore, 'f', 1); };
    QString html = QStringLiteral("<section class=\"graph\">\n<h2>%1</h2>\n<svg id=\"score-graph\" "
                                  "viewBox=\"-30 -10 640 230\" role=\"img\">\n")
                       .arg(TLivePage::escape(t.tr(QStringLiteral("Score graph"))));
    html += QStringLiteral("<rect class=\"frame\" x=\"0\" y=\"0\" width=\"600\" height=\"200\"/>\n");
    for (int n = 2; rule.StretchStart(n) < maxClock; ++n)
        html += QStringLiteral("<line class=\"period\" x1=\"%1\" x2=\"%1\" y1=\"0\" y2=\"200\"/>\n")
                    .arg(x(rule.StretchStart(n)));
    html += QStringLiteral("<text class=\"axis\" x=\"-6\" y=\"6\">%1</text><text class=\"axis\" x=\"-6\" "
                           "y=\"200\">0</text>\n")
                .arg(maxScore);
    for (Side side : {TLiveGame::Home, TLiveGame::Away}) {
        // Steps: a score holds until the next basket.
        QString points;
        int last = 0;
        for (const TLiveGame::ScorePoint &p : g.scoreGraph()) {
            const int score = side == TLiveGame::Home ? p.home : p.away;
            points += QStringLiteral("%1,%2 %1,%3 ").arg(x(p.clock), y(last), y(score));
            last = score;
        }
        points += QStringLiteral("%1,%2").arg(x(g.clock()), y(last));
        html += QStringLiteral("<polyline class=\"%1\" points=\"%2\"/>\n").arg(sideClass(side), points);
    }
    return html + QStringLiteral("</svg>\n</section>\n");
}

QString playByPlay(const TLiveGame &g, const TLiveTexts &t)
{
    QString html = QStringLiteral("<section class=\"pbp\">\n<h2>%1</h2>\n")
                       .arg(TLivePage::escape(t.tr(QStringLiteral("Play-by-play"))));
    if (g.plays().isEmpty())
        return html + QStringLiteral("<p class=\"quiet\">%1</p>\n</section>\n")
                          .arg(TLivePage::escape(t.tr(QStringLiteral("No events yet."))));
    html += QStringLiteral("<ol id=\"plays\">\n");
    for (qsizetype i = g.plays().size() - 1; i >= 0; --i) {
        const TLiveGame::Play &p = g.plays()[i];
        QString who;
        if (p.player >= 0)
            who = playerLabel(g.players()[p.player]);
        else if (p.code != 1011)
            who = teamName(g, p.side, t);
        html += QStringLiteral("<li class=\"play %1%2\" data-id=\"%3\"><span class=\"when\">%4 %5</span>"
                               "<span class=\"who\">%6</span><span class=\"what\">%7</span>"
                               "<span class=\"running\">%8:%9</span></li>\n")
                    .arg(sideClass(p.side), p.points > 0 ? QStringLiteral(" scoring") : QString())
                    .arg(p.id)
                    .arg(TLivePage::escape(TLivePage::periodName(p.stretch, g.periodLength(), t)),
                         TLivePage::clockText(p.clock), TLivePage::escape(who),
                         TLivePage::escape(TLivePage::playText(g, p, t)))
                    .arg(p.home)
                    .arg(p.away);
    }
    return html + QStringLiteral("</ol>\n</section>\n");
}

QString threePointLine(double cx, double cy, double r, bool top)
{
    // The straight parts along the two columns from the baseline, and the
    // arc through their ends.
    using namespace CourtGeometry;
    const double base = top ? -0.5 : MaskHeight - 0.5;
    const double dx = cx - ThreeLeft;
    const double dy = std::sqrt(qMax(0.0, r * r - dx * dx));
    const double arcEnd = top ? cy + dy : cy - dy;
    return QStringLiteral("<path class=\"line\" d=\"M%1 %2L%1 %3A%4 %4 0 0 %5 %6 %3L%6 %2\"/>\n")
        .arg(ThreeLeft)
        .arg(base)
        .arg(QString::number(arcEnd, 'f', 2))
        .arg(QString::number(r, 'f', 2))
        .arg(top ? 0 : 1)
        .arg(ThreeRight);
}

} // namespace

QString TLivePage::escape(const QString &text)
{
    QString out;
    out.reserve(text.size() + 8);
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '&':
            out += QLatin1String("&amp;");
            break;
        case '<':
            out += QLatin1String("&lt;");
            break;
        case '>':
            out += QLatin1String("&gt;");
            break;
        case '"':
            out += QLatin1String("&quot;");
            break;
        case '\'':
            out += QLatin1String("&#39;");
            break;
        case '%':
            // Never a placeholder of the QString::arg chains that build the markup.
            out += QLatin1String("&#37;");
            break;
        default:
            // Line breaks and other controls would break the push's lines.
            if (c.unicode() < 0x20 || c.unicode() == 0x7f)
                out += QStringLiteral("&#%1;").arg(c.unicode());
            else
                out += c;
        }
    }
    return out;
}

QString TLivePage::clockText(int quarterMinutes)
{
    return QStringLiteral("%1:%2")
        .arg(quarterMinutes / 4, 2, 10, QLatin1Char('0'))
        .arg((quarterMinutes % 4) * 15, 2, 10, QLatin1Char('0'));
}

QString TLivePage::periodName(int stretch, int periodLength, const TLiveTexts &t)
{
    const TPeriodRule rule(periodLength);
    const bool hungarian = t.language() == TLiveTexts::Language::Hungarian;
    if (rule.IsOvertime(stretch)) {
        const QString word = t.tr(QStringLiteral("Hosszabbítás"));
        return hungarian ? QStringLiteral("%1. %2").arg(rule.OvertimeNumber(stretch)).arg(word.toLower())
                         : QStringLiteral("%1 %2").arg(word).arg(rule.OvertimeNumber(stretch));
    }
    if (rule.RegularPeriods() == 2)
        return t.tr(stretch == 1 ? QStringLiteral("1. felido") : QStringLiteral("2. felido"));
    const QString word = t.tr(QStringLiteral("Negyed"));
    return hungarian ? QStringLiteral("%1. %2").arg(stretch).arg(word)
                     : QStringLiteral("%1 %2").arg(word).arg(stretch);
}

QString TLivePage::playText(const TLiveGame &g, const TLiveGame::Play &p, const TLiveTexts &t)
{
    if (p.code == 1000 || p.code == 1001) {
        if (p.tipus < 1 || p.tipus > 5)
            return {};
        return t.tr(QString::fromUtf8(p.code == 1000 ? MadeWords[p.tipus - 1] : MissedWords[p.tipus - 1]));
    }
    if (p.code == 1011) {
        const QString in = p.playerIn >= 0 ? playerLabel(g.players()[p.playerIn]) : QStringLiteral("?");
        const QString out = p.playerOut >= 0 ? playerLabel(g.players()[p.playerOut]) : QStringLiteral("?");
        return QStringLiteral("%1: %2 %3 %4")
            .arg(t.tr(QStringLiteral("Substitution")), in, t.tr(QStringLiteral("<->")).trimmed(), out);
    }
    return t.tr(eventKey(p.code));
}

QString TLivePage::courtLines()
{
    using namespace CourtGeometry;
    const double cx = ArcCentreX2 / 2.0;
    const double cy = ArcCentreY2 / 2.0;
    const double r = std::sqrt(double(ArcRadius2Squared)) / 2.0;
    const double bottomOf = MaskHeight - 1; // the bottom half mirrors the top about the centre row
    QString svg =
        QStringLiteral(
            "<g class=\"court\">\n<rect class=\"floor\" x=\"-0.5\" y=\"-0.5\" width=\"%1\" height=\"%2\"/>\n")
            .arg(MaskWidth)
            .arg(MaskHeight);
    svg += QStringLiteral("<line class=\"line\" x1=\"-0.5\" x2=\"%1\" y1=\"%2\" y2=\"%2\"/>\n")
               .arg(MaskWidth - 0.5)
               .arg(CentreRow);
    svg += QStringLiteral("<circle class=\"line\" cx=\"%1\" cy=\"%2\" r=\"%3\"/>\n")
               .arg(FreeThrowX)
               .arg(CentreRow)
               .arg(FreeThrowEdge);
    for (const bool top : {true, false}) {
        auto yy = [&](double y) { return top ? y : bottomOf - y; };
        svg += QStringLiteral("<polygon class=\"key\" points=\"%1,%2 %3,%2 %4,%5 %6,%5\"/>\n")
                   .arg(KeyBaseLeft - 0.5)
                   .arg(yy(-0.5))
                   .arg(KeyBaseRight + 0.5)
                   .arg(KeyTopRight + 0.5)
                   .arg(yy(KeyTopY + 0.5))
                   .arg(KeyTopLeft - 0.5);
        svg += QStringLiteral("<circle class=\"line\" cx=\"%1\" cy=\"%2\" r=\"%3\"/>\n")
                   .arg(FreeThrowX)
                   .arg(yy(FreeThrowY))
                   .arg(FreeThrowEdge);
        svg += threePointLine(cx, top ? cy : bottomOf - cy, r, top);
        svg += QStringLiteral("<circle class=\"basket\" cx=\"%1\" cy=\"%2\" r=\"%3\"/>\n")
                   .arg(BasketX)
                   .arg(yy(BasketY))
                   .arg(DunkRadius);
    }
    return svg + QStringLiteral("</g>\n");
}

QString TLivePage::fragment(const TLiveGame &g, const TLiveTexts &t, TLiveGame::Edition edition)
{
    if (g.version() == 0)
        return QStringLiteral("<p class=\"empty\">%1</p>\n")
            .arg(escape(t.tr(QStringLiteral("No game with this code has sent anything yet."))));
    const bool final = g.status() == TLiveGame::Status::Closed;
    QString html =
        QStringLiteral("<section class=\"scoreline%1\">\n").arg(final ? QStringLiteral(" final") : QString());
    html +=
        QStringLiteral(
            "<div class=\"team home\"><span class=\"dot\"></span><span id=\"home-name\">%1</span></div>\n"
            "<div class=\"score\"><span id=\"score-home\">%2</span><span class=\"colon\">:</span><span "
            "id=\"score-away\">%3</span></div>\n"
            "<div class=\"team away\"><span id=\"away-name\">%4</span><span class=\"dot\"></span></div>\n")
            .arg(escape(teamName(g, TLiveGame::Home, t)))
            .arg(g.homeScore())
            .arg(g.awayScore())
            .arg(escape(teamName(g, TLiveGame::Away, t)));
    html += QStringLiteral("<p class=\"status\" id=\"status\" data-status=\"%1\">%2</p>\n</section>\n")
                .arg(int(g.status()))
                .arg(escape(statusText(g, t)));
    if (g.unattributed() > 0)
        html += QStringLiteral("<p class=\"note\">%1</p>\n")
                    .arg(escape(t.tr(QStringLiteral("The roster of this game was not received: "
                                                    "events of unknown players are left out."))));
    html += QStringLiteral("<div class=\"boxes\">\n") + boxScore(g, TLiveGame::Home, t, edition) +
            boxScore(g, TLiveGame::Away, t, edition) + QStringLiteral("</div>\n");
    html += QStringLiteral("<div class=\"panels\">\n") + shotChart(g, t) +
            QStringLiteral("<div class=\"side\">\n") + leaders(g, t, edition) + scoreGraph(g, t) +
            QStringLiteral("</div>\n</div>\n");
    html += playByPlay(g, t);
    return html;
}

QByteArray TLivePage::page(const QByteArray &game, const QString &fragment, qint64 version,
                           const TLiveTexts &t)
{
    const QString code = escape(Win1250::Decode(game));
    const QByteArray lang = TLiveTexts::code(t.language());
    QString html =
        QStringLiteral("<!DOCTYPE html>\n<html lang=\"%1\">\n<head>\n<meta charset=\"utf-8\">\n"
                       "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
                       "<title>%2 %3 · Parquetix</title>\n<style>\n%4</style>\n</head>\n<body>\n")
            .arg(QString::fromLatin1(lang), escape(t.tr(QStringLiteral("Game"))), code, resource("live.css"));
    html +=
        QStringLiteral("<header class=\"bar\"><a class=\"back\" href=\"/\">%1</a>"
                       "<span class=\"code\">%2 %3</span>"
                       "<span class=\"live\" id=\"live-state\" data-live=\"%4\" data-lost=\"%5\">%4</span>"
                       "<nav class=\"lang\"><a href=\"?lang=hu\" hreflang=\"hu\"%6>Magyar</a>"
                       "<a href=\"?lang=en\" hreflang=\"en\"%7>English</a></nav></header>\n")
            .arg(escape(t.tr(QStringLiteral("All games"))), escape(t.tr(QStringLiteral("Game"))), code,
                 escape(t.tr(QStringLiteral("Live"))), escape(t.tr(QStringLiteral("Reconnecting…"))),
                 lang == "hu" ? QStringLiteral(" class=\"chosen\"") : QString(),
                 lang == "en" ? QStringLiteral(" class=\"chosen\"") : QString());
    html += QStringLiteral("<main id=\"game\" data-lang=\"%1\" data-version=\"%2\">\n%3</main>\n")
                .arg(QString::fromLatin1(lang))
                .arg(version)
                .arg(fragment);
    html += QStringLiteral("<script>\n%1</script>\n</body>\n</html>\n").arg(resource("live.js"));
    return html.toUtf8();
}
