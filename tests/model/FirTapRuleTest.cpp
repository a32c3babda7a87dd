// The taps each channel's FIR occupies of the processor's shared resource,
// as a table over types, modes and counts taken from the record.

#include <gtest/gtest.h>

#include "model/FactoryDefault.h"
#include "model/FirTapRule.h"
#include "model/LUnitControl.h"

namespace {

namespace rec = qx::rec;

TEST(FirTapRule, OutputsByModeAndType)
{
    struct Case
    {
        const char* what;
        int mode, type, taps, expected;
    };
    const Case cases[] = {
        {"IIR: nothing whatever the design", 0, 1, 24, 0},
        {"IIR: nothing for coefficients", 0, 4, 300, 0},
        {"FIR, bypassed", 1, 0, 512, 0},
        {"IIR + FIR, bypassed", 2, 0, 2048, 0},
        {"low-pass, taps selection 0", 1, 1, 0, 256},
        {"high-pass, selection 8", 2, 2, 8, 512},
        {"band-pass, selection 24", 1, 3, 24, 1024},
        {"a selection beyond the list counts as the last", 1, 2, 60000, 1024},
        {"coefficients from a file", 1, 4, 300, 300},
        {"coefficients, count beyond the buffer", 2, 4, 60000, 2048},
        {"a type beyond 4 counts its coefficients", 2, 9, 100, 100},
        {"a mode beyond 2 filters", 5, 4, 10, 10},
        {"a negative mode filters", -1, 1, 0, 256},
    };
    for (const Case& c : cases) {
        qx::OutputFilter filter;
        filter.mode = static_cast<std::int16_t>(c.mode);
        filter.fir.type = static_cast<std::uint8_t>(c.type);
        filter.fir.taps = static_cast<std::uint16_t>(c.taps);
        EXPECT_EQ(qx::outputFirTapsInUse(filter), c.expected) << c.what;

        LUnitControl unit;
        unit.record() = qx::kFactoryDefaultRecord;
        const std::size_t at = rec::outputFilter(3);
        qx::writeWord(unit.record(), at + rec::kFilterMode, static_cast<unsigned>(c.mode) & 0xFFFFU);
        unit.record()[at + rec::kFilterFirType] = static_cast<std::uint8_t>(c.type);
        qx::writeWord(unit.record(), at + rec::kFilterFirTaps, static_cast<unsigned>(c.taps));
        EXPECT_EQ(qx::firTapsInUse(unit, 7), c.expected) << c.what << " (from the record)";
    }
}

TEST(FirTapRule, InputsByBypassAndCount)
{
    struct Case
    {
        const char* what;
        unsigned bypass, taps;
        int expected;
    };
    const Case cases[] = {
        {"active", 0, 2048, 2048},    {"active, 100 taps", 0, 100, 100}, {"bypassed", 1, 2048, 0},
        {"any non-zero bypass word", 0x100, 512, 0}, {"count beyond the buffer", 0, 60000, 2048},
    };
    for (const Case& c : cases) {
        LUnitControl unit;
        unit.record() = qx::kFactoryDefaultRecord;
        qx::writeWord(unit.record(), rec::input(2) + rec::kInFirBypass, c.bypass);
        qx::writeWord(unit.record(), rec::input(2) + rec::kInFirTapCount, c.taps);
        EXPECT_EQ(qx::firTapsInUse(unit, 2), c.expected) << c.what;
    }
    LUnitControl unit;
    EXPECT_EQ(qx::firTapsInUse(unit, -1), 0);
    EXPECT_EQ(qx::firTapsInUse(unit, 12), 0);
}

} // namespace
