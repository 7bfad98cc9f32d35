#pragma once

#include "workflow/gamedata/TGameDataLogic.h"

#include <QDialog>

class ITranslator;
class IWizardSteps;
class QComboBox;
class QLabel;
class QHBoxLayout;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QVBoxLayout;
class TGameDataForm;
class TPlayedTimePage;
class TPlayedTimePanel;
struct TEndPage;

// What the new game and load wizards' windows do alike: the titled pages, the
// game data page, the played times panel, the end page and the close check.
class TWizardWindow : public QDialog
{
    Q_OBJECT

public:
    QPushButton *NextButton() const { return m_next; }
    QPushButton *BackButton() const { return m_back; }
    QStackedWidget *Pages() const { return m_pages; }

protected:
    TWizardWindow(ITranslator &translator, QWidget *parent);
    ~TWizardWindow() override;

    // The logic, given before the window is built.
    void setSteps(IWizardSteps &steps) { m_steps = &steps; }
    // Shows the logic's page and the states of its widgets.
    virtual void refresh() = 0;
    // Takes the edits of the page shown into the logic before Next.
    virtual void storePage() {}
    // The states of Back and Next; refresh ends with it.
    void showNavigation();

    // Closing is asked of the logic until the wizard has finished.
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

    // The window with its pages over the whole height but the buttons row;
    // the caller adds the pages and the row.
    QVBoxLayout *frame(const char *name, const QString &title);
    // Back and Next at the end of the row, Next the default button.
    void addNavigation(QHBoxLayout *buttons, const QString &backCaption, const char *backName,
                       const QString &nextCaption, const char *nextName);

    static QLabel *boldLabel(const QString &text, QWidget *parent);
    static QWidget *titled(const QString &title, QWidget *content);

    // The date, time, attendance and income edits and the six staff boxes.
    QWidget *gameDataPage(const QStringList &referees, const QStringList &coaches,
                          const QStringList &stadiums, bool staffStartsEmpty);
    void showFields(const TGameDataLogic::TFields &f);
    void readFields(TGameDataLogic::TFields &f) const;

    // The played times panel is made on reaching its page, once the logic has one.
    QWidget *playedTimesPage();
    void openPlayedTimes(TPlayedTimePage *page);

    // The final score, "Print" and "Send data".
    QWidget *endPage();
    void showEnd(const TEndPage &end);

    ITranslator &m_translator;
    QStackedWidget *m_pages = nullptr;
    QPushButton *m_next = nullptr, *m_back = nullptr;
    bool m_refreshing = false;

    // Next: the page's edits stored, the logic's move, and the window
    // closed once the wizard has finished.
    void next();

private:
    void back();
    bool mayClose();

    IWizardSteps *m_steps = nullptr;
    TGameDataForm *m_gameData = nullptr;
    QWidget *m_timesHolder = nullptr;
    TPlayedTimePanel *m_times = nullptr;
    QLabel *m_endNames[2] = {}, *m_endPoints[2] = {};
    QPushButton *m_print = nullptr, *m_send = nullptr;
};
