#include "ButtonsTestSupport.h"

#include "controls/buttons/rz/RzPanel.h"
#include "controls/buttons/rz/RzPanelDockManager.h"
#include "platform/gui/Application.h"
#include "platform/gui/Messages.h"
#include "platform/gui/PropertyRegistry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

namespace {

using qx::test::pixel;
using qx::test::render;

class PanelTest : public testing::Test, protected qx::test::FormFixture {};

/// A group box the way the editor's band grid extends it: its own window creation and
/// painting on top of the group box's.
class TGridLikeGroupBox : public TRzGroupBox
{
public:
    using TRzGroupBox::TRzGroupBox;
    int created = 0;

protected:
    void CreateWnd() override
    {
        TRzGroupBox::CreateWnd();
        ++created;
    }
    void Paint() override
    {
        TRzGroupBox::Paint();
        Canvas()->SetPixel(1, 1, clLime);
    }
};

TEST_F(PanelTest, ATransparentCustomGroupBoxDrawsNothingAndRaisesOnPaintLast)
{
    auto* box = make<TRzGroupBox>();
    box->SetGroupStyle(gsCustom);
    box->SetTransparent(true);
    box->SetBounds(0, 0, 40, 30);
    int paints = 0;
    box->OnPaint = [&](TObject* sender) {
        EXPECT_EQ(sender, box);
        ++paints;
        box->Canvas()->SetPixel(5, 5, clNavy);
    };
    const TBitmap b = render(*box);
    EXPECT_EQ(paints, 1);
    EXPECT_EQ(pixel(b, 0, 0), clFuchsia);
    EXPECT_EQ(pixel(b, 39, 29), clFuchsia);
    EXPECT_EQ(pixel(b, 5, 5), clNavy) << "OnPaint draws after the group box";
}

TEST_F(PanelTest, AnOpaqueCustomGroupBoxFillsItsClientAreaWithItsColour)
{
    auto* box = make<TRzGroupBox>();
    box->SetGroupStyle(gsCustom);
    box->SetColor(3814710);
    box->SetBounds(0, 0, 40, 30);
    const TBitmap b = render(*box);
    EXPECT_EQ(pixel(b, 0, 0), TColor{3814710});
    EXPECT_EQ(pixel(b, 39, 29), TColor{3814710});
}

TEST_F(PanelTest, AFlatGroupBoxDrawsItsFrameWithCutCorners)
{
    auto* box = make<TRzGroupBox>();
    box->SetBounds(0, 0, 60, 40);
    const TBitmap b = render(*box);
    const TColor frame = ColorAdjustedBy(clBtnShadow, 30);
    EXPECT_EQ(pixel(b, 0, 37), frame) << "left line";
    EXPECT_EQ(pixel(b, 59, 37), frame) << "right line";
    EXPECT_EQ(pixel(b, 30, 39), frame) << "bottom line";
    EXPECT_EQ(pixel(b, 1, 38), frame) << "corner dot";
    EXPECT_EQ(pixel(b, 0, 39), ColorToRGB(clBtnFace)) << "cut corner";
}

TEST_F(PanelTest, SubclassesHookWindowCreationOnceAndPaintAfterTheGroupBox)
{
    auto* grid = new TGridLikeGroupBox(form.get());
    EXPECT_EQ(grid->created, 0);
    grid->SetParent(form.get());
    EXPECT_EQ(grid->created, 1);
    auto* panel = make<TRzPanel>();
    grid->SetParent(panel);
    grid->HandleNeeded();
    EXPECT_EQ(grid->created, 1) << "the window is created once";
    grid->SetGroupStyle(gsCustom);
    grid->SetTransparent(true);
    const TBitmap b = render(*grid);
    EXPECT_EQ(pixel(b, 1, 1), clLime);
}

TEST_F(PanelTest, DisablingAndEnablingRestoresTheChildrensOwnStates)
{
    auto* box = make<TRzGroupBox>();
    auto* first = make<TRzPanel>(box);
    auto* second = make<TRzPanel>(box);
    auto* third = make<TRzGroupBox>(box);
    second->SetEnabled(false);
    box->SetEnabled(false);
    EXPECT_FALSE(first->Enabled());
    EXPECT_FALSE(third->Enabled());
    box->SetEnabled(true);
    EXPECT_TRUE(first->Enabled());
    EXPECT_FALSE(second->Enabled()) << "it was disabled before";
    EXPECT_TRUE(third->Enabled());
}

TEST_F(PanelTest, ABottomAlignedPanelKeepsItsBottomEdge)
{
    auto* panel = make<TRzPanel>();
    panel->SetAlign(alBottom);
    const int bottom = panel->Top() + panel->Height();
    panel->SetHeight(20);
    EXPECT_EQ(panel->Top() + panel->Height(), bottom);
}

TEST_F(PanelTest, PanelBordersGridAndCaption)
{
    auto* panel = make<TRzPanel>();
    panel->SetBounds(0, 0, 40, 30);
    const TBitmap raised = render(*panel);
    EXPECT_EQ(pixel(raised, 0, 0), ColorToRGB(cl3DLight));
    EXPECT_EQ(pixel(raised, 39, 29), ColorToRGB(cl3DDkShadow));
    EXPECT_EQ(pixel(raised, 20, 15), ColorToRGB(clBtnFace));

    panel->SetBorderOuter(fsNone);
    panel->SetShowGrid(true);
    panel->SetGridColor(clRed);
    const TBitmap grid = render(*panel);
    EXPECT_EQ(pixel(grid, 7, 7), clRed);
    EXPECT_EQ(pixel(grid, 15, 23), clRed);
    EXPECT_EQ(pixel(grid, 8, 7), ColorToRGB(clBtnFace));
    panel->SetGridXSize(0);
    const TBitmap none = render(*panel);
    EXPECT_EQ(pixel(none, 7, 7), ColorToRGB(clBtnFace)) << "a zero grid size draws no grid";

    panel->SetShowGrid(false);
    panel->SetCaption("MMMM");
    TFont font = panel->Font();
    font.Color = clBlack;
    panel->SetFont(font);
    const TBitmap caption = render(*panel);
    int dark = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            dark += GetGValue(pixel(caption, x, y)) < 128 ? 1 : 0;
    EXPECT_GT(dark, 0) << "the caption is drawn";
}

TEST_F(PanelTest, OldPropertyNamesAreAcceptedWhenReading)
{
    auto* panel = make<TRzPanel>();
    qx::setProperty(*panel, "UseGradients", qx::PropertyValue(true), true);
    EXPECT_EQ(panel->VisualStyle(), vsGradient);
    qx::setProperty(*panel, "ThemeAware", qx::PropertyValue(false), true);
    qx::setProperty(*panel, "FrameSides", qx::IdentSet{{"sdLeft"}}, true);
    EXPECT_EQ(panel->BorderSides(), kAllSides) << "read and ignored";
}

} // namespace

