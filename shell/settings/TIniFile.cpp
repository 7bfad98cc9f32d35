#include "TIniFile.h"

#include "common/TGuardedFile.h"
#include "common/Win1250.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

namespace {

const QByteArray Utf8Bom("\xEF\xBB\xBF");

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

bool isQuote(char c)
{
    return c == '"' || c == '\'';
}

void setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

} // namespace

TIniFile::TLine TIniFile::makeLine(QByteArray text, QByteArray ending)
{
    TLine line{std::move(text), std::move(ending)};
    const QByteArray trimmed = line.Text.trimmed();
    if (trimmed.isEmpty() || trimmed.startsWith(';') || trimmed.startsWith('#'))
        return line;
    if (trimmed.startsWith('[')) {
        const qsizetype close = trimmed.indexOf(']');
        line.Kind = TLineKind::Section;
        line.Name = decode(trimmed.mid(1, close < 0 ? -1 : close - 1).trimmed());
        return line;
    }
    const qsizetype eq = line.Text.indexOf('=');
    if (eq < 0)
        return line;
    const QByteArray name = line.Text.left(eq).trimmed();
    if (name.isEmpty())
        return line;
    line.Kind = TLineKind::Key;
    line.Name = decode(name);
    qsizetype start = eq + 1;
    while (start < line.Text.size() && isBlank(line.Text.at(start)))
        ++start;
    line.ValueStart = start;
    return line;
}

QString TIniFile::decode(const QByteArray &bytes)
{
    // Keep a leading U+FEFF: here it is part of a value, not a byte order mark.
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return Win1250::Decode(bytes);
}

QByteArray TIniFile::encodeValue(const QString &value)
{
    QByteArray bytes = value.toUtf8();
    // Blanks at either end and a quoted value would be lost on reading, so
    // such values travel inside one more pair of quotes.
    const bool blankEnds = !bytes.isEmpty() && (isBlank(bytes.front()) || isBlank(bytes.back()));
    const bool quoted = bytes.size() >= 2 && isQuote(bytes.front()) && bytes.front() == bytes.back();
    if (blankEnds || quoted)
        bytes = '"' + bytes + '"';
    return bytes;
}

void TIniFile::FromBytes(const QByteArray &input)
{
    m_lines.clear();
    m_bom = input.startsWith(Utf8Bom);
    const QByteArray bytes = m_bom ? input.mid(Utf8Bom.size()) : input;
    qsizetype pos = 0;
    while (pos < bytes.size()) {
        const qsizetype nl = bytes.indexOf('\n', pos);
        if (nl < 0) {
            m_lines.append(makeLine(bytes.mid(pos), QByteArray()));
            break;
        }
        const bool crlf = nl > pos && bytes.at(nl - 1) == '\r';
        const qsizetype end = crlf ? nl - 1 : nl;
        m_lines.append(
            makeLine(bytes.mid(pos, end - pos), crlf ? QByteArrayLiteral("\r\n") : QByteArrayLiteral("\n")));
        pos = nl + 1;
    }
}

QByteArray TIniFile::ToBytes() const
{
    QByteArray out;
    if (m_bom)
        out += Utf8Bom;
    for (const TLine &line : m_lines) {
        out += line.Text;
        out += line.Ending;
    }
    return out;
}

bool TIniFile::Load(const QString &path, QString *error)
{
    m_lines.clear();
    m_bom = false;
    QByteArray bytes;
    QString problem;
    switch (TGuardedFile::Read(path, MaxFileBytes, bytes, &problem)) {
    case TGuardedFile::TStatus::Missing:
        return true;
    case TGuardedFile::TStatus::Refused:
        setError(error, problem);
        return false;
    case TGuardedFile::TStatus::Ok:
        break;
    }
    FromBytes(bytes);
    return true;
}

bool TIniFile::Save(const QString &path, QString *error) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        setError(error, QStringLiteral("Cannot write \"%1\": %2").arg(path, file.errorString()));
        return false;
    }
    const QByteArray bytes = ToBytes();
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        setError(error, QStringLiteral("Cannot write \"%1\": %2").arg(path, file.errorString()));
        return false;
    }
    return true;
}

