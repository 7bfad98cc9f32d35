#pragma once

#include "TDialogContext.h"
#include "model/corrections/IRosterSource.h"

#include <functional>

class QDialog;
class QWidget;

// The add-player dialog's candidates from the roster table (the team's
// TeamPlayer rows in its league) and its "I": a new Player row made with
// the player edit dialog and joined to the team in that league at once, so
// it stays in the database whatever the add-player dialog does afterwards.
class TAddPlayerRoster : public IRosterSource
{
public:
    explicit TAddPlayerRoster(const TDialogContext &context);

    QList<TPlayer> Candidates(const TTeam &team) override;
    bool CreatePlayer(const TTeam &team, TPlayer *candidate) override;

    // Shows the player edit dialog; tests answer it. By default modal over
    // the active window.
    void SetDialogRunner(std::function<int(QDialog *)> runner) { m_runner = std::move(runner); }

private:
    TDialogContext m_context;
    std::function<int(QDialog *)> m_runner;
};
