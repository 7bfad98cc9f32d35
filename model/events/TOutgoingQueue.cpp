#include "TOutgoingQueue.h"

#include <QMutexLocker>

void TOutgoingQueue::Append(TGameEvent *event)
{
    QMutexLocker lock(&m_lock);
    m_list.Append(event);
}

bool TOutgoingQueue::Replace(TGameEvent *event)
{
    QMutexLocker lock(&m_lock);
    const int i = m_list.IndexOf(event->Key());
    if (i < 0)
        return false;
    m_list.SetAt(i, event);
    return true;
}

void TOutgoingQueue::Touched(const TGameEvent *event)
{
    QMutexLocker lock(&m_lock);
    m_list.Touched(event);
}

QString TOutgoingQueue::MessageAt(int index) const
{
    QMutexLocker lock(&m_lock);
    return index >= 0 && index < m_list.Count() ? m_list.At(index)->Message : QString();
}

void TOutgoingQueue::Acknowledge(int count)
{
    QMutexLocker lock(&m_lock);
    for (; count > 0 && !m_list.IsEmpty(); --count)
        m_list.RemoveAt(0);
}

void TOutgoingQueue::Clear()
{
    QMutexLocker lock(&m_lock);
    m_list.Clear();
}

int TOutgoingQueue::Count() const
{
    QMutexLocker lock(&m_lock);
    return m_list.Count();
}

const TGameEvent *TOutgoingQueue::At(int index) const
{
    QMutexLocker lock(&m_lock);
    return m_list.At(index);
}

QList<TEventList::Entry> TOutgoingQueue::Entries() const
{
    QMutexLocker lock(&m_lock);
    return m_list.Entries();
}

TEventList TOutgoingQueue::Snapshot() const
{
    QMutexLocker lock(&m_lock);
    return m_list.View();
}
