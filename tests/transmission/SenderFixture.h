#pragma once

#include "SenderFakes.h"

#include "model/events/EventKinds.h"
#include "model/services/TInlineDispatcher.h"
#include "transmission/TParquetixSender.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

// A sender whose hand-offs run inline on the test's thread, over an online
// game with a headless court screen, fake requests and a fake presence test.
class SenderFixture : public ::testing::Test
{
protected:
    static inline const QByteArray Base = "http://stats.test";
    static inline const QString Prefix = QStringLiteral("http://stats.test/income/index.phtml?");

    SenderFixture()
        : clock(QDateTime(QDate(2026, 12, 9), QTime(18, 30, 5))),
          game(TGameServices{.Settings = &settings,
                             .Translator = &translator,
                             .Prompter = &prompter,
                             .Clock = &clock,
                             .Store = &store}),
          host(&game, &screen), sender(host, settings, dispatcher, http, probe)
    {
        set("SERVER_NAME", Prefix);
        set("SLEEPTIME_BW_SEND", QStringLiteral("0"));
        game.SetScreen(&screen);
        game.GameCode = QStringLiteral("ABC1DEF2");
        game.Online = true;
        sender.SetBaseAddress(Base);
    }

    void set(const char *key, const QString &value)
    {
        QString error;
        ASSERT_TRUE(settings.SetValue(QString::fromLatin1(key), value, &error)) << error.toStdString();
    }

    // The query of the n-th message queued by queue().
    static QString query(int n) { return QStringLiteral("kod=1100&id=%1&szkod=ABC1DEF2&ido=%1").arg(n); }

    TGameEvent *queueMessage(const QString &message)
    {
        game.EventCounter += 1;
        TGameEvent *event = game.NewEvent(game.EventCounter, Kind::ClockStep, 1, Side::None);
        event->SetMessage(message);
        game.QueueEvent(event);
        return event;
    }
    // Queues messages 1..n (numbered on from the last call).
    void queue(int n)
    {
        for (int i = 0; i < n; ++i)
            queueMessage(Prefix + query(++m_queued));
    }

    QStringList queuedMessages() const
    {
        QStringList out;
        for (const TEventList::Entry &e : game.OutgoingQueue.Entries())
            out << e.Event->Message;
        return out;
    }
    QByteArray url(int n) const { return Prefix.toLatin1() + query(n).toLatin1(); }
    // The batch text of messages first..last.
    static QByteArray batchOf(int first, int last)
    {
        QByteArray text;
        for (int n = first; n <= last; ++n)
            text += query(n).toLatin1() + '#';
        return text;
    }
    void cycles(int n)
    {
        for (int i = 0; i < n; ++i)
            sender.Cycle();
    }

    TSettings settings;
    TMapTranslator translator;
    TScriptPrompter prompter;
    TFixedClock clock;
    TRecordingStore store;
    TGame game;
    THeadlessScreen screen;
    TFakeHost host;
    TInlineDispatcher dispatcher;
    TFakeHttp http;
    TFakeProbe probe;
    TParquetixSender sender;

private:
    int m_queued = 0;
};
