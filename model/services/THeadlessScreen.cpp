#include "THeadlessScreen.h"

#include "model/events/EventKinds.h"
#include "model/events/TGameEvent.h"
#include "model/game/TGame.h"

bool THeadlessScreen::ItemVisible(const QString &name) const
{
    const auto it = m_items.constFind(name);
    // Pictures the model never touched are hidden, as on the screen at start.
    return it != m_items.constEnd() && it->Visible;
}

void THeadlessScreen::AddHistoryLine(int side, TGameEvent *event)
{
    HistoryLine line{event ? event->Id : 0, event ? event->Text : QString()};
    (side == 1 ? m_home : m_away).append(line);
    if (event && (side == 1 || side == 2))
        sideLog(side).Add(event->Text, *event,
                          m_game ? m_game->Translate(QStringLiteral("sec")) : QStringLiteral("sec"));
}

void THeadlessScreen::HistoryCommand(int side, int kind)
{
    m_commands.append(QStringLiteral("%1:%2").arg(side).arg(kind));
    if (kind != Kind::DeleteEvent || !m_game || (side != 1 && side != 2))
        return;
    const int deleted = sideLog(side).DeleteSelected(*m_game);
    if (deleted >= 0)
        refreshLine(side, deleted);
}

bool THeadlessScreen::SelectHistoryNumber(int side, int number)
{
    return (side == 1 || side == 2) && sideLog(side).SelectNumber(number);
}

bool THeadlessScreen::SelectLastHistoryEntry(int side)
{
    if ((side != 1 && side != 2) || !m_game)
        return false;
    sideLog(side).SelectedId = sideLog(side).LastId(m_game->Team(side).Filter);
    return log(side).SelectedId != -1;
}

bool THeadlessScreen::ChangeHistoryEvent(int side, int id, const TEventChange &change, QString *error)
{
    if ((side != 1 && side != 2) || !m_game) {
        if (error)
            *error = QStringLiteral("no game");
        return false;
    }
    if (!sideLog(side).Change(*m_game, id, change, error))
        return false;
    refreshLine(side, id);
    return true;
}

void THeadlessScreen::HoldHistoryLine(int side, int id)
{
    if (side == 1 || side == 2)
        sideLog(side).Add(QString(), TGameEvent(id, 0, 0, side, 0), QString());
}

void THeadlessScreen::DropHistoryLine(int side, int id)
{
    if (side == 1 || side == 2)
        sideLog(side).Remove(id);
}

void THeadlessScreen::refreshLine(int side, int id)
{
    QList<HistoryLine> &lines = side == 1 ? m_home : m_away;
    const TSideHistory::Entry *entry = log(side).Find(id);
    for (qsizetype i = lines.size() - 1; i >= 0; --i) {
        if (lines[i].EventId != id)
            continue;
        if (entry)
            lines[i].Text = entry->Event.Text;
        else
            lines.removeAt(i);
    }
}

void THeadlessScreen::LightActiveAI(int code, int side)
{
    m_hints.append(QStringLiteral("%1/%2").arg(code).arg(side));
}

void THeadlessScreen::SetEventsLocked(bool locked)
{
    m_locked = locked;
    SetItemVisible(QStringLiteral("lblEsemenyTiltas"), locked);
}
