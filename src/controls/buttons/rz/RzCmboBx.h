#pragma once
// TRzComboBox: the combo box with colours for focused, disabled and read-only states, a
// read-only mode, incremental search with a 1500 ms timeout in the list styles, wheel
// stepping and a Values list parallel to Items.

#include "controls/buttons/rz/RzCommon.h"
#include "controls/buttons/rz/RzFrameController.h"
#include "platform/gui/ComboBox.h"
#include "platform/gui/Strings.h"

#include <cstdint>
#include <memory>
#include <string>

class TTimer;

class TRzComboBox : public TComboBox
{
public:
    /// The search string is forgotten this long after the last typed key.
    static constexpr unsigned kSearchDelayMs = 1500;

    explicit TRzComboBox(TComponent* AOwner);
    ~TRzComboBox() override;

    bool AllowEdit() const { return allowEdit_; }
    void SetAllowEdit(bool Value) { allowEdit_ = Value; }
    bool AutoComplete() const { return autoComplete_; }
    void SetAutoComplete(bool Value) { autoComplete_ = Value; }
    bool BeepOnInvalidKey() const { return beepOnInvalidKey_; }
    void SetBeepOnInvalidKey(bool Value) { beepOnInvalidKey_ = Value; }
    TColor DisabledColor() const { return disabledColor_; }
    void SetDisabledColor(TColor Value);
    int DropDownWidth() const { return dropDownWidth_; }
    void SetDropDownWidth(int Value) { dropDownWidth_ = Value; }
    TColor FlatButtonColor() const { return flatButtonColor_; }
    void SetFlatButtonColor(TColor Value) { changePainted(flatButtonColor_, Value); }
    bool FlatButtons() const { return flatButtons_; }
    void SetFlatButtons(bool Value) { changePainted(flatButtons_, Value); }
    TColor FocusColor() const { return focusColor_; }
    void SetFocusColor(TColor Value);
    TColor FrameColor() const { return frameColor_; }
    void SetFrameColor(TColor Value) { changePainted(frameColor_, Value); }
    std::uint16_t FrameControllerNotifications() const { return notifications_; }
    void SetFrameControllerNotifications(std::uint16_t Value) { notifications_ = Value; }
    TRzFrameController* FrameController() const { return frameLink_.get(); }
    void SetFrameController(TRzFrameController* Value) { frameLink_.set(Value); }
    /// Old property names of earlier versions, accepted when reading a layout.
    void ReadOldFrameFlat(bool Value);
    void ReadOldFrameFocusStyle(TFrameStyle Value) { frame_.hotStyle = Value; }
    TColor FrameHotColor() const { return frameHotColor_; }
    void SetFrameHotColor(TColor Value) { changePainted(frameHotColor_, Value); }
    bool FrameHotTrack() const { return frame_.hotTrack; }
    void SetFrameHotTrack(bool Value);
    TFrameStyle FrameHotStyle() const { return frame_.hotStyle; }
    void SetFrameHotStyle(TFrameStyle Value) { changePainted(frame_.hotStyle, Value); }
    TSides FrameSides() const { return frame_.sides; }
    void SetFrameSides(TSides Value) { changePainted(frame_.sides, Value); }
    TFrameStyle FrameStyle() const { return frame_.style; }
    void SetFrameStyle(TFrameStyle Value) { changePainted(frame_.style, Value); }
    bool FrameVisible() const { return frame_.visible; }
    void SetFrameVisible(bool Value) { changePainted(frame_.visible, Value); }
    TFramingPreference FramingPreference() const { return frame_.framingPreference; }
    void SetFramingPreference(TFramingPreference Value) { frame_.framingPreference = Value; }
    bool KeepSearchCase() const { return keepSearchCase_; }
    void SetKeepSearchCase(bool Value) { keepSearchCase_ = Value; }
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool Value);
    TColor ReadOnlyColor() const { return readOnlyColor_; }
    void SetReadOnlyColor(TColor Value);
    bool ReadOnlyColorOnFocus() const { return readOnlyColorOnFocus_; }
    void SetReadOnlyColorOnFocus(bool Value) { readOnlyColorOnFocus_ = Value; }
    bool TabOnEnter() const { return tabOnEnter_; }
    void SetTabOnEnter(bool Value) { tabOnEnter_ = Value; }
    TStrings* Values() { return &values_; }

    // Item methods.
    int Add(const std::string& S) { return Items()->Add(S); }
    void Delete(int Index) { Items()->Delete(Index); }
    void ClearItems() { Items()->Clear(); }
    int IndexOf(const std::string& S) const { return Items()->IndexOf(S); }
    int Count() const { return Items()->Count(); }
    bool FindItem(const std::string& S);
    bool FindClosestItem(const std::string& S);
    /// The first item that begins with text, ignoring case; -1 when none.
    int FindPrefix(const std::string& Text) const;
    void ClearSearchString() { searchString_.clear(); }
    /// Width of the dropped list: DropDownWidth when positive, else the widest item (plus a
    /// scroll bar when not all items fit, plus 8), never narrower than the combo.
    int ListWidth();
    /// Sets Text (when it differs) without completing it from the list.
    void ForceText(const std::string& Value);
    const std::string& SearchString() const { return searchString_; }
    void ClearItemsValues();
    void AddItemValue(const std::string& Item, const std::string& Value);
    /// The value of item i: its Values entry when not empty, else the item text.
    std::string ValueOfItem(int Index) const;
    std::string Value() const;
    void SetValue(const std::string& Value) { setValue(Value, false); }

    TNotifyEvent OnMatch;
    TNotifyEvent OnNotInList;

