#pragma once

#include "model/game/TPlayer.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

// One list of the wizard's team pages: entries kept in jersey number order,
// then by their text (case-insensitive; an equal text goes after those
// already there), each owning a player of its own. The widget mirrors the
// texts and the selection.
class TPickList
{
public:
    int Add(const QString &text, std::unique_ptr<TPlayer> player);
    int Count() const { return int(m_entries.size()); }
    bool IsEmpty() const { return m_entries.empty(); }
    const QString &Text(int index) const { return m_entries[size_t(index)].Text; }
    TPlayer &Player(int index) const { return *m_entries[size_t(index)].Player; }
    std::unique_ptr<TPlayer> Take(int index);
    void SetText(int index, const QString &text);
    void Clear();
    QStringList Texts() const;

    // The selected entry, -1 for none.
    int Selected() const { return m_selected; }
    void Select(int index) { m_selected = (index >= 0 && index < Count()) ? index : -1; }

    // The order of the entries: by the number a text starts with, then by text.
    static bool Before(const QString &a, const QString &b);
    // The entry text of the team pages: the number right-aligned in two places.
    static QString EntryText(const TPlayer &player);
    // The text of an entry written back or renumbered: the number in plain decimal.
    static QString PlainText(const TPlayer &player);

private:
    struct TEntry
    {
        QString Text;
        std::unique_ptr<TPlayer> Player;
    };
    std::vector<TEntry> m_entries;
    int m_selected = -1;
};
