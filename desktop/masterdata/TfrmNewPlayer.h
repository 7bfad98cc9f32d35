#pragma once

#include "TfrmMasterList.h"

// The list of players.
class TfrmNewPlayer : public TfrmMasterList
{
public:
    explicit TfrmNewPlayer(const TDialogContext &context, QWidget *parent = nullptr)
        : TfrmMasterList(context, TMasterKind::Player,
                         {QString::fromUtf8("Játékos"), QString::fromUtf8("Új játékos"),
                          QString::fromUtf8("Módosítás"), QString::fromUtf8("Kilépés"),
                          QString::fromUtf8("Törlés")},
                         parent)
    {
        setObjectName(QStringLiteral("frmNewPlayer"));
    }
};
