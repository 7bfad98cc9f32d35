#pragma once

#include "TestHome.h"
#include "model/services/Services.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>

// The translations shipped in masterdata/data/translations.tsv as one
// edition's translator, for tests that look at windows in that edition's
// language. It notes every text asked for that has no translation there, and
// tells the words of a shown text that belong to the other edition only.
class TShippedTranslations : public ITranslator
{
public:
    explicit TShippedTranslations(const QString &language) : m_language(language)
    {
        QFile file(sourceFolder() + QStringLiteral("/masterdata/data/translations.tsv"));
        if (!file.open(QIODevice::ReadOnly))
            return;
        QStringList header;
        for (const QByteArray &raw : file.readAll().split('\n')) {
            const QStringList cells = QString::fromUtf8(raw).split(QLatin1Char('\t'));
            if (cells.value(0) == QLatin1String("StringType")) {
                header = cells;
                continue;
            }
            if (header.isEmpty() || cells.size() != header.size())
                continue;
            for (int column = 2; column < cells.size(); ++column) {
                const QString &translation = cells[column];
                if (translation.isEmpty())
                    continue;
                if (header[column] == language)
                    m_texts.insert(cells[0] + QLatin1Char('\t') + cells[1], translation);
                QSet<QString> &words = header[column] == language ? m_own : m_other;
                for (const QString &w : wordsOf(translation))
                    words.insert(w);
            }
        }
    }

    QString Translate(const QString &text, const QString &section) override
    {
        const auto it = m_texts.constFind(section + QLatin1Char('\t') + text);
        if (it != m_texts.constEnd())
            return *it;
        if (!Misses.contains(section + QLatin1Char('\t') + text))
            Misses << section + QLatin1Char('\t') + text;
        return text;
    }

    // The words of a text (two letters or more, lower case) that only the
    // other editions' translations use.
    QStringList ForeignWords(const QString &text) const
    {
        QStringList foreign;
        for (const QString &w : wordsOf(text))
            if (m_other.contains(w) && !m_own.contains(w))
                foreign << w;
        return foreign;
    }

    bool Loaded() const { return !m_texts.isEmpty(); }
    QString Language() const { return m_language; }
    // "SECTION<TAB>text" of every text asked for without a translation.
    QStringList Misses;

private:
    static QStringList wordsOf(const QString &text)
    {
        static const QRegularExpression letters(QStringLiteral("[^\\p{L}]+"));
        QStringList words;
        for (const QString &w : text.toLower().split(letters, Qt::SkipEmptyParts))
            if (w.size() >= 2)
                words << w;
        return words;
    }

    QString m_language;
    QHash<QString, QString> m_texts;
    QSet<QString> m_own;
    QSet<QString> m_other;
};
