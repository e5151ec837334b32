// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <type_traits>
#include <utility>

// No exception may cross a Qt frame: every handler runs through guarded(), which hands an escaping
// error to the one reporter the application object installs.

// The error report's text: a period is appended when the last character sorts above ".".
QString errorReportText(const QString &message);

// Shows a report's text to the user. Without one installed, reports go to the log.
using ErrorReporter = std::function<void(const QString &text)>;
void setErrorReporter(ErrorReporter reporter);

// Reports the exception being handled: the innermost non-empty message, with the period rule applied;
// a silent abort is not reported. Call only from a catch block.
void reportCurrentException() noexcept;

// Runs f; an exception it raises is reported and goes no further. Every handler runs through here.
template <typename F> void guarded(F &&f) noexcept
{
    try {
        std::forward<F>(f)();
    } catch (...) {
        reportCurrentException();
    }
}

// Connects a signal to a handler through the guard. The handler may take fewer arguments than the
// signal carries (a button's clicked(bool) to a handler without arguments).
template <typename Sender, typename Signal, typename Receiver, typename Handler>
QMetaObject::Connection connectGuarded(Sender *sender, Signal signal, Receiver *receiver, Handler handler)
{
    return QObject::connect(sender, signal, receiver, [receiver, handler](auto &&...args) {
        guarded([&] {
            if constexpr (std::is_invocable_v<Handler, Receiver *, decltype(args)...>)
                std::invoke(handler, receiver, std::forward<decltype(args)>(args)...);
            else
                std::invoke(handler, receiver);
        });
    });
}
