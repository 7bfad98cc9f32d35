#pragma once

#include "TDialogContext.h"
#include "masterdata/editing/TMasterList.h"

#include <QDialog>
#include <functional>

class QFrame;
class QLabel;
class QCheckBox;
class QPushButton;
class QScrollBar;

// A list dialog: the rows of one dataset as a column of row panels, a page
// at a time, with New, Modify and close. The selected panel is the current row.
class TfrmMasterList : public QDialog
{
    Q_OBJECT
public:
    struct TCaptions
    {
        QString title, add, modify, close, remove;
    };

    TfrmMasterList(const TDialogContext &context, TMasterKind kind, const TCaptions &captions,
                   QWidget *parent = nullptr);

    // Shows an edit dialog and returns its result; tests answer in place of the operator.
    void SetDialogRunner(std::function<int(QDialog *)> runner) { m_runner = std::move(runner); }

    const TMasterList &Rows() const { return m_list; }
    void SelectRow(int row);

public slots:
    void New();
    void Modify();
    // Deletes the current row after the operator's Yes, when nothing refers to it.
    void Delete();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    struct TPanel
    {
        QFrame *frame = nullptr;
        QList<QLabel *> values;
        QCheckBox *online = nullptr;
    };

    void runEdit(bool inserting);
    void showRows();

    TDialogContext m_context;
    TMasterList m_list;
    QList<TPanel> m_panels;
    QScrollBar *m_scroll = nullptr;
    std::function<int(QDialog *)> m_runner;
};
