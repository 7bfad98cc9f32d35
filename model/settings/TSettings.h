#pragma once

#include <QHash>
#include <QReadWriteLock>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// The editions of the system, chosen by APPLICATION/VERSION.
enum class TEdition
{
    Hungarian,
    English,
    Hebrew,
    Italian,
    French
};

// The in-memory settings of "parquetix.ini" (the file itself is the shell's
// business). Read once at start; the sender
// thread reads some values while the dialog may change them on the UI thread,
// so every access goes through a lock and returns a whole old or new value.
//
// Accessors are named after the keys: SERVER_NAME -> ServerName().
class TSettings
{
public:
    TSettings();

    // Edition identifiers as written in VERSION: "HUN", "ENG", "HEB", "ITA",
    // "FRA" (the editions' language codes). Any other VERSION text counts as
    // the default edition, Hebrew.
    static QString EditionId(TEdition edition);
    static const char *DefaultServerBase; // base address of the statistics server

    static constexpr int MaxPasswordLength = 64; // characters kept of a longer password
    // The first `MaxPasswordLength` characters, never splitting a surrogate pair.
    static QString CutPassword(const QString &password);

    // The stored text of a key, or nothing when the store has none; a
    // password comes back in clear.
    using TReader =
        std::function<std::optional<QString>(const QString &section, const QString &key, bool password)>;
    // Takes every key from `read` (defaults for missing keys). Returns false
    // and an error text ("'%s' is not a valid integer value") when an integer
    // key is malformed; the keys read so far keep their values and the rest
    // keep their defaults.
    bool Load(const TReader &read, QString *error = nullptr);
    // Every default again, as after a store that holds nothing.
    void Reset();

    // One key the settings dialog writes, with its value at one moment.
    struct TStoredValue
    {
        QString Section;
        QString Key;
        QString Value; // a password in clear
        bool Password = false;
    };
    QList<TStoredValue> DialogValues() const;
    // Sets one value in memory, as a script or the dialog does; the key is
    // looked up in the known sections. Returns false for an unknown key or a
    // malformed integer.
    bool SetValue(const QString &key, const QString &value, QString *error = nullptr);
    // The raw text of a key (after defaults), for listings.
    QString RawValue(const QString &key) const;
    static QStringList Keys();
    static QString SectionOf(const QString &key);

    // APPLICATION
    TEdition Edition() const;
    QString Version() const;
    QString ServerName() const;
    QString ServerName2() const;
    QString UpdateServerName() const;
    QString ComPort() const;
    QString Language() const;
    bool AutoSave() const;
    int AutoSavePerc() const;
    QString Rendezes() const;
    bool SortByName() const { return Rendezes() == QLatin1String("RENDEZES_NEV"); }
    int GameLength() const;
    int NumberOfRetries() const;
    int SleeptimeBwSend() const;
    int NumberOfCopies() const;
    QString ReportLogoFilename() const;
    QString BannerFilename() const;
    QString Sponsor1Filename() const;
    QString Sponsor2Filename() const;
    QString SystemMouse() const;
    bool UseSystemMouse() const { return SystemMouse() == QLatin1String("SYSTEM_MOUSE_USE"); }
    bool FibaExport() const;
    QString Input() const;
    bool KeyboardInput() const { return Input() == QLatin1String("INPUT_KEYBOARD"); }
    bool LimitedTimeouts() const;
    bool CreateTempDataFiles() const;
    bool SwapResult() const;
    bool BlockUploadDisabled() const;
    bool DataDump() const;
    QString DataDumpDirectory() const;
    bool DeleteDataDump() const;
    int LightSignalTimeout() const;
    int EventparameterWaitTimeout() const;
    int ReportTitleFontSize() const;
    int MyTeam() const;
    bool CheckNewVersion() const;
    // CONNECTION
    QString ProxyServer() const;
    QString ProxyPort() const;
    QString ProxyUser() const;
    QString ProxyPassword() const; // deciphered
    // ACTIVE_AI (n = 1..5), PASSIVE_AI (n = 1..3)
    bool UseActiveAI(int n) const;
    bool PassiveAIVisible(int n) const;

private:
    QString value(const QString &key) const;
    bool boolValue(const QString &key) const;
    int intValue(const QString &key) const;

    mutable QReadWriteLock m_lock;
    QHash<QString, QString> m_values; // key -> raw text (PROXY_PASSWORD in clear)
};
