#pragma once

#include "platform/gui/CanvasTypes.h"
#include "platform/gui/Component.h"
#include "platform/gui/Events.h"
#include "platform/gui/Messages.h"
#include "platform/sync/MessageTarget.h"

#include <memory>
#include <string>
#include <vector>

class QWidget;
class TCanvas;
class TRegion;
class TPopupMenu;
class TControl;
class TWinControl;

namespace qx {
class ControlBridge;
class MessageQueue;
/// The canvas a drawn control paints on, nullptr for other controls.
TCanvas* controlCanvas(const TControl* control);
} // namespace qx

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };

enum TAnchorKind { akLeft, akTop, akRight, akBottom };
using TAnchors = qx::EnumSet<TAnchorKind>;

enum TControlStyleItem {
    csAcceptsControls, csCaptureMouse, csClickEvents, csDoubleClicks, csOpaque, csSetCaption,
    csParentBackground, csReplicatable
};
using TControlStyle = qx::EnumSet<TControlStyleItem>;

using TCursor = int;
enum : TCursor {
    crDefault = 0, crNone = -1, crArrow = -2, crCross = -3, crIBeam = -4, crSizeNESW = -6, crSizeNS = -7,
    crSizeNWSE = -8, crSizeWE = -9, crUpArrow = -10, crHourGlass = -11, crDrag = -12, crNoDrop = -13,
    crHSplit = -14, crVSplit = -15, crMultiDrag = -16, crSQLWait = -17, crNo = -18, crAppStart = -19,
    crHelp = -20, crHandPoint = -21, crSizeAll = -22
};

/// A visual control: position and size in its parent's client area, text,
/// font, colour, visibility, input events. Every control has a Qt widget
/// behind it; a non-windowed control (TGraphicControl) always lies below its
/// windowed siblings and never takes the focus.
///
/// Notifications (text, font, colour, enabled, visible, invalidate, paint,
/// mouse and key input) reach the control as messages through WndProc, so a
/// class that overrides WndProc or Dispatch sees them in the usual way.
class TControl : public TComponent
{
public:
    explicit TControl(TComponent* AOwner);
    ~TControl() override;

    TWinControl* Parent() const { return parent_; }
    /// Moves the control into AParent's client area (nullptr takes it out).
    virtual void SetParent(TWinControl* AParent);
    /// Layout nesting: the parent must be a TWinControl.
    void SetParentComponent(TComponent* AParent) override;

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int Value) { SetBounds(Value, top_, width_, height_); }
    void SetTop(int Value) { SetBounds(left_, Value, width_, height_); }
    void SetWidth(int Value) { SetBounds(left_, top_, Value, height_); }
    void SetHeight(int Value) { SetBounds(left_, top_, width_, Value); }
    virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
    TRect BoundsRect() const { return {left_, top_, left_ + width_, top_ + height_}; }
    virtual int ClientWidth() const { return width_; }
    virtual int ClientHeight() const { return height_; }
    void SetClientWidth(int Value);
    void SetClientHeight(int Value);
    TRect ClientRect() const { return {0, 0, ClientWidth(), ClientHeight()}; }
    /// Where the client area begins in the control's window: (0, 0) but for
    /// a form, whose client area lies below its menu bar. Children, paints,
    /// mouse positions and ClientToScreen all count from there.
    virtual TPoint ClientOffset() const { return {0, 0}; }

    TAlign Align() const { return align_; }
    void SetAlign(TAlign Value);
    TAnchors Anchors() const { return anchors_; }
    void SetAnchors(TAnchors Value);

    bool Visible() const { return visible_; }
    virtual void SetVisible(bool Value);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    /// Visible and every parent visible (and shown on screen for the top).
    bool Showing() const;

    bool Enabled() const { return enabled_; }
    virtual void SetEnabled(bool Value);

    /// Caption and Text are one string, as in the class library.
    const std::string& Caption() const { return text_; }
    void SetCaption(const std::string& Value) { SetText(Value); }
    const std::string& Text() const { return text_; }
    void SetText(const std::string& Value);

    const TFont& Font() const { return font_; }
    void SetFont(const TFont& Value);
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool Value);

    TColor Color() const { return color_; }
    void SetColor(TColor Value);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool Value);

    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& Value);
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool Value);
    bool ParentShowHint() const { return parentShowHint_; }
    // A number the program gives the control for its own use (the help topic).
    int HelpContext() const { return helpContext_; }
    void SetHelpContext(int Value) { helpContext_ = Value; }
    void SetParentShowHint(bool Value);

    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor Value);

    TPopupMenu* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(TPopupMenu* Value);

    TControlStyle ControlStyle() const { return controlStyle_; }
    void SetControlStyle(TControlStyle Value) { controlStyle_ = Value; }

    /// Raises the control above its siblings of its kind (a non-windowed
    /// control stays below every windowed sibling).
    void BringToFront();
    void SendToBack();

    /// Marks the control for painting at the next pass of the loop.
    void Invalidate();
    /// Paints the parts marked for painting now.
    void Update();
    /// Paints the whole control now.
    void Repaint();
    void Refresh() { Repaint(); }

    bool MouseCapture() const;
    void SetMouseCapture(bool Value);

    /// Limits the control's window to a region of its client area: it shows and takes the
    /// mouse only there, and what lies beneath shows and takes clicks elsewhere. Every control
    /// has a window here, the non-windowed ones too. nullptr gives back the whole rectangle.
    void SetWindowRgn(const TRegion* Region);

    TPoint ClientToScreen(TPoint Point) const;
    TPoint ScreenToClient(TPoint Point) const;

    /// Sends a message to this control's WndProc and returns its result.
    std::intptr_t Perform(unsigned Msg, std::uintptr_t WParam = 0, std::intptr_t LParam = 0);
    virtual void WndProc(TMessage& Message);
    /// Runs the built-in handler of a message, DefaultHandler for the rest.
    virtual void Dispatch(TMessage& Message);
    virtual void DefaultHandler(TMessage& Message);

    /// The Qt widget behind the control, for platform code.
    QWidget* Widget() const { return widget_; }

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TMouseWheelEvent OnMouseWheel;
    TNotifyEvent OnResize;
    TContextPopupEvent OnContextPopup;

