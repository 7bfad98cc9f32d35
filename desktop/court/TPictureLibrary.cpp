#include "TPictureLibrary.h"

#include "common/TGuardedFile.h"

#include <QDir>

TPictureLibrary::TPictureLibrary(const QString &folder) : m_folder(folder) {}

const QImage &TPictureLibrary::Picture(const QString &name) const
{
    auto it = m_cache.constFind(name);
    if (it != m_cache.constEnd())
        return *it;
    QImage image;
    QByteArray bytes;
    if (!m_folder.isEmpty() &&
        TGuardedFile::ReadExisting(QDir(m_folder).filePath(name + QStringLiteral(".png")), MaxFileBytes,
                                   bytes, nullptr))
        image.loadFromData(bytes, "PNG");
    if (image.isNull())
        m_missing.append(name);
    return *m_cache.insert(name, image);
}
