#pragma once

#include "desktop/court/ILineupDialogs.h"

#include <functional>

class QDialog;
class QWidget;
class TCourtScreen;

// The court window's line-up, time and bench dialogs, shown modally over it.
class TLineupDialogs : public ILineupDialogs
{
public:
    TLineupDialogs(TCourtScreen &screen, QWidget *parent) : m_screen(screen), m_parent(parent) {}

    bool RunSubstitutions(TSubstitutionsLogic &logic) override;
    bool RunSetTime(TSetTimeLogic &logic) override;
    bool RunAddPlayer(TAddPlayerLogic &logic) override;

    // Called with each dialog just before it runs (tests drive it from here).
    std::function<void(QDialog *)> Opening;

private:
    bool run(QDialog &dialog);
    void translate(QDialog &dialog);

    TCourtScreen &m_screen;
    QWidget *m_parent;
};
