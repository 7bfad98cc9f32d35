#include "THeadlessScreen.h"

#include "TGameEvent.h"

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
}

void THeadlessScreen::HistoryCommand(int side, int kind)
{
    m_commands.append(QStringLiteral("%1:%2").arg(side).arg(kind));
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
