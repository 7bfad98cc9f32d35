#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QTemporaryDir>

#include <sys/types.h>

// Headless Chromium from the system's packages, driven over its DevTools
// pipe (file descriptors 3 and 4, messages ended by NUL): one page, whose
// DOM a test reads by evaluating expressions in it.
class ChromiumPipe
{
public:
    // The browser program on PATH ("chromium" or "chromium-browser"); empty when none.
    static QString program();

    ChromiumPipe();
    ~ChromiumPipe();
    ChromiumPipe(const ChromiumPipe &) = delete;
    ChromiumPipe &operator=(const ChromiumPipe &) = delete;

    // Starts the browser and opens a page at url; false with error when it fails.
    bool open(const QByteArray &url, QString *error);
    bool navigate(const QByteArray &url);
    // Runs script in every document the page loads from now on, before its own scripts.
    bool beforeEachDocument(const QString &script);
    // The value of a JavaScript expression in the page (returned by value);
    // an undefined or failing expression gives a null value.
    QJsonValue evaluate(const QString &expression);
    // Evaluates expression until it gives expected or waitMs pass; the last value.
    QJsonValue waitFor(const QString &expression, const QJsonValue &expected, int waitMs = 10000);
    // Sets the page's width and height in CSS pixels (a phone at 390).
    bool resize(int width, int height, bool mobile);
    // A PNG of the page's full height.
    QByteArray screenshot();

private:
    // Sends a command (to the page's session unless toBrowser) and waits for its result.
    QJsonObject call(const QString &method, const QJsonObject &params, bool toBrowser = false,
                     int waitMs = 20000);

    QTemporaryDir m_profile;
    pid_t m_pid = -1;
    int m_toBrowser = -1;
    int m_fromBrowser = -1;
    int m_nextId = 1;
    QString m_session;
    QByteArray m_buffer;
};
