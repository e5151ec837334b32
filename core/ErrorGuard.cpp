// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ErrorGuard.h"

#include "Exceptions.h"

#include <QCoreApplication>
#include <QtGlobal>

#include <exception>

namespace {

ErrorReporter &reporter()
{
    static ErrorReporter installed;
    return installed;
}

// The message of the innermost nested exception, when it has one.
QString innermostMessage(const std::exception_ptr &error)
{
    try {
        std::rethrow_exception(error);
    } catch (const std::exception &e) {
        try {
            std::rethrow_if_nested(e);
        } catch (...) {
            QString inner = innermostMessage(std::current_exception());
            if (!inner.isEmpty())
                return inner;
        }
        if (auto own = dynamic_cast<const Exception *>(&e))
            return own->message();
        return QString::fromUtf8(e.what());
    } catch (...) {
        return QCoreApplication::translate("ErrorGuard", "Unknown error");
    }
}

} // namespace

QString errorReportText(const QString &message)
{
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

void setErrorReporter(ErrorReporter newReporter)
{
    reporter() = std::move(newReporter);
}

void reportCurrentException() noexcept
{
    try {
        const std::exception_ptr error = std::current_exception();
        try {
            std::rethrow_exception(error);
        } catch (const EAbort &) {
            return;
        } catch (...) {
        }
        const QString text = errorReportText(innermostMessage(error));
        if (reporter())
            reporter()(text);
        else
            qWarning("%s", qUtf8Printable(text));
    } catch (...) {
        // The report itself failed (no memory, no display): nothing sensible is left to show.
    }
}
