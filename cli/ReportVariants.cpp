#include "ReportVariants.h"

#include "CliGame.h"
#include "GameOutput.h"

#include "masterdata/TdmMain.h"
#include "reports/catalogue/TReportCatalogue.h"

namespace {

QString periodsOption;

// "1,3" chooses the first and third stretch of the game (TPeriodRule): its
// regular periods, then each overtime. A word that is no number gives -1,
// which the choice refuses.
QList<int> parsePeriods(const QString &text)
{
    QList<int> periods;
    for (const QString &part : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        bool ok = false;
        const int n = part.trimmed().toInt(&ok);
        periods.append(ok ? n : -1);
    }
    return periods;
}

} // namespace

namespace ReportVariants {

void TakeOptions(QStringList &args)
{
    periodsOption = TakeOption(args, QStringLiteral("--periods"));
}

void SetChoices(TCliGame &session, TReportRequest &request)
{
    TdmMain &dm = session.Translation.DataModule();
    request.NativeNames = {[&dm](const QString &webId) { return dm.PlayerNativeName(webId); },
                           [&dm](const QString &webId) { return dm.TeamNativeName(webId); }};
    request.Periods = parsePeriods(periodsOption);
}

} // namespace ReportVariants
