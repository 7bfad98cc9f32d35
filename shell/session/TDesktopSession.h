#pragma once

#include "THomeTranslator.h"
#include "shell/store/TGameStore.h"
#include "shell/store/TGuardedGameStore.h"

#include "TParquetixApplication.h"
#include "masterdata/TMessageTable.h"

#include <QStringList>
#include <QTranslator>
#include <functional>
#include <memory>

class IConnectionProbe;
class IHttpTransport;
class IScreenLink;
class IUiDispatcher;
class TApplicationSenderHost;
class TParquetixSender;

// What the desktop program runs on from its start to its end: the application
// object with its settings, the home's database and translator, the message
// table, the game store and the background sender. The main window owns one;
// its creation and destruction are the program's start-up and shutdown.
//
// Members are declared so that the store outlives the application object (a
// game deletes its dumps when it ends) and the sender stops before either.
class TDesktopSession
{
public:
    // home: the application home; empty means the default one.
    explicit TDesktopSession(const QString &home = {});
    ~TDesktopSession();
    TDesktopSession(const TDesktopSession &) = delete;
    TDesktopSession &operator=(const TDesktopSession &) = delete;

    // Services the game is created with; set before Start.
    void SetPrompter(IPrompter *prompter) { m_app.SetPrompter(prompter); }
    void SetClockSource(IClockSource *clock) { m_app.SetClockSource(clock); }

    // Start-up: the settings, the translator in their language, the column
    // labels of the tables and the message table, the store's folders.
    // Returns the problems met; start-up goes on with defaults after each.
    QStringList Start();
    // The translator, the column labels and the message table in the
    // LANGUAGE of the settings; again after the settings dialog.
    void ApplyLanguage();

    // Turns sending on and starts the sender thread at once; it delivers the
    // queue of whichever game is current, while that game is online. The
    // transport and probe are made from SERVER_NAME unless given (tests).
    void StartSender(IHttpTransport *http = nullptr, IConnectionProbe *probe = nullptr,
                     IUiDispatcher *dispatcher = nullptr);
    // Stops the sender and waits for it; also done on destruction.
    void StopSender();
    TParquetixSender *Sender() { return m_sender.get(); }
    // The sending flag the sender obeys; false before StartSender.
    bool SendingEnabled() const;
    void SetSendingEnabled(bool enabled);
    // The operator's restart after a send failure; false when the sender
    // refuses it (no online game, or sending was not stopped).
    bool RestartSending();
    // The screen the sender writes its packet label on; null when it closes.
    void SetCourtScreen(IScreenLink *screen);
    // Called on the user interface thread with every connection state the
    // sender shows (the main window's status bar); set before StartSender.
    std::function<void(const QString &)> ConnectionStateChanged;

    // The dumps due when the court screen opens with the current game; a
    // failure is reported like every other disk failure of the recording.
    void CourtScreenOpened();

    TParquetixApplication &App() { return m_app; }
    TGameStore &Store() { return m_store; }
    TGuardedGameStore &GuardedStore() { return m_guard; }
    THomeTranslator &Translation() { return m_translation; }
    const TMessageTable &Messages() const { return m_messages; }

    // The base address ("scheme://host[:port]") of a SERVER_NAME value; the
    // built-in one when the value names no server.
    static QByteArray ServerBase(const QString &serverName);
    // The locale of Qt's own catalogue for a language of the language table;
    // empty when Qt has none.
    static QString QtLocaleOf(const QString &language);

private:
    void applyQtLanguage(const QString &language);

    QString m_home;
    TGameStore m_store;
    TGuardedGameStore m_guard{m_store};
    THomeTranslator m_translation;
    TMessageTable m_messages;
    // Qt's own texts (standard buttons, file and print dialogs) in the program's language.
    QTranslator m_qtTexts;
    TParquetixApplication m_app;

    std::unique_ptr<IUiDispatcher> m_ownDispatcher;
    std::unique_ptr<IHttpTransport> m_ownHttp;
    std::unique_ptr<IConnectionProbe> m_ownProbe;
    std::unique_ptr<TApplicationSenderHost> m_senderHost;
    std::unique_ptr<TParquetixSender> m_sender;
};
