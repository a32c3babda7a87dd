#include "platform/gui/Form.h"

#include "platform/gui/Application.h"
#include "platform/gui/ControlWidget.h"
#include "platform/gui/FormScroller.h"
#include "platform/gui/MainMenu.h"
#include "platform/gui/WindowManagerHint.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <stdexcept>
#include <vector>

struct TForm::ModalLoop
{
    QEventLoop loop;
};

namespace {

// The modal loops running and their forms, innermost last.
std::vector<QEventLoop*> gModalLoops;
std::vector<TForm*> gModalForms;

} // namespace

void qx::endModalLoops()
{
    for (QEventLoop* loop : gModalLoops)
        loop->exit();
}

// An active window going away hands the activation back to the window it was
// kept above, as a closed dialog gives the user its opener again (a window
// manager does not always do this itself; without one nobody would).
static QWindow* activationHeir(QWidget* widget)
{
    QWindow* window = widget->windowHandle();
    QWindow* opener = window ? window->transientParent() : nullptr;
    return opener && opener->isVisible() && widget->isActiveWindow() ? opener : nullptr;
}

void TSizeConstraints::set(int& Field, int Value)
{
    Field = std::max(Value, 0);
    form_.SetBounds(form_.Left(), form_.Top(), form_.Width(), form_.Height());
}

int TSizeConstraints::hold(int Value, int Min, int Max)
{
    if (Max > 0)
        Value = std::min(Value, Max);
    return std::max(Value, Min);
}

TForm::TForm(TComponent* AOwner)
    : TCustomControl(AOwner), scroller_(std::make_unique<qx::FormScroller>(*this)),
      constraints_(std::make_unique<TSizeConstraints>(*this))
{
    visible_ = false;
    SetBounds(0, 0, 320, 240);
    applyWindowFlags();
}

TForm::~TForm()
{
    if (loop_)
        loop_->loop.exit();
    // The menu, an owned component, goes after this object.
    if (menu_)
        menu_->form_ = nullptr;
}

void TForm::AfterConstruction()
{
    if (created_)
        return;
    created_ = true;
    DoCreate();
    if (visible_) {
        visible_ = false;
        Show();
    }
}

void TForm::BeforeDestruction()
{
    qx::guarded(this, [&] { qx::fire(OnDestroy, this); });
}

void TForm::DoCreate()
{
    qx::guarded(this, [&] { qx::fire(OnCreate, this); });
}

void TForm::SetVisible(bool Value)
{
    if (Loading() || (!created_ && !Value)) {
        visible_ = Value; // shown once the form is made
        return;
    }
    if (!created_) {
        // Shown by code before anyone finished making it: finish it first.
        AfterConstruction();
    }
    if (Value == visible_)
        return;
    visible_ = Value;
    if (Value) {
        if (!shownOnce_) {
            shownOnce_ = true;
            placeOnScreen();
        }
        keepAboveOpener();
        DoShow();
        switch (windowState_) {
        case wsMaximized: widget_->showMaximized(); break;
        case wsMinimized: widget_->showMinimized(); break;
        default: widget_->show(); break;
        }
        if (QWindow* opener = modal_ ? widget_->windowHandle()->transientParent() : nullptr)
            qx::markModalOver(*widget_->windowHandle(), *opener);
        widget_->raise();
        widget_->activateWindow();
    } else {
        QWindow* opener = activationHeir(widget_);
        widget_->hide();
        // Asked after the hide: while this window is up and modal, the window
        // system hands an opener's activation straight back to it.
        if (opener)
            opener->requestActivate();
        DoHide();
    }
}


