#include "TGameLoader.h"

#include "TGameStore.h"
#include "savegame/TGameFolder.h"
#include "savegame/TReviewFile.h"

#include "model/events/EventKindTable.h"
#include "model/events/EventKinds.h"
#include "model/game/TGame.h"
#include "model/services/IScreenLink.h"
#include "model/statistics/TEventReplay.h"
#include "model/statistics/TTeamStateReplay.h"
#include "shell/session/TParquetixApplication.h"

#include <QDir>
#include <map>

namespace {

// Kinds that only ever go to the event log.
bool logOnly(int kind)
{
    return EventKindTable::InGroup(kind, TKindGroup::History) ||
           EventKindTable::InGroup(kind, TKindGroup::Course);
}

bool openingMessage(const QString &message)
{
    // One pass for the four codes: every "kod=00" of the message, then its
    // last two digits.
    const QChar *text = message.constData();
    const qsizetype end = message.size() - 8;
    for (qsizetype i = 0; i <= end; ++i) {
        if (text[i] != u'k' || text[i + 1] != u'o' || text[i + 2] != u'd' || text[i + 3] != u'=' ||
            text[i + 4] != u'0' || text[i + 5] != u'0')
            continue;
        const char16_t a = text[i + 6].unicode(), b = text[i + 7].unicode();
        if ((a == u'0' && (b == u'1' || b == u'2' || b == u'5')) || (a == u'1' && b == u'0'))
            return true;
    }
    return false;
}

TGameEvent *copyOf(TGame &game, const TGameEvent &record)
{
    return game.Adopt(std::make_unique<TGameEvent>(record));
}

// The identifier a deletion record names; -1 when it names none.
int deletedId(const TGameEvent &record)
{
    const QString key = QStringLiteral("&iddel=");
    const qsizetype at = record.Message.indexOf(key);
    if (at < 0)
        return -1;
    const qsizetype from = at + key.size();
    const qsizetype to = record.Message.indexOf(QLatin1Char('&'), from);
    bool ok = false;
    const int id = record.Message.mid(from, to < 0 ? -1 : to - from).toInt(&ok);
    return ok ? id : -1;
}

// The history lines a record had while the game was recorded: the steps on
// both sides (consecutive ones share a line), a substitution and every
// event of a player or a team on its own side.
void addHistoryLines(TGame &game, IScreenLink &screen, const TGameEvent &record)
{
    if (record.Kind == Kind::ClockStep) {
        screen.AddHistoryLine(1, copyOf(game, record));
        screen.AddHistoryLine(2, copyOf(game, record));
    } else if (record.Kind == Kind::Substitution && (record.Side == 1 || record.Side == 2)) {
        screen.AddHistoryLine(record.Side, copyOf(game, record));
    } else if (logOnly(record.Kind)) {
        return;
    } else if (record.Side == Side::HomePlayer || record.Side == Side::HomeTeam) {
        screen.AddHistoryLine(1, copyOf(game, record));
    } else if (record.Side == Side::AwayPlayer || record.Side == Side::AwayTeam) {
        screen.AddHistoryLine(2, copyOf(game, record));
    }
}

} // namespace

bool TGameLoader::Read(const TGameFolder &folder, const QString &code, QString *error,
                       const TLoadOptions &options)
{
    m_warning.clear();
    if (!TSavedGame::ReadChecked(folder, code, options.LoadDamaged, m_saved, &m_warning, error))
        return false;
    QString problem;
    if (!TReviewFile::Read(folder, m_review, &problem)) {
        if (!options.LoadDamaged) {
            if (error)
                *error = problem;
            return false;
        }
        // The game goes on without the decisions; the flags are all open again.
        m_review.Clear();
        m_warning += (m_warning.isEmpty() ? QString() : QStringLiteral("\n")) + problem;
    }
    return true;
}

void TGameLoader::ApplyReview(TGame &game) const
{
    game.Review = m_review;
}

void TGameLoader::ApplyGameData(TGame &game) const
{
    if (m_saved.HasGeneral)
        m_saved.General.ApplyTo(game);
}

void TGameLoader::ApplyRosters(TGame &game) const
{
    const struct
    {
        TTeam *Team;
        const TPlayer *Line;
        const QList<TPlayer> *Players;
        const QList<ToIdokeres> *Timeouts;
    } sides[] = {{&game.HomeTeam(), &m_saved.HomeLine, &m_saved.HomePlayers, &m_saved.HomeTimeouts},
                 {&game.AwayTeam(), &m_saved.AwayLine, &m_saved.AwayPlayers, &m_saved.AwayTimeouts}};
    for (const auto &side : sides) {
        TTeam &team = *side.Team;
        team.ClearRoster();
        team.TeamLine = *side.Line;
        for (const TPlayer &p : *side.Players) {
            if (p.OnBench != 0)
                team.AddToBench(std::make_unique<TPlayer>(p));
            else
                team.AddToCourt(std::make_unique<TPlayer>(p));
        }
        team.Timeouts.clear();
        for (const ToIdokeres &t : *side.Timeouts)
            team.Timeouts.append({t.ClockText, t});
    }
}

