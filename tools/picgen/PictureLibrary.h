#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

// Draws every picture of the court screen's library and writes one folder of
// PNG files per interface language.
class PictureLibrary
{
public:
    // Languages with their own captions; any other falls back to ENG.
    static QStringList languages();
    // The picture of that name, drawn for a language; a null image for an
    // unknown name.
    static QImage draw(const QString &name, const QString &language);
    // Writes root/<LANGUAGE>/<NAME>.png for every picture and language,
    // replacing each file atomically. Returns an error text, empty on success.
    static QString write(const QString &root);
};