protected:
    /// Whether the control's window fills its background before it paints;
    /// when it does not, what lies beneath shows where it paints nothing.
    void SetFillsBackground(bool Value);

    /// Stores a new value of a painted property; only a real change repaints.
    template <class T>
    void changePainted(T& field, T value)
    {
        if (field == value)
            return;
        field = value;
        Invalidate();
    }

    /// For subclasses that stand on their own Qt widget; the control takes
    /// ownership of it.
    TControl(TComponent* AOwner, QWidget* AWidget);

    virtual void Click();
    virtual void DblClick();
    virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseMove(TShiftState Shift, int X, int Y);
    /// Raises OnMouseWheel; returns whether a handler took the wheel.
    virtual bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos);
    virtual void Resize();

    // Hooks run by the default message handlers, after the change.
    virtual void TextChanged() {}
    virtual void FontChanged() {}
    virtual void ColorChanged() {}
    virtual void EnabledChanged() {}
    /// Draws the control; the base draws nothing.
    virtual void PaintWindow() {}

    /// Gives the control a canvas that draws on it during paints.
    void makeCanvas();

    /// True while the control is read from a layout or destroyed: change
    /// events are not raised then.
    bool Loading() const { return ComponentState().Contains(csLoading); }

private:
    friend class TWinControl;
    friend class TForm;
    friend class qx::ControlBridge;
    friend TCanvas* qx::controlCanvas(const TControl* control);

    void handleMouse(TMessage& Message);
    void applyGeometry();
    void applyFont();
    void applyColor();
    // The colour of a widget without a parent that is not polished yet is
    // owed: setting a palette and then giving the widget a parent resolves
    // the palette twice, so the colour is set once the widget has its parent
    // (or when it is first polished, for a window).
    void applyOwedColor();
    void setWidgetColor();
    void applyHint();
    virtual bool isWindowed() const { return false; }

    QWidget* widget_ = nullptr;
    qx::ControlBridge* bridge_ = nullptr;
    std::unique_ptr<TCanvas> canvas_;
    TWinControl* parent_ = nullptr;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    TAlign align_ = alNone;
    TAnchors anchors_{akLeft, akTop};
    // Distances kept by the right and bottom anchors, and the parent size they refer to.
    int anchorRight_ = 0, anchorBottom_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    std::string text_;
    TFont font_;
    bool parentFont_ = true;
    TColor color_ = clBtnFace;
    bool parentColor_ = false;
    bool colorOwed_ = false;
    std::string hint_;
    bool showHint_ = false;
    int helpContext_ = 0;
    bool parentShowHint_ = true;
    TCursor cursor_ = crDefault;
    TPopupMenu* popupMenu_ = nullptr;
    TControlStyle controlStyle_{csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
    bool clickPending_ = false;
};