bool TGameLoader::ApplyEvents(TGame &game, const TLoadOptions &options, QString *error) const
{
    const bool resendMissing = options.Online && !options.ResendAll;
    if (resendMissing && m_saved.HasUnsent && !m_saved.UnsentError.isEmpty()) {
        if (error)
            *error = m_saved.UnsentError;
        return false;
    }
    IScreenLink &screen = game.Screen();
    // The lines of events deleted later keep their numbers: each holds its
    // place, between the records around its identifier, until its deletion.
    std::map<int, int> deleted; // identifier -> side
    for (const TGameEvent &record : m_saved.Events)
        if (record.Kind == Kind::DeleteEvent && (record.Side == 1 || record.Side == 2) &&
            deletedId(record) >= 0)
            deleted[deletedId(record)] = record.Side;
    auto nextDeleted = deleted.begin();
    for (const TGameEvent &record : m_saved.Events) {
        for (; nextDeleted != deleted.end() && nextDeleted->first < record.Id; ++nextDeleted)
            screen.HoldHistoryLine(nextDeleted->second, nextDeleted->first);
        if (options.Online && options.ResendAll)
            game.OutgoingQueue.Append(copyOf(game, record));
        game.AllEvents.Append(copyOf(game, record));
        game.EventCounter = record.Id;
        addHistoryLines(game, screen, record);
        if (record.Kind == Kind::DeleteEvent)
            screen.DropHistoryLine(record.Side, deletedId(record));
        if (logOnly(record.Kind))
            continue;
        if (!openingMessage(record.Message))
            game.RecordedEvents.Append(copyOf(game, record));
    }
    // Messages only queued (the official time) were never logged: their
    // identifiers, still waiting in the unsent file, are not given again.
    bool any = !m_saved.Events.isEmpty();
    for (const TGameEvent &record : m_saved.Unsent)
        if (!any || record.Id > game.EventCounter) {
            game.EventCounter = record.Id;
            any = true;
        }
    if (any)
        game.EventCounter += 1;
    if (resendMissing && m_saved.HasUnsent)
        for (const TGameEvent &record : m_saved.Unsent)
            game.OutgoingQueue.Append(copyOf(game, record));
    return true;
}

void TGameLoader::ApplyScreenState(TGame &game) const
{
    if (game.Period > 0 && game.PeriodsEnded == game.Period) {
        game.ShowPeriodPicture();
        game.ShowBreakBetweenPeriods();
    } else {
        if (game.Period > 0)
            game.ShowPeriodPicture();
        game.UpdateClockDisplay();
    }
    for (TTeam *team : {static_cast<TTeam *>(&game.HomeTeam()), static_cast<TTeam *>(&game.AwayTeam())})
        for (int n = 0; n < TTeam::TrackedPositions && n < team->OnCourt.Count(); ++n)
            team->LineupTracking.append(team->OnCourt.At(n)->JatekosID);
    RestoreTeamState(game, m_saved.Events);
    game.HeaderSent = game.Clock > 1;
}

bool TGameLoader::Load(TParquetixApplication &app, const QString &folder, const QString &code,
                       const TLoadOptions &options, TGameStore *store, QString *error,
                       const std::function<void(TGame &)> &createScreen, QString *warning)
{
    TGameLoader loader;
    const TGameFolder gameFolder(folder);
    if (!loader.Read(gameFolder, code, error, options))
        return false;
    if (warning)
        *warning = loader.Warning();
    const bool resendMissing = options.Online && !options.ResendAll;
    if (resendMissing && loader.Saved().HasUnsent && !loader.Saved().UnsentError.isEmpty()) {
        if (error)
            *error = loader.Saved().UnsentError;
        return false;
    }

    app.ResetGame();
    TGame &game = app.Game();
    game.GameFolder = QDir(folder).absolutePath();
    game.GameCode = code;
    loader.ApplyGameData(game);
    loader.ApplyRosters(game);
    // The court screen is created here and the reference lists read for it; a
    // malformed list file leaves the defaults, as at start-up.
    app.LoadReferenceLists();
    if (createScreen)
        createScreen(game);
    if (!loader.ApplyEvents(game, options, error))
        return false;
    loader.ApplyScreenState(game);
    loader.ApplyReview(game);
    if (store)
        store->DeleteTemporaryEventDumps();
    game.Online = options.Online;
    return true;
}
