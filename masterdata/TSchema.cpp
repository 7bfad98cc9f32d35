#include "TSchema.h"

#include <QSqlError>
#include <QSqlQuery>

namespace {

using TType = TSchema::TType;

TSchema::TColumn autoId(const char *name)
{
    return {QString::fromLatin1(name), TType::Auto, 0};
}
TSchema::TColumn integer(const char *name)
{
    return {QString::fromLatin1(name), TType::Integer, 0};
}
TSchema::TColumn text(const char *name, int width)
{
    return {QString::fromLatin1(name), TType::Text, width};
}
TSchema::TIndex index(std::initializer_list<const char *> columns, bool unique = false)
{
    TSchema::TIndex i{{}, unique};
    for (const char *c : columns)
        i.columns << QString::fromLatin1(c);
    return i;
}

QList<TSchema::TTable> buildTables()
{
    QList<TSchema::TTable> t;
    t << TSchema::TTable{QStringLiteral("League"),
                         {autoId("LigaID"), text("WebID", 12), text("LigaNev", 60), text("MusorLetezik", 1)},
                         {index({"LigaNev"}), index({"WebID"})},
                         true};
    t << TSchema::TTable{
        QStringLiteral("Team"),
        {autoId("CsapatID"), text("WebID", 12), text("EgyesuletNev", 60), text("EgyesuletRovidNev", 3),
         text("EgyesuletSzin", 30), text("EgyesuletCim", 200), text("EgyesuletTel", 20),
         text("EgyesuletCsarnok", 200), text("EgyesuletCsarnokTelefon", 20),
         integer("EgyesuletCsarnokFerohely"), text("EgyesuletEdzoNev", 60), text("EgyesuletElnokNev", 60),
         text("EgyesuletTechNev", 60), text("EgyesuletGyozelmek", 200), text("EgyesuletEredetiNev", 60)},
        {index({"EgyesuletNev"}), index({"WebID"})},
        true};
    t << TSchema::TTable{QStringLiteral("Player"),
                         {autoId("JatekosID"), text("WebID", 12), text("JatekosNev", 60),
                          text("JatekosRovidNev", 60), text("Szuletes", 20), integer("JatekosTestMagassag"),
                          integer("JatekosSuly"), text("JatekosPoszt", 5), integer("JatekosMezSzam"),
                          text("JatekosOrszagID", 20), text("JatekosEredetiNev", 255)},
                         {index({"JatekosNev"}), index({"WebID"})},
                         true};
    t << TSchema::TTable{
        QStringLiteral("LeagueTeam"),
        {integer("LigaID"), integer("CsapatID"), text("LigaWebID", 12), text("CsapatWebID", 12)},
        {index({"LigaWebID", "CsapatWebID"}), index({"LigaID", "CsapatID"})},
        true};
    t << TSchema::TTable{
        QStringLiteral("TeamPlayer"),
        {integer("LigaID"), integer("CsapatID"), integer("JatekosID"), text("LigaWebID", 12),
         text("CsapatWebID", 12), text("JatekosWebID", 12)},
        {index({"LigaWebID", "CsapatWebID", "JatekosWebID"}), index({"LigaID", "CsapatID", "JatekosID"})},
        true};
    t << TSchema::TTable{QStringLiteral("Game"),
                         {autoId("ID"), integer("LigaID"), integer("HazaiCsapatID"),
                          integer("VendegCsapatID"), text("LigaWebID", 12), text("HazaiCsapatWebID", 12),
                          text("VendegCsapatWebID", 12), text("Datum", 15), text("Nap", 10), text("Ora", 6),
                          text("MerkozesKod", 50), text("Note", 255), text("Biro1", 100), text("Biro2", 100),
                          text("Biro3", 100)},
                         {index({"MerkozesKod"}), index({"HazaiCsapatID"}), index({"VendegCsapatID"})},
                         true};
    t << TSchema::TTable{QStringLiteral("Staff"),
                         {text("Name", 128), text("Type", 1)},
                         {index({"Name", "Type"}, true), index({"Type", "Name"})},
                         true};
    t << TSchema::TTable{QStringLiteral("translate"),
                         {text("StringType", 8), text("Language", 3), text("NonTranslatedString", 255),
                          text("TranslatedString", 255)},
                         {index({"StringType", "Language", "NonTranslatedString"}, true)},
                         false};
    t << TSchema::TTable{QStringLiteral("Language"),
                         {text("Language", 3), text("Description", 30)},
                         {index({"Language"}, true)},
                         false};
    return t;
}

} // namespace

const TSchema::TColumn *TSchema::TTable::column(const QString &columnName) const
{
    for (const TColumn &c : columns)
        if (c.name == columnName)
            return &c;
    return nullptr;
}

