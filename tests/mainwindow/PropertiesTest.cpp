// The settings dialog: every control shows its key and writes it back, the
// conversions on the way out, the file keeping what the dialog does not own,
// and the main window following a new language at once.
#include "desktop/mainwindow/TfrmParquetixMain.h"
#include "desktop/mainwindow/TfrmProperties.h"
#include "masterdata/TdmMain.h"
#include "model/services/Services.h"
#include "model/settings/TSettings.h"
#include "shell/settings/TSettingsFile.h"
#include "transmission/IConnectionProbe.h"

#include "desktop/court/TScreenItems.h"
#include "desktop/court/TScreenLayout.h"
#include "desktop/text/TFormTranslator.h"
#include "support/ShippedTranslations.h"
#include "support/TestHome.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Every key the dialog writes, set away from its default.
const QList<std::pair<QString, QString>> DialogKeys{
    {QStringLiteral("COMPORT"), QStringLiteral("COM3")},
    {QStringLiteral("LANGUAGE"), QStringLiteral("ENG")},
    {QStringLiteral("AUTO_SAVE"), QStringLiteral("YES")},
    {QStringLiteral("AUTO_SAVE_PERC"), QStringLiteral("4")},
    {QStringLiteral("RENDEZES"), QStringLiteral("RENDEZES_MEZSZAM")},
    {QStringLiteral("VERSION"), QStringLiteral("ITA")},
    {QStringLiteral("SERVER_NAME"), QStringLiteral("http://stats.example/income/index.phtml?")},
    {QStringLiteral("UPDATE_SERVER_NAME"), QStringLiteral("http://upd.example/update/")},
    {QStringLiteral("NUMBER_OF_RETRIES"), QStringLiteral("3")},
    {QStringLiteral("NUMBER_OF_COPIES"), QStringLiteral("8")},
    {QStringLiteral("REPORT_LOGO_FILENAME"), QStringLiteral("/pics/logo.bmp")},
    {QStringLiteral("BANNER_FILENAME"), QStringLiteral("/pics/banner.bmp")},
    {QStringLiteral("SPONSOR1_FILENAME"), QStringLiteral("/pics/s1.bmp")},
    {QStringLiteral("SPONSOR2_FILENAME"), QStringLiteral("/pics/s2.bmp")},
    {QStringLiteral("SYSTEM_MOUSE"), QStringLiteral("SYSTEM_MOUSE_USE")},
    {QStringLiteral("INPUT"), QStringLiteral("INPUT_KEYBOARD")},
    {QStringLiteral("LIMITED_TIMEOUTS"), QStringLiteral("NO")},
    {QStringLiteral("DATA_DUMP"), QStringLiteral("NO")},
    {QStringLiteral("DATA_DUMP_DIRECTORY"), QStringLiteral("/var/dumps")},
    {QStringLiteral("DELETE_DATA_DUMP"), QStringLiteral("NO")},
    {QStringLiteral("MY_TEAM"), QStringLiteral("2")},
    {QStringLiteral("CHECK_NEW_VERSION"), QStringLiteral("NO")},
    {QStringLiteral("PROXY_SERVER"), QStringLiteral("proxy.example")},
    {QStringLiteral("PROXY_PORT"), QStringLiteral("3128")},
    {QStringLiteral("PROXY_USER"), QStringLiteral("operator")},
    {QStringLiteral("PROXY_PASSWORD"), QStringLiteral("s3cret pass")},
    {QStringLiteral("USE_ACTIVE_AI_1"), QStringLiteral("NO")},
    {QStringLiteral("USE_ACTIVE_AI_2"), QStringLiteral("YES")},
    {QStringLiteral("USE_ACTIVE_AI_3"), QStringLiteral("NO")},
    {QStringLiteral("USE_ACTIVE_AI_4"), QStringLiteral("YES")},
    {QStringLiteral("USE_ACTIVE_AI_5"), QStringLiteral("NO")},
    {QStringLiteral("PASSIVE_AI_1_VISIBLE"), QStringLiteral("NO")},
    {QStringLiteral("PASSIVE_AI_2_VISIBLE"), QStringLiteral("YES")},
    {QStringLiteral("PASSIVE_AI_3_VISIBLE"), QStringLiteral("NO")},
};

// Lines the dialog must leave as they are.
const QByteArray HandKeys = "GAMELENGTH=12\n"
                            "SLEEPTIME_BW_SEND=77\n"
                            "FIBA_EXPORT=YES\n";

