#include "TfrmProperties.h"

#include "masterdata/TdmMain.h"
#include "model/services/Services.h"
#include "model/settings/TSettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

namespace {

const QString Yes = QStringLiteral("YES");

template <typename W> W *named(W *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QCheckBox *check(QWidget *parent, const char *name, const char *text)
{
    return named(new QCheckBox(QString::fromUtf8(text), parent), name);
}

QRadioButton *radio(QWidget *parent, const char *name, const char *text)
{
    return named(new QRadioButton(QString::fromUtf8(text), parent), name);
}

QSpinBox *spin(QWidget *parent, const char *name, int low, int high)
{
    auto *box = named(new QSpinBox(parent), name);
    box->setRange(low, high);
    return box;
}

QGroupBox *group(QWidget *parent, const char *name, const char *title, QList<QWidget *> children)
{
    auto *box = named(new QGroupBox(QString::fromUtf8(title), parent), name);
    auto *column = new QVBoxLayout(box);
    for (QWidget *child : children) {
        child->setParent(box);
        column->addWidget(child);
    }
    return box;
}

// A widget holding a row of widgets, for a group's line.
QWidget *line(QList<QWidget *> children)
{
    auto *row = new QWidget;
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget *child : children)
        layout->addWidget(child);
    layout->addStretch(1);
    return row;
}

QLabel *label(const char *text)
{
    return new QLabel(QString::fromUtf8(text));
}

} // namespace

TfrmProperties::TfrmProperties(TSettings &settings, TdmMain &dm, QWidget *parent)
    : QDialog(parent), m_settings(settings), m_dm(dm)
{
    setObjectName(QStringLiteral("frmProperties"));
    setWindowTitle(QStringLiteral("Properties"));
    auto *column = new QVBoxLayout(this);
    m_pages = named(new QTabWidget(this), "pcProperties");
    m_pages->addTab(generalPage(), QStringLiteral("General"));
    m_pages->addTab(inputPage(), QStringLiteral("Input"));
    m_pages->addTab(reportsPage(), QStringLiteral("Reports"));
    m_pages->addTab(connectionPage(), QStringLiteral("Connection"));
    m_pages->addTab(activePage(), QStringLiteral("Active AI"));
    m_pages->addTab(passivePage(), QStringLiteral("Passive AI"));
    m_pages->addTab(teamPage(), QStringLiteral("My Team"));
    m_pages->setCurrentIndex(0);
    column->addWidget(m_pages, 1);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = named(buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole), "btnOK");
    ok->setDefault(true);
    named(buttons->addButton(QStringLiteral("&Cancel"), QDialogButtonBox::RejectRole), "btnCancel");
    connect(buttons, &QDialogButtonBox::accepted, this, &TfrmProperties::TryAccept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    column->addWidget(buttons);

    // The languages, by the name shown.
    QList<TLanguageRow> languages = m_dm.IsOpen() ? m_dm.LoadLanguages() : QList<TLanguageRow>{};
    std::sort(languages.begin(), languages.end(), [this](const TLanguageRow &a, const TLanguageRow &b) {
        return m_dm.NameCollator().compare(a.Description, b.Description) < 0;
    });
    for (const TLanguageRow &row : languages)
        m_language->addItem(row.Description, row.Language);
    // Every team, by name.
    QList<TTeamRow> teams = m_dm.IsOpen() ? m_dm.Teams() : QList<TTeamRow>{};
    std::sort(teams.begin(), teams.end(), [this](const TTeamRow &a, const TTeamRow &b) {
        return m_dm.NameCollator().compare(a.EgyesuletNev, b.EgyesuletNev) < 0;
    });
    for (const TTeamRow &team : teams) {
        auto *item = new QListWidgetItem(team.EgyesuletNev, m_team);
        item->setData(Qt::UserRole, team.CsapatID);
    }
    LoadControls();
    // Wide enough for every page tab in the longest language.
    resize(780, 480);
}

