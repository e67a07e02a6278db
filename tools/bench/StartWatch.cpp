// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up watcher: starts a program and reports, in milliseconds after the process was
// started, when the X server mapped and first drew each of its top-level windows and when
// the first one (the splash) was unmapped again.
//
//   tintrix-startwatch [--board <title>] [--single] [--timeout <s>] -- <program> [<arguments>...]
//
// With --single the program has one window only (the bare window the game is compared with):
// it is reported as the splash, and the program is ended once it has been drawn.
// Output, one "key value" line each (values in ms, fractions allowed):
//   splash.mapped, splash.painted, splash.closed, board.mapped, board.painted
// and "error <text>" when something did not happen in time. The program is ended (SIGTERM)
// once the board has been drawn.
//
// Run it on a display without a window manager: the windows are then children of the root
// window, whose substructure events show every map and unmap the moment the server does it.
// "Drawn" is the first DAMAGE report for the window after it was mapped, that is when the
// program's first picture of it reached the screen.

// X11
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>

// Std
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <map>
#include <optional>
#include <string>

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

double nowMs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

std::optional<long> windowPid(Display* dpy, Window w)
{
    const Atom pidAtom = XInternAtom(dpy, "_NET_WM_PID", True);
    if (pidAtom == None)
        return std::nullopt;
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    std::optional<long> pid;
    if (XGetWindowProperty(dpy, w, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after, &data) == Success
        && data && count == 1 && format == 32)
        pid = *reinterpret_cast<long*>(data);
    if (data)
        XFree(data);
    return pid;
}

std::string windowTitle(Display* dpy, Window w)
{
    const Atom utf8 = XInternAtom(dpy, "UTF8_STRING", False);
    const Atom netName = XInternAtom(dpy, "_NET_WM_NAME", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    std::string title;
    if (XGetWindowProperty(dpy, w, netName, 0, 1024, False, utf8, &type, &format, &count, &after, &data) == Success
        && data && format == 8)
        title.assign(reinterpret_cast<char*>(data), count);
    if (data)
        XFree(data);
    if (title.empty()) {
        char* name = nullptr;
        if (XFetchName(dpy, w, &name) && name) {
            title = name;
            XFree(name);
        }
    }
    return title;
}

int ignoreErrors(Display*, XErrorEvent*) { return 0; } // windows may vanish while we look

void usage()
{
    std::fprintf(stderr,
                 "usage: tintrix-startwatch [--board <title>] [--single] [--timeout <s>] -- <program> [<args>...]\n");
}

} // namespace

int main(int argc, char* argv[])
{
    std::string boardTitle = "Tintrix ";
    double timeoutS = 30;
    bool single = false;
    int first = 1;
    for (; first < argc; ++first) {
        const std::string a = argv[first];
        if (a == "--board" && first + 1 < argc)
            boardTitle = argv[++first];
        else if (a == "--single")
            single = true;
        else if (a == "--timeout" && first + 1 < argc)
            timeoutS = std::atof(argv[++first]);
        else if (a == "--") {
            ++first;
            break;
        } else {
            usage();
            return 2;
        }
    }
    if (first >= argc) {
        usage();
        return 2;
    }

    Display* dpy = XOpenDisplay(nullptr);
    if (!dpy) {
        std::printf("error no X display\n");
        return 1;
    }
    int damageEvent = 0;
    int damageError = 0;
    if (!XDamageQueryExtension(dpy, &damageEvent, &damageError)) {
        std::printf("error the X server has no DAMAGE extension\n");
        return 1;
    }
    XSetErrorHandler(ignoreErrors);
    const Window root = DefaultRootWindow(dpy);
    XSelectInput(dpy, root, SubstructureNotifyMask);
    XSync(dpy, False);

    const double start = nowMs();
    const pid_t child = fork();
    if (child == 0) {
        close(ConnectionNumber(dpy));
        execvp(argv[first], argv + first);
        std::perror("exec");
        _exit(127);
    }
    if (child < 0) {
        std::printf("error fork failed\n");
        return 1;
    }

    struct Watched {
        std::string role; // "splash" or "board"
        double mapped = -1;
        double painted = -1;
        Damage damage = 0;
    };
    std::map<Window, Watched> windows;
    std::map<std::string, double> times;
    Window splash = None;
    const double deadline = start + timeoutS * 1000;
    bool done = false;
    std::string error;

    while (!done) {
        if (!XPending(dpy)) {
            const double left = deadline - nowMs();
            if (left <= 0) {
                error = "timed out";
                break;
            }
            pollfd pfd{ConnectionNumber(dpy), POLLIN, 0};
            poll(&pfd, 1, int(std::min(left, 100.0)) + 1);
            int status = 0;
            if (waitpid(child, &status, WNOHANG) == child) {
                error = "the program ended early";
                break;
            }
            continue;
        }
        XEvent ev;
        XNextEvent(dpy, &ev);
        const double t = nowMs() - start;
        if (ev.type == MapNotify && ev.xmap.event == root) {
            const Window w = ev.xmap.window;
            const std::optional<long> pid = windowPid(dpy, w);
            if (!pid || *pid != child)
                continue;
            const std::string title = windowTitle(dpy, w);
            std::string role;
            if (title == boardTitle)
                role = "board";
            else if (splash == None && !times.count("board.mapped"))
                role = "splash";
            else
                continue;
            if (times.count(role + ".mapped"))
                continue;
            if (role == "splash")
                splash = w;
            Watched& watched = windows[w];
            watched.role = role;
            watched.mapped = t;
            watched.damage = XDamageCreate(dpy, w, XDamageReportNonEmpty);
            times[role + ".mapped"] = t;
        } else if (ev.type == UnmapNotify && ev.xunmap.event == root && ev.xunmap.window == splash) {
            if (!times.count("splash.closed"))
                times["splash.closed"] = t;
        } else if (ev.type == damageEvent + XDamageNotify) {
            const auto* d = reinterpret_cast<XDamageNotifyEvent*>(&ev);
            auto it = windows.find(d->drawable);
            if (it == windows.end() || it->second.painted >= 0)
                continue;
            it->second.painted = t;
            times[it->second.role + ".painted"] = t;
            XDamageSubtract(dpy, d->damage, None, None);
            if (it->second.role == "board" || single)
                done = true;
        }
    }

    for (const char* key : {"splash.mapped", "splash.painted", "splash.closed", "board.mapped", "board.painted"}) {
        if (times.count(key))
            std::printf("%s %.1f\n", key, times[key]);
    }
    if (!error.empty())
        std::printf("error %s\n", error.c_str());
    std::fflush(stdout);

    kill(child, SIGTERM);
    int status = 0;
    for (int i = 0; i < 50 && waitpid(child, &status, WNOHANG) == 0; ++i)
        usleep(100 * 1000);
    if (waitpid(child, &status, WNOHANG) == 0) {
        kill(child, SIGKILL);
        waitpid(child, &status, 0);
    }
    XCloseDisplay(dpy);
    return error.empty() ? 0 : 1;
}
