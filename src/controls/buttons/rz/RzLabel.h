#pragma once
// TRzLabel: a label with panel-style borders, raised, recessed or shadowed text, rotated
// or arc text, blinking on the shared blink timer, a hover colour and caption condensing.

#include "controls/buttons/rz/RzBlinkingControlsList.h"
#include "controls/buttons/rz/RzFrameController.h"
#include "platform/gui/Label.h"

#include <cstdint>
#include <functional>

enum TCenterPoint {
    cpUpperLeft, cpUpperCenter, cpUpperRight, cpLeftCenter, cpCenter, cpRightCenter, cpLowerLeft, cpLowerCenter,
    cpLowerRight
};
enum TRotation { roNone, roFlat, roCurve };
enum TRzCondenseCaption { ccNone, ccAtEnd, ccWithinPath };

class TRzLabel : public TLabel, public IRzBlinkClient, public IRzFrameControllerClient
{
public:
    explicit TRzLabel(TComponent* AOwner);
    ~TRzLabel() override;

    int Angle() const { return angle_; }
    /// Any value is taken modulo 360 into 0..359.
    void SetAngle(int Value);
    bool Blinking() const { return blinking_; }
    void SetBlinking(bool Value);
    TColor BlinkColor() const { return blinkColor_; }
    void SetBlinkColor(TColor Value) { changePainted(blinkColor_, Value); }
    std::uint16_t BlinkIntervalOff() const;
    void SetBlinkIntervalOff(std::uint16_t Value);
    std::uint16_t BlinkIntervalOn() const;
    void SetBlinkIntervalOn(std::uint16_t Value);
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int Value) { resize(bevelWidth_, Value); }
    TFrameStyleEx BorderInner() const { return borderInner_; }
    void SetBorderInner(TFrameStyleEx Value) { resize(borderInner_, Value); }
    TFrameStyleEx BorderOuter() const { return borderOuter_; }
    void SetBorderOuter(TFrameStyleEx Value) { resize(borderOuter_, Value); }
    TSides BorderSides() const { return borderSides_; }
    void SetBorderSides(TSides Value) { resize(borderSides_, Value); }
    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor Value) { changePainted(borderColor_, Value); }
    TColor BorderHighlight() const { return borderHighlight_; }
    void SetBorderHighlight(TColor Value) { changePainted(borderHighlight_, Value); }
    TColor BorderShadow() const { return borderShadow_; }
    void SetBorderShadow(TColor Value) { changePainted(borderShadow_, Value); }
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int Value) { resize(borderWidth_, Value); }
    TRzCondenseCaption CondenseCaption() const { return condenseCaption_; }
    void SetCondenseCaption(TRzCondenseCaption Value);
    TColor FlatColor() const { return flatColor_; }
    void SetFlatColor(TColor Value) { changePainted(flatColor_, Value); }
    int FlatColorAdjustment() const { return flatColorAdjustment_; }
    void SetFlatColorAdjustment(int Value) { changePainted(flatColorAdjustment_, Value); }
    std::uint16_t FrameControllerNotifications() const { return notifications_; }
    void SetFrameControllerNotifications(std::uint16_t Value) { notifications_ = Value; }
    TRzFrameController* FrameController() const { return frameLink_.get(); }
    void SetFrameController(TRzFrameController* Value) { frameLink_.set(Value); }
    void ApplyFrameControllerSettings() override;
    TCenterPoint CenterPoint() const { return centerPoint_; }
    void SetCenterPoint(TCenterPoint Value) { changePainted(centerPoint_, Value); }
    TColor FlyByColor() const { return flyByColor_; }
    void SetFlyByColor(TColor Value) { changePainted(flyByColor_, Value); }
    bool FlyByEnabled() const { return flyByEnabled_; }
    void SetFlyByEnabled(bool Value);
    bool LightTextStyle() const { return lightTextStyle_; }
    void SetLightTextStyle(bool Value) { changePainted(lightTextStyle_, Value); }
    TRotation Rotation() const { return rotation_; }
    void SetRotation(TRotation Value);
    TColor HighlightColor() const { return highlightColor_; }
    void SetHighlightColor(TColor Value) { changePainted(highlightColor_, Value); }
    TColor ShadowColor() const { return shadowColor_; }
    void SetShadowColor(TColor Value) { changePainted(shadowColor_, Value); }
    int ShadowDepth() const { return shadowDepth_; }
    void SetShadowDepth(int Value) { changePainted(shadowDepth_, Value); }
    int TextMargin() const { return textMargin_; }
    void SetTextMargin(int Value) { changePainted(textMargin_, Value); }
    TTextStyle TextStyle() const { return textStyle_; }
    void SetTextStyle(TTextStyle Value) { changePainted(textStyle_, Value); }

    /// The colour the text is drawn in now (font colour or blink colour).
    TColor CurrentColor() const { return currentColor_; }
    void Loaded() override;

    bool BlinkQuery() override { return blinking_; }
    void BlinkStateChanged(TBlinkState State) override;

protected:
    void Paint() override;
    void Dispatch(TMessage& Message) override;
    void FontChanged() override;
    void TextChanged() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    /// The border setters store and size the label again; they do not repaint by themselves.
    template <class T>
    void resize(T& field, T value)
    {
        if (field == value)
            return;
        field = value;
        adjustSize();
    }
    /// With AutoSize: the text's extent grown by the borders, margins and shadow.
    void adjustSize();
    void setBlinkState(bool On);
    TRzPanelBorder border() const;
    /// Where rotated text hangs: a point and which part of the text lies on it.
    struct TextAnchor
    {
        int x, y;
        enum Kind { LeftTop, CentreTop, LeftBaseline, CentreBaseline } kind;
    };
    void drawFlatText(TCanvas& canvas);
    TextAnchor rotatedAnchor(TCanvas& canvas, const TRect& t) const;
    void drawRotatedText(TCanvas& canvas, const TRect& t);
    void drawArcText(TCanvas& canvas);
    void drawStyled(TCanvas& canvas, const std::function<void(int dx, int dy)>& draw, int shadowOffset);
    unsigned textFlags() const;

    int angle_ = 0;
    TColor blinkColor_ = clHighlight;
    bool blinking_ = false;
    int bevelWidth_ = 1;
    TFrameStyleEx borderInner_ = fsNone, borderOuter_ = fsNone;
    TSides borderSides_ = kAllSides;
    TColor borderColor_ = clBtnFace, borderHighlight_ = clBtnHighlight, borderShadow_ = clBtnShadow;
    int borderWidth_ = 0;
    TColor flatColor_ = clBtnShadow;
    int flatColorAdjustment_ = 30;
    std::uint16_t notifications_ = kAllFrameControllerNotifications;
    TColor fontColor_ = clWindowText;
    TCenterPoint centerPoint_ = cpCenter;
    TColor origColor_ = clWindowText;
    TColor flyByColor_ = clHighlight;
    bool flyByEnabled_ = false;
    bool lightTextStyle_ = false;
    TTextStyle textStyle_ = tsNormal;
    TRotation rotation_ = roNone;
    TColor highlightColor_ = clBtnHighlight, shadowColor_ = clBtnShadow;
    int shadowDepth_ = 2;
    int textMargin_ = 0;
    TRzCondenseCaption condenseCaption_ = ccNone;
    TColor currentColor_ = clWindowText;
    qx::rz::FrameControllerLink frameLink_{*this};
};
