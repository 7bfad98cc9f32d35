#include "TfrmUjMezszam.h"

#include "desktop/text/TFormTranslator.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

TfrmUjMezszam::TfrmUjMezszam(int oldNumber, const QString &name, ITranslator &translator, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmUjMezszam"));
    setWindowTitle(QStringLiteral("frmUjMezszam"));
    auto *form = new QFormLayout(this);
    auto *old = new QLineEdit(QString::number(oldNumber), this);
    old->setObjectName(QStringLiteral("edRegiMezszam"));
    old->setEnabled(false);
    auto *player = new QLineEdit(name, this);
    player->setObjectName(QStringLiteral("edJatekosNev"));
    player->setEnabled(false);
    player->setMinimumWidth(220);
    m_new = new QLineEdit(this);
    m_new->setObjectName(QStringLiteral("edUjMezszam"));
    form->addRow(QStringLiteral("Old jersay"), old);
    form->addRow(QStringLiteral("Name"), player);
    form->addRow(QStringLiteral("New jersay"), m_new);
    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(QStringLiteral("&Cancel"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
    TFormTranslator(translator).TranslateForm(this);
    m_new->setFocus();
}

QString TfrmUjMezszam::NewNumber() const
{
    return m_new->text();
}
