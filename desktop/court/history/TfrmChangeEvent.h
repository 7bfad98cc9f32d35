#pragma once

#include <QDialog>
#include <QImage>
#include <QMap>

class QLabel;
class QListWidget;
class QPushButton;
class QToolButton;
class TChangeEventLogic;
class TPictureLibrary;
class THalfCourtView;

// "Change event": a thin window over its logic. The buttons carry the
// screen's pictures; the frame of the chosen button shows the state.
class TfrmChangeEvent : public QDialog
{
    Q_OBJECT

public:
    TfrmChangeEvent(TChangeEventLogic &logic, const TPictureLibrary &pictures, QWidget *parent = nullptr);

    QToolButton *EventButton(int kind) const { return m_buttons.value(kind); }
    QToolButton *FreeThrowButton() const { return m_freeThrow; }
    QListWidget *Actors() const { return m_actors; }
    THalfCourtView *Picture() const { return m_picture; }
    QPushButton *OkButton() const { return m_ok; }
    QPushButton *ResetButton() const { return m_reset; }

private:
    void refresh();
    static QString frameStyle(int colour);

    TChangeEventLogic &m_logic;
    QLabel *m_actor = nullptr;
    QListWidget *m_actors = nullptr;
    QMap<int, QToolButton *> m_buttons;
    QToolButton *m_freeThrow = nullptr;
    THalfCourtView *m_picture = nullptr;
    QPushButton *m_reset = nullptr;
    QPushButton *m_ok = nullptr;
};
