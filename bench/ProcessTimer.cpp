// Runs a command many times as a user would start it, each a new process, and prints the
// median and the spread of the wall-clock times from start to exit, and the median processor
// time (user and system) of the process, which other work on a shared machine disturbs less.
// Its output goes to /dev/null so that no terminal slows it down.
//
// usage: velorin-process-timer RUNS COMMAND [ARGUMENT...]

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

double milliseconds(const timeval& t) {
    return t.tv_sec * 1e3 + t.tv_usec / 1e3;
}

// The exit status of one run of argv, or -1 when it could not be started or did not exit.
// processorMs is the processor time the run used.
int runOnce(char** argv, const posix_spawn_file_actions_t& quiet, double& processorMs) {
    pid_t child = 0;
    if (posix_spawnp(&child, argv[0], &quiet, nullptr, argv, environ) != 0) {
        return -1;
    }
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child || !WIFEXITED(status)) {
        return -1;
    }
    processorMs = milliseconds(usage.ru_utime) + milliseconds(usage.ru_stime);
    return WEXITSTATUS(status);
}

double at(const std::vector<double>& sorted, double fraction) {
    return sorted[static_cast<std::size_t>(fraction * (sorted.size() - 1) + 0.5)];
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 2 ? std::atoi(argv[1]) : 0;
    if (runs < 1) {
        std::fprintf(stderr, "usage: velorin-process-timer RUNS COMMAND [ARGUMENT...]\n");
        return 2;
    }
    char** command = argv + 2;
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);

    // One run first, untimed, so that the program and its input are in the page cache.
    double processorMs = 0;
    const int status = runOnce(command, quiet, processorMs);
    if (status != 0) {
        std::fprintf(stderr, "%s failed (exit status %d)\n", command[0], status);
        return 1;
    }
    std::vector<double> wall;
    std::vector<double> processor;
    for (int i = 0; i < runs; ++i) {
        const auto start = Clock::now();
        if (runOnce(command, quiet, processorMs) != status) {
            std::fprintf(stderr, "%s failed in run %d\n", command[0], i + 1);
            return 1;
        }
        wall.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        processor.push_back(processorMs);
    }
    std::sort(wall.begin(), wall.end());
    std::sort(processor.begin(), processor.end());
    std::printf(
        "median %7.2f ms   spread: 10%% %7.2f  90%% %7.2f  min %7.2f  max %7.2f ms   "
        "processor time: median %7.2f ms   (%d runs)\n",
        at(wall, 0.5), at(wall, 0.1), at(wall, 0.9), wall.front(), wall.back(), at(processor, 0.5),
        runs);
    return 0;
}
