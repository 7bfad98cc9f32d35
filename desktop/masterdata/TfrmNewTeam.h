#pragma once

#include "TfrmMasterList.h"

// The list of clubs.
class TfrmNewTeam : public TfrmMasterList
{
public:
    explicit TfrmNewTeam(const TDialogContext &context, QWidget *parent = nullptr)
        : TfrmMasterList(context, TMasterKind::Team,
                         {QString::fromUtf8("Egyesület"), QString::fromUtf8("Új csapat"),
                          QString::fromUtf8("Módosítás"), QString::fromUtf8("Kilépés"),
                          QString::fromUtf8("Törlés")},
                         parent)
    {
        setObjectName(QStringLiteral("frmNewTeam"));
    }
};
