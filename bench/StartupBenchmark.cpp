// Start-up of zarn against a minimal Qt Widgets window (MinimalWindow.cpp). The two programs
// are launched in turn, the same number of times each, the order swapped every round; for
// every launch it measures
//   - the start-up time: from just before the launch to the first exposure of the main
//     window on screen, which each program reports on its standard output as the steady
//     clock of that moment (ZARN_REPORT_STARTUP=1; CLOCK_MONOTONIC, shared by all
//     processes), and
//   - the peak resident memory (VmHWM of /proc/<pid>/status), read once the window has
//     been shown and painted, just before the program is ended.
// It prints the medians, the spread and the ratios zarn / minimal window beside the
// targets. Usage: zarn_startup_benchmark [launches of each program, default 20]
// Run it on a display (scripts/run-startup-benchmark starts Xvfb when there is none).

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <optional>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

constexpr const char* kReportVariable = "ZARN_REPORT_STARTUP=1";
constexpr const char* kReportPrefix = "startup-exposed-ns ";
constexpr double kStartupTarget = 1.2;
constexpr double kMemoryTarget = 1.1;
// Launches of each program before the measured ones, to warm the file cache.
constexpr int kWarmUps = 2;
constexpr auto kReportTimeout = std::chrono::seconds(30);
// Time left to the program after its first exposure: the first paint and what follows it.
constexpr auto kSettleTime = std::chrono::milliseconds(500);

struct Program {
    const char* Name;
    const char* Path;
    std::vector<double> StartupMs;
    std::vector<double> PeakMb;
};

struct Measurement {
    double StartupMs = 0;
    double PeakMb = 0;
};

long long SteadyNanoseconds() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

std::optional<double> PeakResidentMb(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::strtod(line.c_str() + 6, nullptr) / 1024.0; // kB
        }
    }
    return std::nullopt;
}

// Reads the child's output until the report line; its steady-clock nanoseconds.
std::optional<long long> ReadReport(int fd) {
    std::string output;
    const auto deadline = std::chrono::steady_clock::now() + kReportTimeout;
    while (std::chrono::steady_clock::now() < deadline) {
        pollfd wait{fd, POLLIN, 0};
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (poll(&wait, 1, static_cast<int>(std::max<long long>(left.count(), 1))) <= 0) {
            continue;
        }
        char buffer[256];
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got <= 0) {
            return std::nullopt; // the program ended without reporting
        }
        output.append(buffer, static_cast<std::size_t>(got));
        const std::size_t at = output.find(kReportPrefix);
        if (at != std::string::npos && output.find('\n', at) != std::string::npos) {
            return std::atoll(output.c_str() + at + std::strlen(kReportPrefix));
        }
    }
    return std::nullopt;
}

std::optional<Measurement> Launch(const char* path) {
    int channel[2];
    if (pipe(channel) != 0) {
        return std::nullopt;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, channel[1], STDOUT_FILENO);
    // The programs' notes on standard error (a missing runtime folder and the like) would
    // only clutter the table.
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addclose(&actions, channel[0]);
    posix_spawn_file_actions_addclose(&actions, channel[1]);

    std::vector<char*> environment;
    for (char** variable = environ; *variable; ++variable) {
        if (std::strncmp(*variable, "ZARN_REPORT_STARTUP=", 20) != 0) {
            environment.push_back(*variable);
        }
    }
    environment.push_back(const_cast<char*>(kReportVariable));
    environment.push_back(nullptr);
    char* arguments[] = {const_cast<char*>(path), nullptr};

    pid_t pid = 0;
    const long long launched = SteadyNanoseconds();
    const int spawned = posix_spawn(&pid, path, &actions, nullptr, arguments, environment.data());
    posix_spawn_file_actions_destroy(&actions);
    close(channel[1]);
    if (spawned != 0) {
        close(channel[0]);
        std::fprintf(stderr, "cannot start %s: %s\n", path, std::strerror(spawned));
        return std::nullopt;
    }

    const std::optional<long long> exposed = ReadReport(channel[0]);
    std::optional<double> peak;
    if (exposed) {
        std::this_thread::sleep_for(kSettleTime);
        peak = PeakResidentMb(pid);
    }
    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
    close(channel[0]);
    if (!exposed || !peak) {
        std::fprintf(stderr, "%s did not report its first exposure\n", path);
        return std::nullopt;
    }
    return Measurement{static_cast<double>(*exposed - launched) / 1e6, *peak};
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

void PrintRow(const Program& program) {
    const auto [fastest, slowest] =
        std::minmax_element(program.StartupMs.begin(), program.StartupMs.end());
    const auto [least, most] = std::minmax_element(program.PeakMb.begin(), program.PeakMb.end());
    std::printf("  %-16s start-up %7.1f ms [%.1f-%.1f]   peak RSS %6.1f MB [%.1f-%.1f]\n",
                program.Name, Median(program.StartupMs), *fastest, *slowest, Median(program.PeakMb),
                *least, *most);
}

} // namespace

int main(int argc, char** argv) {
    const int launches = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    Program zarn{"zarn", ZARN_EXECUTABLE, {}, {}};
    Program minimal{"minimal window", MINIMAL_WINDOW_EXECUTABLE, {}, {}};

    for (int round = -kWarmUps; round < launches; ++round) {
        Program* order[2] = {&zarn, &minimal};
        if (round % 2 != 0) {
            std::swap(order[0], order[1]);
        }
        for (Program* program : order) {
            const std::optional<Measurement> measured = Launch(program->Path);
            if (!measured) {
                return 1;
            }
            if (round >= 0) {
                program->StartupMs.push_back(measured->StartupMs);
                program->PeakMb.push_back(measured->PeakMb);
            }
        }
    }

    const char* display = std::getenv("DISPLAY");
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    std::printf("Start-up to the first exposure of the main window, %d launches each "
                "(median [min-max]); display %s, platform %s:\n",
                launches, display ? display : "none", platform ? platform : "default");
    PrintRow(zarn);
    PrintRow(minimal);
    const double startupRatio = Median(zarn.StartupMs) / Median(minimal.StartupMs);
    const double memoryRatio = Median(zarn.PeakMb) / Median(minimal.PeakMb);
    std::printf("  zarn / minimal: start-up %.2f (target %.2f, %s), peak RSS %.2f (target %.2f, "
                "%s)\n",
                startupRatio, kStartupTarget, startupRatio <= kStartupTarget ? "met" : "missed",
                memoryRatio, kMemoryTarget, memoryRatio <= kMemoryTarget ? "met" : "missed");
    return 0;
}
