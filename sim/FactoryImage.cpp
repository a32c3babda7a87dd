#include "FactoryImage.h"

#include "ImageBytes.h"

#include <string>

namespace qx::sim {
namespace {
using namespace layout;
using Image = std::array<std::uint8_t, kRecordSize>;

constexpr std::uint16_t kInputBandFrequencies[kInputBands] = {1,   25,  49,  71,  93,  118, 140,
                                                              161, 184, 206, 230, 251, 270, 290};
constexpr std::uint16_t kOutputBandFrequencies[kOutputBands] = {41, 85, 131, 174, 218, 260};
constexpr std::uint16_t kUnityGain = 280;
constexpr std::uint16_t kFlatBandGain = 120;

void WriteBand(Image& image, std::size_t offset, std::uint16_t frequency, std::uint8_t q)
{
    WriteWord(image, offset, kFlatBandGain);
    WriteWord(image, offset + 2, frequency);
    image[offset + 4] = q;
    image[offset + 5] = 0; // Peak
}

void WriteDynamics(Image& image, std::size_t offset, std::uint16_t ratio)
{
    const std::uint16_t words[5] = {ratio, 499, 499, 0, 220};
    for (std::size_t i = 0; i < 5; ++i)
        WriteWord(image, offset + 2 * i, words[i]);
}

void WriteInput(Image& image, int n)
{
    const std::size_t base = ChannelBase(n);
    WriteText(image, base + kName, std::string("In") + static_cast<char>('A' + n), kNameSize);
    for (int b = 0; b < kInputBands; ++b)
        WriteBand(image, base + kInBands + kBandSize * static_cast<std::size_t>(b), kInputBandFrequencies[b],
                  35);
    WriteWord(image, base + kInFirTaps, 512);
    WriteWord(image, base + kInFirBypass, 1);
    WriteWord(image, base + kInGain, kUnityGain);
    WriteWord(image, base + kInLink, static_cast<std::uint16_t>(1u << n));
}

void WriteOutput(Image& image, int i)
{
    const std::size_t base = ChannelBase(kInputs + i);
    WriteText(image, base + kName, "Out" + std::to_string(i + 1), kNameSize);
    WriteWord(image, base + kOutRoute, static_cast<std::uint16_t>(1u << (i % kInputs)));
    for (std::size_t n = 0; n < kInputs; ++n)
        WriteWord(image, base + kOutMix + 2 * n, kUnityGain);
    const std::size_t filter = base + kOutFilter;
    WriteWord(image, filter + kFilterMode, 2);
    WriteWord(image, filter + kFilterHighPass, 0);
    WriteWord(image, filter + kFilterLowPass, 300);
    image[filter + kFilterFir] = 0;
    image[filter + kFilterFir + 1] = 6;
    WriteWord(image, filter + kFilterFir + 2, 110);
    WriteWord(image, filter + kFilterFir + 4, 300);
    WriteWord(image, filter + kFilterFirTaps, 512);
    for (int b = 0; b < kOutputBands; ++b)
        WriteBand(image, base + kOutBands + kBandSize * static_cast<std::size_t>(b),
                  kOutputBandFrequencies[b], 25);
    WriteDynamics(image, base + kOutComp, 0);
    WriteDynamics(image, base + kOutLimit, 15);
    WriteWord(image, base + kOutGain, kUnityGain);
    WriteWord(image, base + kOutLink, static_cast<std::uint16_t>(1u << i));
}

Image BuildFactoryImage()
{
    Image image{};
    WriteText(image, kPresetName, "Default Preset", kPresetNameSize);
    for (int n = 0; n < kInputs; ++n)
        WriteInput(image, n);
    for (int i = 0; i < kOutputs; ++i)
        WriteOutput(image, i);
    return image;
}
} // namespace

const std::array<std::uint8_t, kRecordSize>& FactoryImage()
{
    static const Image image = BuildFactoryImage();
    return image;
}
} // namespace qx::sim
