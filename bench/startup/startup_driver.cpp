// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up as the user sees it: how long after the launch a program's window is mapped and first drawn
// on an X server, for the bare Qt window and for Spelldeck, taken turn about. Timed from outside (an X
// client watching the root window), so nothing inside the programs has to cooperate.
//
//   startup_driver [--runs N] [--bare PATH] [--spelldeck PATH] [--db-tool PATH] [--hold MS]
//                  [--csv FILE] [--show-output]
//
// Needs DISPLAY to name a running X server with no window manager (bench/startup/run.sh starts Xvfb).
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

using Clock = clockid_t;

double nowMs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

[[noreturn]] void fail(const std::string &message)
{
    std::fprintf(stderr, "startup_driver: %s\n", message.c_str());
    std::exit(1);
}

struct Options
{
    int runs = 11;
    std::string bare = SPELLDECK_STARTUP_BARE;
    std::string spelldeck = SPELLDECK_STARTUP_PROGRAM;
    std::string dbTool = SPELLDECK_STARTUP_DB_TOOL;
    double holdMs = 1000;
    double timeoutMs = 15000;
    std::string csv;
    bool showOutput = false;
};

Options parseOptions(int argc, char **argv)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc)
                fail(arg + " needs a value");
            return argv[++i];
        };
        if (arg == "--runs")
            options.runs = std::atoi(value().c_str());
        else if (arg == "--bare")
            options.bare = value();
        else if (arg == "--spelldeck")
            options.spelldeck = value();
        else if (arg == "--db-tool")
            options.dbTool = value();
        else if (arg == "--hold")
            options.holdMs = std::atof(value().c_str());
        else if (arg == "--csv")
            options.csv = value();
        else if (arg == "--show-output")
            options.showOutput = true;
        else if (arg == "--help" || arg == "-h") {
            std::printf("usage: %s [--runs N (>= 11)] [--bare PATH] [--spelldeck PATH] [--db-tool PATH]\n"
                        "       [--hold MS] [--csv FILE] [--show-output]\n",
                        argv[0]);
            std::exit(0);
        } else
            fail("unknown argument " + arg);
    }
    // Fewer runs make the medians and quartiles too jumpy to compare two programs by.
    if (options.runs < 11)
        fail("--runs must be at least 11");
    if (options.holdMs < 100)
        fail("--hold must be at least 100 ms");
    return options;
}

// What one launch showed. Times are milliseconds from just before fork().
struct Sample
{
    double mapped = 0;
    double drawn = 0;
    double cpuMs = 0;
    double peakMiB = 0;
    int libraries = 0;
};

struct Program
{
    std::string label;
    std::string path;
    std::string folder; // current folder of the launched program
    std::vector<Sample> samples;
};

// Total CPU time of all threads of a live process, dead threads included.
std::optional<double> cpuTimeMs(pid_t pid)
{
    Clock clock{};
    timespec ts{};
    if (clock_getcpuclockid(pid, &clock) == 0 && clock_gettime(clock, &ts) == 0)
        return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
    // Coarser, but always readable: utime and stime in clock ticks (fields 14 and 15).
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (!std::getline(stat, line))
        return std::nullopt;
    std::istringstream rest(line.substr(line.rfind(')') + 2));
    std::string field;
    unsigned long long utime = 0, stime = 0;
    for (int n = 3; n <= 15 && rest >> field; ++n) {
        if (n == 14)
            utime = std::stoull(field);
        if (n == 15)
            stime = std::stoull(field);
    }
    return double(utime + stime) * 1e3 / double(sysconf(_SC_CLK_TCK));
}

double peakResidentMiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::atof(line.c_str() + 6) / 1024.0;
    }
    return 0;
}

// Shared objects (Qt plugins included) mapped into the process, each file counted once.
int sharedObjects(pid_t pid)
{
    std::ifstream maps("/proc/" + std::to_string(pid) + "/maps");
    std::set<std::string> files;
    std::string line;
    while (std::getline(maps, line)) {
        const auto slash = line.find('/');
        if (slash == std::string::npos)
            continue;
        const std::string path = line.substr(slash);
        const std::string name = fs::path(path).filename().string();
        if (name.find(".so") != std::string::npos)
            files.insert(path);
    }
    return int(files.size());
}

// Ends the program: SIGTERM, and SIGKILL when it is still there after a while (a library may have
// taken over SIGTERM).
void stop(pid_t pid)
{
    kill(pid, SIGTERM);
    const double deadline = nowMs() + 3000;
    int status = 0;
    while (waitpid(pid, &status, WNOHANG) == 0) {
        if (nowMs() > deadline) {
            std::fprintf(stderr, "startup_driver: pid %d ignored SIGTERM, killing it\n", int(pid));
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            return;
        }
        usleep(5000);
    }
}

