#pragma once

#include <QString>

// Where a program keeps its home: $PARQUETIX_HOME, else the folder of the
// executable when it can hold one (a build tree, an unpacked copy), else the
// user's data folder, seeded from the home installed beside the program.
class TApplicationHome
{
public:
    // exeFolder: the executable's folder; env: $PARQUETIX_HOME; dataHome: the
    // user's data folder ($XDG_DATA_HOME or ~/.local/share).
    static QString Resolve(const QString &exeFolder, const QString &env, const QString &dataHome);

    // Resolve() for the running program.
    static QString Current();

    // The home "cmake --install" lays out for a program in exeFolder.
    static QString InstalledHome(const QString &exeFolder);

    // Copies every file of source that target lacks; nothing is overwritten,
    // so the user's settings and games survive an upgrade.
    static bool Seed(const QString &source, const QString &target);
};
