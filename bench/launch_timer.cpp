// launch-timer PROGRAM [ARGS...]: starts PROGRAM on the X display in
// $DISPLAY and prints, on one line, the milliseconds from exec to its first
// top-level window being mapped and its resident memory in KiB one second
// later. The program is then ended.
//
// It watches the root window for MapNotify, so it needs a display without a
// window manager (a bare Xvfb), where top-level windows are the root's own
// children.
#include <X11/Xlib.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <string>
#include <thread>

#include <sys/wait.h>
#include <unistd.h>

namespace {

long residentKiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    }
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: launch-timer PROGRAM [ARGS...]\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "launch-timer: cannot open the display\n");
        return 1;
    }
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        std::perror("launch-timer: exec");
        _exit(127);
    }

    const auto deadline = start + std::chrono::seconds(10);
    double mappedMs = -1;
    while (std::chrono::steady_clock::now() < deadline) {
        if (XPending(display) == 0) {
            std::this_thread::sleep_for(std::chrono::microseconds(100));
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify && !event.xmap.override_redirect) {
            mappedMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
            break;
        }
    }
    long rss = -1;
    if (mappedMs >= 0) {
        std::this_thread::sleep_for(std::chrono::seconds(1));
        rss = residentKiB(child);
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    XCloseDisplay(display);
    if (mappedMs < 0) {
        std::fprintf(stderr, "launch-timer: no window was mapped within 10 s\n");
        return 1;
    }
    std::printf("%.2f %ld\n", mappedMs, rss);
    return 0;
}
