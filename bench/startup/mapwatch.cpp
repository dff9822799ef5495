// Starts a program on the X display named by DISPLAY and measures what its user waits for: the time
// from exec to its first top-level window being mapped (and to its creation, and the CPU time the
// process had used by the mapping), and the process's resident memory and thread count right then
// and at a fixed moment after exec. Then it ends the program.
//
//   mt_mapwatch [--at-ms MS] [--keep DIR] [--log FILE] -- PROGRAM [ARGS...]
//
// Prints one line: mapped_ms= created_ms= cpu_map_ms= rss_map_kib= threads_map= rss_kib= threads=
// rss_anon_kib= rss_file_kib= title=  (rss_kib and threads are taken MS after exec, default 10000). --keep
// copies the program's /proc maps, smaps, status and thread names at that moment into DIR. Exits 1 when no
// window was mapped in time or the program ended first.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <string>

extern char** environ;

namespace {
double nowMs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

struct ProcStatus {
    long rssKib = -1, anonKib = -1, fileKib = -1;
    int threads = -1;
};

ProcStatus readStatus(pid_t pid) {
    ProcStatus s;
    char path[64];
    std::snprintf(path, sizeof path, "/proc/%d/status", int(pid));
    FILE* f = std::fopen(path, "r");
    if (!f)
        return s;
    char line[256];
    while (std::fgets(line, sizeof line, f)) {
        std::sscanf(line, "VmRSS: %ld", &s.rssKib);
        std::sscanf(line, "RssAnon: %ld", &s.anonKib);
        std::sscanf(line, "RssFile: %ld", &s.fileKib);
        std::sscanf(line, "Threads: %d", &s.threads);
    }
    std::fclose(f);
    return s;
}

// CPU time of all the process's threads so far: a figure that the load of other processes on the
// machine hardly moves, unlike the wall-clock time to the window.
double cpuMs(pid_t pid) {
    const std::string task = "/proc/" + std::to_string(pid) + "/task";
    double ns = 0;
    if (DIR* d = opendir(task.c_str())) {
        while (dirent* e = readdir(d)) {
            if (e->d_name[0] == '.')
                continue;
            if (FILE* f = std::fopen((task + "/" + e->d_name + "/schedstat").c_str(), "r")) {
                unsigned long long onCpu = 0;
                if (std::fscanf(f, "%llu", &onCpu) == 1)
                    ns += double(onCpu);
                std::fclose(f);
            }
        }
        closedir(d);
    }
    return ns / 1e6;
}

void copyFile(const std::string& from, const std::string& to) {
    FILE* in = std::fopen(from.c_str(), "r");
    FILE* out = in ? std::fopen(to.c_str(), "w") : nullptr;
    char buf[8192];
    size_t n = 0;
    while (out && (n = std::fread(buf, 1, sizeof buf, in)) > 0)
        std::fwrite(buf, 1, n, out);
    if (out)
        std::fclose(out);
    if (in)
        std::fclose(in);
}

// The program's memory map and the name of each of its threads, for telling where the cost goes.
void keep(pid_t pid, const std::string& dir) {
    const std::string proc = "/proc/" + std::to_string(pid);
    copyFile(proc + "/maps", dir + "/maps");
    copyFile(proc + "/smaps", dir + "/smaps");
    copyFile(proc + "/status", dir + "/status");
    FILE* out = std::fopen((dir + "/threads").c_str(), "w");
    if (DIR* d = opendir((proc + "/task").c_str())) {
        while (dirent* e = readdir(d)) {
            if (e->d_name[0] == '.')
                continue;
            char comm[64] = "";
            if (FILE* c = std::fopen((proc + "/task/" + e->d_name + "/comm").c_str(), "r")) {
                if (!std::fgets(comm, sizeof comm, c))
                    comm[0] = '\0';
                std::fclose(c);
            }
            if (out)
                std::fprintf(out, "%s %s", e->d_name, comm);
        }
        closedir(d);
    }
    if (out)
        std::fclose(out);
}

std::string windowTitle(Display* dpy, Window w) {
    const Atom netName = XInternAtom(dpy, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(dpy, "UTF8_STRING", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::string title;
    if (XGetWindowProperty(dpy, w, netName, 0, 1024, False, utf8, &type, &format, &count, &after, &data) ==
            Success &&
        data) {
        title.assign(reinterpret_cast<char*>(data), count);
        XFree(data);
    }
    return title;
}

bool ended(pid_t pid) {
    int status = 0;
    return waitpid(pid, &status, WNOHANG) == pid;
}

void stop(pid_t pid) {
    kill(pid, SIGTERM);
    for (int i = 0; i < 300; ++i) {
        if (ended(pid))
            return;
        usleep(10000);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}
} // namespace

int main(int argc, char** argv) {
    double atMs = 10000;
    std::string keepDir, logFile = "/dev/null";
    int i = 1;
    for (; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--at-ms") && i + 1 < argc)
            atMs = std::atof(argv[++i]);
        else if (!std::strcmp(argv[i], "--keep") && i + 1 < argc)
            keepDir = argv[++i];
        else if (!std::strcmp(argv[i], "--log") && i + 1 < argc)
            logFile = argv[++i];
        else if (!std::strcmp(argv[i], "--")) {
            ++i;
            break;
        } else
            break;
    }
    if (i >= argc) {
        std::fprintf(stderr,
                     "usage: mt_mapwatch [--at-ms MS] [--keep DIR] [--log FILE] -- PROGRAM [ARGS...]\n");
        return 2;
    }
    Display* dpy = XOpenDisplay(nullptr);
    if (!dpy) {
        std::fprintf(stderr, "mt_mapwatch: cannot open the display\n");
        return 2;
    }
    // Windows the program creates on the root window are its top-level windows (this display has no
    // window manager to reparent them).
    const Window root = DefaultRootWindow(dpy);
    XSelectInput(dpy, root, SubstructureNotifyMask);
    XSync(dpy, False);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, logFile.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    posix_spawn_file_actions_addclose(&actions, ConnectionNumber(dpy));
    pid_t pid = 0;
    const double t0 = nowMs();
    if (posix_spawnp(&pid, argv[i], &actions, nullptr, argv + i, environ) != 0) {
        std::fprintf(stderr, "mt_mapwatch: cannot start %s\n", argv[i]);
        return 2;
    }
    posix_spawn_file_actions_destroy(&actions);

    double mappedMs = -1, createdMs = -1, cpuAtMap = -1;
    Window mapped = None;
    ProcStatus atMap;
    bool gone = false;
    pollfd pfd{ConnectionNumber(dpy), POLLIN, 0};
    while (!gone && nowMs() - t0 < atMs) {
        while (XPending(dpy)) {
            XEvent ev;
            XNextEvent(dpy, &ev);
            if (ev.type == CreateNotify && createdMs < 0 && ev.xcreatewindow.parent == root &&
                !ev.xcreatewindow.override_redirect)
                createdMs = nowMs() - t0;
            if (ev.type == MapNotify && mappedMs < 0 && ev.xmap.event == root && !ev.xmap.override_redirect) {
                mappedMs = nowMs() - t0;
                atMap = readStatus(pid);
                cpuAtMap = cpuMs(pid);
                mapped = ev.xmap.window;
            }
        }
        gone = ended(pid);
        const double left = atMs - (nowMs() - t0);
        if (!gone && left > 0)
            poll(&pfd, 1, int(left < 50 ? left + 1 : 50));
    }
    if (gone) {
        std::fprintf(stderr, "mt_mapwatch: %s ended before the measuring moment (see %s)\n", argv[i],
                     logFile.c_str());
        return 1;
    }
    const ProcStatus at = readStatus(pid);
    if (!keepDir.empty())
        keep(pid, keepDir);
    const std::string title = mapped != None ? windowTitle(dpy, mapped) : std::string();
    stop(pid);
    XCloseDisplay(dpy);
    if (mappedMs < 0) {
        std::fprintf(stderr, "mt_mapwatch: %s mapped no window within %.0f ms\n", argv[i], atMs);
        return 1;
    }
    std::printf("mapped_ms=%.2f created_ms=%.2f cpu_map_ms=%.2f rss_map_kib=%ld threads_map=%d rss_kib=%ld "
                "threads=%d "
                "rss_anon_kib=%ld rss_file_kib=%ld title=%s\n",
                mappedMs, createdMs, cpuAtMap, atMap.rssKib, atMap.threads, at.rssKib, at.threads, at.anonKib,
                at.fileKib, title.c_str());
    return 0;
}
