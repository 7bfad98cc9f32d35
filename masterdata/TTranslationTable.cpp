#include "TTranslationTable.h"

#include "TMasterDatabase.h"

#include "masterdata/TSchema.h"

#include <QSqlQuery>

bool TTranslationTable::UpsertLanguage(const QString &code, const QString &description)
{
    return m_db.Upsert(QStringLiteral("Language"), {QStringLiteral("Language")}, {code},
                       {QStringLiteral("Description")}, {description}, {}) >= 0;
}

bool TTranslationTable::UpsertTranslation(const QString &stringType, const QString &language,
                                          const QString &text, const QString &translated)
{
    return m_db.Upsert(QStringLiteral("translate"),
                       {QStringLiteral("StringType"), QStringLiteral("Language"),
                        QStringLiteral("NonTranslatedString")},
                       {stringType, language, text}, {QStringLiteral("TranslatedString")}, {translated},
                       {}) >= 0;
}

bool TTranslationTable::FindTranslation(const QString &stringType, const QString &language,
                                        const QString &text, QString *translated, bool *found)
{
    *found = false;
    if (!m_db.EnsureOpen())
        return false;
    QSqlQuery *q =
        m_db.Prepare(QStringLiteral("select TranslatedString from \"translate\" where StringType = :PTYPE "
                                    "and Language = :PLANG and NonTranslatedString = :PTEXT"));
    if (!q)
        return false;
    const QString table = QStringLiteral("translate");
    q->bindValue(QStringLiteral(":PTYPE"), TSchema::Cut(table, QStringLiteral("StringType"), stringType));
    q->bindValue(QStringLiteral(":PLANG"), TSchema::Cut(table, QStringLiteral("Language"), language));
    q->bindValue(QStringLiteral(":PTEXT"), TSchema::Cut(table, QStringLiteral("NonTranslatedString"), text));
    if (!m_db.Exec(q))
        return false;
    if (q->next()) {
        *found = true;
        *translated = q->value(0).toString();
    }
    q->finish();
    return true;
}

bool TTranslationTable::InsertTranslation(const QString &stringType, const QString &language,
                                          const QString &text)
{
    if (!m_db.EnsureOpen())
        return false;
    QSqlQuery *q =
        m_db.Prepare(QStringLiteral("insert into \"translate\" (StringType, Language, NonTranslatedString, "
                                    "TranslatedString) values (:PTYPE, :PLANG, :PTEXT, '')"));
    if (!q)
        return false;
    const QString table = QStringLiteral("translate");
    q->bindValue(QStringLiteral(":PTYPE"), TSchema::Cut(table, QStringLiteral("StringType"), stringType));
    q->bindValue(QStringLiteral(":PLANG"), TSchema::Cut(table, QStringLiteral("Language"), language));
    q->bindValue(QStringLiteral(":PTEXT"), TSchema::Cut(table, QStringLiteral("NonTranslatedString"), text));
    const bool ok = m_db.Exec(q);
    if (ok)
        m_db.CountAdded(table);
    return ok;
}

QList<TLanguageRow> TTranslationTable::LoadLanguages()
{
    QList<TLanguageRow> result;
    if (!m_db.EnsureOpen())
        return result;
    QSqlQuery *q = m_db.Prepare(QStringLiteral("select * from \"Language\" order by rowid"));
    if (!q || !m_db.Exec(q))
        return result;
    while (q->next())
        result << TLanguageRow{q->value(QStringLiteral("Language")).toString(),
                               q->value(QStringLiteral("Description")).toString()};
    q->finish();
    return result;
}
