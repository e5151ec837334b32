// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FrameExtents.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QThread>
#include <QWidget>

#ifdef SPELLDECK_HAVE_XCB
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#endif

namespace {

#ifdef SPELLDECK_HAVE_XCB

// How long a window manager gets to answer; one that answers at all does so within milliseconds.
constexpr int kAnswerWaitMs = 200;

struct FreeDeleter
{
    void operator()(void *p) const { std::free(p); }
};
template <typename T> using Reply = std::unique_ptr<T, FreeDeleter>;

xcb_atom_t atom(xcb_connection_t *connection, const char *name)
{
    const Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, uint16_t(strlen(name)), name), nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

Reply<xcb_get_property_reply_t> property(xcb_connection_t *connection, xcb_window_t window, xcb_atom_t name,
                                         xcb_atom_t type, uint32_t length)
{
    return Reply<xcb_get_property_reply_t>(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, name, type, 0, length), nullptr));
}

bool windowManagerRuns(xcb_connection_t *connection, xcb_window_t root)
{
    const auto check =
        property(connection, root, atom(connection, "_NET_SUPPORTING_WM_CHECK"), XCB_ATOM_WINDOW, 1);
    return check && xcb_get_property_value_length(check.get()) == int(sizeof(xcb_window_t));
}

std::optional<QMargins> frameExtents(xcb_connection_t *connection, xcb_window_t window, xcb_atom_t extents)
{
    const auto reply = property(connection, window, extents, XCB_ATOM_CARDINAL, 4);
    if (!reply || xcb_get_property_value_length(reply.get()) != int(4 * sizeof(uint32_t)))
        return std::nullopt;
    const auto *values = static_cast<const uint32_t *>(xcb_get_property_value(reply.get()));
    // Left, right, top, bottom.
    return QMargins(int(values[0]), int(values[2]), int(values[1]), int(values[3]));
}

QMargins x11Frame(QWidget *window, xcb_connection_t *connection)
{
    const xcb_window_t id = xcb_window_t(window->winId());
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (!screen || !windowManagerRuns(connection, screen->root))
        return {};
    const xcb_atom_t extents = atom(connection, "_NET_FRAME_EXTENTS");
    if (const auto known = frameExtents(connection, id, extents))
        return *known;

    xcb_client_message_event_t request{};
    request.response_type = XCB_CLIENT_MESSAGE;
    request.format = 32;
    request.window = id;
    request.type = atom(connection, "_NET_REQUEST_FRAME_EXTENTS");
    xcb_send_event(connection, 0, screen->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char *>(&request));
    xcb_flush(connection);

    // The answer is a property on our window; reading it leaves Qt's own event queue alone.
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < kAnswerWaitMs) {
        if (const auto answer = frameExtents(connection, id, extents))
            return *answer;
        QThread::msleep(2);
    }
    return {};
}

#endif

} // namespace

QMargins expectedFrame(QWidget *window)
{
#ifdef SPELLDECK_HAVE_XCB
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
        if (x11 && x11->connection())
            return x11Frame(window, x11->connection());
        return {};
    }
#endif
    // Other window systems give the frame of a native window before it is shown.
    window->winId();
    const QRect frame = window->frameGeometry();
    const QRect client = window->geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
}
