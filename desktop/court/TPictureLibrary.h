#pragma once

#include <QHash>
#include <QImage>
#include <QString>
#include <QStringList>

// The screen pictures of the interface language: one PNG per picture name in
// the library folder. A missing or unreadable file gives a null image, and
// the name is remembered so the screen can say what is missing. A file that
// is not a regular file, or is larger than any screen picture, is not read.
class TPictureLibrary
{
public:
    static constexpr qint64 MaxFileBytes = qint64(32) << 20;

    explicit TPictureLibrary(const QString &folder = {});

    const QString &Folder() const { return m_folder; }
    const QImage &Picture(const QString &name) const;
    bool Has(const QString &name) const { return !Picture(name).isNull(); }
    // Names asked for that have no readable file, in the order asked.
    const QStringList &Missing() const { return m_missing; }

private:
    QString m_folder;
    mutable QHash<QString, QImage> m_cache;
    mutable QStringList m_missing;
};
