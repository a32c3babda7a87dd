#pragma once

#include <functional>

namespace qx::test {

/// Lets the GUI loop pass until done() holds; fails the test when it does
/// not within a generous bound (a hang guard, not a timing check).
bool pumpUntil(const std::function<bool()>& done);

} // namespace qx::test
