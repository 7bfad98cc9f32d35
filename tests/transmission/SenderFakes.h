#pragma once

#include "model/game/TGame.h"
#include "model/script/TGameScript.h"
#include "model/services/Services.h"
#include "model/services/THeadlessScreen.h"
#include "transmission/IConnectionProbe.h"
#include "transmission/IHttpTransport.h"
#include "transmission/ISenderHost.h"
#include "transmission/TMsMultiPartFormDataStream.h"

#include <QByteArrayList>
#include <QHash>
#include <QList>
#include <QThread>
#include <functional>

// One request the sender made.
struct TFakeRequest
{
    bool Post = false;
    QByteArray Url;
    QList<QPair<QByteArray, QByteArray>> Fields; // POST only, in body order
    QByteArray Boundary;
    QThread *Thread = nullptr;

    QByteArray Field(const QByteArray &name) const;
};

// Answers each request with the next scripted reply ("ok" once they run
// out) and keeps what was asked.
class TFakeHttp : public IHttpTransport
{
public:
    static THttpReply Reply(const QByteArray &body);
    static THttpReply NoReply();

    THttpReply getLive(const QByteArray &url) const override;
    THttpReply postForm(const QByteArray &url, const TMsMultiPartFormDataStream &form) const override;
    void abortRequests() override { Aborted = true; }
    void resumeRequests() override { Aborted = false; }

    // Splits a closed multipart body into its fields; fails the test on a
    // body of any other shape.
    static QList<QPair<QByteArray, QByteArray>> ParseForm(const QByteArray &data, const QByteArray &boundary);

    mutable QList<THttpReply> Replies;
    mutable QList<TFakeRequest> Requests;
    // Runs during every request, as something the operator records meanwhile.
    std::function<void(const TFakeRequest &)> DuringRequest;
    bool Aborted = false;

private:
    THttpReply answer(const TFakeRequest &request) const;
};

class TFakeProbe : public IConnectionProbe
{
public:
    bool IsConnected() override { return Connected; }
    bool Connected = true;
};

// Counts the saves and keeps the queue's messages at each one.
class TRecordingStore : public IGameStore
{
public:
    void SaveGame(TGame &game) override;
    void WriteDumps(TGame &) override {}
    void WritePeriodDump(TGame &, int) override {}
    void DeleteEarlierDumps(TGame &) override {}
    void DeleteDumps(TGame &) override {}

    QList<QStringList> Saves;
};

// Word for word, for checking that labels are translated.
class TMapTranslator : public ITranslator
{
public:
    QString Translate(const QString &text, const QString &) override { return Words.value(text, text); }
    QHash<QString, QString> Words;
};

class TFakeHost : public ISenderHost
{
public:
    explicit TFakeHost(TGame *game, IScreenLink *screen) : Game(game), Screen(screen) {}

    TGame *CurrentGame() override
    {
        Threads.append(QThread::currentThread());
        return Game;
    }
    bool SendingEnabled() const override { return Enabled; }
    void SetSendingEnabled(bool enabled) override { Enabled = enabled; }
    IScreenLink *CourtScreen() override { return Screen; }
    void ShowConnectionState(const QString &text) override { StatusBar = text; }

    TGame *Game;
    IScreenLink *Screen;
    bool Enabled = true;
    QString StatusBar;
    QList<QThread *> Threads;
};
