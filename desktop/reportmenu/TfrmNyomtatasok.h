#pragma once

#include "workflow/reportmenu/TNyomtatasokLogic.h"

#include <QDialog>
#include <QHash>
#include <functional>

class ITranslator;
class QAbstractButton;
class QComboBox;
class TGame;

// The report menu ("Stats"): binds the widgets to TNyomtatasokLogic. OK runs
// the chosen report in the preview and closes the dialog.
class TfrmNyomtatasok : public QDialog
{
    Q_OBJECT

public:
    TfrmNyomtatasok(TGame &game, ITranslator &translator, QWidget *parent = nullptr);

    TNyomtatasokLogic &Logic() { return m_logic; }
    QAbstractButton *Button(const QString &name) const { return m_buttons.value(name); }
    // What "Game data" and "Player times" open; without them the buttons do nothing.
    void SetDataDialogs(std::function<void()> gameData, std::function<void()> playerTimes);
    // What "Roster presentation" opens on OK; without it the report is not available.
    void SetRosterPresentation(std::function<void()> open) { m_roster = std::move(open); }

    // The exports ask for the workbook's name and report failures through
    // these; by default a save dialog and a message box. An empty name cancels.
    std::function<QString()> ChooseFile;
    std::function<void(const QString &)> ShowError;

private:
    void ok();
    void refreshEnabled();
    void exportWorkbook(bool fiba);

    TNyomtatasokLogic m_logic;
    ITranslator &m_translator;
    QHash<QString, QAbstractButton *> m_buttons;
    QList<QComboBox *> m_lists;
    QComboBox *m_scope = nullptr;
    QComboBox *m_players = nullptr;
    std::function<void()> m_roster;
};