class Properties : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TdmMain dm(TdmMain::DatabaseFile(home.path()));
        ASSERT_TRUE(dm.OpenAll());
        for (const auto &[code, name] :
             {std::pair{"HUN", "Magyar"}, std::pair{"ENG", "English"}, std::pair{"GER", "Deutsch"}})
            ASSERT_TRUE(dm.UpsertLanguage(QLatin1String(code), QLatin1String(name)));
        // Team IDs 1, 2, 3 in the order added.
        for (const char *name : {"Zebras", "Bears", "Lions"})
            ASSERT_GT(dm.UpsertTeam({.WebID = QLatin1String(name), .EgyesuletNev = QLatin1String(name)}), 0);

        TSettings seed;
        for (const auto &[key, value] : DialogKeys)
            ASSERT_TRUE(seed.SetValue(key, value)) << key.toStdString();
        ASSERT_TRUE(TSettingsFile(ini(), keys()).SaveDialogKeys(seed));
        QByteArray text = home.read(QStringLiteral("parquetix.ini"));
        text.replace("[APPLICATION]\n", "[APPLICATION]\n" + HandKeys);
        home.write(QStringLiteral("parquetix.ini"), text);
        original = text;
    }

    QString ini() const { return home.file(QStringLiteral("parquetix.ini")); }
    QString keys() const { return home.path() + QStringLiteral("/Datastore/"); }

    // Opens the dialog on the file, lets `change` act on it, presses OK and
    // writes the file; reads it back into `reread`.
    void roundTrip(TSettings &reread, const std::function<void(QDialog &)> &change = {})
    {
        TSettings settings;
        EXPECT_TRUE(TSettingsFile(ini(), keys()).Load(settings));
        TdmMain dm(TdmMain::DatabaseFile(home.path()));
        EXPECT_TRUE(dm.OpenAll());
        {
            TfrmProperties dialog(settings, dm);
            if (change)
                change(dialog);
            QPushButton *ok = dialog.findChild<QPushButton *>(QStringLiteral("btnOK"));
            EXPECT_NE(ok, nullptr);
            if (ok)
                ok->click();
            EXPECT_EQ(dialog.result(), QDialog::Accepted);
        }
        EXPECT_TRUE(TSettingsFile(ini(), keys()).SaveDialogKeys(settings));
        EXPECT_TRUE(TSettingsFile(ini(), keys()).Load(reread));
    }

    TestHome home;
    QByteArray original;
};

