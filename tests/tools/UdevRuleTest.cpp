// The udev rule for the processor's HID interface, read as udev reads it:
// every line a comma-separated list of KEY{ATTR} OPERATOR "VALUE" items. The
// rule must match the processor's hidraw node and nothing else, and tag it
// for the seat user before the seat rules turn the tag into access rights.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

const std::filesystem::path kRule = std::filesystem::path(QX_SOURCE_DIR) / "resources/linux/70-qx73b-editor.rules";

struct Item
{
    std::string key;
    std::string attribute;
    std::string op;
    std::string value;
};

// The items of one rule line; an empty list with `error` set when it does
// not parse.
std::vector<Item> parseLine(const std::string& line, std::string& error)
{
    static const std::regex item(R"re(^\s*([A-Z_]+)(\{([^}]+)\})?\s*(==|!=|\+=|-=|:=|=)\s*"([^"]*)"\s*(,|$))re");
    static const std::set<std::string> keys = {"ACTION", "DEVPATH", "KERNEL", "KERNELS", "NAME", "SYMLINK",
                                               "SUBSYSTEM", "SUBSYSTEMS", "DRIVER", "DRIVERS", "ATTR", "ATTRS",
                                               "ENV", "TAG", "TAGS", "TEST", "PROGRAM", "RESULT", "OWNER",
                                               "GROUP", "MODE", "RUN", "LABEL", "GOTO", "IMPORT", "OPTIONS"};
    std::vector<Item> items;
    std::string rest = line;
    std::smatch m;
    while (!rest.empty() && std::regex_search(rest, m, item)) {
        Item parsed{m[1], m[3], m[4], m[5]};
        if (!keys.count(parsed.key)) {
            error = "unknown key " + parsed.key;
            return {};
        }
        items.push_back(parsed);
        rest = m.suffix();
    }
    if (rest.find_first_not_of(" \t") != std::string::npos) {
        error = "cannot read: " + rest;
        return {};
    }
    return items;
}

std::vector<std::vector<Item>> readRules(std::string& error)
{
    std::ifstream in(kRule);
    std::vector<std::vector<Item>> rules;
    for (std::string line; std::getline(in, line);) {
        const auto first = line.find_first_not_of(" \t");
        if (first == std::string::npos || line[first] == '#')
            continue;
        auto items = parseLine(line, error);
        if (items.empty())
            return {};
        rules.push_back(std::move(items));
    }
    return rules;
}

TEST(UdevRule, ParsesAndMatchesOnlyTheProcessorsHidrawNode)
{
    ASSERT_TRUE(std::filesystem::exists(kRule)) << kRule;
    std::string error;
    const auto rules = readRules(error);
    ASSERT_TRUE(error.empty()) << error;
    ASSERT_EQ(rules.size(), 1u) << "one rule";
    std::set<std::string> seen;
    for (const Item& i : rules[0])
        seen.insert(i.key + (i.attribute.empty() ? "" : "{" + i.attribute + "}") + i.op + i.value);
    const std::set<std::string> expected = {"SUBSYSTEM==hidraw", "KERNEL==hidraw*", "ATTRS{idVendor}==0168",
                                            "ATTRS{idProduct}==0821", "TAG+=uaccess"};
    EXPECT_EQ(seen, expected);
}

TEST(UdevRule, SortsBeforeTheSeatRulesThatApplyTheTag)
{
    EXPECT_LT(kRule.filename().string(), "73-seat-late.rules");
}

TEST(UdevRule, TheParserRefusesWhatUdevWouldRefuse)
{
    struct Case
    {
        const char* line;
        bool good;
    };
    for (const Case& c : {Case{R"(SUBSYSTEM=="hidraw", TAG+="uaccess")", true},
                          Case{R"(SUBSYSTEM=="hidraw" TAG+="uaccess")", false},
                          Case{R"(SUBSYTEM=="hidraw")", false},
                          Case{R"(ATTRS{idVendor}=="0168)", false},
                          Case{R"(MODE=0660)", false}}) {
        std::string error;
        EXPECT_EQ(!parseLine(c.line, error).empty(), c.good) << c.line << ": " << error;
    }
}

// udevadm verify exists from systemd 253 on; older systems skip this check.
TEST(UdevRule, UdevadmVerifiesItWhereItCan)
{
    if (std::system("udevadm verify --help >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "this udevadm has no verify command";
    const std::string command = "udevadm verify --resolve-names=never '" + kRule.string() + "'";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
}

} // namespace
