#include "TqrULEBEventsList.h"

#include "reports/frame/TGameHeader.h"
#include "reports/frame/TPageFrame.h"

#include "model/events/EventKindTable.h"
#include "model/events/EventKinds.h"
#include "model/game/TGame.h"
#include "model/services/Services.h"

using namespace ReportCells;

namespace {

constexpr double LineHeight = 3.6;
constexpr double FooterHeight = 12;
constexpr double HomeWidth = 84;
constexpr double MiddleWidth = 28;

// The Hungarian key of each printed kind.
const char *word(int kind)
{
    const TEventKind *k = EventKindTable::Find(kind);
    return k ? k->PlayByPlay : nullptr;
}

// The text after key up to the next "&"; found false when key is missing.
QString valueOf(const QString &message, const QString &key, bool &found)
{
    const qsizetype at = message.indexOf(key);
    found = at >= 0;
    if (!found)
        return {};
    const qsizetype from = at + key.size();
    const qsizetype end = message.indexOf(QLatin1Char('&'), from);
    return message.mid(from, end < 0 ? -1 : end - from);
}

QString twoDigits(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

} // namespace

TqrULEBEventsList::TqrULEBEventsList(const TGame &game, QList<TRow> rows, ITranslator &translator)
    : m_game(game), m_rows(std::move(rows)), m_translator(translator)
{
}

QList<TqrULEBEventsList::TRow> TqrULEBEventsList::Rows(const TGame &game)
{
    QList<TRow> rows;
    rows.append({QStringLiteral("-1"), TGameEvent(0, 0, 0, -2, 0)});
    for (const TEventList::Entry &entry : game.AllEvents.Entries())
        rows.append({entry.Key, *entry.Event});
    return rows;
}

QString TqrULEBEventsList::playerName(const QString &webId) const
{
    const TPlayer *player = m_game.FindPlayerByWebId(webId);
    return player ? player->JatekosNev : QString();
}

QString TqrULEBEventsList::substitution(const QString &message) const
{
    bool hasIn = false, hasOut = false;
    const QString in = valueOf(message, QStringLiteral("jatekosbe="), hasIn);
    const QString out = valueOf(message, QStringLiteral("jatekoski="), hasOut);
    if (!hasIn || !hasOut)
        return {};
    return playerName(out) + m_translator.Translate(QStringLiteral("<->"), QStringLiteral("PRINT")) +
           playerName(in);
}

bool TqrULEBEventsList::Line(const TGameEvent &e, TState &state, TLine &line) const
{
    line = TLine();
    if (e.Kind == Kind::ClockStep && e.Side == 0) {
        ++state.Ticks;
        line.Middle = twoDigits(state.Ticks / 4) + QLatin1Char(':') + twoDigits((state.Ticks % 4) * 15);
        return true;
    }
    const char *key = word(e.Kind);
    if (!key && e.Kind != Kind::Substitution)
        return false;
    QString text;
    if (e.Kind == Kind::Substitution)
        text = substitution(e.Message);
    else if (e.Kind == Kind::Timeout)
        text = m_translator.Translate(QString::fromUtf8(key), QStringLiteral("PRINT"));
    else
        text = e.PlayerName + QLatin1Char(' ') +
               m_translator.Translate(QString::fromUtf8(key), QStringLiteral("PRINT"));
    if (e.Kind == Kind::ShotMade || e.Kind == Kind::ShotMissed) {
        const int points = ShotKind::Points(e.Detail);
        text += QLatin1Char(' ') + QString::number(points);
        if (e.Kind == Kind::ShotMade) {
            (e.Side == 1 ? state.Home : state.Away) += points;
            line.Middle = QStringLiteral("%1-%2").arg(state.Home).arg(state.Away);
        }
    }
    (e.Side == 1 || e.Side == 3 ? line.Home : line.Away) = text;
    return true;
}

TReportDocument TqrULEBEventsList::Build() const
{
    TReportDocument doc;
    doc.ReportClass = QStringLiteral("TqrULEBEventsList");
    doc.Landscape = false;
    doc.Copies = std::max(1, m_game.Settings().NumberOfCopies());
    TPageFrame layout(doc);
    const double width = layout.Width();
    layout.FooterHeight = FooterHeight;
    layout.PageHeader = [&](TPageFrame &l) {
        TGameHeader::Chart(m_game, false).Add(l, m_game, m_translator, m_imageFolder);
        TReportLine &headings = l.Line(QStringLiteral("PageHeaderBand1"), 5.5);
        const double y = l.LineTop;
        headings.Cells = {
            Text(QStringLiteral("lblEsemenyHazaiEgyesulet1"), m_game.HomeTeam().Data.EgyesuletNev, 0, y,
                 HomeWidth, 5, Align::Left, true, 9),
            Caption(QStringLiteral("lblMinScore"), QStringLiteral("Min&Score"), HomeWidth, y, MiddleWidth, 5,
                    Align::Center, true, 8),
            Text(QStringLiteral("lblEsemenyVendegEgyesulet1"), m_game.AwayTeam().Data.EgyesuletNev,
                 HomeWidth + MiddleWidth, y, width - HomeWidth - MiddleWidth, 5, Align::Right, true, 9),
        };
        l.Y += 1;
    };
    layout.PageFooter = [&](TPageFrame &l) {
        const QString band = QStringLiteral("PageFooterBand1");
        l.Line(band, 4).Cells.append(
            Text(QStringLiteral("lblEredmenyek"), QString(), 0, l.LineTop, width, 4));
        TPageFooter::Across(width).Add(l);
    };
    // The running state starts at 0-0 once the first page header is out.
    layout.PageHeader(layout);
    TState state;
    for (const TRow &row : m_rows) {
        TLine text;
        if (!Line(row.Event, state, text))
            continue;
        TReportLine &line = layout.Line(QStringLiteral("sbEvents"), LineHeight);
        const double y = layout.LineTop;
        line.Cells = {
            Text(QStringLiteral("lblHazaiEsemeny"), text.Home, 0, y, HomeWidth, LineHeight),
            Text(QStringLiteral("lblEsemeny"), text.Middle, HomeWidth, y, MiddleWidth, LineHeight,
                 Align::Center, !text.Middle.isEmpty() && text.Middle.contains(QLatin1Char('-'))),
            Text(QStringLiteral("lblVendegEsemeny"), text.Away, HomeWidth + MiddleWidth, y,
                 width - HomeWidth - MiddleWidth, LineHeight, Align::Right),
        };
    }
    layout.Finish();
    TranslateReport(doc, m_translator);
    return doc;
}
