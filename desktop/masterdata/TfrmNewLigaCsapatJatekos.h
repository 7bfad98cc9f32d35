#pragma once

#include "TJoinDialog.h"
#include "masterdata/editing/TLeagueTeamPlayerJoining.h"

// Puts players into a team of a league and takes them out.
class TfrmNewLigaCsapatJatekos : public TJoinDialog
{
    Q_OBJECT
public:
    explicit TfrmNewLigaCsapatJatekos(const TDialogContext &context, QWidget *parent = nullptr);

    const TLeagueTeamPlayerJoining &State() const { return m_state; }

private:
    TJoiningLists &joining() override { return m_state; }
    void refreshOwnLists() override;

    TLeagueTeamPlayerJoining m_state;
    QListWidget *m_teams = nullptr;
};