QWidget *TfrmProperties::generalPage()
{
    auto *page = named(new QWidget, "tsGeneral");
    auto *grid = new QGridLayout(page);
    m_language = named(new QComboBox, "cbLanguage");
    grid->addWidget(group(page, "gbLanguages", "Languages", {m_language}), 0, 0);
    m_orderNo = radio(nullptr, "rbOrderNo", "Order by No.");
    m_orderName = radio(nullptr, "rbOrderName", "Order by Name");
    grid->addWidget(group(page, "gbShortOrder", "Short order", {m_orderNo, m_orderName}), 0, 1);

    m_autoSave = check(nullptr, "cbAutoSave", "Enable auto save");
    m_autoSaveMinutes = spin(nullptr, "seAutoSave", 1, 5);
    connect(m_autoSave, &QCheckBox::toggled, m_autoSaveMinutes, &QWidget::setEnabled);
    grid->addWidget(
        group(page, "gbAutoSave", "Auto save", {m_autoSave, line({m_autoSaveMinutes, label("mins")})}), 1, 0);
    m_comPort = named(new QComboBox, "cbComPort");
    // A port named otherwise (a device path) is kept as it is.
    m_comPort->setEditable(true);
    for (int port = 1; port <= 8; ++port)
        m_comPort->addItem(QStringLiteral("COM%1").arg(port));
    grid->addWidget(
        group(page, "gbComPort", "COM port selection", {label("COM port of serial mouse"), m_comPort}), 1, 1);

    m_dataDump = check(nullptr, "cbDataDump", "Dump data");
    auto *folderRow = new QWidget;
    m_dumpFolder = fileField(folderRow, "edDumpDirectory", true);
    m_deleteDump = check(nullptr, "cbDeleteDump", "Delete dump files after exit from program");
    grid->addWidget(group(page, "gbDataDump", "Data dump", {m_dataDump, folderRow, m_deleteDump}), 2, 0, 1,
                    2);

    // Every game has two five-minute periods: no game length to choose.
    const std::pair<const char *, const char *> editions[] = {{"rbEditionHUN", "Hungarian"},
                                                              {"rbEditionENG", "English"},
                                                              {"rbEditionHEB", "Hebrew"},
                                                              {"rbEditionITA", "Italian"},
                                                              {"rbEditionFRA", "French"}};
    QList<QWidget *> editionButtons;
    for (const auto &[name, text] : editions) {
        m_editions << radio(nullptr, name, text);
        editionButtons << m_editions.last();
    }
    grid->addWidget(group(page, "gbEdition", "Edition", editionButtons), 3, 0);
    m_limitedTimeouts = check(nullptr, "cbLimitedTimeouts", "Limited time outs");
    QGroupBox *timeouts = group(page, "gbTimeOuts", "Time outs", {m_limitedTimeouts});
    timeouts->hide();
    grid->addWidget(timeouts, 3, 1);
    grid->setRowStretch(4, 1);
    return page;
}

QWidget *TfrmProperties::inputPage()
{
    auto *page = named(new QWidget, "tsInput");
    auto *column = new QVBoxLayout(page);
    m_serialMouse = radio(page, "rbSerialMouse", "Use serial mouse");
    m_keyboard = radio(page, "rbKeyboard", "Use keyboard");
    m_systemMouse = check(page, "cbSystemMouse", "Use system mouse as serial mouse");
    auto *note = named(new QLabel(QStringLiteral("When set require restart!"), page), "lblRestart");
    for (QWidget *w : QList<QWidget *>{m_serialMouse, m_keyboard, m_systemMouse, note})
        column->addWidget(w);
    column->addStretch(1);
    return page;
}

QLineEdit *TfrmProperties::fileField(QWidget *row, const char *name, bool folder)
{
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *edit = named(new QLineEdit(row), name);
    auto *pick = new QToolButton(row);
    pick->setObjectName(QStringLiteral("btn") + QLatin1String(name).mid(2));
    pick->setText(QStringLiteral("..."));
    layout->addWidget(edit, 1);
    layout->addWidget(pick);
    connect(pick, &QToolButton::clicked, this, [this, edit, folder] {
        const QString chosen =
            folder ? QFileDialog::getExistingDirectory(this, QStringLiteral("Select directory"), edit->text())
                   : QFileDialog::getOpenFileName(this, QString(), edit->text(),
                                                  QStringLiteral("Bitmap files (*.bmp);;All files (*)"));
        if (!chosen.isEmpty())
            edit->setText(chosen);
    });
    return edit;
}