pid_t launch(const std::string &path, const std::string &folder, bool showOutput)
{
    const pid_t pid = fork();
    if (pid < 0)
        fail(std::string("fork: ") + std::strerror(errno));
    if (pid == 0) {
        if (!folder.empty() && chdir(folder.c_str()) != 0)
            _exit(126);
        if (!showOutput) {
            const int null = open("/dev/null", O_WRONLY);
            dup2(null, STDOUT_FILENO);
            dup2(null, STDERR_FILENO);
        }
        char *const args[] = {const_cast<char *>(path.c_str()), nullptr};
        execv(path.c_str(), args);
        _exit(127);
    }
    return pid;
}

class Watcher
{
public:
    Watcher()
    {
        m_conn = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(m_conn))
            fail("cannot connect to the X server named by DISPLAY");
        // The launched programs must not inherit our connection.
        fcntl(xcb_get_file_descriptor(m_conn), F_SETFD, FD_CLOEXEC);
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_conn)).data->root;

        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        if (xcb_generic_error_t *error = xcb_request_check(
                m_conn, xcb_change_window_attributes_checked(m_conn, m_root, XCB_CW_EVENT_MASK, &mask))) {
            std::free(error);
            fail("cannot watch the root window");
        }

        const xcb_query_extension_reply_t *damage = xcb_get_extension_data(m_conn, &xcb_damage_id);
        if (damage && damage->present) {
            // The server refuses other Damage requests until the version has been asked.
            xcb_damage_query_version_reply_t *version = xcb_damage_query_version_reply(
                m_conn, xcb_damage_query_version(m_conn, XCB_DAMAGE_MAJOR_VERSION, XCB_DAMAGE_MINOR_VERSION),
                nullptr);
            if (version) {
                m_damageEvent = damage->first_event + XCB_DAMAGE_NOTIFY;
                m_useDamage = true;
                std::free(version);
            }
        }
        m_pidAtom = atom("_NET_WM_PID");
    }

    ~Watcher() { xcb_disconnect(m_conn); }
    Watcher(const Watcher &) = delete;
    Watcher &operator=(const Watcher &) = delete;

    bool usesDamage() const { return m_useDamage; }

    // Launches the program and follows its windows until the first mapped one has been drawn and
    // `holdMs` have passed since it was mapped; then measures the process and ends it.
    std::optional<Sample> measure(const Program &program, const Options &options)
    {
        drain();
        m_windows.clear();
        m_main = XCB_NONE;

        const double start = nowMs();
        const pid_t pid = launch(program.path, program.folder, options.showOutput);
        Sample sample;
        bool drawn = false;
        const int fd = xcb_get_file_descriptor(m_conn);
        for (;;) {
            while (xcb_generic_event_t *event = xcb_poll_for_event(m_conn)) {
                handle(event, nowMs() - start, sample, drawn);
                std::free(event);
            }
            if (xcb_connection_has_error(m_conn))
                fail("lost the X server");
            const double elapsed = nowMs() - start;
            if (m_main != XCB_NONE && drawn && elapsed >= sample.mapped + options.holdMs)
                break;
            int status = 0;
            if (waitpid(pid, &status, WNOHANG) == pid) {
                std::fprintf(stderr, "startup_driver: %s ended before its window was shown (status %d)\n",
                             program.label.c_str(), status);
                return std::nullopt;
            }
            if (elapsed > options.timeoutMs) {
                std::fprintf(stderr, "startup_driver: %s showed no drawn window within %.0f ms\n",
                             program.label.c_str(), options.timeoutMs);
                stop(pid);
                return std::nullopt;
            }
            double wait = 20;
            if (m_main != XCB_NONE && drawn)
                wait = std::max(1.0, sample.mapped + options.holdMs - elapsed);
            pollfd descriptor{fd, POLLIN, 0};
            poll(&descriptor, 1, int(wait));
        }

        if (const auto cpu = cpuTimeMs(pid))
            sample.cpuMs = *cpu;
        sample.peakMiB = peakResidentMiB(pid);
        sample.libraries = sharedObjects(pid);
        const std::optional<uint32_t> owner = windowPid(m_main);
        stop(pid);
        // Only the launched program makes windows on this display, but a stray client would spoil the
        // figures silently.
        if (owner && *owner != uint32_t(pid)) {
            std::fprintf(stderr, "startup_driver: the window seen belongs to pid %u, not %d\n", *owner,
                         int(pid));
            return std::nullopt;
        }
        return sample;
    }

