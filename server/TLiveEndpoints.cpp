#include "TLiveEndpoints.h"

#include "TLivePage.h"
#include "TMessageStore.h"
#include "common/TPeriodRule.h"
#include "common/Win1250.h"
#include "geometry/CourtGeometry.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

const QByteArray JsonType = "application/json; charset=utf-8";

QString sideName(TLiveGame::Side side)
{
    return side == TLiveGame::Home ? QStringLiteral("home") : QStringLiteral("away");
}

QString statusName(TLiveGame::Status status)
{
    switch (status) {
    case TLiveGame::Status::NotStarted:
        return QStringLiteral("notStarted");
    case TLiveGame::Status::Running:
        return QStringLiteral("running");
    case TLiveGame::Status::BetweenPeriods:
        return QStringLiteral("betweenPeriods");
    case TLiveGame::Status::Closed:
        return QStringLiteral("closed");
    }
    return {};
}

QJsonObject lineJson(const TLiveGame::Line &l, TLiveGame::Edition edition)
{
    return {{QStringLiteral("minutes"), TLivePage::clockText(l.playingTime)},
            {QStringLiteral("playingTime"), l.playingTime},
            {QStringLiteral("points"), l.points},
            {QStringLiteral("fieldGoalsMade"), l.fieldGoalsMade()},
            {QStringLiteral("fieldGoalsAttempted"), l.fieldGoalAttempts()},
            {QStringLiteral("twoPointersMade"), l.twoMade()},
            {QStringLiteral("twoPointersAttempted"), l.twoAttempts()},
            {QStringLiteral("threePointersMade"), l.threeMade},
            {QStringLiteral("threePointersAttempted"), l.threeAttempts()},
            {QStringLiteral("freeThrowsMade"), l.freeThrowsMade},
            {QStringLiteral("freeThrowsAttempted"), l.freeThrowAttempts()},
            {QStringLiteral("dunksMade"), l.dunksMade},
            {QStringLiteral("offensiveRebounds"), l.offRebounds},
            {QStringLiteral("defensiveRebounds"), l.defRebounds},
            {QStringLiteral("rebounds"), l.rebounds()},
            {QStringLiteral("assists"), l.assists},
            {QStringLiteral("steals"), l.steals},
            {QStringLiteral("turnovers"), l.turnovers},
            {QStringLiteral("blocks"), l.blocks},
            {QStringLiteral("blocksReceived"), l.blocksReceived},
            {QStringLiteral("personalFouls"), l.personalFouls},
            {QStringLiteral("technicalFouls"), l.technicalFouls},
            {QStringLiteral("foulsDrawn"), l.foulsDrawn},
            {QStringLiteral("valuation"), l.valuation(edition)}};
}

QJsonValue playerRef(const TLiveGame &g, int index)
{
    if (index < 0)
        return QJsonValue::Null;
    const TLiveGame::Player &p = g.players()[index];
    return QJsonObject{{QStringLiteral("webId"), Win1250::Decode(p.webId)},
                       {QStringLiteral("name"), p.name},
                       {QStringLiteral("jersey"), p.jersey}};
}

QJsonObject header(const TLiveGame &g)
{
    const TPeriodRule rule(g.periodLength());
    return {{QStringLiteral("game"), Win1250::Decode(g.game())},
            {QStringLiteral("version"), g.version()},
            {QStringLiteral("status"), statusName(g.status())},
            {QStringLiteral("period"), g.stretch()},
            {QStringLiteral("overtime"), rule.OvertimeNumber(g.stretch())},
            {QStringLiteral("periodLength"), g.periodLength()},
            {QStringLiteral("clock"), TLivePage::clockText(g.clock())},
            {QStringLiteral("quarterMinutes"), g.clock()},
            {QStringLiteral("home"), QJsonObject{{QStringLiteral("name"), g.team(TLiveGame::Home).name},
                                                 {QStringLiteral("score"), g.homeScore()}}},
            {QStringLiteral("away"), QJsonObject{{QStringLiteral("name"), g.team(TLiveGame::Away).name},
                                                 {QStringLiteral("score"), g.awayScore()}}}};
}

