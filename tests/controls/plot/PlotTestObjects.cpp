#include "PlotTestObjects.h"

#include "controls/plot/base/iPlotManagers.h"
#include "platform/gui/PropertyRegistry.h"

namespace {

template <class T>
void creator(const std::string& name)
{
    qx::plot::registerPlotObjectCreator(name, [](TObject* owner, TNotifyEvent c, TNotifyEvent i, TNotifyEvent r,
                                                 TNotifyEvent n) { return new T(owner, c, i, r, n); });
}

} // namespace

void registerTestPlotObjects()
{
    qx::registerPlotObjectClasses();
    qx::registerClass<TTestChannel, TiPlotManagerObject>("TiPlotChannelCustom")
        .color("Color", &TTestChannel::Color, &TTestChannel::SetColor)
        .property("TitleText", [](const TTestChannel& c) { return c.TitleText; },
                  [](TTestChannel& c, const std::string& v) { c.TitleText = v; })
        .property("XAxisName", [](const TTestChannel& c) { return c.XAxisName; },
                  [](TTestChannel& c, const std::string& v) { c.XAxisName = v; })
        .property("YAxisName", [](const TTestChannel& c) { return c.YAxisName; },
                  [](TTestChannel& c, const std::string& v) { c.YAxisName = v; });
    qx::registerClass<TTestXAxis, TiPlotLayoutObject>("TiPlotXAxis")
        .property("Title", [](const TTestXAxis& a) { return a.Title; }, [](TTestXAxis& a, const std::string& v) { a.Title = v; });
    qx::registerClass<TTestYAxis, TiPlotLayoutObject>("TiPlotYAxis")
        .property("Title", [](const TTestYAxis& a) { return a.Title; }, [](TTestYAxis& a, const std::string& v) { a.Title = v; });
    qx::registerClass<TTestLabel, TiPlotLayoutObject>("TiPlotLabel")
        .property("Caption", [](const TTestLabel& l) { return l.Caption; }, [](TTestLabel& l, const std::string& v) { l.Caption = v; });
    qx::registerClass<TTestToolBar, TiPlotLayoutObject>("TiPlotToolBar");
    creator<TTestChannel>("TiPlotChannel");
    creator<TTestXAxis>("TiPlotXAxis");
    creator<TTestYAxis>("TiPlotYAxis");
    creator<TTestLabel>("TiPlotLabel");
    creator<TTestToolBar>("TiPlotToolBar");
}