template <typename T> T *child(QDialog &dialog, const char *name)
{
    T *found = dialog.findChild<T *>(QLatin1String(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

TEST_F(Properties, EveryKeyGoesThroughItsControlUnchanged)
{
    TSettings reread;
    roundTrip(reread);
    for (const auto &[key, value] : DialogKeys)
        EXPECT_EQ(reread.RawValue(key), value) << key.toStdString();
    // Every line stays, the password's cipher text aside (enciphered anew each time).
    const auto withoutPassword = [](const QByteArray &text) {
        QList<QByteArray> lines = text.split('\n');
        lines.removeIf([](const QByteArray &l) { return l.startsWith("PROXY_PASSWORD="); });
        return lines;
    };
    EXPECT_EQ(withoutPassword(home.read(QStringLiteral("parquetix.ini"))), withoutPassword(original));
    EXPECT_FALSE(original.contains("s3cret")); // stored enciphered
}

TEST_F(Properties, ControlsWriteTheirKeysConverted)
{
    struct TCase
    {
        const char *what;
        std::function<void(QDialog &)> change;
        QList<std::pair<QString, QString>> expected;
    };
    const QString longPassword(70, QLatin1Char('p'));
    const QList<TCase> cases{
        {"auto save off",
         [](QDialog &d) { child<QCheckBox>(d, "cbAutoSave")->setChecked(false); },
         {{QStringLiteral("AUTO_SAVE"), QStringLiteral("NO")},
          {QStringLiteral("AUTO_SAVE_PERC"), QStringLiteral("1")}}},
        {"auto save minutes",
         [](QDialog &d) { child<QSpinBox>(d, "seAutoSave")->setValue(2); },
         {{QStringLiteral("AUTO_SAVE_PERC"), QStringLiteral("2")}}},
        {"order by name",
         [](QDialog &d) { child<QRadioButton>(d, "rbOrderName")->setChecked(true); },
         {{QStringLiteral("RENDEZES"), QStringLiteral("RENDEZES_NEV")}}},
        {"edition",
         [](QDialog &d) { child<QRadioButton>(d, "rbEditionFRA")->setChecked(true); },
         {{QStringLiteral("VERSION"), QStringLiteral("FRA")}}},
        {"servers",
         [](QDialog &d) {
             child<QLineEdit>(d, "edServerName")
                 ->setText(QStringLiteral(" https://own.example:8080/income/index.phtml? "));
             child<QLineEdit>(d, "edUpdateServerName")->setText(QStringLiteral("http://own.example/up/"));
         },
         {{QStringLiteral("SERVER_NAME"), QStringLiteral("https://own.example:8080/income/index.phtml?")},
          {QStringLiteral("UPDATE_SERVER_NAME"), QStringLiteral("http://own.example/up/")}}},
        {"serial mouse",
         [](QDialog &d) { child<QRadioButton>(d, "rbSerialMouse")->setChecked(true); },
         {{QStringLiteral("INPUT"), QStringLiteral("INPUT_SERIALMOUSE")}}},
        {"no system mouse",
         [](QDialog &d) { child<QCheckBox>(d, "cbSystemMouse")->setChecked(false); },
         {{QStringLiteral("SYSTEM_MOUSE"), QStringLiteral("SYSTEM_MOUSE_NOTUSE")}}},
        {"no team",
         [](QDialog &d) { child<QListWidget>(d, "lbTeam")->clearSelection(); },
         {{QStringLiteral("MY_TEAM"), QStringLiteral("-1")}}},
        {"another team",
         [](QDialog &d) {
             QListWidget *teams = child<QListWidget>(d, "lbTeam");
             teams->setCurrentItem(teams->findItems(QStringLiteral("Lions"), Qt::MatchExactly).value(0));
         },
         {{QStringLiteral("MY_TEAM"), QStringLiteral("3")}}},
        {"language",
         [](QDialog &d) {
             QComboBox *languages = child<QComboBox>(d, "cbLanguage");
             languages->setCurrentIndex(languages->findText(QStringLiteral("Magyar")));
         },
         {{QStringLiteral("LANGUAGE"), QStringLiteral("HUN")}}},
        {"long password",
         [&](QDialog &d) { child<QLineEdit>(d, "edProxyPassword")->setText(longPassword); },
         {{QStringLiteral("PROXY_PASSWORD"), longPassword.left(64)}}},
        {"com port of a device",
         [](QDialog &d) { child<QComboBox>(d, "cbComPort")->setCurrentText(QStringLiteral("/dev/ttyUSB0")); },
         {{QStringLiteral("COMPORT"), QStringLiteral("/dev/ttyUSB0")}}},
        {"checks",
         [](QDialog &d) {
             child<QCheckBox>(d, "cbActiveAI1")->setChecked(true);
             child<QCheckBox>(d, "cbPassiveAI2")->setChecked(false);
             child<QCheckBox>(d, "cbCheckNewVersion")->setChecked(true);
             child<QCheckBox>(d, "cbDeleteDump")->setChecked(true);
         },
         {{QStringLiteral("USE_ACTIVE_AI_1"), QStringLiteral("YES")},
          {QStringLiteral("PASSIVE_AI_2_VISIBLE"), QStringLiteral("NO")},
          {QStringLiteral("CHECK_NEW_VERSION"), QStringLiteral("YES")},
          {QStringLiteral("DELETE_DATA_DUMP"), QStringLiteral("YES")}}},
        {"numbers and files",
         [](QDialog &d) {
             child<QSpinBox>(d, "seCopies")->setValue(10);
             child<QSpinBox>(d, "seRetries")->setValue(1);
             child<QLineEdit>(d, "edBanner")->setText(QStringLiteral("/other/banner.bmp"));
             child<QLineEdit>(d, "edDumpDirectory")->setText(QStringLiteral("/tmp/d"));
         },
         {{QStringLiteral("NUMBER_OF_COPIES"), QStringLiteral("10")},
          {QStringLiteral("NUMBER_OF_RETRIES"), QStringLiteral("1")},
          {QStringLiteral("BANNER_FILENAME"), QStringLiteral("/other/banner.bmp")},
          {QStringLiteral("DATA_DUMP_DIRECTORY"), QStringLiteral("/tmp/d")}}},
    };
    for (const TCase &c : cases) {
        SCOPED_TRACE(c.what);
        home.write(QStringLiteral("parquetix.ini"), original);
        TSettings reread;
        roundTrip(reread, c.change);
        for (const auto &[key, value] : DialogKeys) {
            QString expected = value;
            for (const auto &[changedKey, changedValue] : c.expected)
                if (changedKey == key)
                    expected = changedValue;
            EXPECT_EQ(reread.RawValue(key), expected) << key.toStdString();
        }
        const QByteArray text = home.read(QStringLiteral("parquetix.ini"));
        EXPECT_TRUE(text.contains(HandKeys));
    }
}

TEST_F(Properties, OnlySettingsThatActAreShown)
{
    TSettings settings;
    ASSERT_TRUE(TSettingsFile(ini(), keys()).Load(settings));
    TdmMain dm(TdmMain::DatabaseFile(home.path()));
    ASSERT_TRUE(dm.OpenAll());
    TfrmProperties dialog(settings, dm);
    // Every game has two five-minute periods: no period length to choose.
    for (QAbstractButton *button : dialog.findChildren<QAbstractButton *>())
        EXPECT_FALSE(button->text().contains(QStringLiteral(" min"))) << button->text().toStdString();
    for (QWidget *w : dialog.findChildren<QWidget *>())
        EXPECT_FALSE(w->objectName().contains(QStringLiteral("Length"))) << w->objectName().toStdString();
    // The edition and both servers are chosen here.
    EXPECT_TRUE(child<QRadioButton>(dialog, "rbEditionITA")->isChecked());
    EXPECT_EQ(child<QLineEdit>(dialog, "edServerName")->text(),
              QStringLiteral("http://stats.example/income/index.phtml?"));
    EXPECT_EQ(child<QLineEdit>(dialog, "edUpdateServerName")->text(),
              QStringLiteral("http://upd.example/update/"));
    EXPECT_FALSE(settings.DialogValues().isEmpty());
    for (const TSettings::TStoredValue &v : settings.DialogValues())
        EXPECT_NE(v.Key, QStringLiteral("GAMELENGTH"));
}

// Each passive assistance box names its line as the court screen shows it,
// in either edition.
TEST_F(Properties, PassiveAssistanceNamesTheCourtsLines)
{
    TSettings settings;
    ASSERT_TRUE(TSettingsFile(ini(), keys()).Load(settings));
    TdmMain dm(TdmMain::DatabaseFile(home.path()));
    ASSERT_TRUE(dm.OpenAll());
    TScreenItems court;
    TScreenLayout::Build(court);
    for (const char *language : {"HUN", "ENG"}) {
        SCOPED_TRACE(language);
        TShippedTranslations shipped{QLatin1String(language)};
        ASSERT_TRUE(shipped.Loaded());
        TfrmProperties dialog(settings, dm);
        TFormTranslator(shipped).TranslateForm(&dialog);
        for (int line = 1; line <= 3; ++line) {
            const TScreenItem *label = court.Find(QStringLiteral("lblPassiveAI%1").arg(line));
            ASSERT_NE(label, nullptr);
            const QString shown = shipped.Translate(label->Text, QStringLiteral("FORM"));
            const QString box =
                child<QCheckBox>(dialog, QStringLiteral("cbPassiveAI%1").arg(line).toLatin1())->text();
            EXPECT_TRUE(box.startsWith(shown + QLatin1Char(' ')))
                << box.toStdString() << " / " << shown.toStdString();
        }
    }
}

TEST_F(Properties, AServerThatIsNoAddressKeepsTheDialogOpenAndSaysSo)
{
    TSettings settings;
    ASSERT_TRUE(TSettingsFile(ini(), keys()).Load(settings));
    TdmMain dm(TdmMain::DatabaseFile(home.path()));
    ASSERT_TRUE(dm.OpenAll());
    for (const QString &bad : {QString(), QStringLiteral("stats.example"), QStringLiteral("ftp://x/"),
                               QStringLiteral("http:///income")}) {
        SCOPED_TRACE(bad.toStdString());
        TfrmProperties dialog(settings, dm);
        child<QLineEdit>(dialog, "edServerName")->setText(bad);
        child<QPushButton>(dialog, "btnOK")->click();
        EXPECT_NE(dialog.result(), QDialog::Accepted);
        EXPECT_TRUE(child<QLabel>(dialog, "lblServerProblem")
                        ->text()
                        .startsWith(QStringLiteral("Not a web address")));
        EXPECT_EQ(child<QTabWidget>(dialog, "pcProperties")->currentWidget()->objectName(),
                  QStringLiteral("tsConnection"));
        EXPECT_EQ(settings.ServerName(), QStringLiteral("http://stats.example/income/index.phtml?"));
    }
}

TEST_F(Properties, ListsAreSortedByTheTextShownAndShowTheCurrentChoice)
{
    TSettings settings;
    ASSERT_TRUE(TSettingsFile(ini(), keys()).Load(settings));
    TdmMain dm(TdmMain::DatabaseFile(home.path()));
    ASSERT_TRUE(dm.OpenAll());
    TfrmProperties dialog(settings, dm);
    QComboBox *languages = child<QComboBox>(dialog, "cbLanguage");
    QStringList shown;
    for (int i = 0; i < languages->count(); ++i)
        shown << languages->itemText(i);
    EXPECT_EQ(shown,
              (QStringList{QStringLiteral("Deutsch"), QStringLiteral("English"), QStringLiteral("Magyar")}));
    EXPECT_EQ(languages->currentData().toString(), QStringLiteral("ENG"));
    QListWidget *teams = child<QListWidget>(dialog, "lbTeam");
    QStringList names;
    for (int i = 0; i < teams->count(); ++i)
        names << teams->item(i)->text();
    EXPECT_EQ(names,
              (QStringList{QStringLiteral("Bears"), QStringLiteral("Lions"), QStringLiteral("Zebras")}));
    ASSERT_NE(teams->currentItem(), nullptr);
    EXPECT_EQ(teams->currentItem()->text(), QStringLiteral("Bears")); // MY_TEAM=2
    // The minutes can be set only while auto save is on.
    QCheckBox *autoSave = child<QCheckBox>(dialog, "cbAutoSave");
    QSpinBox *minutes = child<QSpinBox>(dialog, "seAutoSave");
    EXPECT_EQ(minutes->value(), 4);
    for (const bool on : {false, true}) {
        autoSave->setChecked(on);
        EXPECT_EQ(minutes->isEnabled(), on);
    }
}

TEST_F(Properties, MainWindowFollowsANewLanguageAtOnce)
{
    {
        TdmMain dm(TdmMain::DatabaseFile(home.path()));
        ASSERT_TRUE(dm.OpenAll());
        ASSERT_TRUE(dm.UpsertTranslation(QStringLiteral("MENU"), QStringLiteral("ENG"),
                                         QStringLiteral("File"), QStringLiteral("File (en)")));
        ASSERT_TRUE(dm.UpsertTranslation(QStringLiteral("MENU"), QStringLiteral("HUN"),
                                         QStringLiteral("File"), QString::fromUtf8("Fájl")));
        ASSERT_TRUE(dm.UpsertTranslation(QStringLiteral("FORM"), QStringLiteral("HUN"),
                                         QStringLiteral("Not connected!"),
                                         QStringLiteral("Nincs kapcsolat!")));
    }
    // Offline: the version check at start stays out of the test.
    struct : IConnectionProbe
    {
        bool IsConnected() override { return false; }
    } offline;
    TfrmParquetixMain window(
        TMainWindowOptions{.Home = home.path(), .StartWaitMs = 0, .StartSender = false, .Probe = &offline});
    ASSERT_EQ(window.menuBar()->actions().value(0)->text(), QStringLiteral("File (en)"));
    QTimer::singleShot(0, [] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        QComboBox *languages = child<QComboBox>(*dialog, "cbLanguage");
        languages->setCurrentIndex(languages->findData(QStringLiteral("HUN")));
        child<QPushButton>(*dialog, "btnOK")->click();
    });
    window.Run(TMainCommand::Properties);
    EXPECT_EQ(window.menuBar()->actions().value(0)->text(), QString::fromUtf8("Fájl"));
    // The connection state is said in the new language too.
    const QLabel *connection = window.findChild<QLabel *>(QStringLiteral("pnlConnection"));
    ASSERT_NE(connection, nullptr);
    EXPECT_EQ(connection->text(), QStringLiteral("Nincs kapcsolat!"));
    TSettings reread;
    ASSERT_TRUE(TSettingsFile(ini(), keys()).Load(reread));
    EXPECT_EQ(reread.Language(), QStringLiteral("HUN"));
}

} // namespace