QWidget *TfrmProperties::reportsPage()
{
    auto *page = named(new QWidget, "tsReports");
    auto *form = new QFormLayout(page);
    m_copies = spin(page, "seCopies", 1, 10);
    form->addRow(QStringLiteral("Number of copies"), m_copies);
    const std::pair<const char *, QLineEdit **> files[] = {{"Logo file name", &m_logo},
                                                           {"Banner file name", &m_banner},
                                                           {"Sponsor 1 file name", &m_sponsor1},
                                                           {"Sponsor 2 file name", &m_sponsor2}};
    const char *names[] = {"edLogo", "edBanner", "edSponsor1", "edSponsor2"};
    for (int i = 0; i < 4; ++i) {
        auto *row = new QWidget(page);
        *files[i].second = fileField(row, names[i], false);
        form->addRow(QString::fromUtf8(files[i].first), row);
    }
    return page;
}

QWidget *TfrmProperties::connectionPage()
{
    auto *page = named(new QWidget, "tsConnection");
    auto *form = new QFormLayout(page);
    m_retries = spin(page, "seRetries", 1, 5);
    form->addRow(QStringLiteral("Number of retries"), line({m_retries, label("try")}));
    m_proxyServer = named(new QLineEdit(page), "edProxyServer");
    m_proxyPort = named(new QLineEdit(page), "edProxyPort");
    m_proxyUser = named(new QLineEdit(page), "edProxyUser");
    m_proxyPassword = named(new QLineEdit(page), "edProxyPassword");
    m_proxyPassword->setEchoMode(QLineEdit::Password);
    m_proxyPassword->setMaxLength(64);
    form->addRow(QStringLiteral("Proxy server"), m_proxyServer);
    form->addRow(QStringLiteral("Proxy port"), m_proxyPort);
    form->addRow(QStringLiteral("Proxy username"), m_proxyUser);
    form->addRow(QStringLiteral("Proxy password"), m_proxyPassword);
    m_checkVersion = check(page, "cbCheckNewVersion", "Check new version on Internet");
    form->addRow(m_checkVersion);
    m_serverName = named(new QLineEdit(page), "edServerName");
    m_updateServerName = named(new QLineEdit(page), "edUpdateServerName");
    form->addRow(QStringLiteral("Statistics server (live data, online update)"), m_serverName);
    form->addRow(QStringLiteral("Program update server"), m_updateServerName);
    form->addRow(named(new QLabel(QStringLiteral("When set require restart!"), page), "lblServerRestart"));
    m_serverProblem = named(new QLabel(page), "lblServerProblem");
    m_serverProblem->setStyleSheet(QStringLiteral("color: #b00000"));
    m_serverProblem->setWordWrap(true);
    form->addRow(m_serverProblem);
    return page;
}

QWidget *TfrmProperties::activePage()
{
    auto *page = named(new QWidget, "tsActiveAI");
    auto *column = new QVBoxLayout(page);
    const char *texts[] = {"Kihagyott dobas utan lepattano jelzese",
                           "Eladott labda utan szerzett labda jelzese", "Foult utan kiharcolt foult jelzese",
                           "Blokk utan kapott blokk foul jelzese", "Blokk utan kihagyott kiserlet jelzese"};
    for (int i = 0; i < 5; ++i) {
        auto *box = new QCheckBox(QString::fromUtf8(texts[i]), page);
        box->setObjectName(QStringLiteral("cbActiveAI%1").arg(i + 1));
        column->addWidget(box);
        m_activeAi << box;
    }
    m_activeAi.last()->hide();
    column->addStretch(1);
    return page;
}

QWidget *TfrmProperties::passivePage()
{
    auto *page = named(new QWidget, "tsPassiveAI");
    auto *column = new QVBoxLayout(page);
    const char *texts[] = {"Steal/T.O. visible", "Foul/F. Foul visible", "Block/Block Ag. visible"};
    for (int i = 0; i < 3; ++i) {
        auto *box = new QCheckBox(QString::fromUtf8(texts[i]), page);
        box->setObjectName(QStringLiteral("cbPassiveAI%1").arg(i + 1));
        column->addWidget(box);
        m_passiveAi << box;
    }
    column->addStretch(1);
    return page;
}

QWidget *TfrmProperties::teamPage()
{
    auto *page = named(new QWidget, "tsMyTeam");
    auto *column = new QVBoxLayout(page);
    column->addWidget(named(new QLabel(QStringLiteral("Team"), page), "lblTeam"));
    m_team = named(new QListWidget(page), "lbTeam");
    column->addWidget(m_team, 1);
    return page;
}

