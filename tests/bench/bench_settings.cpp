// Figures for the settings store: start-up reading of "parquetix.ini", the
// dialog's in-place write, the accessors the sender thread calls on every
// cycle, the reference lists read before each game and the game code.
#include "model/game/GameCode.h"
#include "model/settings/TReferenceLists.h"
#include "model/settings/TSettings.h"
#include "shell/settings/TIniFile.h"
#include "shell/settings/TSettingsFile.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// A complete settings file as the dialog leaves it, plus the hand-edited keys.
QByteArray fullIni(const QTemporaryDir &dir, bool withPassword)
{
    TSettings s;
    if (withPassword)
        s.SetValue(QStringLiteral("PROXY_PASSWORD"), QStringLiteral("correct horse battery staple"));
    const QString path = dir.filePath(QStringLiteral("seed.ini"));
    TSettingsFile(path, dir.path()).SaveDialogKeys(s);
    TIniFile ini;
    ini.Load(path);
    for (const QString &key : TSettings::Keys())
        if (!ini.Contains(TSettings::SectionOf(key), key))
            ini.SetValue(TSettings::SectionOf(key), key, s.RawValue(key));
    return ini.ToBytes();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(bytes);
}

void BM_SettingsLoad(benchmark::State &state)
{
    QTemporaryDir dir;
    const bool withPassword = state.range(0) != 0;
    const QString path = dir.filePath(QStringLiteral("parquetix.ini"));
    writeFile(path, fullIni(dir, withPassword));
    TSettings s;
    const TSettingsFile file(path, dir.path());
    for (auto _ : state) {
        const bool ok = file.Load(s);
        benchmark::DoNotOptimize(ok);
    }
    state.SetLabel(withPassword ? "with proxy password" : "no proxy password");
}
BENCHMARK(BM_SettingsLoad)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_SettingsSaveDialogKeys(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("parquetix.ini"));
    writeFile(path, fullIni(dir, false));
    TSettings s;
    const TSettingsFile file(path, dir.path());
    file.Load(s);
    for (auto _ : state) {
        const bool ok = file.SaveDialogKeys(s);
        benchmark::DoNotOptimize(ok);
    }
}
BENCHMARK(BM_SettingsSaveDialogKeys)->Unit(benchmark::kMicrosecond);

// One key set in place in memory, in files of growing length.
void BM_IniSetValueInPlace(benchmark::State &state)
{
    QByteArray bytes = "[APPLICATION]\r\n";
    for (int i = 0; i < state.range(0); ++i)
        bytes += "KEY_" + QByteArray::number(i) + "=value " + QByteArray::number(i) + "\r\n";
    TIniFile ini;
    ini.FromBytes(bytes);
    int n = 0;
    for (auto _ : state) {
        ini.SetValue(QStringLiteral("application"), QStringLiteral("LANGUAGE"), QString::number(++n % 7));
        benchmark::DoNotOptimize(ini.ToBytes());
    }
}
BENCHMARK(BM_IniSetValueInPlace)->Arg(50)->Arg(1000)->Unit(benchmark::kMicrosecond);

// The sender thread reads these under the lock on every cycle.
void BM_SenderAccessors(benchmark::State &state)
{
    TSettings s;
    for (auto _ : state) {
        benchmark::DoNotOptimize(s.ServerName());
        benchmark::DoNotOptimize(s.NumberOfRetries());
        benchmark::DoNotOptimize(s.SleeptimeBwSend());
        benchmark::DoNotOptimize(s.BlockUploadDisabled());
    }
}
BENCHMARK(BM_SenderAccessors);

void BM_ReferenceListsParse(benchmark::State &state)
{
    QByteArray xml = "<?xml version=\"1.0\"?>\n<ParquetixData>\n";
    for (const char *list : {"TeamDefenseModeList", "TurnoverTypeList", "FoulTypeList"}) {
        xml += QByteArray("<") + list + ">\n";
        for (int i = 1; i <= 6; ++i)
            xml += "<Item Id=\"" + QByteArray::number(i) + "\" Name=\"Item number " + QByteArray::number(i) +
                   "\"/>\n";
        xml += QByteArray("</") + list + ">\n";
    }
    xml += "</ParquetixData>\n";
    for (auto _ : state) {
        TReferenceLists lists;
        const bool ok = TReferenceLists::Parse(xml, QStringLiteral("ParquetixData.xml"), lists);
        benchmark::DoNotOptimize(ok);
    }
}
BENCHMARK(BM_ReferenceListsParse)->Unit(benchmark::kMicrosecond);

void BM_NewGameCode(benchmark::State &state)
{
    QRandomGenerator rng(1);
    for (auto _ : state)
        benchmark::DoNotOptimize(NewGameCode(rng));
}
BENCHMARK(BM_NewGameCode);

} // namespace
