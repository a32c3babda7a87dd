// The three transfer-curve plots as a state load updates them:
//   TransferPlots   each of ipComp and ipLimit (380 x 230) and ipGate (810 x 230) gets a
//                   full transfer curve (DeletePoints, four AddXY on the curve, three on the
//                   gate; one on the marker) and is repainted into its off-screen bitmap;
//                   per_plot_ms is one plot's share. Beside it (plain_ms, ratio) a QImage of
//                   each plot's size is filled and the same grid, polyline and marker are
//                   drawn with a QPainter (plain_per_plot_ms, ratio = own / plain). The goal is
//                   under 1 ms a plot.
//   YTChannelRedraw  a Y-T channel of 1,000,000 points (a noisy wave, about 1000 points a
//                   pixel column) drawn again on a data view 1000 pixels wide: PrepareDraw
//                   (the draw range by bisection) and Draw (the trace from the kept column
//                   summary). Beside it (plain_ms, ratio) a polyline of 1000 points through the
//                   same wave (one point a pixel column) drawn with a QPainter on a QImage of
//                   the plot's size; the goal is a ratio within 3.
//   YTChannelFirstDraw  the same after a point changed: the draw walks all 1,000,000 points
//                   to build the column summary, then draws it.

#include "BenchMain.h"
#include "PlotControlSupport.h"

#include "controls/plot/plot/iPlot.h"
#include "controls/plot/plot/iPlotClasses.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <array>
#include <chrono>
#include <cmath>
#include <functional>
#include <memory>
#include <vector>

