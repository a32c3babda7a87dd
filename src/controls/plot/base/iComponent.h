#pragma once
// TiComponent: the root of the plot library's controls. Property changes become repaint
// requests, held back inside an update bracket and throttled by the frame rate; every paint
// draws the whole control into an off-screen bitmap through iPaint and copies it in one step;
// an exception raised while drawing is shown as its text. Input goes to overridable hooks.

#include "controls/plot/base/iPlotError.h"
#include "controls/plot/base/iRepaintRule.h"
#include "controls/plot/base/iVariant.h"
#include "platform/gui/Control.h"

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>

class TCanvas;

enum TiBevelStyle { ibsNone, ibsRaised, ibsLowered };

using TiPaintEvent = std::function<void(TObject* Sender, TCanvas* Canvas)>;
using TChangePropertyEvent = std::function<void(TObject* Sender, const std::string& PropName)>;
using TRequestEditEvent = std::function<void(TObject* Sender, const std::string& PropName, bool& CanEdit)>;
using TGetDesigningEvent = std::function<void(TObject* Sender, bool& Designing)>;

/// The kind of a published property as the property lookup reports it.
enum TTypeKind { tkUnknown, tkInteger, tkChar, tkEnumeration, tkFloat, tkString, tkSet, tkClass, tkMethod, tkUString };

/// What the global repaint timer asks of a registered control.
class TiUpdateClient
{
public:
    virtual bool GetUpdateActive() const = 0;
    virtual bool GetNeedsRepaint() const = 0;
    virtual int GetUpdateFrameRate() const = 0;
    /// Monotonic milliseconds (the timers' clock) of the last real invalidation.
    virtual std::int64_t GetLastUpdate() const = 0;
    virtual void RepaintNow() = 0;

protected:
    ~TiUpdateClient() = default;
};

class TiComponent : public TCustomControl, public TiUpdateClient
{
public:
    explicit TiComponent(TComponent* AOwner);
    ~TiComponent() override;

    // Published.
    bool OptionSaveAllProperties() const { return FOptionSaveAllProperties; }
    void SetOptionSaveAllProperties(bool Value) { FOptionSaveAllProperties = Value; }
    bool AutoFrameRate() const { return FRepaint.AutoFrameRate(); }
    void SetAutoFrameRate(bool Value);
    int UpdateFrameRate() const { return FRepaint.UpdateFrameRate(); }
    void SetUpdateFrameRate(int Value);
    void SetEnabled(bool Value) override;

    TiBevelStyle BorderStyle() const { return FBorderStyle; }
    virtual void SetBorderStyle(TiBevelStyle Value);
    TColor BackGroundColor() const { return FBackGroundColor; }
    virtual void SetBackGroundColor(TColor Value);
    bool CachedDrawing() const { return FCachedDrawing; }
    virtual void SetCachedDrawing(bool Value);
    bool HasFocus() const { return FHasFocus; }
    bool UserGenerated() const { return FUserGenerated; }

    bool ErrorActive() const { return FErrorActive; }
    void SetErrorActive(bool Value) { SetBooleanProp(Value, FErrorActive, 1); }
    const std::string& ErrorText() const { return FErrorText; }
    TColor ErrorBackGroundColor() const { return FErrorBackGroundColor; }
    const TFont& ErrorFont() const { return FErrorFont; }
    void SetErrorFont(const TFont& Value);

    virtual TPoint GetCenterPoint() const { return {Width() / 2, Height() / 2}; }

    virtual void RepaintAll() { BackGroundChange(); }
    virtual void BeginUpdate() { FRepaint.BeginUpdate(); }
    virtual void EndUpdate();
    virtual void Lock() = 0;
    virtual void Unlock() = 0;

    /// Repaint requests.
    void RepaintNow() override;
    void RepaintIfDue();
    void InvalidateChange();
    void BackGroundChange();
    void PropertyChanged(std::uint8_t Kind);

