#include "TRequestHandler.h"

#include "TDisplayText.h"
#include "TGameSummary.h"
#include "TLiveMessage.h"
#include "TMessageStore.h"
#include "TScoreboardPage.h"
#include "TUploadStore.h"
#include "TWriteKeys.h"
#include "common/TBase64.h"
#include "common/TGuardedFile.h"
#include "common/Win1250.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

const QByteArray JsonType = "application/json; charset=utf-8";

QJsonValue optionalNumber(const std::optional<int> &v)
{
    return v ? QJsonValue(*v) : QJsonValue(QJsonValue::Null);
}

QJsonObject summaryJson(const TGameSummary &s)
{
    QJsonObject home;
    home[QStringLiteral("name")] = s.homeName();
    home[QStringLiteral("score")] = s.homeScore();
    QJsonObject away;
    away[QStringLiteral("name")] = s.awayName();
    away[QStringLiteral("score")] = s.awayScore();
    QJsonObject reported;
    reported[QStringLiteral("home")] = optionalNumber(s.reportedHome());
    reported[QStringLiteral("away")] = optionalNumber(s.reportedAway());

    QJsonObject o;
    o[QStringLiteral("home")] = home;
    o[QStringLiteral("away")] = away;
    o[QStringLiteral("scoreSource")] = s.scoreSource();
    o[QStringLiteral("reported")] = reported;
    o[QStringLiteral("minutesPlayed")] = s.minutesPlayed() < 0 ? QJsonValue() : QJsonValue(s.minutesPlayed());
    o[QStringLiteral("periodsEnded")] = s.periodsEnded();
    o[QStringLiteral("betweenPeriods")] = s.betweenPeriods();
    o[QStringLiteral("closed")] = s.closed();
    o[QStringLiteral("status")] = s.statusText();
    QJsonArray roster;
    for (const TGameSummary::Player &p : s.roster())
        roster.append(
            QJsonObject{{QStringLiteral("webId"), Win1250::Decode(p.webId)},
                        {QStringLiteral("name"), p.name},
                        {QStringLiteral("jersey"), p.jersey},
                        {QStringLiteral("side"),
                         p.side == TGameSummary::Home ? QStringLiteral("home") : QStringLiteral("away")}});
    o[QStringLiteral("roster")] = roster;
    return o;
}

QJsonObject messageJson(const TStoredMessage &m)
{
    const TLiveMessage parsed = TLiveMessage::parse(m.query);
    QJsonArray fields;
    for (const auto &[name, value] : parsed.fields())
        fields.append(QJsonArray{Win1250::Decode(name), Win1250::Decode(TLiveMessage::decode(value))});
    QJsonObject o;
    o[QStringLiteral("seq")] = m.seq;
    o[QStringLiteral("received")] = m.received.toString(Qt::ISODateWithMs);
    o[QStringLiteral("via")] = QString::fromLatin1(m.via);
    o[QStringLiteral("code")] = m.code;
    o[QStringLiteral("id")] = m.eventId ? QJsonValue(*m.eventId) : QJsonValue();
    o[QStringLiteral("query")] = Win1250::Decode(m.query);
    o[QStringLiteral("rawQuery")] = QString::fromLatin1(TDisplayText::escapeBytes(m.query));
    o[QStringLiteral("fields")] = fields;
    o[QStringLiteral("replacedBy")] = m.replacedBy ? QJsonValue(m.replacedBy) : QJsonValue();
    o[QStringLiteral("deletedBy")] = m.deletedBy ? QJsonValue(m.deletedBy) : QJsonValue();
    o[QStringLiteral("live")] = m.isLive();
    return o;
}

TServerReply json(int status, const QJsonObject &o)
{
    return {status, QJsonDocument(o).toJson(QJsonDocument::Indented), JsonType};
}

