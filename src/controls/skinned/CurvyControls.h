#pragma once
// The rounded value box: a rounded panel whose corners show the parent (TCurvyPanel), with a row
// of picture buttons (TCurvyControlPanel), hosting one borderless inner edit (TCurvyEdit). The
// box re-raises the inner edit's events with itself as the sender.

#include "controls/skinned/AdvGDIPPicture.h"
#include "platform/gui/Collection.h"
#include "platform/gui/Control.h"
#include "platform/gui/Edit.h"

#include <functional>
#include <memory>
#include <string>

class TCanvas;

/// A rounded body in Color with a BorderColor outline and a light inner top shadow.
class TCurvyPanel : public TCustomControl
{
public:
    explicit TCurvyPanel(TComponent* AOwner);

    // The body colour. The control itself stays without a colour so that its window shows the
    // parent outside the rounded outline.
    TColor Color() const { return bodyColor_; }
    void SetColor(TColor Value);
    int Rounding() const { return rounding_; }
    void SetRounding(int Value);
    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor Value);
    int IndentLeft() const { return indentLeft_; }
    int IndentRight() const { return indentRight_; }

    // Draws the panel onto a canvas of the client size (the parent beneath is left as it was).
    virtual void PaintTo(TCanvas& canvas);

protected:
    void Paint() override;
    virtual void BodyColorChanged() { Invalidate(); }

    int indentLeft_ = 0, indentRight_ = 0;

private:
    TColor bodyColor_ = clWindow;
    int rounding_ = 8;
    TColor borderColor_ = 0x808080;
    static constexpr TColor kShadowColor = 0xD9D9D9;
};

enum TControlPosition
{
    cpLeftInControl,
    cpRightInControl,
    cpLeft,
    cpRight
};
enum TControlState
{
    csNormal,
    csHover,
    csDown
};

/// One picture button of the panel.
class TCurvyControl : public TCollectionItem
{
public:
    explicit TCurvyControl(TCollection* Collection);

    bool DropDown() const { return dropDown_; }
    void SetDropDown(bool Value);
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& Value) { hint_ = Value; }
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int Value);
    int ImageIndexHover() const { return imageIndexHover_; }
    void SetImageIndexHover(int Value) { imageIndexHover_ = Value; }
    int ImageIndexDown() const { return imageIndexDown_; }
    void SetImageIndexDown(int Value) { imageIndexDown_ = Value; }
    TControlPosition Position() const { return position_; }
    void SetPosition(TControlPosition Value);
    TAdvGDIPPicture& Picture() const { return *picture_; }
    TAdvGDIPPicture& PictureHover() const { return *pictureHover_; }
    TAdvGDIPPicture& PictureDown() const { return *pictureDown_; }
    TControlState State() const { return state_; }
    void SetState(TControlState Value) { state_ = Value; }

    // Width (picture width + 2, + 5 with the drop-down arrow) and height of the button.
    int ControlWidth() const;
    int ControlHeight() const;

    void Assign(const TPersistent& Source) override;

private:
    void changed();

    bool dropDown_ = false;
    std::string hint_;
    int imageIndex_ = -1, imageIndexHover_ = -1, imageIndexDown_ = -1;
    TControlPosition position_ = cpRightInControl;
    std::unique_ptr<TAdvGDIPPicture> picture_, pictureHover_, pictureDown_;
    TControlState state_ = csNormal;
};

/// The panel's buttons and the pixel sums of each position.
class TCurvyControls : public TCollection
{
public:
    TCurvyControls();
    TCurvyControl* Add() { return static_cast<TCurvyControl*>(TCollection::Add()); }
    TCurvyControl* Control(int Index) const { return static_cast<TCurvyControl*>(Items(Index)); }
    void CalcSizes();

    int LeftSize = 0, LeftControlSize = 0, RightSize = 0, RightControlSize = 0;
};

using TControlClickEvent = std::function<void(TObject* Sender, int Index)>;

class TCurvyControlPanel : public TCurvyPanel
{
public:
    explicit TCurvyControlPanel(TComponent* AOwner);
    ~TCurvyControlPanel() override;

    TCurvyControls& Controls() const { return *controls_; }
    std::string Version() const { return "1.0.3.1"; }
    void SetVersion(const std::string&) {}

