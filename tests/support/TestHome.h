#pragma once

#include "QtPrinters.h"

#include <QByteArray>
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

// Sets an environment variable (a null value removes it) for one scope, as
// the programs a test starts will see it, and puts the earlier value back.
class ScopedVariable
{
public:
    ScopedVariable(const char *name, const QByteArray &value);
    ~ScopedVariable();
    ScopedVariable(const ScopedVariable &) = delete;
    ScopedVariable &operator=(const ScopedVariable &) = delete;

private:
    QByteArray m_name;
    QByteArray m_before;
    bool m_was = false;
};

// Folders of the build and the source tree, set by CTest.
QString binaryFolder();
QString sourceFolder();
