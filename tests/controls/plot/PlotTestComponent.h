#pragma once
// A small plot-library control for the tests: counts its repaints, draws through a
// replaceable function and publishes one property of each kind the property text writes.

#include "controls/plot/base/iComponent.h"

#include <functional>
#include <string>

enum TTestShape { tsCircle, tsSquare, tsTriangle };
enum TTestSide { sdLeft, sdRight };
enum TTestOption { toFirst, toSecond, toThird };
using TTestOptions = qx::EnumSet<TTestOption>;

/// A nested object with properties of its own.
class TTestInner : public TPersistent
{
public:
    int Size() const { return size_; }
    void SetSize(int v) { size_ = v; }

private:
    int size_ = 1;
};

class TTestPlotComponent : public TiComponent
{
public:
    using TiComponent::TiComponent;

    void Lock() override { ++locks; }
    void Unlock() override { --locks; }
    void RepaintNow() override
    {
        ++repaints;
        TiComponent::RepaintNow();
    }

    const std::string& Caption2() const { return caption_; }
    void SetCaption2(const std::string& v) { caption_ = v; }
    double Ratio() const { return ratio_; }
    void SetRatio(double v) { ratio_ = v; }
    TTestShape Shape() const { return shape_; }
    void SetShape(TTestShape v) { shape_ = v; }
    TTestOptions Options() const { return options_; }
    void SetOptions(TTestOptions v) { options_ = v; }
    int Count() const { return count_; }
    void SetCount(int v) { count_ = v; }

    TTestInner* Inner() { return &inner_; }

    int repaints = 0;
    int locks = 0;
    std::function<void(TCanvas&)> draw;

protected:
    bool InternalTimerActive() override { return false; }
    void StartInternalTimer(int, int) override {}
    void StopInternalTimer() override {}
    void iPaint(TCanvas& Canvas) override
    {
        if (draw)
            draw(Canvas);
    }

private:
    std::string caption_;
    double ratio_ = 0.5;
    TTestShape shape_ = tsSquare;
    TTestOptions options_{toFirst};
    int count_ = 3;
    TTestInner inner_;
};

void registerTestPlotComponent();

#include "controls/plot/base/iVCLComponent.h"

/// A control on the platform control layer with properties OPC items can feed.
class TTestVCLComponent : public TiVCLComponent
{
public:
    using TiVCLComponent::TiVCLComponent;

    int Level() const { return level_; }
    void SetLevel(int v)
    {
        if (v == level_)
            return;
        level_ = v;
        sentOut = OPCPropertyChanged("Level", TiVariant(v));
    }
    bool Flag() const { return flag_; }
    void SetFlag(bool v) { flag_ = v; }
    const std::string& Label() const { return label_; }
    void SetLabel(const std::string& v) { label_ = v; }
    double Gain() const { return gain_; }
    void SetGain(double v) { gain_ = v; }
    TTestSide Side() const { return side_; }
    void SetSide(TTestSide v) { side_ = v; }
    TTestShape Shape() const { return shape_; }
    void SetShape(TTestShape v) { shape_ = v; }

    bool sentOut = false;
    std::function<void(TCanvas&)> draw;
    int wheels = 0;
    int repaints = 0;
    void RepaintNow() override
    {
        ++repaints;
        TiVCLComponent::RepaintNow();
    }

protected:
    bool iMouseWheel(int, TShiftState, TPoint) override
    {
        ++wheels;
        return true;
    }
    void iPaint(TCanvas& Canvas) override
    {
        DrawBackGround(Canvas, BackGroundColor());
        if (draw)
            draw(Canvas);
    }

private:
    int level_ = 0;
    bool flag_ = false;
    std::string label_;
    double gain_ = 0;
    TTestSide side_ = sdLeft;
    TTestShape shape_ = tsCircle;
};

void registerTestVCLComponent();
