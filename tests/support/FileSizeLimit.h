#pragma once
// Lowers the process's file size limit while it lives, so that a write that
// goes past it fails half-way (with EFBIG, not the default signal).

#include <signal.h>
#include <sys/resource.h>

namespace qxtest {

class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = ::signal(SIGXFSZ, SIG_IGN);
        struct rlimit small = saved_;
        small.rlim_cur = bytes;
        applied_ = ::setrlimit(RLIMIT_FSIZE, &small) == 0;
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        ::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    bool applied() const { return applied_; }

private:
    struct rlimit saved_
    {
    };
    sighandler_t previousHandler_ = SIG_DFL;
    bool applied_ = false;
};

} // namespace qxtest
