#pragma once

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <grp.h>
#include <pwd.h>
#include <unistd.h>

// A PostgreSQL server of its own in a temporary folder, reached through a
// socket in that folder only. PostgreSQL refuses to run as root, so as root
// (CI) the cluster belongs to "nobody" and its programs run as that user.
// Error() says why it did not start; a test that needs it fails then.
class PostgresProcess
{
public:
    PostgresProcess()
    {
        if (!m_dir.isValid()) {
            m_error = QStringLiteral("no temporary folder");
            return;
        }
        m_bin = binFolder();
        if (m_bin.isEmpty()) {
            m_error = QStringLiteral("no initdb: install postgresql (scripts/setup.sh)");
            return;
        }
        if (::geteuid() == 0) {
            const passwd *nobody = ::getpwnam("nobody");
            if (!nobody) {
                m_error = QStringLiteral("no user nobody to run PostgreSQL as");
                return;
            }
            m_asUser = QString::number(nobody->pw_uid);
            m_asGroup = QString::number(nobody->pw_gid);
            if (::chown(QFile::encodeName(m_dir.path()).constData(), nobody->pw_uid, nobody->pw_gid) != 0) {
                m_error = QStringLiteral("cannot give %1 to nobody").arg(m_dir.path());
                return;
            }
        }
        if (!tool(QStringLiteral("initdb"),
                  {QStringLiteral("-D"), dataDir(), QStringLiteral("-U"), QStringLiteral("parquetix"),
                   QStringLiteral("--auth=trust"), QStringLiteral("-E"), QStringLiteral("UTF8"),
                   QStringLiteral("--no-sync")}))
            return;
        start();
    }
    ~PostgresProcess()
    {
        if (m_running)
            tool(QStringLiteral("pg_ctl"),
                 {QStringLiteral("-D"), dataDir(), QStringLiteral("-m"), QStringLiteral("immediate"),
                  QStringLiteral("-w"), QStringLiteral("stop")});
    }

    bool IsRunning() const { return m_running; }
    const QString &Error() const { return m_error; }
    // The address parquetix-server --database takes.
    QString Url() const
    {
        return QStringLiteral("postgresql://parquetix@/postgres?host=%1&port=5432").arg(m_dir.path());
    }

private:
    QString dataDir() const { return m_dir.filePath(QStringLiteral("cluster")); }

    static QString binFolder()
    {
        if (const QString initdb = QStandardPaths::findExecutable(QStringLiteral("initdb"));
            !initdb.isEmpty())
            return QFileInfo(initdb).absolutePath();
        // Debian keeps the server's programs out of PATH.
        const QStringList versions = QDir(QStringLiteral("/usr/lib/postgresql"))
                                         .entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
        for (auto it = versions.crbegin(); it != versions.crend(); ++it) {
            const QString bin = QStringLiteral("/usr/lib/postgresql/%1/bin").arg(*it);
            if (QFileInfo::exists(bin + QStringLiteral("/initdb")))
                return bin;
        }
        return {};
    }

    bool start()
    {
        const QString options =
            QStringLiteral("-k %1 -c listen_addresses='' -p 5432 -c fsync=off").arg(m_dir.path());
        m_running = tool(QStringLiteral("pg_ctl"),
                         {QStringLiteral("-D"), dataDir(), QStringLiteral("-o"), options,
                          QStringLiteral("-l"), m_dir.filePath(QStringLiteral("log")), QStringLiteral("-w"),
                          QStringLiteral("-t"), QStringLiteral("60"), QStringLiteral("start")});
        return m_running;
    }

    bool tool(const QString &name, const QStringList &args)
    {
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        const QString program = m_bin + QLatin1Char('/') + name;
        if (m_asUser.isEmpty())
            p.start(program, args);
        else
            p.start(QStringLiteral("setpriv"),
                    QStringList{QStringLiteral("--reuid=") + m_asUser, QStringLiteral("--regid=") + m_asGroup,
                                QStringLiteral("--clear-groups"), program} +
                        args);
        if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
            m_error =
                QStringLiteral("%1 failed: %2").arg(name, QString::fromLocal8Bit(p.readAll()).trimmed());
            return false;
        }
        return true;
    }

    QTemporaryDir m_dir;
    QString m_bin;
    QString m_asUser;
    QString m_asGroup;
    QString m_error;
    bool m_running = false;
};
