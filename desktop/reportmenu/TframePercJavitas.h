#pragma once

#include "workflow/gamedata/TPlayedTimeLogic.h"

#include <QFrame>

class QLabel;
class QLineEdit;
class QToolButton;

// One player's playing time (290 × 30): typed as MM:SS or stepped by 15
// seconds with the arrows. Users hook their totals to TextChanged.
class TframePercJavitas : public QFrame
{
    Q_OBJECT

public:
    explicit TframePercJavitas(QWidget *parent = nullptr);

    void SetPlayerName(const QString &name);
    // Negative values become 0; the text follows.
    void SetValue(int quarterMinutes);
    // The last time the text held; a text that is no time leaves it.
    int Value() const { return m_time.Value(); }
    QString Text() const;
    // False while the text is not a playing time.
    bool IsValid() const { return m_valid; }
    QLineEdit *Edit() const { return m_edit; }

signals:
    void TextChanged(const QString &text);

private:
    void step(int delta);
    void textChanged(const QString &text);

    TPercJavitas m_time;
    bool m_valid = true;
    QLabel *m_name;
    QLineEdit *m_edit;
};
