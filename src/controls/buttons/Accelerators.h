#pragma once
// Accelerators of captions: the character after a single '&' (Alt with it presses the control).

#include <string>

namespace qx::buttons {

/// The upper-case character after the accelerator mark of a caption, 0 when none.
char16_t AcceleratorOf(const std::string& caption);
/// True when key is the caption's accelerator (letters match in either case).
bool IsAccel(char16_t key, const std::string& caption);

} // namespace qx::buttons
