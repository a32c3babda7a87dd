#pragma once
// A file for the readers that take a path, held in memory so that fuzzing
// writes nothing to disk.

#include "FuzzInput.h"

#include <sys/mman.h>
#include <unistd.h>

#include <string>

namespace qxfuzz {

// An anonymous memory file, named by its /proc path, that holds `bytes`.
class MemoryFile
{
public:
    MemoryFile() : fd_(memfd_create("qx-fuzz-file", 0)) { check(fd_ >= 0, "a memory file is made"); }
    ~MemoryFile() { close(fd_); }
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;

    std::string path() const { return "/proc/self/fd/" + std::to_string(fd_); }
    void fill(std::span<const std::uint8_t> bytes) { fill(bytes.data(), bytes.size()); }
    void fill(const std::uint8_t* data, std::size_t size)
    {
        check(ftruncate(fd_, 0) == 0, "the memory file is emptied");
        write(0, std::span(data, size));
    }
    /// Overwrites the bytes at `offset`, leaving the rest of the file as it is.
    void write(std::size_t offset, std::span<const std::uint8_t> bytes)
    {
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t n =
                pwrite(fd_, bytes.data() + done, bytes.size() - done, static_cast<off_t>(offset + done));
            check(n > 0, "the memory file is written");
            done += static_cast<std::size_t>(n);
        }
    }

private:
    int fd_;
};

} // namespace qxfuzz