bool isAscii(const QByteArray &bytes)
{
    for (const char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

} // namespace

TRequestHandler::TRequestHandler(TMessageStore &store, const TUploadStore &uploads,
                                 const TServerOptions &options)
    : m_store(store), m_uploads(uploads), m_options(options)
{
}

QByteArray TRequestHandler::queryOf(const QByteArray &target)
{
    const qsizetype q = target.indexOf('?');
    return q < 0 ? QByteArray() : target.mid(q + 1);
}

QList<QByteArray> TRequestHandler::splitBatch(const QByteArray &gamedata)
{
    QList<QByteArray> out;
    for (const QByteArray &piece : gamedata.split('#'))
        if (!piece.isEmpty())
            out.append(piece);
    return out;
}

bool TRequestHandler::hasClientLayout(const QByteArray &base64)
{
    if (base64.isEmpty())
        return false;
    qsizetype at = 0;
    for (;;) {
        const qsizetype end = base64.indexOf("\r\n", at);
        const qsizetype length = (end < 0 ? base64.size() : end) - at;
        const QByteArray line = base64.mid(at, length);
        if (line.contains('\r') || line.contains('\n'))
            return false;
        if (end < 0)
            return length >= 1 && length <= TBase64::LineChars;
        if (length != TBase64::LineChars)
            return false;
        at = end + 2;
    }
}

QByteArray TRequestHandler::field(const FormFields &fields, const QByteArray &name, bool *present)
{
    for (const auto &[n, v] : fields) {
        if (n == name) {
            if (present)
                *present = true;
            return v;
        }
    }
    if (present)
        *present = false;
    return {};
}

TServerReply TRequestHandler::liveMessage(const QByteArray &target)
{
    // The workstation's key comes first when it has one; it is not part of the message.
    QByteArray key;
    const QByteArray query = TWriteKeys::takeKey(queryOf(target), &key);
    if (query.isEmpty())
        return TServerReply::error(400, "no message after the \"?\"");
    QString why;
    const TLiveMessage message = TLiveMessage::parse(query, &why);
    if (!message.isValid())
        return TServerReply::error(400, why.toUtf8());
    if (!m_store.addMessages({message}, "single", &why))
        return TServerReply::error(500, why.toUtf8());
    return TServerReply::ok();
}

TServerReply TRequestHandler::batch(const FormFields &fields)
{
    bool hasCode = false;
    bool hasData = false;
    const QByteArray game = field(fields, "gamecode", &hasCode);
    const QByteArray data = field(fields, "gamedata", &hasData);
    if (!hasCode || !hasData)
        return TServerReply::error(400, "a batch needs the fields gamecode and gamedata");
    const QList<QByteArray> pieces = splitBatch(data);
    if (pieces.isEmpty())
        return TServerReply::error(400, "the batch holds no message");

    QList<TLiveMessage> messages;
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        QString why;
        TLiveMessage m = TLiveMessage::parse(pieces[i], &why);
        if (!m.isValid())
            return TServerReply::error(
                400, QStringLiteral("message %1 of the batch: %2").arg(i + 1).arg(why).toUtf8());
        if (m.gameCode() != game)
            return TServerReply::error(400, "message " + QByteArray::number(i + 1) +
                                                " of the batch belongs to game " +
                                                TDisplayText::escapeBytes(m.gameCode()) + ", not " +
                                                TDisplayText::escapeBytes(game));
        messages.append(m);
    }
    QString why;
    if (!m_store.addMessages(messages, "batch", &why))
        return TServerReply::error(500, why.toUtf8());
    return TServerReply::ok();
}

TServerReply TRequestHandler::upload(const FormFields &fields)
{
    bool hasName = false;
    bool hasBox = false;
    bool hasZip = false;
    const QByteArray name = field(fields, "name", &hasName);
    const QByteArray box = field(fields, "box", &hasBox);
    const QByteArray zipText = field(fields, "zip", &hasZip);
    if (!hasName || !hasBox || !hasZip)
        return TServerReply::error(400, "an upload needs the fields name, box and zip");
    if (!TUploadStore::isUsableGameCode(name))
        return TServerReply::error(400, "the game code " + TDisplayText::escapeBytes(name.left(100)) +
                                            " is empty or longer than " +
                                            QByteArray::number(TUploadStore::MaxCodeLength) + " bytes");
    if (box.contains('\r') || box.contains('\n'))
        return TServerReply::error(400, "the box text still holds line breaks");
    if (!hasClientLayout(zipText))
        return TServerReply::error(400,
                                   "the archive is not Base64 in lines of 76 characters joined by CR LF");
    QByteArray zip;
    if (!TBase64::decode(zipText, &zip))
        return TServerReply::error(400, "the archive is not valid Base64");
    if (!zip.startsWith("PK"))
        return TServerReply::error(400, "the archive is not a ZIP file");

    QString why;
    if (!m_uploads.store(name, box, zip, &why))
        return TServerReply::error(500, why.toUtf8());
    if (!m_store.addUpload(name, box.size(), zip.size(), &why))
        return TServerReply::error(500, why.toUtf8());
    return TServerReply::ok();
}

