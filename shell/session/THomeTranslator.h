#pragma once

#include "masterdata/TdmMain.h"
#include "model/services/Services.h"

#include <QString>
#include <memory>

class TTranslator;

// The translator of an application home: the translate table of the home's
// database in the language of the settings. The desktop program and the
// command-line tool both record through it, so a game saved by one reads the
// same in the other. Without a database the texts stay as they are written.
class THomeTranslator
{
public:
    // createMissing: a home without a database gets a new, empty one (the
    // desktop program, which collects the texts to translate); otherwise it
    // is left alone, which translates the same, since an empty table has no
    // translations.
    THomeTranslator(const QString &home, bool createMissing);
    ~THomeTranslator();
    THomeTranslator(const THomeTranslator &) = delete;
    THomeTranslator &operator=(const THomeTranslator &) = delete;

    // False when the database could not be opened; Translator() then gives
    // every text back unchanged.
    bool IsOpen() const { return m_translator != nullptr; }
    const QString &OpenError() const { return m_openError; }

    // The LANGUAGE setting, once the settings are read.
    void SetLanguage(const QString &language);
    QString Language() const;

    ITranslator &Translator();
    // Null without a database.
    TTranslator *DatabaseTranslator() { return m_translator.get(); }
    TdmMain &DataModule() { return m_dm; }

private:
    TdmMain m_dm;
    std::unique_ptr<TTranslator> m_translator;
    TIdentityTranslator m_identity;
    QString m_openError;
    QString m_language = QStringLiteral("HUN");
};
