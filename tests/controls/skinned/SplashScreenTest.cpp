// The splash screen: its window's life (shown at Loaded, closed by the main form's first
// showing, the close timer or Hide, hidden before the component is destroyed), the list lines'
// placement, the content painted, and the splash progress bar's geometry, values and format
// patterns.

#include "PumpUntil.h"
#include "controls/skinned/AdvSmoothSplashScreen.h"
#include "controls/skinned/SplashPainters.h"
#include "platform/gui/Application.h"
#include "platform/gui/Screen.h"
#include "platform/gui/canvas/Bitmap.h"
#include "platform/gui/canvas/Canvas.h"
#include "platform/image/PngCodec.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// A main form with an OnShow handler of its own, so its hand-back can be seen.
struct MainForm
{
    MainForm() : form(qx::newForm<TForm>(nullptr))
    {
        form->SetBounds(0, 0, 300, 200);
        form->OnShow = [this](TObject*) { ++ownShows; };
    }
    ~MainForm() { delete form; }
    TForm* form;
    int ownShows = 0;
};

TEST(SplashScreen, LoadedShowsItAndTheMainFormsFirstShowingClosesIt)
{
    MainForm main;
    auto* splash = new TAdvSmoothSplashScreen(main.form);
    splash->SetDisplayStyle(dsNormal);
    splash->SetWidth(600);
    splash->SetHeight(360);
    int closes = 0;
    splash->OnClose = [&](TObject*) { ++closes; };
    splash->BeginLoading();
    splash->Loaded();
    ASSERT_TRUE(splash->Showing());
    ASSERT_NE(splash->SplashWindow(), nullptr);
    EXPECT_TRUE(splash->SplashWindow()->Visible());
    EXPECT_EQ(splash->SplashWindow()->Width(), 600);
    EXPECT_EQ(splash->SplashWindow()->Height(), 360);
    EXPECT_EQ(splash->SplashWindow()->BorderStyle(), bsNone);
    EXPECT_EQ(splash->MainForm(), main.form);

    splash->Show(); // showing already: nothing happens
    main.form->Show();
    EXPECT_FALSE(splash->Showing());
    EXPECT_EQ(splash->SplashWindow(), nullptr);
    EXPECT_EQ(closes, 1);
    EXPECT_EQ(main.ownShows, 1); // the previous handler ran once
    main.form->Hide();
    main.form->Show();
    EXPECT_EQ(main.ownShows, 2); // and is the form's own handler again
    EXPECT_EQ(closes, 1);
    splash->Hide(); // not showing: no OnClose
    EXPECT_EQ(closes, 1);
}

// Destroying a splash that is still shown hides its window first and gives the main form its
// handler back, so nothing is left calling into the freed component.
TEST(SplashScreen, DestroyingAShownSplashHidesItsWindowFirst)
{
    MainForm main;
    auto* splash = new TAdvSmoothSplashScreen(main.form);
    splash->SetDisplayStyle(dsNormal);
    splash->AddListItem()->SetHTMLText("Loading");
    splash->Show();
    ASSERT_TRUE(splash->Showing());
    delete splash;
    main.form->Show(); // would call the freed splash if its handler were still installed
    EXPECT_EQ(main.ownShows, 1);
    qx::test::pumpUntil([] { return true; });
}

// At the program's end the application may free the window before the component.
TEST(SplashScreen, AWindowFreedByItsOwnerIsForgotten)
{
    MainForm main;
    auto* splash = new TAdvSmoothSplashScreen(main.form);
    splash->SetDisplayStyle(dsNormal);
    splash->Show();
    ASSERT_NE(splash->SplashWindow(), nullptr);
    delete splash->SplashWindow();
    EXPECT_FALSE(splash->Showing());
    EXPECT_EQ(splash->SplashWindow(), nullptr);
    main.form->Show();
    EXPECT_EQ(main.ownShows, 1);
    delete splash;
}

