#include "TMessageBoxPrompter.h"

#include <QMessageBox>

namespace {
const QString Caption = QStringLiteral("Parquetix");
}

void TMessageBoxPrompter::ShowError(const QString &text)
{
    QMessageBox::critical(m_parent, Caption, text);
}

void TMessageBoxPrompter::ShowInformation(const QString &text)
{
    QMessageBox::information(m_parent, Caption, text);
}

bool TMessageBoxPrompter::Confirm(const QString &text)
{
    return QMessageBox::question(m_parent, Caption, text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

bool TMessageBoxPrompter::ConfirmInformation(const QString &text)
{
    return QMessageBox::information(m_parent, Caption, text, QMessageBox::Ok | QMessageBox::Cancel,
                                    QMessageBox::Cancel) == QMessageBox::Ok;
}