private:
    struct Window
    {
        bool overrideRedirect = false;
        std::optional<double> drawn;
    };

    void handle(xcb_generic_event_t *event, double elapsed, Sample &sample, bool &drawn)
    {
        const uint8_t type = event->response_type & 0x7f;
        if (type == XCB_CREATE_NOTIFY) {
            const auto *created = reinterpret_cast<xcb_create_notify_event_t *>(event);
            if (created->parent != m_root)
                return;
            m_windows[created->window].overrideRedirect = created->override_redirect;
            // Watched from birth, before the program can map it and draw.
            if (m_useDamage) {
                xcb_damage_create(m_conn, xcb_generate_id(m_conn), created->window,
                                  XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
            } else {
                const uint32_t mask = XCB_EVENT_MASK_EXPOSURE;
                xcb_change_window_attributes(m_conn, created->window, XCB_CW_EVENT_MASK, &mask);
            }
            xcb_flush(m_conn);
        } else if (type == XCB_MAP_NOTIFY) {
            const auto *mapped = reinterpret_cast<xcb_map_notify_event_t *>(event);
            const auto window = m_windows.find(mapped->window);
            // Menus and tool tips are override-redirect; the program's own window is not.
            if (m_main == XCB_NONE && window != m_windows.end() && !window->second.overrideRedirect) {
                m_main = mapped->window;
                sample.mapped = elapsed;
                if (window->second.drawn) {
                    sample.drawn = *window->second.drawn;
                    drawn = true;
                }
            }
        } else if (m_useDamage && type == m_damageEvent) {
            const auto *damaged = reinterpret_cast<xcb_damage_notify_event_t *>(event);
            noteDrawn(damaged->drawable, elapsed, sample, drawn);
        } else if (!m_useDamage && type == XCB_EXPOSE) {
            const auto *exposed = reinterpret_cast<xcb_expose_event_t *>(event);
            noteDrawn(exposed->window, elapsed, sample, drawn);
        }
        // Errors (type 0) come from windows destroyed before they could be watched: nothing to do.
    }

    void noteDrawn(xcb_window_t id, double elapsed, Sample &sample, bool &drawn)
    {
        const auto window = m_windows.find(id);
        if (window == m_windows.end() || window->second.drawn)
            return;
        window->second.drawn = elapsed;
        if (id == m_main && !drawn) {
            sample.drawn = elapsed;
            drawn = true;
        }
    }

    void drain()
    {
        xcb_flush(m_conn);
        while (xcb_generic_event_t *event = xcb_poll_for_event(m_conn))
            std::free(event);
    }

    xcb_atom_t atom(const char *name)
    {
        xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(
            m_conn, xcb_intern_atom(m_conn, 0, uint16_t(std::strlen(name)), name), nullptr);
        if (!reply)
            return XCB_ATOM_NONE;
        const xcb_atom_t result = reply->atom;
        std::free(reply);
        return result;
    }

    std::optional<uint32_t> windowPid(xcb_window_t window)
    {
        xcb_get_property_reply_t *reply = xcb_get_property_reply(
            m_conn, xcb_get_property(m_conn, 0, window, m_pidAtom, XCB_ATOM_CARDINAL, 0, 1), nullptr);
        std::optional<uint32_t> result;
        if (reply && reply->format == 32 && xcb_get_property_value_length(reply) == 4)
            result = *static_cast<uint32_t *>(xcb_get_property_value(reply));
        std::free(reply);
        return result;
    }

    xcb_connection_t *m_conn = nullptr;
    xcb_window_t m_root = XCB_NONE;
    xcb_atom_t m_pidAtom = XCB_ATOM_NONE;
    bool m_useDamage = false;
    uint8_t m_damageEvent = 0;
    std::map<xcb_window_t, Window> m_windows;
    xcb_window_t m_main = XCB_NONE;
};