namespace {

using Points = std::vector<std::pair<double, double>>;

double millisecondsOf(const std::function<void()>& work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

/// The same picture drawn straight onto a QImage: background, grid, the curve and the marker.
void drawPlain(QImage& image, const TiXYPlot& plot, const Points& curve, std::pair<double, double> marker)
{
    const TiPlotAxis& x = plot.XAxis(0);
    const TiPlotAxis& y = plot.YAxis(0);
    image.fill(Qt::black);
    QPainter p(&image);
    p.setPen(QPen(Qt::green, 0));
    for (double v = -100; v <= 20; v += 20) {
        p.drawLine(x.PositionToPixels(v), y.PositionToPixels(-100), x.PositionToPixels(v), y.PositionToPixels(20));
        p.drawLine(x.PositionToPixels(-100), y.PositionToPixels(v), x.PositionToPixels(20), y.PositionToPixels(v));
    }
    QPolygon line;
    for (const auto& [vx, vy] : curve)
        line << QPoint(x.PositionToPixels(vx), y.PositionToPixels(vy));
    p.setPen(QPen(Qt::white, 2));
    p.drawPolyline(line);
    p.setPen(QPen(QColor(255, 128, 128), 3));
    p.setBrush(QColor(255, 128, 128));
    p.drawEllipse(QPoint(x.PositionToPixels(marker.first), y.PositionToPixels(marker.second)), 5, 5);
}

void BM_TransferPlots(benchmark::State& state)
{
    std::array<std::unique_ptr<TiXYPlot>, 3> plots = {qx::test::makeTransferPlot(380, 230),
                                                      qx::test::makeTransferPlot(380, 230),
                                                      qx::test::makeTransferPlot(810, 230)};
    std::array<TBitmap, 3> targets = {TBitmap(380, 230), TBitmap(380, 230), TBitmap(810, 230)};
    std::array<QImage, 3> plain = {QImage(380, 230, QImage::Format_RGB32), QImage(380, 230, QImage::Format_RGB32),
                                   QImage(810, 230, QImage::Format_RGB32)};
    const std::array<Points, 3> curves = {Points{{20, -2.5}, {-4, -8.5}, {-16, -16}, {-100, -100}},
                                          Points{{20, 0}, {0, 0}, {0, 0}, {-100, -100}},
                                          Points{{20, 20}, {-40, -40}, {-40, -100}}};
    const std::array<std::pair<double, double>, 3> markers = {{{-9.8, -10.4}, {0.2, -0.4}, {-39.8, -40.4}}};
    for (std::size_t i = 0; i < plots.size(); ++i) {
        qx::test::replacePoints(plots[i]->GetChannel(0), curves[i]);
        qx::test::replacePoints(plots[i]->GetChannel(1), {markers[i]});
        plots[i]->PaintTo(targets[i].Canvas());
    }
    double ownMs = 0, plainMs = 0;
    for (auto _ : state) {
        ownMs += millisecondsOf([&] {
            for (std::size_t i = 0; i < plots.size(); ++i) {
                TiXYPlotChannel& curve = plots[i]->GetChannel(0);
                curve.DeletePoints(curve.Count());
                for (const auto& [x, y] : curves[i])
                    curve.AddXY(x, y);
                TiXYPlotChannel& marker = plots[i]->GetChannel(1);
                marker.DeletePoints(marker.Count());
                marker.AddXY(markers[i].first, markers[i].second);
                plots[i]->PaintTo(targets[i].Canvas());
            }
        });
        plainMs += millisecondsOf([&] {
            for (std::size_t i = 0; i < plots.size(); ++i)
                drawPlain(plain[i], *plots[i], curves[i], markers[i]);
        });
    }
    if (state.iterations() == 0)
        return;
    const auto n = static_cast<double>(state.iterations());
    state.counters["per_plot_ms"] = ownMs / n / 3;
    state.counters["plain_per_plot_ms"] = plainMs / n / 3;
    state.counters["ratio"] = ownMs / plainMs;
}

BENCHMARK(BM_TransferPlots)->Unit(benchmark::kMillisecond);

/// A Y-T plot whose X axis spans 1000 pixels, its channel holding 1,000,000 points.
std::unique_ptr<TiPlot> makeMillionPointPlot()
{
    auto plot = std::make_unique<TiPlot>(nullptr);
    plot->SetBorderStyle(ibsNone);
    plot->SetTitleVisible(false);
    plot->ToolBar(0).SetVisible(false);
    plot->Legend(0).SetVisible(false);
    for (const bool x : {true, false}) {
        TiPlotAxis& axis = x ? plot->XAxis(0) : plot->YAxis(0);
        axis.SetTrackingEnabled(false);
        axis.SetMinSpan(0, x ? 1000 : 10);
    }
    int width = 1100;
    for (int attempt = 0; attempt < 3; ++attempt) {
        plot->SetBounds(0, 0, width, 400);
        TBitmap probe(width, 400);
        plot->PaintTo(probe.Canvas());
        width += 1000 - std::abs(plot->XAxis(0).MaxPixels() - plot->XAxis(0).MinPixels());
    }
    TiPlotChannel& channel = plot->GetChannel(0);
    channel.SetColor(clWhite);
    channel.SetXAxisTrackingEnabled(false);
    channel.SetYAxisTrackingEnabled(false);
    for (int i = 0; i < 1000000; ++i) {
        const double x = i / 1000.0;
        channel.AddXY(x, 5 + 3 * std::sin(x / 50) + ((i * 7919LL) % 101) / 50.0 - 1);
    }
    return plot;
}

/// The reference: a 1000-point polyline through the same wave, one point a pixel column (every
/// 1000th point of the channel, mapped by the plot's axes).
QPolygon referencePolyline(TiPlot& plot)
{
    TiPlotChannel& channel = plot.GetChannel(0);
    QPolygon line;
    for (int i = 0; i < channel.Count(); i += 1000)
        line << QPoint(plot.XAxis(0).PositionToPixels(channel.DataX(i)),
                       plot.YAxis(0).PositionToPixels(channel.DataY(i)));
    return line;
}

double plainPolylineMs(QImage& image, const QPolygon& line)
{
    return millisecondsOf([&] {
        QPainter p(&image);
        p.setPen(QPen(Qt::white, 0));
        p.drawPolyline(line);
    });
}

void BenchYTChannel(benchmark::State& state, bool ChangeFirst)
{
    std::unique_ptr<TiPlot> plot = makeMillionPointPlot();
    TBitmap target(plot->Width(), plot->Height());
    plot->PaintTo(target.Canvas());
    QImage plain(plot->Width(), plot->Height(), QImage::Format_RGB32);
    plain.fill(Qt::black);
    TiPlotChannel& channel = plot->GetChannel(0);
    const QPolygon reference = referencePolyline(*plot);
    std::vector<TPoint> referencePoints;
    for (const QPoint& p : reference)
        referencePoints.push_back({p.x(), p.y()});
    TBitmap canvasTarget(plot->Width(), plot->Height());
    double ownMs = 0, plainMs = 0, canvasMs = 0;
    for (auto _ : state) {
        if (ChangeFirst)
            channel.SetDataY(0, channel.DataY(0));
        ownMs += millisecondsOf([&] {
            channel.PrepareDraw();
            channel.Draw(target.Canvas(), clBlack);
        });
        plainMs += plainPolylineMs(plain, reference);
        canvasMs += millisecondsOf([&] {
            canvasTarget.Canvas().Pen().Color = clWhite;
            canvasTarget.Canvas().Pen().Width = 0;
            canvasTarget.Canvas().Polyline(referencePoints);
        });
    }
    if (state.iterations() == 0)
        return;
    const auto n = static_cast<double>(state.iterations());
    state.counters["own_ms"] = ownMs / n;
    state.counters["plain_ms"] = plainMs / n;
    state.counters["ratio"] = ownMs / plainMs;
    state.counters["canvas_ms"] = canvasMs / n;
    state.counters["canvas_ratio"] = ownMs / canvasMs;
    state.counters["lines"] = channel.FastTraceLineCount();
    state.counters["view_px"] = std::abs(plot->XAxis(0).MaxPixels() - plot->XAxis(0).MinPixels());
}

void BM_YTChannelRedraw(benchmark::State& state) { BenchYTChannel(state, false); }
void BM_YTChannelFirstDraw(benchmark::State& state) { BenchYTChannel(state, true); }

BENCHMARK(BM_YTChannelRedraw)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_YTChannelFirstDraw)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return qx::bench::runApplicationBenchmarks(argc, argv, qx::registerPlotClasses);
}
