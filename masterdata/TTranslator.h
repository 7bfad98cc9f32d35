#pragma once

#include "model/services/Services.h"

#include <QString>

class TdmMain;

// Translates the system's own texts through the translate table: the text
// itself is the key, per string type ("FORM", "HINT", "TABSET", "RG", "MENU",
// "PRINT", "DBTABLE") and language. A text seen for the first time is added
// with an empty translation, so running every screen once collects every
// text to be translated.
class TTranslator : public ITranslator
{
public:
    TTranslator(TdmMain &dm, QString language);

    QString Language() const { return m_language; }
    void SetLanguage(const QString &language) { m_language = language; }
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool enabled) { m_enabled = enabled; }

    // The translation, or the text itself. A storage failure leaves the text
    // as it is and is reported through *error.
    QString Translate(const QString &text, const QString &stringType, const QString &language,
                      QString *error = nullptr);
    // In the current language; failures are passed over.
    QString Translate(const QString &text, const QString &stringType) override;

    // Translates the display label of every column of every table ("DBTABLE").
    void TranslateFieldLabels(TdmMain &dm);

private:
    TdmMain &m_dm;
    QString m_language;
    bool m_enabled = true;
};
