#include "TJoinWidgets.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>
#include <QToolButton>

namespace TJoinWidgets {

QListWidget *AddList(QWidget *owner, QBoxLayout *layout, const QString &caption, const char *name)
{
    auto *column = new QVBoxLayout;
    auto *label = new QLabel(caption, owner);
    label->setObjectName(QStringLiteral("lbl") + QLatin1String(name).mid(2));
    auto *list = new QListWidget(owner);
    list->setObjectName(QLatin1String(name));
    list->setMinimumSize(200, 260);
    label->setBuddy(list);
    column->addWidget(label);
    column->addWidget(list, 1);
    layout->addLayout(column, 1);
    return list;
}

QToolButton *AddArrow(QWidget *owner, QBoxLayout *layout, const QString &text, const char *name)
{
    auto *button = new QToolButton(owner);
    button->setObjectName(QLatin1String(name));
    button->setText(text);
    button->setMinimumSize(36, 30);
    button->setEnabled(false);
    layout->addWidget(button);
    return button;
}

namespace {

bool shows(const QListWidget *list, const TIDList &entries)
{
    if (list->count() != entries.size())
        return false;
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->text() != entries.at(i).Text ||
            list->item(i)->data(Qt::UserRole).toInt() != entries.at(i).Object.ID)
            return false;
    return true;
}

} // namespace

void Fill(QListWidget *list, const TIDList &entries, int selected)
{
    const QSignalBlocker block(list);
    // Filled again only when the entries changed: a list may be refreshed
    // from its own current-row signal, whose items must outlive it.
    if (!shows(list, entries)) {
        list->clear();
        for (const TIDEntry &e : entries) {
            auto *item = new QListWidgetItem(e.Text, list);
            item->setData(Qt::UserRole, e.Object.ID);
        }
    }
    list->setCurrentRow(selected);
    if (selected < 0)
        list->clearSelection();
}

void Fill(QComboBox *box, const TIDList &entries, int selected)
{
    const QSignalBlocker block(box);
    box->clear();
    for (const TIDEntry &e : entries)
        box->addItem(e.Text, e.Object.ID);
    box->setCurrentIndex(selected);
}

} // namespace TJoinWidgets
