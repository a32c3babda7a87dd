#include "GraphTestSupport.h"

#include <QImage>

#include "platform/gui/canvas/Colors.h"

namespace qx::test {

void setUpLikeChannelGraph(LMyFFTDrawHpLp6dB& graph, int width, int height)
{
    graph.SetBounds(0, 0, width, height);
    graph.SetYAutoScale(false);
    graph.SetXAutoScale(false);
    graph.SetXMax(4096.0);
    graph.SetXMin(966.0);
    graph.SetYMax(18.0);
    graph.SetYMin(-18.0);
    graph.SetAxisColor(kAxisColour);
    graph.SetGridColor(kGridColour);
    TFont font;
    font.Name = "Tahoma";
    font.SetHeight(-11);
    font.Color = clLime;
    graph.SetPlotTitleFont(font);
    graph.SetAxisTitleFont(font);
    graph.SetMouseCoordFont(font);
    font.Color = clActiveBorder;
    graph.SetAxisLabelFont(font);
    graph.ResizePaintPage();
    graph.Redraw();
}

GraphOnForm::GraphOnForm(int width, int height, Place place) : form(std::make_unique<TForm>(nullptr))
{
    form->SetClientWidth(width);
    form->SetClientHeight(height);
    graph = new LMyFFTDrawHpLp6dB(form.get());
    if (place == Place::OnPage) {
        page = new TPanel(form.get());
        page->SetParent(form.get());
        page->SetBounds(0, 0, width, height);
        graph->SetParent(page);
    } else {
        graph->SetParent(form.get());
    }
    setUpLikeChannelGraph(*graph, width, height);
}

namespace {
TColor colourOf(const QImage& image, int x, int y)
{
    const QRgb p = image.pixel(x, y);
    return static_cast<TColor>(qRed(p) | qGreen(p) << 8 | qBlue(p) << 16);
}
} // namespace

TColor shownAt(const LMyFFTDrawHpLp6dB& graph, int x, int y)
{
    const TRect& at = graph.Page(LMyFFTDrawHpLp6dB::MainPage).Placement();
    return colourOf(graph.Screen().Image(), at.Left + x, at.Top + y);
}

TColor basePixel(const LMyFFTDrawHpLp6dB& graph, int x, int y)
{
    return colourOf(graph.Page(LMyFFTDrawHpLp6dB::MainPage).Bitmap().Image(), x, y);
}

} // namespace qx::test