QStringList TSchema::TTable::columnNames() const
{
    QStringList names;
    for (const TColumn &c : columns)
        names << c.name;
    return names;
}

const QList<TSchema::TTable> &TSchema::Tables()
{
    static const QList<TTable> tables = buildTables();
    return tables;
}

const TSchema::TTable *TSchema::Table(const QString &name)
{
    for (const TTable &t : Tables())
        if (t.name == name)
            return &t;
    return nullptr;
}

QStringList TSchema::MasterDataTables()
{
    QStringList names;
    for (const TTable &t : Tables())
        if (t.masterData)
            names << t.name;
    return names;
}

int TSchema::Width(const QString &table, const QString &column)
{
    const TTable *t = Table(table);
    const TColumn *c = t ? t->column(column) : nullptr;
    return c && c->type == TType::Text ? c->width : 0;
}

QString TSchema::CutTo(const QString &text, int width)
{
    if (text.size() <= width)
        return text.isNull() ? QStringLiteral("") : text;
    int n = width;
    // Never leave half of a surrogate pair behind.
    if (n > 0 && text.at(n - 1).isHighSurrogate())
        --n;
    return text.left(n);
}

QString TSchema::Cut(const QString &table, const QString &column, const QString &text)
{
    const int width = Width(table, column);
    if (width <= 0)
        return text.isNull() ? QStringLiteral("") : text;
    return CutTo(text, width);
}

QString TSchema::Quote(const QString &identifier)
{
    QString q = identifier;
    q.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + q + QLatin1Char('"');
}

int TSchema::Version(QSqlDatabase &db, QString *error)
{
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next()) {
        if (error)
            *error = q.lastError().text();
        return -1;
    }
    return q.value(0).toInt();
}

QStringList TSchema::createStatements()
{
    QStringList sql;
    for (const TTable &t : Tables()) {
        QStringList cols;
        for (const TColumn &c : t.columns) {
            switch (c.type) {
            case TType::Auto:
                cols << Quote(c.name) + QLatin1String(" INTEGER PRIMARY KEY AUTOINCREMENT");
                break;
            case TType::Integer:
                cols << Quote(c.name) + QLatin1String(" INTEGER");
                break;
            case TType::Text:
                cols << Quote(c.name) + QStringLiteral(" VARCHAR(%1)").arg(c.width);
                break;
            }
        }
        sql << QStringLiteral("CREATE TABLE %1 (%2)").arg(Quote(t.name), cols.join(QLatin1String(", ")));
        for (const TIndex &i : t.indexes) {
            QStringList quoted;
            for (const QString &c : i.columns)
                quoted << Quote(c);
            sql << QStringLiteral("CREATE %1INDEX %2 ON %3 (%4)")
                       .arg(i.unique ? QStringLiteral("UNIQUE ") : QString(),
                            Quote(t.name + QLatin1Char('_') + i.columns.join(QLatin1Char('_'))),
                            Quote(t.name), quoted.join(QLatin1String(", ")));
        }
    }
    return sql;
}

bool TSchema::Upgrade(QSqlDatabase &db, QString *error)
{
    QString why;
    const int version = Version(db, &why);
    if (version < 0) {
        if (error)
            *error = QStringLiteral("Cannot read the database version: %1").arg(why);
        return false;
    }
    if (version == CurrentVersion)
        return true;
    if (version > CurrentVersion) {
        if (error)
            *error =
                QStringLiteral("The database has schema version %1; this program knows versions up to %2")
                    .arg(version)
                    .arg(CurrentVersion);
        return false;
    }

    // One list of statements per step from version n to n + 1; later
    // versions append their steps here.
    QList<QStringList> steps;
    steps << createStatements();

    if (!db.transaction()) {
        if (error)
            *error = db.lastError().text();
        return false;
    }
    QSqlQuery q(db);
    for (int v = version; v < CurrentVersion; ++v) {
        for (const QString &statement : steps.at(v)) {
            if (!q.exec(statement)) {
                const QString reason = q.lastError().text();
                db.rollback();
                if (error)
                    *error = QStringLiteral("Cannot upgrade the database to version %1: %2")
                                 .arg(v + 1)
                                 .arg(reason);
                return false;
            }
        }
    }
    // PRAGMA takes no bound parameters; the value is our own constant.
    if (!q.exec(QStringLiteral("PRAGMA user_version = %1").arg(CurrentVersion)) || !db.commit()) {
        const QString reason = q.lastError().isValid() ? q.lastError().text() : db.lastError().text();
        db.rollback();
        if (error)
            *error = reason;
        return false;
    }
    return true;
}
