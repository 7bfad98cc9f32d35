#include "CliCommand.h"
#include "GameOutput.h"

#include "savegame/TGameFolder.h"
#include "shell/archive/TGameArchive.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The archive goes beside the game folder, into its save root, as CODE.zip.
int runZip(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    QStringList args = arguments;
    bool hasCode = false;
    QString code = TakeOption(args, QStringLiteral("--code"), &hasCode);
    if (args.size() != 1 || (hasCode && code.isEmpty())) {
        err << "usage: parquetix-cli zip DIR [--code CODE]\n";
        return 2;
    }
    const QString folder = QDir(args.first()).absolutePath();
    if (!hasCode)
        code = TGameFolder(folder).GameCode();
    if (code.isEmpty()) {
        err << "zip: " << folder << " holds no saved game (no hazai_*.dat file)\n";
        return 1;
    }
    const QString archive = QFileInfo(folder).dir().filePath(code + QStringLiteral(".zip"));
    QString error;
    if (!TGameArchive::Zip(folder, archive, &error, code)) {
        err << "zip: " << error << "\n";
        return 1;
    }
    out << archive << "\n";
    return 0;
}

const TCliRegistration registration({QStringLiteral("zip"), QStringLiteral("zip DIR [--code CODE]"),
                                     &runZip});

} // namespace
