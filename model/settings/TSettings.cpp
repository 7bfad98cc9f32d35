#include "TSettings.h"

#include <QReadLocker>
#include <QWriteLocker>

#ifndef PARQUETIX_SERVER_BASE
// The reference statistics server runs on this machine unless the build says otherwise.
#define PARQUETIX_SERVER_BASE "http://127.0.0.1:8080"
#endif

const char *TSettings::DefaultServerBase = PARQUETIX_SERVER_BASE;

namespace {

enum class TKind
{
    Text,       // taken as it stands
    Bool,       // true only for exactly "YES"
    Integer,    // strict decimal; a malformed value stops the reading
    GameLength, // integer read leniently: a malformed value gives the default
    Password,   // enciphered, then hexadecimal in the file
};

struct TKey
{
    const char *Section;
    const char *Name;
    const char *Default; // nullptr: computed (VERSION and the server addresses)
    TKind Kind;
    bool Dialog; // written by the settings dialog
};

constexpr const char *App = "APPLICATION";
constexpr const char *Conn = "CONNECTION";
constexpr const char *Active = "ACTIVE_AI";
constexpr const char *Passive = "PASSIVE_AI";

// Every key in reading order; VERSION comes first because the edition
// decides how other values are used.
constexpr TKey KeyTable[] = {
    {App, "VERSION", nullptr, TKind::Text, true},
    {App, "SERVER_NAME", nullptr, TKind::Text, true},
    {App, "SERVER_NAME_2", nullptr, TKind::Text, false},
    {App, "UPDATE_SERVER_NAME", nullptr, TKind::Text, true},
    {App, "COMPORT", "COM1", TKind::Text, true},
    {App, "LANGUAGE", "HUN", TKind::Text, true},
    {App, "AUTO_SAVE", "YES", TKind::Bool, true},
    {App, "AUTO_SAVE_PERC", "1", TKind::Integer, true},
    {App, "RENDEZES", "RENDEZES_NEV", TKind::Text, true},
    {App, "GAMELENGTH", "10", TKind::GameLength, false},
    {App, "NUMBER_OF_RETRIES", "5", TKind::Integer, true},
    {App, "SLEEPTIME_BW_SEND", "350", TKind::Integer, false},
    {App, "NUMBER_OF_COPIES", "5", TKind::Integer, true},
    {App, "REPORT_LOGO_FILENAME", "", TKind::Text, true},
    {App, "BANNER_FILENAME", "", TKind::Text, true},
    {App, "SPONSOR1_FILENAME", "", TKind::Text, true},
    {App, "SPONSOR2_FILENAME", "", TKind::Text, true},
    {App, "SYSTEM_MOUSE", "", TKind::Text, true},
    {App, "FIBA_EXPORT", "NO", TKind::Bool, false},
    {App, "INPUT", "INPUT_SERIALMOUSE", TKind::Text, true},
    {App, "LIMITED_TIMEOUTS", "YES", TKind::Bool, true},
    {App, "CREATE_TEMP_DATA_FILES", "YES", TKind::Bool, false},
    {App, "SWAP_RESULT", "YES", TKind::Bool, false},
    {App, "BLOCK_UPLOAD_DISABLED", "NO", TKind::Bool, false},
    {App, "DATA_DUMP", "YES", TKind::Bool, true},
    {App, "DATA_DUMP_DIRECTORY", "", TKind::Text, true},
    {App, "DELETE_DATA_DUMP", "YES", TKind::Bool, true},
    {App, "LIGHT_SIGNAL_TIMEOUT", "3", TKind::Integer, false},
    {App, "EVENTPARAMETER_WAIT_TIMEOUT", "3", TKind::Integer, false},
    {App, "REPORT_TITLE_FONT_SIZE", "14", TKind::Integer, false},
    {App, "MY_TEAM", "-1", TKind::Integer, true},
    {App, "CHECK_NEW_VERSION", "YES", TKind::Bool, true},
    {Conn, "PROXY_SERVER", "", TKind::Text, true},
    {Conn, "PROXY_PORT", "", TKind::Text, true},
    {Conn, "PROXY_USER", "", TKind::Text, true},
    {Conn, "PROXY_PASSWORD", "", TKind::Password, true},
    {Active, "USE_ACTIVE_AI_1", "YES", TKind::Bool, true},
    {Active, "USE_ACTIVE_AI_2", "YES", TKind::Bool, true},
    {Active, "USE_ACTIVE_AI_3", "YES", TKind::Bool, true},
    {Active, "USE_ACTIVE_AI_4", "YES", TKind::Bool, true},
    {Active, "USE_ACTIVE_AI_5", "YES", TKind::Bool, true},
    {Passive, "PASSIVE_AI_1_VISIBLE", "YES", TKind::Bool, true},
    {Passive, "PASSIVE_AI_2_VISIBLE", "YES", TKind::Bool, true},
    {Passive, "PASSIVE_AI_3_VISIBLE", "YES", TKind::Bool, true},
};

constexpr int ComPortMaxLength = 255;
constexpr int GameLengthDefault = 10;

const TKey *findKey(const QString &name)
{
    for (const TKey &key : KeyTable)
        if (name.compare(QLatin1String(key.Name), Qt::CaseInsensitive) == 0)
            return &key;
    return nullptr;
}

// Optional sign and decimal digits, nothing else (no blanks, no "0x").
bool parseStrictInt(const QString &text, int *value)
{
    qsizetype start = text.startsWith(QLatin1Char('-')) || text.startsWith(QLatin1Char('+')) ? 1 : 0;
    if (start == text.size())
        return false;
    for (qsizetype i = start; i < text.size(); ++i)
        if (text.at(i) < QLatin1Char('0') || text.at(i) > QLatin1Char('9'))
            return false;
    bool ok = false;
    const int v = text.toInt(&ok, 10);
    if (ok && value)
        *value = v;
    return ok;
}

QString invalidInteger(const QString &value)
{
    return QStringLiteral("'%1' is not a valid integer value").arg(value);
}

void setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

QString defaultOf(const TKey &key)
{
    if (key.Default)
        return QString::fromLatin1(key.Default);
    const QString base = QString::fromLatin1(TSettings::DefaultServerBase);
    const QString name = QLatin1String(key.Name);
    if (name == QLatin1String("VERSION"))
        return TSettings::EditionId(TEdition::Hebrew);
    if (name == QLatin1String("SERVER_NAME") || name == QLatin1String("SERVER_NAME_2"))
        return base + QStringLiteral("/income/index.phtml?");
    return base + QStringLiteral("/update/"); // UPDATE_SERVER_NAME
}

// The value as it is kept in memory: the serial port and the password have
// fixed capacities, and what is longer is cut.
QString fitted(const TKey &key, const QString &value)
{
    if (key.Kind == TKind::Password)
        return TSettings::CutPassword(value);
    if (qstrcmp(key.Name, "COMPORT") == 0)
        return value.left(ComPortMaxLength);
    return value;
}

QHash<QString, QString> defaults()
{
    QHash<QString, QString> values;
    for (const TKey &key : KeyTable)
        values.insert(QLatin1String(key.Name), defaultOf(key));
    return values;
}

} // namespace

