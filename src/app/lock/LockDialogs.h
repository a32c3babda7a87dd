#pragma once
// The operation-lock dialogs as a whole.

namespace qx {

// Registers the three lock dialog classes with the property registry.
void registerLockDialogs();

} // namespace qx
