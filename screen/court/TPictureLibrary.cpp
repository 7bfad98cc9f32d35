#include "TPictureLibrary.h"

#include <QDir>

TPictureLibrary::TPictureLibrary(const QString &folder) : m_folder(folder) {}

const QImage &TPictureLibrary::Picture(const QString &name) const
{
    auto it = m_cache.constFind(name);
    if (it != m_cache.constEnd())
        return *it;
    QImage image;
    if (!m_folder.isEmpty())
        image.load(QDir(m_folder).filePath(name + QStringLiteral(".png")), "PNG");
    if (image.isNull())
        m_missing.append(name);
    return *m_cache.insert(name, image);
}
