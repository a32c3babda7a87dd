// The factory-default record, field by field at its absolute byte offsets.

#include <gtest/gtest.h>

#include <string>

#include "model/FactoryDefault.h"
#include "model/LUnitControl.h"

namespace {

const qx::UnitRecord& def()
{
    return qx::kFactoryDefaultRecord;
}

int word(std::size_t at)
{
    return def()[at] | def()[at + 1] << 8;
}

std::string text(std::size_t at, std::size_t size)
{
    return {def().begin() + at, def().begin() + at + size};
}

// A PEQ band at 0 dB, type Peak.
void expectBand(std::size_t band, int freq, int q)
{
    EXPECT_EQ(word(band), 120) << "at " << band;
    EXPECT_EQ(word(band + 2), freq) << "at " << band;
    EXPECT_EQ(def()[band + 4], q) << "at " << band;
    EXPECT_EQ(def()[band + 5], 0) << "at " << band;
}

TEST(FactoryDefault, PresetNameAndStatus)
{
    EXPECT_EQ(def()[0], 0);
    EXPECT_EQ(def()[1], 0);
    EXPECT_EQ(text(2, 14), "Default Preset");
}

TEST(FactoryDefault, InputChannels)
{
    const char* names[] = {"InA", "InB", "InC", "InD"};
    const int freqs[] = {1, 25, 49, 71, 93, 118, 140, 161, 184, 206, 230, 251, 270, 290};
    for (int n = 0; n < 4; ++n) {
        SCOPED_TRACE("input " + std::to_string(n));
        const std::size_t at = 16 + 104 * n;
        EXPECT_EQ(text(at, 8), std::string(names[n]) + std::string(5, '\0'));
        for (int b = 0; b < 14; ++b) {
            expectBand(at + 8 + 6 * b, freqs[b], 35);
        }
        EXPECT_EQ(word(at + 92), 512); // FIR tap count
        EXPECT_EQ(word(at + 94), 1);   // FIR bypassed
        EXPECT_EQ(word(at + 96), 280); // 0 dB
        EXPECT_EQ(word(at + 98), 0);
        EXPECT_EQ(word(at + 100), 0);
        EXPECT_EQ(word(at + 102), 1 << n);
    }
}

TEST(FactoryDefault, OutputChannels)
{
    const int freqs[] = {41, 85, 131, 174, 218, 260};
    const int routes[] = {1, 2, 4, 8, 1, 2, 4, 8};
    for (int i = 0; i < 8; ++i) {
        SCOPED_TRACE("output " + std::to_string(i + 1));
        const std::size_t at = 432 + 98 * i;
        EXPECT_EQ(text(at, 8), "Out" + std::to_string(i + 1) + std::string(4, '\0'));
        EXPECT_EQ(word(at + 8), routes[i]);
        for (int n = 0; n < 4; ++n) {
            EXPECT_EQ(word(at + 10 + 2 * n), 280) << "mix " << n;
        }
        const std::size_t filter = at + 18;
        EXPECT_EQ(word(filter), 2);       // IIR + FIR
        EXPECT_EQ(word(filter + 2), 0);   // high-pass index
        EXPECT_EQ(word(filter + 4), 300); // low-pass index
        EXPECT_EQ(def()[filter + 6], 0);  // both slopes bypassed
        EXPECT_EQ(def()[filter + 7], 0);
        EXPECT_EQ(def()[filter + 8], 0); // FIR bypass
        EXPECT_EQ(def()[filter + 9], 6); // SINC
        EXPECT_EQ(word(filter + 10), 110);
        EXPECT_EQ(word(filter + 12), 300);
        EXPECT_EQ(word(filter + 14), 512);
        for (int b = 0; b < 6; ++b) {
            expectBand(at + 34 + 6 * b, freqs[b], 25);
        }
        const int compressor[] = {0, 499, 499, 0, 220};
        const int limiter[] = {15, 499, 499, 0, 220};
        for (int k = 0; k < 5; ++k) {
            EXPECT_EQ(word(at + 70 + 2 * k), compressor[k]) << "compressor word " << k;
            EXPECT_EQ(word(at + 80 + 2 * k), limiter[k]) << "limiter word " << k;
        }
        EXPECT_EQ(word(at + 90), 280);
        EXPECT_EQ(word(at + 92), 0);
        EXPECT_EQ(word(at + 94), 0);
        EXPECT_EQ(word(at + 96), 1 << i);
    }
}

TEST(FactoryDefault, UnitWideFieldsAreZero)
{
    for (std::size_t at = 1216; at < 1260; ++at) {
        EXPECT_EQ(def()[at], 0) << "byte " << at;
    }
}

TEST(FactoryDefault, ExamplesReadThroughTheLayout)
{
    namespace rec = qx::rec;
    const std::size_t band6OfInB = rec::inputBand(1, 6);
    EXPECT_EQ(qx::readWord(def(), band6OfInB + rec::kBandGain), 120);
    EXPECT_EQ(qx::readWord(def(), band6OfInB + rec::kBandFreq), 140);
    EXPECT_EQ(def()[band6OfInB + rec::kBandQ], 35);
    EXPECT_EQ(def()[band6OfInB + rec::kBandType], 0);
    EXPECT_EQ(qx::readWord(def(), rec::output(6) + rec::kOutRouteMask), 4);
    EXPECT_EQ(qx::readWord(def(), rec::output(7) + rec::kOutLinkMask), 128);
    EXPECT_EQ(rec::output(7) + rec::kOutLinkMask, 1214U);
    EXPECT_EQ(rec::peqBypassMask(3), 1228U);     // input 3
    EXPECT_EQ(rec::peqBypassMask(4 + 7), 1244U); // output 7 at 1230 + 2 x 7
    EXPECT_EQ(rec::firCount(4), 432U + 32U);
}

TEST(FactoryDefault, NewModelHoldsIt)
{
    LUnitControl model;
    EXPECT_EQ(model.record(), qx::kFactoryDefaultRecord);
    model.record()[100] = 7;
    model.LoadFactoryDefault();
    EXPECT_EQ(model.record(), qx::kFactoryDefaultRecord);
}

} // namespace
