#include "controls/buttons/Accelerators.h"

#include <cctype>

namespace qx::buttons {

namespace {

char16_t upper(char16_t c) { return c < 0x80 ? static_cast<char16_t>(std::toupper(c)) : c; }

} // namespace

char16_t AcceleratorOf(const std::string& caption)
{
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&')
            continue;
        if (caption[i + 1] == '&') {
            ++i;
            continue;
        }
        return upper(static_cast<unsigned char>(caption[i + 1]));
    }
    return 0;
}

bool IsAccel(char16_t key, const std::string& caption)
{
    const char16_t accel = AcceleratorOf(caption);
    return accel != 0 && accel == upper(key);
}

} // namespace qx::buttons
