#include "CommaLocale.h"

#include "platform/text/CNumberReader.h"
#include "platform/text/FloatFormat.h"
#include "platform/text/Format.h"
#include "platform/text/NumberText.h"

#include <gtest/gtest.h>

namespace {

// Number reading and writing keep "." whatever the process locale says.
TEST(CommaLocale, NumbersKeepTheDecimalPoint)
{
    const CommaLocale locale;
    if (!locale.Failure().empty())
        GTEST_SKIP() << locale.Failure();

    EXPECT_EQ(qx::CLocaleAtof("1.5"), 1.5);
    EXPECT_EQ(qx::CLocaleAtof("1,5"), 1.0);
    EXPECT_EQ(StrToFloat("2.25"), 2.25);
    EXPECT_EQ(Format("%4.2fKHz", 1.5), "1.50KHz");
    EXPECT_EQ(Format("%g", 0.5), "0.5");
    EXPECT_EQ(FloatToStr(0.5), "0.5");
    EXPECT_EQ(FormatFloat("#,#0.00", 98765.4), "98,765.40");
}

}  // namespace