void TfrmProperties::LoadControls()
{
    const auto raw = [&](const char *key) { return m_settings.RawValue(QLatin1String(key)); };
    const auto flag = [&](const char *key) { return raw(key) == Yes; };
    const QString language = raw("LANGUAGE");
    int at = m_language->findData(language);
    if (at < 0) {
        // A code the language table lacks stays chosen.
        m_language->addItem(language, language);
        at = m_language->count() - 1;
    }
    m_language->setCurrentIndex(at);
    m_orderName->setChecked(raw("RENDEZES") == QLatin1String("RENDEZES_NEV"));
    m_orderNo->setChecked(!m_orderName->isChecked());
    m_autoSave->setChecked(flag("AUTO_SAVE"));
    m_autoSaveMinutes->setValue(raw("AUTO_SAVE_PERC").toInt());
    m_autoSaveMinutes->setEnabled(m_autoSave->isChecked());
    m_comPort->setCurrentText(raw("COMPORT"));
    m_dataDump->setChecked(flag("DATA_DUMP"));
    m_dumpFolder->setText(raw("DATA_DUMP_DIRECTORY"));
    m_deleteDump->setChecked(flag("DELETE_DATA_DUMP"));
    // An identifier of no edition is the Hebrew edition, as it counts.
    m_editions[int(m_settings.Edition())]->setChecked(true);
    m_limitedTimeouts->setChecked(flag("LIMITED_TIMEOUTS"));
    m_serialMouse->setChecked(raw("INPUT") != QLatin1String("INPUT_KEYBOARD"));
    m_keyboard->setChecked(!m_serialMouse->isChecked());
    m_systemMouse->setChecked(raw("SYSTEM_MOUSE") == QLatin1String("SYSTEM_MOUSE_USE"));
    m_copies->setValue(raw("NUMBER_OF_COPIES").toInt());
    m_logo->setText(raw("REPORT_LOGO_FILENAME"));
    m_banner->setText(raw("BANNER_FILENAME"));
    m_sponsor1->setText(raw("SPONSOR1_FILENAME"));
    m_sponsor2->setText(raw("SPONSOR2_FILENAME"));
    m_retries->setValue(raw("NUMBER_OF_RETRIES").toInt());
    m_proxyServer->setText(raw("PROXY_SERVER"));
    m_proxyPort->setText(raw("PROXY_PORT"));
    m_proxyUser->setText(raw("PROXY_USER"));
    m_proxyPassword->setText(raw("PROXY_PASSWORD"));
    m_checkVersion->setChecked(flag("CHECK_NEW_VERSION"));
    m_serverName->setText(raw("SERVER_NAME"));
    m_updateServerName->setText(raw("UPDATE_SERVER_NAME"));
    m_serverProblem->clear();
    for (int i = 0; i < m_activeAi.size(); ++i)
        m_activeAi[i]->setChecked(m_settings.RawValue(QStringLiteral("USE_ACTIVE_AI_%1").arg(i + 1)) == Yes);
    for (int i = 0; i < m_passiveAi.size(); ++i)
        m_passiveAi[i]->setChecked(m_settings.RawValue(QStringLiteral("PASSIVE_AI_%1_VISIBLE").arg(i + 1)) ==
                                   Yes);
    m_team->clearSelection();
    m_team->setCurrentItem(nullptr);
    const int myTeam = raw("MY_TEAM").toInt();
    for (int row = 0; row < m_team->count(); ++row)
        if (m_team->item(row)->data(Qt::UserRole).toInt() == myTeam)
            m_team->setCurrentRow(row);
}

