#pragma once

#include "TSaveJournal.h"
#include "TSaveManifest.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// A saved game's folder as the last finished save left it: the files on disk
// with a pending journal record applied in memory. Reading never changes the
// folder. A folder can also be held in memory, for tests and fuzzing.
class TGameFolder
{
public:
    explicit TGameFolder(const QString &path);
    explicit TGameFolder(const QHash<QString, QByteArray> &files);

    const QString &Path() const { return m_path; }
    // The content of a file; exists tells whether the folder holds it. False
    // with an error naming the file when it cannot be read.
    bool Read(const QString &name, QByteArray &data, bool &exists, QString *error) const;
    bool Contains(const QString &name) const;
    // Names matching a wildcard pattern ("hazai_*.dat"), sorted: every entry,
    // also a folder or a FIFO under a file's name, so damage is not hidden.
    QStringList Files(const QString &pattern) const;
    // True when a journal record had to be applied (the last save was cut short).
    bool Recovered() const { return !m_patches.isEmpty() || !m_redo.isEmpty(); }
    // How one of the seven files of the game differs from what the last
    // completed save wrote, naming it; empty when it does not, or when the
    // folder keeps no such record for this state (older folders, a save cut
    // short before its manifest).
    QString DifferenceFromLastSave(const QString &code, const QString &file) const;
    // The same for the file's bytes as Read gave them, so a load reads each file once.
    QString DifferenceFromLastSave(const QString &code, const QString &file, const QByteArray &data,
                                   bool exists) const;

    // The seven files of a game.
    static QString GeneralFile(const QString &code);
    static QString HomeFile(const QString &code);
    static QString AwayFile(const QString &code);
    static QString HomeTimeoutsFile(const QString &code);
    static QString AwayTimeoutsFile(const QString &code);
    static QString EventsFile(const QString &code);
    static QString UnsentFile(const QString &code);
    static QStringList GameFiles(const QString &code);
    // The size above which a file of that name is refused unread: from its
    // record size and the most records a game can have, plus one record.
    static qint64 SizeLimit(const QString &name);
    // The code of the game in the folder: the part of the first "hazai_" file
    // name up to its first "."; empty when there is none.
    QString GameCode() const;

private:
    void readJournal();
    void readManifest();
    bool comparesWithLastSave(const QString &code, const QString &file) const;
    bool readRaw(const QString &name, QByteArray &data, bool &exists, QString *error) const;

    QString m_path;
    bool m_inMemory = false;
    QHash<QString, QByteArray> m_files;
    QList<TJournalPatch> m_patches;
    // The redo log's patches, replayed before m_patches; empty when the game
    // was closed or the folder keeps no log.
    QList<TJournalPatch> m_redo;
    quint32 m_redoGeneration = 0;
    // A journal that is there but cannot be read: nothing of the folder can
    // be trusted then.
    QString m_journalError;
    bool m_journalWhole = false;
    quint32 m_journalGeneration = 0;
    bool m_hasManifest = false;
    TSaveManifest m_manifest;
};
