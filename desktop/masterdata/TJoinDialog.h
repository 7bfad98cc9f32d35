#pragma once

#include "TDialogContext.h"
#include "masterdata/editing/TJoiningLists.h"

#include <QDialog>

class QComboBox;
class QHBoxLayout;
class QListWidget;
class QToolButton;
class QVBoxLayout;

// The frame the joining dialogs share: the product picture, the league
// drop-down, the available and member lists with the arrows between them and
// the close button, all kept in step with the joining state.
class TJoinDialog : public QDialog
{
protected:
    struct Captions
    {
        QString available;
        const char *availableName;
        QString members;
        const char *membersName;
        const char *addName;
        const char *removeName;
    };

    TJoinDialog(const TDialogContext &context, const QString &objectName, const QString &title,
                QWidget *parent);

    virtual TJoiningLists &joining() = 0;
    // Lists a dialog shows ahead of the available one are added here first.
    QHBoxLayout *listRow() const { return m_lists; }
    // Adds the rest once the dialog's own lists stand, then opens the state.
    void finish(const Captions &captions);
    // Shows the state again; an error of the step that led here is reported first.
    void refresh(bool ok);
    virtual void refreshOwnLists() {}

private:
    TDialogContext m_context;
    QVBoxLayout *m_right = nullptr;
    QHBoxLayout *m_lists = nullptr;
    QComboBox *m_league = nullptr;
    QListWidget *m_available = nullptr;
    QListWidget *m_members = nullptr;
    QToolButton *m_add = nullptr;
    QToolButton *m_remove = nullptr;
};