    bool IsLoading() const { return Loading(); }
    void GetIsDesigning(TObject* Sender, bool& Designing);

    void SaveImageToBitmap(const std::string& FileName);
    virtual void SavePropertiesToFile(const std::string& FileName);
    virtual void LoadPropertiesFromFile(const std::string& FileName);
    TTypeKind GetPropertyType(const std::string& Path);

    // The update interface.
    bool GetUpdateActive() const override { return FRepaint.UpdateActive(); }
    bool GetNeedsRepaint() const override { return FRepaint.NeedsRepaint(); }
    int GetUpdateFrameRate() const override { return FRepaint.UpdateFrameRate(); }
    std::int64_t GetLastUpdate() const override { return FRepaint.LastUpdate(); }

    /// Runs the buffered paint into Canvas as a paint message would (also used by tests and
    /// by exports that need the whole picture).
    void PaintTo(TCanvas& Canvas);

    TiPaintEvent OnPaint;

protected:
    virtual bool InternalTimerActive() = 0;
    virtual void StartInternalTimer(int FirstDelay, int Interval) = 0;
    virtual void StopInternalTimer() = 0;
    virtual bool OPCPropertyChanged(const std::string& PropertyName, const TiVariant& Value);

    virtual void DrawBackGround(TCanvas& Canvas, TColor Color);
    virtual void DrawBorder(TCanvas& Canvas);

    virtual void iSetFocus();
    virtual void iKillFocus();
    virtual void iWantSpecialKey(Word& CharCode, std::intptr_t& Result);
    virtual void iKeyUp(Word& Key, TShiftState Shift);
    virtual void iKeyDown(Word& Key, TShiftState Shift);
    virtual void iKeyPress(char16_t& Key);
    virtual void iMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void iMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void iMouseMove(TShiftState Shift, int X, int Y);
    virtual void iDoubleClick();
    virtual bool iMouseWheel(int WheelDelta, TShiftState Shift, TPoint MousePos);
    virtual void iPaint(TCanvas& Canvas) = 0;

    void SetBooleanProp(bool Value, bool& Field, std::uint8_t Kind);
    void SetIntegerProp(int Value, int& Field, std::uint8_t Kind);
    void SetColorProp(TColor Value, TColor& Field, std::uint8_t Kind);

    void Paint() override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyUp(Word& Key, TShiftState Shift) override;
    void KeyPress(char16_t& Key) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void DblClick() override;

    /// Runs an input handler with FUserGenerated set, reset on every path.
    template <class F>
    void userInput(F&& handler)
    {
        const bool before = FUserGenerated;
        FUserGenerated = true;
        try {
            handler();
        } catch (...) {
            FUserGenerated = before;
            throw;
        }
        FUserGenerated = before;
    }
    /// The same, swallowing the library's exceptions.
    template <class F>
    void userInputSwallowed(F&& handler)
    {
        userInput([&] {
            try {
                handler();
            } catch (const std::exception&) {
            }
        });
    }
    template <class T>
    void setProp(T Value, T& Field, std::uint8_t Kind)
    {
        if (Value == Field)
            return;
        Field = Value;
        PropertyChanged(Kind);
    }

    TChangePropertyEvent OnChangeProtected;
    TRequestEditEvent OnRequestEdit;
    bool FBackGroundChanged = true;

private:
    TiRepaintRule FRepaint;
    TColor FBackGroundColor = clBtnFace;
    TiBevelStyle FBorderStyle = ibsNone;
    bool FHasFocus = false;
    bool FCachedDrawing = true;
    bool FOptionSaveAllProperties = false;
    bool FUserGenerated = false;
    bool FErrorActive = false;
    std::string FErrorText = "Error";
    TColor FErrorBackGroundColor = 0;
    TFont FErrorFont;
};

namespace qx {

/// Publishes TiComponent's properties in the property registry.
void registerPlotComponentClasses();

} // namespace qx
