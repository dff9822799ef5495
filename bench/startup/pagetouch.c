// Which code first touches each page of a mapped file during a start: loaded with LD_PRELOAD, it
// makes the pages of the chosen ranges of one mapped file inaccessible; the first access to each
// page then faults, and the handler writes a backtrace and gives the page its rights back. The
// kernel maps a whole 64 KiB block around any page a program touches, so a block one call reaches
// costs 64 KiB of resident memory: this finds that call.
//
// Environment: PAGETOUCH_FILE (part of the mapped file's path), PAGETOUCH_RANGES (offsets from the
// file's load address, "0x230000-0x240000,..."), PAGETOUCH_OUT (the report, appended to).
// bench/startup/pagetouch.sh sets them and names the frames.
#define _GNU_SOURCE
#include <execinfo.h>
#include <fcntl.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/mman.h>
#include <unistd.h>

struct range {
    unsigned long from, to;
    int prot;
};
static struct range ranges[256];
static int rangeCount;
static unsigned long loadBase;
static int out = 2;

static void onFault(int sig, siginfo_t* info, void* context) {
    (void)context;
    const unsigned long page = (unsigned long)info->si_addr & ~4095UL;
    for (int i = 0; i < rangeCount; i++) {
        if (page >= loadBase + ranges[i].from && page < loadBase + ranges[i].to) {
            char line[80];
            const int n =
                snprintf(line, sizeof line, "== pid %d page %#lx\n", (int)getpid(), page - loadBase);
            if (write(out, line, (size_t)n) < 0)
                break;
            void* frames[32];
            backtrace_symbols_fd(frames, backtrace(frames, 32), out);
            mprotect((void*)page, 4096, ranges[i].prot);
            return;
        }
    }
    // Not one of ours: a real fault.
    signal(sig, SIG_DFL);
}

__attribute__((constructor)) static void start(void) {
    const char* file = getenv("PAGETOUCH_FILE");
    const char* wanted = getenv("PAGETOUCH_RANGES");
    const char* report = getenv("PAGETOUCH_OUT");
    if (!file || !wanted)
        return;
    if (report)
        out = open(report, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    void* warm[1];
    backtrace(warm, 1); // loads the unwinder before any page is closed

    struct {
        unsigned long from, to;
        int prot;
    } maps[256];
    int mapCount = 0;
    FILE* m = fopen("/proc/self/maps", "re");
    char line[1024];
    while (m && mapCount < 256 && fgets(line, sizeof line, m)) {
        unsigned long from, to, offset;
        char perm[5];
        if (!strstr(line, file) || sscanf(line, "%lx-%lx %4s %lx", &from, &to, perm, &offset) != 4)
            continue;
        if (!loadBase)
            loadBase = from - offset;
        maps[mapCount].from = from - loadBase;
        maps[mapCount].to = to - loadBase;
        maps[mapCount].prot = (perm[0] == 'r' ? PROT_READ : 0) | (perm[1] == 'w' ? PROT_WRITE : 0) |
                              (perm[2] == 'x' ? PROT_EXEC : 0);
        mapCount++;
    }
    if (m)
        fclose(m);

    struct sigaction sa;
    memset(&sa, 0, sizeof sa);
    sa.sa_sigaction = onFault;
    sa.sa_flags = SA_SIGINFO | SA_NODEFER;
    sigaction(SIGSEGV, &sa, NULL);

    char* list = strdup(wanted);
    for (char* r = strtok(list, ","); r && rangeCount < 256; r = strtok(NULL, ",")) {
        unsigned long from, to;
        if (sscanf(r, "%lx-%lx", &from, &to) != 2)
            continue;
        // Each mapping the range crosses keeps its own rights; writable data is left alone (the
        // handler's own writes would fault on it).
        for (int j = 0; j < mapCount && rangeCount < 256; j++) {
            const unsigned long lo = from > maps[j].from ? from : maps[j].from;
            const unsigned long hi = to < maps[j].to ? to : maps[j].to;
            if (lo >= hi || (maps[j].prot & PROT_WRITE))
                continue;
            ranges[rangeCount].from = lo;
            ranges[rangeCount].to = hi;
            ranges[rangeCount].prot = maps[j].prot;
            rangeCount++;
            mprotect((void*)(loadBase + lo), hi - lo, PROT_NONE);
        }
    }
    free(list);
}
