#pragma once

#include "TfrmMasterEdit.h"

#include <QCloseEvent>
// The edit dialog of one League row.
class TfrmLiga : public TfrmMasterEdit
{
public:
    TfrmLiga(const TDialogContext &context, TRowEdit &edit, QWidget *parent = nullptr)
        : TfrmMasterEdit(context, edit,
                         {QString::fromUtf8("League"), QStringLiteral("&OK"), QString::fromUtf8("&Cancel")},
                         parent)
    {
        setObjectName(QStringLiteral("frmLiga"));
    }

    void done(int result) override
    {
        m_byButton = true;
        TfrmMasterEdit::done(result);
    }

protected:
    // While the league row is being inserted or edited only OK and Cancel close the dialog.
    void closeEvent(QCloseEvent *event) override
    {
        if (!m_byButton) {
            event->ignore();
            return;
        }
        TfrmMasterEdit::closeEvent(event);
    }

private:
    bool m_byButton = false;
};
