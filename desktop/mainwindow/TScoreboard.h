#pragma once

#include <QByteArray>
#include <QDialog>
#include <QString>
#include <QUrl>

class QLabel;

// "Other games statistics": the statistics server's scoreboard page. Built
// with Qt WebEngine it is shown in the dialog "Scoreboard"; without it the
// page opens in the desktop's browser.
class TScoreboard
{
public:
    static const char *const Path;

    // The page of the statistics server that SERVER_NAME names; the built-in
    // server when SERVER_NAME names none.
    static QUrl Url(const QString &serverName);
    // Whether this build shows the page in a window of its own.
    static bool Embedded();
};

// The dialog of the embedded page. Without Qt WebEngine it holds a label with
// the address instead, and is only shown when the desktop has no browser.
class TfrmScoreboard : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmScoreboard(const QUrl &url, QWidget *parent = nullptr);
    const QUrl &Url() const { return m_url; }
    // Shows the page; after the window is translated, as an address is no
    // text to translate.
    void Load();
    // The widget showing the page (a web view, or the address label).
    QWidget *View() const { return m_view; }

private:
    QUrl m_url;
    QWidget *m_view = nullptr;
};
