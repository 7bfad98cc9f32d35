#include "SampleGame.h"

#include "TestHome.h"

#include <QDir>
#include <QFile>
#include <QStringList>

QString SampleRoster()
{
    QFile file(QDir(sourceFolder()).filePath(QStringLiteral("tests/data/sample-roster.txt")));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("the sample roster %s cannot be read", qPrintable(file.fileName()));
    return QString::fromUtf8(file.readAll());
}

QString SampleRoster(const TRosterVariant &variant)
{
    QString roster;
    for (QString line : SampleRoster().split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const bool home = line.contains(QLatin1String(" home "));
        if (line.endsWith(QLatin1String(" bench")) && !(home ? variant.HomeBench : variant.AwayBench))
            continue;
        if (line.startsWith(QLatin1String("team "))) {
            line.replace(home ? QStringLiteral("\"Home Team\"") : QStringLiteral("\"Away Team\""),
                         QLatin1Char('"') + QString::fromUtf8(home ? variant.Home : variant.Away) +
                             QLatin1Char('"'));
            if (!variant.League)
                line.remove(QStringLiteral(" league=1"));
        }
        if (variant.FullNames)
            line.replace(QStringLiteral("name=\"Farkas\""), QStringLiteral("name=\"FARKAS Mate\""));
        roster += line + QLatin1Char('\n');
    }
    return roster;
}
