#pragma once

#include "TDialogContext.h"
#include "masterdata/editing/TRowEdit.h"

#include <QDialog>
#include <QHash>
#include <memory>

class QComboBox;
class QLineEdit;

// An edit dialog for one row: a label and an edit field per column of the
// row, OK and Cancel. OK runs the checks in order and shows the first
// failing one's message, or saves and closes; Cancel, Esc and the window
// frame close it with nothing saved.
class TfrmMasterEdit : public QDialog
{
    Q_OBJECT
public:
    struct TCaptions
    {
        QString title, ok, cancel;
    };

    TfrmMasterEdit(const TDialogContext &context, TRowEdit &edit, const TCaptions &captions,
                   QWidget *parent = nullptr);

    // The edit dialog of the row's kind.
    static std::unique_ptr<TfrmMasterEdit> Create(const TDialogContext &context, TRowEdit &edit,
                                                  QWidget *parent = nullptr);

    QLineEdit *Editor(const QString &column) const { return m_edits.value(column); }
    QComboBox *Choice(const QString &column) const { return m_choices.value(column); }

public slots:
    void Ok();

private:
    void fillLeagues();
    void fillTeams();
    void leaguePicked();
    void readFields();

    TDialogContext m_context;
    TRowEdit &m_edit;
    QHash<QString, QLineEdit *> m_edits;
    QHash<QString, QComboBox *> m_choices;
};
