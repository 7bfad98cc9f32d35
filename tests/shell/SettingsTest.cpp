#include "model/settings/TSettings.h"
#include "shell/settings/TIniFile.h"
#include "shell/settings/TPasswordCipher.h"
#include "shell/settings/TSettingsFile.h"
#include "support/TestHome.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QThread>
#include <gtest/gtest.h>

#include <atomic>

namespace {

const QString Base = QStringLiteral("http://127.0.0.1:8080");

// The keys the settings dialog writes, from the key table.
const QStringList DialogKeys = {"VERSION",
                                "SERVER_NAME",
                                "UPDATE_SERVER_NAME",
                                "COMPORT",
                                "LANGUAGE",
                                "AUTO_SAVE",
                                "AUTO_SAVE_PERC",
                                "RENDEZES",
                                "NUMBER_OF_RETRIES",
                                "NUMBER_OF_COPIES",
                                "REPORT_LOGO_FILENAME",
                                "BANNER_FILENAME",
                                "SPONSOR1_FILENAME",
                                "SPONSOR2_FILENAME",
                                "SYSTEM_MOUSE",
                                "INPUT",
                                "LIMITED_TIMEOUTS",
                                "DATA_DUMP",
                                "DATA_DUMP_DIRECTORY",
                                "DELETE_DATA_DUMP",
                                "MY_TEAM",
                                "CHECK_NEW_VERSION",
                                "PROXY_SERVER",
                                "PROXY_PORT",
                                "PROXY_USER",
                                "PROXY_PASSWORD",
                                "USE_ACTIVE_AI_1",
                                "USE_ACTIVE_AI_2",
                                "USE_ACTIVE_AI_3",
                                "USE_ACTIVE_AI_4",
                                "USE_ACTIVE_AI_5",
                                "PASSIVE_AI_1_VISIBLE",
                                "PASSIVE_AI_2_VISIBLE",
                                "PASSIVE_AI_3_VISIBLE"};

// Key names of the "key=value" lines of a file, in file order.
QStringList keysInFile(const QByteArray &bytes)
{
    QStringList keys;
    for (const QByteArray &line : bytes.split('\n')) {
        const qsizetype eq = line.indexOf('=');
        if (eq > 0 && !line.startsWith(';'))
            keys << QString::fromUtf8(line.left(eq).trimmed());
    }
    return keys;
}

void expectAllDefaults(const TSettings &s)
{
    EXPECT_EQ(s.Version(), "HEB");
    EXPECT_EQ(s.Edition(), TEdition::Hebrew);
    EXPECT_EQ(s.ServerName(), Base + "/income/index.phtml?");
    EXPECT_EQ(s.ServerName2(), Base + "/income/index.phtml?");
    EXPECT_EQ(s.UpdateServerName(), Base + "/update/");
    EXPECT_EQ(s.ComPort(), "COM1");
    EXPECT_EQ(s.Language(), "HUN");
    EXPECT_TRUE(s.AutoSave());
    EXPECT_EQ(s.AutoSavePerc(), 1);
    EXPECT_EQ(s.Rendezes(), "RENDEZES_NEV");
    EXPECT_TRUE(s.SortByName());
    EXPECT_EQ(s.GameLength(), 10);
    EXPECT_EQ(s.NumberOfRetries(), 5);
    EXPECT_EQ(s.SleeptimeBwSend(), 350);
    EXPECT_EQ(s.NumberOfCopies(), 5);
    EXPECT_EQ(s.ReportLogoFilename(), "");
    EXPECT_EQ(s.BannerFilename(), "");
    EXPECT_EQ(s.Sponsor1Filename(), "");
    EXPECT_EQ(s.Sponsor2Filename(), "");
    EXPECT_EQ(s.SystemMouse(), "");
    EXPECT_FALSE(s.UseSystemMouse());
    EXPECT_FALSE(s.FibaExport());
    EXPECT_EQ(s.Input(), "INPUT_SERIALMOUSE");
    EXPECT_FALSE(s.KeyboardInput());
    EXPECT_TRUE(s.LimitedTimeouts());
    EXPECT_TRUE(s.CreateTempDataFiles());
    EXPECT_TRUE(s.SwapResult());
    EXPECT_FALSE(s.BlockUploadDisabled());
    EXPECT_TRUE(s.DataDump());
    EXPECT_EQ(s.DataDumpDirectory(), "");
    EXPECT_TRUE(s.DeleteDataDump());
    EXPECT_EQ(s.LightSignalTimeout(), 3);
    EXPECT_EQ(s.EventparameterWaitTimeout(), 3);
    EXPECT_EQ(s.ReportTitleFontSize(), 14);
    EXPECT_EQ(s.MyTeam(), -1);
    EXPECT_TRUE(s.CheckNewVersion());
    EXPECT_EQ(s.ProxyServer(), "");
    EXPECT_EQ(s.ProxyPort(), "");
    EXPECT_EQ(s.ProxyUser(), "");
    EXPECT_EQ(s.ProxyPassword(), "");
    for (int n = 1; n <= 5; ++n)
        EXPECT_TRUE(s.UseActiveAI(n)) << n;
    for (int n = 1; n <= 3; ++n)
        EXPECT_TRUE(s.PassiveAIVisible(n)) << n;
}

} // namespace

