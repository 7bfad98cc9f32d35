#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

#include <optional>

// One live message as the server receives it: the query after the address,
// "kod=" and four digits first, then name=value pairs joined by "&". Values
// are Windows-1250 bytes; the client sends the characters that would break
// a message ("&", "=", "#", "?", "%", "+", blanks, controls) as %XX, and
// names with "_" for blanks. The query is kept as it came; values are read
// decoded.
class TLiveMessage
{
public:
    using Field = QPair<QByteArray, QByteArray>;

    // Splits query into its pairs. Invalid (with error set) unless it starts
    // with "kod=" and four digits, carries a non-empty "szkod", and its
    // "id" and "iddel" values, where present, are decimal numbers.
    static TLiveMessage parse(const QByteArray &query, QString *error = nullptr);

    bool isValid() const { return m_valid; }
    const QByteArray &query() const { return m_query; }
    int code() const { return m_code; }
    QByteArray codeText() const { return m_query.mid(4, 4); }
    std::optional<qint64> id() const { return m_id; }
    QByteArray gameCode() const { return value("szkod"); }

    // Pairs in message order, values as sent; a name may repeat (the
    // set-time message has two "time" pairs), and a piece without "=" is a
    // name with an empty value.
    const QList<Field> &fields() const { return m_fields; }
    bool has(const QByteArray &name) const;
    // The first value of name with its %XX decoded, empty when absent.
    QByteArray value(const QByteArray &name) const;
    // The first value of name as sent.
    QByteArray rawValue(const QByteArray &name) const;
    // A team or player name ("h", "v", "j") as typed: "_" a blank, %XX its byte.
    QString name(const QByteArray &field) const;

    // %XX (two hexadecimal digits) as its byte; any other "%" stays.
    static QByteArray decode(const QByteArray &value);
    // The first value of name read as a decimal number.
    std::optional<qint64> number(const QByteArray &name) const;

    static std::optional<qint64> parseNumber(const QByteArray &text);

private:
    bool m_valid = false;
    QByteArray m_query;
    int m_code = -1;
    std::optional<qint64> m_id;
    QList<Field> m_fields;
};
