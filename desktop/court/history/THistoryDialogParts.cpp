#include "THistoryDialogParts.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace HistoryDialogParts {

QListWidget *ChoiceList(QDialog *dialog, const QString &name, const QList<THistoryChoice> &choices)
{
    auto *layout = new QVBoxLayout(dialog);
    auto *list = new QListWidget(dialog);
    list->setObjectName(name);
    for (const THistoryChoice &c : choices)
        list->addItem(c.Text);
    list->setMinimumSize(240, 260);
    layout->addWidget(list, 1);
    QObject::connect(list, &QListWidget::itemDoubleClicked, dialog, &QDialog::accept);
    return list;
}

int ChosenRow(const QListWidget *list)
{
    const QList<QListWidgetItem *> chosen = list->selectedItems();
    return chosen.isEmpty() ? -1 : list->row(chosen.first());
}

QPushButton *OkCancel(QDialog *dialog, QListWidget *list)
{
    auto *row = new QHBoxLayout;
    auto *ok = new QPushButton(QStringLiteral("OK"), dialog);
    ok->setObjectName(QStringLiteral("bbOK"));
    ok->setDefault(true);
    ok->setEnabled(false);
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), dialog);
    cancel->setObjectName(QStringLiteral("bbCancel"));
    row->addStretch(1);
    row->addWidget(ok);
    row->addWidget(cancel);
    static_cast<QVBoxLayout *>(dialog->layout())->addLayout(row);
    // Chosen means selected: the focus alone makes an entry current.
    QObject::connect(list, &QListWidget::itemSelectionChanged, ok,
                     [ok, list] { ok->setEnabled(!list->selectedItems().isEmpty()); });
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    return ok;
}

} // namespace HistoryDialogParts
