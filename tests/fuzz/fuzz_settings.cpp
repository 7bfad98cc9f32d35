// Feeds arbitrary bytes as "parquetix.ini" to the settings store, and checks
// the promises of the in-place writer on the same bytes: an unchanged file is
// written back byte for byte, and a value just set reads back as it was set.
#include "model/TSettings.h"
#include "shell/TIniFile.h"
#include "shell/TPasswordCipher.h"
#include "shell/TSettingsFile.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

// In memory where the system offers it: the settings writer syncs every
// file it replaces, which on a disk would dominate the run.
QString fuzzHomeTemplate()
{
    const QString shm = QStringLiteral("/dev/shm");
    return QFileInfo(shm).isDir() && QFileInfo(shm).isWritable() ? shm + QStringLiteral("/parquetix-fuzz-XXXXXX")
                                                                  : QString();
}

struct TFuzzHome
{
    QTemporaryDir Dir{fuzzHomeTemplate()};
    QString Ini;
    TFuzzHome()
    {
        if (!Dir.isValid())
            std::abort();
        Ini = Dir.filePath(QStringLiteral("parquetix.ini"));
        // A key file, so stored passwords are really deciphered.
        QString stored;
        if (!TPasswordCipher(Dir.path()).Encipher(QStringLiteral("seed"), &stored))
            std::abort();
    }
};

void require(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static TFuzzHome home;
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));

    {
        QFile file(home.Ini);
        require(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        require(file.write(bytes) == bytes.size());
    }
    const TSettingsFile store(home.Ini, home.Dir.path());
    TSettings settings;
    QString error;
    const bool loaded = store.Load(settings, &error);
    require(loaded || error.endsWith(QStringLiteral("is not a valid integer value")));
    require(settings.ProxyPassword().size() <= TSettings::MaxPasswordLength);
    (void)settings.Edition();
    (void)settings.GameLength();

    TIniFile ini;
    ini.FromBytes(bytes);
    require(ini.ToBytes() == bytes);

    // A value taken from the input itself, kept to one line.
    QString value = QString::fromUtf8(bytes.left(24));
    value.remove(QLatin1Char('\n'));
    value.remove(QLatin1Char('\r'));
    const QString before = ini.Value(QStringLiteral("CONNECTION"), QStringLiteral("PROXY_USER"));
    require(ini.SetValue(QStringLiteral("application"), QStringLiteral("LANGUAGE"), value));
    TIniFile again;
    again.FromBytes(ini.ToBytes());
    require(again.Value(QStringLiteral("APPLICATION"), QStringLiteral("language")) == value);
    require(again.Value(QStringLiteral("CONNECTION"), QStringLiteral("PROXY_USER")) == before);

    QString saveError;
    if (store.SaveDialogKeys(settings, &saveError)) {
        TSettings reread;
        store.Load(reread);
        require(reread.Language() == settings.Language() || !loaded);
    }
    return 0;
}
