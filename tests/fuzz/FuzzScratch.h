#pragma once

// A scratch folder for one fuzzing process, in memory where the system
// offers it. A crash skips every destructor, so the folder is named after
// the process and each start removes the folders of processes that are
// gone; a failed check of the target itself removes it before aborting.
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QString>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <unistd.h>

class FuzzScratch
{
public:
    explicit FuzzScratch(const char *target)
    {
        const QString shm = QStringLiteral("/dev/shm");
        const QString parent = QFileInfo(shm).isDir() && QFileInfo(shm).isWritable() ? shm : QDir::tempPath();
        const QString prefix = QStringLiteral("parquetix-fuzz-%1-").arg(QLatin1String(target));
        removeLeftovers(parent, prefix);
        m_path = QDir(parent).filePath(prefix + QString::number(::getpid()));
        QDir(m_path).removeRecursively();
        if (!QDir().mkpath(m_path))
            std::abort();
        instance() = this;
        std::atexit([] {
            if (instance())
                instance()->remove();
        });
    }
    ~FuzzScratch()
    {
        remove();
        if (instance() == this)
            instance() = nullptr;
    }
    FuzzScratch(const FuzzScratch &) = delete;
    FuzzScratch &operator=(const FuzzScratch &) = delete;

    const QString &path() const { return m_path; }
    QString filePath(const QString &name) const { return QDir(m_path).filePath(name); }

    void remove()
    {
        if (!m_path.isEmpty())
            QDir(m_path).removeRecursively();
    }

    // Removes the folder and aborts, so libFuzzer records the input.
    [[noreturn]] static void fail()
    {
        if (instance())
            instance()->remove();
        std::abort();
    }

private:
    static FuzzScratch *&instance()
    {
        static FuzzScratch *current = nullptr;
        return current;
    }

    static void removeLeftovers(const QString &parent, const QString &prefix)
    {
        const QRegularExpression owned(QStringLiteral("^%1(\\d+)$").arg(QRegularExpression::escape(prefix)));
        const QStringList names =
            QDir(parent).entryList({prefix + QLatin1Char('*')}, QDir::Dirs | QDir::NoDotAndDotDot);
        for (const QString &name : names) {
            const QRegularExpressionMatch m = owned.match(name);
            if (!m.hasMatch())
                continue;
            const pid_t pid = pid_t(m.captured(1).toLongLong());
            // kill(pid, 0) fails with ESRCH only when no such process runs.
            if (pid > 0 && ::kill(pid, 0) != 0 && errno == ESRCH)
                QDir(QDir(parent).filePath(name)).removeRecursively();
        }
    }

    QString m_path;
};