TEST(SettingsDefaults, MissingFileGivesEveryDefault)
{
    TestHome home;
    TSettings s;
    QString error;
    EXPECT_TRUE(TSettingsFile(home.file("parquetix.ini")).Load(s, &error));
    EXPECT_TRUE(error.isEmpty());
    expectAllDefaults(s);
}

TEST(SettingsDefaults, EmptyFileAndUnknownSectionsGiveEveryDefault)
{
    TestHome home;
    for (const QByteArray &content : {QByteArray(), QByteArray("[OTHER]\nLANGUAGE=ENG\nVERSION=ENG\n")}) {
        home.write("parquetix.ini", content);
        TSettings s;
        EXPECT_TRUE(TSettingsFile(home.file("parquetix.ini")).Load(s));
        expectAllDefaults(s);
    }
}

TEST(SettingsDefaults, ObjectStartsWithDefaultsAndReloadForgetsOldValues)
{
    TestHome home;
    TSettings s;
    expectAllDefaults(s);
    home.write("parquetix.ini", "[APPLICATION]\nLANGUAGE=ENG\n");
    ASSERT_TRUE(TSettingsFile(home.file("parquetix.ini")).Load(s));
    EXPECT_EQ(s.Language(), "ENG");
    home.write("parquetix.ini", "");
    ASSERT_TRUE(TSettingsFile(home.file("parquetix.ini")).Load(s));
    EXPECT_EQ(s.Language(), "HUN");
}

TEST(SettingsKeys, TableOrderWithVersionFirstAndSections)
{
    const QStringList keys = TSettings::Keys();
    ASSERT_EQ(keys.size(), 44);
    EXPECT_EQ(keys.first(), "VERSION");
    EXPECT_EQ(keys.last(), "PASSIVE_AI_3_VISIBLE");
    EXPECT_EQ(keys.indexOf("SERVER_NAME") + 1, keys.indexOf("SERVER_NAME_2"));
    EXPECT_EQ(TSettings::SectionOf("GAMELENGTH"), "APPLICATION");
    EXPECT_EQ(TSettings::SectionOf("proxy_password"), "CONNECTION");
    EXPECT_EQ(TSettings::SectionOf("USE_ACTIVE_AI_5"), "ACTIVE_AI");
    EXPECT_EQ(TSettings::SectionOf("PASSIVE_AI_2_VISIBLE"), "PASSIVE_AI");
    EXPECT_EQ(TSettings::SectionOf("NO_SUCH_KEY"), "");
}