    // The button under x (only x is tested, strictly inside), -1 when none; draws them with a canvas.
    int LayoutControls(int x, TCanvas* canvas = nullptr);
    int ControlAtPos(int x) { return LayoutControls(x); }
    // Recomputes the sizes and indents and places the edit; run after every change of the buttons.
    void ControlsChanged();

    void PaintTo(TCanvas& canvas) override;
    void Loaded() override;

    TControlClickEvent OnControlClick;

protected:
    virtual void DoControlClick(int Index) { qx::fire(OnControlClick, this, Index); }
    virtual void UpdateEditPosition() {}
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void Dispatch(TMessage& Message) override;

private:
    void drawControl(TCanvas& canvas, const TCurvyControl& control, int x, int y);

    std::unique_ptr<TCurvyControls> controls_;
};

/// The inner edit: frameless, so only the rounded body shows round it. While
/// empty it shows EmptyText in grey, or else its cue text TextHint.
class TEmptyEdit : public TEdit
{
public:
    explicit TEmptyEdit(TComponent* AOwner);

    const std::string& EmptyText() const { return emptyText_; }
    void SetEmptyText(const std::string& Value);
    const std::string& Hint() const { return textHint_; }
    void SetHint(const std::string& Value);

private:
    void showPlaceholder();

    std::string emptyText_;
    std::string textHint_;
};

class TCurvyEdit : public TCurvyControlPanel
{
public:
    explicit TCurvyEdit(TComponent* AOwner);

    TEmptyEdit& Edit() const { return *edit_; }

    // The inner edit's text; writing another text raises OnChange once, the same text nothing.
    const std::string& Text() const { return edit_->Text(); }
    void SetText(const std::string& Value) { edit_->SetText(Value); }
    bool Enabled() const { return edit_->Enabled(); }
    void SetEnabled(bool Value) override { edit_->SetEnabled(Value); }
    bool TabStop() const { return edit_->TabStop(); }
    void SetTabStop(bool Value) { edit_->SetTabStop(Value); }
    bool ReadOnly() const { return edit_->ReadOnly(); }
    void SetReadOnly(bool Value) { edit_->SetReadOnly(Value); }
    TAlignment Alignment() const { return edit_->Alignment(); }
    void SetAlignment(TAlignment Value) { edit_->SetAlignment(Value); }
    bool AutoSelect() const { return edit_->AutoSelect(); }
    void SetAutoSelect(bool Value) { edit_->SetAutoSelect(Value); }
    int MaxLength() const { return edit_->MaxLength(); }
    void SetMaxLength(int Value) { edit_->SetMaxLength(Value); }
    bool NumbersOnly() const { return edit_->NumbersOnly(); }
    void SetNumbersOnly(bool Value) { edit_->SetNumbersOnly(Value); }
    TEditCharCase CharCase() const { return edit_->CharCase(); }
    void SetCharCase(TEditCharCase Value) { edit_->SetCharCase(Value); }
    // Kept for the layouts: the platform edit keeps its selection shown.
    bool HideSelection() const { return hideSelection_; }
    void SetHideSelection(bool Value) { hideSelection_ = Value; }
    const std::string& TextHint() const { return edit_->Hint(); }
    void SetTextHint(const std::string& Value) { edit_->SetHint(Value); }
    const std::string& EmptyText() const { return edit_->EmptyText(); }
    void SetEmptyText(const std::string& Value) { edit_->SetEmptyText(Value); }

    // Puts the inner edit's caret behind the last character without changing the text or raising
    // an event: what the editors do after rewriting a refused entry.
    void CaretToEnd();
    void SetFocus() override { edit_->SetFocus(); }
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

    // The box's own events, raised for the inner edit's with the box as Sender.
    TNotifyEvent OnChange, OnClick, OnDblClick, OnEnter, OnExit;
    TKeyEvent OnKeyDown, OnKeyUp;
    TKeyPressEvent OnKeyPress;
    TMouseEvent OnMouseDown, OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TNotifyEvent OnMouseEnter, OnMouseLeave;

protected:
    void UpdateEditPosition() override;
    void BodyColorChanged() override;
    void FontChanged() override;
    void Resize() override;

private:
    void forwardEvents();

    TEmptyEdit* edit_ = nullptr;
    bool hideSelection_ = true;
    static constexpr int kBoxHeight = 24;
};
