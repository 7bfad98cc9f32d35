#include "TPlayerDirectory.h"

#include "masterdata/TdmMain.h"

QString TPlayerDirectory::PlayerNameByWebId(const QString &webId)
{
    QList<QVariantMap> rows;
    if (!m_dm.Query(
            QStringLiteral("select JatekosNev from \"Player\" where WebID = :PWEBID order by rowid limit 1"),
            {{QStringLiteral(":PWEBID"), webId}}, &rows) ||
        rows.isEmpty())
        return {};
    return rows.first().value(QStringLiteral("JatekosNev")).toString();
}
