#pragma once

#include <QByteArray>
#include <QString>

// Base64 as the statistics server takes a game archive: the standard alphabet
// with "=" padding, every 57 input bytes one line of 76 characters, lines
// joined by CR LF and no line break after the last one.
class TBase64
{
public:
    static constexpr int LineBytes = 57;
    static constexpr int LineChars = 76;
    // The archive is read 48 lines at a time, so a large file never sits in
    // memory twice.
    static constexpr int BlockBytes = 48 * LineBytes;

    static QByteArray encode(const QByteArray &data);

    // Encodes the file at path; false with a readable error when it cannot be
    // read completely.
    static bool encodeFile(const QString &path, QByteArray *text, QString *error);

    // Decodes text written by encode() or any other standard Base64: CR and LF
    // are skipped anywhere, every other character must belong to the
    // alphabet, and "=" may only pad the last group. False on anything else.
    static bool decode(const QByteArray &text, QByteArray *data);
};
