// selvadoro_first_window COMMAND [ARGS...]
//
// Measures how long a program takes to show its first window: watches the
// X server's root window for the first top-level window mapped (leaving
// out override-redirect ones: menus, tooltips), runs the command and
// prints the seconds from just before it starts to that event ("0.0812").
// Then ends the command. Exit 1 when no window appears within 20 s.
#include <X11/Xlib.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace {

constexpr double kWindowLimit = 20.0;  // seconds
constexpr double kTermLimit = 2.0;     // seconds between SIGTERM and SIGKILL

double now() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

// Ends the command: SIGTERM, and SIGKILL if it is still there after 2 s.
void endChild(pid_t child) {
    kill(child, SIGTERM);
    const double limit = now() + kTermLimit;
    while (now() < limit) {
        const pid_t done = waitpid(child, nullptr, WNOHANG);
        if (done == child || (done < 0 && errno != EINTR)) return;
        usleep(10000);
    }
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "uso: %s COMANDO [ARGOMENTI...]\n", argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "impossibile aprire il display X (DISPLAY non valido?)\n");
        return 2;
    }
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const double start = now();
    const pid_t child = fork();
    if (child < 0) {
        std::perror("fork");
        return 2;
    }
    if (child == 0) {
        close(ConnectionNumber(display));
        execvp(argv[1], argv + 1);
        std::perror(argv[1]);
        _exit(127);
    }

    const int fd = ConnectionNumber(display);
    const double limit = start + kWindowLimit;
    for (;;) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && event.xmap.event == root &&
                !event.xmap.override_redirect) {
                const double elapsed = now() - start;
                std::printf("%.4f\n", elapsed);
                std::fflush(stdout);
                endChild(child);
                XCloseDisplay(display);
                return 0;
            }
        }
        const double left = limit - now();
        if (left <= 0) break;
        if (waitpid(child, nullptr, WNOHANG) == child) {
            std::fprintf(stderr, "%s è terminato senza mostrare una finestra\n", argv[1]);
            XCloseDisplay(display);
            return 1;
        }
        pollfd wait{fd, POLLIN, 0};
        const int timeout = left < 0.05 ? int(left * 1000) + 1 : 50;
        poll(&wait, 1, timeout);
    }
    std::fprintf(stderr, "nessuna finestra mostrata da %s entro %.0f s\n", argv[1], kWindowLimit);
    endChild(child);
    XCloseDisplay(display);
    return 1;
}
