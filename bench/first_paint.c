// SPDX-License-Identifier: MIT
// Starts a program on the X display and reports how long it took to put content on its top-level window, and how
// much memory it holds once idle; then ends it.
//
//   first_paint [--idle-ms N] [--timeout-ms N] program [argument...]
//
// Prints one line: "first_paint_ms=<ms> map_ms=<ms> rss_kb=<kB>". The first paint is the first DAMAGE notify on a
// window that the program mapped as a child of the root window: the window's content has been drawn. Run it on a
// display without a window manager (xvfb-run), where top-level windows are children of the root.
#define _GNU_SOURCE
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <errno.h>
#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

enum { MaxWindows = 256 };

static double nowMs(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

static long residentKb(pid_t pid)
{
    char path[64];
    snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
    FILE *status = fopen(path, "r");
    if (!status)
        return -1;
    char line[256];
    long kb = -1;
    while (fgets(line, sizeof line, status)) {
        if (sscanf(line, "VmRSS: %ld kB", &kb) == 1)
            break;
    }
    fclose(status);
    return kb;
}

static void usage(void)
{
    fprintf(stderr, "usage: first_paint [--idle-ms N] [--timeout-ms N] program [argument...]\n");
    exit(2);
}

int main(int argc, char **argv)
{
    int idleMs = 1000;
    int timeoutMs = 20000;
    int first = 1;
    while (first < argc && strncmp(argv[first], "--", 2) == 0) {
        if (strcmp(argv[first], "--") == 0) {
            ++first;
            break;
        }
        if (first + 1 >= argc)
            usage();
        if (strcmp(argv[first], "--idle-ms") == 0)
            idleMs = atoi(argv[first + 1]);
        else if (strcmp(argv[first], "--timeout-ms") == 0)
            timeoutMs = atoi(argv[first + 1]);
        else
            usage();
        first += 2;
    }
    if (first >= argc)
        usage();

    int screenNumber = 0;
    xcb_connection_t *connection = NULL;
    // The server can turn a connection away for a moment while it tears down the previous program's.
    for (int attempt = 0; attempt < 50; ++attempt) {
        connection = xcb_connect(NULL, &screenNumber);
        if (!xcb_connection_has_error(connection))
            break;
        xcb_disconnect(connection);
        connection = NULL;
        usleep(20000);
    }
    if (!connection) {
        fprintf(stderr, "first_paint: cannot open the X display\n");
        return 1;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber; ++i)
        xcb_screen_next(&screens);
    const xcb_window_t root = screens.data->root;

    const xcb_query_extension_reply_t *damage = xcb_get_extension_data(connection, &xcb_damage_id);
    if (!damage || !damage->present) {
        fprintf(stderr, "first_paint: the X server has no DAMAGE extension\n");
        return 1;
    }
    free(xcb_damage_query_version_reply(
        connection, xcb_damage_query_version(connection, XCB_DAMAGE_MAJOR_VERSION, XCB_DAMAGE_MINOR_VERSION), NULL));
    const uint8_t damageNotify = damage->first_event + XCB_DAMAGE_NOTIFY;

    // Top-level windows are created, mapped and destroyed as children of the root.
    const uint32_t rootEvents = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &rootEvents);
    free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), NULL));

    const double launched = nowMs();
    const pid_t child = fork();
    if (child < 0) {
        perror("first_paint: fork");
        return 1;
    }
    if (child == 0) {
        execvp(argv[first], argv + first);
        perror("first_paint: exec");
        _exit(127);
    }

    xcb_window_t mapped[MaxWindows];
    int mappedCount = 0;
    double mapMs = -1;
    double paintMs = -1;
    struct pollfd xfd = {xcb_get_file_descriptor(connection), POLLIN, 0};

    while (paintMs < 0) {
        xcb_generic_event_t *event;
        while (paintMs < 0 && (event = xcb_poll_for_event(connection))) {
            const uint8_t type = event->response_type & 0x7f;
            if (type == XCB_CREATE_NOTIFY) {
                // Tracked from creation, so drawing that follows the map at once is not missed.
                const xcb_create_notify_event_t *created = (const xcb_create_notify_event_t *)event;
                xcb_damage_create(connection, xcb_generate_id(connection), created->window,
                                  XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
                xcb_flush(connection);
            } else if (type == XCB_MAP_NOTIFY) {
                const xcb_map_notify_event_t *map = (const xcb_map_notify_event_t *)event;
                if (map->event == root && !map->override_redirect && mappedCount < MaxWindows) {
                    mapped[mappedCount++] = map->window;
                    if (mapMs < 0)
                        mapMs = nowMs() - launched;
                }
            } else if (type == damageNotify) {
                const xcb_damage_notify_event_t *notify = (const xcb_damage_notify_event_t *)event;
                for (int i = 0; i < mappedCount; ++i) {
                    if (mapped[i] == notify->drawable)
                        paintMs = nowMs() - launched;
                }
            }
            free(event);
        }
        if (paintMs >= 0)
            break;
        if (xcb_connection_has_error(connection)) {
            fprintf(stderr, "first_paint: lost the X display\n");
            break;
        }
        const int left = timeoutMs - (int)(nowMs() - launched);
        int status;
        if (left <= 0 || waitpid(child, &status, WNOHANG) == child) {
            fprintf(stderr, "first_paint: %s never painted a window\n", argv[first]);
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            return 1;
        }
        if (poll(&xfd, 1, left < 100 ? left : 100) < 0 && errno != EINTR) {
            perror("first_paint: poll");
            break;
        }
    }

    // Memory once the program has settled after its first paint.
    usleep((useconds_t)idleMs * 1000);
    const long rss = residentKb(child);
    kill(child, SIGTERM);
    int status;
    waitpid(child, &status, 0);
    xcb_disconnect(connection);

    if (paintMs < 0 || rss < 0)
        return 1;
    printf("first_paint_ms=%.2f map_ms=%.2f rss_kb=%ld\n", paintMs, mapMs, rss);
    return 0;
}
