#pragma once
// The smallest plot the framework allows, for the axis and data view tests: a control on the
// platform control layer that owns a master manager with one data view, X and Y axes and
// channels, lays them out at fixed rectangles, paints them (ticks, data view, axes, zoom
// box) and hands its mouse, wheel and key input to the object under the mouse (keys to the
// selected objects). It implements the plot host and records every event an object raises.

#include "controls/plot/base/iPlotHost.h"
#include "controls/plot/base/iPlotMasterManager.h"
#include "controls/plot/base/iVCLComponent.h"
#include "controls/plot/objects/iPlotDataView.h"

#include "platform/gui/canvas/Bitmap.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

/// A channel with free X and Y points that asks its axes to track each added point and
/// answers the axes' zoom-to-fit questions.
class TTestExtentsChannel : public TiPlotManagerObject, public TiPlotChannelExtents
{
public:
    using TiPlotManagerObject::TiPlotManagerObject;

    const std::string& XAxisName() const override { return FXAxisName; }
    void SetXAxisName(const std::string& Value) { FXAxisName = Value; }
    const std::string& YAxisName() const override { return FYAxisName; }
    void SetYAxisName(const std::string& Value) { FYAxisName = Value; }

    void AddXY(double X, double Y);
    double GetXMax() override { return Extreme(true, true); }
    double GetXMin() override { return Extreme(true, false); }
    double GetYMax() override { return Extreme(false, true); }
    double GetYMin() override { return Extreme(false, false); }
    double RunningXMax() const override { return runningXMax; }
    double RunningXMin() const override { return runningXMin; }
    double RunningYMax() const override { return runningYMax; }
    double RunningYMin() const override { return runningYMin; }

    std::vector<std::pair<double, double>> points;
    double runningXMax = -1e300, runningXMin = 1e300, runningYMax = -1e300, runningYMin = 1e300;

private:
    double Extreme(bool X, bool Max) const;
    std::string FXAxisName;
    std::string FYAxisName;
};

class TAxisTestPlot : public TiVCLComponent, public TiPlotHost
{
public:
    /// 400 x 260 pixels: data view (60, 10)-(360, 210), the X axis below it, the Y axis left.
    explicit TAxisTestPlot(TComponent* AOwner);
    ~TAxisTestPlot() override;

    static constexpr TRect kDataView{60, 10, 360, 210};
    static constexpr TRect kXAxis{60, 210, 360, 250};
    static constexpr TRect kYAxis{0, 10, 60, 210};

    TiPlotXAxis& X(int Index = 0);
    TiPlotYAxis& Y(int Index = 0);
    TiPlotDataView& View(int Index = 0);
    TTestExtentsChannel& Channel(int Index = 0);
    int AddChannel(const std::string& XAxisName, const std::string& YAxisName);
    /// Places every axis and data view (later axes of a kind at the same rectangles).
    void LayOut();
    /// Paints into a bitmap of the plot's size (ticks computed as in a paint).
    TBitmap Picture();

    // TiPlotHost
    TiPlotMasterManager& MasterManager() override { return *master; }
    TCanvas& HintCanvas() override { return hintBitmap.Canvas(); }
    void DoAxisMinChange(TiPlotObject& Axis, double OldMin, double NewMin) override;
    void DoAxisSpanChange(TiPlotObject& Axis, double OldSpan, double NewSpan) override;
    void DoAxisMinSpanChange(TiPlotObject& Axis, double OldMin, double OldSpan, double NewMin, double NewSpan) override;
    void DoAxisMinSpanChangeFinished(TiPlotObject& Axis, double OldMin, double OldSpan, double NewMin,
                                     double NewSpan) override;
    void DoAxisCustomizeLabel(TiPlotObject& Axis, double Value, std::string& ALabel) override;
    void DoAxisCustomizeHint(TiPlotObject& Axis, std::string& AHint) override;
    void DoObjectClick(TiPlotObject& Object) override;
    void DoObjectMouseCursor(TiPlotObject& Object, TCursor& Cursor) override;
    bool DoBeforeZoomBox(TRect& ZoomRect) override;
    std::string TranslateText(const std::string& Text) override { return translate ? translate(Text) : Text; }
    bool AxesCollisionAccept(const TRect& R) override;
    void AxesCollisionAdd(const TRect& R) override { collisions.push_back(R); }
    bool ToolBarSelectMode() override { return selectMode; }
    bool ToolBarZoomBoxMode() override { return zoomBoxMode; }
    bool& MasterUIInputBlock() override { return replayBlock; }

    std::unique_ptr<TiPlotMasterManager> master;
    std::vector<std::string> events;
    std::function<void(TiPlotObject&, double, std::string&)> customizeLabel;
    std::function<std::string(const std::string&)> translate;
    std::function<bool(TRect&)> beforeZoomBox;
    std::vector<TRect> collisions;
    bool selectMode = false;
    bool zoomBoxMode = false;
    bool replayBlock = false;
    int invalidations = 0;

protected:
    void iPaint(TCanvas& Canvas) override;
    void iMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void iMouseMove(TShiftState Shift, int X, int Y) override;
    void iMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    bool iMouseWheel(int WheelDelta, TShiftState Shift, TPoint MousePos) override;
    void iKeyDown(Word& Key, TShiftState Shift) override;

private:
    std::string Describe(TiPlotObject& Object) const;
    TiPlotObject* ObjectAt(int X, int Y);
    TiPlotObject* pressed_ = nullptr;
    TBitmap hintBitmap{10, 10};
};

void registerAxisTestClasses();

/// Expects the axis to show Min..Max (to the last digits).
void ExpectRange(const TiPlotAxis& axis, double min, double max, const std::string& what);
