#include "TScoreboard.h"

#include "shell/session/TDesktopSession.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#ifdef PARQUETIX_WEBENGINE
#include <QWebEngineView>
#include <unistd.h>
#endif

const char *const TScoreboard::Path = "/scoreboard.phtml";

QUrl TScoreboard::Url(const QString &serverName)
{
    return QUrl(QString::fromLatin1(TDesktopSession::ServerBase(serverName) + Path));
}

bool TScoreboard::Embedded()
{
#ifdef PARQUETIX_WEBENGINE
    return true;
#else
    return false;
#endif
}

TfrmScoreboard::TfrmScoreboard(const QUrl &url, QWidget *parent) : QDialog(parent), m_url(url)
{
    setObjectName(QStringLiteral("frmScoreboard"));
    setWindowTitle(QStringLiteral("Scoreboard"));
    auto *column = new QVBoxLayout(this);
#ifdef PARQUETIX_WEBENGINE
    // The browser's sandbox refuses to run for root (a container, a kiosk
    // account); the page is the statistics server's own.
    if (geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    auto *view = new QWebEngineView(this);
    view->setObjectName(QStringLiteral("wbScoreboard"));
    m_view = view;
    resize(1000, 700);
#else
    auto *hint =
        new QLabel(QStringLiteral("No web browser could show the scoreboard page. Its address:"), this);
    hint->setObjectName(QStringLiteral("lblScoreboardHint"));
    column->addWidget(hint);
    auto *label = new QLabel(this);
    label->setObjectName(QStringLiteral("lblScoreboardAddress"));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_view = label;
#endif
    column->addWidget(m_view, 1);
    auto *close = new QPushButton(QStringLiteral("&Close"), this);
    close->setObjectName(QStringLiteral("btnClose"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    column->addWidget(close, 0, Qt::AlignRight);
}

void TfrmScoreboard::Load()
{
#ifdef PARQUETIX_WEBENGINE
    static_cast<QWebEngineView *>(m_view)->load(m_url);
#else
    static_cast<QLabel *>(m_view)->setText(m_url.toString());
#endif
}