TServerReply TRequestHandler::update(const QByteArray &target) const
{
    QByteArray code;
    for (const QByteArray &pair : queryOf(target).split('&'))
        if (pair.startsWith("code=") && code.isEmpty())
            code = pair.mid(5);
    if (code.isEmpty())
        return TServerReply::error(400, "no customer code");
    if (m_options.updateFile.isEmpty())
        return TServerReply::error(404, "this server has no update text");
    QByteArray text;
    if (!TGuardedFile::ReadExisting(m_options.updateFile, m_options.maxServedFileBytes, text, nullptr))
        return TServerReply::error(500, "the update text cannot be read");
    return {200, text, "text/plain; charset=windows-1250"};
}

TServerReply TRequestHandler::setupXml() const
{
    // The version check can be tried both ways without writing a file.
    if (!m_options.setupVersion.isEmpty())
        return {200,
                "<?xml version=\"1.0\"?><Setup><Version>" + m_options.setupVersion.toHtmlEscaped().toUtf8() +
                    "</Version></Setup>",
                "text/xml"};
    // The version check takes an empty body as "nothing to report".
    if (m_options.setupXml.isEmpty())
        return {404, {}, "text/plain"};
    QByteArray xml;
    if (!TGuardedFile::ReadExisting(m_options.setupXml, m_options.maxServedFileBytes, xml, nullptr))
        return {404, {}, "text/plain"};
    return {200, xml, "text/xml"};
}

TServerReply TRequestHandler::gamesJson() const
{
    QJsonArray games;
    for (const TGameInfo &g : m_store.games()) {
        const TGameSummary s = TGameSummary::build(g.game, m_store.messages(g.game));
        QJsonObject o = summaryJson(s);
        o[QStringLiteral("game")] = Win1250::Decode(g.game);
        o[QStringLiteral("rawGame")] = QString::fromLatin1(TDisplayText::escapeBytes(g.game));
        o[QStringLiteral("messages")] = g.messages;
        o[QStringLiteral("uploads")] = g.uploads;
        o[QStringLiteral("lastReceived")] = g.lastReceived.toString(Qt::ISODateWithMs);
        games.append(o);
    }
    QJsonObject root;
    root[QStringLiteral("games")] = games;
    return json(200, root);
}

TServerReply TRequestHandler::gameJson(const QByteArray &code) const
{
    QByteArray game = code;
    QList<TStoredMessage> messages = m_store.messages(game);
    // A browser sends a typed code as UTF-8; the messages carry Windows-1250.
    if (messages.isEmpty() && !isAscii(code)) {
        const QString text = QString::fromUtf8(code);
        if (text.toUtf8() == code) {
            game = Win1250::Encode(text);
            messages = m_store.messages(game);
        }
    }
    QJsonObject root;
    root[QStringLiteral("game")] = Win1250::Decode(game);
    if (messages.isEmpty() && m_store.uploadCount(game) == 0) {
        root[QStringLiteral("error")] = QStringLiteral("no messages for this game");
        root[QStringLiteral("messages")] = QJsonArray();
        return json(404, root);
    }
    const TGameSummary summary = TGameSummary::build(game, messages);
    QJsonObject score;
    score[QStringLiteral("home")] = summary.homeScore();
    score[QStringLiteral("away")] = summary.awayScore();
    score[QStringLiteral("source")] = summary.scoreSource();
    QJsonArray list;
    for (const TStoredMessage &m : messages)
        list.append(messageJson(m));
    root[QStringLiteral("score")] = score;
    root[QStringLiteral("summary")] = summaryJson(summary);
    root[QStringLiteral("uploads")] = m_store.uploadCount(game);
    root[QStringLiteral("messages")] = list;
    return json(200, root);
}

TServerReply TRequestHandler::scoreboard() const
{
    QList<TGameSummary> games;
    for (const TGameInfo &g : m_store.games())
        if (g.messages > 0)
            games.append(TGameSummary::build(g.game, m_store.messages(g.game)));
    return {200, TScoreboardPage::render(games, QDateTime::currentDateTime()), "text/html; charset=utf-8"};
}