// FocusParentForm is kept for layouts, but no click is injected into the desktop when the
// splash closes: the pointer stays where it was.
TEST(SplashScreen, FocusParentFormInjectsNoClick)
{
    MainForm main;
    auto* splash = new TAdvSmoothSplashScreen(main.form);
    splash->SetDisplayStyle(dsNormal);
    splash->FocusParentForm = true;
    TPoint before{-1, -1};
    GetCursorPos(&before);
    splash->Show();
    main.form->Show();
    EXPECT_TRUE(qx::test::pumpUntil([] { return true; }));
    TPoint after{-2, -2};
    GetCursorPos(&after);
    EXPECT_EQ(after.X, before.X);
    EXPECT_EQ(after.Y, before.Y);
    EXPECT_FALSE(splash->Showing());
    delete splash;
}

TEST(SplashScreen, CloseTimerClosesItWithoutTheMainForm)
{
    MainForm main;
    auto* splash = new TAdvSmoothSplashScreen(main.form);
    splash->SetDisplayStyle(dsNormal);
    splash->SetCloseOnTimeout(true);
    splash->SetTimeOut(100);
    splash->Show();
    ASSERT_TRUE(splash->Showing());
    EXPECT_TRUE(qx::test::pumpUntil([&] { return !splash->Showing(); }, "the close timer"));
    main.form->Show();
    EXPECT_EQ(main.ownShows, 1);
}

TEST(SplashScreen, WindowTakesTheFillPicturesSizeWithItsBorder)
{
    qx::Image pixels(100, 50);
    pixels.hasAlpha = true;
    const qx::Bytes png = qx::encodePng(pixels, 1).bytes;
    for (const auto& [border, width, height] : {std::tuple{1, 102, 52}, std::tuple{0, 100, 50}, std::tuple{4, 104, 54}}) {
        TAdvSmoothSplashScreen splash(nullptr);
        splash.SetDisplayStyle(dsNormal);
        splash.Fill().Picture().LoadFromStream(png);
        splash.Fill().SetBorderWidth(border);
        splash.Show();
        ASSERT_NE(splash.SplashWindow(), nullptr);
        EXPECT_EQ(splash.SplashWindow()->Width(), width) << border;
        EXPECT_EQ(splash.SplashWindow()->Height(), height) << border;
    }
}

TEST(SplashListLines, NewestLinesStayVisible)
{
    struct Case
    {
        const char* name;
        std::vector<int> heights;
        int areaHeight;
        int first;
        int firstTop; // where the first drawn line comes out (area top 100)
    };
    const Case cases[] = {
        {"TenLinesInAHundredPixels", std::vector<int>(10, 20), 100, 7, 100},
        {"AllFit", std::vector<int>(3, 20), 100, 0, 100},
        {"OneLineTallerThanTheArea", {300}, 100, 0, 100},
        // The overflow outlasts every line: the last line is drawn, none past it.
        {"LastLineTallerThanTheArea", {10, 10, 500}, 100, 2, 100},
        {"NoLines", {}, 100, 0, 0},
    };
    for (const Case& c : cases) {
        const qx::splash::ListPlacement p =
            qx::splash::PlaceListLines(c.heights, TRect{200, 100, 700, 100 + c.areaHeight}, 8);
        EXPECT_EQ(p.first, c.first) << c.name;
        ASSERT_EQ(p.rects.size(), c.heights.size()) << c.name;
        if (c.heights.empty())
            continue;
        EXPECT_EQ(p.rects[static_cast<std::size_t>(p.first)].Top, c.firstTop) << c.name;
        for (int i = 0; i < p.first; ++i)
            EXPECT_EQ(p.rects[static_cast<std::size_t>(i)].Top, -1) << c.name << " " << i;
        for (std::size_t i = static_cast<std::size_t>(p.first) + 1; i < c.heights.size(); ++i)
            EXPECT_EQ(p.rects[i].Top, p.rects[i - 1].Bottom + 8) << c.name << " " << i;
    }
}

