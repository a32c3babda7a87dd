#include "SimOptions.h"

#include "model/PresetFile.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <stdexcept>
#include <string_view>

namespace qx::sim {
namespace {
struct BadOption : std::runtime_error
{
    using std::runtime_error::runtime_error;
};

long ParseNumber(std::string_view text, long low, long high)
{
    int base = 10;
    if (text.starts_with("0x") || text.starts_with("0X")) {
        text.remove_prefix(2);
        base = 16;
    }
    long value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() || value < low || value > high)
        throw BadOption("bad number '" + std::string(text) + "'");
    return value;
}

std::uint8_t ParseCode(std::string_view text)
{
    return static_cast<std::uint8_t>(ParseNumber(text, 0, 255));
}

void AddCodes(CodeSet& set, std::string_view text)
{
    if (text == "all") {
        set.all = true;
        return;
    }
    set.codes.insert(ParseCode(text));
}

// Splits "A=B" (or "A:B" with the given separator).
std::pair<std::string_view, std::string_view> Split(std::string_view text, char separator)
{
    const auto at = text.find(separator);
    if (at == std::string_view::npos)
        throw BadOption("expected '" + std::string(1, separator) + "' in '" + std::string(text) + "'");
    return {text.substr(0, at), text.substr(at + 1)};
}

std::uint16_t ParseLoopbackAddress(std::string_view text)
{
    const auto [host, port] = Split(text, ':');
    if (host != "127.0.0.1")
        throw BadOption("the simulator listens on 127.0.0.1 only");
    return static_cast<std::uint16_t>(ParseNumber(port, 0, 65535));
}

// The whole text must be the number, so a typing slip is not read as its prefix.
float ParseFloat(std::string_view text)
{
    if (text == "nan")
        return std::nanf("");
    const std::string_view number = text.starts_with('+') ? text.substr(1) : text;
    float value = 0;
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (number.empty() || number.starts_with('-') != text.starts_with('-') || ec != std::errc() ||
        end != number.data() + number.size())
        throw BadOption("bad number '" + std::string(text) + "'");
    return value;
}

CoefficientOverride ParseCoefficient(std::string_view text)
{
    const auto [where, value] = Split(text, '=');
    const auto [set, rest] = Split(where, ':');
    const auto [channel, slot] = Split(rest, ':');
    return {static_cast<int>(ParseNumber(set, 0, layout::kCoefficientSets - 1)),
            static_cast<int>(ParseNumber(channel, 0, kChannelCount - 1)),
            static_cast<int>(ParseNumber(slot, 0, kFirSlots - 1)), ParseFloat(value)};
}

// Each number of a comma-separated list, read in [low, high].
template <class T>
std::vector<T> ParseList(std::string_view text, long low, long high)
{
    std::vector<T> out;
    while (!text.empty()) {
        const auto comma = text.find(',');
        out.push_back(static_cast<T>(ParseNumber(text.substr(0, comma), low, high)));
        text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
    }
    return out;
}

void ParseUsedPresets(std::vector<int>& out, std::string_view text)
{
    const auto presets = ParseList<int>(text, 1, layout::kStoredPresets);
    out.insert(out.end(), presets.begin(), presets.end());
}

// The file's record bytes into the current settings, its coefficient image
// into coefficient set 0, as a preset transfer would leave them.
void LoadPresetFile(const std::string& path, DeviceCore& core)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read the preset file " + path);
    const Bytes file{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const PresetFileDecode decoded = decodePresetFile(file);
    if (!decoded.result.ok())
        throw std::runtime_error("the preset file " + path + " is refused");
    core.LoadCurrent(decoded.contents.parameters, decoded.contents.firImage);
}

using ValueOption = std::function<void(SimOptions&, std::string_view)>;
using FlagOption = std::function<void(SimOptions&)>;

const std::map<std::string_view, ValueOption>& ValueOptions()
{
    static const std::map<std::string_view, ValueOption> options{
        {"--tcp", [](SimOptions& o, std::string_view v) { o.tcpPort = ParseLoopbackAddress(v); }},
        {"--id",
         [](SimOptions& o, std::string_view v) {
             o.device.deviceId = static_cast<std::uint8_t>(ParseNumber(v, 1, 254));
         }},
        {"--model", [](SimOptions& o, std::string_view v) { o.device.model = std::string(v); }},
        {"--lock", [](SimOptions& o, std::string_view v) { o.lock = std::string(v); }},
        {"--latency-ms",
         [](SimOptions& o, std::string_view v) {
             o.faults.latencyMs = static_cast<int>(ParseNumber(v, 0, 600000));
         }},
        {"--log", [](SimOptions& o, std::string_view v) { o.logFile = std::string(v); }},
        {"--latency",
         [](SimOptions& o, std::string_view v) {
             const auto [code, ms] = Split(v, '=');
             o.faults.latencyByCode[ParseCode(code)] = static_cast<int>(ParseNumber(ms, 0, 600000));
         }},
        {"--silent", [](SimOptions& o, std::string_view v) { AddCodes(o.faults.silent, v); }},
        {"--silent-frame",
         [](SimOptions& o, std::string_view v) {
             o.faults.silentFrame = static_cast<int>(ParseNumber(v, 1, 1 << 30));
         }},
        {"--duplicate", [](SimOptions& o, std::string_view v) { AddCodes(o.faults.duplicate, v); }},
        {"--foreign-id",
         [](SimOptions& o, std::string_view v) {
             o.faults.foreignId = static_cast<int>(ParseNumber(v, 0, 255));
         }},
        {"--payload",
         [](SimOptions& o, std::string_view v) {
             const auto [code, delta] = Split(v, '=');
             const bool negative = delta.starts_with('-');
             const long n =
                 ParseNumber(delta.substr(delta.starts_with('-') || delta.starts_with('+') ? 1 : 0), 0, 200);
             o.faults.payloadDelta[ParseCode(code)] = static_cast<int>(negative ? -n : n);
         }},
        {"--zero-length", [](SimOptions& o, std::string_view v) { AddCodes(o.faults.zeroLength, v); }},
        {"--chunk",
         [](SimOptions& o, std::string_view v) {
             o.faults.chunkSize = static_cast<std::size_t>(ParseNumber(v, 1, 4096));
         }},
        {"--garbage",
         [](SimOptions& o, std::string_view v) {
             o.faults.garbageBytes = static_cast<std::size_t>(ParseNumber(v, 1, 4096));
         }},
        {"--junk",
         [](SimOptions& o, std::string_view v) {
             auto junk = ParseList<std::uint8_t>(v, 0, 255);
             if (junk.empty())
                 throw BadOption("--junk needs at least one byte");
             o.faults.junk = std::move(junk);
         }},
        {"--close-at-frame",
         [](SimOptions& o, std::string_view v) {
             o.faults.closeAtFrame = static_cast<int>(ParseNumber(v, 1, 1 << 30));
         }},
        {"--transfer-end", [](SimOptions& o, std::string_view v) { AddCodes(o.faults.transferEnd, v); }},
        {"--presets-used", [](SimOptions& o, std::string_view v) { ParseUsedPresets(o.usedPresets, v); }},
        {"--preset-file", [](SimOptions& o, std::string_view v) { o.presetFile = std::string(v); }},
        {"--coefficient",
         [](SimOptions& o, std::string_view v) { o.coefficients.push_back(ParseCoefficient(v)); }},
        {"--meter",
         [](SimOptions& o, std::string_view v) {
             const auto levels = MeterPattern::ParseLevels(v);
             if (!levels)
                 throw BadOption("unknown meter pattern '" + std::string(v) + "'");
             o.meters.levels = *levels;
         }},
        {"--dsp-load",
         [](SimOptions& o, std::string_view v) {
             o.meters.dspLoadPercent = static_cast<double>(ParseNumber(v, 0, 100));
         }},
    };
    return options;
}

const std::map<std::string_view, FlagOption>& FlagOptions()
{
    static const std::map<std::string_view, FlagOption> options{
        {"--pty", [](SimOptions& o) { o.pty = true; }},
        {"--coalesce", [](SimOptions& o) { o.faults.coalesce = true; }},
        {"--no-link-groups", [](SimOptions& o) { o.device.followLinkGroups = false; }},
        {"--help", [](SimOptions& o) { o.help = true; }},
    };
    return options;
}
} // namespace

