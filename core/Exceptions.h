// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <exception>

// The program's errors. Every one carries the text the user will read in the error report.
class Exception : public std::exception
{
public:
    explicit Exception(QString message) : m_message(std::move(message)), m_utf8(m_message.toUtf8()) {}

    const QString &message() const noexcept { return m_message; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

// A failure reported by the database provider; the message is the provider's own text.
class EDatabaseError : public Exception
{
public:
    // What callers that can wait or do without writing need to tell apart.
    enum class Cause
    {
        Other,
        Busy,     // another connection holds a lock past the wait
        ReadOnly, // the database cannot be written at all
        Conflict, // the server gave up this transaction for another's (serialization failure, deadlock)
        Lost      // the connection to the server is gone; the next statement connects again
    };

    explicit EDatabaseError(QString message, Cause cause = Cause::Other)
        : Exception(std::move(message)), m_cause(cause)
    {
    }

    Cause cause() const noexcept { return m_cause; }

private:
    Cause m_cause;
};

// A sound file that cannot be opened or played.
class EMCIDeviceError : public Exception
{
public:
    using Exception::Exception;
};

// An index outside a list's bounds: "List index out of bounds (%d)".
class EListError : public Exception
{
public:
    explicit EListError(qsizetype index);
};

// Ends a handler without an error report.
class EAbort : public Exception
{
public:
    EAbort() : Exception(QString()) {}
};
