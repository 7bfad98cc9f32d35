#include "TLiveMessage.h"

#include "common/Win1250.h"

#include <limits>

namespace {

bool fail(QString *error, const QString &text)
{
    if (error)
        *error = text;
    return false;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexValue(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

} // namespace

std::optional<qint64> TLiveMessage::parseNumber(const QByteArray &text)
{
    // Event numbers are 32-bit; a longer text is not one of ours.
    qsizetype at = text.startsWith('-') ? 1 : 0;
    if (at == text.size() || text.size() - at > 10)
        return std::nullopt;
    qint64 value = 0;
    for (qsizetype i = at; i < text.size(); ++i) {
        if (!isDigit(text[i]))
            return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    if (at)
        value = -value;
    if (value > std::numeric_limits<qint32>::max() || value < std::numeric_limits<qint32>::min())
        return std::nullopt;
    return value;
}

TLiveMessage TLiveMessage::parse(const QByteArray &query, QString *error)
{
    TLiveMessage message;
    message.m_query = query;
    for (const QByteArray &piece : query.split('&')) {
        const qsizetype eq = piece.indexOf('=');
        if (eq < 0)
            message.m_fields.append({piece, QByteArray()});
        else
            message.m_fields.append({piece.left(eq), piece.mid(eq + 1)});
    }

    if (!query.startsWith("kod=") || query.size() < 8 || !isDigit(query[4]) || !isDigit(query[5]) ||
        !isDigit(query[6]) || !isDigit(query[7]) || (query.size() > 8 && query[8] != '&')) {
        fail(error, QStringLiteral("the message does not start with kod= and four digits"));
        return message;
    }
    message.m_code = query.mid(4, 4).toInt();

    if (message.gameCode().isEmpty()) {
        fail(error, QStringLiteral("the message carries no game code (szkod)"));
        return message;
    }
    if (message.has("id")) {
        message.m_id = parseNumber(message.value("id"));
        if (!message.m_id) {
            fail(error, QStringLiteral("the id is not a number"));
            return message;
        }
    }
    if (message.has("iddel") && !message.number("iddel")) {
        fail(error, QStringLiteral("iddel is not a number"));
        return message;
    }
    message.m_valid = true;
    return message;
}

bool TLiveMessage::has(const QByteArray &name) const
{
    for (const Field &f : m_fields)
        if (f.first == name)
            return true;
    return false;
}

QByteArray TLiveMessage::rawValue(const QByteArray &name) const
{
    for (const Field &f : m_fields)
        if (f.first == name)
            return f.second;
    return {};
}

QByteArray TLiveMessage::value(const QByteArray &name) const
{
    return decode(rawValue(name));
}

QString TLiveMessage::name(const QByteArray &field) const
{
    QByteArray raw = rawValue(field);
    raw.replace('_', ' ');
    return Win1250::Decode(decode(raw)).trimmed();
}

QByteArray TLiveMessage::decode(const QByteArray &value)
{
    if (!value.contains('%'))
        return value;
    QByteArray out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const int high = value[i] == '%' && i + 2 < value.size() ? hexValue(value[i + 1]) : -1;
        const int low = high >= 0 ? hexValue(value[i + 2]) : -1;
        if (low >= 0) {
            out += char(high * 16 + low);
            i += 2;
        } else {
            out += value[i];
        }
    }
    return out;
}

std::optional<qint64> TLiveMessage::number(const QByteArray &name) const
{
    if (!has(name))
        return std::nullopt;
    return parseNumber(value(name));
}
