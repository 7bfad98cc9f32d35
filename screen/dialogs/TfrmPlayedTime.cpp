#include "TfrmPlayedTime.h"

#include "TPlayedTimePanel.h"

#include <QLabel>
#include <QPushButton>

TfrmPlayedTime::TfrmPlayedTime(TGame &game, QWidget *parent) : QDialog(parent), m_logic(game)
{
    setObjectName(QStringLiteral("frmPlayedTime"));
    setWindowTitle(QStringLiteral("Set played time"));
    setFixedSize(668, 487);
    auto *title = new QLabel(QStringLiteral("Players min"), this);
    title->setGeometry(16, 8, 300, 24);
    QFont big = title->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.4);
    title->setFont(big);

    m_panel = new TPlayedTimePanel(m_logic, {329, 321, 332}, this);
    m_panel->setGeometry(16, 44, 634, 357);

    auto *okButton = new QPushButton(QStringLiteral("&OK"), this);
    okButton->setObjectName(QStringLiteral("bbULEBOK"));
    okButton->setGeometry(452, 440, 96, 30);
    okButton->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cancel->setObjectName(QStringLiteral("bbCancel"));
    cancel->setGeometry(556, 440, 96, 30);
    connect(okButton, &QPushButton::clicked, this, &TfrmPlayedTime::ok);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmPlayedTime::ok()
{
    m_panel->UpdateTotals();
    if (m_logic.Ok())
        accept();
}
