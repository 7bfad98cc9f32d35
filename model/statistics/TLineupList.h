#pragma once

#include "ToCsereSorok.h"

#include <QString>
#include <memory>
#include <vector>

// The line-ups of one team in order of first appearance. Every entry is filed
// under the same constant key, so the list is never looked up by key; it
// owns its records.
class TLineupList
{
public:
    static inline const QString EntryKey = QStringLiteral("AA");

    ToCsereSorok *Append(std::unique_ptr<ToCsereSorok> record);
    int Count() const { return int(m_entries.size()); }
    bool IsEmpty() const { return m_entries.empty(); }
    ToCsereSorok *At(int index) const { return m_entries[size_t(index)].get(); }
    const QString &KeyAt(int) const { return EntryKey; }
    void Clear() { m_entries.clear(); }

private:
    std::vector<std::unique_ptr<ToCsereSorok>> m_entries;
};
