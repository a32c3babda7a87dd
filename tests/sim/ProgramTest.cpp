// The qx73b-sim program as the tests and a developer start it.

#include "TempDir.h"
#include "FrameLog.h"
#include "StreamClient.h"
#include "codec/CmMcs.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

extern char** environ;

namespace qx::sim::test {
namespace {

struct Program
{
    pid_t pid = -1;
    int input = -1;  // the program's standard input
    int output = -1; // its standard output
};

Program Start(const std::vector<std::string>& args)
{
    int in[2];
    int out[2];
    if (::pipe2(in, O_CLOEXEC) != 0 || ::pipe2(out, O_CLOEXEC) != 0)
        return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    std::vector<std::string> all{QX_SIM_PROGRAM};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& a : all)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    Program program;
    if (posix_spawn(&program.pid, QX_SIM_PROGRAM, &actions, nullptr, argv.data(), environ) != 0)
        program.pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    ::close(in[0]);
    ::close(out[1]);
    program.input = in[1];
    program.output = out[0];
    return program;
}

int Wait(Program& program)
{
    ::close(program.input);
    ::close(program.output);
    int status = 0;
    ::waitpid(program.pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string ReadLine(int fd)
{
    std::string line;
    char c = 0;
    for (;;) {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, kReadGuardMs) <= 0 || ::read(fd, &c, 1) != 1 || c == '\n')
            return line;
        line += c;
    }
}

// Sends one command and reads one reply frame.
Bytes Ask(int fd, const LCmd& command)
{
    Write(fd, command);
    const auto read = ReadFrames(fd, 1);
    return read.frames.empty() ? Bytes{} : read.frames.front();
}

class ProgramTest : public ::testing::Test
{
protected:
    qx::test::TempDir folder_;
};

TEST_F(ProgramTest, PrintsItsTransportsServesThemLogsAndEndsWithItsInput)
{
    const auto log = folder_ / "sim.log";
    Program program =
        Start({"--tcp", "127.0.0.1:0", "--pty", "--model", "QX-73B V012 test", "--log", log.string()});
    ASSERT_GT(program.pid, 0);
    const std::string tcp = ReadLine(program.output);
    const std::string pty = ReadLine(program.output);
    ASSERT_EQ(tcp.rfind("tcp 127.0.0.1:", 0), 0u) << tcp;
    ASSERT_EQ(pty.rfind("pty /dev/pts/", 0), 0u) << pty;

    const int socket = ConnectLoopback(static_cast<std::uint16_t>(std::stoi(tcp.substr(14))));
    ASSERT_GE(socket, 0);
    const LCmd model(Ask(socket, CM_MCS_CMD(1, 0x13)), 1);
    EXPECT_EQ(std::string(model.Payload().begin(), model.Payload().end()), "QX-73B V012 test");
    ::close(socket);

    const int serial = OpenTerminal(pty.substr(4));
    ASSERT_GE(serial, 0);
    EXPECT_EQ(LCmd(Ask(serial, CM_MCS_CMD(1, 0x14)), 1).Code(), 20);
    ::close(serial);

    EXPECT_EQ(Wait(program), 0) << "closing the standard input ends the program";
    std::ifstream in(log);
    int received = 0;
    int sent = 0;
    for (std::string line; std::getline(in, line);)
        if (const auto entry = ParseTraceLine(line))
            ++(entry->direction == TraceEntry::Direction::Received ? received : sent);
    EXPECT_EQ(received, 2);
    EXPECT_EQ(sent, 2);
}

TEST_F(ProgramTest, EndsOnSigterm)
{
    Program program = Start({});
    ASSERT_GT(program.pid, 0);
    ASSERT_EQ(ReadLine(program.output).rfind("tcp 127.0.0.1:", 0), 0u);
    ::kill(program.pid, SIGTERM);
    int status = 0;
    ::waitpid(program.pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ::close(program.input);
    ::close(program.output);
}

TEST_F(ProgramTest, RefusesAnAddressOtherThanLoopback)
{
    Program program = Start({"--tcp", "0.0.0.0:9761"});
    ASSERT_GT(program.pid, 0);
    EXPECT_EQ(Wait(program), 2);
}
} // namespace
} // namespace qx::sim::test
