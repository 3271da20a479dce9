// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QSize>
#include <QString>

struct xcb_connection_t;

// What an X11 window manager's frame round a window looks like from the moment it is mapped,
// seen in the structure events of the root window on a connection of its own. Made before
// the window, it misses none of them.
class MappedFrameWatch
{
public:
    explicit MappedFrameWatch(const QString &display);
    ~MappedFrameWatch();
    MappedFrameWatch(const MappedFrameWatch &) = delete;
    MappedFrameWatch &operator=(const MappedFrameWatch &) = delete;

    // The device sizes of the frame round the client window so far: the size it was mapped
    // with, then every size it took after. Empty while the frame is not mapped.
    QList<QSize> sizesFromMap(unsigned client);

private:
    struct StructureEvent
    {
        int type;
        unsigned window;
        unsigned parent; // of a reparent
        QSize size;      // of a configure
    };

    xcb_connection_t *m_connection;
    QList<StructureEvent> m_events;
};
