// Start-up time of Veltrix against a minimal Qt Widgets program: from the moment a program is
// launched to the first paint of its window, measured on a running X display (Xvfb will do).
//
// Each program runs with VELTRIX_FIRST_PAINT_PROBE=1, which makes it print its steady_clock time
// at the first paint of its window and quit; this driver takes the time just before it launches
// the program, on the same clock. The programs run in turn, so that a slow spell of the machine
// falls on each: Veltrix, the bare window (startup_baseline.cpp), and stock widgets showing the
// text of Veltrix's main window (startup_same_content.cpp).
// Usage: veltrix_startup_bench [rounds]   (default 40, after 3 warm-up rounds)
#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

// Milliseconds from launch to first paint, or nothing when the program did not report one.
std::optional<double> TimeToFirstPaint(const char* program) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        return std::nullopt;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    std::vector<std::string> environment;
    for (char** entry = environ; *entry; ++entry) {
        environment.emplace_back(*entry);
    }
    environment.emplace_back("VELTRIX_FIRST_PAINT_PROBE=1");
    std::vector<char*> envp;
    for (std::string& entry : environment) {
        envp.push_back(entry.data());
    }
    envp.push_back(nullptr);
    char* argv[] = {const_cast<char*>(program), nullptr};

    const auto launched = std::chrono::steady_clock::now();
    pid_t child = 0;
    const int spawned = posix_spawn(&child, program, &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    if (spawned != 0) {
        close(pipeEnds[0]);
        return std::nullopt;
    }
    // A program that has not painted within ten seconds never will.
    std::string output;
    char buffer[256];
    pollfd readable{pipeEnds[0], POLLIN, 0};
    while (poll(&readable, 1, 10000) > 0) {
        const ssize_t n = read(pipeEnds[0], buffer, sizeof buffer);
        if (n <= 0) {
            break;
        }
        output.append(buffer, static_cast<std::size_t>(n));
    }
    close(pipeEnds[0]);
    kill(child, SIGKILL); // no-op unless it hung
    int status = 0;
    waitpid(child, &status, 0);

    long long paintedNs = 0;
    const std::size_t at = output.find("first-paint-ns ");
    if (at == std::string::npos ||
        std::sscanf(output.c_str() + at, "first-paint-ns %lld", &paintedNs) != 1) {
        return std::nullopt;
    }
    const long long launchedNs =
        std::chrono::duration_cast<std::chrono::nanoseconds>(launched.time_since_epoch()).count();
    return static_cast<double>(paintedNs - launchedNs) / 1e6;
}

struct Summary {
    double median, mean, min, max;
};

Summary Summarise(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    double sum = 0;
    for (double s : samples) {
        sum += s;
    }
    const std::size_t n = samples.size();
    const double median = n % 2 == 1 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2;
    return {median, sum / static_cast<double>(n), samples.front(), samples.back()};
}

void Print(const char* name, const Summary& s) {
    std::printf("%-10s median %7.2f ms   mean %7.2f ms   min %7.2f ms   max %7.2f ms\n", name,
                s.median, s.mean, s.min, s.max);
}

} // namespace

int main(int argc, char* argv[]) {
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) {
        std::fprintf(stderr, "needs a display, e.g. xvfb-run -a -s \"-screen 0 1280x1024x24\" %s\n",
                     argv[0]);
        return 2;
    }
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 40;
    const int warmUp = 3;
    std::vector<double> veltrix, baseline, sameContent;
    for (int i = 0; i < warmUp + rounds; ++i) {
        const std::optional<double> v = TimeToFirstPaint(VELTRIX_PROGRAM);
        const std::optional<double> b = TimeToFirstPaint(BASELINE_PROGRAM);
        const std::optional<double> s = TimeToFirstPaint(SAME_CONTENT_PROGRAM);
        if (!v || !b || !s) {
            std::fprintf(stderr, "a program did not report its first paint\n");
            return 1;
        }
        if (i >= warmUp) {
            veltrix.push_back(*v);
            baseline.push_back(*b);
            sameContent.push_back(*s);
        }
    }
    const Summary v = Summarise(veltrix);
    const Summary b = Summarise(baseline);
    const Summary s = Summarise(sameContent);
    std::printf("Launch to first paint, %d alternating runs each:\n", rounds);
    Print("veltrix", v);
    Print("baseline", b);
    Print("same text", s);
    std::printf("ratio of medians veltrix / same text: %.3f\n", v.median / s.median);
    std::printf("ratio of medians veltrix / baseline: %.3f\n", v.median / b.median);
    return 0;
}
