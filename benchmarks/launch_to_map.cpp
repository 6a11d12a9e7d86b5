// SPDX-License-Identifier: GPL-3.0-or-later
// Times one launch of a Qt program under an X server: from just before the
// fork to the moment the server maps a top-level window of the new process
// (matched by _NET_WM_PID, which Qt sets before it maps), and the CPU time
// the process has used by then, which a busy machine stretches far less than
// the wall-clock time. After a settling pause it reads the private memory
// (RssAnon) and the CPU time again, ends the process and prints one line:
//     <ms to map> <CPU ms at map> <RssAnon KiB> <CPU ms after settling>
// Usage: launch_to_map SETTLE_MS PROGRAM [ARGUMENTS...]
// The server is the one DISPLAY names; with no window manager every top-level
// window is a child of the root window, whose map events this program watches.

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <poll.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

long WindowPid(Display* display, Window window, Atom pidAtom) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    long pid = -1;
    if (XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after,
                           &data) == Success &&
        data && format == 32 && count == 1)
        pid = static_cast<long>(*reinterpret_cast<unsigned long*>(data));
    if (data) XFree(data);
    return pid;
}

// The "RssAnon:" line of /proc/PID/status in KiB, or -1.
long RssAnonKib(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string key;
    long value = -1;
    while (status >> key) {
        if (key == "RssAnon:") {
            status >> value;
            return value;
        }
        status.ignore(1 << 12, '\n');
    }
    return -1;
}

// CPU time used so far by the process `pid`, in milliseconds: all its
// threads, also those that have ended already (a thread that did its part of
// the start-up and was joined leaves /proc/PID/task). The process CPU clock
// has them all; where it cannot be read, the nanoseconds of the threads still
// running (/proc/PID/task/*/schedstat), otherwise the clock ticks of /proc/PID/stat.
double CpuMs(pid_t pid) {
    clockid_t clock;
    timespec used{};
    if (clock_getcpuclockid(pid, &clock) == 0 && clock_gettime(clock, &used) == 0)
        return static_cast<double>(used.tv_sec) * 1e3 + static_cast<double>(used.tv_nsec) / 1e6;
    const std::string proc = "/proc/" + std::to_string(pid);
    double ns = 0;
    bool found = false;
    std::error_code ec;
    for (const auto& task : std::filesystem::directory_iterator(proc + "/task", ec)) {
        std::ifstream sched(task.path() / "schedstat");
        double taskNs = 0;
        if (sched >> taskNs) {
            ns += taskNs;
            found = true;
        }
    }
    if (found) return ns / 1e6;
    std::ifstream stat(proc + "/stat");
    std::string line;
    std::getline(stat, line);
    // The fields after the command name, which is in brackets and may hold spaces.
    std::istringstream rest(line.substr(line.rfind(')') + 2));
    std::string field;
    double ticks = 0;
    for (int i = 3; i <= 15 && rest >> field; ++i)
        if (i == 14 || i == 15) ticks += std::stod(field);
    return ticks * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s SETTLE_MS PROGRAM [ARGUMENTS...]\n", argv[0]);
        return 2;
    }
    const int settleMs = std::atoi(argv[1]);
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "launch_to_map: cannot open the display\n");
        return 2;
    }
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);
    XSync(display, False);

    const Clock::time_point launched = Clock::now();
    const pid_t child = fork();
    if (child < 0) return 2;
    if (child == 0) {
        close(ConnectionNumber(display));
        execvp(argv[2], argv + 2);
        std::perror(argv[2]);
        _exit(127);
    }

    const Clock::time_point deadline = launched + std::chrono::seconds(30);
    double mapMs = -1;
    double mapCpu = 0;
    while (mapMs < 0 && Clock::now() < deadline) {
        while (mapMs < 0 && XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && WindowPid(display, event.xmap.window, pidAtom) == child) {
                mapMs = std::chrono::duration<double, std::milli>(Clock::now() - launched).count();
                mapCpu = CpuMs(child);
            }
        }
        if (mapMs >= 0) break;
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child) {
            std::fprintf(stderr, "launch_to_map: %s ended before its window mapped\n", argv[2]);
            return 1;
        }
        pollfd fd{ConnectionNumber(display), POLLIN, 0};
        poll(&fd, 1, 50);
    }
    int status = 0;
    if (mapMs < 0) {
        std::fprintf(stderr, "launch_to_map: no window of %s mapped within 30 s\n", argv[2]);
        kill(child, SIGKILL);
        waitpid(child, &status, 0);
        return 1;
    }

    std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
    const long rss = RssAnonKib(child);
    const double cpu = CpuMs(child);
    kill(child, SIGTERM);
    waitpid(child, &status, 0);
    XCloseDisplay(display);
    std::printf("%.2f %.2f %ld %.1f\n", mapMs, mapCpu, rss, cpu);
    return 0;
}
