#pragma once

#include "TfrmMasterList.h"

// The list of games of the schedule.
class TfrmGameList : public TfrmMasterList
{
public:
    explicit TfrmGameList(const TDialogContext &context, QWidget *parent = nullptr)
        : TfrmMasterList(context, TMasterKind::Game,
                         {QString::fromUtf8("Musor"), QString::fromUtf8("&New game"),
                          QString::fromUtf8("&Modify"), QString::fromUtf8("Kilépés"),
                          QString::fromUtf8("&Delete")},
                         parent)
    {
        setObjectName(QStringLiteral("frmGameList"));
    }
};