TEST(SettingsEditions, FiveDistinctIdentifiers)
{
    TestHome home;
    QStringList ids;
    for (TEdition e :
         {TEdition::Hungarian, TEdition::English, TEdition::Hebrew, TEdition::Italian, TEdition::French}) {
        const QString id = TSettings::EditionId(e);
        EXPECT_FALSE(ids.contains(id)) << id.toStdString();
        ids << id;
        home.write("parquetix.ini", "[APPLICATION]\nVERSION=" + id.toUtf8() + "\n");
        TSettings s;
        ASSERT_TRUE(TSettingsFile(home.file("parquetix.ini")).Load(s));
        EXPECT_EQ(s.Edition(), e);
        EXPECT_EQ(s.Version(), id);
    }
    home.write("parquetix.ini", "[APPLICATION]\nVERSION=eng\n");
    TSettings s;
    ASSERT_TRUE(TSettingsFile(home.file("parquetix.ini")).Load(s));
    EXPECT_EQ(s.Version(), "eng");
    EXPECT_EQ(s.Edition(), TEdition::Hebrew); // no edition's identifier: the default edition
}

TEST(SettingsConversion, BooleansAreTrueOnlyForUpperCaseYes)
{
    TestHome home;
    home.write("parquetix.ini", "[APPLICATION]\nAUTO_SAVE=yes\nFIBA_EXPORT=YES\nDATA_DUMP=Yes\n"
                                "SWAP_RESULT=TRUE\nBLOCK_UPLOAD_DISABLED= YES \n"
                                "[ACTIVE_AI]\nUSE_ACTIVE_AI_2=1\n[PASSIVE_AI]\nPASSIVE_AI_3_VISIBLE=NO\n");
    TSettings s;
    ASSERT_TRUE(TSettingsFile(home.file("parquetix.ini")).Load(s));
    EXPECT_FALSE(s.AutoSave());
    EXPECT_TRUE(s.FibaExport());
    EXPECT_FALSE(s.DataDump());
    EXPECT_FALSE(s.SwapResult());
    EXPECT_TRUE(s.BlockUploadDisabled()); // blanks around a value never count
    EXPECT_FALSE(s.UseActiveAI(2));
    EXPECT_TRUE(s.UseActiveAI(1));
    EXPECT_FALSE(s.PassiveAIVisible(3));
    EXPECT_FALSE(s.UseActiveAI(0));
    EXPECT_FALSE(s.UseActiveAI(6));
    EXPECT_FALSE(s.PassiveAIVisible(4));
}

TEST(SettingsConversion, ChoiceKeysAndTexts)
{
    TestHome home;
    home.write("parquetix.ini", "[APPLICATION]\nRENDEZES=RENDEZES_MEZSZAM\nSYSTEM_MOUSE=SYSTEM_MOUSE_USE\n"
                                "INPUT=INPUT_KEYBOARD\nserver_name=http://stats.example/in?\n"
                                "DATA_DUMP_DIRECTORY=/var/dump\n[CONNECTION]\nPROXY_PORT=3128\n");
    TSettings s;
    ASSERT_TRUE(TSettingsFile(home.file("parquetix.ini")).Load(s));
    EXPECT_FALSE(s.SortByName());
    EXPECT_TRUE(s.UseSystemMouse());
    EXPECT_TRUE(s.KeyboardInput());
    EXPECT_EQ(s.ServerName(), "http://stats.example/in?");
    // SERVER_NAME_2 keeps its own default when only SERVER_NAME is set.
    EXPECT_EQ(s.ServerName2(), Base + "/income/index.phtml?");
    EXPECT_EQ(s.DataDumpDirectory(), "/var/dump");
    EXPECT_EQ(s.ProxyPort(), "3128");
}

TEST(SettingsConversion, ComPortIsCutTo255Characters)
{
    TestHome home;
    home.write("parquetix.ini", "[APPLICATION]\nCOMPORT=" + QByteArray(300, 'C') + "\n");
    TSettings s;
    ASSERT_TRUE(TSettingsFile(home.file("parquetix.ini")).Load(s));
    EXPECT_EQ(s.ComPort(), QString(255, 'C'));
}

