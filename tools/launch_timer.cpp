// quarvel-launch-timer [--rss-after MS] -- PROGRAM [ARGS...]
// Starts PROGRAM on the X display and prints how long it took until its first top-level window
// was mapped, in milliseconds. With --rss-after it then waits MS milliseconds and prints the
// program's resident memory (VmRSS) as well. The program is killed at the end.
//
// The timer listens on the root window before it starts the program, so no map is missed and
// no polling interval adds to the figure. Use it on a display of its own (Xvfb), without a
// window manager: then the first top-level window that is mapped is the program's.
#include <X11/Xlib.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kTimeoutSeconds = 60;

long ResidentKilobytes(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::stol(line.substr(6));
        }
    }
    return -1;
}

int Usage() {
    std::fprintf(stderr, "usage: quarvel-launch-timer [--rss-after MS] -- PROGRAM [ARGS...]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    int rssAfterMs = -1;
    int first = 1;
    for (; first < argc; ++first) {
        if (std::strcmp(argv[first], "--rss-after") == 0 && first + 1 < argc) {
            rssAfterMs = std::atoi(argv[++first]);
        } else if (std::strcmp(argv[first], "--") == 0) {
            ++first;
            break;
        } else {
            return Usage();
        }
    }
    if (first >= argc) {
        return Usage();
    }

    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "quarvel-launch-timer: cannot open the display\n");
        return 1;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[first], argv + first);
        std::perror(argv[first]);
        _exit(127);
    }
    alarm(kTimeoutSeconds);  // a program that never maps a window ends the run

    double mappedMs = -1;
    while (mappedMs < 0) {
        XEvent event;
        XNextEvent(display, &event);
        // Menus and tips are override-redirect windows; the main window is not.
        if (event.type == MapNotify && !event.xmap.override_redirect) {
            mappedMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        }
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child) {
            std::fprintf(stderr, "quarvel-launch-timer: %s ended before mapping a window\n",
                         argv[first]);
            return 1;
        }
    }
    std::printf("mapped %.1f ms\n", mappedMs);
    if (rssAfterMs >= 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(rssAfterMs));
        std::printf("rss %ld kB\n", ResidentKilobytes(child));
    }
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    XCloseDisplay(display);
    return 0;
}
