#pragma once

namespace qx::hid {
class FakeHidBus;
}

namespace qx::test {

/// The fake HID bus the program's windows see: a test plugs a simulated
/// processor into it.
hid::FakeHidBus& fakeHidBus();

/// For every test that builds the program's windows: a socket may dial the
/// loopback address only (anything else is refused and fails the test), and
/// the main window's HID controller sees an empty fake bus, never the
/// machine's devices. Undone by releaseConnections().
void guardConnections();
void releaseConnections();

/// The program's start for a test: the application, the editor's classes,
/// the guard above and every window made in order. endProgram undoes it.
void startProgram();
void endProgram();

} // namespace qx::test
