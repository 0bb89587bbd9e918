// Starts a desktop program in the X server named by DISPLAY and reports, in milliseconds from the
// exec, when its first top-level window and (with --caption) its main window were mapped, and the
// processor time the program had used by then, then
// the memory of the program's whole process tree 1.5 s after that. With --browser it then opens
// the Web Browser panel by clicking its toolbar button and reports when the embedded browser
// first shows the welcome page, the processor time the program used until then, the memory after
// that, and what became of the main window's X window meanwhile: its id before and after, and how
// often it was unmapped or destroyed. With --close-after-ms N it asks the main window to close N ms
// after that click, as a window manager's close box does, instead of waiting for the page, and
// reports how the program ended. Prints key=value lines on stdout.
//
// Usage: mapwatch [--caption TEXT] [--browser [--close-after-ms N]] [--settle-ms N]
//                 [--timeout-ms N] -- COMMAND ARGS

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fstream>
#include <map>
#include <optional>
#include <poll.h>
#include <signal.h>
#include <string>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

int ignoreXErrors(Display *, XErrorEvent *)
{
    // A window may vanish between its MapNotify and a look at its name.
    return 0;
}

// Every process below ours. We are the subreaper of the program we start, so a process whose
// parent has ended is still found here.
std::vector<pid_t> descendants()
{
    std::multimap<pid_t, pid_t> children;
    if (DIR *proc = opendir("/proc")) {
        while (const dirent *entry = readdir(proc)) {
            char *end = nullptr;
            const long pid = std::strtol(entry->d_name, &end, 10);
            if (pid <= 0 || *end != '\0')
                continue;
            std::ifstream stat("/proc/" + std::string(entry->d_name) + "/stat");
            std::string line;
            if (!std::getline(stat, line))
                continue;
            // The command name may hold blanks and parentheses: the fields go on after the last
            // ')'.
            const auto close = line.rfind(')');
            if (close == std::string::npos)
                continue;
            char state = 0;
            long parent = 0;
            if (std::sscanf(line.c_str() + close + 1, " %c %ld", &state, &parent) == 2)
                children.emplace(pid_t(parent), pid_t(pid));
        }
        closedir(proc);
    }
    std::vector<pid_t> found;
    std::vector<pid_t> queue {getpid()};
    while (!queue.empty()) {
        const pid_t parent = queue.back();
        queue.pop_back();
        const auto [first, last] = children.equal_range(parent);
        for (auto it = first; it != last; ++it) {
            found.push_back(it->second);
            queue.push_back(it->second);
        }
    }
    return found;
}

long fieldKb(const std::string &path, const std::string &key)
{
    std::ifstream file(path);
    std::string line;
    while (std::getline(file, line)) {
        if (line.compare(0, key.size(), key) == 0)
            return std::strtol(line.c_str() + key.size(), nullptr, 10);
    }
    return 0;
}

struct TreeMemory
{
    long rssKb = 0;
    long pssKb = 0;
    int processes = 0;
};

// RSS counts a page shared by several processes once in each; PSS divides it among them.
TreeMemory treeMemory()
{
    TreeMemory memory;
    for (const pid_t pid : descendants()) {
        const std::string dir = "/proc/" + std::to_string(pid);
        memory.rssKb += fieldKb(dir + "/status", "VmRSS:");
        memory.pssKb += fieldKb(dir + "/smaps_rollup", "Pss:");
        ++memory.processes;
    }
    return memory;
}

// The processor time, user and system, that the process tree has used so far, in milliseconds.
// Unlike the time on the clock, it hardly grows when other jobs share the processors.
double treeCpuMs()
{
    double ticks = 0;
    for (const pid_t pid : descendants()) {
        std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
        std::string line;
        if (!std::getline(stat, line))
            continue;
        const auto close = line.rfind(')');
        if (close == std::string::npos)
            continue;
        // After the command name: state (field 3) up to utime (14) and stime (15).
        unsigned long user = 0;
        unsigned long system = 0;
        if (std::sscanf(line.c_str() + close + 1,
                        " %*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %lu %lu", &user, &system)
            == 2)
            ticks += double(user + system);
    }
    return ticks * 1000.0 / double(sysconf(_SC_CLK_TCK));
}

