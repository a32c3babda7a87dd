// Start-up of the editor as a user feels it: a fresh process makes the
// application and every window in the program's order and shows the main
// window (offscreen); the time from starting the process to the shown and
// painted main window, and the process's peak resident memory then.
//
//   qx_startup_bench [--runs N]     N fresh processes (default 5), each line
//                                   one run, then the median and the minimum
//
// The main window's start timer, which would open the connection scan, is
// stopped before the event loop first runs, and any dial but one to
// 127.0.0.1 is refused.

#include "ChildProcess.h"

#include "app/FMain.h"
#include "app/ProgramStart.h"
#include "platform/gui/Application.h"
#include "platform/gui/Component.h"
#include "platform/gui/Timer.h"
#include "platform/hid/FakeHidBus.h"
#include "platform/net/DialFilter.h"

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Run
{
    double ms = 0;
    long peakRssKb = 0;
};

// The child: start as the program does and report the peak memory on the pipe.
int startAndReport(int argc, char** argv, int out)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    qx::setDialFilter([](std::uint32_t address, std::uint16_t) { return address == 0x7F000001; });
    // An empty HID bus: the start is timed without the machine's devices, none opened.
    static qx::hid::FakeHidBus noDevices;
    qx::setMainWindowHidBackend(&noDevices);
    qx::initApplication(argc, argv);
    qx::registerEditorClasses();
    qx::createWindows();
    auto* start = qx::findComponent<TTimer>(*fmMain, "tmStartConnect");
    if (!start) {
        std::fprintf(stderr, "qx_startup_bench: the main window has no start timer\n");
        return 1;
    }
    start->SetEnabled(false);
    // Run shows the main form; terminated already, it returns at once.
    Application->Terminate();
    Application->Run();
    Application->ProcessMessages();
    if (!fmMain->Visible()) {
        std::fprintf(stderr, "qx_startup_bench: the main window is not shown\n");
        return 1;
    }
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    const std::string line = std::to_string(usage.ru_maxrss) + "\n";
    const bool written = ::write(out, line.data(), line.size()) == static_cast<ssize_t>(line.size());
    std::fflush(nullptr);
    // The windows are not torn down: the process ends here, as a quit would.
    ::_exit(written ? 0 : 1);
}

bool spawnOnce(Run& run)
{
    const qx::bench::ChildReport report = qx::bench::runChild({});
    if (!report.ok)
        return false;
    run.ms = report.firstBytesMs;
    run.peakRssKb = std::strtol(report.text.c_str(), nullptr, 10);
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--child") == 0) {
        int qtArgc = 1;
        return startAndReport(qtArgc, argv, std::atoi(argv[2]));
    }
    int runs = 5;
    if (argc == 3 && std::strcmp(argv[1], "--runs") == 0)
        runs = std::max(1, std::atoi(argv[2]));
    else if (argc != 1) {
        std::fprintf(stderr, "usage: qx_startup_bench [--runs N]\n");
        return 2;
    }
    std::vector<Run> results;
    for (int i = 0; i < runs; ++i) {
        Run run;
        if (!spawnOnce(run)) {
            std::fprintf(stderr, "qx_startup_bench: run %d failed\n", i + 1);
            return 1;
        }
        std::printf("run %d: %.1f ms to the shown main window, peak RSS %ld KiB\n", i + 1, run.ms, run.peakRssKb);
        results.push_back(run);
    }
    std::sort(results.begin(), results.end(), [](const Run& a, const Run& b) { return a.ms < b.ms; });
    const Run& median = results[results.size() / 2];
    std::printf("start-up: median %.1f ms, minimum %.1f ms; peak RSS (median run) %ld KiB\n", median.ms,
                results.front().ms, median.peakRssKb);
    return 0;
}
