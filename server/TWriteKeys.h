#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QMutex>
#include <QString>

// The workstations that may write: a text file of keys, one a line, each
// followed by the workstation's name ("# ..." lines are notes). The file is
// read again whenever it changes, so a key is added or revoked without a
// restart; a file that cannot be read lets nobody write.
class TWriteKeys
{
public:
    enum class TVerdict
    {
        Open,
        Valid,
        Missing,
        Unknown
    };

    // An empty path: no keys file, every client may write.
    explicit TWriteKeys(const QString &path = QString());

    bool enforced() const { return !m_path.isEmpty(); }
    const QString &path() const { return m_path; }
    // The verdict on key; name gets the workstation's name of a valid key.
    TVerdict check(const QByteArray &key, QString *name = nullptr);
    // Keys read from the file as it is now.
    int keyCount();
    // What is wrong with the file, empty when nothing.
    QString problem();

    // Splits "key=KEY&rest" into KEY and rest; a query without a key in
    // front comes back whole with an empty key.
    static QByteArray takeKey(const QByteArray &query, QByteArray *key);
    // query with every key's value hidden, for the log.
    static QByteArray hideKeys(const QByteArray &text);

private:
    void refresh();

    QString m_path;
    QMutex m_mutex;
    QHash<QByteArray, QString> m_keys;
    QDateTime m_modified;
    qint64 m_size = -1;
    quint64 m_inode = 0;
    bool m_read = false;
    QString m_problem;
};
