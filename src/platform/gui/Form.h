#pragma once

#include "platform/gui/Control.h"

#include <functional>
#include <memory>

class TMainMenu;

namespace qx {
class FormScroller;
}

using TModalResult = int;
enum : TModalResult {
    mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5, mrYes = 6, mrNo = 7,
    mrClose = 8, mrAll = 12, mrNoToAll = 13, mrYesToAll = 14
};

enum TCloseAction { caNone, caHide, caFree, caMinimize };
enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = qx::EnumSet<TBorderIcon>;
enum TPosition {
    poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter, poDesktopCenter,
    poMainFormCenter, poOwnerFormCenter
};
enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum TWindowState { wsNormal, wsMinimized, wsMaximized };

using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;

class TForm;

/// The smallest and largest size of a sizeable form: the user cannot resize it beyond them
/// and SetBounds holds its size within them. 0 sets no limit.
class TSizeConstraints : public TPersistent
{
public:
    explicit TSizeConstraints(TForm& Form) : form_(Form) {}

    int MinWidth() const { return minWidth_; }
    void SetMinWidth(int Value) { set(minWidth_, Value); }
    int MinHeight() const { return minHeight_; }
    void SetMinHeight(int Value) { set(minHeight_, Value); }
    int MaxWidth() const { return maxWidth_; }
    void SetMaxWidth(int Value) { set(maxWidth_, Value); }
    int MaxHeight() const { return maxHeight_; }
    void SetMaxHeight(int Value) { set(maxHeight_, Value); }

    /// A width or height held within the limits.
    int HoldWidth(int Value) const { return hold(Value, minWidth_, maxWidth_); }
    int HoldHeight(int Value) const { return hold(Value, minHeight_, maxHeight_); }

private:
    void set(int& Field, int Value);
    static int hold(int Value, int Min, int Max);

    TForm& form_;
    int minWidth_ = 0, minHeight_ = 0, maxWidth_ = 0, maxHeight_ = 0;
};
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;

/// A top-level window. Forms start hidden. A subclass loads its layout in
/// its constructor (LoadLayout) and is made by Application->CreateForm or
/// qx::newForm, which raise OnCreate once it is fully constructed.
///
/// The close box and Esc do only what the form's handlers say: the close box
/// calls Close(), Esc is an ordinary key.
class TForm : public TCustomControl
{
public:
    explicit TForm(TComponent* AOwner);
    ~TForm() override;

    /// Loads the layout resource of that name into this form: controls,
    /// properties, handlers and fields (see LayoutLoader.h). Throws
    /// qx::LayoutError.
    void LoadLayout(const std::string& ResourceName);
    /// Raises OnCreate, then shows the form when its Visible was set.
    virtual void AfterConstruction();
    /// Raises OnDestroy.
    void BeforeDestruction() override;

    void SetVisible(bool Value) override;
    /// A form whose border style is not sizeable keeps the size given here.
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void Show();
    void Hide();
    /// Shows the form modally and runs a nested loop until ModalResult is set
    /// and the form agrees to close. Timers, posted messages and messages sent
    /// from other threads keep being handled meanwhile.
    int ShowModal();
    /// Asks the form to close: OnCloseQuery, then OnClose with its action.
    void Close();
    /// Destroys the form at the next pass of the loop.
    void Release();
    bool CloseQuery();

    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult Value);
    bool Modal() const { return modal_; }

    bool KeyPreview() const { return keyPreview_; }
    void SetKeyPreview(bool Value) { keyPreview_ = Value; }
    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle Value);
    TBorderIcons BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(TBorderIcons Value);
    TPosition Position() const { return position_; }
    void SetPosition(TPosition Value) { position_ = Value; }
    TFormStyle FormStyle() const { return formStyle_; }
    void SetFormStyle(TFormStyle Value);
    TWindowState WindowState() const { return windowState_; }
    void SetWindowState(TWindowState Value);
    /// With AutoScroll the form shows scroll bars while its controls reach
    /// past its client area; scrolling moves the controls.
    bool AutoScroll() const;
    void SetAutoScroll(bool Value);
    /// The form's scroll bars.
    qx::FormScroller& Scroller() const { return *scroller_; }
    /// The limits of the form's size while it is sizeable.
    TSizeConstraints* Constraints() const { return constraints_.get(); }
    /// Layout scaling by screen resolution; always off here, the value is kept.
    bool Scaled() const { return false; }
    void SetScaled(bool) {}

    TWinControl* ActiveControl() const;
    void SetActiveControl(TWinControl* Control);

    /// The main menu whose bar runs along the top of the form, above the
    /// client area: Height counts the bar, ClientHeight does not, and the
    /// controls' Top counts from below it. The first main menu made on a
    /// form sets itself here.
    TMainMenu* Menu() const { return menu_; }
    void SetMenu(TMainMenu* Value);
    int ClientHeight() const override;
    TPoint ClientOffset() const override;

    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;
    TNotifyEvent OnPaint;

protected:
    virtual void DoCreate();
    virtual void DoShow();
    virtual void DoHide();
    virtual void DoClose(TCloseAction& Action);
    void Paint() override;
    void Resize() override;

private:
    friend class qx::ControlBridge;
    friend class TMainMenu;

    void applyWindowFlags();
    void applySizeLimits();
    void placeOnScreen();
    void keepAboveOpener();
    void closeModal();
    // The menu bar's height changed: the children and scroll bars move with
    // the client area.
    void clientAreaMoved();

    TModalResult modalResult_ = mrNone;
    bool modal_ = false;
    bool keyPreview_ = false;
    bool created_ = false;
    bool shownOnce_ = false;
    bool releaseAfterModal_ = false;
    TFormBorderStyle borderStyle_ = bsSizeable;
    TBorderIcons borderIcons_{biSystemMenu, biMinimize, biMaximize};
    TPosition position_ = poDesigned;
    TFormStyle formStyle_ = fsNormal;
    TWindowState windowState_ = wsNormal;
    std::unique_ptr<qx::FormScroller> scroller_;
    std::unique_ptr<TSizeConstraints> constraints_;
    TMainMenu* menu_ = nullptr;
    struct ModalLoop;
    ModalLoop* loop_ = nullptr;
};

using TCustomForm = TForm;

/// The form that holds a control, nullptr when it is on none.
TForm* GetParentForm(const TControl* Control);

namespace qx {

/// Makes every running modal loop look at its form again (the application
/// is ending: they return mrCancel).
void endModalLoops();

/// Makes a form of class T owned by AOwner and raises its OnCreate.
template <class T>
T* newForm(TComponent* AOwner)
{
    T* form = new T(AOwner);
    form->AfterConstruction();
    return form;
}

} // namespace qx
