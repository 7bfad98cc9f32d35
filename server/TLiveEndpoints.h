#pragma once

#include "TLiveGame.h"
#include "TLiveHub.h"
#include "TLiveTexts.h"
#include "TServerReply.h"

#include <QByteArray>

class TMessageStore;

// The live page of a game and its data, from the messages the store holds;
// all of it only reads. Free of the HTTP library like TRequestHandler.
class TLiveEndpoints
{
public:
    TLiveEndpoints(const TMessageStore &store, TLiveGame::Edition edition);

    // The stored code a code from an address names: as it is, or, when no
    // game has it and it is UTF-8 (a browser's), its Windows-1250 bytes.
    QByteArray resolve(const QByteArray &code) const;
    TLiveGame game(const QByteArray &code) const;

    // GET /live/<code>: the whole page.
    TServerReply page(const QByteArray &code, TLiveTexts::Language language) const;
    // GET /live/<code>/fragment: the game part; 204 when version is still since.
    TServerReply fragment(const QByteArray &code, TLiveTexts::Language language, qint64 since,
                          qint64 *version) const;
    // The game part for the push.
    TLiveHub::TRendered render(const QByteArray &code, const QByteArray &language) const;

    // GET /api/games/<code>/boxscore, /plays, /shots.
    TServerReply boxscoreJson(const QByteArray &code) const;
    TServerReply playsJson(const QByteArray &code) const;
    TServerReply shotsJson(const QByteArray &code) const;

    // The stream's address: "/live/<code>/events", the code percent-decoded.
    static bool isStream(const QByteArray &target, QByteArray *code);
    // The value of a query parameter of target, percent-decoded.
    static QByteArray queryValue(const QByteArray &target, const QByteArray &name);
    // The value of a header field in a request head; empty when absent.
    static QByteArray headerValue(const QByteArray &head, const QByteArray &name);

private:
    const TMessageStore &m_store;
    TLiveGame::Edition m_edition;
};
