// Publishes the response graphs and their properties to the layouts. The
// defaults are the streaming defaults (what a layout leaves out); a graph a
// layout makes starts from its constructor's values.

#include "platform/gui/PropertyRegistry.h"
#include "response/LMyFFTDrawPhase.h"

namespace qx {

namespace {
using G = LMyFFTDrawHpLp6dB;

void publishGraph(ClassBuilder<G> b)
{
    b.property("AutoRedraw", &G::AutoRedraw, &G::SetAutoRedraw)
        .defaultValue(true)
        .color("AxisColor", &G::AxisColor, &G::SetAxisColor)
        .colorDefault(0)
        .property("AxisStyle", &G::AxisStyle, &G::SetAxisStyle)
        .defaultValue(TMyAxisStyle::CenteredBox)
        .property("XAxisFormat", &G::XAxisFormat, &G::SetXAxisFormat)
        .defaultValue(TMyAxisFormat::Linear)
        .property("YAxisFormat", &G::YAxisFormat, &G::SetYAxisFormat)
        .defaultValue(TMyAxisFormat::Linear)
        .property("ShowXLabel", &G::ShowXLabel, &G::SetShowXLabel)
        .defaultValue(true)
        .property("ShowYLabel", &G::ShowYLabel, &G::SetShowYLabel)
        .defaultValue(true)
        .property("YAutoScale", &G::YAutoScale, &G::SetYAutoScale)
        .defaultValue(true)
        .property("XAutoScale", &G::XAutoScale, &G::SetXAutoScale)
        .defaultValue(true)
        .property("YLabelScale", &G::YLabelScale, &G::SetYLabelScale)
        .property("YMax", &G::YMax, &G::SetYMax)
        .property("YMin", &G::YMin, &G::SetYMin)
        .property("XMax", &G::XMax, &G::SetXMax)
        .property("XMin", &G::XMin, &G::SetXMin)
        .property("ShowCoordinates", &G::ShowCoordinates, &G::SetShowCoordinates)
        .defaultValue(true)
        .property("YLabelPrecision", &G::YLabelPrecision, &G::SetYLabelPrecision)
        .defaultValue(4)
        .property("XLabelPrecision", &G::XLabelPrecision, &G::SetXLabelPrecision)
        .defaultValue(4)
        .property("XLabelDigits", &G::XLabelDigits, &G::SetXLabelDigits)
        .defaultValue(4)
        .property("YLabelDigits", &G::YLabelDigits, &G::SetYLabelDigits)
        .defaultValue(4)
        .property("YLabelFormat", &G::YLabelFormat, &G::SetYLabelFormat)
        .defaultValue(sffGeneral)
        .property("XLabelFormat", &G::XLabelFormat, &G::SetXLabelFormat)
        .defaultValue(sffGeneral)
        .property("PointSize", &G::PointSize, &G::SetPointSize)
        .defaultValue(2)
        .property("MouseControl", &G::MouseControl, &G::SetMouseControl)
        .defaultValue(true)
        .property("ShowVertGrid", &G::ShowVertGrid, &G::SetShowVertGrid)
        .defaultValue(true)
        .property("ShowHorzGrid", &G::ShowHorzGrid, &G::SetShowHorzGrid)
        .defaultValue(true)
        .property("ShowVertTicks", &G::ShowVertTicks, &G::SetShowVertTicks)
        .defaultValue(true)
        .property("ShowHorzTicks", &G::ShowHorzTicks, &G::SetShowHorzTicks)
        .defaultValue(true)
        .property("VertTickLength", &G::VertTickLength, &G::SetVertTickLength)
        .defaultValue(6)
        .property("HorzTickLength", &G::HorzTickLength, &G::SetHorzTickLength)
        .defaultValue(6)
        .property("NumVertGrid", &G::NumVertGrid, &G::SetNumVertGrid)
        .defaultValue(3)
        .property("NumHorzGrid", &G::NumHorzGrid, &G::SetNumHorzGrid)
        .defaultValue(3)
        .color("GridColor", &G::GridColor, &G::SetGridColor)
        .colorDefault(14213278)
        .property("ShowXTitle", &G::ShowXTitle, &G::SetShowXTitle)
        .defaultValue(true)
        .property("ShowYTitle", &G::ShowYTitle, &G::SetShowYTitle)
        .defaultValue(true)
        .property("ShowPlotTitle", &G::ShowPlotTitle, &G::SetShowPlotTitle)
        .defaultValue(true)
        .property("XTitle", &G::XTitle, &G::SetXTitle)
        .property("YTitle", &G::YTitle, &G::SetYTitle)
        .property("YLabel", &G::YLabel, &G::SetYLabel)
        .property("PlotTitle", &G::PlotTitle, &G::SetPlotTitle)
        .font("PlotTitleFont", &G::PlotTitleFont, &G::SetPlotTitleFont)
        .font("AxisTitleFont", &G::AxisTitleFont, &G::SetAxisTitleFont)
        .font("AxisLabelFont", &G::AxisLabelFont, &G::SetAxisLabelFont)
        .font("MouseCoordFont", &G::MouseCoordFont, &G::SetMouseCoordFont)
        .event("OnChange", &G::OnChange)
        .property("FFTNuimber", &G::FFTNuimber, &G::SetFFTNuimber)
        .defaultValue(TFFTNumber::n1024)
        .property("SampleRate", &G::SampleRate, &G::SetSampleRate)
        .defaultValue(TSampleRate::n48000);
}
} // namespace

void registerResponseGraphClasses()
{
    registerEnum<TMyAxisStyle>("TMyAxisStyle", {{"Box", TMyAxisStyle::Box},
                                                {"Centered", TMyAxisStyle::Centered},
                                                {"CenteredBox", TMyAxisStyle::CenteredBox},
                                                {"LB", TMyAxisStyle::LB},
                                                {"None", TMyAxisStyle::None}});
    registerEnum<TMyAxisFormat>("TMyAxisFormat",
                                {{"Linear", TMyAxisFormat::Linear}, {"Log", TMyAxisFormat::Log}});
    registerEnum<TFFTNumber>("TFFTNumber", {{"n256", TFFTNumber::n256},
                                            {"n512", TFFTNumber::n512},
                                            {"n1024", TFFTNumber::n1024},
                                            {"n2048", TFFTNumber::n2048},
                                            {"n4096", TFFTNumber::n4096}});
    registerEnum<TSampleRate>("TSampleRate", {{"n48000", TSampleRate::n48000},
                                              {"n96000", TSampleRate::n96000},
                                              {"n192000", TSampleRate::n192000}});
    registerEnum<TStringFloatFormat>("TStringFloatFormat", {{"sffGeneral", sffGeneral},
                                                            {"sffExponent", sffExponent},
                                                            {"sffFixed", sffFixed},
                                                            {"sffNumber", sffNumber},
                                                            {"sffCurrency", sffCurrency}});
    publishGraph(registerClass<LMyFFTDrawHpLp6dB, TPaintBox>("LMyFFTDrawHpLp6dB"));
    registerClass<LMyFFTDrawPhase, LMyFFTDrawHpLp6dB>("LMyFFTDrawPhase"); // the same properties
}

} // namespace qx
