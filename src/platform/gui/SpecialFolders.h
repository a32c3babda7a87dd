#pragma once

#include <string>

// The special folders that settings files may live in, by the shell's
// numbers for them.
inline constexpr int CSIDL_PERSONAL = 5;       // the user's documents
inline constexpr int CSIDL_APPDATA = 26;       // the user's settings that travel
inline constexpr int CSIDL_LOCAL_APPDATA = 28; // the user's settings of this machine
inline constexpr int CSIDL_COMMON_APPDATA = 35;

namespace qx {

/// The folder's path on this system (XDG folders), without a trailing
/// separator; empty when the folder is unknown, so that callers fall back to
/// the executable's folder as they do where the lookup fails.
std::string specialFolderPath(int folder);

/// The running program's file.
std::string executablePath();

} // namespace qx
