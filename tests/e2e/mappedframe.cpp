// SPDX-License-Identifier: GPL-3.0-or-later
#include "mappedframe.h"

#include <xcb/xcb.h>

#include <cstdlib>

MappedFrameWatch::MappedFrameWatch(const QString &display)
    : m_connection(xcb_connect(display.toLocal8Bit().constData(), nullptr))
{
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    // Checked, so that the selection is in force before the window is made.
    std::free(xcb_request_check(m_connection, xcb_change_window_attributes_checked(
                                                  m_connection, root, XCB_CW_EVENT_MASK, &mask)));
}

MappedFrameWatch::~MappedFrameWatch()
{
    xcb_disconnect(m_connection);
}

QList<QSize> MappedFrameWatch::sizesFromMap(unsigned client)
{
    while (xcb_generic_event_t *event = xcb_poll_for_event(m_connection)) {
        switch (event->response_type & 0x7F) {
        case XCB_REPARENT_NOTIFY: {
            const auto *reparent = reinterpret_cast<xcb_reparent_notify_event_t *>(event);
            m_events.append({XCB_REPARENT_NOTIFY, reparent->window, reparent->parent, {}});
            break;
        }
        case XCB_CONFIGURE_NOTIFY: {
            const auto *configure = reinterpret_cast<xcb_configure_notify_event_t *>(event);
            m_events.append({XCB_CONFIGURE_NOTIFY, configure->window, 0,
                             QSize(configure->width, configure->height)});
            break;
        }
        case XCB_MAP_NOTIFY:
            m_events.append(
                {XCB_MAP_NOTIFY, reinterpret_cast<xcb_map_notify_event_t *>(event)->window, 0, {}});
            break;
        default:
            break;
        }
        std::free(event);
    }

    unsigned frame = 0;
    QSize frameSize;
    bool mapped = false;
    QList<QSize> sizes;
    for (const StructureEvent &event : std::as_const(m_events)) {
        if (event.type == XCB_REPARENT_NOTIFY && event.window == client)
            frame = event.parent;
        if (frame == 0 || event.window != frame)
            continue;
        if (event.type == XCB_CONFIGURE_NOTIFY) {
            if (mapped && event.size != frameSize)
                sizes << event.size;
            frameSize = event.size;
        } else if (event.type == XCB_MAP_NOTIFY && !mapped) {
            mapped = true;
            sizes << frameSize;
        }
    }
    return sizes;
}
