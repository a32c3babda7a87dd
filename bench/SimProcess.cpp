#include "SimProcess.h"

#include "RecordRebuild.h"
#include "model/PresetFile.h"

#include <fcntl.h>
#include <stdlib.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>
#include <string>
#include <vector>

extern char** environ;

namespace qx::bench {
namespace {

constexpr int kStartGuardMs = 10000;

std::string readLine(int fd)
{
    std::string line;
    char c = 0;
    for (;;) {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, kStartGuardMs) <= 0 || ::read(fd, &c, 1) != 1 || c == '\n')
            return line;
        line += c;
    }
}

} // namespace

SimProcess::SimProcess(const std::filesystem::path& presetFile)
{
    int in[2];
    int out[2];
    if (::pipe2(in, O_CLOEXEC) != 0)
        throw std::runtime_error("no pipe for the simulator");
    if (::pipe2(out, O_CLOEXEC) != 0) {
        ::close(in[0]);
        ::close(in[1]);
        throw std::runtime_error("no pipe for the simulator");
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    std::vector<std::string> args{QX_SIM_PROGRAM, "--tcp", "127.0.0.1:0", "--preset-file", presetFile.string()};
    std::vector<char*> argv;
    for (auto& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    const int spawned = ::posix_spawn(&pid_, QX_SIM_PROGRAM, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(in[0]);
    ::close(out[1]);
    input_ = in[1];
    const std::string line = spawned == 0 ? readLine(out[0]) : std::string();
    ::close(out[0]);
    const std::string prefix = "tcp 127.0.0.1:";
    if (spawned != 0)
        pid_ = -1;
    if (line.rfind(prefix, 0) != 0) {
        stop();
        throw std::runtime_error("the simulator did not start: '" + line + "'");
    }
    port_ = static_cast<std::uint16_t>(std::stoi(line.substr(prefix.size())));
}

SimProcess::~SimProcess() { stop(); }

void SimProcess::stop()
{
    if (input_ >= 0)
        ::close(input_);
    input_ = -1;
    if (pid_ > 0) {
        int status = 0;
        ::waitpid(pid_, &status, 0);
    }
    pid_ = -1;
}

BusyStates::BusyStates() : sample_(QX_SAMPLE_PRESET)
{
    std::string pattern = (std::filesystem::temp_directory_path() / "qx-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("no temporary folder under " + pattern);
    folder_ = pattern;
    busy_ = folder_ / "busy.prs";
    if (!savePresetFile(busy_, busyRecord(), busyFirBuffers()).ok())
        throw std::runtime_error("cannot write " + busy_.string());
}

BusyStates::~BusyStates()
{
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

} // namespace qx::bench
