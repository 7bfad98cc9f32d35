#include "ReportVariants.h"

#include "CliGame.h"
#include "GameOutput.h"

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

// "1,3,5" ticks the first and third quarters and the overtime.
bool parsePeriods(const QString &text, std::array<bool, 5> &periods)
{
    periods.fill(false);
    for (const QString &part : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        bool ok = false;
        const int n = part.trimmed().toInt(&ok);
        if (!ok || n < 1 || n > 5)
            return false;
        periods[size_t(n - 1)] = true;
    }
    return true;
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

bool Build(const QString &name, TCliGame &session, std::vector<TReportDocument> &documents)
{
    if (name == QLatin1String("hebrew"))
        documents.push_back(variants(session).Hebrew());
    else if (name == QLatin1String("press"))
        documents.push_back(variants(session).Press());
    else if (name == QLatin1String("quintet"))
        documents.push_back(variants(session).Quintet());
    else if (name == QLatin1String("quarters")) {
        std::array<bool, 5> periods{};
        if (!parsePeriods(periodsOption, periods))
            return false;
        documents.push_back(variants(session).Quarters(periods));
    } else
        return false;
    return true;
}

} // namespace ReportVariants
