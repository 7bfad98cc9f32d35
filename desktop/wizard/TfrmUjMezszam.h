#pragma once

#include <QDialog>

class ITranslator;
class QLineEdit;

// "Set jersey": the player's present number and name, and the new number.
class TfrmUjMezszam : public QDialog
{
    Q_OBJECT

public:
    TfrmUjMezszam(int oldNumber, const QString &name, ITranslator &translator, QWidget *parent = nullptr);
    QString NewNumber() const;
    QLineEdit *NewNumberEdit() const { return m_new; }

private:
    QLineEdit *m_new;
};
