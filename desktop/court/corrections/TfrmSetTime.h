#pragma once

#include <QDialog>
#include <QLineEdit>

class QLabel;
class TSetTimeLogic;

// The time field: only digits and ":" can be typed (no Backspace, no paste),
// Enter confirms at once, and losing the focus within its window
// normalises the text.
class TTimeEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit TTimeEdit(QWidget *parent = nullptr);

signals:
    void Confirmed();
    void Left();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
};

// "Set time": the time shown on the official clock, sent to the server on
// OK. A thin view of TSetTimeLogic; what OK and Enter would send shows
// under the field as it is typed.
class TfrmSetTime : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmSetTime(TSetTimeLogic &logic, QWidget *parent = nullptr);

    TTimeEdit *Field() const { return m_field; }
    QLabel *PreviewLabel() const { return m_preview; }
    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    TSetTimeLogic &m_logic;
    TTimeEdit *m_field = nullptr;
    QLabel *m_preview = nullptr;
    bool m_done = false;
};
