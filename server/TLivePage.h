#pragma once

#include "TLiveGame.h"
#include "TLiveTexts.h"

#include <QByteArray>
#include <QString>

// The live page of one game: score, status, both box scores, the leaders,
// the shot chart on the program's court, the score graph and the
// play-by-play, newest first. The game part is one HTML fragment, so the
// page, its push and its polling all show the same markup; every text from
// a message is escaped.
class TLivePage
{
public:
    // The fragment inside <main id="game">; empty games say so.
    static QString fragment(const TLiveGame &game, const TLiveTexts &texts, TLiveGame::Edition edition);
    // The whole page around a fragment, with its style and script; game is
    // the code as received.
    static QByteArray page(const QByteArray &game, const QString &fragment, qint64 version,
                           const TLiveTexts &texts);
    // The court of the shot chart alone (lines, no markers), in the court
    // point frame.
    static QString courtLines();

    // Text for HTML text and double-quoted attributes: & < > " ' and
    // control characters as character references.
    static QString escape(const QString &text);
    // "1st half", "2. félidő", "Overtime 1"...
    static QString periodName(int stretch, int periodLength, const TLiveTexts &texts);
    // What a play did, in the page's language ("made three", "timeout").
    static QString playText(const TLiveGame &game, const TLiveGame::Play &play, const TLiveTexts &texts);
    // "mm:ss" of quarter-minutes.
    static QString clockText(int quarterMinutes);
};
