#include "CliCommand.h"
#include "CliGame.h"
#include "GameOutput.h"

#include "model/output/TTextBoxScore.h"

#include <QDir>

namespace {

// Loads a saved game the way the load wizard does (not online) and writes
// its text report, one line each, or as the upload's "box" field.
int runTextbox(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    QStringList args = arguments;
    TCliGame session;
    if (!session.TakeOptions(args, QStringLiteral("textbox"), err))
        return 2;
    bool hasCode = false;
    QString code = TakeOption(args, QStringLiteral("--code"), &hasCode);
    const bool field = args.removeAll(QStringLiteral("--field")) > 0;
    if (args.size() != 1 || (hasCode && code.isEmpty())) {
        err << "usage: parquetix-cli textbox DIR [--code CODE] [--field] [--set KEY=VALUE]\n";
        return 2;
    }
    if (!session.LoadFolder(args.first(), QStringLiteral("textbox"), err, code))
        return 1;
    QStringList lines;
    TTextBoxScore::BuildTextBoxScore(session.App.Game(), lines);
    if (field) {
        QString text = TTextBoxScore::Joined(lines);
        text.remove(QLatin1Char('\r'));
        text.remove(QLatin1Char('\n'));
        out << text << "\n";
    } else {
        for (const QString &line : lines)
            out << line << "\n";
    }
    return 0;
}

const TCliRegistration registration({QStringLiteral("textbox"),
                                     QStringLiteral("textbox DIR [--code CODE] [--field] [--set KEY=VALUE]"),
                                     &runTextbox});

} // namespace
