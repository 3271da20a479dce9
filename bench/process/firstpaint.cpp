// SPDX-License-Identifier: GPL-3.0-or-later
// firstpaint PROGRAM [ARGUMENT...]
// Starts the program on the current X display and prints the milliseconds from its start
// to the first drawing into one of its own windows, as the X server's DAMAGE extension
// reports it. Windows of other clients (the window manager's frames) are not counted:
// the program's windows are those whose resource ids share the base of the first window
// created after the start.
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <sys/wait.h>
#include <unistd.h>

namespace {

double milliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

struct FreeEvent
{
    void operator()(xcb_generic_event_t *event) const { std::free(event); }
};

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 2) {
        std::fputs("usage: firstpaint PROGRAM [ARGUMENT...]\n", stderr);
        return 2;
    }
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fputs("firstpaint: cannot open the display\n", stderr);
        return 2;
    }
    const xcb_query_extension_reply_t *damage = xcb_get_extension_data(connection, &xcb_damage_id);
    if (!damage || !damage->present) {
        std::fputs("firstpaint: the X server has no DAMAGE extension\n", stderr);
        return 2;
    }
    std::free(xcb_damage_query_version_reply(connection, xcb_damage_query_version(connection, 1, 1),
                                             nullptr));
    const xcb_setup_t *setup = xcb_get_setup(connection);
    const xcb_window_t root = xcb_setup_roots_iterator(setup).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);

    const double start = milliseconds();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }

    uint32_t clientBase = 0;
    double firstPaint = -1;
    while (firstPaint < 0) {
        std::unique_ptr<xcb_generic_event_t, FreeEvent> event(xcb_wait_for_event(connection));
        if (!event)
            break;
        const uint8_t type = event->response_type & 0x7f;
        if (type == XCB_CREATE_NOTIFY) {
            const auto *created = reinterpret_cast<xcb_create_notify_event_t *>(event.get());
            const uint32_t base = created->window & ~setup->resource_id_mask;
            if (clientBase == 0)
                clientBase = base;
            if (base != clientBase)
                continue;
            xcb_damage_create(connection, xcb_generate_id(connection), created->window,
                              XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
            xcb_flush(connection);
        } else if (type == damage->first_event + XCB_DAMAGE_NOTIFY) {
            firstPaint = milliseconds() - start;
        }
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    xcb_disconnect(connection);
    if (firstPaint < 0)
        return 1;
    std::printf("%.2f\n", firstPaint);
    return 0;
}
