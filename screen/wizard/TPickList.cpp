#include "TPickList.h"

#include <algorithm>

int TPickList::Add(const QString &text, std::unique_ptr<TPlayer> player)
{
    const auto at =
        std::upper_bound(m_entries.begin(), m_entries.end(), text, [](const QString &t, const TEntry &e) {
            return QString::compare(t, e.Text, Qt::CaseInsensitive) < 0;
        });
    const int index = int(at - m_entries.begin());
    m_entries.insert(at, TEntry{text, std::move(player)});
    if (m_selected >= index)
        ++m_selected;
    return index;
}

std::unique_ptr<TPlayer> TPickList::Take(int index)
{
    std::unique_ptr<TPlayer> player = std::move(m_entries[size_t(index)].Player);
    m_entries.erase(m_entries.begin() + index);
    if (m_selected == index)
        m_selected = -1;
    else if (m_selected > index)
        --m_selected;
    return player;
}

void TPickList::SetText(int index, const QString &text)
{
    // The entry moves to its new place in the order and stays selected.
    const bool selected = m_selected == index;
    std::unique_ptr<TPlayer> player = Take(index);
    const int at = Add(text, std::move(player));
    if (selected)
        m_selected = at;
}

void TPickList::Clear()
{
    m_entries.clear();
    m_selected = -1;
}

QStringList TPickList::Texts() const
{
    QStringList texts;
    for (const TEntry &e : m_entries)
        texts.append(e.Text);
    return texts;
}

QString TPickList::EntryText(const TPlayer &player)
{
    return (QStringLiteral("  ") + QString::number(player.JatekosMezSzam)).right(2) + QStringLiteral(" : ") +
           player.JatekosNev;
}

QString TPickList::PlainText(const TPlayer &player)
{
    return QString::number(player.JatekosMezSzam) + QStringLiteral(" : ") + player.JatekosNev;
}
