#pragma once

#include "TScreenItem.h"

#include <QHash>
#include <QList>
#include <QPoint>
#include <deque>

// The components of the court screen by name, in painting order (later ones
// lie on top). Items never move in memory, so pointers to them stay valid.
class TScreenItems
{
public:
    TScreenItem &Add(const TScreenItem &item);
    TScreenItem *Find(const QString &name);
    const TScreenItem *Find(const QString &name) const;
    // The item of that name, created hidden and without a place when missing,
    // so the model may name an item the layout does not hold without harm.
    TScreenItem &Get(const QString &name);
    void BringToFront(const QString &name);
    // The topmost visible clickable item containing the point; null if none.
    const TScreenItem *ClickableAt(QPoint point) const;
    const QList<TScreenItem *> &PaintOrder() const { return m_order; }
    // Names the model asked for that the layout does not place.
    QStringList UnplacedNames() const;
    int Count() const { return int(m_order.size()); }

private:
    std::deque<TScreenItem> m_items;
    QHash<QString, TScreenItem *> m_byName;
    QList<TScreenItem *> m_order;
};
