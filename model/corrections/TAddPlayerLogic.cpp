#include "TAddPlayerLogic.h"

#include "model/events/EventKinds.h"
#include "model/game/TGame.h"
#include "model/messages/LiveMessages.h"

#include <algorithm>

const QString TAddPlayerLogic::SameNameMessage =
    QString::fromUtf8("Azonos nevu játékosok nem szerepelhetnek a csapaban!");
const QString TAddPlayerLogic::SameJerseyMessage =
    QString::fromUtf8("Azonos mezszámú játékosok nem szerepelhetnek a csapaban!");

namespace {

bool textBefore(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) < 0;
}

} // namespace

TAddPlayerLogic::TAddPlayerLogic(TGame &game, TTeam &team) : m_game(game), m_team(team) {}

QString TAddPlayerLogic::EntryText(int jersey, const QString &name)
{
    return PlayerStats::RosterEntry(jersey, name);
}

TPlayer TAddPlayerLogic::CandidateRecord(const TPlayer &master, const TTeam &team)
{
    TPlayer p;
    p.JatekosOrszagID = master.JatekosOrszagID.left(20);
    p.LigaID = team.Data.LigaID;
    p.CsapatID = team.Data.CsapatID;
    p.JatekosID = master.JatekosID;
    p.WebID = master.WebID.left(12);
    p.JatekosNev = master.JatekosNev.left(60);
    p.JatekosRovidNev = master.JatekosRovidNev.left(60);
    p.Szuletes = master.Szuletes.left(20);
    p.JatekosTestMagassag = master.JatekosTestMagassag;
    p.JatekosSuly = master.JatekosSuly;
    p.JatekosPoszt = master.JatekosPoszt.left(5);
    p.JatekosMezSzam = master.JatekosMezSzam;
    return p;
}

void TAddPlayerLogic::insert(QList<TEntry> &list, TEntry entry, int *selected)
{
    const auto at = std::upper_bound(list.begin(), list.end(), entry.Text,
                                     [](const QString &t, const TEntry &e) { return textBefore(t, e.Text); });
    const int row = int(at - list.begin());
    list.insert(row, std::move(entry));
    if (selected && *selected >= row)
        ++*selected;
}

void TAddPlayerLogic::Fill(const QList<TPlayer> &candidates)
{
    for (int i = 0; i < m_team.OnCourt.Count(); ++i) {
        const TPlayer &p = *m_team.OnCourt.At(i);
        const QString text = PlayerStats::PlainRosterEntry(p.JatekosMezSzam, p.JatekosNev);
        m_starting.insert(std::upper_bound(m_starting.begin(), m_starting.end(), text, textBefore), text);
    }
    for (int i = 0; i < m_team.Bench.Count(); ++i) {
        const TPlayer &p = *m_team.Bench.At(i);
        insert(m_substitutes, {EntryText(p.JatekosMezSzam, p.JatekosNev), p}, &m_selectedSubstitute);
        m_jerseys.append(QString::number(p.JatekosMezSzam));
    }
    m_benchAtOpening = m_team.Bench.Count();
    for (const TPlayer &c : candidates)
        if (!m_team.FindPlayerById(c.JatekosID).Player())
            AddCandidate(c);
}

void TAddPlayerLogic::AddCandidate(const TPlayer &candidate)
{
    insert(m_players, {EntryText(candidate.JatekosMezSzam, candidate.JatekosNev), candidate},
           &m_selectedPlayer);
}

void TAddPlayerLogic::SelectPlayer(int row)
{
    m_selectedPlayer = row >= 0 && row < m_players.size() ? row : -1;
}

void TAddPlayerLogic::SelectSubstitute(int row)
{
    m_selectedSubstitute = row >= 0 && row < m_substitutes.size() ? row : -1;
}

bool TAddPlayerLogic::SelectPlayerById(int jatekosId)
{
    m_selectedPlayer = -1;
    for (int row = 0; row < m_players.size(); ++row)
        if (m_players[row].Player.JatekosID == jatekosId)
            m_selectedPlayer = row;
    return m_selectedPlayer >= 0;
}

bool TAddPlayerLogic::MoveEnabled() const
{
    return m_substitutes.size() < MaxSubstitutes && !m_players.isEmpty() && m_selectedPlayer >= 0;
}

