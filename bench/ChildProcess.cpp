#include "ChildProcess.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>

extern char** environ;

namespace qx::bench {

ChildReport runChild(const std::vector<std::string>& args)
{
    ChildReport report;
    int fds[2];
    if (::pipe(fds) != 0)
        return report;
    std::vector<std::string> all{"/proc/self/exe", "--child"};
    all.insert(all.end(), args.begin(), args.end());
    all.push_back(std::to_string(fds[1]));
    std::vector<char*> argv;
    for (auto& a : all)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    pid_t pid = 0;
    const auto begin = std::chrono::steady_clock::now();
    const int spawned = ::posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(fds[1]);
    if (spawned != 0) {
        ::close(fds[0]);
        return report;
    }
    char buffer[256];
    ssize_t n = 0;
    while ((n = ::read(fds[0], buffer, sizeof buffer)) > 0) {
        if (report.text.empty())
            report.firstBytesMs =
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin).count();
        report.text.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    report.ok = !report.text.empty() && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return report;
}

} // namespace qx::bench
