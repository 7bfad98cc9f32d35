#include "ChromiumPipe.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QStandardPaths>
#include <QThread>

#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

QString ChromiumPipe::program()
{
    for (const char *name : {"chromium", "chromium-browser"}) {
        const QString path = QStandardPaths::findExecutable(QLatin1String(name));
        if (!path.isEmpty())
            return path;
    }
    return {};
}

ChromiumPipe::ChromiumPipe() = default;

ChromiumPipe::~ChromiumPipe()
{
    if (m_toBrowser >= 0)
        ::close(m_toBrowser);
    if (m_fromBrowser >= 0)
        ::close(m_fromBrowser);
    if (m_pid > 0) {
        ::kill(m_pid, SIGTERM);
        for (int i = 0; i < 100; ++i) {
            if (::waitpid(m_pid, nullptr, WNOHANG) == m_pid)
                return;
            QThread::msleep(20);
        }
        ::kill(m_pid, SIGKILL);
        ::waitpid(m_pid, nullptr, 0);
    }
}

bool ChromiumPipe::open(const QByteArray &url, QString *error)
{
    const QString browser = program();
    if (browser.isEmpty()) {
        *error = QStringLiteral("no chromium on PATH");
        return false;
    }
    int commands[2];
    int replies[2];
    if (::pipe2(commands, O_CLOEXEC) != 0 || ::pipe2(replies, O_CLOEXEC) != 0) {
        *error = QStringLiteral("no pipes");
        return false;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, commands[0], 3);
    posix_spawn_file_actions_adddup2(&actions, replies[1], 4);
    // Its complaints (no D-Bus in a container, say) go to a log beside its profile.
    const QByteArray log = m_profile.filePath(QStringLiteral("chromium.log")).toLocal8Bit();
    posix_spawn_file_actions_addopen(&actions, 1, log.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    const QByteArray profile = "--user-data-dir=" + m_profile.path().toLocal8Bit();
    const QByteArray exe = browser.toLocal8Bit();
    const char *argv[] = {exe.constData(),
                          "--headless",
                          "--no-sandbox",
                          "--disable-gpu",
                          "--disable-quic",
                          "--no-first-run",
                          "--disable-background-networking",
                          "--disable-component-update",
                          "--disable-sync",
                          "--hide-scrollbars",
                          "--remote-debugging-pipe",
                          profile.constData(),
                          "about:blank",
                          nullptr};
    const int spawned =
        posix_spawn(&m_pid, exe.constData(), &actions, nullptr, const_cast<char **>(argv), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(commands[0]);
    ::close(replies[1]);
    m_toBrowser = commands[1];
    m_fromBrowser = replies[0];
    if (spawned != 0) {
        m_pid = -1;
        *error = QStringLiteral("cannot start %1").arg(browser);
        return false;
    }
    const QJsonObject target =
        call(QStringLiteral("Target.createTarget"), {{QStringLiteral("url"), QString::fromUtf8(url)}}, true);
    const QString targetId = target.value(QStringLiteral("targetId")).toString();
    const QJsonObject attached =
        call(QStringLiteral("Target.attachToTarget"),
             {{QStringLiteral("targetId"), targetId}, {QStringLiteral("flatten"), true}}, true);
    m_session = attached.value(QStringLiteral("sessionId")).toString();
    if (m_session.isEmpty()) {
        QFile file(QString::fromLocal8Bit(log));
        file.open(QIODevice::ReadOnly);
        *error = QStringLiteral("the browser opened no page: %1")
                     .arg(QString::fromLocal8Bit(file.readAll().right(2000)));
        return false;
    }
    return true;
}

QJsonObject ChromiumPipe::call(const QString &method, const QJsonObject &params, bool toBrowser, int waitMs)
{
    const int id = m_nextId++;
    QJsonObject message{
        {QStringLiteral("id"), id}, {QStringLiteral("method"), method}, {QStringLiteral("params"), params}};
    if (!toBrowser)
        message[QStringLiteral("sessionId")] = m_session;
    const QByteArray bytes = QJsonDocument(message).toJson(QJsonDocument::Compact) + '\0';
    for (qsizetype sent = 0; sent < bytes.size();) {
        const ssize_t n = ::write(m_toBrowser, bytes.constData() + sent, size_t(bytes.size() - sent));
        if (n <= 0)
            return {};
        sent += n;
    }
    QElapsedTimer timer;
    timer.start();
    for (;;) {
        // Events and other answers come in between; only this id's answer counts.
        qsizetype end;
        while ((end = m_buffer.indexOf('\0')) >= 0) {
            const QJsonObject reply = QJsonDocument::fromJson(m_buffer.left(end)).object();
            m_buffer.remove(0, end + 1);
            if (reply.value(QStringLiteral("id")).toInt() == id)
                return reply.value(QStringLiteral("result")).toObject();
        }
        const int left = int(waitMs - timer.elapsed());
        pollfd p{m_fromBrowser, POLLIN, 0};
        if (left <= 0 || ::poll(&p, 1, left) <= 0)
            return {};
        char chunk[65536];
        const ssize_t n = ::read(m_fromBrowser, chunk, sizeof chunk);
        if (n <= 0)
            return {};
        m_buffer.append(chunk, n);
    }
}

bool ChromiumPipe::navigate(const QByteArray &url)
{
    return !call(QStringLiteral("Page.navigate"), {{QStringLiteral("url"), QString::fromUtf8(url)}})
                .value(QStringLiteral("frameId"))
                .toString()
                .isEmpty();
}

bool ChromiumPipe::beforeEachDocument(const QString &script)
{
    call(QStringLiteral("Page.enable"), {});
    return !call(QStringLiteral("Page.addScriptToEvaluateOnNewDocument"),
                 {{QStringLiteral("source"), script}})
                .value(QStringLiteral("identifier"))
                .toString()
                .isEmpty();
}

QJsonValue ChromiumPipe::evaluate(const QString &expression)
{
    const QJsonObject result =
        call(QStringLiteral("Runtime.evaluate"),
             {{QStringLiteral("expression"), expression}, {QStringLiteral("returnByValue"), true}});
    if (result.contains(QStringLiteral("exceptionDetails")))
        return QJsonValue::Null;
    const QJsonObject value = result.value(QStringLiteral("result")).toObject();
    return value.contains(QStringLiteral("value")) ? value.value(QStringLiteral("value")) : QJsonValue::Null;
}

QJsonValue ChromiumPipe::waitFor(const QString &expression, const QJsonValue &expected, int waitMs)
{
    QElapsedTimer timer;
    timer.start();
    QJsonValue value;
    do {
        value = evaluate(expression);
        if (value == expected)
            break;
        QThread::msleep(25);
    } while (timer.elapsed() < waitMs);
    return value;
}

bool ChromiumPipe::resize(int width, int height, bool mobile)
{
    call(QStringLiteral("Emulation.setDeviceMetricsOverride"), {{QStringLiteral("width"), width},
                                                                {QStringLiteral("height"), height},
                                                                {QStringLiteral("deviceScaleFactor"), 1},
                                                                {QStringLiteral("mobile"), mobile}});
    return true;
}

QByteArray ChromiumPipe::screenshot()
{
    const QJsonObject result =
        call(QStringLiteral("Page.captureScreenshot"), {{QStringLiteral("format"), QStringLiteral("png")},
                                                        {QStringLiteral("captureBeyondViewport"), true}});
    return QByteArray::fromBase64(result.value(QStringLiteral("data")).toString().toLatin1());
}
