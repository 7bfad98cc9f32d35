#pragma once

#include "TfrmMasterEdit.h"

// The edit dialog of one Player row.
class TfrmJatekos : public TfrmMasterEdit
{
public:
    TfrmJatekos(const TDialogContext &context, TRowEdit &edit, QWidget *parent = nullptr)
        : TfrmMasterEdit(context, edit,
                         {QString::fromUtf8("Player"), QStringLiteral("OK"), QString::fromUtf8("&Cancel")},
                         parent)
    {
        setObjectName(QStringLiteral("frmJatekos"));
    }
};
