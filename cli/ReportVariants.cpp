#include "ReportVariants.h"

#include "CliGame.h"
#include "GameOutput.h"

#include "reports/variants/TQuarterChoice.h"
#include "reports/variants/TVariantReports.h"

namespace {

QString periodsOption;

TVariantReports variants(TCliGame &session)
{
    TVariantReports reports(session.App.Game(), session.Translation.Translator());
    reports.SetImageFolder(session.App.ExeFolder);
    TdmMain &dm = session.Translation.DataModule();
    reports.SetNativeNames({[&dm](const QString &webId) { return dm.PlayerNativeName(webId); },
                            [&dm](const QString &webId) { return dm.TeamNativeName(webId); }});
    return reports;
}

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

TReportDocument BoxScore(TCliGame &session)
{
    return variants(session).EditionBoxScore();
}

bool Build(const QString &name, TCliGame &session, std::vector<TReportDocument> &documents, QString *error)
{
    if (name == QLatin1String("hebrew"))
        documents.push_back(variants(session).Hebrew());
    else if (name == QLatin1String("press"))
        documents.push_back(variants(session).Press());
    else if (name == QLatin1String("quintet"))
        documents.push_back(variants(session).Quintet());
    else if (name == QLatin1String("quarters")) {
        const QList<int> periods = parsePeriods(periodsOption);
        const QString refusal =
            TQuarterChoice::Refusal(session.App.Game(), periods, session.Translation.Translator());
        if (!refusal.isEmpty()) {
            if (error)
                *error = refusal;
            return false;
        }
        documents.push_back(variants(session).Quarters(periods));
    } else
        return false;
    return true;
}

} // namespace ReportVariants
