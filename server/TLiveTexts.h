#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

// The texts of the live pages in Hungarian or English, taken from the
// program's own translation table where it has them, so a page and the
// program's reports name things alike.
class TLiveTexts
{
public:
    enum class Language
    {
        Hungarian,
        English
    };

    // "hu" or "en" from a choice on the page; otherwise the first of them the
    // Accept-Language header asks for (by its weights); otherwise English.
    static Language choose(const QByteArray &choice, const QByteArray &acceptLanguage);
    static QByteArray code(Language language) { return language == Language::Hungarian ? "hu" : "en"; }

    explicit TLiveTexts(Language language);

    Language language() const { return m_language; }
    // The text for key: the translation table's column of the language, or
    // the page's own translation, or the key itself.
    QString tr(const QString &key) const;

    // The translation table as the program ships it: key -> (HUN, ENG).
    static const QHash<QString, std::pair<QString, QString>> &table();

private:
    Language m_language;
};
