#pragma once

#include "workflow/wizard/TLoadPlayLogic.h"

#include "TWizardWindow.h"

class QCheckBox;
class QRadioButton;
class QTableWidget;

// "Load game": the load wizard's window over TLoadPlayLogic.
class TfrmLoadPlay : public TWizardWindow
{
    Q_OBJECT

public:
    TfrmLoadPlay(const TWizardServices &services, QWidget *parent = nullptr);
    ~TfrmLoadPlay() override;

    TLoadPlayLogic &Logic() { return *m_logic; }

private:
    QWidget *selectionPage();
    void refresh() override;
    void storePage() override;

    std::unique_ptr<TLoadPlayLogic> m_logic;
    QTableWidget *m_games = nullptr;
    QCheckBox *m_online = nullptr;
    QRadioButton *m_resendAll = nullptr, *m_resendMissing = nullptr;
};
