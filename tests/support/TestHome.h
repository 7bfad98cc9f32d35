#pragma once

#include "QtPrinters.h"

#include <QString>
#include <QTemporaryDir>

// A throw-away application home for one test: nothing is ever written into
// the source tree or the working directory.
class TestHome
{
public:
    TestHome();

    QString path() const { return m_dir.path(); }
    QString file(const QString &relative) const { return m_dir.filePath(relative); }
    void write(const QString &relative, const QByteArray &content) const;
    QByteArray read(const QString &relative) const;

private:
    QTemporaryDir m_dir;
};

// Folders of the build and the source tree, set by CTest.
QString binaryFolder();
QString sourceFolder();