TEST(SettingsConversion, IntegersAreRead)
{
    TestHome home;
    home.write("parquetix.ini", "[APPLICATION]\nAUTO_SAVE_PERC=3\nGAMELENGTH=12\nNUMBER_OF_RETRIES=2\n"
                                "SLEEPTIME_BW_SEND=0\nNUMBER_OF_COPIES=+10\nLIGHT_SIGNAL_TIMEOUT=7\n"
                                "EVENTPARAMETER_WAIT_TIMEOUT=8\nREPORT_TITLE_FONT_SIZE=20\nMY_TEAM=-17\n");
    TSettings s;
    QString error;
    ASSERT_TRUE(TSettingsFile(home.file("parquetix.ini")).Load(s, &error)) << error.toStdString();
    EXPECT_EQ(s.AutoSavePerc(), 3);
    EXPECT_EQ(s.GameLength(), 12);
    EXPECT_EQ(s.NumberOfRetries(), 2);
    EXPECT_EQ(s.SleeptimeBwSend(), 0);
    EXPECT_EQ(s.NumberOfCopies(), 10);
    EXPECT_EQ(s.LightSignalTimeout(), 7);
    EXPECT_EQ(s.EventparameterWaitTimeout(), 8);
    EXPECT_EQ(s.ReportTitleFontSize(), 20);
    EXPECT_EQ(s.MyTeam(), -17);
}

TEST(SettingsConversion, MalformedIntegerStopsTheReading)
{
    TestHome home;
    // LANGUAGE comes before NUMBER_OF_RETRIES in the table, NUMBER_OF_COPIES
    // and the CONNECTION keys after it.
    home.write("parquetix.ini", "[CONNECTION]\nPROXY_USER=bob\n"
                                "[APPLICATION]\nNUMBER_OF_COPIES=7\nNUMBER_OF_RETRIES=5x\nLANGUAGE=ENG\n");
    TSettings s;
    QString error;
    EXPECT_FALSE(TSettingsFile(home.file("parquetix.ini")).Load(s, &error));
    EXPECT_EQ(error, "'5x' is not a valid integer value");
    EXPECT_EQ(s.Language(), "ENG");
    EXPECT_EQ(s.NumberOfRetries(), 5);
    EXPECT_EQ(s.NumberOfCopies(), 5);
    EXPECT_EQ(s.ProxyUser(), "");
    EXPECT_TRUE(s.CheckNewVersion());
}

TEST(SettingsConversion, IntegerTextsThatAreNotWholeNumbers)
{
    TestHome home;
    for (const char *bad : {"", "abc", "1.5", "0x10", "1 2", "99999999999", "-"}) {
        home.write("parquetix.ini", QByteArray("[APPLICATION]\nMY_TEAM=") + bad + "\n");
        TSettings s;
        QString error;
        EXPECT_FALSE(TSettingsFile(home.file("parquetix.ini")).Load(s, &error)) << bad;
        EXPECT_EQ(error, QStringLiteral("'%1' is not a valid integer value").arg(QLatin1String(bad)));
        EXPECT_EQ(s.MyTeam(), -1);
    }
}

TEST(SettingsConversion, GameLengthIsReadLeniently)
{
    TestHome home;
    home.write("parquetix.ini", "[APPLICATION]\nGAMELENGTH=twelve\nNUMBER_OF_COPIES=9\n");
    TSettings s;
    QString error;
    EXPECT_TRUE(TSettingsFile(home.file("parquetix.ini")).Load(s, &error)) << error.toStdString();
    EXPECT_EQ(s.GameLength(), 10);
    EXPECT_EQ(s.NumberOfCopies(), 9); // the reading went on
}

TEST(SettingsSetValue, SetsOneValueInMemory)
{
    TSettings s;
    EXPECT_TRUE(s.SetValue("language", "ITA"));
    EXPECT_EQ(s.Language(), "ITA");
    EXPECT_EQ(s.RawValue("LANGUAGE"), "ITA");
    EXPECT_TRUE(s.SetValue("AUTO_SAVE", "NO"));
    EXPECT_FALSE(s.AutoSave());
    EXPECT_TRUE(s.SetValue("NUMBER_OF_RETRIES", "-3"));
    EXPECT_EQ(s.NumberOfRetries(), -3);
    EXPECT_TRUE(s.SetValue("GAMELENGTH", "long"));
    EXPECT_EQ(s.GameLength(), 10);
    EXPECT_EQ(s.RawValue("GAMELENGTH"), "10");
    EXPECT_TRUE(s.SetValue("COMPORT", QString(256, 'x')));
    EXPECT_EQ(s.ComPort().size(), 255);
}

