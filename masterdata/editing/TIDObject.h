#pragma once

#include <QCollator>
#include <QList>
#include <QString>

// What an entry of an assignment list carries besides its text: the row's
// local identifier and its web identifier.
struct TIDObject
{
    int ID = 0;
    QString WebID;
};

// One list entry; a list holds its objects by value, so emptying it frees them.
struct TIDEntry
{
    QString Text;
    TIDObject Object;
};

using TIDList = QList<TIDEntry>;

// Lists and drop-downs show their entries sorted by text in the order of the
// edition's language; equal texts keep the order they were read in.
void SortByText(TIDList &list, const QCollator &order);
// The index of the entry with that identifier, -1 when none.
int IndexOfId(const TIDList &list, int id);
