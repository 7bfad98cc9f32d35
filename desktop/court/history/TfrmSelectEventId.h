#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

// "Select event id": one field for a history line number; OK while it is not empty.
class TfrmSelectEventId : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmSelectEventId(QWidget *parent = nullptr);

    // The field as a whole number, 0 when it is not one.
    int Value() const;
    QLineEdit *Field() const { return m_field; }
    QPushButton *OkButton() const { return m_ok; }

private:
    QLineEdit *m_field = nullptr;
    QPushButton *m_ok = nullptr;
};
