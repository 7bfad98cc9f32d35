#include "WizardCommand.h"

#include "GameOutput.h"

#include "model/game/TGame.h"

#include <QRegularExpression>

bool TWizardCommand::TakeOptions(QStringList &args, QTextStream &err)
{
    if (!Session.TakeOptions(args, m_name, err))
        return false;
    if (!Sending.TakeOptions(args, m_name, QStringLiteral("--send"), err))
        return false;
    bool hasWait = false;
    const QString wait = TakeOption(args, QStringLiteral("--wait"), &hasWait);
    if (hasWait) {
        WaitSeconds = wait.toInt();
        if (WaitSeconds <= 0) {
            err << m_name << ": --wait needs seconds, not '" << wait << "'\n";
            return false;
        }
    }
    bool hasScript = false;
    Script = TakeOption(args, QStringLiteral("--script"), &hasScript);
    if (hasScript && Script.isEmpty()) {
        err << m_name << ": --script needs a file\n";
        return false;
    }
    // --played home|away INDEX=QUARTERMINUTES ...
    static const QRegularExpression pair(QStringLiteral("^(\\d+)=(\\d+)$"));
    for (qsizetype at = args.indexOf(QStringLiteral("--played")); at >= 0;
         at = args.indexOf(QStringLiteral("--played"))) {
        const QString side = args.value(at + 1);
        if (side != QLatin1String("home") && side != QLatin1String("away")) {
            err << m_name << ": --played needs home or away, not '" << side << "'\n";
            return false;
        }
        args.remove(at, 2);
        int taken = 0;
        while (at < args.size()) {
            const QRegularExpressionMatch m = pair.match(args.at(at));
            if (!m.hasMatch())
                break;
            Played.append(
                {side == QLatin1String("home") ? 1 : 2, m.captured(1).toInt(), m.captured(2).toInt()});
            args.removeAt(at);
            ++taken;
        }
        if (taken == 0) {
            err << m_name << ": --played " << side << " needs INDEX=QUARTERMINUTES\n";
            return false;
        }
    }
    return true;
}

void TWizardCommand::Start(QTextStream &err)
{
    m_err = &err;
    Session.Start(err);
    Messages.BuildMessageTable(Session.Translation.Translator());
    if (Sending.Wanted()) {
        Sending.Attach(Session);
        Sending.Start(Session);
    }
}

TWizardServices TWizardCommand::Services()
{
    TWizardServices s{Session.App,      Session.Translation.DataModule(),
                      Messages,         Session.Translation.Translator(),
                      Session.Prompter, Session.Store};
    s.Play = this;
    s.SetSendingEnabled = [this](bool on) { Sending.SetSendingEnabled(on); };
    s.Finishing = [this](TGame &) {
        if (Sending.Wanted())
            Sent = Sending.WaitUntilSent(Session, WaitSeconds * 1000, *m_err);
    };
    return s;
}

bool TWizardCommand::ApplyPlayed(TPlayedTimePage &page, QTextStream &err) const
{
    for (const TPlayed &p : Played) {
        QString error;
        if (!page.SetTime(p.Side, p.Index, p.QuarterMinutes, &error)) {
            err << m_name << ": --played: " << error << "\n";
            return false;
        }
    }
    return true;
}

bool TWizardCommand::Play(TGame &, QString *error)
{
    if (Script.isEmpty())
        return true;
    QString messages;
    QTextStream stream(&messages);
    if (Session.RunScript(Script, stream))
        return true;
    stream.flush();
    *error = messages.trimmed();
    return false;
}
