#include "TLoadPlayLogic.h"

#include "IPlayStep.h"

#include "masterdata/TMessageTable.h"
#include "masterdata/TdmMain.h"
#include "model/game/TGame.h"
#include "model/review/TFlagRule.h"
#include "model/services/Services.h"
#include "savegame/TGameFolder.h"
#include "shell/session/TParquetixApplication.h"
#include "shell/store/TGameStore.h"

#include <QDir>
#include <QFileInfo>

TLoadPlayLogic::TLoadPlayLogic(const TWizardServices &services) : m_services(services)
{
    m_rows = TSavedGameList::List(m_services.App.SaveRoot);
    if (!m_rows.isEmpty())
        m_selected = 0;
    TdmMain &dm = m_services.Dm;
    Referees = dm.StaffNames(QStringLiteral("B"));
    Coaches = dm.StaffNames(QStringLiteral("E"));
    Stadiums = dm.StaffNames(QStringLiteral("H"));
}

TLoadPlayLogic::~TLoadPlayLogic()
{
    if (game().Settings().DeleteDataDump())
        m_services.Store.DeleteDumps(game());
}

TGame &TLoadPlayLogic::game() const
{
    return m_services.App.Game();
}

QString TLoadPlayLogic::StateOf(const TSavedGameRow &row)
{
    if (!row.Problem.isEmpty())
        return QString::fromUtf8("Sérült");
    return row.Closed ? QStringLiteral("Lezárva") : QStringLiteral("Folyamatban");
}

QString TLoadPlayLogic::ScoreOf(const TSavedGameRow &row)
{
    return QStringLiteral("%1 - %2").arg(row.HomePoints).arg(row.AwayPoints);
}

void TLoadPlayLogic::Select(int index)
{
    m_selected = (index >= 0 && index < m_rows.size()) ? index : -1;
}

bool TLoadPlayLogic::SelectFolder(const QString &folder)
{
    const QString name = QFileInfo(folder).fileName();
    for (int i = 0; i < m_rows.size(); ++i)
        if (m_rows[i].Folder == folder || m_rows[i].Folder == name) {
            m_selected = i;
            return true;
        }
    return false;
}

bool TLoadPlayLogic::Online() const
{
    return game().Online;
}

void TLoadPlayLogic::SetOnline(bool online)
{
    game().Online = online;
    if (online)
        m_resendAll = false;
}

bool TLoadPlayLogic::NextEnabled() const
{
    return !m_finished && (m_step != Selection || m_selected >= 0);
}

QString TLoadPlayLogic::NextCaption() const
{
    return m_services.Translator.Translate(
        m_step == EndGame ? QStringLiteral("Befejezés") : QStringLiteral("Tovább"), QStringLiteral("FORM"));
}

QString TLoadPlayLogic::translate(const char *text) const
{
    return m_services.Translator.Translate(QString::fromUtf8(text), QStringLiteral("FORM"));
}