protected:
    /// A key that matches nothing: beeps when BeepOnInvalidKey.
    virtual void InvalidKey();
    void KeyPress(char16_t& Key) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override;
    void DoEnter() override;
    void DoExit() override;
    void EnabledChanged() override;
    void ColorChanged() override;
    void Change() override;
    void Click() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Dispatch(TMessage& Message) override;
    /// Draws the flat frame and drop button over the toolkit's combo box.
    void PaintOver(TCanvas& Canvas) override;

private:
    bool listStyle() const { return Style() != csDropDown && Style() != csSimple; }
    bool listMatch(const std::string& text);
    /// Completes typed text from the first item it begins; false when none does.
    bool autoCompleteMatch(const std::string& text);
    void editableKey(char16_t& Key);
    void editableBackspace(char16_t& Key);
    void hotChanged();
    void searchBackspace();
    void restartSearchTimer();
    void searchTimerFired();
    void updateColor();
    void setValue(const std::string& v, bool force);
    void pick(int index);

    bool allowEdit_ = true, autoComplete_ = true, beepOnInvalidKey_ = true;
    TColor disabledColor_ = clBtnFace;
    int dropDownWidth_ = 0;
    TColor flatButtonColor_ = clBtnFace;
    bool flatButtons_ = false;
    TColor focusColor_ = clWindow, frameColor_ = clBtnShadow, frameHotColor_ = clBtnShadow;
    std::uint16_t notifications_ = kAllFrameControllerNotifications;
    qx::rz::FrameLook frame_;
    bool keepSearchCase_ = false;
    bool readOnly_ = false;
    TColor readOnlyColor_ = clInfoBk;
    bool readOnlyColorOnFocus_ = false;
    bool tabOnEnter_ = false;
    TStringList values_;

    std::string searchString_;
    int keyCount_ = 0;
    std::unique_ptr<TTimer> searchTimer_;
    TColor normalColor_ = clWindow;
    bool hasFocus_ = false;
    bool mouseHot_ = false;
    bool updatingColor_ = false;
    std::string value_;
    bool inSetValue_ = false;
    bool forceSetValue_ = false;
    qx::rz::FrameControllerLink frameLink_{*this};
};
