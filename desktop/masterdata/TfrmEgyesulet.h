#pragma once

#include "TfrmMasterEdit.h"

// The edit dialog of one Team row.
class TfrmEgyesulet : public TfrmMasterEdit
{
public:
    TfrmEgyesulet(const TDialogContext &context, TRowEdit &edit, QWidget *parent = nullptr)
        : TfrmMasterEdit(context, edit,
                         {QString::fromUtf8("Egyesület"), QStringLiteral("OK"), QString::fromUtf8("Mégse")},
                         parent)
    {
        setObjectName(QStringLiteral("frmEgyesulet"));
    }
};