// The program's splash: dark fill, the loading line in white at 18 points from (201, 280).
TEST(SplashPaint, LoadingLineIsWhiteInTheListArea)
{
    TAdvSmoothSplashScreen splash(nullptr);
    splash.SetDisplayStyle(dsNormal);
    splash.SetWidth(600);
    splash.SetHeight(360);
    splash.Fill().SetColor(0x333333);
    splash.Fill().SetColorTo(0x000000);
    splash.Fill().SetBorderColor(clNone);
    TListItemsRect& area = splash.ListItemsSettings().Rect();
    area.SetLeft(200);
    area.SetTop(280);
    area.SetWidth(500);
    area.SetHeight(250);
    TFont html = splash.ListItemsSettings().HTMLFont();
    html.SetHeight(-11);
    splash.ListItemsSettings().SetHTMLFont(html);
    splash.AddListItem()->SetHTMLText("<FONT size=\"18\" color=\"clWhite\">Loading Program....</FONT><br>");
    splash.Show();
    ASSERT_NE(splash.SplashWindow(), nullptr);
    TBitmap bitmap(600, 360);
    bitmap.Canvas().Brush().Color = clBlack;
    bitmap.Canvas().FillRect(TRect{0, 0, 600, 360});
    splash.SplashWindow()->PaintSplash(bitmap.Canvas());
    const auto white = [&](int x, int y) { return GetRValue(ColorToRGB(bitmap.Canvas().Pixel(x, y))) > 200; };
    int left = -1, top = -1, bottom = -1;
    for (int y = 1; y < 359; ++y) // the fill's anti-aliased rim left aside
        for (int x = 1; x < 599; ++x)
            if (white(x, y)) {
                if (left < 0 || x < left)
                    left = x;
                if (top < 0)
                    top = y;
                bottom = y;
            }
    EXPECT_GE(left, 201);
    EXPECT_LE(left, 210); // the text padding and the letter's side bearing
    EXPECT_GE(top, 280);
    EXPECT_LE(top, 290);
    EXPECT_GT(bottom - top, 14); // 18-point letters
    const auto* item = static_cast<const TSplashListItem*>(splash.ListItems().Items(0));
    EXPECT_EQ(item->DisplayRect.Left, 200);
    EXPECT_EQ(item->DisplayRect.Top, 280);
    // The fill runs from 0x333333 at the top to black at the bottom.
    EXPECT_GT(GetRValue(ColorToRGB(bitmap.Canvas().Pixel(5, 5))), GetRValue(ColorToRGB(bitmap.Canvas().Pixel(5, 350))));
}

// --- the progress bar ----------------------------------------------------------------------

TEST(SplashProgress, GeometryOfTheFilledPart)
{
    TGDIPSplashProgress p;
    p.BackGroundFill().SetBorderColor(clNone);
    p.ProgressFill().SetBorderColor(clNone);
    const TRect r{0, 0, 300, 17};
    const auto inner = p.GetInsideRectF(r);
    EXPECT_FLOAT_EQ(inner.Width, 299);
    EXPECT_FLOAT_EQ(inner.Height, 16);
    EXPECT_FLOAT_EQ(p.CalculateProgressRectangle(r, 0, 100, 50).Width, 149.5f);
    EXPECT_FLOAT_EQ(p.CalculateProgressRectangle(r, 0, 100, 200).Width, 299.0f);
    EXPECT_FLOAT_EQ(p.CalculateProgressRectangle(r, 40, 40, 40).Width, 0.0f);
    p.BackGroundFill().SetBorderColor(0x808080);
    p.BackGroundFill().SetBorderWidth(1);
    EXPECT_FLOAT_EQ(p.GetInsideRectF(r).X, 1);
    EXPECT_FLOAT_EQ(p.GetInsideRectF(r).Width, 297);
}

TEST(SplashProgress, ValueTexts)
{
    TGDIPSplashProgress p;
    p.SetValueType(vtPercentage);
    EXPECT_EQ(p.ValueText(0, 200, 50), "25%");
    EXPECT_EQ(p.ValueText(0, 100, 150), "100%"); // clamped
    EXPECT_EQ(p.ValueText(50, 50, 50), "50%");  // an empty range shows the maximum
    p.SetValueType(vtAbsolute);
    EXPECT_EQ(p.ValueText(0, 200, 50), "50%");
}

