#include "TLineupDialogs.h"

#include "TfrmAddPlayer.h"
#include "TfrmSetTime.h"
#include "TfrmSubstitutions.h"

#include "desktop/court/TCourtScreen.h"
#include "desktop/text/TFormTranslator.h"
#include "model/game/TGame.h"

void TLineupDialogs::translate(QDialog &dialog)
{
    if (ITranslator *translator = m_screen.Game().Services().Translator)
        TFormTranslator(*translator).TranslateForm(&dialog);
}

bool TLineupDialogs::run(QDialog &dialog)
{
    if (Opening)
        Opening(&dialog);
    return dialog.exec() == QDialog::Accepted;
}

bool TLineupDialogs::RunSubstitutions(TSubstitutionsLogic &logic)
{
    TfrmSubstitutions dialog(logic, m_parent);
    translate(dialog);
    return run(dialog);
}

bool TLineupDialogs::RunSetTime(TSetTimeLogic &logic)
{
    TfrmSetTime dialog(logic, m_parent);
    translate(dialog);
    return run(dialog);
}

bool TLineupDialogs::RunAddPlayer(TAddPlayerLogic &logic)
{
    TfrmAddPlayer dialog(logic, m_screen.RosterSource(), m_screen.Game().Services().Translator, m_parent);
    return run(dialog);
}
