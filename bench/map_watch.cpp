// Starts a program and reports how long it took until its first top-level
// window was mapped, and the peak memory of its run.
//
//   map_watch [--settle MS] [--timeout MS] program [args...]
//
// Prints one line: "<milliseconds to map> <peak resident KiB> <CPU milliseconds>"
// (the CPU time is the program's whole run, the settling included). The watcher
// is connected to the X server and listening before the clock starts, so its
// own start costs nothing in the figure, and it is the same for every program
// measured. After the map it waits --settle milliseconds (the first paint),
// then kills the program and reads its peak resident size as wait4 reports it
// (what `/usr/bin/time -f %M` prints).
#include <xcb/xcb.h>

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string_view>

extern char** environ;

namespace {

double nowMs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

// The process a window says it belongs to, or 0 when it does not say.
pid_t windowPid(xcb_connection_t* connection, xcb_window_t window)
{
    static xcb_atom_t pidAtom = XCB_ATOM_NONE;
    if (pidAtom == XCB_ATOM_NONE) {
        const char name[] = "_NET_WM_PID";
        xcb_intern_atom_reply_t* atom =
            xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, sizeof name - 1, name), nullptr);
        if (!atom)
            return 0;
        pidAtom = atom->atom;
        std::free(atom);
    }
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, pidAtom, XCB_ATOM_CARDINAL, 0, 1), nullptr);
    pid_t pid = 0;
    if (reply && xcb_get_property_value_length(reply) == 4)
        pid = static_cast<pid_t>(*static_cast<const uint32_t*>(xcb_get_property_value(reply)));
    std::free(reply);
    return pid;
}

int fail(const char* message, pid_t child)
{
    std::fprintf(stderr, "map_watch: %s\n", message);
    if (child > 0) {
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
    }
    return 1;
}

}  // namespace

int main(int argc, char* argv[])
{
    int settleMs = 0;
    int timeoutMs = 20000;
    int first = 1;
    while (first + 1 < argc && argv[first][0] == '-') {
        const std::string_view option = argv[first];
        if (option == "--settle")
            settleMs = std::atoi(argv[first + 1]);
        else if (option == "--timeout")
            timeoutMs = std::atoi(argv[first + 1]);
        else
            break;
        first += 2;
    }
    if (first >= argc) {
        std::fprintf(stderr, "usage: map_watch [--settle MS] [--timeout MS] program [args...]\n");
        return 2;
    }

    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection))
        return fail("cannot connect to the X server (is DISPLAY set?)", 0);
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber; ++i)
        xcb_screen_next(&screens);
    const xcb_window_t root = screens.data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_void_cookie_t selected = xcb_change_window_attributes_checked(connection, root, XCB_CW_EVENT_MASK, &mask);
    if (xcb_generic_error_t* error = xcb_request_check(connection, selected)) {
        std::free(error);
        return fail("cannot listen to the root window", 0);
    }

    pid_t child = 0;
    const double start = nowMs();
    if (posix_spawnp(&child, argv[first], nullptr, nullptr, argv + first, environ) != 0)
        return fail("cannot start the program", 0);

    double mapped = -1;
    pollfd fd{xcb_get_file_descriptor(connection), POLLIN, 0};
    while (mapped < 0) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
            if ((event->response_type & 0x7F) == XCB_MAP_NOTIFY) {
                const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
                const double at = nowMs();
                if (!map->override_redirect) {
                    const pid_t owner = windowPid(connection, map->window);
                    if (owner == 0 || owner == child)
                        mapped = at;
                }
            }
            std::free(event);
            if (mapped >= 0)
                break;
        }
        if (mapped >= 0)
            break;
        if (xcb_connection_has_error(connection))
            return fail("lost the X server", child);
        if (waitpid(child, nullptr, WNOHANG) == child)
            return fail("the program ended before showing a window", 0);
        if (nowMs() - start > timeoutMs)
            return fail("no window was mapped in time", child);
        poll(&fd, 1, 50);
    }

    // Let the window paint, then end the program: it has no quiet way out.
    if (settleMs > 0) {
        const timespec pause{settleMs / 1000, static_cast<long>(settleMs % 1000) * 1000000L};
        nanosleep(&pause, nullptr);
    }
    kill(child, SIGKILL);
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child)
        return fail("cannot collect the program", 0);
    xcb_disconnect(connection);
    const auto cpuMs = [](const timeval& tv) {
        return static_cast<double>(tv.tv_sec) * 1e3 + static_cast<double>(tv.tv_usec) / 1e3;
    };
    std::printf("%.2f %ld %.1f\n", mapped - start, usage.ru_maxrss, cpuMs(usage.ru_utime) + cpuMs(usage.ru_stime));
    return 0;
}
