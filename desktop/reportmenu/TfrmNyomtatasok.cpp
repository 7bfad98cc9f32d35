#include "TfrmNyomtatasok.h"

#include "TReportPreview.h"
#include "TWorkbookFile.h"
#include "TfrmQuarters.h"

#include "desktop/text/TFormTranslator.h"
#include "model/services/Services.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

TfrmNyomtatasok::TfrmNyomtatasok(TGame &game, ITranslator &translator, QWidget *parent)
    : QDialog(parent), m_logic(game, translator), m_translator(translator)
{
    setObjectName(QStringLiteral("frmNyomtatasok"));
    setWindowTitle(QStringLiteral("Stats"));
    setFixedSize(m_logic.DialogSize());
    auto *box = new QGroupBox(this);
    box->setObjectName(QStringLiteral("gbReports"));
    box->setGeometry(m_logic.GroupBox());
    auto *group = new QButtonGroup(this);
    for (const TNyomtatasokLogic::TControl &c : m_logic.Controls()) {
        QWidget *widget = nullptr;
        if (c.Radio) {
            auto *radio = new QRadioButton(c.Caption, this);
            group->addButton(radio);
            radio->setChecked(c.Name == m_logic.Selected());
            connect(radio, &QRadioButton::toggled, this, [this, name = c.Name](bool on) {
                if (on) {
                    m_logic.Select(name);
                    refreshEnabled();
                }
            });
            m_buttons.insert(c.Name, radio);
            widget = radio;
        } else if (c.Caption.isEmpty()) {
            auto *list = new QComboBox(this);
            if (c.Name == QLatin1String("cbDobasterkepMain")) {
                list->addItems(m_logic.ScopeItems());
                list->setCurrentIndex(0);
                m_scope = list;
            } else if (c.Name == QLatin1String("cbDobasterkepDetaild")) {
                list->addItems(m_logic.PlayerItems());
                list->setCurrentIndex(0);
                m_players = list;
            }
            m_lists.append(list);
            widget = list;
        } else {
            auto *button = new QPushButton(c.Caption, this);
            m_buttons.insert(c.Name, button);
            widget = button;
        }
        widget->setObjectName(c.Name);
        widget->setGeometry(c.Place);
        widget->setVisible(c.Visible);
    }
    if (m_scope && m_players) {
        // A new scope refills the player list with all players chosen.
        connect(m_scope, &QComboBox::currentIndexChanged, this, [this](int index) {
            m_logic.SetScope(index);
            const QSignalBlocker quiet(m_players);
            m_players->clear();
            m_players->addItems(m_logic.PlayerItems());
            m_players->setCurrentIndex(0);
        });
        connect(m_players, &QComboBox::currentIndexChanged, this,
                [this](int index) { m_logic.SetPlayer(std::max(0, index)); });
    }
    connect(m_buttons.value(QStringLiteral("bbULEBOK")), &QAbstractButton::clicked, this,
            &TfrmNyomtatasok::ok);
    connect(m_buttons.value(QStringLiteral("bbCancel")), &QAbstractButton::clicked, this, &QDialog::reject);
    connect(m_buttons.value(QStringLiteral("bbExcelExport")), &QAbstractButton::clicked, this,
            [this] { exportWorkbook(false); });
    connect(m_buttons.value(QStringLiteral("bbFibaExport")), &QAbstractButton::clicked, this,
            [this] { exportWorkbook(true); });
    // Return starts the chosen report, whatever button was made first; the
    // arrows move the choice from the start.
    if (auto *okButton = qobject_cast<QPushButton *>(m_buttons.value(QStringLiteral("bbULEBOK"))))
        okButton->setDefault(true);
    for (const char *name : {"bbExcelExport", "bbFibaExport", "bbGameData", "bbSetPlayerTime"})
        if (auto *side = qobject_cast<QPushButton *>(m_buttons.value(QLatin1String(name))))
            side->setAutoDefault(false);
    if (QAbstractButton *chosen = m_buttons.value(m_logic.Selected()))
        chosen->setFocus();
    ChooseFile = [this] { return AskWorkbookFile(this, m_translator); };
    ShowError = [this](const QString &text) { QMessageBox::warning(this, windowTitle(), text); };
    refreshEnabled();
    TFormTranslator(translator).TranslateForm(this);
}

void TfrmNyomtatasok::SetDataDialogs(std::function<void()> gameData, std::function<void()> playerTimes)
{
    const std::pair<const char *, std::function<void()>> hooks[] = {
        {"bbGameData", std::move(gameData)}, {"bbSetPlayerTime", std::move(playerTimes)}};
    for (const auto &[name, open] : hooks)
        if (QAbstractButton *button = m_buttons.value(QLatin1String(name)); button && open) {
            disconnect(button, &QAbstractButton::clicked, this, nullptr);
            connect(button, &QAbstractButton::clicked, this, open);
        }
}

void TfrmNyomtatasok::refreshEnabled()
{
    for (QComboBox *list : m_lists)
        if (const TNyomtatasokLogic::TControl *c = m_logic.Control(list->objectName()))
            list->setEnabled(c->Enabled);
}

void TfrmNyomtatasok::exportWorkbook(bool fiba)
{
    const char *names[] = {"bbExcelExport", "bbFibaExport", "bbULEBOK", "bbCancel"};
    auto enable = [&](bool on) {
        for (const char *name : names)
            if (QAbstractButton *b = m_buttons.value(QLatin1String(name)))
                b->setEnabled(on);
    };
    enable(false);
    QString file = ChooseFile ? ChooseFile() : QString();
    if (file.isEmpty()) {
        enable(true);
        return;
    }
    if (QFileInfo(file).suffix().isEmpty())
        file += QStringLiteral(".xlsx");
    QString error;
    const bool written = m_logic.Export(fiba, file, &error);
    enable(true);
    if (!written) {
        if (ShowError)
            ShowError(error);
        return;
    }
    accept();
}

void TfrmNyomtatasok::ok()
{
    std::vector<TReportDocument> documents;
    const TNyomtatasokLogic::TAction action = m_logic.Ok(documents);
    if (action == TNyomtatasokLogic::TAction::AskPeriods) {
        TfrmQuarters periods(m_translator, m_logic.Game(), this);
        if (periods.exec() != QDialog::Accepted)
            return;
        documents.push_back(m_logic.QuarterReport(periods.Periods()));
    }
    if (action == TNyomtatasokLogic::TAction::RosterPresentation && m_roster) {
        m_roster();
        accept();
        return;
    }
    if (action == TNyomtatasokLogic::TAction::NotAvailable ||
        action == TNyomtatasokLogic::TAction::RosterPresentation) {
        QMessageBox::information(this, windowTitle(),
                                 m_translator.Translate(QStringLiteral("This report is not available yet."),
                                                        QStringLiteral("FORM")));
        return;
    }
    for (const QString &message : m_logic.Messages())
        QMessageBox::critical(this, windowTitle(), message);
    TReportPreview preview(std::move(documents), this);
    preview.SetTranslator(&m_translator);
    preview.exec();
    accept();
}
