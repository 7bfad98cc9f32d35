#pragma once

#include "TfrmMasterEdit.h"

// The edit dialog of one Game row.
class TfrmMerkozesek : public TfrmMasterEdit
{
public:
    TfrmMerkozesek(const TDialogContext &context, TRowEdit &edit, QWidget *parent = nullptr)
        : TfrmMasterEdit(
              context, edit,
              {QString::fromUtf8("Mérközések"), QStringLiteral("&OK"), QString::fromUtf8("&Cancel")}, parent)
    {
        setObjectName(QStringLiteral("frmMerkozesek"));
    }
};