TSettings::TSettings() : m_values(defaults()) {}

// The identifiers double as the codes of the editions' languages.
QString TSettings::EditionId(TEdition edition)
{
    switch (edition) {
    case TEdition::Hungarian:
        return QStringLiteral("HUN");
    case TEdition::English:
        return QStringLiteral("ENG");
    case TEdition::Hebrew:
        return QStringLiteral("HEB");
    case TEdition::Italian:
        return QStringLiteral("ITA");
    case TEdition::French:
        return QStringLiteral("FRA");
    }
    return QStringLiteral("HEB");
}

QStringList TSettings::Keys()
{
    QStringList keys;
    for (const TKey &key : KeyTable)
        keys << QLatin1String(key.Name);
    return keys;
}

QString TSettings::SectionOf(const QString &key)
{
    const TKey *k = findKey(key);
    return k ? QLatin1String(k->Section) : QString();
}

QString TSettings::CutPassword(const QString &password)
{
    if (password.size() <= MaxPasswordLength)
        return password;
    qsizetype n = MaxPasswordLength;
    if (password.at(n - 1).isHighSurrogate())
        --n;
    return password.left(n);
}

// A malformed integer stops the reading there: the keys before it keep what
// the store says and every later key keeps its default, so one bad line never
// mixes a half-read file into the values silently; the error says which value.
bool TSettings::Load(const TReader &read, QString *error)
{
    QHash<QString, QString> values = defaults();
    bool ok = true;
    for (const TKey &key : KeyTable) {
        const QString name = QLatin1String(key.Name);
        const std::optional<QString> raw =
            read(QLatin1String(key.Section), name, key.Kind == TKind::Password);
        if (!raw)
            continue;
        if (key.Kind == TKind::Integer && !parseStrictInt(*raw, nullptr)) {
            setError(error, invalidInteger(*raw));
            ok = false;
            break;
        }
        if (key.Kind == TKind::GameLength && !parseStrictInt(*raw, nullptr)) {
            values[name] = QString::number(GameLengthDefault);
            continue;
        }
        values[name] = fitted(key, *raw);
    }
    QWriteLocker lock(&m_lock);
    m_values = std::move(values);
    return ok;
}

