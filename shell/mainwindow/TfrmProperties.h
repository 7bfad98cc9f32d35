#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QRadioButton;
class QSpinBox;
class QTabWidget;
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

private:
    QWidget *generalPage();
    QWidget *inputPage();
    QWidget *reportsPage();
    QWidget *connectionPage();
    QWidget *activePage();
    QWidget *passivePage();
    QWidget *teamPage();
    QLineEdit *fileField(QWidget *page, const char *name, bool folder);

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
    QRadioButton *m_length10 = nullptr;
    QRadioButton *m_length12 = nullptr;
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
    QList<QCheckBox *> m_activeAi;
    QList<QCheckBox *> m_passiveAi;
    QListWidget *m_team = nullptr;
};
