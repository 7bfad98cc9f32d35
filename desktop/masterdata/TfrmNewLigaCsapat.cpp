#include "TfrmNewLigaCsapat.h"

TfrmNewLigaCsapat::TfrmNewLigaCsapat(const TDialogContext &context, QWidget *parent)
    : TJoinDialog(context, QStringLiteral("frmNewLigaCsapat"), QStringLiteral("League -> Team joining"),
                  parent),
      m_state(context.dm)
{
    finish({QStringLiteral("Temas not in league"), "lbElerhetoLigaCsapatok",
            QStringLiteral("Teams of then league"), "lbLigaCsapatok", "sbAddCsapat", "sbRemoveCsapat"});
}
