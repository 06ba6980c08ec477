// Start-up to the idle main window, as a whole process on the offscreen
// platform, against the least a Qt Widgets program can do: show one empty
// window. Both quit by themselves once idle.

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace vrex {
namespace {

// The caller's environment with the offscreen platform and the idle quit set.
std::vector<std::string> childEnvironment()
{
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e)
        if (std::strncmp(*e, "QT_QPA_PLATFORM=", 16) != 0 && std::strncmp(*e, "VREX_QUIT_WHEN_IDLE=", 20) != 0)
            env.emplace_back(*e);
    env.emplace_back("QT_QPA_PLATFORM=offscreen");
    env.emplace_back("VREX_QUIT_WHEN_IDLE=1");
    return env;
}

// Runs the program to its end, output discarded; the seconds it took, or a
// negative value when it could not start or did not exit 0.
double timeProcess(const char* path, const std::vector<std::string>& env)
{
    std::vector<char*> envp;
    for (const std::string& e : env)
        envp.push_back(const_cast<char*>(e.c_str()));
    envp.push_back(nullptr);
    char* argv[] = {const_cast<char*>(path), nullptr};

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);

    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, path, &actions, nullptr, argv, envp.data());
    int status = 0;
    const bool waited = spawned == 0 && waitpid(pid, &status, 0) == pid;
    const auto end = std::chrono::steady_clock::now();
    posix_spawn_file_actions_destroy(&actions);

    if (!waited || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    return std::chrono::duration<double>(end - start).count();
}

void timeStartUp(benchmark::State& state, const char* path)
{
    const std::vector<std::string> env = childEnvironment();
    for (auto _ : state) {
        const double seconds = timeProcess(path, env);
        if (seconds < 0) {
            state.SkipWithError((std::string(path) + " did not start and quit cleanly").c_str());
            break;
        }
        state.SetIterationTime(seconds);
    }
}

void BM_StartUp(benchmark::State& state) { timeStartUp(state, VREX_GRAPHICS_EXE); }
void BM_BareWindowStartUp(benchmark::State& state) { timeStartUp(state, VREX_BARE_WINDOW_EXE); }

// A handful of runs per repetition: each is a whole process, and the spread
// between repetitions is what the median is taken over.
BENCHMARK(BM_StartUp)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareWindowStartUp)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vrex