// Only numeric conversions: a text or pointer conversion would read the value as something else.
TEST(SplashProgress, FormatPatternsAcceptNumericConversionsOnly)
{
    struct
    {
        const char* pattern;
        bool taken;
    } cases[] = {
        {"%.0f%%", true}, {"%5.2f", true},  {"%e", true},     {"%g units", true}, {"no value", true},
        {"%s", false},    {"%p", false},    {"%n", false},    {"%d", false},      {"%x", false},
        {"%*f", false},   {"%", false},     {"%.0f %s", false},
    };
    for (const auto& c : cases) {
        TGDIPSplashProgress p;
        p.SetValueFormat(c.pattern);
        EXPECT_EQ(p.ValueFormat(), c.taken ? std::string(c.pattern) : std::string("%.0f%%")) << c.pattern;
        EXPECT_EQ(qx::isNumericFormatPattern(c.pattern), c.taken) << c.pattern;
    }
    TGDIPSplashProgress two;
    two.SetValueFormat("%f %f"); // numeric, but two conversions for the one value
    EXPECT_EQ(two.ValueText(0, 100, 10), std::nullopt);
}

TEST(SplashProgress, ControlClampsAndReportsThePosition)
{
    TAdvSplashProgressBar bar(nullptr);
    std::vector<double> reported;
    bar.OnPositionChanged = [&](TObject*, double v) { reported.push_back(v); };
    bar.SetPosition(150);
    EXPECT_EQ(bar.Position(), 100);
    ASSERT_FALSE(reported.empty());
    EXPECT_EQ(reported.back(), 100);
    bar.SetMaximum(60);
    EXPECT_EQ(bar.Position(), 60);
    bar.SetMinimum(70); // the position now lies below the range
    EXPECT_EQ(bar.Position(), 70);
}

TEST(SplashProgress, AnimationMovesAFifteenthOfTheRestPerTick)
{
    TAdvSplashProgressBar bar(nullptr);
    bar.SetProgressAnimation(true);
    bar.GoToValue(100);
    EXPECT_TRUE(bar.AnimationInProgress());
    bar.AnimationTick();
    EXPECT_NEAR(bar.ShownValue(), 100.0 / 15, 1e-9);
    bar.AnimationTick();
    EXPECT_NEAR(bar.ShownValue(), 100.0 / 15 + (100 - 100.0 / 15) / 15, 1e-9);
    int ticks = 0;
    while (bar.AnimationInProgress() && ticks < 10000) {
        bar.AnimationTick();
        ++ticks;
    }
    EXPECT_FALSE(bar.AnimationInProgress());
    EXPECT_LT(ticks, 10000);
    EXPECT_NEAR(bar.ShownValue(), 100, 0.001);
}

TEST(SplashProgress, SettingsReachTheControlInTheWindow)
{
    TAdvSmoothSplashScreen splash(nullptr);
    splash.SetDisplayStyle(dsNormal);
    splash.ProgressBar().SetVisible(true);
    splash.ProgressBar().SetLeft(160);
    splash.ProgressBar().SetTop(220);
    splash.ProgressBar().SetHeight(12);
    splash.ProgressBar().SetPosition(30);
    double reported = -1;
    splash.OnProgressPositionChanged = [&](TObject*, double v) { reported = v; };
    splash.Show();
    TAdvSplashProgressBar* bar = splash.SplashWindow()->ProgressBar();
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->Visible());
    EXPECT_EQ(bar->Left(), 160);
    EXPECT_EQ(bar->Top(), 220);
    EXPECT_EQ(bar->Height(), 12);
    EXPECT_EQ(bar->Position(), 30);
    splash.ProgressBar().SetPosition(80); // while shown: the control follows
    EXPECT_EQ(bar->Position(), 80);
    EXPECT_EQ(reported, 80);
}

} // namespace