// A window opened while a modal window runs belongs to the innermost modal
// window: the window system keeps it on top of that one and lets it take
// input, as a window opened from a modal dialog must be usable. Any other
// window but the main one stays on top of the main window.
void TForm::keepAboveOpener()
{
    TForm* opener = nullptr;
    for (auto it = gModalForms.rbegin(); it != gModalForms.rend() && !opener; ++it)
        if (*it != this && (*it)->visible_)
            opener = *it;
    TForm* main = Application ? Application->MainForm() : nullptr;
    if (!opener && main != this)
        opener = main;
    // Kept above a window that stays on top, a window stays on top too, or a
    // window manager would stack it beneath its opener.
    const bool onTop = formStyle_ == fsStayOnTop ||
                       (opener && opener->visible_ && opener->widget_->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    if (widget_->windowFlags().testFlag(Qt::WindowStaysOnTopHint) != onTop)
        widget_->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    widget_->winId(); // the window exists from here on
    QWindow* window = widget_->windowHandle();
    QWindow* above = opener && opener->visible_ ? opener->widget_->windowHandle() : nullptr;
    if (window && window != above)
        window->setTransientParent(above);
}

void TForm::Show()
{
    SetVisible(true);
    widget_->raise();
}

void TForm::Hide() { SetVisible(false); }

void TForm::DoShow() { qx::fire(OnShow, this); }
void TForm::DoHide() { qx::fire(OnHide, this); }
void TForm::DoClose(TCloseAction& Action) { qx::fire(OnClose, this, Action); }
void TForm::Paint() { qx::fire(OnPaint, this); }

void TForm::Resize()
{
    if (menu_)
        menu_->placeBar();
    scroller_->Update();
    TCustomControl::Resize();
}

void TForm::SetMenu(TMainMenu* Value)
{
    if (Value == menu_)
        return;
    if (menu_)
        menu_->form_ = nullptr;
    menu_ = Value;
    if (menu_) {
        menu_->form_ = this;
        menu_->placeBar();
    }
    clientAreaMoved();
}

int TForm::ClientHeight() const { return std::max(0, height_ - ClientOffset().Y); }

TPoint TForm::ClientOffset() const { return {0, menu_ ? menu_->BarHeight() : 0}; }

void TForm::clientAreaMoved()
{
    for (int i = 0; i < ControlCount(); ++i)
        Controls(i)->applyGeometry();
    Realign();
    scroller_->Update();
}

bool TForm::AutoScroll() const { return scroller_->Enabled(); }
void TForm::SetAutoScroll(bool Value) { scroller_->SetEnabled(Value); }

bool TForm::CloseQuery()
{
    bool canClose = true;
    qx::fire(OnCloseQuery, this, canClose);
    return canClose;
}

void TForm::Close()
{
    if (modal_) {
        SetModalResult(mrCancel);
        return;
    }
    if (!CloseQuery())
        return;
    TCloseAction action = caHide;
    DoClose(action);
    if (action == caNone)
        return;
    if (Application && Application->MainForm() == this)
        Application->Terminate();
    else if (action == caHide)
        Hide();
    else if (action == caMinimize)
        SetWindowState(wsMinimized);
    else
        Release();
}

void TForm::Release()
{
    QPointer<QWidget> widget = widget_;
    QTimer::singleShot(0, [widget] {
        auto* form = widget ? dynamic_cast<TForm*>(qx::controlOf(widget)) : nullptr;
        if (!form)
            return;
        if (form->modal_) {
            // Its modal loop is still on the stack: it goes once the loop ends.
            form->releaseAfterModal_ = true;
            return;
        }
        form->BeforeDestruction();
        delete form;
    });
}

void TForm::SetModalResult(TModalResult Value)
{
    modalResult_ = Value;
    if (loop_ && Value != mrNone)
        loop_->loop.exit();
}

int TForm::ShowModal()
{
    if (visible_ || !enabled_ || modal_)
        throw std::logic_error("Cannot make a visible window modal");
    modal_ = true;
    modalResult_ = mrNone;
    widget_->setWindowModality(Qt::ApplicationModal);
    ModalLoop loop;
    loop_ = &loop;
    gModalLoops.push_back(&loop.loop);
    gModalForms.push_back(this);
    try {
        Show();
        while (true) {
            if (modalResult_ == mrNone && !(Application && Application->Terminated()))
                loop.loop.exec();
            if (Application && Application->Terminated())
                modalResult_ = mrCancel;
            else if (modalResult_ != mrNone)
                closeModal();
            if (modalResult_ != mrNone)
                break;
        }
    } catch (...) {
        gModalLoops.pop_back();
        gModalForms.pop_back();
        loop_ = nullptr;
        modal_ = false;
        throw;
    }
    gModalLoops.pop_back();
    gModalForms.pop_back();
    loop_ = nullptr;
    modal_ = false;
    Hide();
    widget_->setWindowModality(Qt::NonModal);
    if (releaseAfterModal_) {
        releaseAfterModal_ = false;
        Release();
    }
    return modalResult_;
}

void TForm::closeModal()
{
    TCloseAction action = caNone;
    if (CloseQuery()) {
        action = caHide;
        DoClose(action);
    }
    if (action == caNone)
        modalResult_ = mrNone;
    else if (action == caFree)
        Release();
}

void TForm::SetBorderStyle(TFormBorderStyle Value)
{
    borderStyle_ = Value;
    applyWindowFlags();
}

void TForm::SetBorderIcons(TBorderIcons Value)
{
    borderIcons_ = Value;
    applyWindowFlags();
}

void TForm::SetFormStyle(TFormStyle Value)
{
    formStyle_ = Value;
    applyWindowFlags();
}

void TForm::SetWindowState(TWindowState Value)
{
    windowState_ = Value;
    if (!visible_ || !created_)
        return;
    switch (Value) {
    case wsMaximized: widget_->showMaximized(); break;
    case wsMinimized: widget_->showMinimized(); break;
    default: widget_->showNormal(); break;
    }
}

void TForm::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    if (constraints_ && (borderStyle_ == bsSizeable || borderStyle_ == bsSizeToolWin)) {
        AWidth = constraints_->HoldWidth(AWidth);
        AHeight = constraints_->HoldHeight(AHeight);
    }
    TCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    applySizeLimits();
}

