#pragma once

#include <QByteArray>

// The first line of an HTTP request exactly as the client sent it. A live
// message goes on the wire unencoded, so its target may hold 8-bit bytes,
// "#" or even blanks (an operator's text); httplib would cut the target at
// "#" and refuse a line with more than two blanks, so the server reads the
// line itself and keeps the original target.
class TRequestLine
{
public:
    // line without its CR LF. Valid when it has a method of capital
    // letters, then a blank, a target, a blank and "HTTP/" followed by the
    // version; blanks inside the target are allowed.
    static TRequestLine parse(const QByteArray &line);

    bool isValid() const { return m_valid; }
    const QByteArray &method() const { return m_method; }
    const QByteArray &target() const { return m_target; }
    const QByteArray &version() const { return m_version; }
    // The target after its first "?"; empty without one.
    QByteArray query() const;

    // The line with each blank inside the target written "%20", so that a
    // parser splitting at blanks finds three parts; the line unchanged when
    // it is not valid or has no such blank.
    QByteArray normalised(const QByteArray &line) const;

private:
    bool m_valid = false;
    QByteArray m_method;
    QByteArray m_target;
    QByteArray m_version;
};
