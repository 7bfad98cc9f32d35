#pragma once

#include "TTeam.h"
#include "common/TPeriodRule.h"
#include "model/events/EventKinds.h"
#include "model/events/TEventList.h"
#include "model/events/TOutgoingQueue.h"
#include "model/review/TGameReview.h"
#include "model/services/Services.h"
#include "model/settings/TRefList.h"
#include "model/settings/TSettings.h"
#include "model/statistics/TGameStatistics.h"

#include <QString>
#include <deque>
#include <memory>

class IScreenLink;

// The services a game works with; missing ones fall back to quiet defaults
// (default settings, texts untranslated, every question answered yes, the
// system clock, names looked up among the game's own players, no saving).
struct TGameServices
{
    TSettings *Settings = nullptr;
    ITranslator *Translator = nullptr;
    IPrompter *Prompter = nullptr;
    IClockSource *Clock = nullptr;
    IPlayerDirectory *Directory = nullptr;
    IGameStore *Store = nullptr;
};

// The one game being recorded: its data, two teams, the clock and periods,
// the event counter and the three event lists.
class TGame
{
public:
    static constexpr int MaxClock = TPeriodRule::MaxClock;

    explicit TGame(const TGameServices &services = {});
    ~TGame();
    TGame(const TGame &) = delete;
    TGame &operator=(const TGame &) = delete;

    // Services
    const TSettings &Settings() const { return *m_settings; }
    QString Translate(const QString &text, const QString &section = QStringLiteral("FORM")) const;
    IPrompter &Prompter() const { return *m_prompter; }
    QDateTime Now() const { return m_clock->Now(); }
    IScreenLink &Screen() const { return *m_screen; }
    void SetScreen(IScreenLink *screen);
    IGameStore *Store() const { return m_services.Store; }
    void SetStore(IGameStore *store) { m_services.Store = store; }
    const TGameServices &Services() const { return m_services; }
    QString PlayerNameByWebId(const QString &webId) const;

    // Game data
    QString ClockDisplay;
    TRefList TurnoverTypes;
    TRefList FoulTypes;
    qint32 Attendance = 0;
    QString Referee1, Referee2, Referee3;
    QString HomeCoach, AwayCoach;
    QString GameDate, GameTime;
    QString Stadium;
    qint32 Income = 0;
    qint32 Clock = 0;
    qint32 Period = 0;
    qint32 PeriodsEnded = 0;
    bool HeaderSent = false;
    qint32 EventCounter = 0;
    TOutgoingQueue OutgoingQueue;
    TEventList AllEvents;
    TEventList RecordedEvents;
    bool Online = false;
    QString GameCode;
    // Leads, ties and runs; recomputed on demand by Statistics.Compute().
    TGameStatistics Statistics{*this};
    // The operator's decisions about the flags: marks, dismissals, period
    // scores confirmed.
    TGameReview Review;
    // The folder of the game's files, chosen in the wizards.
    QString GameFolder;

    THomeTeam &HomeTeam() { return *m_home; }
    TAwayTeam &AwayTeam() { return *m_away; }
    const THomeTeam &HomeTeam() const { return *m_home; }
    const TAwayTeam &AwayTeam() const { return *m_away; }
    TTeam &Team(int sideNumber) { return sideNumber == 1 ? static_cast<TTeam &>(*m_home) : *m_away; }
    TTeam &OtherTeam(const TTeam &team)
    {
        return &team == m_home.get() ? static_cast<TTeam &>(*m_away) : *m_home;
    }

    // Nothing but the first clock step is recorded before the clock has started.
    bool AcceptsEvent(int kind) const { return Clock != 0 || kind == Kind::ClockStep; }

    // Events are owned by the game for its whole life.
    TGameEvent *NewEvent(int id, int kind, int detail, int side);
    TGameEvent *Adopt(std::unique_ptr<TGameEvent> event);
    // An event of the lists, to be changed in place: the lists learn that it
    // changed, so that the next save and dumps look at it.
    TGameEvent *EditEvent(const TGameEvent *event);
    int IssuedEventCount() const { return int(m_events.size()); }

    // Queueing
    void QueueEvent(TGameEvent *event);
    void QueueForResend(TGameEvent *event);
    void ReplaceEvent(TGameEvent *event);
    void RemoveEvent(int id);

