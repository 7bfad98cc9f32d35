#pragma once

#include "server/TMessageStore.h"
#include "support/ScriptedGameFixture.h"

#include "common/Win1250.h"

#include <functional>

// A scripted game whose live messages reach a message store as the sender
// delivers them: after every command, the queued messages in queue order,
// each as the query after the address, in Windows-1250.
class LiveGameFixture : public ScriptedGameFixture
{
protected:
    LiveGameFixture()
    {
        settings.SetValue(QStringLiteral("VERSION"), QStringLiteral("HUN"));
        store.open(QStringLiteral(":memory:"), nullptr);
        deliver = [this](const QByteArray &query) {
            QString why;
            const TLiveMessage m = TLiveMessage::parse(query, &why);
            ASSERT_TRUE(m.isValid()) << query.toStdString() << ": " << why.toStdString();
            ASSERT_TRUE(store.addMessages({m}, "single", &why)) << why.toStdString();
        };
        script.AfterCommand = [this] { flush(); };
    }

    void flush()
    {
        while (!game.OutgoingQueue.IsEmpty()) {
            const QString message = game.OutgoingQueue.MessageAt(0);
            game.OutgoingQueue.Acknowledge(1);
            // A refused clock step leaves an empty entry that is never sent.
            if (!message.isEmpty())
                deliver(Win1250::Encode(message.mid(message.indexOf(QLatin1Char('?')) + 1)));
        }
    }

    QList<TStoredMessage> stored() const { return store.messages("ABC1DEF2"); }

    TMessageStore store;
    std::function<void(const QByteArray &query)> deliver;
};
