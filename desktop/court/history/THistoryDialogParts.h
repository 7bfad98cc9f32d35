#pragma once

#include "workflow/history/THistoryChoices.h"

class QDialog;
class QListWidget;
class QPushButton;

// The parts the history's list dialogs share.
namespace HistoryDialogParts {
// A list of the choices in a vertical layout of the dialog; a double click is OK.
QListWidget *ChoiceList(QDialog *dialog, const QString &name, const QList<THistoryChoice> &choices);
// The selected entry's row, -1 when none is selected.
int ChosenRow(const QListWidget *list);
// OK and Cancel under the list; OK is enabled once an entry is chosen.
QPushButton *OkCancel(QDialog *dialog, QListWidget *list);
} // namespace HistoryDialogParts