void TfrmProperties::StoreControls()
{
    const auto set = [&](const QString &key, const QString &value) { m_settings.SetValue(key, value); };
    const auto flag = [](const QAbstractButton *box) {
        return box->isChecked() ? Yes : QStringLiteral("NO");
    };
    set(QStringLiteral("COMPORT"), m_comPort->currentText().left(255));
    set(QStringLiteral("LANGUAGE"), m_language->currentData().toString());
    set(QStringLiteral("AUTO_SAVE"), flag(m_autoSave));
    set(QStringLiteral("AUTO_SAVE_PERC"),
        QString::number(m_autoSave->isChecked() ? m_autoSaveMinutes->value() : 1));
    set(QStringLiteral("RENDEZES"),
        m_orderName->isChecked() ? QStringLiteral("RENDEZES_NEV") : QStringLiteral("RENDEZES_MEZSZAM"));
    for (int e = 0; e < m_editions.size(); ++e)
        if (m_editions[e]->isChecked())
            set(QStringLiteral("VERSION"), TSettings::EditionId(TEdition(e)));
    set(QStringLiteral("SERVER_NAME"), m_serverName->text().trimmed());
    set(QStringLiteral("UPDATE_SERVER_NAME"), m_updateServerName->text().trimmed());
    set(QStringLiteral("NUMBER_OF_COPIES"), QString::number(m_copies->value()));
    set(QStringLiteral("REPORT_LOGO_FILENAME"), m_logo->text());
    set(QStringLiteral("BANNER_FILENAME"), m_banner->text());
    set(QStringLiteral("INPUT"),
        m_serialMouse->isChecked() ? QStringLiteral("INPUT_SERIALMOUSE") : QStringLiteral("INPUT_KEYBOARD"));
    set(QStringLiteral("SYSTEM_MOUSE"), m_systemMouse->isChecked() ? QStringLiteral("SYSTEM_MOUSE_USE")
                                                                   : QStringLiteral("SYSTEM_MOUSE_NOTUSE"));
    set(QStringLiteral("NUMBER_OF_RETRIES"), QString::number(m_retries->value()));
    set(QStringLiteral("PROXY_SERVER"), m_proxyServer->text());
    set(QStringLiteral("PROXY_PORT"), m_proxyPort->text());
    set(QStringLiteral("PROXY_USER"), m_proxyUser->text());
    set(QStringLiteral("PROXY_PASSWORD"), m_proxyPassword->text().left(64));
    set(QStringLiteral("SPONSOR1_FILENAME"), m_sponsor1->text());
    set(QStringLiteral("SPONSOR2_FILENAME"), m_sponsor2->text());
    for (int i = 0; i < m_activeAi.size(); ++i)
        set(QStringLiteral("USE_ACTIVE_AI_%1").arg(i + 1), flag(m_activeAi[i]));
    set(QStringLiteral("LIMITED_TIMEOUTS"), flag(m_limitedTimeouts));
    set(QStringLiteral("DATA_DUMP"), flag(m_dataDump));
    set(QStringLiteral("DATA_DUMP_DIRECTORY"), m_dumpFolder->text());
    set(QStringLiteral("DELETE_DATA_DUMP"), flag(m_deleteDump));
    for (int i = 0; i < m_passiveAi.size(); ++i)
        set(QStringLiteral("PASSIVE_AI_%1_VISIBLE").arg(i + 1), flag(m_passiveAi[i]));
    const QList<QListWidgetItem *> chosen = m_team->selectedItems();
    set(QStringLiteral("MY_TEAM"), chosen.isEmpty()
                                       ? QStringLiteral("-1")
                                       : QString::number(chosen.first()->data(Qt::UserRole).toInt()));
    set(QStringLiteral("CHECK_NEW_VERSION"), flag(m_checkVersion));
}

QString TfrmProperties::AddressProblem(const QString &address)
{
    const QUrl url(address.trimmed(), QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (address.trimmed().isEmpty() || !url.isValid() ||
        (scheme != QLatin1String("http") && scheme != QLatin1String("https")) || url.host().isEmpty())
        return QStringLiteral("Not a web address (http://host/...):");
    return {};
}

bool TfrmProperties::TryAccept()
{
    for (QLineEdit *field : {m_serverName, m_updateServerName}) {
        const QString problem = AddressProblem(field->text());
        if (problem.isEmpty())
            continue;
        // Said where the field is; the dialog stays open.
        m_serverProblem->setText(translated(problem) + QLatin1Char(' ') + field->text());
        m_pages->setCurrentWidget(field->parentWidget());
        field->setFocus();
        field->selectAll();
        return false;
    }
    StoreControls();
    accept();
    return true;
}

QString TfrmProperties::translated(const QString &text) const
{
    return m_translator ? m_translator->Translate(text, QStringLiteral("FORM")) : text;
}
