#include "TfrmSelectEventId.h"

#include "workflow/history/THistoryChoices.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfrmSelectEventId::TfrmSelectEventId(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmSelectEventId"));
    setWindowTitle(QStringLiteral("Select event id"));
    auto *caption = new QLabel(QStringLiteral("Event id"), this);
    caption->setObjectName(QStringLiteral("lblEventId"));
    m_field = new QLineEdit(this);
    m_field->setObjectName(QStringLiteral("edEventId"));
    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("bbOK"));
    m_ok->setDefault(true);
    m_ok->setEnabled(false);
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("bbCancel"));
    connect(m_field, &QLineEdit::textChanged, this,
            [this](const QString &t) { m_ok->setEnabled(!t.isEmpty()); });
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    auto *field = new QHBoxLayout;
    field->addWidget(caption);
    field->addWidget(m_field, 1);
    layout->addLayout(field);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    setMinimumWidth(260);
}

int TfrmSelectEventId::Value() const
{
    return HistoryChoices::LineNumber(m_field->text());
}
