#pragma once

#include <QStringList>
#include <QTextStream>

// Each command of parquetix-cli lives in its own source file and registers
// itself with a static TCliRegistration, so commands are added without
// touching main.cpp.
struct TCliCommand
{
    QString name;
    QString usage; // one line: "play SCRIPT [--json FILE] ..."
    // args excludes the program and command names. Returns the exit code.
    int (*run)(const QStringList &args, QTextStream &out, QTextStream &err);
};

QList<TCliCommand> &cliCommands();

struct TCliRegistration
{
    explicit TCliRegistration(TCliCommand command) { cliCommands().append(std::move(command)); }
};
