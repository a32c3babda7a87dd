#include "controls/plot/base/iComponent.h"

#include "controls/plot/base/iClasses.h"
#include "controls/plot/base/iDrawing.h"
#include "controls/plot/base/iPropertyText.h"
#include "platform/gui/PropertyRegistry.h"
#include "platform/gui/StandardClasses.h"
#include "platform/gui/canvas/Bitmap.h"
#include "platform/gui/canvas/Edges.h"

#include <mutex>

TiComponent::TiComponent(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetControlStyle({csCaptureMouse, csClickEvents, csOpaque, csDoubleClicks, csReplicatable});
    FErrorFont.Color = clRed;
    FErrorFont.Style = fsBold;
    TiUpdateObject::Instance().AddUpdateControl(this);
}

TiComponent::~TiComponent()
{
    if (TiUpdateObject* timer = TiUpdateObject::Existing())
        timer->RemoveUpdateControl(this);
}

void TiComponent::SetErrorFont(const TFont& Value)
{
    FErrorFont = Value;
    InvalidateChange();
}

void TiComponent::SetAutoFrameRate(bool Value)
{
    if (FRepaint.AutoFrameRate() == Value)
        return;
    FRepaint.SetAutoFrameRate(Value);
    if (Value)
        BackGroundChange();
    else
        EndUpdate();
}

void TiComponent::SetUpdateFrameRate(int Value)
{
    if (Value == FRepaint.UpdateFrameRate())
        return;
    FRepaint.SetUpdateFrameRate(Value);
    BackGroundChange();
}

void TiComponent::SetEnabled(bool Value)
{
    TCustomControl::SetEnabled(Value);
    BackGroundChange();
}

void TiComponent::SetBorderStyle(TiBevelStyle Value)
{
    if (FBorderStyle == Value)
        return;
    FBorderStyle = Value;
    BackGroundChange();
}

void TiComponent::SetBackGroundColor(TColor Value) { SetColorProp(Value, FBackGroundColor, 1); }

void TiComponent::SetCachedDrawing(bool Value) { SetBooleanProp(Value, FCachedDrawing, 1); }

void TiComponent::EndUpdate()
{
    if (FRepaint.EndUpdate())
        RepaintNow();
}

void TiComponent::RepaintNow()
{
    FRepaint.Repainted();
    Invalidate();
}

void TiComponent::RepaintIfDue()
{
    if (FRepaint.Due())
        RepaintNow();
}

void TiComponent::InvalidateChange()
{
    if (FRepaint.Request())
        RepaintNow();
}

void TiComponent::BackGroundChange()
{
    FBackGroundChanged = true;
    InvalidateChange();
}

void TiComponent::PropertyChanged(std::uint8_t Kind)
{
    if (Kind == 0)
        InvalidateChange();
    else if (Kind == 1)
        BackGroundChange();
}

void TiComponent::SetBooleanProp(bool Value, bool& Field, std::uint8_t Kind) { setProp(Value, Field, Kind); }
void TiComponent::SetIntegerProp(int Value, int& Field, std::uint8_t Kind) { setProp(Value, Field, Kind); }
void TiComponent::SetColorProp(TColor Value, TColor& Field, std::uint8_t Kind) { setProp(Value, Field, Kind); }

void TiComponent::GetIsDesigning(TObject*, bool& Designing) { Designing = ComponentState().Contains(csDesigning); }

bool TiComponent::OPCPropertyChanged(const std::string&, const TiVariant&) { return false; }

void TiComponent::DrawBackGround(TCanvas& Canvas, TColor Color)
{
    FBackGroundChanged = false;
    Canvas.Brush().Style = bsSolid;
    Canvas.Brush().Color = Color;
    Canvas.FillRect({0, 0, Width(), Height()});
    DrawBorder(Canvas);
}

void TiComponent::DrawBorder(TCanvas& Canvas)
{
    TRect r{0, 0, Width(), Height()};
    if (FBorderStyle == ibsRaised)
        DrawEdge(Canvas, r, EDGE_RAISED, BF_RECT);
    else if (FBorderStyle == ibsLowered)
        DrawEdge(Canvas, r, EDGE_SUNKEN, BF_RECT);
}

void TiComponent::iSetFocus()
{
    FHasFocus = true;
    Invalidate();
}

void TiComponent::iKillFocus()
{
    try {
        FHasFocus = false;
        iMouseUp(mbLeft, {}, 0, 0);
        Invalidate();
    } catch (const std::exception&) {
    }
}

void TiComponent::iWantSpecialKey(Word&, std::intptr_t&) {}
void TiComponent::iKeyUp(Word&, TShiftState) {}
void TiComponent::iKeyDown(Word&, TShiftState) {}
void TiComponent::iKeyPress(char16_t&) {}
void TiComponent::iMouseDown(TMouseButton, TShiftState, int, int) {}
void TiComponent::iMouseUp(TMouseButton, TShiftState, int, int) {}
void TiComponent::iMouseMove(TShiftState, int, int) {}
void TiComponent::iDoubleClick() {}
bool TiComponent::iMouseWheel(int, TShiftState, TPoint) { return false; }

void TiComponent::Paint()
{
    if (TCanvas* canvas = Canvas())
        PaintTo(*canvas);
}

