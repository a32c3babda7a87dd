#pragma once
// TRzBmpButton: a push or toggle button whose face is a set of pictures (up, focused,
// disabled, pressed, stay-down, hot) with one transparent colour. Buttons with a GroupIndex
// toggle and form exclusive groups among the children of one parent.

#include "controls/buttons/rz/RzCommon.h"
#include "platform/gui/Control.h"
#include "platform/gui/Form.h"
#include "platform/gui/canvas/Bitmap.h"

#include <string>

enum TButtonBorder { bbNone, bbSingle, bbButton };
enum TBtnSize { bszNeither, bszButtonToBitmap, bszStretchToButton, bszTileToButton };
enum TButtonStyle { bsAutoDetect, bsWin31, bsNew };
enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

/// The six pictures of a bitmap button and their transparent colour.
class TRzButtonBitmaps : public TPersistent
{
public:
    enum Kind { kUp, kUpAndFocused, kDisabled, kDown, kStayDown, kHot, kCount };

    TRzButtonBitmaps();

    const TBitmap& Picture(Kind kind) const { return pictures_[kind]; }
    virtual void SetPicture(Kind kind, const TBitmap& Value);
    /// Layout form: a picture by artwork name ("" for none).
    const std::string& PictureName(Kind kind) const { return names_[kind]; }
    void SetPictureName(Kind kind, const std::string& Value);

    const TBitmap& Up() const { return pictures_[kUp]; }
    const TBitmap& Down() const { return pictures_[kDown]; }
    const TBitmap& StayDown() const { return pictures_[kStayDown]; }
    const TBitmap& Hot() const { return pictures_[kHot]; }
    const TBitmap& Disabled() const { return pictures_[kDisabled]; }
    const TBitmap& UpAndFocused() const { return pictures_[kUpAndFocused]; }

    TColor TransparentColor() const { return transparentColor_; }
    virtual void SetTransparentColor(TColor Value);

    TNotifyEvent OnChange;

private:
    void changed() { qx::fire(OnChange, this); }

    TBitmap pictures_[kCount];
    std::string names_[kCount];
    TColor transparentColor_ = clOlive;
};

class TRzBmpButton : public TCustomControl
{
public:
    enum VisualState { stUp, stDisabled, stPressed, stStayDown };

    explicit TRzBmpButton(TComponent* AOwner);
    ~TRzBmpButton() override;

    TRzButtonBitmaps* Bitmaps() { return &bitmaps_; }
    bool Down() const { return down_; }
    /// Sets Down from code: no event. Without a GroupIndex it stays up; a down button whose
    /// AllowAllUp is off stays down; going down releases the group's other down button.
    virtual void SetDown(bool Value);
    bool AllowAllUp() const { return allowAllUp_; }
    virtual void SetAllowAllUp(bool Value);
    int GroupIndex() const { return groupIndex_; }
    virtual void SetGroupIndex(int Value);
    int CaptionDownOffset() const { return captionDownOffset_; }
    void SetCaptionDownOffset(int Value) { changePainted(captionDownOffset_, Value); }
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult Value) { modalResult_ = Value; }
    TButtonBorder ButtonBorder() const { return buttonBorder_; }
    void SetButtonBorder(TButtonBorder Value);
    bool ShowDownPattern() const { return showDownPattern_; }
    void SetShowDownPattern(bool Value) { changePainted(showDownPattern_, Value); }
    bool ShowFocus() const { return showFocus_; }
    void SetShowFocus(bool Value) { changePainted(showFocus_, Value); }
    TBtnSize ButtonSize() const { return buttonSize_; }
    void SetButtonSize(TBtnSize Value);
    TButtonStyle ButtonStyle() const { return buttonStyle_; }
    void SetButtonStyle(TButtonStyle Value);
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout Value) { changePainted(layout_, Value); }
    int Margin() const { return margin_; }
    void SetMargin(int Value);
    int Spacing() const { return spacing_; }
    void SetSpacing(int Value) { changePainted(spacing_, Value); }

    VisualState State() const { return state_; }
    /// Presses the button as a user would: the form's ModalResult, then OnClick.
    void Click() override;
    void Loaded() override;

    /// Called on every sibling of one parent when a member of group GroupIndex changes.
    void GroupChanged(int GroupIndex, TRzBmpButton* Sender);

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyUp(Word& Key, TShiftState Shift) override;
    void DblClick() override;
    void DoEnter() override;
    void DoExit() override;
    void Dispatch(TMessage& Message) override;
    void EnabledChanged() override { Invalidate(); }
    void TextChanged() override { Invalidate(); }
    void FontChanged() override { Invalidate(); }

private:
    bool inside(int X, int Y) const { return X >= 0 && X < ClientWidth() && Y >= 0 && Y <= ClientHeight(); }
    void notifyGroup();
    void finishClick(bool Inside);
    void fitToBitmap();
    bool newLook() const { return buttonStyle_ != bsWin31; }
    const TBitmap* choosePicture(TBitmap& embossed) const;
    void layout(TCanvas& canvas, const TRect& client, const TBitmap* picture, TRect& captionRect, TRect& pictureRect) const;

    TRzButtonBitmaps bitmaps_;
    int groupIndex_ = 0;
    bool down_ = false;
    int captionDownOffset_ = 1;
    bool dragging_ = false;
    bool allowAllUp_ = false;
    TButtonLayout layout_ = blGlyphLeft;
    int spacing_ = 4;
    int margin_ = -1;
    TButtonStyle buttonStyle_ = bsAutoDetect;
    TButtonBorder buttonBorder_ = bbNone;
    TBtnSize buttonSize_ = bszButtonToBitmap;
    bool showFocus_ = true;
    bool showDownPattern_ = true;
    bool hasFocus_ = false;
    TModalResult modalResult_ = mrNone;
    VisualState state_ = stUp;
    bool mouseOver_ = false;
};

namespace qx::rz {
/// The embossed picture a disabled button shows when it has no Disabled picture.
TBitmap embossedImage(const TBitmap& up);
/// The 8 x 8 down pattern: clBtnFace with white where x and y have the same parity.
const TBitmap& downPattern();
} // namespace qx::rz
