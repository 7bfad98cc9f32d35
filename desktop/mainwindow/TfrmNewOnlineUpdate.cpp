#include "TfrmNewOnlineUpdate.h"

#include "masterdata/TMessageTable.h"
#include "masterdata/TdmMain.h"
#include "model/services/Services.h"

#include <QApplication>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QThread>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString kForm = QStringLiteral("FORM");

// Hands the body fetched on the worker thread to the update, so that its
// reply checks and states are the same as for a download made in place.
class TFetchedReply : public IUpdateDownloader
{
public:
    TFetchedReply(bool reached, QByteArray body, QString error)
        : m_reached(reached), m_body(std::move(body)), m_error(std::move(error))
    {
    }
    bool Download(const QString &, const TProxy &, QByteArray &body, QString &error) override
    {
        body = m_body;
        error = m_error;
        return m_reached;
    }

private:
    bool m_reached;
    QByteArray m_body;
    QString m_error;
};

QToolButton *pictureButton(QStyle::StandardPixmap pixmap, const char *name, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setIcon(parent->style()->standardIcon(pixmap));
    button->setIconSize(QSize(32, 32));
    button->setAutoRaise(true);
    return button;
}

} // namespace

TfrmNewOnlineUpdate::TfrmNewOnlineUpdate(TdmMain &dm, ITranslator &translator, const TMessageTable &messages,
                                         IPrompter &prompter, IUpdateDownloader &downloader,
                                         TUpdateSource source, TMode mode, QWidget *parent)
    : QDialog(parent), m_dm(dm), m_translator(translator), m_messages(messages), m_prompter(prompter),
      m_downloader(downloader), m_source(std::move(source)), m_mode(mode)
{
    setObjectName(QStringLiteral("frmNewOnlineUpdate"));
    setWindowTitle(QStringLiteral("Online update"));

    auto *column = new QVBoxLayout(this);
    auto *stateRow = new QHBoxLayout;
    auto *caption = new QLabel(QStringLiteral("State:"), this);
    caption->setObjectName(QStringLiteral("lblState"));
    m_state = new QLabel(this);
    m_state->setObjectName(QStringLiteral("lblStateText"));
    m_state->setMinimumWidth(220);
    stateRow->addWidget(caption);
    stateRow->addWidget(m_state, 1);
    column->addLayout(stateRow);

    auto *grid = new QGridLayout;
    m_onlinePicture = pictureButton(QStyle::SP_BrowserReload, "imgOnlineUpdate", this);
    m_online = new QPushButton(QStringLiteral("Online &Update"), this);
    m_online->setObjectName(QStringLiteral("btnOnlineUpdate"));
    m_filePicture = pictureButton(QStyle::SP_DialogOpenButton, "imgUpdateFromFile", this);
    m_file = new QPushButton(QStringLiteral("Update from &file"), this);
    m_file->setObjectName(QStringLiteral("btnUpdateFromFile"));
    grid->addWidget(m_onlinePicture, 0, 0);
    grid->addWidget(m_online, 0, 1);
    grid->addWidget(m_filePicture, 1, 0);
    grid->addWidget(m_file, 1, 1);
    column->addLayout(grid);

    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("pbImport"));
    m_progress->setVisible(false);
    column->addWidget(m_progress);

    m_cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("btnCancel"));
    m_cancel->setVisible(false);
    m_close = new QPushButton(QStringLiteral("&Close"), this);
    m_close->setObjectName(QStringLiteral("btnClose"));
    auto *closeRow = new QHBoxLayout;
    closeRow->addStretch(1);
    closeRow->addWidget(m_cancel);
    closeRow->addWidget(m_close);
    column->addLayout(closeRow);

    connect(m_online, &QPushButton::clicked, this, &TfrmNewOnlineUpdate::RunOnlineUpdate);
    connect(m_onlinePicture, &QToolButton::clicked, this, &TfrmNewOnlineUpdate::RunOnlineUpdate);
    connect(m_file, &QPushButton::clicked, this, &TfrmNewOnlineUpdate::chooseFile);
    connect(m_filePicture, &QToolButton::clicked, this, &TfrmNewOnlineUpdate::chooseFile);
    connect(m_close, &QPushButton::clicked, this, &TfrmNewOnlineUpdate::reject);
    connect(m_cancel, &QPushButton::clicked, this, &TfrmNewOnlineUpdate::CancelDownload);
    resize(460, 200);
}

TfrmNewOnlineUpdate::~TfrmNewOnlineUpdate()
{
    // The workers use the downloader: they are stopped and end first.
    m_downloader.Cancel();
    for (const QPointer<QThread> &worker : m_workers)
        if (worker)
            worker->wait();
}

QString TfrmNewOnlineUpdate::StatusText() const
{
    return m_state->text();
}

void TfrmNewOnlineUpdate::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_mode == TMode::StartAtOnce && !m_started) {
        m_started = true;
        // After the window has been painted, so the operator sees it working.
        QMetaObject::invokeMethod(this, &TfrmNewOnlineUpdate::RunOnlineUpdate, Qt::QueuedConnection);
    }
}

void TfrmNewOnlineUpdate::reject()
{
    // Escape while the server is asked cancels the download; leaving in the
    // middle of the merge would report nothing of what was merged.
    if (m_downloading)
        CancelDownload();
    else if (!m_busy)
        QDialog::reject();
}

void TfrmNewOnlineUpdate::CancelDownload()
{
    if (!m_downloading)
        return;
    m_downloading = false;
    ++m_download; // its answer, should it still come, is dropped
    m_downloader.Cancel();
    m_cancel->setVisible(false);
    setBusy(false);
    setState(m_translator.Translate(QStringLiteral("The update was cancelled; nothing changed."), kForm));
    m_close->setFocus();
    emit UpdateEnded();
}

