// The platform control layer: the internal timer, image exports and painting into another
// canvas.

#include "PlotTestComponent.h"
#include "TempDir.h"

#include "platform/gui/Messages.h"
#include "platform/gui/Panel.h"
#include "platform/gui/Timer.h"
#include "platform/gui/canvas/Bitmap.h"
#include "platform/sync/Clock.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

namespace {

TEST(VCLComponentTimer, FirstDelayThenRepeatInterval)
{
    qx::ManualClock clock(10'000);
    qx::setTimerClock(clock);
    {
        struct Case { int first, interval; std::vector<int> tickTimes; };
        const Case cases[] = {
            {0, 0, {}},
            {0, 500, {500, 1000, 1500}},
            {1000, 250, {1000, 1250, 1500}},
        };
        for (const Case& c : cases) {
            TTestVCLComponent control(nullptr);
            std::vector<int> ticks;
            int now = 0;
            control.OnInternalTimer = [&](TObject*) { ticks.push_back(now); };
            control.StartInternalTimer(c.first, c.interval);
            EXPECT_EQ(control.InternalTimerActive(), !c.tickTimes.empty());
            if (control.InternalTimerActive())
                control.StartInternalTimer(10, 10); // a running timer is left alone
            for (now = 50; now <= 1500; now += 50) {
                clock.advance(50);
                qx::fireDueTimers();
            }
            EXPECT_EQ(ticks, c.tickTimes) << c.first << "/" << c.interval;
            control.StopInternalTimer();
            EXPECT_FALSE(control.InternalTimerActive());
        }
    }
    qx::setTimerClock(qx::Clock::system());
}

TEST(VCLComponentExport, CompressionRangesAndThePngSignature)
{
    qx::test::TempDir dir;
    TTestVCLComponent control(nullptr);
    control.SetBounds(0, 0, 30, 20);
    struct Case { std::function<void()> call; const char* message; };
    const Case cases[] = {
        {[&] { control.SaveImageToJPEG((dir / "a.jpg").string(), 0, false); }, "Compression must be in the range of 1-100"},
        {[&] { control.SaveImageToJPEG((dir / "a.jpg").string(), 101, true); }, "Compression must be in the range of 1-100"},
        {[&] { control.SaveImageToPNG((dir / "a.png").string(), 10); }, "Compression must be in the range of 0-9"},
        {[&] { control.GetBytesPNG(-1); }, "Compression must be in the range of 0-9"},
    };
    for (const Case& c : cases) {
        try {
            c.call();
            ADD_FAILURE() << "no error for " << c.message;
        } catch (const EiPlotError& e) {
            EXPECT_STREQ(e.what(), c.message);
        }
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "a.jpg"));
    EXPECT_FALSE(std::filesystem::exists(dir / "a.png"));
    control.SaveImageToPNG((dir / "b.png").string(), 0);
    EXPECT_GT(std::filesystem::file_size(dir / "b.png"), 8u);
    const auto png = control.GetBytesPNG(9);
    ASSERT_GE(png.size(), 8u);
    EXPECT_EQ(std::vector<std::uint8_t>(png.begin(), png.begin() + 8),
              (std::vector<std::uint8_t>{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A}));
    const auto jpeg = control.GetBytesJPEG(80, false);
    ASSERT_GE(jpeg.size(), 2u);
    EXPECT_EQ(jpeg[0], 0xFF);
    EXPECT_EQ(jpeg[1], 0xD8);
}

TEST(VCLComponentPaintTo, TransparentPaintingLeavesTheCanvasBackgroundVisible)
{
    TTestVCLComponent control(nullptr);
    control.SetBounds(0, 0, 10, 10);
    control.SetBackGroundColor(clBlue);
    control.draw = [](TCanvas& c) { c.SetPixel(5, 5, clRed); };
    for (bool transparent : {false, true}) {
        TBitmap target(40, 40);
        target.Canvas().Brush().Color = clLime;
        target.Canvas().FillRect({0, 0, 40, 40});
        control.iPaintToCanvas(20, 20, transparent, target.Canvas());
        EXPECT_EQ(target.Canvas().Pixel(25, 25), clRed) << transparent;
        EXPECT_EQ(target.Canvas().Pixel(22, 22), transparent ? clLime : clBlue) << transparent;
        EXPECT_EQ(target.Canvas().Pixel(35, 35), clLime) << "outside the control";
    }
}

} // namespace

namespace {

TEST(VCLComponentMessages, KeysFocusColourSizeAndWheelReachTheHooks)
{
    TTestVCLComponent control(nullptr);
    EXPECT_TRUE(control.Perform(WM_GETDLGCODE) & DLGC_WANTALLKEYS);
    EXPECT_EQ(control.Perform(WM_ERASEBKGND), 1);
    control.Perform(WM_SETFOCUS);
    EXPECT_TRUE(control.HasFocus());
    control.Perform(WM_KILLFOCUS);
    EXPECT_FALSE(control.HasFocus());

    control.repaints = 0;
    control.SetBounds(1, 2, 30, 40);
    EXPECT_EQ(control.repaints, 1);
    control.SetBounds(1, 2, 30, 40);
    EXPECT_EQ(control.repaints, 1);
    control.Perform(CM_COLORCHANGED);
    EXPECT_EQ(control.repaints, 2);

    bool libraryWheelEvent = false;
    control.OnMouseWheel = [&](TObject*, TShiftState, int, TPoint, bool&) { libraryWheelEvent = true; };
    EXPECT_EQ(control.Perform(WM_MOUSEWHEEL, std::uintptr_t{120} << 16, 0), 1);
    EXPECT_EQ(control.wheels, 1);
    EXPECT_FALSE(libraryWheelEvent);
}

} // namespace

namespace {

TEST(VCLComponentTransparency, ShowsTheParentBeneathAndCapturesAgainAfterAMove)
{
    TPanel parent(nullptr);
    parent.SetBounds(0, 0, 100, 60);
    parent.SetColor(clYellow);
    TTestVCLComponent control(nullptr);
    control.SetParent(&parent);
    control.SetBounds(10, 10, 20, 20);
    control.SetBackGroundColor(clBlue);
    control.draw = [](TCanvas& c) { c.SetPixel(5, 5, clRed); };
    TBitmap shot(20, 20);
    control.PaintTo(shot.Canvas());
    EXPECT_EQ(shot.Canvas().Pixel(1, 1), clBlue);
    control.SetTransparent(true);
    control.PaintTo(shot.Canvas());
    EXPECT_EQ(shot.Canvas().Pixel(1, 1), clYellow);
    EXPECT_EQ(shot.Canvas().Pixel(5, 5), clRed);
    parent.SetColor(clAqua);
    control.PaintTo(shot.Canvas());
    EXPECT_EQ(shot.Canvas().Pixel(1, 1), clYellow) << "the capture is kept until a move";
    control.SetBounds(12, 10, 20, 20);
    control.PaintTo(shot.Canvas());
    EXPECT_EQ(shot.Canvas().Pixel(1, 1), clAqua);
    control.SetTransparent(false);
    control.PaintTo(shot.Canvas());
    EXPECT_EQ(shot.Canvas().Pixel(1, 1), clBlue);
    control.SetParent(nullptr);
}

} // namespace