TEST(SettingsSetValue, RefusesBadInputAndKeepsTheOldValue)
{
    TSettings s;
    QString error;
    EXPECT_FALSE(s.SetValue("NO_SUCH_KEY", "1", &error));
    EXPECT_TRUE(error.contains("NO_SUCH_KEY"));
    EXPECT_FALSE(s.SetValue("SLEEPTIME_BW_SEND", "fast", &error));
    EXPECT_EQ(error, "'fast' is not a valid integer value");
    EXPECT_EQ(s.SleeptimeBwSend(), 350);
    EXPECT_FALSE(s.SetValue("PROXY_PORT", "http", &error));
    EXPECT_FALSE(s.SetValue("PROXY_PORT", "65536", &error));
    EXPECT_FALSE(s.SetValue("PROXY_PORT", "0", &error));
    EXPECT_EQ(s.ProxyPort(), "");
    EXPECT_TRUE(s.SetValue("PROXY_PORT", "65535"));
    EXPECT_TRUE(s.SetValue("PROXY_PORT", ""));
    EXPECT_FALSE(s.SetValue("PROXY_USER", "two\nlines", &error));
    EXPECT_EQ(s.ProxyUser(), "");
    EXPECT_EQ(s.RawValue("NO_SUCH_KEY"), "");
}

TEST(SettingsSave, WritesExactlyTheDialogKeys)
{
    TestHome home;
    TSettings s;
    // Keys the dialog does not write stay out of the file even when changed.
    ASSERT_TRUE(s.SetValue("SLEEPTIME_BW_SEND", "100"));
    ASSERT_TRUE(s.SetValue("GAMELENGTH", "12"));
    QString error;
    ASSERT_TRUE(TSettingsFile(home.file("parquetix.ini")).SaveDialogKeys(s, &error)) << error.toStdString();
    QStringList written = keysInFile(home.read("parquetix.ini"));
    written.sort();
    QStringList expected = DialogKeys;
    expected.sort();
    EXPECT_EQ(written, expected);
    for (const QString &key : DialogKeys)
        EXPECT_TRUE(TIniFile::ReadString(home.file("parquetix.ini"), TSettings::SectionOf(key), key,
                                         "<none>") != "<none>")
            << key.toStdString();
}

TEST(SettingsSave, WritesInPlaceAndKeepsEverythingElse)
{
    TestHome home;
    const QByteArray handWritten = "; my notes\r\n[APPLICATION]\r\nVERSION=ENG\r\nFIBA_EXPORT=YES\r\n"
                                   "CUSTOM=kept\r\n\r\n[EXTRA]\r\nX=1\r\n";
    home.write("parquetix.ini", handWritten);
    TSettings s;
    ASSERT_TRUE(TSettingsFile(home.file("parquetix.ini")).Load(s));
    ASSERT_TRUE(TSettingsFile(home.file("parquetix.ini")).SaveDialogKeys(s));
    const QByteArray first = home.read("parquetix.ini");
    EXPECT_TRUE(
        first.startsWith("; my notes\r\n[APPLICATION]\r\nVERSION=ENG\r\nFIBA_EXPORT=YES\r\nCUSTOM=kept\r\n"))
        << first.toStdString();
    EXPECT_TRUE(first.contains("\r\n[EXTRA]\r\nX=1\r\n"));

    // A second save with one change alters that one line only.
    ASSERT_TRUE(s.SetValue("LANGUAGE", "FRA"));
    ASSERT_TRUE(TSettingsFile(home.file("parquetix.ini")).SaveDialogKeys(s));
    QByteArray expected = first;
    expected.replace("\r\nLANGUAGE=HUN\r\n", "\r\nLANGUAGE=FRA\r\n");
    EXPECT_NE(expected, first);
    EXPECT_EQ(home.read("parquetix.ini"), expected);
}

