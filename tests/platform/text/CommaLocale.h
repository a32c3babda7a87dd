#pragma once

#include "TempDir.h"

#include <memory>
#include <string>

// Switches the process to a locale whose decimal separator is ",", making one
// from the system's locale sources in a temporary folder when none is
// installed, and restores the "C" locale when it goes. Empty reason when the
// switch worked, else why not.
class CommaLocale {
public:
    CommaLocale();
    ~CommaLocale();
    CommaLocale(const CommaLocale&) = delete;
    CommaLocale& operator=(const CommaLocale&) = delete;

    const std::string& Failure() const { return failure_; }

private:
    std::string failure_;
    std::unique_ptr<qx::test::TempDir> folder_; // only when a locale had to be made
};
