#include "SampleGame.h"

#include "TestHome.h"

#include <QDir>
#include <QFile>

QString SampleRoster()
{
    QFile file(QDir(sourceFolder()).filePath(QStringLiteral("tests/data/sample-roster.txt")));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("the sample roster %s cannot be read", qPrintable(file.fileName()));
    return QString::fromUtf8(file.readAll());
}
