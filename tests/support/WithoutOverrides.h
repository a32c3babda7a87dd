#pragma once
// A test run as root passes every file permission check and every exclusive
// lock on a terminal. While one of these lives, the calling thread works
// without the capabilities that allow this (its effective set only, so they
// come back at the end), and meets "permission denied" and "busy" as a user
// would. For a user without those capabilities it changes nothing.

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <stdexcept>

namespace qx::test {

class WithoutOverrides
{
public:
    WithoutOverrides()
    {
        if (!capabilities(SYS_capget, saved_))
            throw std::runtime_error("capget failed");
        __user_cap_data_struct lowered[2] = {saved_[0], saved_[1]};
        for (const int cap : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER, CAP_SYS_ADMIN})
            lowered[cap / 32].effective &= ~(1u << (cap % 32));
        if (!capabilities(SYS_capset, lowered))
            throw std::runtime_error("capset failed");
    }
    ~WithoutOverrides() { capabilities(SYS_capset, saved_); }
    WithoutOverrides(const WithoutOverrides&) = delete;
    WithoutOverrides& operator=(const WithoutOverrides&) = delete;

private:
    static bool capabilities(long call, __user_cap_data_struct (&data)[2])
    {
        __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0}; // 0: the calling thread
        return ::syscall(call, &header, data) == 0;
    }

    __user_cap_data_struct saved_[2] = {};
};

} // namespace qx::test
