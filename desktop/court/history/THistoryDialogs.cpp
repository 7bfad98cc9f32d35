#include "THistoryDialogs.h"

#include "TfrmChangeEvent.h"
#include "TfrmSelectEvent.h"
#include "TfrmSelectEventId.h"
#include "TfrmSelectPlayer.h"
#include "desktop/text/TFormTranslator.h"
#include "workflow/history/TChangeEventLogic.h"

THistoryDialogs::THistoryDialogs(const TPictureLibrary &pictures, ITranslator *translator, QWidget *parent)
    : m_pictures(pictures), m_translator(translator), m_parent(parent)
{
}

bool THistoryDialogs::run(QDialog &dialog)
{
    if (m_translator)
        TFormTranslator(*m_translator).TranslateForm(&dialog);
    if (BeforeShow)
        BeforeShow(&dialog);
    return dialog.exec() == QDialog::Accepted;
}

bool THistoryDialogs::SelectPlayer(const QString &teamName, const QList<THistoryChoice> &players, int *value)
{
    TfrmSelectPlayer dialog(teamName, players, m_parent);
    if (!run(dialog))
        return false;
    *value = dialog.Value();
    return true;
}

bool THistoryDialogs::SelectEvent(const QList<THistoryChoice> &events, int *value)
{
    TfrmSelectEvent dialog(events, m_parent);
    if (!run(dialog))
        return false;
    *value = dialog.Value();
    return true;
}

bool THistoryDialogs::SelectEventId(int *value)
{
    TfrmSelectEventId dialog(m_parent);
    if (!run(dialog))
        return false;
    *value = dialog.Value();
    return true;
}

bool THistoryDialogs::ChangeEvent(TChangeEventLogic &logic)
{
    TfrmChangeEvent dialog(logic, m_pictures, m_parent);
    return run(dialog) && logic.OkEnabled();
}
