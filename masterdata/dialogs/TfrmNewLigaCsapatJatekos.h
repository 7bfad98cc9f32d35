#pragma once

#include "masterdata/dialogs/TDialogContext.h"
#include "masterdata/editing/TLeagueTeamPlayerJoining.h"

#include <QDialog>

class QComboBox;
class QListWidget;
class QToolButton;

// Puts players into a team of a league and takes them out.
class TfrmNewLigaCsapatJatekos : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmNewLigaCsapatJatekos(const TDialogContext &context, QWidget *parent = nullptr);

    const TLeagueTeamPlayerJoining &State() const { return m_state; }

private:
    void refresh(bool ok);

    TDialogContext m_context;
    TLeagueTeamPlayerJoining m_state;
    QComboBox *m_league = nullptr;
    QListWidget *m_teams = nullptr;
    QListWidget *m_available = nullptr;
    QListWidget *m_members = nullptr;
    QToolButton *m_add = nullptr;
    QToolButton *m_remove = nullptr;
};
