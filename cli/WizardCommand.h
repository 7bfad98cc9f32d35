#pragma once

#include "CliGame.h"
#include "CliSender.h"

#include "masterdata/TMessageTable.h"
#include "workflow/wizard/IPlayStep.h"
#include "workflow/wizard/TPlayedTimePage.h"
#include "workflow/wizard/TWizardServices.h"

#include <QList>
#include <QStringList>
#include <QTextStream>

// What the newgame and loadgame commands share: the wizards' services over a
// command-line session, a script in place of the court screen, the page 7
// corrections and the end of the game.
class TWizardCommand : public IPlayStep
{
public:
    struct TPlayed
    {
        int Side = 1;
        int Index = 0;
        int QuarterMinutes = 0;
    };

    explicit TWizardCommand(const QString &name) : m_name(name) {}

    // Takes "--script", "--played", "--send", "--wait" and the session's
    // options out of args; false with a message on err.
    bool TakeOptions(QStringList &args, QTextStream &err);
    // Starts the session and the sender (when a server is given).
    void Start(QTextStream &err);
    TWizardServices Services();

    // The page 7 corrections; false with a message on err.
    bool ApplyPlayed(TPlayedTimePage &page, QTextStream &err) const;

    bool Play(TGame &game, QString *error) override;

    TCliGame Session;
    TCliSender Sending;
    TMessageTable Messages;
    QString Script;
    QList<TPlayed> Played;
    int WaitSeconds = 600;
    // False once the queue could not be delivered at the end.
    bool Sent = true;

private:
    QString m_name;
    QTextStream *m_err = nullptr;
};
