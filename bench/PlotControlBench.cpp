// The three transfer-curve plots as a state load updates them:
//   TransferPlots   each of ipComp and ipLimit (380 x 230) and ipGate (810 x 230) gets a
//                   full transfer curve (DeletePoints, four AddXY on the curve, three on the
//                   gate; one on the marker) and is repainted into its off-screen bitmap;
//                   per_plot_ms is one plot's share. Beside it (plain_ms, ratio) a QImage of
//                   each plot's size is filled and the same grid, polyline and marker are
//                   drawn with a QPainter (plain_per_plot_ms, ratio = own / plain). The goal is
//                   under 1 ms a plot.

#include "PlotControlSupport.h"

#include "controls/plot/plot/iPlotClasses.h"
#include "platform/gui/Application.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <array>
#include <chrono>
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

} // namespace

int main(int argc, char** argv)
{
    qx::initApplication(argc, argv);
    qx::registerPlotClasses();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    qx::doneApplication();
    return 0;
}
