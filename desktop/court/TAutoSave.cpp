#include "TAutoSave.h"

#include "TScreenItems.h"
#include "model/game/TGame.h"

TAutoSave::TAutoSave(TGame &game, TScreenItems &items, std::function<void()> changed)
    : m_game(game), m_items(items), m_changed(std::move(changed))
{
    QObject::connect(&m_timer, &QTimer::timeout, [this] { Run(); });
}

void TAutoSave::Start(int minutes)
{
    m_timer.setInterval(minutes * 60000);
    m_timer.start();
}

void TAutoSave::Run()
{
    if (Saving)
        return;
    Saving = true;
    enableButtons(false);
    m_game.SaveGame();
    enableButtons(true);
    Saving = false;
}

void TAutoSave::SaveByButton()
{
    if (Saving)
        return;
    m_game.SaveGame();
}

void TAutoSave::enableButtons(bool enabled)
{
    m_items.Get(QStringLiteral("imgSaveHomeTeam")).Enabled = enabled;
    m_items.Get(QStringLiteral("imgSaveAwayTeam")).Enabled = enabled;
    m_changed();
}