qsizetype TIniFile::find(const QString &section, const QString &key, qsizetype *insertAt) const
{
    bool inSection = false;
    bool seenSection = false; // a later section of the same name gets no new keys
    qsizetype insert = -1;
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        const TLine &line = m_lines[i];
        if (line.Kind == TLineKind::Section) {
            if (inSection)
                seenSection = true;
            inSection = line.Name.compare(section, Qt::CaseInsensitive) == 0;
            if (inSection && !seenSection)
                insert = i + 1;
        } else if (line.Kind == TLineKind::Key && inSection) {
            if (line.Name.compare(key, Qt::CaseInsensitive) == 0) {
                if (insertAt)
                    *insertAt = insert;
                return i;
            }
            if (!seenSection)
                insert = i + 1;
        }
    }
    if (insertAt)
        *insertAt = insert;
    return -1;
}

QString TIniFile::Value(const QString &section, const QString &key, const QString &defaultValue,
                        bool *found) const
{
    const qsizetype i = find(section, key, nullptr);
    if (found)
        *found = i >= 0;
    if (i < 0)
        return defaultValue;
    QByteArray value = m_lines[i].Text.mid(m_lines[i].ValueStart).trimmed();
    if (value.size() >= 2 && isQuote(value.front()) && value.front() == value.back())
        value = value.mid(1, value.size() - 2);
    return decode(value);
}

bool TIniFile::Contains(const QString &section, const QString &key) const
{
    return find(section, key, nullptr) >= 0;
}

QByteArray TIniFile::newLineEnding() const
{
    for (const TLine &line : m_lines)
        if (!line.Ending.isEmpty())
            return line.Ending;
    return QByteArrayLiteral("\n");
}

bool TIniFile::SetValue(const QString &section, const QString &key, const QString &value, QString *error)
{
    const auto hasLineBreak = [](const QString &s) {
        return s.contains(QLatin1Char('\n')) || s.contains(QLatin1Char('\r'));
    };
    const QString trimmedSection = section.trimmed();
    if (trimmedSection.isEmpty() || trimmedSection != section || hasLineBreak(section) ||
        section.contains(QLatin1Char(']'))) {
        setError(error, QStringLiteral("\"%1\" is not a valid section name").arg(section));
        return false;
    }
    if (key.trimmed().isEmpty() || key.trimmed() != key || hasLineBreak(key) ||
        key.contains(QLatin1Char('=')) || key.startsWith(QLatin1Char('[')) ||
        key.startsWith(QLatin1Char(';')) || key.startsWith(QLatin1Char('#'))) {
        setError(error, QStringLiteral("\"%1\" is not a valid key name").arg(key));
        return false;
    }
    if (hasLineBreak(value)) {
        setError(error, QStringLiteral("The value of %1 cannot span several lines").arg(key));
        return false;
    }

    qsizetype insertAt = -1;
    const qsizetype i = find(section, key, &insertAt);
    if (i >= 0) {
        TLine &line = m_lines[i];
        line = makeLine(line.Text.left(line.ValueStart) + encodeValue(value), line.Ending);
        return true;
    }

    const QByteArray ending = newLineEnding();
    const TLine keyLine = makeLine(key.toUtf8() + '=' + encodeValue(value), ending);
    if (insertAt < 0) {
        if (!m_lines.isEmpty() && m_lines.back().Ending.isEmpty())
            m_lines.back().Ending = ending;
        if (!m_lines.isEmpty() && !m_lines.back().Text.trimmed().isEmpty())
            m_lines.append(makeLine(QByteArray(), ending));
        m_lines.append(makeLine('[' + section.toUtf8() + ']', ending));
        m_lines.append(keyLine);
        return true;
    }
    if (insertAt > 0 && m_lines[insertAt - 1].Ending.isEmpty())
        m_lines[insertAt - 1].Ending = ending;
    m_lines.insert(insertAt, keyLine);
    return true;
}

QString TIniFile::ReadString(const QString &path, const QString &section, const QString &key,
                             const QString &defaultValue)
{
    TIniFile ini;
    if (!ini.Load(path))
        return defaultValue;
    return ini.Value(section, key, defaultValue);
}

bool TIniFile::WriteString(const QString &path, const QString &section, const QString &key,
                           const QString &value, QString *error)
{
    TIniFile ini;
    return ini.Load(path, error) && ini.SetValue(section, key, value, error) && ini.Save(path, error);
}
