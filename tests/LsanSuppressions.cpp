// Leaks the leak checker ignores in every test executable: allocations that system
// libraries keep for the life of the process (the font configuration caches).
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}
