// Reads every #include "..." of src/ and sim/ and checks it against the layer
// order: platform, controls, codec, link and response, model, editors, app;
// the simulator beside the editor on codec and model.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const fs::path kSourceDir = QX_SOURCE_DIR;

// The pure response maths (the library qx_response): every other file of
// src/response/ belongs to the graphs and grids of qx_response_controls.
const std::set<std::string> kResponseMaths = {
    "BiquadDesign", "CurvePoint", "FirDesign", "FirResponse", "FrequencyGrid",
    "GraphEnums",   "Plot",       "PlotGraph", "PlotSection",
};

// Which layers a file of each layer may include (its own always included).
const std::map<std::string, std::set<std::string>> kAllowed = {
    {"platform", {}},
    {"controls", {"platform"}},
    {"codec", {}},
    {"link", {"codec", "platform"}},
    {"response", {"codec", "platform"}},
    {"response-controls", {"response", "controls", "codec", "platform"}},
    {"model", {"link", "codec", "response", "platform"}},
    {"editors", {"model", "link", "codec", "response", "response-controls", "controls", "platform"}},
    {"app", {"editors", "model", "link", "codec", "response", "response-controls", "controls", "platform"}},
    {"sim", {"codec", "model", "platform"}},
};

// Folders whose code must not include a Qt header itself: the control
// families reach Qt only through the platform stand-in, and the codec and
// the response maths stay free of it.
const std::set<std::string> kWithoutQt = {"controls", "codec", "response"};

// The layer of a path relative to the source tree ("src/model/X.cpp") or of
// an include path ("model/X.h"); nothing for a path outside the layers.
std::optional<std::string> layerOf(const std::string& path)
{
    std::string rest = path;
    if (rest.starts_with("sim/"))
        return "sim";
    if (rest.starts_with("src/"))
        rest.erase(0, 4);
    const auto slash = rest.find('/');
    if (slash == std::string::npos)
        return std::nullopt;
    const std::string folder = rest.substr(0, slash);
    if (folder == "response") {
        const std::string file = rest.substr(slash + 1);
        const bool maths = file.find('/') == std::string::npos && kResponseMaths.contains(fs::path(file).stem().string());
        return maths ? "response" : "response-controls";
    }
    if (kAllowed.contains(folder) && folder != "sim")
        return folder;
    return std::nullopt;
}

// Why `file` may not include `target`; empty when it may. Includes without a
// folder name are the file's own folder or generated headers of the build.
std::string ruleBroken(const std::string& file, const std::string& target)
{
    if (target.find('/') == std::string::npos)
        return {};
    const auto from = layerOf(file);
    const auto to = layerOf(target);
    if (!from)
        return "file outside the layers";
    if (!to)
        return "include outside the layers";
    if (*from == *to || kAllowed.at(*from).contains(*to))
        return {};
    return *from + " may not use " + *to;
}

struct Include
{
    int line;
    std::string path;
    bool angled;
};

std::vector<Include> includesOf(std::istream& in)
{
    static const std::regex kInclude(R"(^\s*#\s*include\s*([<"])([^">]+)[">])");
    std::vector<Include> found;
    std::string text;
    for (int line = 1; std::getline(in, text); ++line) {
        std::smatch m;
        if (std::regex_search(text, m, kInclude))
            found.push_back({line, m[2].str(), m[1].str() == "<"});
    }
    return found;
}

bool isQtHeader(const std::string& header)
{
    static const std::regex kQt(R"(^(Q[A-Za-z]+|Qt[A-Za-z]+/.*|q[a-z]+\.h)$)");
    return std::regex_match(header, kQt);
}

struct SourceFile
{
    std::string path; // relative to the source tree
    std::vector<Include> includes;
};

std::vector<SourceFile> sourceFiles()
{
    static const std::set<std::string> kExtensions = {".h", ".hpp", ".cpp", ".cc", ".inc"};
    std::vector<SourceFile> files;
    for (const char* top : {"src", "sim"}) {
        for (const auto& entry : fs::recursive_directory_iterator(kSourceDir / top)) {
            if (!entry.is_regular_file() || !kExtensions.contains(entry.path().extension().string()))
                continue;
            std::ifstream in(entry.path());
            files.push_back({fs::relative(entry.path(), kSourceDir).generic_string(), includesOf(in)});
        }
    }
    std::ranges::sort(files, {}, &SourceFile::path);
    return files;
}

