#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class ITranslator;

// The fixed messages shown by several windows, each the "FORM" translation
// of its source text, built once when the main window is created and not
// rebuilt when the language changes.
class TMessageTable
{
public:
    QString MsgTeamNameRequired;
    QString MsgPlayerNameRequired;
    QString MsgBirthDateRequired;
    QString MsgLeagueNameRequired;
    QString MsgNotOnlineLoad;
    QString MsgTotalTimeWrong;
    QString MsgLeagueRequired;
    QString MsgHomeTeamRequired;
    QString MsgAwayTeamRequired;
    QString MsgSendingNotFinished;
    QString MsgNoMoreTimeout;
    QString MsgNetworkError;
    QString MsgNotOnlineNewGame;
    QString MsgSaveFolderRequired;
    QString MsgFolderMayHoldGame;
    QString MsgSameNamePlayers;
    QString MsgSameJerseyPlayers;
    QString MsgNoConnection;
    QString MsgUpdateFailed;
    QString MsgRestartSending;
    QString MsgConnected;
    QString MsgNotConnected;
    QString MsgShotDunk;
    QString MsgShotLayup;
    QString MsgShotTwo;
    QString MsgShotThree;
    QString MsgPeriodReallyOver;
    QString MsgDirectoryInvalid;
    // The master data dialogs' checks of dates and times.
    QString MsgBirthDateInvalid;
    QString MsgGameDateInvalid;
    QString MsgGameHourInvalid;

    struct TEntry
    {
        const char *name;
        QString TMessageTable::*field;
        // Translated one by one; several are joined by LF CR.
        QStringList sources;
    };
    static const QList<TEntry> &Entries();

    void BuildMessageTable(ITranslator &translator);
    // The message of that name; empty for an unknown name.
    QString Text(const QString &name) const;
};
