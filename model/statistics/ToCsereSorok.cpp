#include "ToCsereSorok.h"

#include <QStringList>

QString ToCsereSorok::KeyOf(const QList<TQuintetPlayer> &members)
{
    QStringList ids;
    ids.reserve(members.size());
    for (const TQuintetPlayer &m : members)
        ids.append(m.WebID);
    ids.sort(Qt::CaseSensitive);
    return ids.join(QString());
}

QString ToCsereSorok::Key() const
{
    return KeyOf(QList<TQuintetPlayer>(Members.begin(), Members.end()));
}
