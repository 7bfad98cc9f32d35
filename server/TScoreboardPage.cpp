#include "TScoreboardPage.h"

#include "common/Win1250.h"

namespace {

const char *Style = R"(
body { margin: 0; background: #f3f4f6; color: #1f2933;
       font-family: "DejaVu Sans", "Segoe UI", system-ui, sans-serif; }
header { display: flex; justify-content: space-between; align-items: baseline;
         padding: 18px 32px; background: #ffffff; border-bottom: 1px solid #dde1e6; }
h1 { margin: 0; font-size: 20px; font-weight: 600; }
.updated { color: #6b7785; font-size: 13px; }
.follow { color: #1d4e89; font-weight: 600; text-decoration: none; }
main { display: grid; grid-template-columns: repeat(auto-fit, minmax(440px, 1fr));
       gap: 20px; padding: 24px 32px; }
main.single { grid-template-columns: minmax(0, 1400px); justify-content: center; }
.single .game { display: grid; grid-template-columns: minmax(340px, 2fr) 3fr; column-gap: 40px;
                padding: 24px 32px 16px; }
.single .teams { margin-top: 28px; }
.single .team { font-size: 26px; }
.single .score { font-size: 56px; }
.single .status { font-size: 17px; }
@media (max-width: 900px) { .single .game { grid-template-columns: 1fr; } }
.empty { color: #6b7785; padding: 40px 32px; font-size: 15px; }
.game { background: #ffffff; border: 1px solid #dde1e6; border-radius: 8px; padding: 16px 22px 10px; }
.meta { display: flex; justify-content: space-between; color: #6b7785; font-size: 12px;
        letter-spacing: 0.04em; }
.teams { display: grid; grid-template-columns: 1fr auto 1fr; align-items: center; margin: 14px 0 6px; }
.team { font-size: 18px; font-weight: 600; }
.team.away { text-align: right; }
.score { font-size: 34px; font-weight: 600; padding: 0 18px; font-variant-numeric: tabular-nums;
         white-space: nowrap; }
.status { text-align: center; color: #3e4c59; font-size: 14px; margin-bottom: 10px; }
.status.final { color: #7b2d26; font-weight: 600; }
.note { text-align: center; color: #8a94a0; font-size: 12px; margin-bottom: 8px; }
ol { list-style: none; margin: 0; padding: 0; border-top: 1px solid #eceef1; }
li { display: grid; grid-template-columns: 72px 130px 1fr; gap: 8px; padding: 6px 0;
     border-bottom: 1px solid #eceef1; font-size: 14px; }
li:last-child { border-bottom: none; }
.time { color: #8a94a0; font-variant-numeric: tabular-nums; }
.side { color: #52606d; overflow: hidden; text-overflow: ellipsis; white-space: nowrap; }
.side.home { color: #1d4e89; }
.side.away { color: #8a4b0f; }
.quiet { color: #8a94a0; font-size: 13px; padding: 8px 0; }
)";

QString teamName(const QString &name, const QString &fallback)
{
    return name.isEmpty() ? fallback : name;
}

QString card(const TGameSummary &g)
{
    const QString home = teamName(g.homeName(), QStringLiteral("Home"));
    const QString away = teamName(g.awayName(), QStringLiteral("Away"));
    const QString code = Win1250::Decode(g.game());
    QString html;
    html += QStringLiteral("<section class=\"game\">\n<div class=\"head\">\n");
    html += QStringLiteral("<div class=\"meta\"><span>GAME %1</span><span>%2 messages</span>"
                           "<a class=\"follow\" href=\"/live/%3\">Live page</a></div>\n")
                .arg(code.toHtmlEscaped(), QString::number(g.messageCount()),
                     QString::fromLatin1(g.game().toPercentEncoding()));
    html += QStringLiteral("<div class=\"teams\"><div class=\"team home\">%1</div>"
                           "<div class=\"score\">%2 : %3</div><div class=\"team away\">%4</div></div>\n")
                .arg(home.toHtmlEscaped(), QString::number(g.homeScore()), QString::number(g.awayScore()),
                     away.toHtmlEscaped());
    html += QStringLiteral("<div class=\"status%1\">%2</div>\n")
                .arg(g.closed() ? QStringLiteral(" final") : QString(), g.statusText().toHtmlEscaped());
    if (g.scoreSource() != QLatin1String("made shots"))
        html +=
            QStringLiteral("<div class=\"note\">score %1: the roster of this game was not received</div>\n")
                .arg(g.scoreSource() == QLatin1String("reported") ? QStringLiteral("as reported")
                                                                  : QStringLiteral("incomplete"));

    html += QStringLiteral("</div>\n<div class=\"events\">\n");

    const QList<TGameSummary::EventLine> &events = g.events();
    if (events.isEmpty()) {
        html += QStringLiteral("<div class=\"quiet\">No events yet.</div>\n");
    } else {
        html += QStringLiteral("<ol>\n");
        for (qsizetype i = events.size() - 1; i >= 0 && i >= events.size() - TScoreboardPage::EventsShown;
             --i) {
            const TGameSummary::EventLine &e = events[i];
            QString side;
            QString sideClass;
            if (e.side == TGameSummary::Home) {
                side = home;
                sideClass = QStringLiteral(" home");
            } else if (e.side == TGameSummary::Away) {
                side = away;
                sideClass = QStringLiteral(" away");
            }
            html += QStringLiteral("<li><span class=\"time\">%1</span><span class=\"side%2\">%3</span>"
                                   "<span>%4</span></li>\n")
                        .arg(e.received.toLocalTime().toString(QStringLiteral("HH:mm:ss")), sideClass,
                             side.toHtmlEscaped(), e.text.toHtmlEscaped());
        }
        html += QStringLiteral("</ol>\n");
    }
    html += QStringLiteral("</div>\n</section>\n");
    return html;
}

} // namespace

QByteArray TScoreboardPage::render(const QList<TGameSummary> &games, const QDateTime &now)
{
    QString html;
    html += QStringLiteral("<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n");
    html += QStringLiteral("<meta http-equiv=\"refresh\" content=\"%1\">\n").arg(RefreshSeconds);
    html += QStringLiteral("<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n");
    html += QStringLiteral("<title>Parquetix live</title>\n<style>%1</style>\n</head>\n<body>\n")
                .arg(QString::fromLatin1(Style));
    html +=
        QStringLiteral("<header><h1>Parquetix live</h1><span class=\"updated\">updated %1</span></header>\n")
            .arg(now.toString(QStringLiteral("HH:mm:ss")));
    if (games.isEmpty()) {
        html += QStringLiteral("<div class=\"empty\">No game has sent anything yet. Games appear here with "
                               "their first message.</div>\n");
    } else {
        // A lone game takes the whole width: its score beside its events.
        html += games.size() == 1 ? QStringLiteral("<main class=\"single\">\n") : QStringLiteral("<main>\n");
        for (const TGameSummary &g : games)
            html += card(g);
        html += QStringLiteral("</main>\n");
    }
    html += QStringLiteral("</body>\n</html>\n");
    return html.toUtf8();
}
