#include "TReviewFile.h"

#include "TAtomicFile.h"
#include "TGameFolder.h"

#include "model/game/TGame.h"

#include <QDir>

QByteArray TReviewFile::Encode(const TGameReview &review)
{
    return review.ToText().toUtf8();
}

void TReviewFile::Save(const TGame &game)
{
    if (game.GameFolder.isEmpty())
        return;
    const QString path = QDir(game.GameFolder).absoluteFilePath(QString::fromLatin1(TGameReview::FileName));
    // Another game, even in the same folder: what the file holds is read again.
    if (path != m_path || game.GameCode != m_code) {
        m_code = game.GameCode;
        bool exists = false;
        m_onDisk.clear();
        if (!TAtomicFile::Read(path, m_onDisk, &exists) || !exists)
            m_onDisk.clear();
        m_path = path;
    }
    const QByteArray bytes = Encode(game.Review);
    if (bytes == m_onDisk)
        return;
    TAtomicFile::Write(path, bytes, m_sync, *m_io);
    m_onDisk = bytes;
}

bool TReviewFile::Read(const TGameFolder &folder, TGameReview &review, QString *error)
{
    const QString name = QString::fromLatin1(TGameReview::FileName);
    QByteArray bytes;
    bool exists = false;
    QString problem;
    if (!folder.Read(name, bytes, exists, &problem)) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(name, problem);
        return false;
    }
    if (!exists) {
        review.Clear();
        return true;
    }
    if (!review.FromText(QString::fromUtf8(bytes), &problem)) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(name, problem);
        return false;
    }
    return true;
}
