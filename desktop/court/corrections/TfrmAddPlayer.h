#pragma once

#include <QDialog>

class IRosterSource;
class ITranslator;
class QListWidget;
class QPushButton;
class TAddPlayerLogic;

// "Add Player": the candidates of the team's roster, its players on court
// and its bench growing with ">"; "I" makes a new player with the player
// edit dialog of the master data. A thin view of TAddPlayerLogic; the court
// screen carries the additions out after OK.
class TfrmAddPlayer : public QDialog
{
    Q_OBJECT

public:
    // roster may be null: "I" then does nothing. translator: the captions.
    TfrmAddPlayer(TAddPlayerLogic &logic, IRosterSource *roster, ITranslator *translator,
                  QWidget *parent = nullptr);

    QListWidget *Players() const { return m_players; }
    QListWidget *Substitutes() const { return m_substitutes; }

private:
    void refresh();
    void buttons();
    void createPlayer();

    TAddPlayerLogic &m_logic;
    IRosterSource *m_roster;
    QListWidget *m_players = nullptr;
    QListWidget *m_starting = nullptr;
    QListWidget *m_substitutes = nullptr;
    QPushButton *m_add = nullptr;
    QPushButton *m_remove = nullptr;
    bool m_refreshing = false;
};