void TiComponent::PaintTo(TCanvas& Target)
{
    Lock();
    // The lock is released on every path, also when something other than the library's
    // exceptions leaves the drawing.
    struct Unlocker
    {
        TiComponent& control;
        ~Unlocker() { control.Unlock(); }
    } unlocker{*this};
    try {
        TBitmap offScreen(std::max(Width(), 0), std::max(Height(), 0));
        TCanvas& canvas = offScreen.Canvas();
        // Filled first, so a picture that draws nothing shows the background, not garbage.
        canvas.Brush().Style = bsSolid;
        canvas.Brush().Color = FBackGroundColor;
        canvas.FillRect({0, 0, Width(), Height()});
        canvas.Pen().Style = psSolid;
        try {
            iPaint(canvas);
        } catch (const std::exception& error) {
            TRect r = ClientRect();
            canvas.Brush().Style = bsSolid;
            canvas.Brush().Color = 0;
            canvas.FillRect(r);
            canvas.Font().Color = 0xFFFFFF;
            DrawTextFlags(canvas, error.what(), r, iTextFlags::WordBreak | iTextFlags::Left | iTextFlags::Top, true, 0);
        }
        qx::fire(OnPaint, this, &canvas);
        Target.Draw(0, 0, offScreen);
    } catch (const std::exception&) {
    }
}

void TiComponent::KeyDown(Word& Key, TShiftState Shift)
{
    userInputSwallowed([&] {
        TCustomControl::KeyDown(Key, Shift);
        iKeyDown(Key, Shift);
    });
}

void TiComponent::KeyUp(Word& Key, TShiftState Shift)
{
    userInputSwallowed([&] {
        TCustomControl::KeyUp(Key, Shift);
        iKeyUp(Key, Shift);
    });
}

void TiComponent::KeyPress(char16_t& Key)
{
    userInputSwallowed([&] {
        TCustomControl::KeyPress(Key);
        iKeyPress(Key);
    });
}

// Exceptions of button presses and releases are swallowed; those of moves propagate.
void TiComponent::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    userInputSwallowed([&] {
        iMouseDown(Button, Shift, X, Y);
        TCustomControl::MouseDown(Button, Shift, X, Y);
    });
}

void TiComponent::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    userInputSwallowed([&] {
        iMouseUp(Button, Shift, X, Y);
        TCustomControl::MouseUp(Button, Shift, X, Y);
    });
}

void TiComponent::MouseMove(TShiftState Shift, int X, int Y)
{
    userInput([&] {
        iMouseMove(Shift, X, Y);
        TCustomControl::MouseMove(Shift, X, Y);
    });
}

void TiComponent::DblClick()
{
    userInputSwallowed([&] {
        iDoubleClick();
        TCustomControl::DblClick();
    });
}

void TiComponent::SaveImageToBitmap(const std::string& FileName)
{
    TBitmap bitmap(Width(), Height());
    iPaint(bitmap.Canvas());
    std::string error;
    if (!bitmap.SaveToFile(FileName, &error))
        throw EiPlotError(error);
}

void TiComponent::SavePropertiesToFile(const std::string& FileName)
{
    try {
        std::vector<std::string> skip{"Name"};
        if (!FOptionSaveAllProperties)
            skip.insert(skip.end(), {"Left", "Top", "Width", "Height", "Align", "Cursor", "ShowHint", "Tag", "Visible",
                                     "Enabled", "Hint", "HelpContext"});
        const qx::ClassInfo* info = qx::ClassRegistry::instance().classOf(*this);
        std::vector<std::string> lines{"File Type = " + (info ? info->name() : std::string("TiComponent"))};
        qx::plot::SavePropertiesAsText(*this, "", lines, &skip, false);
        qx::plot::SaveLinesToFile(FileName, lines);
    } catch (const std::exception& error) {
        throw EiPlotError(std::string("Error Saving Properties - ") + error.what());
    }
}

void TiComponent::LoadPropertiesFromFile(const std::string& FileName)
{
    std::vector<std::string> lines;
    try {
        lines = qx::plot::LoadPropertyLinesFromFile(FileName);
    } catch (const std::exception& error) {
        throw EiPlotError(std::string("Error Loading Properties - ") + error.what());
    }
    BeginUpdate();
    // The bracket is closed on every path, so a failed load does not stop the repaints; a
    // file that fails anywhere changes nothing.
    try {
        qx::plot::SetPropertiesFromLines(*this, lines);
    } catch (const std::exception& error) {
        EndUpdate();
        throw EiPlotError(std::string("Error Loading Properties - ") + error.what());
    }
    EndUpdate();
}

TTypeKind TiComponent::GetPropertyType(const std::string& Path) { return qx::plot::PropertyTypeOf(*this, Path); }

namespace qx {

void registerPlotComponentClasses()
{
    static std::once_flag once;
    std::call_once(once, [] {
    registerStandardClasses();
    registerEnum<TiBevelStyle>("TiBevelStyle", {{"ibsNone", ibsNone}, {"ibsRaised", ibsRaised}, {"ibsLowered", ibsLowered}});
    registerClass<TiComponent, TCustomControl>("TiComponent")
        .property("OptionSaveAllProperties", &TiComponent::OptionSaveAllProperties,
                  &TiComponent::SetOptionSaveAllProperties)
        .defaultValue(false)
        .property("AutoFrameRate", &TiComponent::AutoFrameRate, &TiComponent::SetAutoFrameRate)
        .defaultValue(false)
        .property("UpdateFrameRate", &TiComponent::UpdateFrameRate, &TiComponent::SetUpdateFrameRate)
        .defaultValue(60);
    });
}

} // namespace qx
