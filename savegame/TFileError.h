#pragma once

#include <QString>
#include <stdexcept>

// A file that could not be written, raised to the operation that caused it
// (recording an event, a wizard step); the operator is told and nothing is retried.
class TFileError : public std::runtime_error
{
public:
    explicit TFileError(const QString &message)
        : std::runtime_error(message.toStdString()), m_message(message)
    {
    }
    const QString &Message() const { return m_message; }

private:
    QString m_message;
};
