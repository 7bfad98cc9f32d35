#include "TValueStore.h"

void TValueStore::Load(const QString &text)
{
    QString rest = text;
    while (!rest.isEmpty()) {
        const qsizetype hash = rest.indexOf(QLatin1Char('#'));
        const QString pair = hash < 0 ? rest : rest.left(hash);
        rest = hash < 0 ? QString() : rest.mid(hash + 1);
        const qsizetype eq = pair.indexOf(QLatin1Char('='));
        if (eq < 0)
            Set(pair, QString());
        else
            Set(pair.left(eq), pair.mid(eq + 1));
    }
}

int TValueStore::indexOf(const QString &name) const
{
    for (int i = 0; i < m_pairs.size(); ++i)
        if (m_pairs[i].first.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QString TValueStore::Get(const QString &name) const
{
    const int i = indexOf(name);
    return i < 0 ? QString() : m_pairs[i].second;
}

bool TValueStore::Set(const QString &name, const QString &value)
{
    if (name.isEmpty() || name.contains(QLatin1Char('=')) || name.contains(QLatin1Char('#')) ||
        value.contains(QLatin1Char('#')))
        return false;
    const int i = indexOf(name);
    if (value.isEmpty()) {
        if (i >= 0)
            m_pairs.removeAt(i);
        return true;
    }
    if (i >= 0)
        m_pairs[i].second = value;
    else
        m_pairs.append({name, value});
    return true;
}

QString TValueStore::Save() const
{
    QString out;
    for (const auto &p : m_pairs)
        out += p.first + QLatin1Char('=') + p.second + QLatin1Char('#');
    return out;
}
