// Property text lines with prefixes, exclusions, defaults and nested objects, and the round
// trip of every kind of published property through them.

#include "PlotTestComponent.h"

#include "controls/plot/base/iPropertyText.h"
#include "platform/text/EConvertError.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

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

using Plot = TTestPlotComponent;

TFont withFont(const Plot& control, const std::function<void(TFont&)>& change)
{
    TFont font = control.Font();
    change(font);
    return font;
}

TEST(PropertyText, EveryKindOfPublishedPropertyComesBackAsItWasSaved)
{
    // Each case gives a control a value other than the default, saves all its properties
    // as text, loads the text into a fresh control and compares.
    struct Case
    {
        const char* what;
        std::function<void(Plot&)> set;
        std::function<bool(const Plot&, const Plot&)> same;
    };
    const std::string longText = std::string(400, 'y') + "\xE2\x82\xAC end"; // past 255 characters, a euro sign
    const Case cases[] = {
        {"Boolean", [](Plot& c) { c.SetAutoFrameRate(true); },
         [](const Plot& a, const Plot& b) { return a.AutoFrameRate() == b.AutoFrameRate(); }},
        {"Integer, the smallest", [](Plot& c) { c.SetCount(INT32_MIN); },
         [](const Plot& a, const Plot& b) { return a.Count() == b.Count(); }},
        {"Integer, the largest", [](Plot& c) { c.SetCount(INT32_MAX); },
         [](const Plot& a, const Plot& b) { return a.Count() == b.Count(); }},
        {"Integer, zero", [](Plot& c) { c.SetCount(0); }, [](const Plot& a, const Plot& b) { return a.Count() == b.Count(); }},
        {"Float, a fraction", [](Plot& c) { c.SetRatio(0.1); }, [](const Plot& a, const Plot& b) { return a.Ratio() == b.Ratio(); }},
        {"Float, negative and tiny", [](Plot& c) { c.SetRatio(-1.5e-7); },
         [](const Plot& a, const Plot& b) { return a.Ratio() == b.Ratio(); }},
        {"Float, huge", [](Plot& c) { c.SetRatio(1e300); }, [](const Plot& a, const Plot& b) { return a.Ratio() == b.Ratio(); }},
        {"Float, fifteen digits", [](Plot& c) { c.SetRatio(12345.6789012345); },
         [](const Plot& a, const Plot& b) { return a.Ratio() == b.Ratio(); }},
        {"String with line breaks", [](Plot& c) { c.SetCaption2("A\r\nB\rC\nD"); },
         [](const Plot& a, const Plot& b) { return a.Caption2() == b.Caption2(); }},
        {"String, long and UTF-8", [&](Plot& c) { c.SetCaption2(longText); },
         [](const Plot& a, const Plot& b) { return a.Caption2() == b.Caption2(); }},
        {"String with = and #", [](Plot& c) { c.SetCaption2("a = b #1 #12 c"); },
         [](const Plot& a, const Plot& b) { return a.Caption2() == b.Caption2(); }},
        {"Enumeration, the first", [](Plot& c) { c.SetShape(tsCircle); },
         [](const Plot& a, const Plot& b) { return a.Shape() == b.Shape(); }},
        {"Enumeration, the last", [](Plot& c) { c.SetShape(tsTriangle); },
         [](const Plot& a, const Plot& b) { return a.Shape() == b.Shape(); }},
        {"Set, empty", [](Plot& c) { c.SetOptions({}); }, [](const Plot& a, const Plot& b) { return a.Options() == b.Options(); }},
        {"Set, two members", [](Plot& c) { c.SetOptions({toFirst, toThird}); },
         [](const Plot& a, const Plot& b) { return a.Options() == b.Options(); }},
        {"Colour, plain", [](Plot& c) { c.SetBackGroundColor(0x123456); },
         [](const Plot& a, const Plot& b) { return a.BackGroundColor() == b.BackGroundColor(); }},
        {"Colour, a system colour", [](Plot& c) { c.SetBackGroundColor(clWindow); },
         [](const Plot& a, const Plot& b) { return a.BackGroundColor() == b.BackGroundColor(); }},
        {"Colour, none", [](Plot& c) { c.SetBackGroundColor(clNone); },
         [](const Plot& a, const Plot& b) { return a.BackGroundColor() == b.BackGroundColor(); }},
        {"Font", [](Plot& c) {
             c.SetFont(withFont(c, [](TFont& f) {
                 f.Name = "DejaVu Serif";
                 f.SetHeight(-13);
                 f.Color = clMaroon;
                 f.Style = fsBold | fsItalic;
             }));
         },
         [](const Plot& a, const Plot& b) {
             return a.Font().Name == b.Font().Name && a.Font().Height() == b.Font().Height()
                    && a.Font().Color == b.Font().Color && a.Font().Style == b.Font().Style;
         }},
        {"Nested object", [](Plot& c) { c.Inner()->SetSize(42); },
         [](const Plot& a, const Plot& b) { return const_cast<Plot&>(a).Inner()->Size() == const_cast<Plot&>(b).Inner()->Size(); }},
    };
    for (const Case& c : cases) {
        Plot source(nullptr), fresh(nullptr), loaded(nullptr);
        c.set(source);
        ASSERT_FALSE(c.same(source, fresh)) << c.what << ": the value must differ from the default";
        std::vector<std::string> lines;
        qx::plot::SavePropertiesAsText(source, "", lines, nullptr, false);
        for (const std::string& line : lines)
            EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << c.what << ": one line per property";
        qx::plot::LoadPropertiesFromText(loaded, "", lines);
        EXPECT_TRUE(lines.empty()) << c.what;
        EXPECT_TRUE(c.same(source, loaded)) << c.what;
    }
}

} // namespace
