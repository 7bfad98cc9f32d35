#include "CliCommand.h"
#include "GameOutput.h"

#include "model/TGameScript.h"
#include "model/THeadlessScreen.h"
#include "model/TParquetixApplication.h"

#include <QFile>

namespace {

int runPlay(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    QStringList args = arguments;
    TGameOutputOptions output;
    QString error;
    if (!output.Parse(args, &error)) {
        err << "play: " << error << "\n";
        return 2;
    }
    bool hasNow = false;
    const QString now = TakeOption(args, QStringLiteral("--now"), &hasNow);
    if (args.size() != 1) {
        err << "usage: parquetix-cli play SCRIPT [--now YYYYMMDDHHNNSS] [--messages] [--history] [--json FILE]\n";
        return 2;
    }
    TFixedClock fixed(QDateTime::currentDateTime());
    if (hasNow) {
        const QDateTime t = QDateTime::fromString(now, QStringLiteral("yyyyMMddHHmmss"));
        if (!t.isValid()) {
            err << "play: --now needs YYYYMMDDHHNNSS, not '" << now << "'\n";
            return 2;
        }
        fixed.Set(t);
    }
    QFile file(args.first());
    if (!file.open(QIODevice::ReadOnly)) {
        err << "play: cannot read " << args.first() << ": " << file.errorString() << "\n";
        return 1;
    }
    const QString script = QString::fromUtf8(file.readAll());

    TParquetixApplication app;
    TScriptPrompter prompter;
    THeadlessScreen screen;
    app.SetPrompter(&prompter);
    if (hasNow)
        app.SetClockSource(&fixed);
    app.SetScreen(&screen);
    if (!app.Initialize(&error))
        err << "settings: " << error << "\n";
    if (!app.LoadReferenceLists(&error))
        err << "reference lists: " << error << "\n";
    TGame &game = app.Game();

    TGameScript runner(game, screen);
    if (!runner.Run(script, args.first())) {
        err << runner.Error() << "\n";
        return 1;
    }
    return WriteGameOutput(game, screen, output, out, err) ? 0 : 1;
}

const TCliRegistration registration({QStringLiteral("play"),
                                     QStringLiteral("play SCRIPT [--now YYYYMMDDHHNNSS] [--messages] [--history] "
                                                    "[--json FILE]"),
                                     &runPlay});

} // namespace
