#include "ReportRoster.h"

#include "CliGame.h"
#include "GameOutput.h"

#include "reports/catalogue/TReportCatalogue.h"

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

void SetRosterChoices(TReportRequest &request)
{
    for (int side = 0; side < 2; ++side) {
        request.TeamNotes[side] = notes().Team[side];
        request.CoachNotes[side] = notes().Coach[side];
    }
}
