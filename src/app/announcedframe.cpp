// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/announcedframe.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QThread>
#include <QWidget>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

// A window manager answers at once; one that offers the request and then ignores it must
// not hold up the start for long.
constexpr int answerTimeoutMs = 100;

struct FreeReply
{
    void operator()(void *reply) const { std::free(reply); }
};
template <typename Reply> using ReplyPointer = std::unique_ptr<Reply, FreeReply>;

struct Atoms
{
    xcb_atom_t supported = XCB_ATOM_NONE;
    xcb_atom_t request = XCB_ATOM_NONE;
    xcb_atom_t extents = XCB_ATOM_NONE;
};

Atoms internAtoms(xcb_connection_t *connection)
{
    const auto intern = [connection](const char *name) {
        return xcb_intern_atom(connection, 0, std::uint16_t(std::strlen(name)), name);
    };
    const xcb_intern_atom_cookie_t cookies[] = {intern("_NET_SUPPORTED"),
                                                intern("_NET_REQUEST_FRAME_EXTENTS"),
                                                intern("_NET_FRAME_EXTENTS")};
    xcb_atom_t atoms[3] = {};
    for (int i = 0; i < 3; ++i) {
        const ReplyPointer<xcb_intern_atom_reply_t> reply(
            xcb_intern_atom_reply(connection, cookies[i], nullptr));
        atoms[i] = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    }
    return {atoms[0], atoms[1], atoms[2]};
}

bool windowManagerOffers(xcb_connection_t *connection, xcb_window_t root, const Atoms &atoms)
{
    const ReplyPointer<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, root, atoms.supported, XCB_ATOM_ATOM, 0, 4096),
        nullptr));
    if (!reply || reply->format != 32)
        return false;
    const auto *supported = static_cast<const xcb_atom_t *>(xcb_get_property_value(reply.get()));
    const int count = xcb_get_property_value_length(reply.get()) / int(sizeof(xcb_atom_t));
    return std::find(supported, supported + count, atoms.request) != supported + count;
}

// _NET_FRAME_EXTENTS: left, right, top, bottom in device pixels; false while not set.
bool readExtents(xcb_connection_t *connection, xcb_window_t window, const Atoms &atoms,
                 std::uint32_t (&extents)[4])
{
    const ReplyPointer<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, atoms.extents, XCB_ATOM_CARDINAL, 0, 4),
        nullptr));
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) != 16)
        return false;
    std::memcpy(extents, xcb_get_property_value(reply.get()), sizeof extents);
    return true;
}

} // namespace

QMargins announcedFrame(QWidget *window)
{
    // Other platforms may offer the interface too (offscreen does), without a connection.
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || QGuiApplication::platformName() != QLatin1String("xcb") || !x11->connection())
        return {};
    xcb_connection_t *connection = x11->connection();
    const auto id = xcb_window_t(window->winId());
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const Atoms atoms = internAtoms(connection);
    if (!windowManagerOffers(connection, root, atoms))
        return {};

    xcb_client_message_event_t request{};
    request.response_type = XCB_CLIENT_MESSAGE;
    request.format = 32;
    request.window = id;
    request.type = atoms.request;
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char *>(&request));
    xcb_flush(connection);

    std::uint32_t extents[4] = {};
    QElapsedTimer clock;
    clock.start();
    while (!readExtents(connection, id, atoms, extents)) {
        if (clock.elapsed() > answerTimeoutMs)
            return {};
        QThread::msleep(1);
    }
    // Rounded side by side, as the toolkit rounds the frame it reads once the window shows.
    const qreal ratio = window->devicePixelRatioF();
    const auto layout = [ratio](std::uint32_t device) { return qRound(qreal(device) / ratio); };
    return {layout(extents[0]), layout(extents[2]), layout(extents[1]), layout(extents[3])};
}