// Runs the database tool to make the demo database Spelldeck opens at start-up.
void makeDatabase(const std::string &tool, const fs::path &file)
{
    const pid_t pid = fork();
    if (pid == 0) {
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        execl(tool.c_str(), tool.c_str(), "--demo", file.c_str(), static_cast<char *>(nullptr));
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        fail("the database tool " + tool + " failed");
}

struct Summary
{
    double median = 0, q1 = 0, q3 = 0, min = 0, max = 0;
};

// Quartiles by linear interpolation between the sorted values.
Summary summarise(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    auto at = [&](double p) {
        const double pos = p * double(values.size() - 1);
        const auto low = std::size_t(pos);
        const std::size_t high = std::min(low + 1, values.size() - 1);
        return values[low] + (values[high] - values[low]) * (pos - double(low));
    };
    return {at(0.5), at(0.25), at(0.75), values.front(), values.back()};
}

std::string fixed(double value, int decimals)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

void printTable(const Program &bare, const Program &spelldeck, bool damage)
{
    struct Row
    {
        const char *name;
        double Sample::*field;
        int decimals;
    };
    const Row rows[] = {
        {"window mapped (ms)", &Sample::mapped, 1},
        {damage ? "first drawn, Damage (ms)" : "first Expose (ms)", &Sample::drawn, 1},
        {"CPU by mapped + hold (ms)", &Sample::cpuMs, 1},
        {"peak resident, VmHWM (MiB)", &Sample::peakMiB, 1},
    };
    auto column = [](const Summary &s, int decimals) {
        return fixed(s.median, decimals) + "  [" + fixed(s.q1, decimals) + "-" + fixed(s.q3, decimals) +
               "]  (" + fixed(s.min, decimals) + "-" + fixed(s.max, decimals) + ")";
    };
    auto values = [](const Program &program, auto get) {
        std::vector<double> result;
        for (const Sample &sample : program.samples)
            result.push_back(get(sample));
        return result;
    };

    std::printf("\nmedian  [interquartile range]  (min-max) over %zu runs each; ratio = spelldeck / bare\n\n",
                bare.samples.size());
    std::printf("%-28s %-36s %-36s %s\n", "measure", bare.label.c_str(), spelldeck.label.c_str(), "ratio");
    auto print = [&](const char *name, const std::vector<double> &a, const std::vector<double> &b,
                     int decimals) {
        const Summary sa = summarise(a);
        const Summary sb = summarise(b);
        std::printf("%-28s %-36s %-36s %s\n", name, column(sa, decimals).c_str(),
                    column(sb, decimals).c_str(),
                    sa.median > 0 ? fixed(sb.median / sa.median, 2).c_str() : "-");
    };
    for (const Row &row : rows) {
        print(row.name, values(bare, [&](const Sample &s) { return s.*row.field; }),
              values(spelldeck, [&](const Sample &s) { return s.*row.field; }), row.decimals);
    }
    print("shared objects mapped", values(bare, [](const Sample &s) { return double(s.libraries); }),
          values(spelldeck, [](const Sample &s) { return double(s.libraries); }), 0);
}

void writeCsv(const std::string &file, const std::vector<const Program *> &programs)
{
    std::ofstream out(file);
    out << "program,run,mapped_ms,drawn_ms,cpu_ms,vmhwm_mib,shared_objects\n";
    for (const Program *program : programs) {
        for (std::size_t i = 0; i < program->samples.size(); ++i) {
            const Sample &s = program->samples[i];
            out << program->label << ',' << i + 1 << ',' << s.mapped << ',' << s.drawn << ',' << s.cpuMs
                << ',' << s.peakMiB << ',' << s.libraries << '\n';
        }
    }
}

} // namespace

int main(int argc, char **argv)
{
    const Options options = parseOptions(argc, argv);
    if (!std::getenv("DISPLAY"))
        fail("DISPLAY is not set; start an X server first (bench/startup/run.sh does)");
    for (const std::string &path : {options.bare, options.spelldeck, options.dbTool}) {
        if (access(path.c_str(), X_OK) != 0)
            fail(path + " is not an executable file");
    }

    std::string folderTemplate = (fs::temp_directory_path() / "spelldeck-startup-XXXXXX").string();
    if (!mkdtemp(folderTemplate.data()))
        fail(std::string("mkdtemp: ") + std::strerror(errno));
    const fs::path folder = folderTemplate;
    fs::create_directory(folder / "data");
    makeDatabase(options.dbTool, folder / "data" / "data.db");

    Program bare{"bare window", options.bare, folder.string(), {}};
    Program spelldeck{"spelldeck", options.spelldeck, folder.string(), {}};

    Watcher watcher;
    std::printf(
        "%d runs each, turn about, after one unmeasured run of each; %s; window held %.0f ms\n", options.runs,
        watcher.usesDamage() ? "drawn = first Damage" : "no Damage extension: first Expose", options.holdMs);
    bool failed = false;
    for (int run = 0; run <= options.runs && !failed; ++run) {
        for (Program *program : {&bare, &spelldeck}) {
            const std::optional<Sample> sample = watcher.measure(*program, options);
            if (!sample) {
                failed = true;
                break;
            }
            std::printf(
                "%-12s %-4s mapped %7.1f ms  drawn %7.1f ms  cpu %7.1f ms  VmHWM %6.1f MiB  %3d .so\n",
                program->label.c_str(), run == 0 ? "warm" : std::to_string(run).c_str(), sample->mapped,
                sample->drawn, sample->cpuMs, sample->peakMiB, sample->libraries);
            std::fflush(stdout);
            if (run > 0)
                program->samples.push_back(*sample);
        }
    }
    std::error_code ignored;
    fs::remove_all(folder, ignored);
    if (failed)
        return 1;

    printTable(bare, spelldeck, watcher.usesDamage());
    if (!options.csv.empty())
        writeCsv(options.csv, {&bare, &spelldeck});
    return 0;
}
