#include "TGameScript.h"

#include "model/corrections/TAddPlayerLogic.h"
#include "model/corrections/TEventCorrection.h"
#include "model/corrections/TSetTimeLogic.h"
#include "model/corrections/TSubstitutionsLogic.h"
#include "model/events/EventKinds.h"
#include "model/game/TGame.h"
#include "model/services/IScreenLink.h"

TGameScript::TGameScript(TGame &game, IScreenLink &screen) : m_game(game), m_screen(screen) {}

bool TGameScript::fail(const QString &message)
{
    m_error = QStringLiteral("%1:%2: %3").arg(m_source).arg(m_line).arg(message);
    return false;
}

bool TGameScript::Tokenize(const QString &line, QStringList &words, QString *error)
{
    words.clear();
    QString current;
    bool inQuotes = false;
    bool hasWord = false;
    for (const QChar c : line) {
        if (c == QLatin1Char('"')) {
            inQuotes = !inQuotes;
            hasWord = true;
        } else if (!inQuotes && c == QLatin1Char('#')) {
            break;
        } else if (!inQuotes && c.isSpace()) {
            if (hasWord)
                words.append(current);
            current.clear();
            hasWord = false;
        } else {
            current += c;
            hasWord = true;
        }
    }
    if (inQuotes) {
        if (error)
            *error = QStringLiteral("unterminated quotes");
        return false;
    }
    if (hasWord)
        words.append(current);
    return true;
}

bool TGameScript::Run(const QString &text, const QString &sourceName)
{
    m_source = sourceName;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i)
        if (!RunLine(lines[i], i + 1))
            return false;
    return true;
}

bool TGameScript::RunLine(const QString &line, int lineNumber)
{
    m_line = lineNumber;
    QStringList words;
    QString error;
    if (!Tokenize(line, words, &error))
        return fail(error);
    if (words.isEmpty())
        return true;
    if (!command(words))
        return false;
    if (AfterCommand)
        AfterCommand();
    return true;
}

bool TGameScript::number(const QString &text, int &value, const QString &what)
{
    bool ok = false;
    value = text.toInt(&ok);
    if (!ok)
        return fail(QStringLiteral("%1 must be a whole number, not '%2'").arg(what, text));
    return true;
}

// One command line as its handler sees it: the words, the side when the
// command names one, and the game the script plays.
struct TScriptCall
{
    TGameScript &Script;
    const QStringList &Words;
    int Side = 0;

    TGame &Game() const { return Script.m_game; }
    IScreenLink &Screen() const { return Script.m_screen; }
    TTeam &Team() const { return Script.m_game.Team(Side); }
    bool Fail(const QString &message) const { return Script.fail(message); }
    bool Number(const QString &text, int &value, const QString &what) const
    {
        return Script.number(text, value, what);
    }
    // The key=value pairs of the words [from, end).
    bool Pairs(qsizetype from, qsizetype end, QHash<QString, QString> &out) const
    {
        for (qsizetype i = from; i < end; ++i) {
            const qsizetype eq = Words[i].indexOf(QLatin1Char('='));
            if (eq <= 0)
                return Fail(QStringLiteral("expected key=value, not '%1'").arg(Words[i]));
            out.insert(Words[i].left(eq), Words[i].mid(eq + 1));
        }
        return true;
    }
    bool Pairs(qsizetype from, QHash<QString, QString> &out) const { return Pairs(from, Words.size(), out); }
};