TEST(SettingsSave, RoundTrip)
{
    TestHome home;
    TSettings s;
    const QList<QPair<QString, QString>> changes = {
        {"COMPORT", "COM4"},
        {"LANGUAGE", "ENG"},
        {"AUTO_SAVE", "NO"},
        {"AUTO_SAVE_PERC", "4"},
        {"RENDEZES", "RENDEZES_MEZSZAM"},
        {"VERSION", "FRA"},
        {"NUMBER_OF_RETRIES", "3"},
        {"NUMBER_OF_COPIES", "2"},
        {"REPORT_LOGO_FILENAME", " /logo with blanks.bmp "},
        {"DATA_DUMP_DIRECTORY", QString::fromUtf8("/tmp/d\xC3\xBCmp")},
        {"MY_TEAM", "42"},
        {"PROXY_SERVER", "proxy.local"},
        {"PROXY_PORT", "3128"},
        {"PROXY_USER", "bob"},
        {"PROXY_PASSWORD", "p=ss#w;rd"},
        {"USE_ACTIVE_AI_3", "NO"},
        {"PASSIVE_AI_2_VISIBLE", "NO"}};
    for (const auto &[key, v] : changes)
        ASSERT_TRUE(s.SetValue(key, v)) << key.toStdString();
    QString error;
    ASSERT_TRUE(TSettingsFile(home.file("parquetix.ini"), home.path()).SaveDialogKeys(s, &error))
        << error.toStdString();
    EXPECT_FALSE(home.read("parquetix.ini").contains("p=ss#w;rd"));

    TSettings again;
    ASSERT_TRUE(TSettingsFile(home.file("parquetix.ini"), home.path()).Load(again, &error))
        << error.toStdString();
    for (const QString &key : TSettings::Keys())
        EXPECT_EQ(again.RawValue(key), s.RawValue(key)) << key.toStdString();
    EXPECT_EQ(again.ProxyPassword(), "p=ss#w;rd");
    EXPECT_EQ(again.ReportLogoFilename(), " /logo with blanks.bmp ");
}

TEST(SettingsSave, PasswordIsStoredEncipheredAsHex)
{
    TestHome home;
    TSettings s;
    ASSERT_TRUE(s.SetValue("PROXY_PASSWORD", QString(70, 'p')));
    EXPECT_EQ(s.ProxyPassword(), QString(64, 'p'));
    ASSERT_TRUE(TSettingsFile(home.file("parquetix.ini"), home.path()).SaveDialogKeys(s));
    const QString stored = TIniFile::ReadString(home.file("parquetix.ini"), "CONNECTION", "PROXY_PASSWORD");
    EXPECT_TRUE(QRegularExpression("^[0-9A-F]+$").match(stored).hasMatch()) << stored.toStdString();
    // Length pair, then nonce, 64 bytes of ciphertext and the tag.
    EXPECT_EQ(stored.left(2).toInt(nullptr, 16), 12 + 64 + 16);
    EXPECT_EQ(TPasswordCipher(home.path()).Decipher(stored), QString(64, 'p'));
}

TEST(SettingsSave, UndecodablePasswordReadsAsEmpty)
{
    TestHome home;
    home.write("parquetix.ini", "[CONNECTION]\nPROXY_PASSWORD=0A0102\nPROXY_USER=bob\n");
    TSettings s;
    EXPECT_TRUE(TSettingsFile(home.file("parquetix.ini"), home.path()).Load(s));
    EXPECT_EQ(s.ProxyPassword(), "");
    EXPECT_EQ(s.ProxyUser(), "bob");
}

TEST(SettingsSave, PasswordOfAnotherInstallationReadsAsEmpty)
{
    TestHome mine;
    TestHome theirs;
    TSettings s;
    ASSERT_TRUE(s.SetValue("PROXY_PASSWORD", "s3cret"));
    ASSERT_TRUE(TSettingsFile(theirs.file("parquetix.ini"), theirs.path()).SaveDialogKeys(s));
    QFile::copy(theirs.file("parquetix.ini"), mine.file("parquetix.ini"));
    TSettings other;
    QString ignored;
    ASSERT_TRUE(TPasswordCipher(mine.path()).Encipher("mine", &ignored)); // a key of its own
    EXPECT_TRUE(TSettingsFile(mine.file("parquetix.ini"), mine.path()).Load(other));
    EXPECT_EQ(other.ProxyPassword(), "");
}