// A substitute that the team's bench does not hold was added here.
bool TAddPlayerLogic::added(const TPlayer &p) const
{
    for (int i = 0; i < m_team.Bench.Count(); ++i)
        if (m_team.Bench.At(i)->JatekosID == p.JatekosID)
            return false;
    return true;
}

bool TAddPlayerLogic::RemoveEnabled() const
{
    return m_selectedSubstitute >= 0 && added(m_substitutes[m_selectedSubstitute].Player);
}

// Why the player cannot join the team, translated; empty when he can. No
// two players of a team wear one jersey, whatever the order of the lists:
// the replays of the periods tell players apart by their jerseys. With the
// lists in name order, no two share a name either.
QString TAddPlayerLogic::duplicateOf(const TPlayer &p) const
{
    QString wearer;
    for (const TPlayerList *list : {&m_team.OnCourt, &m_team.Bench})
        for (int i = 0; i < list->Count(); ++i)
            if (list->At(i)->JatekosMezSzam == p.JatekosMezSzam)
                wearer = list->At(i)->JatekosNev;
    for (const TEntry &e : m_substitutes)
        if (wearer.isEmpty() && e.Player.JatekosMezSzam == p.JatekosMezSzam)
            wearer = e.Player.JatekosNev;
    if (!wearer.isEmpty())
        return m_game.Translate(SameJerseyMessage) + QLatin1Char('\n') +
               m_game.Translate(QStringLiteral("Jersey %1 is already worn by %2."))
                   .arg(p.JatekosMezSzam)
                   .arg(wearer);
    if (!m_game.Settings().SortByName())
        return {};
    bool taken = m_team.OnCourt.IndexOf(p.JatekosNev) >= 0 || m_team.Bench.IndexOf(p.JatekosNev) >= 0;
    for (const TEntry &e : m_substitutes)
        taken = taken || e.Player.JatekosNev.compare(p.JatekosNev, Qt::CaseInsensitive) == 0;
    return taken ? m_game.Translate(SameNameMessage) : QString();
}

QString TAddPlayerLogic::MoveRefusal() const
{
    if (m_selectedPlayer < 0 || m_selectedPlayer >= m_players.size())
        return {};
    return duplicateOf(m_players[m_selectedPlayer].Player);
}

bool TAddPlayerLogic::Move()
{
    if (!MoveEnabled())
        return false;
    TPlayer record = m_players[m_selectedPlayer].Player;
    record.ReservedFlag = 0;
    record.Starter = 0;
    const QString refusal = duplicateOf(record);
    if (!refusal.isEmpty()) {
        m_game.Prompter().ShowError(refusal);
        return false;
    }
    const QString text = m_players.takeAt(m_selectedPlayer).Text;
    m_selectedPlayer = -1;
    m_jerseys.append(QString::number(record.JatekosMezSzam));
    insert(m_substitutes, {text, record}, &m_selectedSubstitute);
    return true;
}

void TAddPlayerLogic::DoubleClickPlayer(int row)
{
    SelectPlayer(row);
    if (MoveEnabled())
        Move();
}

bool TAddPlayerLogic::Remove()
{
    if (!RemoveEnabled())
        return false;
    TEntry entry = m_substitutes.takeAt(m_selectedSubstitute);
    m_selectedSubstitute = -1;
    m_jerseys.removeOne(QString::number(entry.Player.JatekosMezSzam));
    insert(m_players, std::move(entry), &m_selectedPlayer);
    return true;
}

int TAddPlayerLogic::Apply()
{
    const bool home = &m_team == &m_game.Team(1);
    const QString server = m_game.Settings().ServerName();
    int count = 0;
    for (const TEntry &e : m_substitutes) {
        if (!added(e.Player))
            continue;
        auto player = std::make_unique<TPlayer>(e.Player);
        const TPlayer &p = *player;
        m_game.EventCounter += 1;
        TGameEvent *event = m_game.NewEvent(m_game.EventCounter, Kind::Header, -1, Side::None);
        event->PlayerId = -1;
        event->SetMessage(LiveMessages::AddedPlayer(server, m_game.GameCode, p.WebID, home, p.JatekosNev,
                                                    p.JatekosMezSzam));
        m_team.AddToBench(std::move(player));
        m_game.QueueEvent(event);
        ++count;
    }
    if (count > 0)
        m_game.SaveGame();
    return count;
}
