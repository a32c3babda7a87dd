// The settings file reader over arbitrary bytes: every section and key it
// finds reads back through each typed reader, and a file it writes reads
// back to the same sections and values. The file lives in an anonymous
// memory file, so the fuzzer writes nothing to disk.

#include "FuzzInput.h"

#include "platform/gui/IniFile.h"

#include <sys/mman.h>
#include <unistd.h>

#include <string>

namespace {

// An anonymous memory file, named by its /proc path, that holds `bytes`.
class MemoryFile
{
public:
    MemoryFile() : fd_(memfd_create("qx-fuzz-ini", 0)) { qxfuzz::check(fd_ >= 0, "a memory file is made"); }
    ~MemoryFile() { close(fd_); }
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;

    std::string path() const { return "/proc/self/fd/" + std::to_string(fd_); }
    void fill(const std::uint8_t* data, std::size_t size)
    {
        qxfuzz::check(ftruncate(fd_, 0) == 0, "the memory file is emptied");
        std::size_t done = 0;
        while (done < size) {
            const ssize_t n = pwrite(fd_, data + done, size - done, static_cast<off_t>(done));
            qxfuzz::check(n > 0, "the memory file is written");
            done += static_cast<std::size_t>(n);
        }
    }

private:
    int fd_;
};

using Contents = std::vector<std::pair<std::string, std::vector<std::string>>>;

Contents readAll(const TMemIniFile& ini)
{
    Contents contents;
    for (const std::string& section : ini.ReadSections()) {
        qxfuzz::check(ini.SectionExists(section), "a listed section exists");
        for (const std::string& key : ini.ReadSection(section)) {
            qxfuzz::check(ini.ValueExists(section, key), "a listed key exists");
            (void)ini.ReadInteger(section, key, 7);
            (void)ini.ReadBool(section, key, true);
            (void)ini.ReadFloat(section, key, 0.5);
        }
        contents.emplace_back(section, ini.ReadSectionValues(section));
    }
    return contents;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static MemoryFile file;
    file.fill(data, size);
    TMemIniFile ini(file.path());
    const Contents read = readAll(ini);
    for (const qx::IniEncoding encoding : {qx::IniEncoding::Utf8, qx::IniEncoding::Utf8WithMark}) {
        ini.SetEncoding(encoding);
        ini.UpdateFile();
        const TMemIniFile again(file.path());
        qxfuzz::check(readAll(again) == read, "a settings file written reads back the same");
    }
    return 0;
}
