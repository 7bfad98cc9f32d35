#pragma once

#include "masterdata/editing/TIDObject.h"

#include <QString>

class QBoxLayout;
class QComboBox;
class QListWidget;
class QToolButton;
class QWidget;

// Building blocks the two assignment dialogs share.
namespace TJoinWidgets {

// A caption above a list, both added to the layout.
QListWidget *AddList(QWidget *owner, QBoxLayout *layout, const QString &caption, const char *name);
QToolButton *AddArrow(QWidget *owner, QBoxLayout *layout, const QString &text, const char *name);
// Shows the entries, selecting the one at that index (none for -1), without signals.
void Fill(QListWidget *list, const TIDList &entries, int selected);
void Fill(QComboBox *box, const TIDList &entries, int selected);

} // namespace TJoinWidgets
