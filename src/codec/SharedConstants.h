#pragma once
// The fixed values that every part of the editor reads: captions, the default
// processor address, capacities, the scale constants and the lookup tables of
// the editors and curves. Everything here is constexpr data; the functions
// that read the tables clamp their index so no table is read out of range.

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

namespace qx {

inline constexpr std::string_view kWindowTitle = "K-ARX QX-73B DSP Processor Editor";
inline constexpr std::string_view kVersionText = "V1.2";
inline constexpr std::string_view kDefaultDeviceAddress = "192.168.1.101";
// Vendor and product id of the processor's USB interface.
inline constexpr std::uint16_t kProcessorVendorId = 0x0168;
inline constexpr std::uint16_t kProcessorProductId = 0x0821;

inline constexpr int kDspCapacity = 8181;
inline constexpr int kFirTapBudget = 12288;
inline constexpr float kSamplesPerMs = 48.0F;
inline constexpr float kSpeedOfSound = 343.5F; // metres per second
// 2^(1/30): thirty frequency-index steps per octave.
inline constexpr double kFrequencyStepRatio = 1.023373891996775;

inline constexpr int kQIndexMax = 100;
inline constexpr std::array<double, kQIndexMax + 1> kQTable = {
    0.4,  0.42, 0.45, 0.47, 0.5,  0.53, 0.56, 0.59, 0.63, 0.67, //
    0.71, 0.75, 0.79, 0.84, 0.89, 0.94, 1,    1.06, 1.12, 1.19, //
    1.26, 1.3,  1.4,  1.5,  1.6,  1.7,  1.8,  1.9,  2,    2.1,  //
    2.2,  2.4,  2.5,  2.7,  2.8,  3,    3.2,  3.4,  3.6,  3.8,  //
    4,    4.2,  4.5,  4.8,  5,    5.3,  5.7,  6,    6.3,  6.7,  //
    7.1,  7.6,  8,    8.5,  9,    9.5,  10.1, 10.7, 11.3, 12,   //
    12.7, 13.5, 14,   15,   16,   17,   18,   19,   20,   21,   //
    23,   24,   25,   27,   29,   30,   32,   34,   36,   38,   //
    40,   43,   45,   48,   51,   54,   57,   60,   64,   68,   //
    72,   76,   81,   85,   91,   96,   102,  108,  114,  121,  //
    128};

inline constexpr std::array<std::string_view, 4> kFrequencySuffixes = {"HZ", "Hz", "hZ", "hz"};
inline constexpr std::array<std::string_view, 2> kKiloSuffixes = {"k", "K"};
inline constexpr std::array<std::string_view, 4> kGainSuffixes = {"dB", "DB", "db", "Db"};
inline constexpr std::array<std::string_view, 4> kTimeSuffixes = {"ms", "Ms", "mS", "MS"};
inline constexpr std::array<std::string_view, 10> kDelaySuffixes = {"ms", "Ms", "mS", "MS", "m",
                                                                    "M",  "ft", "Ft", "fT", "FT"};

inline constexpr int kRatioIndexMax = 15;
inline constexpr std::array<std::string_view, kRatioIndexMax + 1> kRatioTexts = {
    "1.0", "1.1", "1.3", "1.5", "1.7", "2.0", "2.5", "3.0",
    "3.5", "4.0", "5.0", "6.0", "8.0", "10",  "20",  "Limit"};
inline constexpr std::array<double, kRatioIndexMax + 1> kRatioValues = {
    1.0, 1.1, 1.3, 1.5, 1.7, 2.0, 2.5, 3.0, 3.5, 4.0, 5.0, 6.0, 8.0, 10.0, 20.0, 20.1};

// PEQ type (0 Peak ... 8 Allpass2) to the response model's filter code.
inline constexpr int kPeqTypeMax = 8;
inline constexpr std::array<int, kPeqTypeMax + 1> kPeqTypeFilterCodes = {1, 2, 3, 8, 5, 9, 4, 7, 17};

// Crossover slope code (0 bypassed, 1-20 in the slope list's order) to the
// response row: 0 flat, 1-8 Butterworth order 1-8, 9-16 Bessel order 1-8,
// 17-20 Linkwitz-Riley 12/24/36/48 dB per octave.
inline constexpr int kSlopeCodeMax = 20;
inline constexpr std::array<int, kSlopeCodeMax + 1> kSlopeResponseRows = {
    0, 1, 9, 2, 10, 17, 3, 11, 4, 12, 18, 5, 13, 6, 14, 19, 7, 15, 8, 16, 20};

// Butterworth rows, order 1-8 (index 0 = order 1): value 0 is 1.0 for a
// first-order stage (odd orders), values 1-4 the dampings of the second-order
// stages, 0 where a stage is unused.
inline constexpr std::array<std::array<float, 5>, 8> kButterworthDampings = {{
    {1.0F, 0, 0, 0, 0},
    {0, 1.4142F, 0, 0, 0},
    {1.0F, 1.0F, 0, 0, 0},
    {0, 0.7654F, 1.8478F, 0, 0},
    {1.0F, 0.618F, 1.618F, 0, 0},
    {0, 0.5176F, 1.4142F, 1.9319F, 0},
    {1.0F, 0.445F, 1.247F, 1.8019F, 0},
    {0, 0.3902F, 1.1111F, 1.6629F, 1.9616F},
}};

struct BesselPair
{
    float a;
    float b;
};
// Bessel rows, order 1-8: pair 0 holds the first-order coefficient (odd
// orders), pairs 1-4 the (a, b) of the second-order stages, normalised to
// -3 dB at the cut-off. Order 8's first b is 0.3162 (the value 0.3126, with
// two digits exchanged, drew "BL -48" 0.09 dB off).
inline constexpr std::array<std::array<BesselPair, 5>, 8> kBesselCoefficients = {{
    {{{1.0F, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}}},
    {{{0, 0}, {1.3617F, 0.618F}, {0, 0}, {0, 0}, {0, 0}}},
    {{{0.756F, 0}, {0.9996F, 0.4772F}, {0, 0}, {0, 0}, {0, 0}}},
    {{{0, 0}, {1.3397F, 0.4889F}, {0.7743F, 0.389F}, {0, 0}, {0, 0}}},
    {{{0.6656F, 0}, {1.1402F, 0.4128F}, {0.6216F, 0.3245F}, {0, 0}, {0, 0}}},
    {{{0, 0}, {1.2217F, 0.3887F}, {0.9686F, 0.3505F}, {0.5131F, 0.2756F}, {0, 0}}},
    {{{0.5937F, 0}, {1.0944F, 0.3395F}, {0.8304F, 0.3011F}, {0.4332F, 0.2381F}, {0, 0}}},
    {{{0, 0}, {1.1112F, 0.3162F}, {0.9754F, 0.2979F}, {0.7202F, 0.2621F}, {0.3728F, 0.2087F}}},
}};

struct Rgb
{
    std::uint8_t r;
    std::uint8_t g;
    std::uint8_t b;
    friend constexpr bool operator==(Rgb, Rgb) = default;
};

namespace colors {
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kYellow{255, 255, 0};
inline constexpr Rgb kFuchsia{255, 0, 255};
inline constexpr Rgb kAqua{0, 255, 255};
inline constexpr Rgb kLime{0, 255, 0};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kSkyBlue{166, 202, 240};
inline constexpr Rgb kPurple{128, 0, 128};
inline constexpr Rgb kTeal{0, 128, 128};
inline constexpr Rgb kMaroon{128, 0, 0};
inline constexpr Rgb kCream{255, 251, 240};
inline constexpr Rgb kOlive{128, 128, 0};
inline constexpr Rgb kGrey{128, 128, 128};
inline constexpr Rgb kNavy{0, 0, 128};
} // namespace colors

inline constexpr std::array<Rgb, 14> kPlotColors = {
    colors::kRed,   colors::kYellow,  colors::kFuchsia, colors::kAqua, colors::kLime,
    colors::kBlue,  colors::kSkyBlue, colors::kPurple,  colors::kTeal, colors::kMaroon,
    colors::kCream, colors::kOlive,   colors::kGrey,    colors::kNavy};

// By channel: InA-InD, then Out1-Out8.
inline constexpr std::array<Rgb, 12> kChannelColors = {
    colors::kPurple, colors::kOlive, colors::kTeal,    colors::kMaroon, colors::kRed,     colors::kLime,
    colors::kYellow, colors::kBlue,  colors::kFuchsia, colors::kAqua,   colors::kSkyBlue, colors::kCream};

// Segment thresholds in dB of the two level meter scales, and the steps of
// the gain-reduction meters.
inline constexpr std::array<int, 8> kLevelThresholdsA = {-50, -30, -10, -5, 0, 5, 10, 18};
inline constexpr std::array<int, 8> kLevelThresholdsB = {-50, -30, -10, -5, 0, 5, 12, 18};
inline constexpr std::array<int, 9> kGainReductionSteps = {-1, -2, -3, -5, -10, -15, -20, -30, -50};

inline constexpr double kPhaseRange = 180.0;
inline constexpr double kPhaseStep = 18.0;
inline constexpr double kPi = 3.14159265358979323846;
inline constexpr double kPhaseDisplayFactor = kPhaseStep / kPhaseRange * (kPhaseRange / kPi);

// Table readers: the index is clamped into the table.
template <typename Table>
constexpr const typename Table::value_type& clampedEntry(const Table& table, int index)
{
    const int last = static_cast<int>(table.size()) - 1;
    return table[static_cast<std::size_t>(std::clamp(index, 0, last))];
}

constexpr int peqTypeFilterCode(int peqType)
{
    return clampedEntry(kPeqTypeFilterCodes, peqType);
}
constexpr int slopeResponseRow(int slopeCode)
{
    return clampedEntry(kSlopeResponseRows, slopeCode);
}
constexpr std::string_view ratioText(int ratioIndex)
{
    return clampedEntry(kRatioTexts, ratioIndex);
}
constexpr double ratioValue(int ratioIndex)
{
    return clampedEntry(kRatioValues, ratioIndex);
}

} // namespace qx
