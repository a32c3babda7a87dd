#include "BenchMain.h"

#include "platform/gui/Application.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <exception>
#include <filesystem>

namespace qx::bench {

int runApplicationBenchmarks(int argc, char** argv, const std::function<void()>& setUp)
{
    qx::initApplication(argc, argv);
    int status = 0;
    try {
        setUp();
        benchmark::Initialize(&argc, argv);
        if (benchmark::ReportUnrecognizedArguments(argc, argv))
            status = 1;
        else
            benchmark::RunSpecifiedBenchmarks();
        benchmark::Shutdown();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", std::filesystem::path(argv[0]).filename().c_str(), e.what());
        status = 1;
    }
    qx::doneApplication();
    return status;
}

} // namespace qx::bench