void TSettings::Reset()
{
    QHash<QString, QString> values = defaults();
    QWriteLocker lock(&m_lock);
    m_values = std::move(values);
}

QList<TSettings::TStoredValue> TSettings::DialogValues() const
{
    QList<TStoredValue> out;
    QReadLocker lock(&m_lock);
    for (const TKey &key : KeyTable)
        if (key.Dialog)
            out.append({QLatin1String(key.Section), QLatin1String(key.Name),
                        m_values.value(QLatin1String(key.Name)), key.Kind == TKind::Password});
    return out;
}

bool TSettings::SetValue(const QString &key, const QString &value, QString *error)
{
    const TKey *k = findKey(key);
    if (!k) {
        setError(error, QStringLiteral("Unknown setting \"%1\"").arg(key));
        return false;
    }
    if (value.contains(QLatin1Char('\n')) || value.contains(QLatin1Char('\r'))) {
        setError(error,
                 QStringLiteral("The value of %1 cannot span several lines").arg(QLatin1String(k->Name)));
        return false;
    }
    QString text = value;
    if (k->Kind == TKind::Integer && !parseStrictInt(value, nullptr)) {
        setError(error, invalidInteger(value));
        return false;
    }
    if (k->Kind == TKind::GameLength && !parseStrictInt(value, nullptr))
        text = QString::number(GameLengthDefault);
    if (qstrcmp(k->Name, "PROXY_PORT") == 0 && !value.isEmpty()) {
        int port = 0;
        if (!parseStrictInt(value, &port) || port < 1 || port > 65535) {
            setError(error, QStringLiteral("'%1' is not a valid port number").arg(value));
            return false;
        }
    }
    QWriteLocker lock(&m_lock);
    m_values.insert(QLatin1String(k->Name), fitted(*k, text));
    return true;
}

QString TSettings::RawValue(const QString &key) const
{
    const TKey *k = findKey(key);
    return k ? value(QLatin1String(k->Name)) : QString();
}

QString TSettings::value(const QString &key) const
{
    QReadLocker lock(&m_lock);
    return m_values.value(key);
}

bool TSettings::boolValue(const QString &key) const
{
    return value(key) == QLatin1String("YES");
}

int TSettings::intValue(const QString &key) const
{
    // Load and SetValue let only whole numbers into memory.
    int v = 0;
    parseStrictInt(value(key), &v);
    return v;
}

// An identifier of no edition counts as the default edition.
TEdition TSettings::Edition() const
{
    const QString version = Version();
    for (TEdition e :
         {TEdition::Hungarian, TEdition::English, TEdition::Hebrew, TEdition::Italian, TEdition::French})
        if (version == EditionId(e))
            return e;
    return TEdition::Hebrew;
}

