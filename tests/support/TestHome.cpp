#include "TestHome.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

TestHome::TestHome()
{
    if (!m_dir.isValid())
        ADD_FAILURE() << "cannot create a temporary home";
    for (const char *sub : {"Datastore", "Save", "Temp", "Pictures", "Template", "Library"})
        QDir(m_dir.path()).mkpath(QString::fromLatin1(sub));
}

void TestHome::write(const QString &relative, const QByteArray &content) const
{
    const QString path = file(relative);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        ADD_FAILURE() << "cannot write " << path.toStdString();
    f.write(content);
}

QByteArray TestHome::read(const QString &relative) const
{
    QFile f(file(relative));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

ScopedVariable::ScopedVariable(const char *name, const QByteArray &value)
    : m_name(name), m_before(qgetenv(name)), m_was(qEnvironmentVariableIsSet(name))
{
    if (value.isNull())
        qunsetenv(name);
    else
        qputenv(name, value);
}

ScopedVariable::~ScopedVariable()
{
    if (m_was)
        qputenv(m_name.constData(), m_before);
    else
        qunsetenv(m_name.constData());
}

QString binaryFolder()
{
    return qEnvironmentVariable("PARQUETIX_BIN", QStringLiteral(PARQUETIX_BUILD_BIN));
}

QString sourceFolder()
{
    return qEnvironmentVariable("PARQUETIX_SOURCE", QStringLiteral(PARQUETIX_SOURCE_DIR));
}
