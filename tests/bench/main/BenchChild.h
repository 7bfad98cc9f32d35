#pragma once

// Work a benchmark runs in a fresh process of its own program, as a program
// that opens one game pays what is paid once per process. The parent starts
// "<program> --bench-child NAME ARGS..." and reads the figures it prints.
#include <QByteArray>
#include <QCoreApplication>
#include <QProcess>
#include <QStringList>
#include <map>
#include <string>

namespace BenchChild {

using TMain = int (*)(const QStringList &args);

inline std::map<std::string, TMain> &Registry()
{
    static std::map<std::string, TMain> children;
    return children;
}

struct TRegister
{
    TRegister(const char *name, TMain main) { Registry()[name] = main; }
};

// Runs a registered child when the arguments ask for one; -1 otherwise.
inline int RunIfAsked(int argc, char **argv)
{
    if (argc < 3 || std::string(argv[1]) != "--bench-child")
        return -1;
    const auto it = Registry().find(argv[2]);
    if (it == Registry().end())
        return 2;
    QStringList args;
    for (int i = 3; i < argc; ++i)
        args.append(QString::fromLocal8Bit(argv[i]));
    return it->second(args);
}

// Starts this program as the named child and returns what it printed; empty
// when it failed.
inline QByteArray Start(const QString &name, const QStringList &args)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(),
                QStringList{QStringLiteral("--bench-child"), name} + args);
    if (!child.waitForFinished(120000) || child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0)
        return {};
    return child.readAllStandardOutput();
}

} // namespace BenchChild