QString TSettings::Version() const
{
    return value(QStringLiteral("VERSION"));
}
QString TSettings::ServerName() const
{
    return value(QStringLiteral("SERVER_NAME"));
}
QString TSettings::ServerName2() const
{
    return value(QStringLiteral("SERVER_NAME_2"));
}
QString TSettings::UpdateServerName() const
{
    return value(QStringLiteral("UPDATE_SERVER_NAME"));
}
QString TSettings::ComPort() const
{
    return value(QStringLiteral("COMPORT"));
}
QString TSettings::Language() const
{
    return value(QStringLiteral("LANGUAGE"));
}
bool TSettings::AutoSave() const
{
    return boolValue(QStringLiteral("AUTO_SAVE"));
}
int TSettings::AutoSavePerc() const
{
    return intValue(QStringLiteral("AUTO_SAVE_PERC"));
}
QString TSettings::Rendezes() const
{
    return value(QStringLiteral("RENDEZES"));
}
int TSettings::GameLength() const
{
    return intValue(QStringLiteral("GAMELENGTH"));
}
int TSettings::NumberOfRetries() const
{
    return intValue(QStringLiteral("NUMBER_OF_RETRIES"));
}
int TSettings::SleeptimeBwSend() const
{
    return intValue(QStringLiteral("SLEEPTIME_BW_SEND"));
}
int TSettings::NumberOfCopies() const
{
    return intValue(QStringLiteral("NUMBER_OF_COPIES"));
}
QString TSettings::ReportLogoFilename() const
{
    return value(QStringLiteral("REPORT_LOGO_FILENAME"));
}
QString TSettings::BannerFilename() const
{
    return value(QStringLiteral("BANNER_FILENAME"));
}
QString TSettings::Sponsor1Filename() const
{
    return value(QStringLiteral("SPONSOR1_FILENAME"));
}
QString TSettings::Sponsor2Filename() const
{
    return value(QStringLiteral("SPONSOR2_FILENAME"));
}
QString TSettings::SystemMouse() const
{
    return value(QStringLiteral("SYSTEM_MOUSE"));
}
bool TSettings::FibaExport() const
{
    return boolValue(QStringLiteral("FIBA_EXPORT"));
}
QString TSettings::Input() const
{
    return value(QStringLiteral("INPUT"));
}
bool TSettings::LimitedTimeouts() const
{
    return boolValue(QStringLiteral("LIMITED_TIMEOUTS"));
}
bool TSettings::CreateTempDataFiles() const
{
    return boolValue(QStringLiteral("CREATE_TEMP_DATA_FILES"));
}
bool TSettings::SwapResult() const
{
    return boolValue(QStringLiteral("SWAP_RESULT"));
}
bool TSettings::BlockUploadDisabled() const
{
    return boolValue(QStringLiteral("BLOCK_UPLOAD_DISABLED"));
}
bool TSettings::DataDump() const
{
    return boolValue(QStringLiteral("DATA_DUMP"));
}
QString TSettings::DataDumpDirectory() const
{
    return value(QStringLiteral("DATA_DUMP_DIRECTORY"));
}
bool TSettings::DeleteDataDump() const
{
    return boolValue(QStringLiteral("DELETE_DATA_DUMP"));
}
int TSettings::LightSignalTimeout() const
{
    return intValue(QStringLiteral("LIGHT_SIGNAL_TIMEOUT"));
}
int TSettings::EventparameterWaitTimeout() const
{
    return intValue(QStringLiteral("EVENTPARAMETER_WAIT_TIMEOUT"));
}
int TSettings::ReportTitleFontSize() const
{
    return intValue(QStringLiteral("REPORT_TITLE_FONT_SIZE"));
}
int TSettings::MyTeam() const
{
    return intValue(QStringLiteral("MY_TEAM"));
}
bool TSettings::CheckNewVersion() const
{
    return boolValue(QStringLiteral("CHECK_NEW_VERSION"));
}
QString TSettings::ProxyServer() const
{
    return value(QStringLiteral("PROXY_SERVER"));
}
QString TSettings::ProxyPort() const
{
    return value(QStringLiteral("PROXY_PORT"));
}
QString TSettings::ProxyUser() const
{
    return value(QStringLiteral("PROXY_USER"));
}
QString TSettings::ProxyPassword() const
{
    return value(QStringLiteral("PROXY_PASSWORD"));
}

bool TSettings::UseActiveAI(int n) const
{
    if (n < 1 || n > 5)
        return false;
    return boolValue(QStringLiteral("USE_ACTIVE_AI_%1").arg(n));
}

bool TSettings::PassiveAIVisible(int n) const
{
    if (n < 1 || n > 3)
        return false;
    return boolValue(QStringLiteral("PASSIVE_AI_%1_VISIBLE").arg(n));
}