TEST(SettingsSave, PasswordWithoutKeyFolderIsReportedAndTheRestWritten)
{
    TestHome home;
    home.write("parquetix.ini", "[CONNECTION]\nPROXY_PASSWORD=OLD\n");
    TSettings s;
    ASSERT_TRUE(s.SetValue("PROXY_PASSWORD", "s3cret"));
    ASSERT_TRUE(s.SetValue("LANGUAGE", "ENG"));
    QString error;
    EXPECT_FALSE(TSettingsFile(home.file("parquetix.ini"), home.file("missing")).SaveDialogKeys(s, &error));
    EXPECT_TRUE(error.contains("password")) << error.toStdString();
    EXPECT_EQ(TIniFile::ReadString(home.file("parquetix.ini"), "APPLICATION", "LANGUAGE"), "ENG");
    EXPECT_EQ(TIniFile::ReadString(home.file("parquetix.ini"), "CONNECTION", "PROXY_PASSWORD"), "OLD");
}

TEST(SettingsSave, UnwritableFileIsReported)
{
    TestHome home;
    TSettings s;
    QString error;
    EXPECT_FALSE(TSettingsFile(home.file("no/such/dir/parquetix.ini")).SaveDialogKeys(s, &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(SettingsBundled, HomeFileIsTheEnglishEditionWithEveryKey)
{
    const QString path = QDir(sourceFolder()).filePath("home/parquetix.ini");
    ASSERT_TRUE(QFileInfo::exists(path)) << path.toStdString();
    TSettings s;
    QString error;
    ASSERT_TRUE(TSettingsFile(path).Load(s, &error)) << error.toStdString();
    EXPECT_EQ(s.Edition(), TEdition::English);
    EXPECT_EQ(s.Language(), "ENG");
    EXPECT_EQ(s.ServerName(), Base + "/income/index.phtml?");
    TIniFile ini;
    ASSERT_TRUE(ini.Load(path));
    for (const QString &key : TSettings::Keys())
        EXPECT_TRUE(ini.Contains(TSettings::SectionOf(key), key)) << key.toStdString();
}

// The sender thread reads while the dialog writes: every read is a whole old
// or a whole new value.
TEST(SettingsConcurrency, ReadsSeeWholeValues)
{
    TSettings s;
    const QString a = "http://a.example/income/index.phtml?";
    const QString b = "http://server-b.example:8080/in?";
    ASSERT_TRUE(s.SetValue("SERVER_NAME", a));
    std::atomic<bool> stop{false};
    std::atomic<int> torn{0};
    QThread *reader = QThread::create([&] {
        while (!stop) {
            const QString v = s.ServerName();
            if (v != a && v != b)
                ++torn;
            const int retries = s.NumberOfRetries();
            if (retries != 5 && retries != 1)
                ++torn;
        }
    });
    reader->start();
    for (int i = 0; i < 20000; ++i) {
        s.SetValue("SERVER_NAME", i % 2 ? a : b);
        s.SetValue("NUMBER_OF_RETRIES", i % 2 ? "5" : "1");
    }
    stop = true;
    reader->wait();
    delete reader;
    EXPECT_EQ(torn, 0);
}

// The home bundled with the program must let a new user record both teams
// with what every workstation has: the system mouse on either half of the
// court and the keyboard, not a serial mouse on a port that may not exist.
TEST(SettingsBundledHome, OneMouseAndTheKeyboardRecordBothTeams)
{
    TSettings s;
    QString error;
    ASSERT_TRUE(TSettingsFile(QDir(sourceFolder()).filePath("home/parquetix.ini")).Load(s, &error))
        << error.toStdString();
    EXPECT_TRUE(s.UseSystemMouse());
    EXPECT_TRUE(s.KeyboardInput());
    EXPECT_EQ(s.Input(), "INPUT_KEYBOARD");
}
