#include "TPickList.h"

#include <algorithm>

namespace {

// The jersey number an entry starts with ("  7 : ..." or "7 : ..."); -1 for none.
int leadingNumber(const QString &text)
{
    const QString number = text.section(QLatin1Char(':'), 0, 0).trimmed();
    bool ok = false;
    const int value = number.toInt(&ok);
    return ok ? value : -1;
}

} // namespace

bool TPickList::Before(const QString &a, const QString &b)
{
    const int left = leadingNumber(a), right = leadingNumber(b);
    if (left != right)
        return left < right;
    return QString::compare(a, b, Qt::CaseInsensitive) < 0;
}

int TPickList::Add(const QString &text, std::unique_ptr<TPlayer> player)
{
    const auto at = std::upper_bound(m_entries.begin(), m_entries.end(), text,
                                     [](const QString &t, const TEntry &e) { return Before(t, e.Text); });
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
    return PlayerStats::RosterEntry(player.JatekosMezSzam, player.JatekosNev);
}

QString TPickList::PlainText(const TPlayer &player)
{
    return PlayerStats::PlainRosterEntry(player.JatekosMezSzam, player.JatekosNev);
}
