// The first full state load in a fresh editor process, as a user feels it
// after starting the program: each run is a new process that makes the main
// window, shows it and lets it paint (not timed; qx_startup_bench times
// that), then loads the state of the simulator program, in a process of its
// own, until the window has painted it, and then sends the same requests as
// a bare client (the protocol floor). The runs take the two busy states in
// turn.
//
//   qx_first_load_bench [--runs N]   N fresh processes (default 6), each line
//                                    one run, then per state the minimum,
//                                    median and maximum

#include "ChildProcess.h"
#include "EditorLink.h"
#include "SimProcess.h"

#include "app/FMain.h"
#include "platform/gui/Application.h"

#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <string>
#include <vector>

namespace {

using qx::bench::LoadRun;

// The child: one load on a fresh main window, reported on the pipe as
// "editor floor show paint exchanges" in milliseconds.
int loadAndReport(int argc, char** argv, std::uint16_t port, int out)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    qx::initApplication(argc, argv);
    LoadRun run;
    try {
        qx::bench::quietMainWindow();
        qx::bench::EditorLink link(*fmMain, port);
        qx::bench::showMainWindow();
        run = qx::bench::loadAndFloor(link, port);
    } catch (const std::exception& e) {
        run.error = e.what();
    }
    if (!run.error.empty()) {
        std::fprintf(stderr, "qx_first_load_bench: %s\n", run.error.c_str());
        std::fflush(nullptr);
        ::_exit(1);
    }
    const std::string line = std::to_string(run.editorSeconds * 1e3) + " " + std::to_string(run.floorSeconds * 1e3) +
                             " " + std::to_string(run.showSeconds * 1e3) + " " +
                             std::to_string(run.paintSeconds * 1e3) + " " + std::to_string(run.exchanges) + "\n";
    const bool written = ::write(out, line.data(), line.size()) == static_cast<ssize_t>(line.size());
    std::fflush(nullptr);
    // The windows are not torn down: the process ends here, as a quit would.
    ::_exit(written ? 0 : 1);
}

struct Result
{
    double editor = 0, floor = 0, show = 0, paint = 0, exchanges = 0;
};

bool spawnOnce(std::uint16_t port, Result& result)
{
    const qx::bench::ChildReport report = qx::bench::runChild({std::to_string(port)});
    return report.ok && std::sscanf(report.text.c_str(), "%lf %lf %lf %lf %lf", &result.editor, &result.floor,
                                    &result.show, &result.paint, &result.exchanges) == 5;
}

void printSpread(const char* name, std::vector<double> values, const char* unit)
{
    std::sort(values.begin(), values.end());
    std::printf("%-22s min %8.2f  median %8.2f  max %8.2f %s\n", name, values.front(), values[values.size() / 2],
                values.back(), unit);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && std::strcmp(argv[1], "--child") == 0) {
        int qtArgc = 1;
        return loadAndReport(qtArgc, argv, static_cast<std::uint16_t>(std::atoi(argv[2])), std::atoi(argv[3]));
    }
    int runs = 6;
    if (argc == 3 && std::strcmp(argv[1], "--runs") == 0)
        runs = std::max(1, std::atoi(argv[2]));
    else if (argc != 1) {
        std::fprintf(stderr, "usage: qx_first_load_bench [--runs N]\n");
        return 2;
    }
    try {
        const qx::bench::BusyStates states;
        const qx::bench::SimProcess simulators[2]{qx::bench::SimProcess(states.File(0)),
                                                  qx::bench::SimProcess(states.File(1))};
        std::array<std::vector<double>, 2> editor, floor, ratio, over, show, paint;
        for (int i = 0; i < runs; ++i) {
            Result r;
            if (!spawnOnce(simulators[i % 2].Port(), r)) {
                std::fprintf(stderr, "qx_first_load_bench: run %d failed\n", i + 1);
                return 1;
            }
            std::printf("run %d (state %d): editor %.2f ms, floor %.2f ms (%g exchanges), ratio %.2f, "
                        "over the floor %.2f ms; fill %.2f ms, paint %.2f ms\n",
                        i + 1, i % 2, r.editor, r.floor, r.exchanges, r.editor / r.floor, r.editor - r.floor,
                        r.show, r.paint);
            const auto s = static_cast<std::size_t>(i % 2);
            editor[s].push_back(r.editor);
            floor[s].push_back(r.floor);
            ratio[s].push_back(r.editor / r.floor);
            over[s].push_back(r.editor - r.floor);
            show[s].push_back(r.show);
            paint[s].push_back(r.paint);
        }
        // Each state on its own: the second's floor is ten times the first's.
        for (std::size_t s = 0; s < 2 && !editor[s].empty(); ++s) {
            std::printf("state %zu:\n", s);
            printSpread("  first load editor", editor[s], "ms");
            printSpread("  first load floor", floor[s], "ms");
            printSpread("  first load ratio", ratio[s], "x");
            printSpread("  first load over floor", over[s], "ms");
            printSpread("  first load fill", show[s], "ms");
            printSpread("  first load paint", paint[s], "ms");
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "qx_first_load_bench: %s\n", e.what());
        return 1;
    }
    return 0;
}
