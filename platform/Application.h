#pragma once

#include <QApplication>

#include <functional>
#include <type_traits>

// The application object: the program's title, the top-level error report and the last net for
// exceptions that escape an event handler.
class Application : public QApplication
{
public:
    Application(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;

    // The executable's file name cut before its first dot; first character kept, the rest lower case.
    static QString title();
    static QString titleFor(const QString &programFile);

    // The window that owns every child window (it stays in front of it and has no taskbar entry of
    // its own). Null until the main window registers itself, as in tests of a single window.
    static QWidget *mainWindow();
    static void setMainWindow(QWidget *window);
};

// The error report's text: a period is appended when the last character sorts above ".".
QString errorReportText(const QString &message);

// Shows the exception being handled as the top-level error report. Call only from a catch block.
void reportCurrentException() noexcept;

// Runs f; an exception it raises is reported and goes no further. Every handler runs through here.
template <typename F>
void guarded(F &&f) noexcept
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
