#pragma once

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

// The tables of the local database, their columns with widths and their
// indexes, kept as data so that the code that writes rows can cut texts to
// their column width and the schema can be created or upgraded in place.
//
// The version lives in PRAGMA user_version. A database written by a newer
// program is refused rather than touched.
class TSchema
{
public:
    enum class TType
    {
        Auto,
        Integer,
        Text
    };

    struct TColumn
    {
        QString name;
        TType type;
        int width; // characters, texts only
    };

    struct TIndex
    {
        QStringList columns;
        bool unique;
    };

    struct TTable
    {
        QString name;
        QList<TColumn> columns;
        QList<TIndex> indexes;
        bool masterData; // restored from the pristine copy by EmptyDatabase

        const TColumn *column(const QString &name) const;
        QStringList columnNames() const;
    };

    static constexpr int CurrentVersion = 1;

    static const QList<TTable> &Tables();
    static const TTable *Table(const QString &name);
    // The seven master data tables, in the order they are restored.
    static QStringList MasterDataTables();

    // Width of a text column; 0 for unknown or non-text columns.
    static int Width(const QString &table, const QString &column);
    // The text cut to the column's width, never a null string (a null
    // QString would be bound as NULL).
    static QString Cut(const QString &table, const QString &column, const QString &text);
    static QString CutTo(const QString &text, int width);

    static int Version(QSqlDatabase &db, QString *error = nullptr);
    // Creates a missing schema or upgrades an older one to CurrentVersion in
    // one transaction. Returns false with the reason, leaving the file as it was.
    static bool Upgrade(QSqlDatabase &db, QString *error = nullptr);

    static QString Quote(const QString &identifier);

private:
    static QStringList createStatements();
};