    // Clock and periods (kinds 1014 and 1015, run inside RecordEvent)
    // False when the step is refused (the overtime not confirmed, the clock full).
    bool AdvanceClock(TGameEvent *event, TTeam &caller);
    void EndPeriod(TGameEvent *event);
    // The screen between two periods: events locked, the +15 s buttons and the
    // start clock of the next period (also used when a saved game is loaded).
    void ShowBreakBetweenPeriods();
    // Steps to the next whole minute; a refused step ends it.
    void CompleteMinute();
    int PeriodLength() const;
    void SetPeriodLength(int minutes);
    // The game's stretches: regular periods of its length, then overtimes.
    TPeriodRule Periods() const { return TPeriodRule(PeriodLength()); }
    int PeriodCount() const { return Periods().RegularPeriods(); }
    int PeriodTicks() const { return Periods().PeriodTicks(); }
    int RegulationTicks() const { return Periods().RegulationTicks(); }
    int OvertimeTicks() const { return Periods().OvertimeTicks(); }
    // The stretches the game has had so far: every regular period, then
    // each overtime begun.
    int PeriodsPlayed() const { return Periods().StretchesPlayed(Clock); }
    QString ClockText() const;
    // "&time=" and the local time "yyyymmddhhnnss".
    QString TimeStamp() const;
    QString Stamp() const;

    // Message-only events
    void SendGameHeader();
    void SendGameClosed();
    void SendMinutesReport();
    TGameEvent *ScreenOpenedNotice();
    TGameEvent *ReportsOpenedNotice();
    TGameEvent *ReportsClosedNotice();

    // Scores
    struct Score
    {
        int Home = 0;
        int Away = 0;
        bool operator==(const Score &o) const = default;
    };
    Score ScoreAtMinute(int minute) const;
    // The made shots of stretch n of the game (TPeriodRule): regular
    // periods, then each overtime; (0, 0) for a stretch not played.
    Score PeriodScore(int period) const;
    // PeriodScore of stretches 1 to count, kept up with the log's changes.
    QList<Score> PeriodScores(int count) const;

    // Players by web identifier over both teams (the last match wins).
    TPlayer *FindPlayerByWebId(const QString &webId);
    const TPlayer *FindPlayerByWebId(const QString &webId) const
    {
        return const_cast<TGame *>(this)->FindPlayerByWebId(webId);
    }
    TPlayer GamePlayerRecordByWebId(const QString &webId);

    // Screen presentation
    void UpdateClockDisplay();
    void ShowClockButtons(bool flag);
    void ShowPeriodPicture();
    void ShowPeriodStartClock();
    void ShowOvertimeStartClock();
    void UpdatePassiveLabels();
    void SaveGame();
    void WriteDumps();
    // The game data (referees, coaches, date, venue, ...) were changed: the
    // game data dump follows.
    void GameDataChanged();

private:
    TGameEvent *newMessageEvent(int id, int kind);
    void hideClockDigits();
    void showZeroClock();
    void showDigit(const QString &name) const;

    TGameServices m_services;
    std::unique_ptr<TSettings> m_ownSettings;
    std::unique_ptr<ITranslator> m_ownTranslator;
    std::unique_ptr<IPrompter> m_ownPrompter;
    std::unique_ptr<IClockSource> m_ownClock;
    std::unique_ptr<IScreenLink> m_ownScreen;
    TSettings *m_settings = nullptr;
    ITranslator *m_translator = nullptr;
    IPrompter *m_prompter = nullptr;
    IClockSource *m_clock = nullptr;
    IScreenLink *m_screen = nullptr;
    std::unique_ptr<THomeTeam> m_home;
    std::unique_ptr<TAwayTeam> m_away;
    std::deque<std::unique_ptr<TGameEvent>> m_events;

    // The points of each position of the log by stretch, and their sums, as
    // the log was at a version.
    struct TScoreTally
    {
        struct TPoints
        {
            int Stretch = 0;
            Score Points;
        };
        TEventList::TWatch Watch;
        int PeriodLength = -1;
        std::vector<TPoints> ByPosition;
        std::vector<Score> ByStretch;
    };
    mutable TScoreTally m_tally;
};
