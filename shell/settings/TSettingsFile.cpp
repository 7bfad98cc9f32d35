#include "TSettingsFile.h"

#include "TIniFile.h"
#include "TPasswordCipher.h"
#include "model/settings/TSettings.h"

TSettingsFile::TSettingsFile(QString iniPath, QString keyFolder)
    : m_iniPath(std::move(iniPath)), m_keyFolder(std::move(keyFolder))
{
}

bool TSettingsFile::Load(TSettings &settings, QString *error) const
{
    TIniFile ini;
    if (!ini.Load(m_iniPath, error)) {
        settings.Reset();
        return false;
    }
    const TPasswordCipher cipher(m_keyFolder);
    return settings.Load(
        [&](const QString &section, const QString &key, bool password) -> std::optional<QString> {
            bool found = false;
            const QString raw = ini.Value(section, key, QString(), &found);
            if (!found)
                return std::nullopt;
            return password ? cipher.Decipher(raw) : raw;
        },
        error);
}

bool TSettingsFile::SaveDialogKeys(const TSettings &settings, QString *error) const
{
    const QList<TSettings::TStoredValue> values = settings.DialogValues();
    TIniFile ini;
    if (!ini.Load(m_iniPath, error))
        return false;

    // A password that cannot be enciphered leaves its stored value as it was;
    // the other keys are still written, and the error tells what was lost.
    QString passwordError;
    for (const TSettings::TStoredValue &value : values) {
        QString text = value.Value;
        if (value.Password) {
            QString stored;
            if (!TPasswordCipher(m_keyFolder).Encipher(text, &stored, &passwordError))
                continue;
            text = stored;
        }
        if (!ini.SetValue(value.Section, value.Key, text, error))
            return false;
    }
    if (!ini.Save(m_iniPath, error))
        return false;
    if (!passwordError.isEmpty()) {
        if (error)
            *error = passwordError;
        return false;
    }
    return true;
}
