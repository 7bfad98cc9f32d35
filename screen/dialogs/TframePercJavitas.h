#pragma once

#include "TPlayedTimeLogic.h"

#include <QFrame>

class QLabel;
class QLineEdit;
class QToolButton;

// One player's playing time with up/down arrows (290 × 30). Users hook their
// totals to TextChanged.
class TframePercJavitas : public QFrame
{
    Q_OBJECT

public:
    explicit TframePercJavitas(QWidget *parent = nullptr);

    void SetPlayerName(const QString &name);
    // Negative values become 0; the text follows.
    void SetValue(int quarterMinutes);
    int Value() const { return m_time.Value(); }
    QString Text() const;

signals:
    void TextChanged(const QString &text);

private:
    void step(int delta);

    TPercJavitas m_time;
    QLabel *m_name;
    QLineEdit *m_edit;
};
