#pragma once
// TRzFrameController: one set of frame and colour settings pushed into every control linked
// to it, saved to and loaded from a TRzRegIniFile.

#include "controls/buttons/rz/RzCommon.h"
#include "controls/buttons/rz/RzRegIniFile.h"
#include "platform/gui/Component.h"

#include <cstdint>
#include <string>
#include <vector>

class TControl;

enum TRzFrameControllerProperty {
    fcpColor, fcpFocusColor, fcpDisabledColor, fcpReadOnlyColor, fcpReadOnlyColorOnFocus, fcpParentColor,
    fcpFlatButtonColor, fcpFlatButtons, fcpFrameColor, fcpFrameHotColor, fcpFrameHotTrack, fcpFrameHotStyle,
    fcpFrameSides, fcpFrameStyle, fcpFrameVisible, fcpFramingPreference, fcpAll
};

/// A control that applies the controller's settings itself (reading the controller).
class IRzFrameControllerClient
{
public:
    virtual void ApplyFrameControllerSettings() = 0;

protected:
    ~IRzFrameControllerClient() = default;
};

class TRzFrameController : public TComponent
{
public:
    explicit TRzFrameController(TComponent* AOwner);
    ~TRzFrameController() override;

    TColor Color() const { return color_; }
    void SetColor(TColor Value);
    TColor DisabledColor() const { return disabledColor_; }
    void SetDisabledColor(TColor Value) { change(disabledColor_, Value, fcpDisabledColor); }
    TColor ReadOnlyColor() const { return readOnlyColor_; }
    void SetReadOnlyColor(TColor Value) { change(readOnlyColor_, Value, fcpReadOnlyColor); }
    bool ReadOnlyColorOnFocus() const { return readOnlyColorOnFocus_; }
    void SetReadOnlyColorOnFocus(bool Value) { change(readOnlyColorOnFocus_, Value, fcpReadOnlyColorOnFocus); }
    TColor FlatButtonColor() const { return flatButtonColor_; }
    void SetFlatButtonColor(TColor Value) { change(flatButtonColor_, Value, fcpFlatButtonColor); }
    bool FlatButtons() const { return flatButtons_; }
    void SetFlatButtons(bool Value) { change(flatButtons_, Value, fcpFlatButtons); }
    TColor FocusColor() const { return focusColor_; }
    void SetFocusColor(TColor Value) { change(focusColor_, Value, fcpFocusColor); }
    TColor FrameColor() const { return frameColor_; }
    void SetFrameColor(TColor Value) { change(frameColor_, Value, fcpFrameColor); }
    TColor FrameHotColor() const { return frameHotColor_; }
    void SetFrameHotColor(TColor Value) { change(frameHotColor_, Value, fcpFrameHotColor); }
    TFrameStyle FrameHotStyle() const { return frame_.hotStyle; }
    void SetFrameHotStyle(TFrameStyle Value) { change(frame_.hotStyle, Value, fcpFrameHotStyle); }
    bool FrameHotTrack() const { return frame_.hotTrack; }
    void SetFrameHotTrack(bool Value);
    TSides FrameSides() const { return frame_.sides; }
    void SetFrameSides(TSides Value) { change(frame_.sides, Value, fcpFrameSides); }
    TFrameStyle FrameStyle() const { return frame_.style; }
    void SetFrameStyle(TFrameStyle Value) { change(frame_.style, Value, fcpFrameStyle); }
    bool FrameVisible() const { return frame_.visible; }
    void SetFrameVisible(bool Value) { change(frame_.visible, Value, fcpFrameVisible); }
    TFramingPreference FramingPreference() const { return frame_.framingPreference; }
    void SetFramingPreference(TFramingPreference Value) { change(frame_.framingPreference, Value, fcpFramingPreference); }
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool Value);
    TRzRegIniFile* RegIniFile() const { return regIniFile_; }
    void SetRegIniFile(TRzRegIniFile* Value);

    void Assign(const TPersistent& Source) override;
    void BeginUpdate() { ++updateCount_; }
    void EndUpdate();
    void UpdateControls() { updateAll(fcpAll); }
    void AddControl(TControl* Control);
    void RemoveControl(TControl* Control);
    int ControlCount() const { return static_cast<int>(controls_.size()); }

    /// Reads the settings from a section of RegIniFile; values out of range take the
    /// default. Throws ENoRegIniFile without a RegIniFile.
    void Load(const std::string& Section);
    void Save(const std::string& Section);
    void Loaded() override;

    /// Old property names of earlier versions, accepted when reading a layout.
    void ReadOldFrameFlat(bool Value);
    void ReadOldFrameFocusStyle(TFrameStyle Value) { frame_.hotStyle = Value; }

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    template <class T>
    void change(T& field, T value, TRzFrameControllerProperty index)
    {
        if (field == value)
            return;
        field = value;
        updateAll(index);
    }
    void updateAll(TRzFrameControllerProperty index);
    void updateControl(TControl* control, TRzFrameControllerProperty index);

    TColor color_ = clWindow;
    bool parentColor_ = false;
    TColor flatButtonColor_ = clBtnFace;
    bool flatButtons_ = true;
    TColor disabledColor_ = clBtnFace;
    TColor readOnlyColor_ = clInfoBk;
    bool readOnlyColorOnFocus_ = false;
    TColor focusColor_ = clWindow;
    TColor frameColor_ = clBtnShadow;
    TColor frameHotColor_ = clBtnShadow;
    qx::rz::FrameLook frame_;
    int updateCount_ = 0;
    TRzRegIniFile* regIniFile_ = nullptr;
    std::vector<TControl*> controls_;
};

namespace qx::rz {

/// A control's link to its frame controller: it joins the controller's list, follows its
/// removal and leaves the list when the control goes.
class FrameControllerLink
{
public:
    explicit FrameControllerLink(TControl& owner) : owner_(owner) {}
    ~FrameControllerLink();
    FrameControllerLink(const FrameControllerLink&) = delete;
    FrameControllerLink& operator=(const FrameControllerLink&) = delete;

    TRzFrameController* get() const { return controller_; }
    void set(TRzFrameController* controller);
    /// Call from the owner's Notification: clears the link when the controller goes.
    void removed(TComponent* component);

private:
    TControl& owner_;
    TRzFrameController* controller_ = nullptr;
};

/// The panel family's way of applying the settings: the frame style, sides and colour,
/// and the control's colours, by the control's notification set.
template <class C>
void applyPanelFrameSettings(C& control, const TRzFrameController& fc, std::uint16_t notifications)
{
    if (!fc.FrameVisible())
        return;
    auto wants = [notifications](TRzFrameControllerProperty p) { return (notifications >> p) & 1u; };
    if (wants(fcpFrameStyle))
        control.SetBorderOuter(fc.FrameStyle());
    if (wants(fcpFrameSides))
        control.SetBorderSides(fc.FrameSides());
    if (wants(fcpFrameColor)) {
        control.SetFlatColor(fc.FrameColor());
        control.SetFlatColorAdjustment(0);
    }
    if (wants(fcpColor))
        control.SetColor(fc.Color());
    if (wants(fcpParentColor))
        control.SetParentColor(fc.ParentColor());
    if (wants(fcpColor)) {
        control.SetBorderHighlight(ColorLightenedBy(control.Color(), 100));
        control.SetBorderShadow(ColorDarkenedBy(control.Color(), 50));
    }
    control.Invalidate();
}

} // namespace qx::rz