TServerReply json(const QJsonObject &o, int status = 200)
{
    return {status, QJsonDocument(o).toJson(QJsonDocument::Compact), JsonType};
}

TServerReply notFound(const QByteArray &code)
{
    return json({{QStringLiteral("game"), Win1250::Decode(code)},
                 {QStringLiteral("error"), QStringLiteral("no messages for this game")}},
                404);
}

bool isAscii(const QByteArray &bytes)
{
    for (const char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

} // namespace

TLiveEndpoints::TLiveEndpoints(const TMessageStore &store, TLiveGame::Edition edition)
    : m_store(store), m_edition(edition)
{
}

QByteArray TLiveEndpoints::resolve(const QByteArray &code) const
{
    if (isAscii(code) || !m_store.messages(code).isEmpty())
        return code;
    const QString text = QString::fromUtf8(code);
    if (text.toUtf8() != code)
        return code;
    return Win1250::Encode(text);
}

TLiveGame TLiveEndpoints::game(const QByteArray &code) const
{
    return TLiveGame::build(code, m_store.messages(code));
}

TServerReply TLiveEndpoints::page(const QByteArray &code, TLiveTexts::Language language) const
{
    const QByteArray stored = resolve(code);
    const TLiveGame g = game(stored);
    const TLiveTexts texts(language);
    // An unknown game gets its page all the same: it fills as the game's first messages arrive.
    return {g.version() == 0 ? 404 : 200,
            TLivePage::page(stored, TLivePage::fragment(g, texts, m_edition), g.version(), texts),
            "text/html; charset=utf-8"};
}

TServerReply TLiveEndpoints::fragment(const QByteArray &code, TLiveTexts::Language language, qint64 since,
                                      qint64 *version) const
{
    const TLiveGame g = game(resolve(code));
    *version = g.version();
    if (g.version() <= since)
        return {204, {}, "text/html; charset=utf-8"};
    return {200, TLivePage::fragment(g, TLiveTexts(language), m_edition).toUtf8(),
            "text/html; charset=utf-8"};
}

TLiveHub::TRendered TLiveEndpoints::render(const QByteArray &code, const QByteArray &language) const
{
    const TLiveGame g = game(code);
    return {TLivePage::fragment(g, TLiveTexts(TLiveTexts::choose(language, {})), m_edition).toUtf8(),
            g.version()};
}

TServerReply TLiveEndpoints::boxscoreJson(const QByteArray &code) const
{
    const TLiveGame g = game(resolve(code));
    if (g.version() == 0)
        return notFound(code);
    QJsonObject root = header(g);
    root[QStringLiteral("edition")] =
        QStringLiteral("HUN ENG HEB ITA FRA").split(QLatin1Char(' '))[int(m_edition)];
    for (const TLiveGame::Side side : {TLiveGame::Home, TLiveGame::Away}) {
        const TLiveGame::Team &t = g.team(side);
        QJsonArray players;
        for (int i : t.players) {
            const TLiveGame::Player &p = g.players()[i];
            QJsonObject o = lineJson(p.line, m_edition);
            o[QStringLiteral("webId")] = Win1250::Decode(p.webId);
            o[QStringLiteral("name")] = p.name;
            o[QStringLiteral("jersey")] = p.jersey;
            o[QStringLiteral("onCourt")] = p.onCourt;
            o[QStringLiteral("starter")] = p.starter;
            players.append(o);
        }
        QJsonObject team = root[sideName(side)].toObject();
        team[QStringLiteral("teamFouls")] = t.teamFouls;
        team[QStringLiteral("timeouts")] = t.timeouts;
        team[QStringLiteral("players")] = players;
        team[QStringLiteral("team")] = lineJson(t.teamLine, m_edition);
        team[QStringLiteral("totals")] = lineJson(t.totals, m_edition);
        root[sideName(side)] = team;
    }
    return json(root);
}

TServerReply TLiveEndpoints::playsJson(const QByteArray &code) const
{
    const TLiveGame g = game(resolve(code));
    if (g.version() == 0)
        return notFound(code);
    const TLiveTexts hungarian(TLiveTexts::Language::Hungarian);
    const TLiveTexts english(TLiveTexts::Language::English);
    QJsonArray plays;
    for (const TLiveGame::Play &p : g.plays()) {
        QJsonObject o{{QStringLiteral("id"), p.id},
                      {QStringLiteral("code"), p.code},
                      {QStringLiteral("side"), sideName(p.side)},
                      {QStringLiteral("period"), p.stretch},
                      {QStringLiteral("clock"), TLivePage::clockText(p.clock)},
                      {QStringLiteral("player"), playerRef(g, p.player)},
                      {QStringLiteral("points"), p.points},
                      {QStringLiteral("home"), p.home},
                      {QStringLiteral("away"), p.away},
                      {QStringLiteral("text"),
                       QJsonObject{{QStringLiteral("hu"), TLivePage::playText(g, p, hungarian)},
                                   {QStringLiteral("en"), TLivePage::playText(g, p, english)}}}};
        if (p.code == 1000 || p.code == 1001)
            o[QStringLiteral("shotKind")] = p.tipus;
        if (p.code == 1011) {
            o[QStringLiteral("playerIn")] = playerRef(g, p.playerIn);
            o[QStringLiteral("playerOut")] = playerRef(g, p.playerOut);
        }
        plays.append(o);
    }
    QJsonObject root = header(g);
    root[QStringLiteral("plays")] = plays;
    return json(root);
}

TServerReply TLiveEndpoints::shotsJson(const QByteArray &code) const
{
    const TLiveGame g = game(resolve(code));
    if (g.version() == 0)
        return notFound(code);
    QJsonArray shots;
    for (const TLiveGame::Shot &s : g.shots())
        shots.append(QJsonObject{{QStringLiteral("id"), s.id},
                                 {QStringLiteral("side"), sideName(s.side)},
                                 {QStringLiteral("player"), playerRef(g, s.player)},
                                 {QStringLiteral("shotKind"), s.tipus},
                                 {QStringLiteral("made"), s.made},
                                 {QStringLiteral("x"), s.x},
                                 {QStringLiteral("y"), s.y}});
    QJsonObject root = header(g);
    root[QStringLiteral("frame")] = QJsonObject{{QStringLiteral("width"), CourtGeometry::MaskWidth},
                                                {QStringLiteral("height"), CourtGeometry::MaskHeight}};
    root[QStringLiteral("shots")] = shots;
    return json(root);
}

bool TLiveEndpoints::isStream(const QByteArray &target, QByteArray *code)
{
    const QByteArray path = target.left(target.indexOf('?') < 0 ? target.size() : target.indexOf('?'));
    if (!path.startsWith("/live/") || !path.endsWith("/events"))
        return false;
    const QByteArray middle = path.mid(6, path.size() - 6 - 7);
    if (middle.isEmpty() || middle.contains('/'))
        return false;
    *code = QByteArray::fromPercentEncoding(middle);
    return true;
}

QByteArray TLiveEndpoints::queryValue(const QByteArray &target, const QByteArray &name)
{
    const qsizetype q = target.indexOf('?');
    if (q < 0)
        return {};
    for (const QByteArray &pair : target.mid(q + 1).split('&'))
        if (pair.startsWith(name + '='))
            return QByteArray::fromPercentEncoding(pair.mid(name.size() + 1));
    return {};
}

QByteArray TLiveEndpoints::headerValue(const QByteArray &head, const QByteArray &name)
{
    const qsizetype end = head.indexOf("\r\n\r\n");
    const QList<QByteArray> lines = head.left(end < 0 ? head.size() : end).split('\n');
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines[i].trimmed();
        const qsizetype colon = line.indexOf(':');
        if (colon > 0 && line.left(colon).trimmed().toLower() == name.toLower())
            return line.mid(colon + 1).trimmed();
    }
    return {};
}