namespace {

TEST_F(PanelTest, AlignedChildrenStayInsideTheBordersAndTheCaptionBand)
{
    auto* panel = make<TRzPanel>();
    panel->SetBounds(0, 0, 100, 80);
    auto* inside = make<TRzPanel>(panel);
    inside->SetAlign(alClient);
    EXPECT_EQ(inside->BoundsRect(), (TRect{2, 2, 98, 78})) << "inside the raised border";
    panel->SetBorderOuter(fsNone);
    EXPECT_EQ(inside->BoundsRect(), (TRect{0, 0, 100, 80}));

    auto* box = make<TRzGroupBox>();
    box->SetBounds(0, 0, 100, 80);
    box->SetGroupStyle(gsCustom);
    auto* child = make<TRzPanel>(box);
    child->SetAlign(alClient);
    EXPECT_EQ(child->BoundsRect(), (TRect{2, 2, 98, 78})) << "custom style: 2 pixels in";
    box->SetCaption("Title");
    box->Realign();
    EXPECT_GT(child->Top(), 2) << "and below the caption";
}

} // namespace

namespace {

// ---- docking

TEST_F(PanelTest, ADockSiteMakesItsDockManagerAndAskingForItBuffersThePanel)
{
    auto* panel = make<TRzPanel>();
    EXPECT_TRUE(panel->UseDockManager()) << "a panel's default";
    EXPECT_EQ(panel->DockManager(), nullptr);
    EXPECT_FALSE(panel->DoubleBuffered());
    panel->SetDockSite(true);
    TDockTree* manager = panel->DockManager();
    ASSERT_NE(dynamic_cast<TRzPanelDockManager*>(manager), nullptr);
    EXPECT_TRUE(panel->DoubleBuffered());
    const auto& rz = static_cast<TRzPanelDockManager&>(*manager);
    EXPECT_EQ(rz.Font().Name, "Verdana");
    EXPECT_EQ(rz.Font().Size(), 8);
    EXPECT_EQ(rz.CloseFont().Name, "Marlett");
    panel->SetUseDockManager(false);
    EXPECT_EQ(panel->DockManager(), nullptr);
    panel->SetUseDockManager(true);
    EXPECT_NE(panel->DockManager(), nullptr);
}

TEST_F(PanelTest, DockedControlsLieUnderTheirGrabberOrBesideItInAStrip)
{
    auto* panel = make<TRzPanel>();
    panel->SetBorderOuter(fsNone);
    panel->SetBounds(0, 0, 200, 100);
    panel->SetDockSite(true);
    auto* first = make<TRzPanel>();
    auto* second = make<TRzPanel>();
    panel->DockManager()->InsertControl(first);
    panel->DockManager()->InsertControl(second);
    EXPECT_EQ(first->Parent(), panel);
    EXPECT_EQ(first->BoundsRect(), (TRect{0, 14, 200, 50})) << "the grabber on top, 14 pixels";
    EXPECT_EQ(second->BoundsRect(), (TRect{0, 64, 200, 100}));

    panel->SetAlign(alTop);
    panel->DockManager()->ResetBounds();
    const int w = panel->Width();
    EXPECT_EQ(first->BoundsRect(), (TRect{14, 0, w / 2, 100})) << "the grabber at the left";

    TRect zone{0, 0, 50, 50};
    panel->DockManager()->AdjustDockRect(first, zone);
    EXPECT_EQ(zone, (TRect{14, 0, 50, 50}));
    panel->DockManager()->RemoveControl(second);
    EXPECT_EQ(first->BoundsRect(), (TRect{14, 0, w, 100})) << "the rest takes the room";
}

// A grabber shows the docked control's caption in the caption colours: the
// active ones for a control without a window of its own or with the focus.
TEST_F(PanelTest, GrabbersCarryTheCaptionInTheCaptionColours)
{
    auto* panel = make<TRzPanel>();
    panel->SetBorderOuter(fsNone);
    panel->SetBounds(0, 0, 200, 80);
    panel->SetDockSite(true);
    auto* client = make<TRzPanel>();
    client->SetCaption("Meters");
    panel->DockManager()->InsertControl(client);
    const auto band = [&] {
        const TBitmap b = render(*panel);
        int active = 0, inactive = 0;
        for (int y = 0; y < 14; ++y)
            for (int x = 0; x < 200; ++x) {
                active += pixel(b, x, y) == ColorToRGB(clActiveCaption) ? 1 : 0;
                inactive += pixel(b, x, y) == ColorToRGB(clInactiveCaption) ? 1 : 0;
            }
        return std::pair{active, inactive};
    };
    EXPECT_GT(band().second, 1000) << "a windowed control without the focus";
    client->SetFocus();
    Application->ProcessMessages();
    ASSERT_TRUE(client->Focused());
    EXPECT_GT(band().first, 1000) << "with the focus";
    panel->SetShowDockClientCaptions(false);
    EXPECT_EQ(band(), (std::pair{0, 0})) << "the plain grabber";
}

// In a strip (a site aligned to the top) the grabber stands at the left of
// the zone: the caption runs upward from its foot with its base line two
// pixels inside the band's right edge, and the close glyph sits in the
// band's top corner.
TEST_F(PanelTest, AStripsGrabberCarriesTheCaptionUpwardAndTheCloseGlyphOnTop)
{
    auto* panel = make<TRzPanel>();
    panel->SetBorderOuter(fsNone);
    panel->SetAlign(alTop);
    panel->SetHeight(120);
    panel->SetDockSite(true);
    auto* client = make<TRzPanel>();
    client->SetCaption("Meters");
    panel->DockManager()->InsertControl(client);
    const TBitmap b = render(*panel);
    const TColor band = ColorToRGB(clInactiveCaption);
    int left = 99, right = -1, top = 999, bottom = -1, inkBeside = 0;
    for (int y = 14; y < 120; ++y) {
        for (int x = 0; x < 14; ++x) {
            if (pixel(b, x, y) == band)
                continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
        for (int x = 14; x < 40; ++x)
            inkBeside += pixel(b, x, y) == ColorToRGB(clCaptionText) ? 1 : 0;
    }
    ASSERT_GE(right, 0) << "a caption in the band";
    EXPECT_GT(bottom - top, 2 * (right - left)) << "the caption runs upward";
    EXPECT_LE(right, 12) << "its base line two pixels inside the band's right edge";
    EXPECT_GE(right, 10) << "the letters stand on the base line";
    EXPECT_GE(left, 2) << "the letters' height to the left of it";
    EXPECT_GE(bottom, 120 - 3 - 3) << "it starts at the band's foot";
    EXPECT_LE(bottom, 120 - 3);
    EXPECT_EQ(inkBeside, 0) << "nothing drawn beside the band";
    int edge = 0;
    for (int y = 0; y < 120; ++y)
        edge += pixel(b, 0, y) == band ? 1 : 0;
    EXPECT_EQ(edge, 120) << "the band in the caption colour down the whole zone";
    int glyph = 0;
    for (int y = 1; y < 12; ++y)
        for (int x = 1; x < 12; ++x)
            glyph += pixel(b, x, y) != band ? 1 : 0;
    EXPECT_GT(glyph, 0) << "the close glyph";
}

TEST_F(PanelTest, TheDockManagerRepaintsThePanelOnCommandsAndMouseActivation)
{
    auto* panel = make<TRzPanel>();
    panel->SetBounds(0, 0, 60, 40);
    Application->ProcessMessages();
    int paints = 0;
    panel->OnPaint = [&](TObject*) { ++paints; };
    const auto paintsAfter = [&](unsigned message) {
        paints = 0;
        panel->Perform(message);
        Application->ProcessMessages();
        return paints;
    };
    EXPECT_EQ(paintsAfter(WM_COMMAND), 0) << "no dock manager: no hook";
    panel->SetDockSite(true);
    EXPECT_GT(paintsAfter(WM_COMMAND), 0);
    EXPECT_GT(paintsAfter(WM_MOUSEACTIVATE), 0);
    EXPECT_EQ(paintsAfter(WM_USER), 0);
    panel->SetDockSite(false);
    EXPECT_EQ(paintsAfter(WM_COMMAND), 0) << "the hook goes with the manager";
}

} // namespace
