#pragma once

#include <QByteArray>
#include <QString>

class TFileIo;
class TGame;
class TGameFolder;
class TGameReview;

// The operator's decisions about a game's flags, in their own file beside the
// seven record files (TGameReview::FileName), so folders without it load as
// before and older programs never see it. Written only when the decisions
// change, replacing the file whole.
class TReviewFile
{
public:
    explicit TReviewFile(TFileIo &io) : m_io(&io) {}
    void SetFileIo(TFileIo &io) { m_io = &io; }
    void SetSyncToDisk(bool on) { m_sync = on; }

    // Writes the game's decisions into its folder when they differ from what
    // the file holds; a game without decisions leaves a folder without the
    // file. Raises TFileError.
    void Save(const TGame &game);

    static QByteArray Encode(const TGameReview &review);
    // The decisions of a folder; true with none when it has no such file.
    static bool Read(const TGameFolder &folder, TGameReview &review, QString *error);

private:
    TFileIo *m_io;
    bool m_sync = false;
    QString m_path;
    QString m_code;
    // What the file holds, as last read or written.
    QByteArray m_onDisk;
};
