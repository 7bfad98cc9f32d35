#pragma once

#include "TServerOptions.h"
#include "TServerReply.h"

#include <QByteArray>
#include <QList>
#include <QPair>

class TMessageStore;
class TUploadStore;

// What the server does with each request, free of the HTTP library so tests
// and the fuzzer can call it directly. Live messages are taken from the raw
// request target, never from decoded parameters.
class TRequestHandler
{
public:
    using FormFields = QList<QPair<QByteArray, QByteArray>>;

    TRequestHandler(TMessageStore &store, const TUploadStore &uploads, const TServerOptions &options);

    // GET /income/index.phtml?<message>
    TServerReply liveMessage(const QByteArray &target);
    // POST /income/index.phtml: "gamecode" and "gamedata" (messages each
    // followed by "#").
    TServerReply batch(const FormFields &fields);
    // POST /income/game.phtml: "name", "box" (no line breaks) and "zip"
    // (Base64 of a ZIP archive in lines of 76 characters joined by CR LF).
    TServerReply upload(const FormFields &fields);
    // GET /income/update.phtml?code=<customer code>
    TServerReply update(const QByteArray &target) const;
    // GET /update/setup.xml
    TServerReply setupXml() const;
    // GET /api/games and /api/games/<code>/messages
    TServerReply gamesJson() const;
    TServerReply gameJson(const QByteArray &code) const;
    // GET / (and /scoreboard, /scoreboard.phtml)
    TServerReply scoreboard() const;

    // The target's text after the first "?"; empty without one.
    static QByteArray queryOf(const QByteArray &target);
    // The messages of a batch text: the pieces between "#", empty ones skipped.
    static QList<QByteArray> splitBatch(const QByteArray &gamedata);
    // Lines of exactly 76 characters joined by CR LF, the last one of 1 to 76,
    // no line break at the end: the layout the client writes.
    static bool hasClientLayout(const QByteArray &base64);
    // The first value of name; present tells whether there was one.
    static QByteArray field(const FormFields &fields, const QByteArray &name, bool *present = nullptr);

private:
    TMessageStore &m_store;
    const TUploadStore &m_uploads;
    TServerOptions m_options;
};
