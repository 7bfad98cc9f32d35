#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class ITranslator;
class TSettings;
class TdmMain;

// The settings dialog: one page per group of keys. It shows the values of a
// settings object and, on OK, puts the controls' values back into it; the
// caller writes them to the file.
class TfrmProperties : public QDialog
{
    Q_OBJECT
public:
    // The language list and the team list come from the database.
    TfrmProperties(TSettings &settings, TdmMain &dm, QWidget *parent = nullptr);

    // The controls from the settings, and back.
    void LoadControls();
    void StoreControls();
    // OK: the values go into the settings unless a server address is no
    // address, which the Connection page then names; false in that case.
    bool TryAccept();

    // Texts the dialog sets while open pass through it; none: as written.
    void SetTranslator(ITranslator *translator) { m_translator = translator; }

    // Why a server address of the settings cannot be used; empty when it can.
    static QString AddressProblem(const QString &address);

private:
    QWidget *generalPage();
    QWidget *inputPage();
    QWidget *reportsPage();
    QWidget *connectionPage();
    QWidget *activePage();
    QWidget *passivePage();
    QWidget *teamPage();
    QLineEdit *fileField(QWidget *page, const char *name, bool folder);

    QString translated(const QString &text) const;

    ITranslator *m_translator = nullptr;
    TSettings &m_settings;
    TdmMain &m_dm;
    QTabWidget *m_pages = nullptr;
    QComboBox *m_language = nullptr;
    QRadioButton *m_orderNo = nullptr;
    QRadioButton *m_orderName = nullptr;
    QCheckBox *m_autoSave = nullptr;
    QSpinBox *m_autoSaveMinutes = nullptr;
    QComboBox *m_comPort = nullptr;
    QCheckBox *m_dataDump = nullptr;
    QLineEdit *m_dumpFolder = nullptr;
    QCheckBox *m_deleteDump = nullptr;
    QList<QRadioButton *> m_editions; // in the order of TEdition
    QCheckBox *m_limitedTimeouts = nullptr;
    QRadioButton *m_serialMouse = nullptr;
    QRadioButton *m_keyboard = nullptr;
    QCheckBox *m_systemMouse = nullptr;
    QSpinBox *m_copies = nullptr;
    QLineEdit *m_logo = nullptr;
    QLineEdit *m_banner = nullptr;
    QLineEdit *m_sponsor1 = nullptr;
    QLineEdit *m_sponsor2 = nullptr;
    QSpinBox *m_retries = nullptr;
    QLineEdit *m_proxyServer = nullptr;
    QLineEdit *m_proxyPort = nullptr;
    QLineEdit *m_proxyUser = nullptr;
    QLineEdit *m_proxyPassword = nullptr;
    QCheckBox *m_checkVersion = nullptr;
    QLineEdit *m_serverName = nullptr;
    QLineEdit *m_updateServerName = nullptr;
    QLabel *m_serverProblem = nullptr;
    QList<QCheckBox *> m_activeAi;
    QList<QCheckBox *> m_passiveAi;
    QListWidget *m_team = nullptr;
};
