#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// A private-profile ("ini") file held in memory line by line, so that one key
// can be read or written while every other line keeps its exact bytes:
// comments, blank lines, unknown keys, order and line endings survive a write.
//
// Layout: "[SECTION]" lines followed by "key=value" lines; blanks around the
// key, the "=" and the value do not count, and a value wrapped in a matching
// pair of quotes loses them, as on Windows. Section and key names compare
// without regard to letter case; when a name occurs twice, the first one
// counts. Lines starting with ";" or "#" are comments.
//
// Encoding: names are ASCII in practice and the structure is found on bytes.
// A value is decoded as UTF-8 when its bytes are valid UTF-8, else as
// Windows-1250, the code page the system's earlier versions wrote; values are
// always written as UTF-8.
// A UTF-8 byte order mark is kept. New lines use the file's first line ending
// (CRLF or LF; LF for a new file).
class TIniFile
{
public:
    TIniFile() = default;

    // A settings file is a few kilobytes; anything this large is not one.
    static constexpr qint64 MaxFileBytes = qint64(4) << 20;

    // Reads the file. A missing file is an empty file, not an error; a FIFO,
    // a device, a folder or a file above MaxFileBytes is refused unread.
    bool Load(const QString &path, QString *error = nullptr);
    // Replaces the file atomically (temporary file in the same folder, then rename).
    bool Save(const QString &path, QString *error = nullptr) const;

    // The value of a key; `defaultValue` when the section or key is missing.
    QString Value(const QString &section, const QString &key, const QString &defaultValue = QString(),
                  bool *found = nullptr) const;
    bool Contains(const QString &section, const QString &key) const;
    // Sets a key in place: its line keeps its key text and spacing, only the
    // value changes. A missing key is added after the last key of its section,
    // a missing section at the end of the file. Returns false (and changes
    // nothing) for names or values that cannot be stored on one line.
    bool SetValue(const QString &section, const QString &key, const QString &value, QString *error = nullptr);

    // The bytes the file would be written with.
    QByteArray ToBytes() const;
    void FromBytes(const QByteArray &bytes);

    // Windows-style one-shot helpers: read one key, or write one key in place.
    static QString ReadString(const QString &path, const QString &section, const QString &key,
                              const QString &defaultValue = QString());
    static bool WriteString(const QString &path, const QString &section, const QString &key,
                            const QString &value, QString *error = nullptr);

private:
    enum class TLineKind
    {
        Other,
        Section,
        Key
    };
    struct TLine
    {
        QByteArray Text;   // without its line ending
        QByteArray Ending; // "\r\n", "\n", or empty for a last line without one
        // What the text says, worked out once when the line is made.
        TLineKind Kind = TLineKind::Other;
        QString Name;             // section or key name, trimmed and decoded
        qsizetype ValueStart = 0; // key lines: offset of the value (after "=" and blanks)
    };

    static TLine makeLine(QByteArray text, QByteArray ending);
    static QString decode(const QByteArray &bytes);
    static QByteArray encodeValue(const QString &value);
    // Index of the key line, or -1; `insertAt` receives where a new key of the
    // section goes: after the last key line of the first matching section,
    // -1 when there is no such section.
    qsizetype find(const QString &section, const QString &key, qsizetype *insertAt) const;
    QByteArray newLineEnding() const;

    QList<TLine> m_lines;
    bool m_bom = false;
};
