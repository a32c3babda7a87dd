#pragma once
// TVrDemoButton, a text button whose caption font changes under the mouse, and
// TVrPowerButton, a toggle with a small LED; both draw through the off-screen image.

#include "controls/buttons/vr/VrControls.h"

class TVrDemoButton : public TVrCustomImageControl
{
public:
    explicit TVrDemoButton(TComponent* AOwner);

    const TFont& FontEnter() const { return fontEnter_; }
    void SetFontEnter(const TFont& Value) { fontEnter_ = Value; Changed(); }
    const TFont& FontLeave() const { return fontLeave_; }
    void SetFontLeave(const TFont& Value) { fontLeave_ = Value; Changed(); }
    TColor OutlineColor() const { return outlineColor_; }
    void SetOutlineColor(TColor Value) { change(outlineColor_, Value); }
    TColor ShadowColor() const { return shadowColor_; }
    void SetShadowColor(TColor Value) { change(shadowColor_, Value); }
    TColor HighlightColor() const { return highlightColor_; }
    void SetHighlightColor(TColor Value) { change(highlightColor_, Value); }
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int Value) { change(bevelWidth_, Value); }
    int OutlineWidth() const { return outlineWidth_; }
    void SetOutlineWidth(int Value) { change(outlineWidth_, Value); }
    TVrTextAlignment TextAlignment() const { return textAlignment_; }
    void SetTextAlignment(TVrTextAlignment Value) { change(textAlignment_, Value); }
    TColor DisabledTextColor() const { return disabledTextColor_; }
    void SetDisabledTextColor(TColor Value) { change(disabledTextColor_, Value); }
    TColor FocusColor() const { return focusColor_; }
    void SetFocusColor(TColor Value) { change(focusColor_, Value); }
    TVrFont3D* Font3D() { return &font3D_; }
    /// The tiled background picture, by artwork name in a layout.
    const std::string& BitmapResource() const { return bitmapResource_; }
    void SetBitmapResource(const std::string& Value);
    void SetBitmap(const TBitmap& Value);
    bool Flat() const { return flat_; }
    void SetFlat(bool Value) { change(flat_, Value); }
    bool IsDown() const { return down_; }

    /// Clicking from code raises nothing; OnClick comes only from a completed press.
    void Click() override {}

protected:
    void PaintImage() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyUp(Word& Key, TShiftState Shift) override;
    void Dispatch(TMessage& Message) override;
    void DoEnter() override;
    void DoExit() override;
    void EnabledChanged() override { Repaint(); }

private:
    template <class T>
    void change(T& field, T value)
    {
        if (field == value)
            return;
        field = value;
        Changed();
    }
    void press(int X, int Y);
    void raiseClick() { TControl::Click(); }

    TBitmap bitmap_;
    std::string bitmapResource_;
    TFont fontEnter_, fontLeave_;
    int bevelWidth_ = 2, outlineWidth_ = 1;
    TColor outlineColor_ = clBlack, shadowColor_ = clBtnShadow, highlightColor_ = clBtnHighlight;
    TColor focusColor_ = clBlue, disabledTextColor_ = clInactiveCaption;
    TVrTextAlignment textAlignment_ = vtaCenter;
    TVrFont3D font3D_;
    bool flat_ = false;
    bool hasMouse_ = false, focused_ = false, pressed_ = false, down_ = false;
};

class TVrPowerButton : public TVrCustomImageControl
{
public:
    explicit TVrPowerButton(TComponent* AOwner);

    bool Active() const { return active_; }
    /// Sets Active from code: repaints, raises no event.
    virtual void SetActive(bool Value);
    int LedWidth() const { return ledWidth_; }
    void SetLedWidth(int Value) { relayout(ledWidth_, std::max(Value, 1)); }
    int LedHeight() const { return ledHeight_; }
    void SetLedHeight(int Value) { relayout(ledHeight_, std::max(Value, 1)); }
    TVrImageTextLayout Layout() const { return layout_; }
    void SetLayout(TVrImageTextLayout Value) { relayout(layout_, Value); }
    int Margin() const { return margin_; }
    void SetMargin(int Value) { relayout(margin_, Value); }
    int Spacing() const { return spacing_; }
    void SetSpacing(int Value) { relayout(spacing_, Value); }
    TVrPalette* Palette() { return &palette_; }
    TColor FocusColor() const { return focusColor_; }
    void SetFocusColor(TColor Value) { change(focusColor_, Value); }
    TColor OutlineColor() const { return outlineColor_; }
    void SetOutlineColor(TColor Value) { change(outlineColor_, Value); }
    int OutlineWidth() const { return outlineWidth_; }
    void SetOutlineWidth(int Value) { change(outlineWidth_, Value); }
    TColor HighlightColor() const { return highlightColor_; }
    void SetHighlightColor(TColor Value) { change(highlightColor_, Value); }
    TColor ShadowColor() const { return shadowColor_; }
    void SetShadowColor(TColor Value) { change(shadowColor_, Value); }
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int Value) { change(bevelWidth_, Value); }
    TRect ImageRect() const { return imageRect_; }
    bool IsPressed() const { return pressed_; }

    void Click() override {}

protected:
    void PaintImage() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyUp(Word& Key, TShiftState Shift) override;
    void Dispatch(TMessage& Message) override;
    void DoEnter() override;
    void DoExit() override;
    void EnabledChanged() override { Repaint(); }

private:
    template <class T>
    void change(T& field, T value)
    {
        if (field == value)
            return;
        field = value;
        Changed();
    }
    template <class T>
    void relayout(T& field, T value)
    {
        if (field == value)
            return;
        field = value;
        calcLayout();
    }
    void calcLayout();

    bool active_ = false;
    int ledWidth_ = 12, ledHeight_ = 12;
    TVrImageTextLayout layout_ = ImageLeft;
    int margin_ = -1, spacing_ = 5;
    TVrPalette palette_;
    TColor focusColor_ = clBlue, outlineColor_ = clBlack, highlightColor_ = clBtnHighlight, shadowColor_ = clBtnShadow;
    int outlineWidth_ = 1, bevelWidth_ = 2;
    TRect imageRect_, textBounds_;
    bool focused_ = false, down_ = false, pressed_ = false;
    /// Space went down on the button, so its key-up toggles.
    bool spacePressed_ = false;
};
