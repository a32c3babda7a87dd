// Leaks the leak checker ignores in every test executable: allocations that system
// libraries keep for the life of the process.
extern "C" const char* __lsan_default_suppressions()
{
    // The font configuration caches.
    return "leak:libfontconfig.so\n"
           // The message buffer of the D-Bus connection Qt's X11 platform opens
           // under a real window manager.
           "leak:libdbus-1.so\n";
}