/// A control with a window of its own: it can hold child controls, take the
/// focus, receive keys, and receive window messages from any thread.
class TWinControl : public TControl, public qx::MessageTarget
{
public:
    explicit TWinControl(TComponent* AOwner);
    ~TWinControl() override;

    int ControlCount() const { return static_cast<int>(controls_.size()); }
    /// Children in stacking order, bottom first.
    TControl* Controls(int Index) const { return controls_.at(static_cast<std::size_t>(Index)); }
    void InsertControl(TControl* AControl);
    void RemoveControl(TControl* AControl);
    bool ContainsControl(const TControl* AControl) const;

    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool Value);
    int TabOrder() const;
    void SetTabOrder(int Value);

    bool Focused() const;
    bool CanFocus() const;
    virtual void SetFocus();

    /// Lays the aligned and anchored children out again.
    void Realign();
    void DisableAlign() { ++alignDisabled_; }
    void EnableAlign();

    int ClientWidth() const override;
    int ClientHeight() const override;

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void Dispatch(TMessage& Message) override;
    void Loaded() override;

    // Window messages from any thread (see Messages.h for the GUI thread).
    void postMessage(qx::WindowMessage Message) override;
    std::optional<std::intptr_t> sendMessage(qx::WindowMessage Message, std::stop_token Cancel) override;
    bool isOwnerThread() const override;
    /// Messages from other threads waiting to be handled.
    std::size_t PendingMessages() const;

    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;

protected:
    TWinControl(TComponent* AOwner, QWidget* AWidget);

    virtual void KeyDown(Word& Key, TShiftState Shift);
    virtual void KeyUp(Word& Key, TShiftState Shift);
    virtual void KeyPress(char16_t& Key);
    virtual void DoEnter();
    virtual void DoExit();
    /// Places the aligned children in the client area; then the anchored ones.
    virtual void AlignControls();
    /// The area the aligned children share; a control with borders takes them off.
    virtual void AdjustClientRect(TRect&) const {}

private:
    friend class TControl;
    friend class qx::ControlBridge;

    bool isWindowed() const override { return true; }
    void handleKey(TMessage& Message);
    void broadcast(TMessage& Message);
    bool dialogKey(Word Key, std::intptr_t KeyData);
    bool dialogChar(char16_t Key, std::intptr_t KeyData);
    void restack();
    void applyTabOrder();
    void childAnchorsFixed(TControl* child);
    void init();

    std::vector<TControl*> controls_;
    std::vector<TWinControl*> tabList_;
    std::unique_ptr<qx::MessageQueue> queue_;
    bool tabStop_ = false;
    int readTabOrder_ = -1; // the tab order a layout gave, applied once it is read
    int alignDisabled_ = 0;
    bool aligning_ = false;
};

/// A non-windowed control: painted by Paint() in its parent's area, below
/// the windowed siblings, never focused.
class TGraphicControl : public TControl
{
public:
    explicit TGraphicControl(TComponent* AOwner);
    /// The canvas to draw on inside Paint().
    TCanvas* Canvas() const { return qx::controlCanvas(this); }

protected:
    virtual void Paint() {}
    void PaintWindow() override;
};

/// A windowed control drawn by its own Paint().
class TCustomControl : public TWinControl
{
public:
    explicit TCustomControl(TComponent* AOwner);
    TCanvas* Canvas() const { return qx::controlCanvas(this); }

protected:
    virtual void Paint() {}
    void PaintWindow() override;
};

namespace qx {

/// The Result of a key message taken as a dialog key or accelerator: no
/// character follows it.
inline constexpr std::intptr_t kDialogKeyTaken = 2;

/// The control behind a Qt widget, nullptr when there is none.
TControl* controlOf(const QWidget* widget);

/// Shows a popup menu at a screen position; the menu code installs it.
using PopupPresenter = void (*)(TPopupMenu* menu, TControl* control, TPoint screenPos);
void setPopupPresenter(PopupPresenter presenter);
PopupPresenter popupPresenter();

} // namespace qx
