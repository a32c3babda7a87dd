#pragma once
// Plot objects of the kinds the managers keep, registered under the kinds' class names, so
// that the managers, the master manager and the routing can be exercised before the real
// channels, axes and labels exist. Only this test program registers them.

#include "controls/plot/base/iPlotObjects.h"

#include <string>

class TTestChannel : public TiPlotManagerObject
{
public:
    using TiPlotManagerObject::TiPlotManagerObject;
    TColor Color() const { return color_; }
    void SetColor(TColor v) { color_ = v; }
    std::string TitleText, XAxisName, YAxisName;
    std::vector<std::string> removals, renames;
    void NotificationRemove(TObject* Sender) override
    {
        if (auto* o = dynamic_cast<TiPlotObject*>(Sender))
            removals.push_back(o->Name());
    }
    void NotificationRename(TObject* Sender) override
    {
        if (auto* o = dynamic_cast<TiPlotObject*>(Sender))
            renames.push_back(o->NameOld() + " > " + o->Name());
    }

private:
    TColor color_ = 0x0000FF;
};

class TTestXAxis : public TiPlotLayoutObject
{
public:
    using TiPlotLayoutObject::TiPlotLayoutObject;
    std::string Title;
};
class TTestYAxis : public TiPlotLayoutObject
{
public:
    using TiPlotLayoutObject::TiPlotLayoutObject;
    std::string Title;
};
class TTestLabel : public TiPlotLayoutObject
{
public:
    using TiPlotLayoutObject::TiPlotLayoutObject;
    std::string Caption;
};
class TTestToolBar : public TiPlotLayoutObject
{
public:
    using TiPlotLayoutObject::TiPlotLayoutObject;
};

void registerTestPlotObjects();
