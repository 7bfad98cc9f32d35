#include "TWriteKeys.h"

#include <QFile>
#include <QMutexLocker>

#include <sys/stat.h>

namespace {

// A key travels in an address unencoded, so it keeps to characters that
// need no encoding there.
bool isKeyText(const QByteArray &key)
{
    if (key.size() < 8 || key.size() > 64)
        return false;
    for (const char c : key) {
        const bool fine = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                          c == '-' || c == '_' || c == '.';
        if (!fine)
            return false;
    }
    return true;
}

} // namespace

TWriteKeys::TWriteKeys(const QString &path) : m_path(path) {}

QByteArray TWriteKeys::takeKey(const QByteArray &query, QByteArray *key)
{
    key->clear();
    if (!query.startsWith("key="))
        return query;
    const qsizetype end = query.indexOf('&');
    *key = query.mid(4, end < 0 ? -1 : end - 4);
    return end < 0 ? QByteArray() : query.mid(end + 1);
}

QByteArray TWriteKeys::hideKeys(const QByteArray &text)
{
    QByteArray out = text;
    qsizetype at = 0;
    while ((at = out.indexOf("key=", at)) >= 0) {
        at += 4;
        if (at > 4 && out[at - 5] != '?' && out[at - 5] != '&')
            continue;
        qsizetype end = at;
        while (end < out.size() && out[end] != '&' && out[end] != ' ')
            ++end;
        out.replace(at, end - at, "***");
    }
    return out;
}

void TWriteKeys::refresh()
{
    struct stat st = {};
    if (::stat(QFile::encodeName(m_path).constData(), &st) != 0) {
        m_keys.clear();
        m_read = false;
        m_problem = QStringLiteral("the keys file %1 cannot be read: nobody may write").arg(m_path);
        return;
    }
    const QDateTime modified =
        QDateTime::fromMSecsSinceEpoch(qint64(st.st_mtim.tv_sec) * 1000 + st.st_mtim.tv_nsec / 1000000);
    // Size and inode too: an editor's quick rewrite can keep the time.
    if (m_read && modified == m_modified && qint64(st.st_size) == m_size && quint64(st.st_ino) == m_inode)
        return;
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_keys.clear();
        m_read = false;
        m_problem = QStringLiteral("the keys file %1 cannot be read: nobody may write").arg(m_path);
        return;
    }
    QHash<QByteArray, QString> keys;
    int bad = 0;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const qsizetype gap = line.indexOf(' ') < 0 ? line.indexOf('\t') : line.indexOf(' ');
        const QByteArray key = gap < 0 ? line : line.left(gap);
        if (!isKeyText(key)) {
            ++bad;
            continue;
        }
        keys.insert(key, gap < 0 ? QString() : QString::fromUtf8(line.mid(gap + 1).trimmed()));
    }
    m_keys = keys;
    m_modified = modified;
    m_size = qint64(st.st_size);
    m_inode = quint64(st.st_ino);
    m_read = true;
    m_problem = bad == 0
                    ? QString()
                    : QStringLiteral("%1 line(s) of %2 hold no usable key (8 to 64 letters, digits, - _ .)")
                          .arg(bad)
                          .arg(m_path);
}

TWriteKeys::TVerdict TWriteKeys::check(const QByteArray &key, QString *name)
{
    if (!enforced())
        return TVerdict::Open;
    if (key.isEmpty())
        return TVerdict::Missing;
    QMutexLocker lock(&m_mutex);
    refresh();
    const auto it = m_keys.constFind(key);
    if (it == m_keys.cend())
        return TVerdict::Unknown;
    if (name)
        *name = it.value();
    return TVerdict::Valid;
}

int TWriteKeys::keyCount()
{
    QMutexLocker lock(&m_mutex);
    if (enforced())
        refresh();
    return int(m_keys.size());
}

QString TWriteKeys::problem()
{
    QMutexLocker lock(&m_mutex);
    if (enforced())
        refresh();
    return m_problem;
}
