#pragma once

#include "masterdata/TLanguageRow.h"

#include <QList>
#include <QString>

class TMasterDatabase;

// The languages and the translate table of the local database.
class TTranslationTable
{
public:
    explicit TTranslationTable(TMasterDatabase &db) : m_db(db) {}

    bool UpsertLanguage(const QString &code, const QString &description);
    bool UpsertTranslation(const QString &stringType, const QString &language, const QString &text,
                           const QString &translated);
    QList<TLanguageRow> LoadLanguages();
    // found tells whether the text has a row; false only on a storage error.
    bool FindTranslation(const QString &stringType, const QString &language, const QString &text,
                         QString *translated, bool *found);
    // A row with an empty translation, for a translator to fill in.
    bool InsertTranslation(const QString &stringType, const QString &language, const QString &text);

private:
    TMasterDatabase &m_db;
};