ParsedOptions ParseOptions(const std::vector<std::string>& args)
{
    ParsedOptions parsed;
    try {
        for (std::size_t i = 0; i < args.size(); ++i) {
            if (const auto flag = FlagOptions().find(args[i]); flag != FlagOptions().end()) {
                flag->second(parsed.options);
                continue;
            }
            const auto option = ValueOptions().find(args[i]);
            if (option == ValueOptions().end())
                throw BadOption("unknown option '" + args[i] + "'");
            if (i + 1 >= args.size())
                throw BadOption(args[i] + " needs a value");
            option->second(parsed.options, args[++i]);
        }
        if (!parsed.options.tcpPort && !parsed.options.pty)
            parsed.options.tcpPort = 0;
    } catch (const BadOption& e) {
        parsed.error = e.what();
    }
    return parsed;
}

const char* UsageText()
{
    return "usage: qx73b-sim [--tcp 127.0.0.1:PORT] [--pty] [--id N] [--model TEXT] [--lock CODE]\n"
           "                 [--latency-ms N] [--log FILE] [fault and state switches]\n"
           "Transports (TCP on an ephemeral port when none is given):\n"
           "  --tcp 127.0.0.1:PORT   listen on the loopback address (PORT 0: ephemeral)\n"
           "  --pty                  open a pseudo-terminal in place of a serial port\n"
           "Device state:\n"
           "  --id N                 device id, 1-254 (default 1)\n"
           "  --model TEXT           model text of reply 19 (default \"QX-73B V012\")\n"
           "  --lock CODE            operation lock active with this 4-character password\n"
           "  --presets-used LIST    stored presets in use, e.g. 1,3,7\n"
           "  --preset-file FILE     current settings and coefficients from a preset file (.prs)\n"
           "  --coefficient S:C:K=V  coefficient K of channel C in set S (0 current, 1-20 presets); V may be "
           "nan\n"
           "  --meter quiet|ramp|hot meter pattern; --dsp-load PERCENT DSP load reported\n"
           "  --no-link-groups       apply channel commands to the named channel only\n"
           "Faults (CODE is the command answered, decimal or 0x.., or all):\n"
           "  --latency-ms N         delay every answer; --latency CODE=MS for one command\n"
           "  --silent CODE          never answer; --silent-frame N: no answer to the n-th frame\n"
           "  --duplicate CODE       answer twice; --transfer-end CODE: follow with reply 89 [1]\n"
           "  --foreign-id N         answer with another device id\n"
           "  --payload CODE=+N|-N   add or cut N payload bytes of the answer\n"
           "  --zero-length CODE     answer with length byte 0\n"
           "  --chunk N              cut every write into pieces of at most N bytes\n"
           "  --coalesce             all frames of one answer in one write\n"
           "  --garbage N            N junk bytes before every answer frame\n"
           "  --junk B,B,...         the junk bytes, repeated (default 0,5,0xFF,0x7E)\n"
           "  --close-at-frame N     drop the connection at the n-th frame\n"
           "Runs until SIGTERM, SIGINT or the end of its standard input.\n";
}

void ApplyDeviceOptions(const SimOptions& options, DeviceCore& core)
{
    if (options.presetFile)
        LoadPresetFile(*options.presetFile, core);
    if (options.lock)
        core.SetLock(*options.lock);
    core.SetMeterPattern(options.meters);
    for (int preset : options.usedPresets)
        core.SeedPreset(preset, "Preset " + std::to_string(preset));
    for (const auto& c : options.coefficients)
        core.Coefficients().SetCoefficient(c.set, c.channel, static_cast<std::size_t>(c.slot), c.value);
}
} // namespace qx::sim
