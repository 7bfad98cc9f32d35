#pragma once

#include "TfrmMasterList.h"

// The list of leagues.
class TfrmNewLiga : public TfrmMasterList
{
public:
    explicit TfrmNewLiga(const TDialogContext &context, QWidget *parent = nullptr)
        : TfrmMasterList(context, TMasterKind::League,
                         {QString::fromUtf8("Liga"), QString::fromUtf8("Új liga"),
                          QString::fromUtf8("Módosítás"), QString::fromUtf8("Kilépés"),
                          QString::fromUtf8("Törlés")},
                         parent)
    {
        setObjectName(QStringLiteral("frmNewLiga"));
    }
};
