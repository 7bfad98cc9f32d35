#include "TScreenItems.h"

TScreenItem &TScreenItems::Add(const TScreenItem &item)
{
    if (TScreenItem *existing = Find(item.Name)) {
        *existing = item;
        return *existing;
    }
    m_items.push_back(item);
    TScreenItem *stored = &m_items.back();
    m_byName.insert(item.Name, stored);
    m_order.append(stored);
    return *stored;
}

TScreenItem *TScreenItems::Find(const QString &name)
{
    return m_byName.value(name, nullptr);
}

const TScreenItem *TScreenItems::Find(const QString &name) const
{
    return m_byName.value(name, nullptr);
}

TScreenItem &TScreenItems::Get(const QString &name)
{
    if (TScreenItem *item = Find(name))
        return *item;
    TScreenItem item;
    item.Name = name;
    item.Kind = TScreenItem::Unplaced;
    item.Visible = false;
    return Add(item);
}

void TScreenItems::BringToFront(const QString &name)
{
    TScreenItem *item = Find(name);
    if (!item)
        return;
    m_order.removeOne(item);
    // Overlays stay above everything brought to the front after them.
    qsizetype at = m_order.size();
    while (item->Kind != TScreenItem::Overlay && at > 0 && m_order[at - 1]->Kind == TScreenItem::Overlay)
        --at;
    m_order.insert(at, item);
}

const TScreenItem *TScreenItems::ClickableAt(QPoint point) const
{
    for (auto it = m_order.crbegin(); it != m_order.crend(); ++it) {
        const TScreenItem *item = *it;
        if (item->Clickable && item->Visible && item->Enabled && item->Rect.contains(point))
            return item;
    }
    return nullptr;
}

QStringList TScreenItems::UnplacedNames() const
{
    QStringList names;
    for (const TScreenItem *item : m_order)
        if (item->Kind == TScreenItem::Unplaced)
            names.append(item->Name);
    return names;
}
