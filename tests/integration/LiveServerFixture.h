#pragma once

#include "model/script/TGameScript.h"
#include "model/services/THeadlessScreen.h"
#include "model/services/TUiThreadDispatcher.h"
#include "server/TStatsServer.h"
#include "shell/session/TParquetixApplication.h"
#include "shell/store/TGameStore.h"
#include "transmission/TApplicationSenderHost.h"
#include "transmission/THttpClient.h"
#include "transmission/TNetworkPresence.h"
#include "transmission/TParquetixSender.h"

#include "support/QtPrinters.h"
#include "support/TestHome.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

// A game played live against the reference server in this process, on
// 127.0.0.1 and a free port, with the real sender thread; this thread is the
// user interface thread. A second, offline copy of the game plays the same
// lines and so knows every message the live game has queued so far.
//
// Every save of the live game checks that nothing is lost: what the server
// has stored is the start of everything queued, and "events_notsend_" holds
// the rest from where the server's part ends (a request the server has
// answered may not have been dropped from the queue yet).
class LiveServerFixture : public ::testing::Test
{
public:
    // Script lines: the teams of the game, and a minute of events (shots,
    // rebounds, fouls with their types, a timeout); n numbers them apart.
    static QStringList Roster();
    static QStringList Events(int n);

protected:
    static constexpr const char *Code = "LIVE1GAM2";

    void SetUp() override;
    void TearDown() override;

    // The server keeps its port and its data, so the messages' addresses
    // stay right when it comes back.
    void StartServer();
    void StopServer();
    TStatsServer &Server() { return *m_server; }

    // Plays lines on both games, serving the sender's hand-offs between them.
    void Play(const QStringList &lines);
    // Serves hand-offs until done() holds or the time is up.
    bool ServeUntil(const std::function<bool()> &done, int timeoutMs = 30000);
    void StartSender();
    bool Drained();

    // What the server stored for the game, and what the offline game queued,
    // both as the queries on the wire.
    QByteArrayList Stored() const;
    QByteArrayList Queued();
    QByteArrayList NotSentFile();
    // Stops the sender, then: every queue entry at the server exactly once,
    // in order, and nothing left in "events_notsend_".
    void ExpectAllArrivedOnce();

    TestHome m_home;
    QTemporaryDir m_serverRoot;
    int m_port = 0;
    QByteArray m_base;
    QString m_prefix;
    int m_savesChecked = 0;

    TFixedClock m_clock{QDateTime(QDate(2026, 12, 9), QTime(18, 30, 5))};
    TScriptPrompter m_prompter;
    TScriptPrompter m_referencePrompter;
    THeadlessScreen m_screen;
    THeadlessScreen m_referenceScreen;
    std::unique_ptr<IGameStore> m_store;
    TParquetixApplication m_app{m_home.path()};
    TParquetixApplication m_reference{m_home.path()};
    std::unique_ptr<TStatsServer> m_server;

    TUiThreadDispatcher m_dispatcher;
    std::unique_ptr<THttpClient> m_http;
    std::unique_ptr<TNetworkPresence> m_probe;
    std::unique_ptr<TApplicationSenderHost> m_host;
    std::unique_ptr<TParquetixSender> m_sender;

private:
    void checkSave(TGame &game);
    QByteArrayList m_storedWhileDown;
    friend class TCheckedStore;
};

// Whether a message the server got is the queue entry expected: equal, or
// the entry's event was given its type only after the message went out.
bool SameEntry(const QByteArray &sent, const QByteArray &expected);

// Walks the messages a server stored along the queue they came from. The
// server keeps one copy of a message that repeats, byte for byte, the newest
// one of its event (or, without an event, any earlier one of the game): it
// cannot tell it from a resend after a lost "ok". So such a queue entry may
// have no stored message of its own. Returns how many queue entries the
// stored messages cover, or -1 with mismatch set to the first stored message
// that fits no entry; positions gets each stored message's queue entry.
qsizetype MatchStored(const QByteArrayList &stored, const QByteArrayList &queued,
                      qsizetype *mismatch = nullptr, QList<qsizetype> *positions = nullptr);
// Whether queue entry j is such a repeat.
bool IsRepeatEntry(const QByteArrayList &queued, qsizetype j);
