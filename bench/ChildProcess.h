#pragma once
// Runs this program again in a fresh process, for the benchmarks that time
// what a fresh process does: `/proc/self/exe --child ARGS... FD`, where FD is
// the writing end of a pipe the child reports on.

#include <string>
#include <vector>

namespace qx::bench {

struct ChildReport
{
    bool ok = false;          // the child started, wrote, and ended with status 0
    std::string text;         // all it wrote on the pipe
    double firstBytesMs = 0;  // from the spawn to its first bytes on the pipe
};

ChildReport runChild(const std::vector<std::string>& args);

} // namespace qx::bench
