#pragma once

#include "TJoinDialog.h"
#include "masterdata/editing/TLeagueTeamJoining.h"

// Puts teams into a league and takes them out (with their roster there).
class TfrmNewLigaCsapat : public TJoinDialog
{
    Q_OBJECT
public:
    explicit TfrmNewLigaCsapat(const TDialogContext &context, QWidget *parent = nullptr);

    const TLeagueTeamJoining &State() const { return m_state; }

private:
    TJoiningLists &joining() override { return m_state; }

    TLeagueTeamJoining m_state;
};