std::vector<std::string> wrongEdges(const SourceFile& file)
{
    std::vector<std::string> wrong;
    for (const Include& include : file.includes) {
        if (include.angled)
            continue;
        const std::string broken = ruleBroken(file.path, include.path);
        if (!broken.empty())
            wrong.push_back(file.path + ":" + std::to_string(include.line) + ": includes \"" + include.path +
                            "\" (" + broken + ")");
    }
    return wrong;
}

TEST(LayerTest, RulesTellAllowedFromWrongEdges)
{
    struct Case
    {
        const char* file;
        const char* include;
        bool allowed;
    };
    const Case cases[] = {
        {"src/model/StateLoad.cpp", "codec/CmMcs.h", true},
        {"src/model/StateLoad.cpp", "link/LinkWorker.h", true},
        {"src/model/StateLoad.cpp", "app/FMain.h", false},
        {"src/model/ShownCurves.cpp", "response/Plot.h", true},
        {"src/model/ShownCurves.cpp", "response/LMyFFTDrawHpLp6dB.h", false},
        {"src/codec/LCmd.cpp", "model/UnitRecord.h", false},
        {"src/codec/LCmd.cpp", "platform/sync/Clock.h", false},
        {"src/response/Plot.cpp", "model/UnitRecord.h", false},
        {"src/response/Plot.cpp", "link/LCmd.h", false},
        {"src/response/FirResponse.cpp", "response/TMyPEQType8.h", false},
        {"src/response/TMyPEQType8.cpp", "controls/buttons/rz/RzLabel.h", true},
        {"src/controls/buttons/rz/RzLabel.cpp", "response/Plot.h", false},
        {"src/link/LinkWorker.cpp", "model/UnitRecord.h", false},
        {"src/editors/eq/X.cpp", "app/FMain.h", false},
        {"src/app/FMain.cpp", "editors/eq/X.h", true},
        {"sim/DeviceCore.cpp", "codec/LCmd.h", true},
        {"sim/DeviceCore.cpp", "model/FactoryDefault.h", true},
        {"sim/DeviceCore.cpp", "link/LinkWorker.h", false},
        {"sim/DeviceCore.cpp", "Responder.h", true},
        {"src/model/X.cpp", "tools/Y.h", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ruleBroken(c.file, c.include).empty(), c.allowed) << c.file << " -> " << c.include;

    std::istringstream text("  #  include \"a/b.h\" // why\n#include <QWidget>\n// #include \"c/d.h\"\n");
    const auto found = includesOf(text);
    ASSERT_EQ(found.size(), 2U);
    EXPECT_EQ(found[0].path, "a/b.h");
    EXPECT_FALSE(found[0].angled);
    EXPECT_TRUE(found[1].angled);
    EXPECT_TRUE(isQtHeader("QWidget"));
    EXPECT_TRUE(isQtHeader("QtCore/QString"));
    EXPECT_FALSE(isQtHeader("queue"));
}

TEST(LayerTest, EveryIncludeFollowsTheLayerOrder)
{
    const auto files = sourceFiles();
    std::set<std::string> layersSeen;
    std::vector<std::string> wrong;
    for (const SourceFile& file : files) {
        if (const auto layer = layerOf(file.path))
            layersSeen.insert(*layer);
        const auto edges = wrongEdges(file);
        wrong.insert(wrong.end(), edges.begin(), edges.end());
    }
    for (const char* layer : {"platform", "controls", "codec", "link", "response", "response-controls", "model", "editors", "app",
                              "sim"})
        EXPECT_TRUE(layersSeen.contains(layer)) << "no file found in layer " << layer << " under " << kSourceDir;
    for (const std::string& edge : wrong)
        ADD_FAILURE() << edge;
}

std::vector<std::string> qtIncludes(const SourceFile& file)
{
    std::vector<std::string> found;
    for (const Include& include : file.includes) {
        if (include.angled && isQtHeader(include.path))
            found.push_back(file.path + ":" + std::to_string(include.line) + ": includes <" + include.path + ">");
    }
    return found;
}

TEST(LayerTest, ControlsCodecAndResponseMathsIncludeNoQtHeader)
{
    const auto files = sourceFiles();
    for (const SourceFile& file : files) {
        const auto layer = layerOf(file.path);
        if (!layer || !kWithoutQt.contains(*layer))
            continue;
        for (const std::string& include : qtIncludes(file))
            ADD_FAILURE() << include << " (" << *layer << " reaches Qt only through the platform stand-in)";
    }
}

} // namespace
