// Property text lines with prefixes, exclusions, defaults and nested objects.

#include "PlotTestComponent.h"

#include "controls/plot/base/iPropertyText.h"
#include "platform/text/EConvertError.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

bool has(const std::vector<std::string>& lines, const std::string& line)
{
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(PropertyText, PrefixesNestedObjectsDefaultsAndExclusions)
{
    TTestPlotComponent control(nullptr);
    control.Inner()->SetSize(5);
    TFont font = control.Font();
    font.SetHeight(-11);
    control.SetFont(font);
    std::vector<std::string> lines;
    const std::vector<std::string> exclude{"plot.caption2"};
    qx::plot::SavePropertiesAsText(control, "Plot", lines, &exclude, true);
    EXPECT_TRUE(has(lines, "Plot.Inner.Size = 5"));
    EXPECT_TRUE(has(lines, "Plot.Font.Height = -11"));
    EXPECT_TRUE(has(lines, "Plot.Ratio = 0.5"));
    EXPECT_FALSE(has(lines, "Plot.Count = 3")); // the default, skipped
    EXPECT_FALSE(std::any_of(lines.begin(), lines.end(), [](const std::string& l) { return l.rfind("Plot.Caption2", 0) == 0; }));

    TTestPlotComponent other(nullptr);
    std::vector<std::string> load{"Plot.Inner.Size = 9", "plot.count = 4", "Other.Count = 8", "Plot.Count = 6"};
    qx::plot::LoadPropertiesFromText(other, "Plot", load);
    EXPECT_EQ(other.Inner()->Size(), 9);
    EXPECT_EQ(other.Count(), 4);
    EXPECT_EQ(load, (std::vector<std::string>{"Other.Count = 8", "Plot.Count = 6"}));

    std::vector<std::string> bad{"Count = x1", "Count = 2"};
    EXPECT_THROW(qx::plot::LoadPropertiesFromText(other, "", bad), EConvertError);
    EXPECT_EQ(bad.size(), 2u);
    EXPECT_EQ(qx::plot::ClassPropertyObject(other, "inner"), other.Inner());
    EXPECT_EQ(qx::plot::ClassPropertyObject(other, "Count"), nullptr);
}

TEST(PropertyText, NameValueSplittingAndTaking)
{
    std::string name, value;
    EXPECT_TRUE(qx::plot::SplitNameValue("  a.b =  c = d ", '=', name, value));
    EXPECT_EQ(name, "a.b");
    EXPECT_EQ(value, "c = d");
    EXPECT_FALSE(qx::plot::SplitNameValue("no separator", '=', name, value));
    EXPECT_EQ(name, "");
    std::vector<std::string> lines{"X = 1", "Width = 20", "width = 30"};
    EXPECT_TRUE(qx::plot::TakeValueByName("WIDTH", value, lines));
    EXPECT_EQ(value, "20");
    EXPECT_EQ(lines, (std::vector<std::string>{"X = 1", "width = 30"}));
    EXPECT_FALSE(qx::plot::TakeValueByName("Height", value, lines));
}

} // namespace
