#include "PlotTestComponent.h"
#include "PlotTestObjects.h"
#include "QtTestEnvironment.h"

#include "controls/plot/opc/iOPCManager.h"
#include "platform/gui/PropertyRegistry.h"

void registerTestPlotComponent()
{
    qx::registerEnum<TTestShape>("TTestShape", {{"tsCircle", tsCircle}, {"tsSquare", tsSquare}, {"tsTriangle", tsTriangle}});
    qx::registerEnum<TTestSide>("TTestSide", {{"sdLeft", sdLeft}, {"sdRight", sdRight}});
    qx::registerEnum<TTestOption>("TTestOption", {{"toFirst", toFirst}, {"toSecond", toSecond}, {"toThird", toThird}});
    qx::registerClass<TTestInner>("TTestInner").property("Size", &TTestInner::Size, &TTestInner::SetSize).defaultValue(1);
    qx::registerClass<TTestPlotComponent, TiComponent>("TTestPlotComponent")
        .object("Inner", &TTestPlotComponent::Inner)
        .property("Caption2", &TTestPlotComponent::Caption2, &TTestPlotComponent::SetCaption2)
        .property("Ratio", &TTestPlotComponent::Ratio, &TTestPlotComponent::SetRatio)
        .property("Shape", &TTestPlotComponent::Shape, &TTestPlotComponent::SetShape)
        .defaultValue(tsSquare)
        .property("Options", &TTestPlotComponent::Options, &TTestPlotComponent::SetOptions)
        .property("Count", &TTestPlotComponent::Count, &TTestPlotComponent::SetCount)
        .defaultValue(3)
        .color("BackGroundColor", &TTestPlotComponent::BackGroundColor, &TTestPlotComponent::SetBackGroundColor)
        .colorDefault(clBtnFace);
}

void registerTestVCLComponent()
{
    qx::registerVCLComponentClasses();
    qx::registerOPCManagerClasses();
    qx::registerClass<TTestVCLComponent, TiVCLComponent>("TTestVCLComponent")
        .property("Level", &TTestVCLComponent::Level, &TTestVCLComponent::SetLevel)
        .property("Flag", &TTestVCLComponent::Flag, &TTestVCLComponent::SetFlag)
        .property("Label", &TTestVCLComponent::Label, &TTestVCLComponent::SetLabel)
        .property("Gain", &TTestVCLComponent::Gain, &TTestVCLComponent::SetGain)
        .property("Side", &TTestVCLComponent::Side, &TTestVCLComponent::SetSide)
        .property("Shape", &TTestVCLComponent::Shape, &TTestVCLComponent::SetShape);
}

namespace {

const auto* const kEnvironment = qx::test::QtTestEnvironment::add(
    "qx_plot_tests", {qx::registerPlotComponentClasses, registerTestPlotComponent, registerTestPlotObjects, registerTestVCLComponent});

} // namespace
