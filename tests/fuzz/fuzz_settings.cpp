// Feeds arbitrary bytes as "parquetix.ini" to the settings store, and checks
// the promises of the in-place writer on the same bytes: an unchanged file is
// written back byte for byte, and a value just set reads back as it was set.
#include "FuzzScratch.h"
#include "model/settings/TSettings.h"
#include "shell/settings/TIniFile.h"
#include "shell/settings/TPasswordCipher.h"
#include "shell/settings/TSettingsFile.h"

#include <QFile>

#include <cstdint>
#include <cstdlib>

namespace {

// In memory where the system offers it: the settings writer syncs every
// file it replaces, which on a disk would dominate the run.
struct TFuzzHome
{
    FuzzScratch Dir{"settings"};
    QString Ini;
    TFuzzHome()
    {
        Ini = Dir.filePath(QStringLiteral("parquetix.ini"));
        // A key file, so stored passwords are really deciphered.
        QString stored;
        if (!TPasswordCipher(Dir.path()).Encipher(QStringLiteral("seed"), &stored))
            FuzzScratch::fail();
    }
};

void require(bool condition)
{
    if (!condition)
        FuzzScratch::fail();
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
