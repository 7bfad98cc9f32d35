#pragma once

#include "model/services/Services.h"

#include <QString>
#include <QStringList>
#include <functional>

class TGame;
class IScreenLink;
struct TScriptCall;

// Plays a scripted game through the model, exactly as the court screen calls
// it: one command per line, "#" starts a comment, values with blanks in
// double quotes. The script names the line and what is wrong on an error.
class TGameScript
{
public:
    TGameScript(TGame &game, IScreenLink &screen);

    // Runs every line; stops at the first error (line number and text in Error()).
    bool Run(const QString &text, const QString &sourceName = QStringLiteral("script"));
    bool RunLine(const QString &line, int lineNumber);
    const QString &Error() const { return m_error; }

    // Splits a line into words; quoted parts keep their blanks ("a b" or key="a b").
    static bool Tokenize(const QString &line, QStringList &words, QString *error);

    // Called after every command that recorded or changed something.
    std::function<void()> AfterCommand;

private:
    // The handlers of the commands reach the game and the error through the call.
    friend struct TScriptCall;

    bool fail(const QString &message);
    bool command(const QStringList &words);
    bool number(const QString &text, int &value, const QString &what);

    TGame &m_game;
    IScreenLink &m_screen;
    QString m_error;
    QString m_source;
    int m_line = 0;
};

// The operator's answers in a script: "set ANSWER=no" makes questions answer no.
class TScriptPrompter : public IPrompter
{
public:
    void ShowError(const QString &text) override { Messages.append(text); }
    void ShowInformation(const QString &text) override { Messages.append(text); }
    bool Confirm(const QString &text) override
    {
        Messages.append(text);
        return Answer;
    }
    bool Answer = true;
    QStringList Messages;
};
