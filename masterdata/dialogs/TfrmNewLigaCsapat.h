#pragma once

#include "masterdata/dialogs/TDialogContext.h"
#include "masterdata/editing/TLeagueTeamJoining.h"

#include <QDialog>

class QComboBox;
class QListWidget;
class QToolButton;

// Puts teams into a league and takes them out (with their roster there).
class TfrmNewLigaCsapat : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmNewLigaCsapat(const TDialogContext &context, QWidget *parent = nullptr);

    const TLeagueTeamJoining &State() const { return m_state; }

private:
    void refresh(bool ok);

    TDialogContext m_context;
    TLeagueTeamJoining m_state;
    QComboBox *m_league = nullptr;
    QListWidget *m_available = nullptr;
    QListWidget *m_members = nullptr;
    QToolButton *m_add = nullptr;
    QToolButton *m_remove = nullptr;
};
