#pragma once
// TRzCustomButton, the base of the family's push buttons (caption styles, vertical
// alignment, hot tracking, mouse and focus handling), and TRzButton, the push button with
// optional toggle groups, a ModalResult and a classic face in any colour.

#include "controls/buttons/rz/RzCommon.h"
#include "platform/gui/Control.h"
#include "platform/gui/ControlEnums.h"
#include "platform/gui/Form.h"

class TRzCustomButton : public TCustomControl
{
public:
    explicit TRzCustomButton(TComponent* AOwner);

    TAlignmentVertical AlignmentVertical() const { return alignmentVertical_; }
    void SetAlignmentVertical(TAlignmentVertical Value) { changePainted(alignmentVertical_, Value); }
    bool HotTrack() const { return hotTrack_; }
    virtual void SetHotTrack(bool Value) { changePainted(hotTrack_, Value); }
    TColor HighlightColor() const { return highlightColor_; }
    void SetHighlightColor(TColor Value) { changePainted(highlightColor_, Value); }
    TColor HotTrackColor() const { return hotTrackColor_; }
    void SetHotTrackColor(TColor Value) { changePainted(hotTrackColor_, Value); }
    TRzHotTrackColorType HotTrackColorType() const { return hotTrackColorType_; }
    void SetHotTrackColorType(TRzHotTrackColorType Value) { changePainted(hotTrackColorType_, Value); }
    bool LightTextStyle() const { return lightTextStyle_; }
    void SetLightTextStyle(bool Value) { changePainted(lightTextStyle_, Value); }
    TTextStyle TextStyle() const { return textStyle_; }
    void SetTextStyle(TTextStyle Value) { changePainted(textStyle_, Value); }
    int TextShadowDepth() const { return textShadowDepth_; }
    void SetTextShadowDepth(int Value) { changePainted(textShadowDepth_, Value); }
    TColor TextShadowColor() const { return textShadowColor_; }
    void SetTextShadowColor(TColor Value) { changePainted(textShadowColor_, Value); }
    TColor TextHighlightColor() const { return textHighlightColor_; }
    void SetTextHighlightColor(TColor Value) { changePainted(textHighlightColor_, Value); }
    bool ThemeAware() const { return themeAware_; }
    void SetThemeAware(bool Value) { changePainted(themeAware_, Value); }
    /// Themes are never on here, so the classic look is always drawn.
    bool UseThemes() const { return themeAware_ && qx::rz::kThemesEnabled; }

protected:
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void Dispatch(TMessage& Message) override;
    void TextChanged() override { Repaint(); }
    void EnabledChanged() override;
    void DoEnter() override;
    void DoExit() override;
    virtual void RepaintFace() {}
    virtual void ButtonClicked() = 0;
    /// Draws the caption with the text style into r.
    void DrawCaption(TCanvas& canvas, TRect r, unsigned flags);


    bool dragging_ = false;
    bool mouseOver_ = false;
    bool showDown_ = false;

private:
    TAlignmentVertical alignmentVertical_ = avCenter;
    bool hotTrack_ = false;
    TColor highlightColor_ = clHighlight;
    TColor hotTrackColor_ = 0x149BF0;
    TRzHotTrackColorType hotTrackColorType_ = htctActual;
    bool lightTextStyle_ = false;
    TTextStyle textStyle_ = tsNormal;
    int textShadowDepth_ = 2;
    TColor textShadowColor_ = clBtnShadow;
    TColor textHighlightColor_ = clBtnHighlight;
    bool themeAware_ = true;
};

class TRzButton : public TRzCustomButton
{
public:
    explicit TRzButton(TComponent* AOwner);

    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment Value) { changePainted(alignment_, Value); }
    bool AllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool Value);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool Value) { cancel_ = Value; }
    bool Default() const { return default_; }
    void SetDefault(bool Value) { default_ = Value; }
    bool DropDownOnEnter() const { return dropDownOnEnter_; }
    void SetDropDownOnEnter(bool Value) { dropDownOnEnter_ = Value; }
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int Value);
    bool Down() const { return down_; }
    /// Sets Down from code: no event (same rules as the bitmap button).
    virtual void SetDown(bool Value);
    TColor FrameColor() const { return frameColor_; }
    void SetFrameColor(TColor Value) { changePainted(frameColor_, Value); }
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult Value) { modalResult_ = Value; }
    bool ShowDownPattern() const { return showDownPattern_; }
    void SetShowDownPattern(bool Value) { changePainted(showDownPattern_, Value); }
    bool ShowFocusRect() const { return showFocusRect_; }
    void SetShowFocusRect(bool Value) { changePainted(showFocusRect_, Value); }

    /// Hot tracking draws a see-through rounded face; the parent shows in its corners.
    void SetHotTrack(bool Value) override;

    /// The form's ModalResult (when there is a form), then OnClick.
    void Click() override;
    void GroupChanged(int GroupIndex, TRzButton* Sender);

protected:
    void Paint() override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyUp(Word& Key, TShiftState Shift) override;
    void DoExit() override;
    /// Enter while active (default, or focused), Esc with Cancel, and the caption's accelerator.
    void Dispatch(TMessage& Message) override;
    void RepaintFace() override { Repaint(); }
    void ButtonClicked() override;

private:
    void notifyGroup();
    bool pressedLook() const;
    /// Drawn as the default button: focused, or Default while no other button has the focus.
    bool active() const;
    /// The hot-track face; b becomes the area inside its rings.
    void paintHotTrackFace(TCanvas& canvas, TRect& b);
    void paintClassicFace(TCanvas& canvas, TRect& b);

    TAlignment alignment_ = taCenter;
    bool allowAllUp_ = false, cancel_ = false, default_ = false, dropDownOnEnter_ = true;
    int groupIndex_ = 0;
    bool down_ = false;
    TColor frameColor_ = cl3DDkShadow;
    TModalResult modalResult_ = mrNone;
    bool showDownPattern_ = true, showFocusRect_ = true;
    bool keyToggle_ = false, clicking_ = false;
};
