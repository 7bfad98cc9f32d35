#include "TFormTranslator.h"

#include "model/services/Services.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QAction>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QToolBox>
#include <QToolButton>
#include <QTreeView>
#include <functional>

namespace {

template <typename F> void guarded(F step)
{
    try {
        step();
    } catch (...) {
        // A component that cannot be translated keeps its text.
    }
}

void translateHeader(QAbstractItemView *view, QHeaderView *header,
                     const std::function<QString(const QString &)> &tr)
{
    QAbstractItemModel *model = view->model();
    if (!model || !header)
        return;
    for (int section = 0; section < model->columnCount(); ++section) {
        const QVariant title = model->headerData(section, Qt::Horizontal, Qt::DisplayRole);
        // Sections without a title of their own show their number: nothing to translate.
        if (title.metaType().id() != QMetaType::QString || title.toString().isEmpty())
            continue;
        model->setHeaderData(section, Qt::Horizontal, tr(title.toString()), Qt::DisplayRole);
    }
}

} // namespace

QString TFormTranslator::ImplicitToolTip(const QString &actionText)
{
    QString text = actionText;
    text.remove(QStringLiteral("..."));
    QString result;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('&')) {
            if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('&'))
                result += text.at(++i);
            continue;
        }
        result += text.at(i);
    }
    return result;
}

QString TFormTranslator::translate(const QString &text, const char *stringType)
{
    return m_translator.Translate(text, QLatin1String(stringType));
}

void TFormTranslator::TranslateForm(QWidget *form)
{
    if (!form)
        return;
    guarded([&] {
        if (!form->windowTitle().isEmpty())
            form->setWindowTitle(translate(form->windowTitle(), "FORM"));
    });
    const QList<QWidget *> widgets = form->findChildren<QWidget *>();
    for (QWidget *widget : widgets)
        guarded([&] { translateWidget(widget); });
    const QList<QAction *> actions = form->findChildren<QAction *>();
    for (QAction *action : actions)
        guarded([&] { translateAction(action); });
}

void TFormTranslator::translateWidget(QWidget *widget)
{
    auto *tool = qobject_cast<QToolButton *>(widget);
    if (tool && tool->defaultAction())
        return; // shows its action's text and tip, translated with the actions
    if (!widget->toolTip().isEmpty())
        widget->setToolTip(translate(widget->toolTip(), "HINT"));

    if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
        if (button->text().isEmpty())
            return;
        const bool radioItem =
            qobject_cast<QRadioButton *>(widget) && qobject_cast<QGroupBox *>(widget->parent());
        button->setText(translate(button->text(), radioItem ? "RG" : "FORM"));
    } else if (auto *label = qobject_cast<QLabel *>(widget)) {
        if (!label->text().isEmpty())
            label->setText(translate(label->text(), "FORM"));
    } else if (auto *group = qobject_cast<QGroupBox *>(widget)) {
        if (!group->title().isEmpty())
            group->setTitle(translate(group->title(), "FORM"));
    } else if (auto *tabs = qobject_cast<QTabWidget *>(widget)) {
        for (int i = 0; i < tabs->count(); ++i)
            guarded([&] { tabs->setTabText(i, translate(tabs->tabText(i), "TABSET")); });
    } else if (auto *bar = qobject_cast<QTabBar *>(widget)) {
        if (qobject_cast<QTabWidget *>(bar->parent()))
            return; // the tab widget's own bar, done through the tab widget
        for (int i = 0; i < bar->count(); ++i)
            guarded([&] { bar->setTabText(i, translate(bar->tabText(i), "TABSET")); });
    } else if (auto *box = qobject_cast<QToolBox *>(widget)) {
        for (int i = 0; i < box->count(); ++i)
            guarded([&] { box->setItemText(i, translate(box->itemText(i), "TABSET")); });
    } else if (auto *tree = qobject_cast<QTreeView *>(widget)) {
        translateHeader(tree, tree->header(), [&](const QString &t) { return translate(t, "TABSET"); });
    } else if (auto *table = qobject_cast<QTableView *>(widget)) {
        translateHeader(table, table->horizontalHeader(),
                        [&](const QString &t) { return translate(t, "TABSET"); });
    }
}

void TFormTranslator::translateAction(QAction *action)
{
    if (action->isSeparator() || action->text() == QLatin1String("-"))
        return;
    const QString toolTip = action->toolTip();
    const bool ownToolTip = toolTip != ImplicitToolTip(action->text());
    if (!action->text().isEmpty())
        action->setText(translate(action->text(), "MENU"));
    if (ownToolTip && !toolTip.isEmpty())
        action->setToolTip(translate(toolTip, "HINT"));
    if (!action->statusTip().isEmpty())
        action->setStatusTip(translate(action->statusTip(), "HINT"));
}
