#include "TLineupList.h"

ToCsereSorok *TLineupList::Append(std::unique_ptr<ToCsereSorok> record)
{
    m_entries.push_back(std::move(record));
    return m_entries.back().get();
}