// The processor time that the threads of the process tree have run so far, in milliseconds, to
// the nanosecond as the scheduler counts it (each thread's schedstat) rather than in the 10 ms
// ticks of stat: start-up takes only a few ticks.
double treeRunMs()
{
    double nanoseconds = 0;
    for (const pid_t pid : descendants()) {
        const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
        DIR *dir = opendir(tasks.c_str());
        if (!dir)
            continue;
        while (const dirent *entry = readdir(dir)) {
            std::ifstream schedstat(tasks + '/' + entry->d_name + "/schedstat");
            unsigned long long run = 0;
            if (entry->d_name[0] != '.' && schedstat >> run)
                nanoseconds += double(run);
        }
        closedir(dir);
    }
    return nanoseconds / 1e6;
}

void killTree(pid_t child)
{
    // Twice: a process may start another while the first round goes out.
    for (int round = 0; round < 2; ++round) {
        kill(-child, SIGKILL);
        for (const pid_t pid : descendants())
            kill(pid, SIGKILL);
    }
    const auto deadline = Clock::now() + std::chrono::seconds(10);
    while (Clock::now() < deadline) {
        const pid_t reaped = waitpid(-1, nullptr, WNOHANG);
        if (reaped < 0 && errno == ECHILD)
            return;
        if (reaped == 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

// The program we started, once it runs.
pid_t g_child = 0;

[[noreturn]] void fail(const std::string &message)
{
    std::fprintf(stderr, "mapwatch: %s\n", message.c_str());
    if (g_child > 0)
        killTree(g_child);
    std::exit(1);
}

std::string windowName(Display *display, Window window)
{
    const Atom netWmName = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    for (const auto &[property, type] :
         {std::pair {netWmName, utf8}, {XA_WM_NAME, AnyPropertyType}}) {
        Atom actualType = None;
        int format = 0;
        unsigned long count = 0;
        unsigned long after = 0;
        unsigned char *data = nullptr;
        if (XGetWindowProperty(display, window, property, 0, 1024, False, type, &actualType,
                               &format, &count, &after, &data)
                == Success
            && data) {
            std::string name(reinterpret_cast<char *>(data), count);
            XFree(data);
            if (format == 8 && !name.empty())
                return name;
        }
    }
    return {};
}

struct Options
{
    std::string caption;
    bool browser = false;
    std::optional<int> closeAfterMs;
    int settleMs = 1500;
    int timeoutMs = 30000;
    std::vector<char *> command;
};

Options parse(int argc, char **argv)
{
    Options options;
    int i = 1;
    for (; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--") {
            ++i;
            break;
        }
        if (arg == "--browser") {
            options.browser = true;
        } else if (i + 1 < argc && arg == "--caption") {
            options.caption = argv[++i];
        } else if (i + 1 < argc && arg == "--close-after-ms") {
            options.closeAfterMs = std::atoi(argv[++i]);
        } else if (i + 1 < argc && arg == "--settle-ms") {
            options.settleMs = std::atoi(argv[++i]);
        } else if (i + 1 < argc && arg == "--timeout-ms") {
            options.timeoutMs = std::atoi(argv[++i]);
        } else {
            fail("unknown option " + arg);
        }
    }
    for (; i < argc; ++i)
        options.command.push_back(argv[i]);
    if (options.command.empty())
        fail("usage: mapwatch [--caption TEXT] [--browser [--close-after-ms N]] [--settle-ms N] "
             "[--timeout-ms N] -- COMMAND ARGS");
    options.command.push_back(nullptr);
    return options;
}

class Watch
{
public:
    Watch(Display *display, pid_t child)
        : m_display(display)
        , m_child(child)
    { }

    // Handles the events that have come, then waits for more up to waitMs.
    void pump(int waitMs)
    {
        while (XPending(m_display)) {
            XEvent event;
            XNextEvent(m_display, &event);
            if (event.type == MapNotify && !event.xmap.override_redirect) {
                const double at = millisecondsSince(start);
                const Window window = event.xmap.window;
                if (!firstMapMs)
                    firstMapMs = at;
                if (window != mainWindow
                    && (caption.empty() || windowName(m_display, window) == caption)) {
                    // A main window mapped anew under another id replaces the first one.
                    if (!mainMapMs)
                        mainMapMs = at;
                    mainWindow = window;
                }
            } else if (event.type == UnmapNotify && event.xunmap.window == mainWindow) {
                ++mainUnmaps;
            } else if (event.type == DestroyNotify && event.xdestroywindow.window == mainWindow) {
                ++mainDestroys;
            }
        }
        if (!exitStatus) {
            int status = 0;
            if (waitpid(m_child, &status, WNOHANG) == m_child) {
                g_child = 0;
                exitStatus = status;
                exitedMs = millisecondsSince(start);
                killTree(m_child);
                if (!expectExit)
                    fail("the program ended before the measurement was done");
            }
        }
        pollfd fd {ConnectionNumber(m_display), POLLIN, 0};
        poll(&fd, 1, waitMs);
    }

    void waitUntil(Clock::time_point deadline)
    {
        while (Clock::now() < deadline)
            pump(int(std::max<long>(
                1,
                std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now())
                    .count())));
    }

    Clock::time_point start;
    std::string caption;
    std::optional<double> firstMapMs;
    std::optional<double> mainMapMs;
    Window mainWindow = None;
    int mainUnmaps = 0;
    int mainDestroys = 0;
    bool expectExit = false;
    std::optional<int> exitStatus; // as waitpid() gives it
    double exitedMs = 0;

private:
    Display *m_display;
    pid_t m_child;
};

struct Region
{
    int x, y, width, height;
};

// Counts the white and the dark pixels of a screen region: the welcome page is black text on
// white, the panel around the empty browser place is grey.
struct RegionLook
{
    long white = 0;
    long dark = 0;
    long total = 0;
    std::vector<unsigned long> pixels;

    bool showsPage() const { return total > 0 && white * 2 > total && dark >= 20; }
};

RegionLook look(Display *display, Region region)
{
    RegionLook result;
    XImage *image = XGetImage(display, DefaultRootWindow(display), region.x, region.y,
                              unsigned(region.width), unsigned(region.height), AllPlanes, ZPixmap);
    if (!image)
        return result;
    result.pixels.reserve(std::size_t(region.width) * std::size_t(region.height));
    for (int y = 0; y < region.height; ++y) {
        for (int x = 0; x < region.width; ++x) {
            const unsigned long pixel = XGetPixel(image, x, y) & 0xFFFFFF;
            result.pixels.push_back(pixel);
            const unsigned red = (pixel >> 16) & 0xFF;
            const unsigned green = (pixel >> 8) & 0xFF;
            const unsigned blue = pixel & 0xFF;
            if (pixel == 0xFFFFFF)
                ++result.white;
            else if (red < 0x60 && green < 0x60 && blue < 0x60)
                ++result.dark;
            ++result.total;
        }
    }
    XDestroyImage(image);
    return result;
}

void printMemory(const char *prefix, const TreeMemory &memory)
{
    std::printf("%srss_kb=%ld\n%spss_kb=%ld\n%sprocesses=%d\n", prefix, memory.rssKb, prefix,
                memory.pssKb, prefix, memory.processes);
}

// The main window's client area starts below its menu bar; the window system adds no frame
// (no window manager). The program's closed window has a client area of 67 pixels.
constexpr int kClosedClientHeight = 67;
// The toolbar's buttons are 57 by 27 pixels, in a row from the left edge of the client area.
constexpr int kButtonWidth = 57;
constexpr int kButtonHeight = 27;
constexpr int kBrowserButton = 6;
// The embedded browser's place in the client area: the panel at (8, 64), the browser at (8, 240)
// in the panel, 369 by 89 pixels. A few pixels are left out at the edges.
constexpr Region kBrowserPlace {8 + 8 + 4, 64 + 240 + 4, 369 - 8, 89 - 8};

// What became of the main window's X window since the click: a window made anew has another id.
void printWindowReport(const Watch &watch, Window before)
{
    std::printf("main_window_before=0x%lx\nmain_window_after=0x%lx\nmain_window_unmaps=%d\n"
                "main_window_destroys=%d\n",
                before, watch.mainWindow, watch.mainUnmaps, watch.mainDestroys);
}

// The message a window manager sends when the user clicks a window's close box.
void requestClose(Display *display, Window window)
{
    XEvent event {};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
}

void measureBrowser(Display *display, Watch &watch, const Options &options)
{
    Window child = None;
    int windowX = 0;
    int windowY = 0;
    XTranslateCoordinates(display, watch.mainWindow, DefaultRootWindow(display), 0, 0, &windowX,
                          &windowY, &child);
    XWindowAttributes attributes {};
    XGetWindowAttributes(display, watch.mainWindow, &attributes);
    const int menuBarHeight = attributes.height - kClosedClientHeight;
    if (menuBarHeight <= 0)
        fail("the main window is not as tall as expected");

    const Region place {windowX + kBrowserPlace.x, windowY + menuBarHeight + kBrowserPlace.y,
                        kBrowserPlace.width, kBrowserPlace.height};
    const RegionLook before = look(display, place);
    if (before.showsPage())
        fail("the browser's place shows a page before the panel was opened");

    const int buttonX = windowX + (kBrowserButton - 1) * kButtonWidth + kButtonWidth / 2;
    const int buttonY = windowY + menuBarHeight + kButtonHeight / 2 + 1;
    XTestFakeMotionEvent(display, DefaultScreen(display), buttonX, buttonY, CurrentTime);
    XFlush(display);
    watch.waitUntil(Clock::now() + std::chrono::milliseconds(200));

    const Window mainBefore = watch.mainWindow;
    const double cpuBefore = treeCpuMs();
    const auto clicked = Clock::now();
    XTestFakeButtonEvent(display, 1, True, CurrentTime);
    XTestFakeButtonEvent(display, 1, False, CurrentTime);
    XFlush(display);

    if (options.closeAfterMs) {
        watch.waitUntil(clicked + std::chrono::milliseconds(*options.closeAfterMs));
        printWindowReport(watch, mainBefore);
        const double sentMs = millisecondsSince(watch.start);
        watch.expectExit = true;
        requestClose(display, watch.mainWindow);
        const auto deadline = Clock::now() + std::chrono::milliseconds(options.timeoutMs);
        while (!watch.exitStatus && Clock::now() < deadline)
            watch.pump(5);
        if (!watch.exitStatus)
            fail("the program did not end after the close request");
        const int status = *watch.exitStatus;
        std::printf("close_exit_status=%d\nclose_to_exit_ms=%.1f\n",
                    WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status),
                    watch.exitedMs - sentMs);
        return;
    }

    std::optional<double> changedMs;
    const auto deadline = clicked + std::chrono::milliseconds(options.timeoutMs);
    for (;;) {
        if (Clock::now() > deadline)
            fail("the browser showed no page in time");
        watch.pump(0);
        const RegionLook now = look(display, place);
        const double at = millisecondsSince(clicked);
        if (!changedMs && now.pixels != before.pixels)
            changedMs = at;
        if (now.showsPage()) {
            std::printf("browser_change_ms=%.1f\nbrowser_render_ms=%.1f\nbrowser_cpu_ms=%.0f\n",
                        changedMs.value_or(at), at, treeCpuMs() - cpuBefore);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(4));
    }
    watch.waitUntil(Clock::now() + std::chrono::milliseconds(options.settleMs));
    printMemory("browser_", treeMemory());
    printWindowReport(watch, mainBefore);
}

} // namespace

