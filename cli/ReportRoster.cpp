#include "ReportRoster.h"

#include "CliGame.h"
#include "GameOutput.h"

#include "reports/roster/TRosterPresentationLogic.h"
#include "reports/roster/TqrRostersPresentation.h"

namespace {

// The team and coach notes given on the command line, by side.
struct TRosterNotes
{
    QString Team[2];
    QString Coach[2];
};

TRosterNotes &notes()
{
    static TRosterNotes given;
    return given;
}

} // namespace

bool TakeRosterOptions(QStringList &args, QTextStream &err)
{
    for (const QString &option : {QStringLiteral("--team-note"), QStringLiteral("--coach-note")}) {
        bool present = true;
        while (true) {
            const QString value = TakeOption(args, option, &present);
            if (!present)
                break;
            const int split = int(value.indexOf(QLatin1Char('=')));
            const QString side = value.left(split);
            if (split < 0 || (side != QLatin1String("home") && side != QLatin1String("away"))) {
                err << "report: " << option << " takes home=TEXT or away=TEXT\n";
                return false;
            }
            QString(&target)[2] = option == QLatin1String("--team-note") ? notes().Team : notes().Coach;
            target[side == QLatin1String("home") ? 0 : 1] = value.mid(split + 1);
        }
    }
    return true;
}

TReportDocument RosterReport(TCliGame &session)
{
    TRosterPresentationLogic logic(session.App.Game());
    for (const bool home : {true, false}) {
        QStringList list = logic.Notes(home);
        list.first() = notes().Team[home ? 0 : 1];
        list.last() = notes().Coach[home ? 0 : 1];
        logic.StoreNotes(home, list);
    }
    TqrRostersPresentation report(session.App.Game(), logic.Entries(true), logic.Entries(false),
                                  session.Translation.Translator());
    report.SetImageFolder(session.App.ExeFolder);
    return report.Build();
}
