#pragma once

namespace qx {

/// Pauses the calling thread for that many milliseconds (none for 0 or
/// less) through the sleeper in use: the real one, or one a test puts in to
/// see who would sleep, and where.
void Sleep(int milliseconds);

/// A stand-in for the real pause; it may be called from any thread.
using Sleeper = void (*)(int milliseconds);

/// Puts in a sleeper and returns the one it replaces; nullptr puts the real
/// one back.
Sleeper setSleeper(Sleeper sleeper);

} // namespace qx