void TForm::applySizeLimits()
{
    if (borderStyle_ == bsSizeable || borderStyle_ == bsSizeToolWin) {
        const int minWidth = constraints_ ? constraints_->MinWidth() : 0;
        const int minHeight = constraints_ ? constraints_->MinHeight() : 0;
        const int maxWidth = constraints_ && constraints_->MaxWidth() > 0 ? constraints_->MaxWidth() : QWIDGETSIZE_MAX;
        const int maxHeight =
            constraints_ && constraints_->MaxHeight() > 0 ? constraints_->MaxHeight() : QWIDGETSIZE_MAX;
        widget_->setMinimumSize(minWidth, minHeight);
        widget_->setMaximumSize(maxWidth, maxHeight);
    } else {
        widget_->setFixedSize(width_, height_);
    }
}

void TForm::applyWindowFlags()
{
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint;
    switch (borderStyle_) {
    case bsNone: flags |= Qt::FramelessWindowHint; break;
    case bsToolWindow:
    case bsSizeToolWin: flags = Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint; break;
    default: flags |= Qt::WindowTitleHint; break;
    }
    if (borderIcons_.Contains(biSystemMenu))
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    const bool dialog = borderStyle_ == bsDialog || borderStyle_ == bsToolWindow || borderStyle_ == bsSizeToolWin;
    if (!dialog && borderIcons_.Contains(biSystemMenu)) {
        if (borderIcons_.Contains(biMinimize))
            flags |= Qt::WindowMinimizeButtonHint;
        if (borderIcons_.Contains(biMaximize))
            flags |= Qt::WindowMaximizeButtonHint;
    }
    if (formStyle_ == fsStayOnTop)
        flags |= Qt::WindowStaysOnTopHint;
    applySizeLimits();
    const bool wasVisible = widget_->isVisible();
    widget_->setWindowFlags(flags);
    if (wasVisible)
        widget_->show();
}

void TForm::placeOnScreen()
{
    QRect area;
    TForm* centreOn = nullptr;
    switch (position_) {
    case poScreenCenter:
    case poDesktopCenter:
        if (QScreen* screen = QGuiApplication::primaryScreen())
            area = screen->availableGeometry();
        break;
    case poMainFormCenter:
        centreOn = Application ? Application->MainForm() : nullptr;
        break;
    case poOwnerFormCenter:
        centreOn = dynamic_cast<TForm*>(Owner());
        break;
    default:
        return;
    }
    if (centreOn && centreOn != this)
        area = centreOn->widget_->geometry();
    else if (area.isNull())
        if (QScreen* screen = QGuiApplication::primaryScreen())
            area = screen->availableGeometry();
    if (!area.isNull())
        SetBounds(area.x() + (area.width() - width_) / 2, area.y() + (area.height() - height_) / 2, width_, height_);
}

TWinControl* TForm::ActiveControl() const
{
    QWidget* focus = widget_->focusWidget();
    for (QWidget* w = focus; w && w != widget_; w = w->parentWidget())
        if (auto* control = dynamic_cast<TWinControl*>(qx::controlOf(w)))
            return control;
    return nullptr;
}

void TForm::SetActiveControl(TWinControl* Control)
{
    if (Control)
        Control->Widget()->setFocus(Qt::OtherFocusReason);
}

TForm* GetParentForm(const TControl* Control)
{
    const TControl* top = Control;
    while (top && top->Parent())
        top = top->Parent();
    return dynamic_cast<TForm*>(const_cast<TControl*>(top));
}
