// A channel graph as the program shows it, rendered through the window's own
// paint: several PEQ bands, the crossover handles, parameter text and the
// selected band's fill. Set QX_SCREENSHOT_DIR to keep the picture
// (response-graph.png) for a person to look at.

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <cstdlib>

#include "GraphTestSupport.h"
#include "WindowScreenshot.h"
#include "platform/gui/PropertyRegistry.h"
#include "response/Plot.h"

namespace {

class TGraphScreenshotForm : public TForm
{
public:
    explicit TGraphScreenshotForm(TComponent* AOwner) : TForm(AOwner)
    {
        SetClientWidth(1070);
        SetClientHeight(255);
        graph_ = new LMyFFTDrawHpLp6dB(this);
        graph_->SetParent(this);
        qx::test::setUpLikeChannelGraph(*graph_);
        plot_ = std::make_unique<Plot>(graph_);
        struct Band
        {
            double gain, frequency, q;
            int type;
        };
        const Band bands[] = {
            {6, 60, 1.4, 0}, {-8, 250, 2, 0}, {4, 1200, 0.7, 0}, {-3, 4000, 3, 0}, {5, 9000, 0.7, 2}};
        for (int n = 0; n < 5; ++n) {
            const Band& b = bands[n];
            plot_->section(n).SetPeq(b.gain, b.frequency, b.q, b.type == 2 ? 3 : 1);
            plot_->ShowSectionHandle(n, static_cast<float>(b.gain), 1);
        }
        plot_->section(Plot::kHighPassSection).SetBiquad(0, 30, 0.71, 15, 1.4142F, 0);
        plot_->section(Plot::kLowPassSection).SetBiquad(0, 16000, 0.71, 12, 1.4142F, 0);
        plot_->ShowSectionHandle(Plot::kHighPassSection, 0, 3);
        plot_->ShowSectionHandle(Plot::kLowPassSection, 0, 2);
        plot_->DrawSum(4);
        graph_->SetParameterDisplay(true);
        plot_->ShowSectionCurve(0, 2, 4.0F, 0.7F, true);
        graph_->UpdateCurvePage();
    }

    LMyFFTDrawHpLp6dB* graph_ = nullptr;
    std::unique_ptr<Plot> plot_;
};

TEST(GraphScreenshot, AChannelGraphWithBandsAndHandles)
{
    qx::registerClass<TGraphScreenshotForm, TForm>("TGraphScreenshotForm");
    const QImage image = qx::WindowScreenshot::render("TGraphScreenshotForm");
    ASSERT_EQ(image.size(), QSize(1070, 255));
    if (const char* dir = std::getenv("QX_SCREENSHOT_DIR")) {
        image.save(QDir(dir).filePath("response-graph.png"));
    }
    // The window shows what the graph drew: the curve in Out1's red, the handles, the grid.
    int red = 0;
    int grid = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            red += p == qRgb(255, 0, 0) ? 1 : 0;
            grid += p == qRgb(0, 72, 0) ? 1 : 0;
        }
    }
    EXPECT_GT(red, 1500);
    EXPECT_GT(grid, 5000);
}

TEST(GraphScreenshot, ControlsOfALayout)
{
    const QImage image =
        qx::WindowScreenshot::render("TForm", std::string(QX_TEST_DATA_DIR) + "/ResponseControls.layout");
    ASSERT_EQ(image.size(), QSize(1125, 727));
    if (const char* dir = std::getenv("QX_SCREENSHOT_DIR")) {
        image.save(QDir(dir).filePath("response-controls.png"));
    }
    // The level bar's lowest segment: unlit green inside its black outline.
    EXPECT_EQ(image.pixel(500 + 7, 280 + 120), qRgb(0, 128, 0));
}

} // namespace
