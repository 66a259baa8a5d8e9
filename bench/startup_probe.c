/* Times one program from exec to its first mapped top-level window, as the X server sees it:
 * subscribes to the root window's SubstructureNotify, spawns the program, waits for MapNotify.
 * Then lets it settle, reads its peak RSS, and ends it.
 *
 * usage: startup_probe SETTLE_MS PROGRAM [ARGS...]
 * prints: startup_us=N peak_rss_kib=N
 */
#define _POSIX_C_SOURCE 200809L

#include <xcb/xcb.h>

#include <signal.h>
#include <spawn.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

extern char** environ;

static long long NowUs(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return (long long)t.tv_sec * 1000000LL + t.tv_nsec / 1000;
}

/* VmHWM of a live process in KiB, or -1. */
static long PeakRssKib(pid_t pid)
{
    char path[64];
    snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
    FILE* status = fopen(path, "r");
    if (status == NULL) {
        return -1;
    }
    char line[256];
    long kib = -1;
    while (fgets(line, sizeof line, status) != NULL) {
        if (strncmp(line, "VmHWM:", 6) == 0) {
            kib = strtol(line + 6, NULL, 10);
            break;
        }
    }
    fclose(status);
    return kib;
}

int main(int argc, char** argv)
{
    if (argc < 3) {
        fprintf(stderr, "usage: startup_probe SETTLE_MS PROGRAM [ARGS...]\n");
        return 2;
    }
    const long settleMs = strtol(argv[1], NULL, 10);

    xcb_connection_t* x = xcb_connect(NULL, NULL);
    if (xcb_connection_has_error(x)) {
        fprintf(stderr, "startup_probe: cannot open the display\n");
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    /* Checked, so the subscription is in force before the program starts. */
    xcb_generic_error_t* error = xcb_request_check(
        x, xcb_change_window_attributes_checked(x, root, XCB_CW_EVENT_MASK, &mask));
    if (error != NULL) {
        fprintf(stderr, "startup_probe: cannot watch the root window (error %d)\n",
                error->error_code);
        return 2;
    }

    pid_t child;
    const long long start = NowUs();
    if (posix_spawn(&child, argv[2], NULL, NULL, argv + 2, environ) != 0) {
        perror("startup_probe: spawn");
        return 2;
    }
    long long mapped = -1;
    xcb_generic_event_t* event;
    while (mapped < 0 && (event = xcb_wait_for_event(x)) != NULL) {
        if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
            mapped = NowUs();
        }
        free(event);
    }
    if (mapped < 0) {
        fprintf(stderr, "startup_probe: the display closed before a window was mapped\n");
        kill(child, SIGKILL);
        waitpid(child, NULL, 0);
        return 2;
    }

    /* The first paint follows the map; the peak is taken once it has surely happened. */
    struct timespec settle = {settleMs / 1000, (settleMs % 1000) * 1000000L};
    nanosleep(&settle, NULL);
    const long peak = PeakRssKib(child);
    kill(child, SIGTERM);
    int status = 0;
    waitpid(child, &status, 0);
    xcb_disconnect(x);
    if (peak < 0) {
        fprintf(stderr, "startup_probe: the program ended before its peak RSS could be read\n");
        return 2;
    }
    printf("startup_us=%lld peak_rss_kib=%ld\n", mapped - start, peak);
    return 0;
}
