#pragma once

#include "common/IUpdateDownloader.h"
#include "masterdata/TOnlineUpdate.h"

#include <QDialog>
#include <QPointer>

class IPrompter;
class ITranslator;
class QLabel;
class QProgressBar;
class QPushButton;
class QThread;
class QToolButton;
class TMessageTable;
class TdmMain;

// Where the master data update comes from: the server's base address, the
// installation's customer code and the proxy of the settings.
struct TUpdateSource
{
    QString BaseAddress;
    QString CustomerCode;
    IUpdateDownloader::TProxy Proxy;
};

// The online master data update window. The download runs on a worker
// thread so the window stays usable and "Cancel" can stop it; the merge runs
// here, processing input after every item, with a progress bar over the
// items of the text. A finished import says what it merged.
class TfrmNewOnlineUpdate : public QDialog
{
    Q_OBJECT
public:
    enum class TMode
    {
        StartAtOnce, // opened from the main window's button
        Wait         // opened from the menu: the operator starts it
    };

    TfrmNewOnlineUpdate(TdmMain &dm, ITranslator &translator, const TMessageTable &messages,
                        IPrompter &prompter, IUpdateDownloader &downloader, TUpdateSource source, TMode mode,
                        QWidget *parent = nullptr);
    ~TfrmNewOnlineUpdate() override;

    // Starts the download; the buttons stay disabled until it has ended.
    void RunOnlineUpdate();
    // Imports the file at path (the file dialog's answer).
    void UpdateFromPath(const QString &path);
    bool Busy() const { return m_busy; }
    QString StatusText() const;
    // The outcome of the last run, once it has ended.
    const TOnlineUpdate::TResult &LastResult() const { return m_result; }

    QPushButton *OnlineButton() const { return m_online; }
    QPushButton *FileButton() const { return m_file; }
    QPushButton *CloseButton() const { return m_close; }
    // Shown while the server is asked: stops the download.
    QPushButton *CancelButton() const { return m_cancel; }
    // Stops a running download; the window is usable again at once.
    void CancelDownload();
    QProgressBar *Progress() const { return m_progress; }

signals:
    void UpdateEnded();

protected:
    void showEvent(QShowEvent *event) override;
    void reject() override;

private:
    void chooseFile();
    void downloaded(int download, bool reached, const QByteArray &body, const QString &error);
    void finish(const TOnlineUpdate::TResult &result);
    void setBusy(bool busy);
    void setState(const QString &text);
    void prepareProgress(const QByteArray &text);

    TdmMain &m_dm;
    ITranslator &m_translator;
    const TMessageTable &m_messages;
    IPrompter &m_prompter;
    IUpdateDownloader &m_downloader;
    TUpdateSource m_source;
    TMode m_mode;
    bool m_started = false;
    bool m_busy = false;
    bool m_downloading = false;
    int m_download = 0; // numbers the downloads: a cancelled one's answer is dropped
    TOnlineUpdate::TResult m_result;

    QLabel *m_state = nullptr;
    QPushButton *m_online = nullptr;
    QPushButton *m_file = nullptr;
    QPushButton *m_close = nullptr;
    QPushButton *m_cancel = nullptr;
    QToolButton *m_onlinePicture = nullptr;
    QToolButton *m_filePicture = nullptr;
    QProgressBar *m_progress = nullptr;
    QList<QPointer<QThread>> m_workers;
};