bool TLoadPlayLogic::leaveSelection()
{
    if (m_selected < 0)
        return false;
    const TSavedGameRow &row = m_rows[m_selected];
    TParquetixApplication &app = m_services.App;
    app.ResetGame();
    if (!game().Online) {
        if (!m_services.Prompter.Confirm(m_services.Messages.MsgNotOnlineLoad))
            return false;
        if (m_services.SetSendingEnabled)
            m_services.SetSendingEnabled(false);
    }
    const QString folder = QDir(app.SaveRoot).absoluteFilePath(row.Folder);
    // The whole folder is read and checked here, so a damaged one keeps the
    // wizard on its first step with the file named.
    m_damagedAccepted = false;
    TLoadOptions options{.Online = game().Online, .ResendAll = m_resendAll, .LoadDamaged = LoadDamaged};
    QString error;
    if (!m_loader.Read(TGameFolder(folder), row.Code, &error, options)) {
        m_error = error;
        // Files that differ from the last save can still be read as they
        // stand: the operator decides, told what that costs.
        options.LoadDamaged = true;
        QString unreadable;
        if (LoadDamaged || !m_loader.Read(TGameFolder(folder), row.Code, &unreadable, options)) {
            m_services.Prompter.ShowError(error + QStringLiteral("\n\n") +
                                          translate("This saved game cannot be loaded."));
            return false;
        }
        if (!m_services.Prompter.Confirm(
                translate("This saved game is damaged: %1").arg(error) + QStringLiteral("\n\n") +
                translate("Its files differ from what the last save wrote: the last events "
                          "may be missing and the totals may be wrong. Load the game as its "
                          "files now stand?")))
            return false;
        m_error.clear();
        m_damagedAccepted = true;
    }
    m_warning = m_loader.Warning();
    app.GameFolder = folder;
    game().GameFolder = folder;
    game().GameCode = row.Code;
    m_loader.ApplyGameData(game());
    const TGameDataLogic data(game(), {});
    Fields = data.Fields;
    return true;
}

bool TLoadPlayLogic::leaveGameData()
{
    TGame &current = game();
    TGameDataLogic data(current, {});
    data.Fields = Fields;
    data.Ok();
    const TLoadOptions options{
        .Online = current.Online, .ResendAll = m_resendAll, .LoadDamaged = LoadDamaged || m_damagedAccepted};
    m_loader.ApplyRosters(current);
    m_services.App.LoadReferenceLists();
    if (m_services.Play)
        m_services.Play->Prepare(current);
    QString error;
    if (!m_loader.ApplyEvents(current, options, &error)) {
        m_error = error;
        m_services.Prompter.ShowError(error);
        return false;
    }
    m_loader.ApplyScreenState(current);
    m_loader.ApplyReview(current);
    m_services.Store.DeleteTemporaryEventDumps();
    if (m_services.SetSendingEnabled)
        m_services.SetSendingEnabled(true);
    if (m_services.Play && (!m_services.Play->Play(current, &m_error) || ApplicationEnded()))
        return false;
    End.Fill(current);
    return true;
}

bool TLoadPlayLogic::ApplicationEnded() const
{
    return m_services.Play && m_services.Play->ApplicationEnded();
}

bool TLoadPlayLogic::Next()
{
    if (!NextEnabled())
        return false;
    m_error.clear();
    switch (m_step) {
    case Selection:
        if (!leaveSelection())
            return false;
        m_step = GameData;
        return true;
    case GameData:
        if (!leaveGameData())
            return false;
        m_step = PlayedTimes;
        m_playedTimes = std::make_unique<TPlayedTimePage>(game(), m_services.Prompter, m_services.Messages);
        return true;
    case PlayedTimes:
        m_playedTimes->Store(false, true);
        m_playedTimes.reset();
        m_step = EndGame;
        return true;
    case EndGame: {
        // The operator sees what is still open before the game is closed on the server.
        const QString open = TFlagRule::OpenFlagsText(game());
        if (!open.isEmpty())
            m_services.Prompter.ShowInformation(open);
        game().SendGameClosed();
        game().SaveGame();
        if (m_services.Finishing)
            m_services.Finishing(game());
        m_finished = true;
        return true;
    }
    }
    return false;
}

void TLoadPlayLogic::Back()
{
    if (BackEnabled())
        m_step = Selection;
}

void TLoadPlayLogic::Print()
{
    if (PrintEnabled())
        m_services.Print();
}

void TLoadPlayLogic::SendData()
{
    if (SendDataEnabled())
        m_services.SendData();
}

bool TLoadPlayLogic::RequestClose()
{
    if (m_step == PlayedTimes) {
        m_services.Prompter.ShowInformation(
            m_services.Translator.Translate(QStringLiteral("Use the Next button"), QStringLiteral("FORM")));
        return false;
    }
    return true;
}
