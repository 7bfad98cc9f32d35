#pragma once

#include <QString>

class TSettings;

// "parquetix.ini" as the store of the settings: the values are read from and
// written to it in place, the proxy password enciphered under the key of the
// key folder (the application home).
class TSettingsFile
{
public:
    explicit TSettingsFile(QString iniPath, QString keyFolder = QString());

    // Reads every key (defaults for missing keys, and for all of them when the
    // file cannot be read). False with the error of the file or of the first
    // malformed integer, see TSettings::Load.
    bool Load(TSettings &settings, QString *error = nullptr) const;
    // Writes every key the settings dialog writes, one by one in place.
    bool SaveDialogKeys(const TSettings &settings, QString *error = nullptr) const;

private:
    QString m_iniPath;
    QString m_keyFolder;
};
