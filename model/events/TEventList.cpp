#include "TEventList.h"

#include <algorithm>
#include <atomic>

namespace {

std::atomic<quint64> lastIdentity{0};

std::atomic<bool> &checkEveryLook()
{
    static std::atomic<bool> on{qEnvironmentVariableIsSet("PARQUETIX_CHECK_EVERY_LOOK")};
    return on;
}

} // namespace

bool TEventList::CheckEveryLook()
{
    return checkEveryLook();
}

void TEventList::SetCheckEveryLook(bool on)
{
    checkEveryLook() = on;
}

TEventList::TEventList() : m_identity(++lastIdentity) {}

TEventList::TEventList(const TEventList &other) : m_entries(other.m_entries), m_identity(++lastIdentity) {}

TEventList &TEventList::operator=(const TEventList &other)
{
    m_entries = other.m_entries;
    m_identity = ++lastIdentity;
    m_version = 0;
    return *this;
}

int TEventList::IndexOf(const QString &key) const
{
    for (int i = 0; i < m_entries.size(); ++i)
        if (m_entries[i].Key == key)
            return i;
    return -1;
}

const TGameEvent *TEventList::Find(int id) const
{
    const int i = IndexOf(id);
    return i < 0 ? nullptr : m_entries[i].Event;
}

void TEventList::Touched(const TGameEvent *event)
{
    // Changes come to the newest events far more often than to old ones.
    for (int i = int(m_entries.size()) - 1; i >= 0; --i)
        if (m_entries[i].Event == event)
            changed(i);
}

void TEventList::changed(int index)
{
    m_changes[size_t(m_version % Remembered)] = index;
    ++m_version;
}

TEventList::TWatch::TLook TEventList::TWatch::Look(const TEventList &list, size_t kept)
{
    TLook look;
    if (Identity == list.Identity())
        look.Reported = std::min(size_t(list.ChangedFrom(Version)), kept);
    look.Whole = ++Looks % 64 == 0;
    Identity = list.Identity();
    Version = list.Version();
    return look;
}

int TEventList::ChangedFrom(quint64 version) const
{
    if (version > m_version || m_version - version > Remembered)
        return 0;
    int from = Count();
    for (quint64 v = version; v < m_version; ++v)
        from = std::min(from, m_changes[size_t(v % Remembered)]);
    return std::max(from, 0);
}
