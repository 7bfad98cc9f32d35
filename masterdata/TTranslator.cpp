#include "TTranslator.h"

#include "masterdata/TSchema.h"
#include "masterdata/TdmMain.h"

TTranslator::TTranslator(TdmMain &dm, QString language) : m_dm(dm), m_language(std::move(language)) {}

QString TTranslator::Translate(const QString &text, const QString &stringType, const QString &language,
                               QString *error)
{
    if (error)
        error->clear();
    if (!m_enabled || text.isEmpty())
        return text;
    QString translated;
    bool found = false;
    if (!m_dm.FindTranslation(stringType, language, text, &translated, &found)) {
        if (error)
            *error = m_dm.LastError();
        return text;
    }
    if (found)
        return translated.isEmpty() ? text : translated;
    if (!m_dm.InsertTranslation(stringType, language, text) && error)
        *error = m_dm.LastError();
    return text;
}

QString TTranslator::Translate(const QString &text, const QString &stringType)
{
    return Translate(text, stringType, m_language);
}

void TTranslator::TranslateFieldLabels(TdmMain &dm)
{
    for (const TSchema::TTable &table : TSchema::Tables())
        for (const TSchema::TColumn &column : table.columns)
            dm.SetDisplayLabel(
                table.name, column.name,
                Translate(dm.DisplayLabel(table.name, column.name), QStringLiteral("DBTABLE")));
}