namespace {

int sideOf(const QString &word)
{
    if (word == QLatin1String("home"))
        return 1;
    if (word == QLatin1String("away"))
        return 2;
    return 0;
}

// Finds the panel row showing the player with that jersey in a list.
int rowOfJersey(const TPlayerList &list, int jersey, int firstRow)
{
    for (int i = 0; i < list.Count(); ++i)
        if (list.At(i)->JatekosMezSzam == jersey)
            return firstRow + i;
    return -1;
}

bool runSet(TScriptCall &c)
{
    const QStringList &w = c.Words;
    QHash<QString, QString> kv;
    if (w.size() < 2)
        return c.Fail(QStringLiteral("'set' needs KEY=VALUE"));
    if (!c.Pairs(1, kv))
        return false;
    for (int i = 1; i < w.size(); ++i) {
        const qsizetype eq = w[i].indexOf(QLatin1Char('='));
        const QString key = w[i].left(eq).toUpper();
        const QString value = w[i].mid(eq + 1);
        if (key == QLatin1String("ANSWER")) {
            if (auto *p = dynamic_cast<TScriptPrompter *>(&c.Game().Prompter()))
                p->Answer = value.compare(QLatin1String("no"), Qt::CaseInsensitive) != 0;
            continue;
        }
        QString error;
        if (!const_cast<TSettings &>(c.Game().Settings()).SetValue(key, value, &error))
            return c.Fail(error.isEmpty() ? QStringLiteral("unknown setting '%1'").arg(key) : error);
    }
    return true;
}

bool runGame(TScriptCall &c)
{
    QHash<QString, QString> kv;
    if (!c.Pairs(1, kv))
        return false;
    TGame &game = c.Game();
    for (auto it = kv.cbegin(); it != kv.cend(); ++it) {
        const QString &k = it.key();
        const QString &v = it.value();
        int n = 0;
        if (k == QLatin1String("code"))
            game.GameCode = v;
        else if (k == QLatin1String("online"))
            game.Online = v == QLatin1String("1");
        else if (k == QLatin1String("date"))
            game.GameDate = v;
        else if (k == QLatin1String("time"))
            game.GameTime = v;
        else if (k == QLatin1String("stadium"))
            game.Stadium = v;
        else if (k == QLatin1String("attendance")) {
            if (!c.Number(v, n, k))
                return false;
            game.Attendance = n;
        } else if (k == QLatin1String("income")) {
            if (!c.Number(v, n, k))
                return false;
            game.Income = n;
        } else if (k == QLatin1String("referee1"))
            game.Referee1 = v;
        else if (k == QLatin1String("referee2"))
            game.Referee2 = v;
        else if (k == QLatin1String("referee3"))
            game.Referee3 = v;
        else if (k == QLatin1String("coach1"))
            game.HomeCoach = v;
        else if (k == QLatin1String("coach2"))
            game.AwayCoach = v;
        else
            return c.Fail(QStringLiteral("unknown game field '%1'").arg(k));
    }
    return true;
}

bool runTeam(TScriptCall &c)
{
    QHash<QString, QString> kv;
    if (!c.Pairs(2, kv))
        return false;
    TTeam &team = c.Team();
    TTeamData &d = team.Data;
    for (auto it = kv.cbegin(); it != kv.cend(); ++it) {
        int n = 0;
        if (it.key() == QLatin1String("id")) {
            if (!c.Number(it.value(), n, it.key()))
                return false;
            d.CsapatID = n;
        } else if (it.key() == QLatin1String("league")) {
            if (!c.Number(it.value(), n, it.key()))
                return false;
            d.LigaID = n;
        } else if (it.key() == QLatin1String("webid")) {
            d.WebID = it.value();
        } else if (it.key() == QLatin1String("name")) {
            d.EgyesuletNev = it.value();
        } else if (it.key() == QLatin1String("short")) {
            d.EgyesuletRovidNev = it.value();
        } else if (it.key() == QLatin1String("coach")) {
            d.EgyesuletEdzoNev = it.value();
        } else {
            return c.Fail(QStringLiteral("unknown team field '%1'").arg(it.key()));
        }
    }
    d.Totals.ClearCounters();
    team.TeamLine.JatekosNev = c.Game().Translate(QStringLiteral("Csapat"));
    team.TeamLine.CsapatID = d.CsapatID;
    team.TeamLine.LigaID = d.LigaID;
    team.TeamLine.WebID = d.WebID;
    return true;
}

bool runPlayer(TScriptCall &c)
{
    const QStringList &w = c.Words;
    const QString place = w.last();
    if (place != QLatin1String("court") && place != QLatin1String("bench"))
        return c.Fail(QStringLiteral("'player' ends with court or bench, not '%1'").arg(place));
    QHash<QString, QString> kv;
    if (!c.Pairs(2, w.size() - 1, kv))
        return false;
    TTeam &team = c.Team();
    auto p = std::make_unique<TPlayer>();
    p->CsapatID = team.Data.CsapatID;
    p->LigaID = team.Data.LigaID;
    for (auto it = kv.cbegin(); it != kv.cend(); ++it) {
        int n = 0;
        const QString &k = it.key();
        if (k == QLatin1String("id") || k == QLatin1String("jersey") || k == QLatin1String("height") ||
            k == QLatin1String("weight")) {
            if (!c.Number(it.value(), n, k))
                return false;
            if (k == QLatin1String("id"))
                p->JatekosID = n;
            else if (k == QLatin1String("jersey"))
                p->JatekosMezSzam = n;
            else if (k == QLatin1String("height"))
                p->JatekosTestMagassag = n;
            else
                p->JatekosSuly = n;
        } else if (k == QLatin1String("webid")) {
            p->WebID = it.value();
        } else if (k == QLatin1String("name")) {
            p->JatekosNev = it.value();
        } else if (k == QLatin1String("short")) {
            p->JatekosRovidNev = it.value();
        } else if (k == QLatin1String("country")) {
            p->JatekosOrszagID = it.value();
        } else if (k == QLatin1String("position")) {
            p->JatekosPoszt = it.value();
        } else {
            return c.Fail(QStringLiteral("unknown player field '%1'").arg(k));
        }
    }
    if (!kv.contains(QStringLiteral("id")) || !kv.contains(QStringLiteral("jersey")))
        return c.Fail(QStringLiteral("'player' needs id= and jersey="));
    PlayerStats::ClearStatistics(*p);
    if (place == QLatin1String("court")) {
        p->Starter = 1;
        team.AddToCourt(std::move(p));
    } else {
        team.AddToBench(std::move(p));
    }
    team.KepernyoMezokFeltoltese(c.Screen());
    return true;
}

bool runLength(TScriptCall &c)
{
    const QStringList &w = c.Words;
    int n = 0;
    if (w.size() != 2)
        return c.Fail(QStringLiteral("'length' needs MINUTES"));
    if (!c.Number(w[1], n, QStringLiteral("length")))
        return false;
    if (n < 1 || n > 19)
        return c.Fail(QStringLiteral("a period lasts 1 to 19 minutes, not %1").arg(n));
    c.Game().SetPeriodLength(n);
    c.Game().UpdateClockDisplay();
    return true;
}

bool runTick(TScriptCall &c)
{
    c.Game().AwayTeam().RecordEvent(2, Kind::ClockStep, 2);
    return true;
}

bool runMinute(TScriptCall &c)
{
    c.Game().CompleteMinute();
    return true;
}

bool runPeriodEnd(TScriptCall &c)
{
    c.Game().AwayTeam().RecordEvent(2, Kind::PeriodEnd, 2);
    return true;
}

// The wizard's end of the game: the game-closed message.
bool runClose(TScriptCall &c)
{
    c.Game().SendGameClosed();
    return true;
}

bool runSelect(TScriptCall &c)
{
    int jersey = 0;
    if (!c.Number(c.Words[2], jersey, QStringLiteral("jersey")))
        return false;
    TTeam &team = c.Team();
    const int row = rowOfJersey(team.OnCourt, jersey, 1);
    if (row < 0)
        return c.Fail(
            QStringLiteral("no player with jersey %1 on court for the %2 team").arg(jersey).arg(c.Words[1]));
    team.KepernyoMezokFeltoltese(c.Screen());
    team.SetActivePlayer(row, c.Screen());
    return true;
}

bool runTeamMode(TScriptCall &c)
{
    TTeam &team = c.Team();
    team.ActiveIndex = -1;
    team.TeamEventMode = true;
    return true;
}

// The screen takes a shot only for a selected player; a shot booked to the
// team would be counted by some replays and not by others.
bool shotHasPlayer(TScriptCall &c)
{
    const TTeam &team = c.Team();
    if (team.TeamEventMode || !team.ActivePlayer())
        return c.Fail(QStringLiteral("a shot belongs to a player: select a player of the %1 team first")
                          .arg(c.Words[1]));
    return true;
}

bool runEvent(TScriptCall &c)
{
    int kind = 0;
    if (!c.Number(c.Words[2], kind, QStringLiteral("kind")))
        return false;
    if ((kind == Kind::ShotMade || kind == Kind::ShotMissed) && !shotHasPlayer(c))
        return false;
    const int detail = kind == Kind::Timeout ? c.Game().Period : 0;
    c.Team().RecordEvent(c.Side, kind, detail);
    return true;
}

bool runShot(TScriptCall &c)
{
    static const QStringList shotKinds = {QStringLiteral("close"), QStringLiteral("mid"),
                                          QStringLiteral("three"), QStringLiteral("freethrow"),
                                          QStringLiteral("dunk")};
    const QStringList &w = c.Words;
    if (w[2] != QLatin1String("made") && w[2] != QLatin1String("missed"))
        return c.Fail(QStringLiteral("'shot' needs made or missed, not '%1'").arg(w[2]));
    int shotKind = int(shotKinds.indexOf(w[3]));
    if (shotKind >= 0) {
        shotKind += ShotKind::Close;
    } else if (!c.Number(w[3], shotKind, QStringLiteral("shot kind"))) {
        return false;
    }
    if (shotKind < ShotKind::Close || shotKind > ShotKind::Dunk)
        return c.Fail(QStringLiteral("unknown shot kind '%1'").arg(w[3]));
    int x = 0;
    int y = 0;
    if (w.size() >= 6) {
        if (!c.Number(w[4], x, QStringLiteral("x")) || !c.Number(w[5], y, QStringLiteral("y")))
            return false;
    } else if (shotKind != ShotKind::FreeThrow) {
        return c.Fail(QStringLiteral("a field goal needs its court point X Y"));
    }
    if (!shotHasPlayer(c))
        return false;
    c.Team().RecordEvent(c.Side, w[2] == QLatin1String("made") ? Kind::ShotMade : Kind::ShotMissed, shotKind,
                         x, y);
    return true;
}

bool runSub(TScriptCall &c)
{
    int out = 0;
    int in = 0;
    if (!c.Number(c.Words[2], out, QStringLiteral("jersey")) ||
        !c.Number(c.Words[3], in, QStringLiteral("jersey")))
        return false;
    TTeam &team = c.Team();
    const int outRow = rowOfJersey(team.OnCourt, out, 1);
    const int inRow = rowOfJersey(team.Bench, in, 6);
    if (outRow < 0)
        return c.Fail(QStringLiteral("no player with jersey %1 on court").arg(out));
    if (inRow < 0 || inRow > 15)
        return c.Fail(QStringLiteral("no player with jersey %1 on the bench").arg(in));
    team.KepernyoMezokFeltoltese(c.Screen());
    team.SetActivePlayer(outRow, c.Screen());
    team.SetSubstitutionPlayer(inRow, c.Screen());
    team.Substitute();
    team.KepernyoMezokFeltoltese(c.Screen());
    return true;
}

bool runTimeout(TScriptCall &c)
{
    c.Team().RecordEvent(c.Side, Kind::Timeout, c.Game().Period);
    return true;
}

bool runType(TScriptCall &c)
{
    int id = 0;
    if (!c.Number(c.Words[2], id, QStringLiteral("type id")))
        return false;
    c.Team().SetEventType(id);
    return true;
}

bool runFastBreak(TScriptCall &c)
{
    c.Team().SwitchFastBreak();
    return true;
}

bool runSecondChance(TScriptCall &c)
{
    c.Team().SwitchSecondChance();
    return true;
}

bool runDefense(TScriptCall &c)
{
    const QStringList &w = c.Words;
    TTeam &team = c.Team();
    if (w.size() >= 3) {
        if (w[2] == QLatin1String("next"))
            team.CycleDefenseMode(1);
        else if (w[2] == QLatin1String("prev"))
            team.CycleDefenseMode(-1);
        else
            return c.Fail(QStringLiteral("'defense' takes next or prev, not '%1'").arg(w[2]));
    }
    team.RecordEvent(c.Side, Kind::DefenseMode, team.DefenseModeIndex);
    return true;
}

// ---------------------------------------------------------------- history corrections

// The JatekosID of the team's player with that jersey, on court or on the bench; -1 when none.
int playerIdOfJersey(TTeam &team, int jersey)
{
    for (const TPlayerList *list : {&team.OnCourt, &team.Bench})
        for (int i = 0; i < list->Count(); ++i)
            if (list->At(i)->JatekosMezSzam == jersey)
                return list->At(i)->JatekosID;
    return -1;
}

// Selects the entry of a line number as the go-to dialog does; its event's ID.
bool selectLine(TScriptCall &c, const QString &word, int &id)
{
    int number = 0;
    if (!c.Number(word, number, QStringLiteral("line")))
        return false;
    if (!c.Screen().SelectHistoryNumber(c.Side, number))
        return c.Fail(QStringLiteral("no line %1 in the %2 history").arg(number).arg(c.Words[1]));
    id = c.Screen().SelectedHistoryId(c.Side);
    return true;
}

// The delete button's code on the selected entry, then whether it went.
bool deleteSelected(TScriptCall &c, int id)
{
    c.Team().RecordEvent(c.Side, Kind::DeleteEvent, 0);
    if (c.Screen().HasHistoryEntry(c.Side, id))
        return c.Fail(QStringLiteral("event %1 stays: clock steps and substitutions cannot be deleted, "
                                     "and nothing is deleted before the first clock step")
                          .arg(id));
    return true;
}

bool runDelete(TScriptCall &c)
{
    int id = -1;
    return selectLine(c, c.Words[2], id) && deleteSelected(c, id);
}

bool runDeleteLast(TScriptCall &c)
{
    if (!c.Screen().SelectLastHistoryEntry(c.Side))
        return c.Fail(QStringLiteral("the %1 history shows no line").arg(c.Words[1]));
    return deleteSelected(c, c.Screen().SelectedHistoryId(c.Side));
}

bool runChange(TScriptCall &c)
{
    int id = -1;
    if (!selectLine(c, c.Words[2], id))
        return false;
    const TGameEvent *event = c.Game().AllEvents.Find(id);
    if (!event)
        event = c.Game().RecordedEvents.Find(id);
    if (!event)
        return c.Fail(QStringLiteral("event %1 is not in the game's lists").arg(id));
    TEventChange change;
    change.Kind = event->Kind;
    change.Detail = event->Detail;
    QHash<QString, QString> kv;
    if (!c.Pairs(3, kv))
        return false;
    for (auto it = kv.cbegin(); it != kv.cend(); ++it) {
        const QString &k = it.key();
        if (k == QLatin1String("actor")) {
            change.ActorChosen = true;
            if (it.value() == QLatin1String("team")) {
                change.ActorId = -1;
            } else {
                int jersey = 0;
                if (!c.Number(it.value(), jersey, QStringLiteral("actor")))
                    return false;
                change.ActorId = playerIdOfJersey(c.Team(), jersey);
                if (change.ActorId < 0)
                    return c.Fail(QStringLiteral("no player with jersey %1 in the %2 team")
                                      .arg(jersey)
                                      .arg(c.Words[1]));
            }
        } else if (k == QLatin1String("kind") || k == QLatin1String("detail") || k == QLatin1String("x") ||
                   k == QLatin1String("y")) {
            int value = 0;
            if (!c.Number(it.value(), value, k))
                return false;
            if (k == QLatin1String("kind"))
                change.Kind = value;
            else if (k == QLatin1String("detail"))
                change.Detail = value;
            else if (k == QLatin1String("x"))
                change.X = value;
            else
                change.Y = value;
        } else {
            return c.Fail(QStringLiteral("unknown key '%1'").arg(k));
        }
    }
    if (kv.contains(QStringLiteral("x")) != kv.contains(QStringLiteral("y")))
        return c.Fail(QStringLiteral("a point needs both x and y"));
    change.HasPoint = kv.contains(QStringLiteral("x"));
    if (!change.ActorChosen && !change.HasPoint && change.Kind == event->Kind &&
        change.Detail == event->Detail)
        return c.Fail(QStringLiteral("nothing to change on line %1").arg(c.Words[2]));
    QString error;
    if (!c.Screen().ChangeHistoryEvent(c.Side, id, change, &error))
        return c.Fail(error);
    return true;
}

bool runFilter(TScriptCall &c)
{
    TFilterArgument &filter = c.Team().Filter;
    if (c.Words[2] == QLatin1String("off")) {
        filter.PlayerFilter = false;
        filter.EventFilter = false;
    } else {
        QHash<QString, QString> kv;
        if (!c.Pairs(2, kv))
            return false;
        for (auto it = kv.cbegin(); it != kv.cend(); ++it) {
            int value = 0;
            if (it.key() != QLatin1String("player") && it.key() != QLatin1String("event"))
                return c.Fail(QStringLiteral("unknown key '%1'").arg(it.key()));
            if (!c.Number(it.value(), value, it.key()))
                return false;
            if (it.key() == QLatin1String("player")) {
                const int id = playerIdOfJersey(c.Team(), value);
                if (id < 0)
                    return c.Fail(
                        QStringLiteral("no player with jersey %1 in the %2 team").arg(value).arg(c.Words[1]));
                filter.PlayerFilter = true;
                filter.PlayerId = id;
            } else {
                filter.EventFilter = true;
                filter.Kind = value;
            }
        }
    }
    c.Screen().ApplyHistoryFilter(c.Side);
    return true;
}

// ---------------------------------------------------------------- corrections:
// line-ups, the official time and players added to a bench, each as OK of its dialog.

// "lineup home|away J,J,J": the line-up composed with ">" and confirmed; the
// other team's line-up is its players on court ("L5"), so it changes nothing.
bool runLineup(TScriptCall &c)
{
    const QStringList numbers = c.Words[2].split(QLatin1Char(','), Qt::SkipEmptyParts);
    TSubstitutionsLogic logic(c.Game());
    logic.Fill();
    logic.LastFive(c.Side == 1 ? 2 : 1);
    for (const QString &text : numbers) {
        int jersey = 0;
        if (!c.Number(text, jersey, QStringLiteral("jersey")))
            return false;
        if (!logic.SelectJersey(c.Side, TSubstitutionsLogic::Available, jersey))
            return c.Fail(QStringLiteral("no player with jersey %1 to put into the %2 line-up")
                              .arg(jersey)
                              .arg(c.Words[1]));
        logic.Enter(c.Side, TSubstitutionsLogic::Available);
    }
    if (!logic.OkEnabled())
        return c.Fail(QStringLiteral("a line-up holds three players, not %1").arg(numbers.size()));
    logic.Apply();
    for (int side = 1; side <= 2; ++side) {
        c.Game().Team(side).ClearSelection();
        c.Game().Team(side).KepernyoMezokFeltoltese(c.Screen());
    }
    return true;
}

// "settime TEXT [enter]": TEXT typed over the field; without "enter" the
// field loses the focus before OK, with it Enter confirms at once.
bool runSetTime(TScriptCall &c)
{
    const QStringList &w = c.Words;
    const bool enter = w.size() == 3 && w[2] == QLatin1String("enter");
    if (w.size() < 2 || w.size() > 3 || (w.size() == 3 && !enter))
        return c.Fail(QStringLiteral("'settime' needs TEXT and may end with enter"));
    TSetTimeLogic logic(c.Game());
    logic.TypeOver(w[1]);
    if (!enter)
        logic.LeaveField();
    logic.Send();
    return true;
}

// "addplayer home|away id=N webid=W jersey=N name=TEXT [; id=...]": each
// candidate moved with ">" in the order given, then OK.
bool runAddPlayer(TScriptCall &c)
{
    QList<QStringList> groups{{}};
    for (qsizetype i = 2; i < c.Words.size(); ++i) {
        QString word = c.Words[i];
        const bool ends = word.endsWith(QLatin1Char(';'));
        if (ends)
            word.chop(1);
        if (!word.isEmpty())
            groups.last().append(word);
        if (ends)
            groups.append(QStringList());
    }
    TTeam &team = c.Team();
    QList<TPlayer> candidates;
    for (const QStringList &group : groups) {
        if (group.isEmpty())
            continue;
        QHash<QString, QString> kv;
        const QStringList pairs = QStringList{QString(), QString()} + group;
        const TScriptCall call{c.Script, pairs, c.Side};
        if (!call.Pairs(2, kv))
            return false;
        TPlayer master;
        for (auto it = kv.cbegin(); it != kv.cend(); ++it) {
            int n = 0;
            if (it.key() == QLatin1String("id") || it.key() == QLatin1String("jersey")) {
                if (!c.Number(it.value(), n, it.key()))
                    return false;
                (it.key() == QLatin1String("id") ? master.JatekosID : master.JatekosMezSzam) = n;
            } else if (it.key() == QLatin1String("webid")) {
                master.WebID = it.value();
            } else if (it.key() == QLatin1String("name")) {
                master.JatekosNev = it.value();
            } else if (it.key() == QLatin1String("short")) {
                master.JatekosRovidNev = it.value();
            } else {
                return c.Fail(QStringLiteral("unknown player field '%1'").arg(it.key()));
            }
        }
        if (!kv.contains(QStringLiteral("id")) || !kv.contains(QStringLiteral("jersey")) ||
            !kv.contains(QStringLiteral("name")))
            return c.Fail(QStringLiteral("'addplayer' needs id=, jersey= and name= for every player"));
        if (team.FindPlayerById(master.JatekosID).Player())
            return c.Fail(QStringLiteral("player %1 already plays for the %2 team")
                              .arg(master.JatekosID)
                              .arg(c.Words[1]));
        candidates.append(TAddPlayerLogic::CandidateRecord(master, team));
    }
    if (candidates.isEmpty())
        return c.Fail(QStringLiteral("'addplayer' needs at least one player"));
    TAddPlayerLogic logic(c.Game(), team);
    logic.Fill(candidates);
    for (const TPlayer &candidate : candidates) {
        logic.SelectPlayerById(candidate.JatekosID);
        if (!logic.MoveEnabled())
            return c.Fail(QStringLiteral("the bench takes no more than %1 substitutes")
                              .arg(TAddPlayerLogic::MaxSubstitutes));
        // A refused candidate refuses the command: nobody is added.
        const QString refusal = logic.MoveRefusal();
        if (!refusal.isEmpty())
            return c.Fail(QStringLiteral("%1 (jersey %2): %3")
                              .arg(candidate.JatekosNev)
                              .arg(candidate.JatekosMezSzam)
                              .arg(refusal));
        logic.Move();
    }
    logic.Apply();
    team.KepernyoMezokFeltoltese(c.Screen());
    return true;
}

// A script command: its name, its argument rule and its handler. A command
// with SideArguments > 0 needs at least that many arguments, the first of
// them home or away; the rest of the words are the handler's to check.
struct TScriptCommand
{
    QLatin1String Name;
    int SideArguments;
    bool (*Run)(TScriptCall &call);
};

const TScriptCommand kCommands[] = {
    {QLatin1String("set"), 0, runSet},
    {QLatin1String("game"), 0, runGame},
    {QLatin1String("team"), 1, runTeam},
    {QLatin1String("player"), 2, runPlayer},
    {QLatin1String("length"), 0, runLength},
    {QLatin1String("tick"), 0, runTick},
    {QLatin1String("minute"), 0, runMinute},
    {QLatin1String("periodend"), 0, runPeriodEnd},
    {QLatin1String("close"), 0, runClose},
    {QLatin1String("select"), 2, runSelect},
    {QLatin1String("teammode"), 1, runTeamMode},
    {QLatin1String("event"), 2, runEvent},
    {QLatin1String("shot"), 3, runShot},
    {QLatin1String("sub"), 3, runSub},
    {QLatin1String("timeout"), 1, runTimeout},
    {QLatin1String("type"), 2, runType},
    {QLatin1String("fastbreak"), 1, runFastBreak},
    {QLatin1String("secondchance"), 1, runSecondChance},
    {QLatin1String("defense"), 1, runDefense},
    // History corrections.
    {QLatin1String("delete"), 2, runDelete},
    {QLatin1String("deletelast"), 1, runDeleteLast},
    {QLatin1String("change"), 2, runChange},
    {QLatin1String("filter"), 2, runFilter},
    // corrections: line-ups, the official time, players added to a bench
    {QLatin1String("lineup"), 2, runLineup},
    {QLatin1String("settime"), 0, runSetTime},
    {QLatin1String("addplayer"), 2, runAddPlayer},
};

} // namespace

bool TGameScript::command(const QStringList &w)
{
    const QString &cmd = w.first();
    for (const TScriptCommand &entry : kCommands) {
        if (cmd != entry.Name)
            continue;
        TScriptCall call{*this, w, 0};
        if (entry.SideArguments > 0) {
            if (w.size() <= entry.SideArguments)
                return fail(QStringLiteral("'%1' needs %2 arguments").arg(cmd).arg(entry.SideArguments));
            call.Side = sideOf(w[1]);
            if (call.Side == 0)
                return fail(QStringLiteral("'%1' needs home or away, not '%2'").arg(cmd, w[1]));
        }
        return entry.Run(call);
    }
    return fail(QStringLiteral("unknown command '%1'").arg(cmd));
}
