// The settings file reader over arbitrary bytes: every section and key it
// finds reads back through each typed reader, and a file it writes reads
// back to the same sections and values. The file lives in an anonymous
// memory file, so the fuzzer writes nothing to disk.

#include "FuzzInput.h"

#include "MemoryFile.h"

#include "platform/gui/IniFile.h"

#include <string>

namespace {

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
    static qxfuzz::MemoryFile file;
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
