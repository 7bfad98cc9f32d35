#pragma once

#include <QDateTime>
#include <QString>

class TGame;
class TPlayer;

// What the model needs from the world around it. The desktop program, the
// command-line tool and the tests each plug in their own implementations, so
// the model itself never touches widgets, SQL or the file system layout.

// Translation of the system's own texts (key = the Hungarian or English text).
class ITranslator
{
public:
    virtual ~ITranslator() = default;
    virtual QString Translate(const QString &text, const QString &section) = 0;
};

// Answers texts unchanged: the keys are the texts used when no translation exists.
class TIdentityTranslator : public ITranslator
{
public:
    QString Translate(const QString &text, const QString &) override { return text; }
};

// Questions and messages to the operator (modal message boxes on the screen).
class IPrompter
{
public:
    virtual ~IPrompter() = default;
    virtual void ShowError(const QString &text) = 0;
    virtual void ShowInformation(const QString &text) = 0;
    // Yes/No question; true for Yes.
    virtual bool Confirm(const QString &text) = 0;
    // Information the operator accepts with OK or refuses with Cancel; true for OK.
    virtual bool ConfirmInformation(const QString &text) { return Confirm(text); }
};

// The local time, injectable so scripts and tests can fix "now".
class IClockSource
{
public:
    virtual ~IClockSource() = default;
    virtual QDateTime Now() const = 0;
};

class TSystemClock : public IClockSource
{
public:
    QDateTime Now() const override { return QDateTime::currentDateTime(); }
};

class TFixedClock : public IClockSource
{
public:
    explicit TFixedClock(QDateTime now) : m_now(std::move(now)) {}
    QDateTime Now() const override { return m_now; }
    void Set(QDateTime now) { m_now = std::move(now); }

private:
    QDateTime m_now;
};

// Player master data by web identifier, for the substitution text.
class IPlayerDirectory
{
public:
    virtual ~IPlayerDirectory() = default;
    // The full name of the player with that web identifier; empty when unknown.
    virtual QString PlayerNameByWebId(const QString &webId) = 0;
};

// Persistence hooks the game calls while recording: saving the whole game after
// every event and the dump files for scoreboard and graphics software.
class IGameStore
{
public:
    virtual ~IGameStore() = default;
    virtual void SaveGame(TGame &game) = 0;
    virtual void WriteDumps(TGame &game) = 0;
    virtual void WritePeriodDump(TGame &game, int period) = 0;
    // Dump files of earlier games, removed when a new game sends its header.
    virtual void DeleteEarlierDumps(TGame &game) = 0;
    // All dump files, removed when the game is closed (DELETE_DATA_DUMP).
    virtual void DeleteDumps(TGame &game) = 0;
    // "GameDumpData.dat": teams, coaches, referees, date, venue and takings.
    virtual void WriteGameDataDump(const TGame &game) { (void)game; }
};
