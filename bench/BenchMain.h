#pragma once
// The main of a benchmark program that runs inside the application object:
// the application made, the program's own set-up run, the benchmarks named on
// the command line run, and the application freed.

#include <functional>

namespace qx::bench {

/// The program's exit status: 1 for an unknown argument, or for a failure of
/// the set-up or a benchmark, which is reported on stderr with the program's name.
int runApplicationBenchmarks(int argc, char** argv, const std::function<void()>& setUp);

} // namespace qx::bench
