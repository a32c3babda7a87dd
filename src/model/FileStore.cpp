#include "model/FileStore.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>
#include <utility>

namespace qx {

namespace {

FileResult failure(FileStatus status, std::string_view what, const std::filesystem::path& path, int error)
{
    return {status, kFileErrorText, std::string(what) + " " + path.string() + ": " + std::strerror(error)};
}

// Closes the descriptor on every path out.
class Descriptor
{
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor()
    {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }

private:
    int fd_;
};

bool writeAll(int fd, std::span<const std::uint8_t> bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        bytes = bytes.subspan(static_cast<std::size_t>(n));
    }
    return true;
}

// Replacing a file keeps its permissions; a new file gets the usual mode
// under the process's umask, applied when the temporary file is created.
bool keepModeOf(const std::filesystem::path& path, int fd)
{
    struct stat st
    {
    };
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
        return true;
    }
    return ::fchmod(fd, st.st_mode & 07777) == 0;
}

// Creates a new file beside the target under a name no other file has.
int createTemporary(const std::filesystem::path& path, std::string& name)
{
    const std::filesystem::path folder =
        path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
    std::random_device seed;
    std::mt19937_64 random(seed());
    constexpr int kAttempts = 64;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        char suffix[24];
        std::snprintf(suffix, sizeof suffix, ".%016llx", static_cast<unsigned long long>(random()));
        std::string hidden(1, '.');
        hidden.append(path.filename().string()).append(suffix);
        name = (folder / hidden).string();
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

// The file a save replaces: a symbolic link is followed (also through
// further links and when its target does not exist yet), so the link stays
// and its target gets the new contents. A loop of links gives ELOOP.
bool followLinks(std::filesystem::path& path, int& error)
{
    constexpr int kMaxLinks = 40; // as the kernel's own limit
    for (int hop = 0; hop <= kMaxLinks; ++hop) {
        std::error_code ec;
        if (!std::filesystem::is_symlink(std::filesystem::symlink_status(path, ec))) {
            return true;
        }
        const std::filesystem::path target = std::filesystem::read_symlink(path, ec);
        if (ec) {
            error = ec.value();
            return false;
        }
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    error = ELOOP;
    return false;
}

// Flushes the folder, so that the rename that put the new file in place
// survives a crash. Folders on file systems that cannot be flushed are left.
bool flushFolderOf(const std::filesystem::path& path, int& error)
{
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
    Descriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() < 0 || (::fsync(fd.get()) != 0 && errno != EINVAL && errno != ENOTSUP)) {
        error = errno;
        return false;
    }
    return true;
}

} // namespace

FileRead readFileLimited(const std::filesystem::path& path, std::size_t limit)
{
    FileRead read;
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    struct stat st
    {
    };
    if (fd.get() < 0 || ::fstat(fd.get(), &st) != 0) {
        read.result = failure(FileStatus::CannotOpen, "cannot open", path, errno);
        return read;
    }
    if (!S_ISREG(st.st_mode)) {
        read.result = failure(FileStatus::CannotOpen, "not a regular file", path, EINVAL);
        return read;
    }
    // Sized by what the file holds now; grown should it hold more by the time it is read.
    read.bytes.resize(std::min(static_cast<std::size_t>(std::max<off_t>(st.st_size, 0)), limit) + 1);
    std::size_t have = 0;
    while (have < read.bytes.size()) {
        const ssize_t n = ::read(fd.get(), read.bytes.data() + have, read.bytes.size() - have);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            read.result = failure(FileStatus::CannotOpen, "cannot read", path, errno);
            read.bytes.clear();
            return read;
        }
        if (n == 0) {
            break;
        }
        have += static_cast<std::size_t>(n);
        if (have == read.bytes.size() && have <= limit) {
            read.bytes.resize(std::min(limit + 1, 2 * have));
        }
    }
    read.bytes.resize(have);
    return read;
}

FileResult writeFileReplacing(const std::filesystem::path& chosen, std::span<const std::uint8_t> bytes)
{
    std::filesystem::path path = chosen;
    if (int error = 0; !followLinks(path, error)) {
        return failure(FileStatus::CannotWrite, "cannot follow the link", chosen, error);
    }
    std::string temp;
    Descriptor fd(createTemporary(path, temp));
    if (fd.get() < 0) {
        return failure(FileStatus::CannotWrite, "cannot create a file in the folder of", path, errno);
    }
    const bool written = keepModeOf(path, fd.get()) && writeAll(fd.get(), bytes) && ::fsync(fd.get()) == 0;
    const int writeError = errno;
    const bool closed = ::close(fd.release()) == 0;
    if (!written || !closed) {
        ::unlink(temp.c_str());
        return failure(FileStatus::CannotWrite, "cannot write", path, written ? errno : writeError);
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        const int renameError = errno;
        ::unlink(temp.c_str());
        return failure(FileStatus::CannotWrite, "cannot replace", path, renameError);
    }
    if (int error = 0; !flushFolderOf(path, error)) {
        return failure(FileStatus::CannotWrite, "cannot flush the folder of", path, error);
    }
    return {};
}

std::filesystem::path nameWithExtension(const std::filesystem::path& chosen, std::string_view extension)
{
    std::string lower(1, '.');
    lower.append(extension);
    std::string upper = lower;
    for (char& ch : upper) {
        ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    }
    const std::string name = chosen.filename().string();
    const std::size_t cut = std::min(name.find(lower), name.find(upper));
    std::filesystem::path result = chosen;
    result.replace_filename(name.substr(0, cut) + lower);
    return result;
}

} // namespace qx