void TfrmNewOnlineUpdate::setBusy(bool busy)
{
    m_busy = busy;
    for (QWidget *w :
         {static_cast<QWidget *>(m_online), static_cast<QWidget *>(m_file), static_cast<QWidget *>(m_close),
          static_cast<QWidget *>(m_onlinePicture), static_cast<QWidget *>(m_filePicture)})
        w->setEnabled(!busy);
}

void TfrmNewOnlineUpdate::setState(const QString &text)
{
    m_state->setText(text);
}

void TfrmNewOnlineUpdate::RunOnlineUpdate()
{
    if (m_busy)
        return;
    m_started = true;
    setBusy(true);
    m_downloading = true;
    m_cancel->setVisible(true);
    m_cancel->setEnabled(true);
    m_cancel->setFocus();
    setState(m_translator.Translate(TOnlineUpdate::StateText(TOnlineUpdate::TState::Connecting), kForm));
    const QString url = TOnlineUpdate::UpdateAddress(m_source.BaseAddress, m_source.CustomerCode);
    const IUpdateDownloader::TProxy proxy = m_source.Proxy;
    IUpdateDownloader *downloader = &m_downloader;
    downloader->Resume();
    const int download = ++m_download;
    QPointer<TfrmNewOnlineUpdate> self(this);
    QThread *worker = QThread::create([downloader, url, proxy, self, download] {
        QByteArray body;
        QString error;
        const bool reached = downloader->Download(url, proxy, body, error);
        // Back on the user interface thread, where the window is known to
        // live or not; dropped when it is gone.
        QMetaObject::invokeMethod(
            qApp,
            [self, download, reached, body, error] {
                if (self)
                    self->downloaded(download, reached, body, error);
            },
            Qt::QueuedConnection);
    });
    connect(worker, &QThread::finished, worker, &QObject::deleteLater);
    // A cancelled one may still be ending; each is waited for when the window goes.
    m_workers.removeAll(nullptr);
    m_workers.append(worker);
    worker->start();
}

void TfrmNewOnlineUpdate::prepareProgress(const QByteArray &text)
{
    // Items are separated by "*": their count bounds the merge's steps.
    m_progress->setRange(0, int(text.count('*')) + 1);
    m_progress->setValue(0);
    m_progress->setVisible(true);
}

void TfrmNewOnlineUpdate::downloaded(int download, bool reached, const QByteArray &body, const QString &error)
{
    if (download != m_download || !m_downloading)
        return; // cancelled
    m_downloading = false;
    m_cancel->setVisible(false);
    TFetchedReply reply(reached, body, error);
    TOnlineUpdate update(m_dm, m_translator, m_messages);
    update.SetStateCallback([this, &body](TOnlineUpdate::TState state, const QString &text) {
        setState(text);
        if (state == TOnlineUpdate::TState::Processing)
            prepareProgress(body);
    });
    update.SetItemCallback([this] {
        if (m_progress->value() < m_progress->maximum())
            m_progress->setValue(m_progress->value() + 1);
        QCoreApplication::processEvents();
    });
    finish(update.RunOnlineUpdate(reply, m_source.BaseAddress, m_source.CustomerCode, m_source.Proxy));
}

void TfrmNewOnlineUpdate::chooseFile()
{
    const QString path = QFileDialog::getOpenFileName(
        this, m_translator.Translate(QStringLiteral("Update from file"), kForm), QString(),
        m_translator.Translate(QStringLiteral("Text files"), kForm) + QStringLiteral(" (*.txt);;*"));
    if (!path.isEmpty())
        UpdateFromPath(path);
}

void TfrmNewOnlineUpdate::UpdateFromPath(const QString &path)
{
    if (m_busy)
        return;
    setBusy(true);
    TOnlineUpdate update(m_dm, m_translator, m_messages);
    update.SetStateCallback([this](TOnlineUpdate::TState, const QString &text) { setState(text); });
    m_progress->setRange(0, 0); // the item count is known only to the reader
    m_progress->setVisible(true);
    update.SetItemCallback([] { QCoreApplication::processEvents(); });
    setState(m_translator.Translate(TOnlineUpdate::StateText(TOnlineUpdate::TState::Processing), kForm));
    finish(update.UpdateFromFile(path));
}

void TfrmNewOnlineUpdate::finish(const TOnlineUpdate::TResult &result)
{
    m_result = result;
    m_progress->setVisible(false);
    setBusy(false);
    if (result.outcome == TOnlineUpdate::TOutcome::Imported) {
        QString report = TOnlineUpdate::Summary(result, m_translator);
        // What the command line prints as warnings: the parts left out and
        // the items merged with a change.
        QStringList notes = result.skipped + result.warnings;
        // A message box taller than the screen cannot be closed.
        constexpr qsizetype shown = 20;
        if (notes.size() > shown + 1) {
            const qsizetype more = notes.size() - shown;
            notes = notes.mid(0, shown);
            notes << m_translator
                         .Translate(
                             QStringLiteral(
                                 "... and %1 more notes (parquetix-cli db import-update prints them all)"),
                             kForm)
                         .arg(more);
        }
        if (!notes.isEmpty())
            report += QStringLiteral("\n\n") + notes.join(QLatin1Char('\n'));
        m_prompter.ShowInformation(report);
        emit UpdateEnded();
        accept();
        return;
    }
    if (result.outcome != TOnlineUpdate::TOutcome::EmptyReply) {
        // Whatever was kept of a stopped merge is not reported as done.
        setState({});
        m_prompter.ShowError(result.error.isEmpty() ? result.detail : result.error);
    }
    emit UpdateEnded();
}
