#pragma once

#include <QList>
#include <QPair>
#include <QString>

// An ordered name=value store kept as one text: "name=value#name=value#".
// Names compare without regard to case; setting an empty value removes the pair.
class TValueStore
{
public:
    // Adds the pairs of a text; later pairs override earlier ones. A trailing
    // fragment without its "#" is taken as a pair as well.
    void Load(const QString &text);
    QString Get(const QString &name) const;
    // False (and nothing changes) for an empty name, a name holding "=" or
    // "#", or a value holding "#": the text form could not carry them.
    bool Set(const QString &name, const QString &value);
    QString Save() const;
    bool IsEmpty() const { return m_pairs.isEmpty(); }

private:
    int indexOf(const QString &name) const;
    QList<QPair<QString, QString>> m_pairs;
};
