#include "ButtonsTestSupport.h"

#include "WindowScreenshot.h"
#include "controls/buttons/rz/RzBmpBtn.h"
#include "controls/buttons/rz/RzBorder.h"
#include "controls/buttons/rz/RzCmboBx.h"
#include "controls/buttons/rz/RzPanel.h"
#include "controls/buttons/rz/RzShapeButton.h"
#include "controls/buttons/vr/VrButtons.h"
#include "platform/gui/LayoutLoader.h"
#include "platform/gui/PropertyRegistry.h"

#include <QImage>

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>

namespace {

const char* const kControls[] = {"TRzPanel", "TRzGroupBox", "TRzLabel", "TRzBorder", "TRzMeter", "TRzBmpButton",
                                 "TRzComboBox", "TRzButton", "TRzShapeButton", "TVrDemoButton", "TVrPowerButton",
                                 "TRzFrameController", "TRzRegIniFile"};

class PublishedDefaultsTest : public testing::TestWithParam<const char*> {};

TEST_P(PublishedDefaultsTest, AFreshControlHoldsEveryRegisteredDefault)
{
    const qx::ClassInfo* info = qx::ClassRegistry::instance().find(GetParam());
    ASSERT_NE(info, nullptr);
    ASSERT_TRUE(info->create);
    std::unique_ptr<TComponent> control(info->create(nullptr));
    int checked = 0;
    for (const qx::PropertyInfo* p : info->properties()) {
        if (!p->defaultValue || !p->get || !p->stored)
            continue;
        if (p->name == "Visible" || p->name == "ParentFont" || p->name == "ParentShowHint")
            continue; // the core's own defaults, which a control without a parent does not show
        EXPECT_EQ(qx::toText(p->get(*control)), qx::toText(*p->defaultValue)) << GetParam() << "." << p->name;
        ++checked;
    }
    EXPECT_GT(checked, 5);
}

INSTANTIATE_TEST_SUITE_P(Controls, PublishedDefaultsTest, testing::ValuesIn(kControls));

struct Published
{
    const char* className;
    std::vector<const char*> names;
};

void PrintTo(const Published& p, std::ostream* os) { *os << p.className; }

class PublishedNamesTest : public testing::TestWithParam<Published> {};

TEST_P(PublishedNamesTest, EveryPropertyTheLayoutsUseIsPublished)
{
    const qx::ClassInfo* info = qx::ClassRegistry::instance().find(GetParam().className);
    ASSERT_NE(info, nullptr);
    std::unique_ptr<TComponent> control(info->create(nullptr));
    for (const char* name : GetParam().names)
        EXPECT_NO_THROW(qx::resolvePropertyPath(*control, name)) << GetParam().className << "." << name;
}

INSTANTIATE_TEST_SUITE_P(
    Controls, PublishedNamesTest,
    testing::Values(
        Published{"TRzGroupBox", {"GroupStyle", "Transparent", "Color", "BorderOuter", "BannerHeight", "CaptionFont.Name",
                                  "VisualStyle", "GradientColorStyle", "OnPaint", "Caption", "Tag"}},
        Published{"TRzPanel", {"BorderOuter", "Transparent", "ShowGrid", "GridXSize", "WordWrap", "AlignmentVertical"}},
        Published{"TRzMeter", {"Direction", "Min", "Max", "Value", "Seg1Count", "Seg3Color", "SegOffColor", "SegSpacing",
                               "BorderOuter", "BorderColor", "BrushStyle", "MeterType", "MeterShape", "TrapezoidMin"}},
        Published{"TRzBmpButton", {"Bitmaps", "Bitmaps.Up", "Bitmaps.TransparentColor", "GroupIndex", "AllowAllUp",
                                   "Down", "ButtonSize", "ShowFocus", "ModalResult", "Caption", "OnClick"}},
        Published{"TRzComboBox", {"Style", "Items", "ItemIndex", "FlatButtons", "Color", "OnChange", "OnMouseWheel",
                                  "ReadOnly", "Values"}},
        Published{"TRzButton", {"ThemeAware", "Color", "GroupIndex", "Down", "ModalResult", "HotTrack"}},
        Published{"TRzLabel", {"Angle", "Blinking", "TextStyle", "Rotation", "Transparent", "Alignment", "AutoSize"}},
        Published{"TRzShapeButton", {"Bitmap", "BevelWidth", "BorderStyle", "CaptionPosition", "CaptionX", "CaptionY"}},
        Published{"TVrPowerButton", {"Active", "LedWidth", "Palette", "Palette.Low", "Palette.High", "BevelWidth",
                                     "OutlineWidth", "OnClick"}},
        Published{"TVrDemoButton", {"FontEnter.Name", "FontLeave.Color", "BevelWidth", "Font3D", "Font3D.Style", "Flat"}}));

std::string readData(const std::string& name)
{
    std::ifstream in(std::string(QX_TEST_DATA_DIR) + "/" + name, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST(ButtonsLayout, LoadsEveryControlWithItsProperties)
{
    TForm form(nullptr);
    qx::loadLayoutText(form, readData("AllButtons.layout"), "AllButtons.layout");
    auto* page = qx::findComponent<TRzBmpButton>(form, "rzbPage");
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->Bitmaps()->TransparentColor(), clTeal);
    EXPECT_EQ(page->Bitmaps()->Up().Width(), 80);
    EXPECT_EQ(page->Width(), 80) << "stretched pictures leave the button's size";
    auto* meter = qx::findComponent<TRzMeter>(form, "rzmGrCompOut1");
    ASSERT_NE(meter, nullptr);
    EXPECT_EQ(meter->Value(), 4);
    EXPECT_EQ(meter->Max(), 9);
    auto* combo = qx::findComponent<TRzComboBox>(form, "cbxSlope");
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->ItemIndex(), 1);
    auto* power = qx::findComponent<TVrPowerButton>(form, "vrbEqShowAllInA");
    ASSERT_NE(power, nullptr);
    EXPECT_EQ(power->Palette()->High(), clYellow);
    const TBitmap meterPicture = qx::test::render(*meter);
    EXPECT_EQ(qx::test::pixel(meterPicture, 6, 23 * 3 + 5), clRed);
    EXPECT_EQ(qx::test::pixel(meterPicture, 6, 23 * 4 + 5), clMaroon);
}

TEST(ButtonsLayout, AnUnknownPictureIsALoadError)
{
    TForm form(nullptr);
    const std::string text = "object f: TForm\n  object b: TRzBmpButton\n    Bitmaps.Up = \"no-such.png\"\n  end\nend\n";
    EXPECT_THROW(qx::loadLayoutText(form, text, "bad.layout"), std::exception);
}

TEST(ButtonsLayout, RendersThroughTheScreenshotTool)
{
    const QImage image = qx::WindowScreenshot::render("TForm", std::string(QX_TEST_DATA_DIR) + "/AllButtons.layout");
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(480, 320));
    EXPECT_EQ(QColor(image.pixel(470, 310)), QColor(Qt::white)) << "the form";
    EXPECT_EQ(QColor(image.pixel(12, 12)), QColor(0x36, 0x35, 0x3A)) << "the opaque strip, 3814710";
}

} // namespace

namespace {

TEST(ButtonsLayout, ShapeButtonsGenerateTheirImagesOnceLoaded)
{
    TForm form(nullptr);
    qx::loadLayoutText(form, readData("AllButtons.layout"), "AllButtons.layout");
    auto* shape = qx::findComponent<TRzShapeButton>(form, "shpTitle");
    ASSERT_NE(shape, nullptr);
    EXPECT_EQ(shape->Width(), 84);
    EXPECT_FALSE(shape->BitmapUp().Empty());
    const TBitmap b = qx::test::render(*shape);
    EXPECT_NE(qx::test::pixel(b, 40, 15), clFuchsia);
}

} // namespace