int main(int argc, char **argv)
{
    const Options options = parse(argc, argv);
    XSetErrorHandler(ignoreXErrors);
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        fail("cannot open the display named by DISPLAY");
    if (options.browser) {
        int event = 0;
        int error = 0;
        int major = 0;
        int minor = 0;
        if (!XTestQueryExtension(display, &event, &error, &major, &minor))
            fail("the X server has no XTEST extension");
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    // Descendants whose parent ends are handed to us, so the tree stays whole for the count
    // and the kill.
    prctl(PR_SET_CHILD_SUBREAPER, 1);

    const auto start = Clock::now();
    const pid_t child = fork();
    if (child < 0)
        fail("cannot fork");
    if (child == 0) {
        setpgid(0, 0);
        close(ConnectionNumber(display));
        execvp(options.command[0], options.command.data());
        std::fprintf(stderr, "mapwatch: cannot run %s\n", options.command[0]);
        _exit(127);
    }
    setpgid(child, child);
    g_child = child;

    Watch watch(display, child);
    watch.start = start;
    watch.caption = options.caption;
    const auto deadline = start + std::chrono::milliseconds(options.timeoutMs);
    while (!watch.mainMapMs) {
        if (Clock::now() > deadline)
            fail("no window was mapped in time");
        watch.pump(10);
    }
    std::printf("first_map_ms=%.1f\nmain_map_ms=%.1f\nmain_map_cpu_ms=%.1f\n", *watch.firstMapMs,
                *watch.mainMapMs, treeRunMs());

    watch.waitUntil(Clock::now() + std::chrono::milliseconds(options.settleMs));
    printMemory("", treeMemory());

    if (options.browser)
        measureBrowser(display, watch, options);

    std::fflush(stdout);
    killTree(child);
    XCloseDisplay(display);
    return 0;
}
