#include "platform/gui/Control.h"

#include "platform/gui/Application.h"
#include "platform/gui/ControlWidget.h"
#include "platform/gui/Form.h"
#include "platform/gui/Keys.h"
#include "platform/gui/MessagePump.h"
#include "platform/gui/Screen.h"
#include "platform/gui/canvas/Canvas.h"
#include "platform/sync/MessageQueue.h"

#include <QCursor>
#include <QPalette>
#include <QWidget>

#include <algorithm>
#include <stdexcept>

#include <QFont>
#include <QPainter>

namespace qx {

namespace {

PopupPresenter gPopupPresenter = nullptr;

QColor qColor(TColor color) { return QColor::fromRgba(argbFromColor(color)); }

} // namespace

Qt::CursorShape qtCursor(int cursor)
{
    switch (cursor) {
    case crNone: return Qt::BlankCursor;
    case crCross: return Qt::CrossCursor;
    case crIBeam: return Qt::IBeamCursor;
    case crSizeNESW: return Qt::SizeBDiagCursor;
    case crSizeNS: case crVSplit: return Qt::SizeVerCursor;
    case crSizeNWSE: return Qt::SizeFDiagCursor;
    case crSizeWE: case crHSplit: return Qt::SizeHorCursor;
    case crUpArrow: return Qt::UpArrowCursor;
    case crHourGlass: case crSQLWait: return Qt::WaitCursor;
    case crDrag: case crMultiDrag: return Qt::DragCopyCursor;
    case crNoDrop: case crNo: return Qt::ForbiddenCursor;
    case crAppStart: return Qt::BusyCursor;
    case crHelp: return Qt::WhatsThisCursor;
    case crHandPoint: return Qt::PointingHandCursor;
    case crSizeAll: return Qt::SizeAllCursor;
    default: return Qt::ArrowCursor;
    }
}


TControl* controlOf(const QWidget* widget)
{
    for (QObject* child : widget ? widget->children() : QObjectList{})
        if (auto* bridge = dynamic_cast<ControlBridge*>(child))
            return bridge->control();
    return nullptr;
}

void setPopupPresenter(PopupPresenter presenter) { gPopupPresenter = presenter; }
PopupPresenter popupPresenter() { return gPopupPresenter; }

} // namespace qx

// ---- TControl ----

TControl::TControl(TComponent* AOwner) : TControl(AOwner, new qx::ControlWidget) {}

TControl::TControl(TComponent* AOwner, QWidget* AWidget) : TComponent(AOwner), widget_(AWidget)
{
    widget_->hide();
    bridge_ = new qx::ControlBridge(this, widget_);
    applyColor();
}

TControl::~TControl()
{
    canvas_.reset();
    MarkDestroying();
    if (parent_)
        parent_->RemoveControl(this);
    delete widget_;
}

void TControl::SetParent(TWinControl* AParent)
{
    if (AParent == parent_)
        return;
    if (AParent == this)
        throw std::invalid_argument("A control cannot be its own parent");
    if (parent_)
        parent_->RemoveControl(this);
    if (AParent)
        AParent->InsertControl(this);
}

void TControl::SetParentComponent(TComponent* AParent)
{
    auto* parent = dynamic_cast<TWinControl*>(AParent);
    if (!parent)
        throw std::invalid_argument(ClassName() + " can only be placed on a windowed control, not on a " +
                                    (AParent ? AParent->ClassName() : std::string("nil")));
    SetParent(parent);
}

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    AWidth = std::max(AWidth, 0);
    AHeight = std::max(AHeight, 0);
    const bool resized = AWidth != width_ || AHeight != height_;
    if (!resized && ALeft == left_ && ATop == top_)
        return;
    left_ = ALeft;
    top_ = ATop;
    width_ = AWidth;
    height_ = AHeight;
    applyGeometry();
    if (parent_ && !parent_->aligning_) {
        parent_->childAnchorsFixed(this);
        if (align_ != alNone)
            parent_->Realign();
    }
    if (resized && !Loading())
        Resize();
}

void TControl::SetClientWidth(int Value) { SetWidth(Value + (width_ - ClientWidth())); }
void TControl::SetClientHeight(int Value) { SetHeight(Value + (height_ - ClientHeight())); }

void TControl::applyGeometry()
{
    if (parent_) {
        const TPoint origin = parent_->ClientOffset();
        widget_->setGeometry(left_ + origin.X, top_ + origin.Y, width_, height_);
    }
    else if (widget_->isWindow()) {
        // Moving a shown window reports its old size back at once: the new size is kept aside.
        const int width = width_, height = height_;
        widget_->move(left_, top_);
        widget_->resize(width, height);
    }
}

void TControl::SetAlign(TAlign Value)
{
    if (Value == align_)
        return;
    align_ = Value;
    if (parent_)
        parent_->Realign();
}

void TControl::SetAnchors(TAnchors Value)
{
    anchors_ = Value;
    if (parent_)
        parent_->childAnchorsFixed(this);
}

void TControl::SetVisible(bool Value)
{
    if (Value == visible_)
        return;
    visible_ = Value;
    if (parent_) {
        widget_->setVisible(Value);
        if (align_ != alNone)
            parent_->Realign();
    }
    Perform(CM_VISIBLECHANGED, Value);
}

bool TControl::Showing() const { return widget_->isVisible(); }

void TControl::SetEnabled(bool Value)
{
    if (Value == enabled_)
        return;
    enabled_ = Value;
    widget_->setEnabled(Value);
    Perform(CM_ENABLEDCHANGED);
}

void TControl::SetText(const std::string& Value)
{
    if (Value == text_)
        return;
    text_ = Value;
    Perform(CM_TEXTCHANGED);
}

void TControl::SetFont(const TFont& Value)
{
    parentFont_ = false;
    if (Value == font_)
        return;
    font_ = Value;
    Perform(CM_FONTCHANGED);
}

void TControl::SetParentFont(bool Value)
{
    parentFont_ = Value;
    if (Value && parent_)
        Perform(CM_PARENTFONTCHANGED);
}

void TControl::SetColor(TColor Value)
{
    parentColor_ = false;
    if (Value == color_)
        return;
    color_ = Value;
    Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool Value)
{
    parentColor_ = Value;
    if (Value && parent_)
        Perform(CM_PARENTCOLORCHANGED);
}

void TControl::SetHint(const std::string& Value)
{
    hint_ = Value;
    applyHint();
}

void TControl::SetShowHint(bool Value)
{
    showHint_ = Value;
    parentShowHint_ = false;
    applyHint();
}

void TControl::SetParentShowHint(bool Value)
{
    parentShowHint_ = Value;
    if (Value && parent_)
        showHint_ = parent_->ShowHint();
    applyHint();
}

void TControl::applyHint()
{
    // The hint text up to a '|' is the short hint shown over the control.
    const std::string shortHint = hint_.substr(0, hint_.find('|'));
    widget_->setToolTip(showHint_ ? QString::fromStdString(shortHint) : QString());
}

void TControl::SetCursor(TCursor Value)
{
    cursor_ = Value;
    if (Value == crDefault)
        widget_->unsetCursor();
    else
        widget_->setCursor(Screen()->Cursors(Value)); // registered numbers too
}

void TControl::SetPopupMenu(TPopupMenu* Value)
{
    popupMenu_ = Value;
}

void TControl::applyFont()
{
    widget_->setFont(qx::toQFont(font_));
    if (canvas_)
        canvas_->Font() = font_;
    // Children that take their parent's font follow.
    if (auto* self = dynamic_cast<TWinControl*>(this))
        for (TControl* child : self->controls_)
            if (child->parentFont_)
                child->Perform(CM_PARENTFONTCHANGED);
}

void TControl::applyOwedColor()
{
    if (colorOwed_)
        setWidgetColor();
}

void TControl::applyColor()
{
    if (!widget_->parentWidget() && !widget_->testAttribute(Qt::WA_WState_Polished))
        colorOwed_ = true;
    else
        setWidgetColor();
    if (auto* self = dynamic_cast<TWinControl*>(this))
        for (TControl* child : self->controls_)
            if (child->parentColor_)
                child->Perform(CM_PARENTCOLORCHANGED);
}

void TControl::setWidgetColor()
{
    colorOwed_ = false;
    // Setting a palette is costly (Qt looks up the class's palette and
    // resolves it again); a colour the widget already has set is kept.
    static const QPalette::ResolveMask windowSet = [] {
        QPalette p;
        p.setColor(QPalette::Window, Qt::black);
        return p.resolveMask();
    }();
    const QColor wanted = qx::qColor(color_);
    const QPalette& current = widget_->palette();
    if (!widget_->testAttribute(Qt::WA_SetPalette) || (current.resolveMask() & windowSet) != windowSet ||
        current.color(QPalette::Active, QPalette::Window) != wanted ||
        current.color(QPalette::Inactive, QPalette::Window) != wanted ||
        current.color(QPalette::Disabled, QPalette::Window) != wanted) {
        QPalette palette = current;
        palette.setColor(QPalette::Window, wanted);
        widget_->setPalette(palette);
    }
}

void TControl::BringToFront()
{
    if (!parent_)
        return widget_->raise();
    auto& list = parent_->controls_;
    list.erase(std::find(list.begin(), list.end(), this));
    if (isWindowed()) {
        list.push_back(this);
        widget_->raise();
    } else {
        auto firstWindowed = std::find_if(list.begin(), list.end(), [](TControl* c) { return c->isWindowed(); });
        if (firstWindowed == list.end())
            widget_->raise();
        else
            widget_->stackUnder((*firstWindowed)->widget_);
        list.insert(firstWindowed, this);
    }
}

void TControl::SendToBack()
{
    if (!parent_)
        return widget_->lower();
    auto& list = parent_->controls_;
    list.erase(std::find(list.begin(), list.end(), this));
    if (isWindowed()) {
        auto firstWindowed = std::find_if(list.begin(), list.end(), [](TControl* c) { return c->isWindowed(); });
        if (firstWindowed == list.end())
            widget_->raise();
        else
            widget_->stackUnder((*firstWindowed)->widget_);
        list.insert(firstWindowed, this);
    } else {
        list.insert(list.begin(), this);
        widget_->lower();
    }
}

void TControl::Invalidate() { Perform(CM_INVALIDATE); }

void TControl::SetWindowRgn(const TRegion* Region)
{
    if (Region)
        widget_->setMask(Region->qRegion());
    else
        widget_->clearMask();
}

void TControl::Update() { widget_->repaint(widget_->visibleRegion() & widget_->rect()); }

void TControl::Repaint() { widget_->repaint(); }

bool TControl::MouseCapture() const { return QWidget::mouseGrabber() == widget_; }

void TControl::SetMouseCapture(bool Value)
{
    if (Value && !MouseCapture() && widget_->isVisible())
        widget_->grabMouse();
    else if (!Value && MouseCapture())
        widget_->releaseMouse();
}

TPoint TControl::ClientToScreen(TPoint Point) const
{
    const TPoint origin = ClientOffset();
    const QPoint p = widget_->mapToGlobal(QPoint(Point.X + origin.X, Point.Y + origin.Y));
    return {p.x(), p.y()};
}

TPoint TControl::ScreenToClient(TPoint Point) const
{
    const TPoint origin = ClientOffset();
    const QPoint p = widget_->mapFromGlobal(QPoint(Point.X, Point.Y));
    return {p.x() - origin.X, p.y() - origin.Y};
}

std::intptr_t TControl::Perform(unsigned Msg, std::uintptr_t WParam, std::intptr_t LParam)
{
    TMessage message{Msg, WParam, LParam, 0, nullptr};
    WndProc(message);
    return message.Result;
}

void TControl::WndProc(TMessage& Message) { Dispatch(Message); }

void TControl::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_PAINT:
        PaintWindow();
        break;
    case CM_INVALIDATE:
        widget_->update();
        break;
    case CM_TEXTCHANGED:
        if (widget_->isWindow())
            widget_->setWindowTitle(QString::fromStdString(text_));
        TextChanged();
        break;
    case CM_FONTCHANGED:
        applyFont();
        FontChanged();
        Invalidate();
        break;
    case CM_PARENTFONTCHANGED:
        if (parentFont_ && parent_) {
            font_ = parent_->font_;
            Perform(CM_FONTCHANGED);
        }
        break;
    case CM_COLORCHANGED:
        applyColor();
        ColorChanged();
        Invalidate();
        break;
    case CM_PARENTCOLORCHANGED:
        if (parentColor_ && parent_) {
            color_ = parent_->color_;
            Perform(CM_COLORCHANGED);
        }
        break;
    case CM_ENABLEDCHANGED:
        EnabledChanged();
        Invalidate();
        break;
    case CM_MOUSEENTER:
        qx::fire(OnMouseEnter, this);
        break;
    case CM_MOUSELEAVE:
        qx::fire(OnMouseLeave, this);
        break;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN: case WM_RBUTTONUP: case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN: case WM_MBUTTONUP: case WM_MBUTTONDBLCLK:
    case WM_MOUSEWHEEL:
        handleMouse(Message);
        break;
    default:
        DefaultHandler(Message);
    }
}

void TControl::DefaultHandler(TMessage&) {}

namespace {

TShiftState shiftFromKeys(std::uintptr_t keys)
{
    TShiftState s;
    if (keys & MK_SHIFT) s << ssShift;
    if (keys & MK_CONTROL) s << ssCtrl;
    if (keys & MK_LBUTTON) s << ssLeft;
    if (keys & MK_RBUTTON) s << ssRight;
    if (keys & MK_MBUTTON) s << ssMiddle;
    if (keys & qx::kMkAlt) s << ssAlt;
    return s;
}

} // namespace

void TControl::handleMouse(TMessage& Message)
{
    const int x = static_cast<std::int16_t>(Message.LParam & 0xFFFF);
    const int y = static_cast<std::int16_t>((Message.LParam >> 16) & 0xFFFF);
    TShiftState shift = shiftFromKeys(Message.WParam & 0xFFFF);
    switch (Message.Msg) {
    case WM_MOUSEMOVE:
        MouseMove(shift, x, y);
        return;
    case WM_MOUSEWHEEL: {
        const int delta = static_cast<std::int16_t>((Message.WParam >> 16) & 0xFFFF);
        Message.Result = DoMouseWheel(shift, delta, TPoint{x, y}) ? 1 : 0;
        return;
    }
    default:
        break;
    }
    const unsigned offset = Message.Msg - WM_LBUTTONDOWN;
    const TMouseButton button = static_cast<TMouseButton>(offset / 3);
    switch (offset % 3) {
    case 0:
        clickPending_ = button == mbLeft && controlStyle_.Contains(csClickEvents);
        MouseDown(button, shift, x, y);
        break;
    case 1: {
        const bool click = clickPending_ && button == mbLeft && x >= 0 && y >= 0 && x < width_ && y < height_;
        clickPending_ = false;
        MouseUp(button, shift, x, y);
        if (click)
            Click();
        break;
    }
    default:
        if (controlStyle_.Contains(csDoubleClicks)) {
            // The second press of a double click: no click follows its release.
            if (button == mbLeft && controlStyle_.Contains(csClickEvents))
                DblClick();
            MouseDown(button, shift << ssDouble, x, y);
        } else {
            clickPending_ = button == mbLeft && controlStyle_.Contains(csClickEvents);
            MouseDown(button, shift, x, y);
        }
    }
}

void TControl::Click() { qx::fire(OnClick, this); }
void TControl::DblClick() { qx::fire(OnDblClick, this); }

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    qx::fire(OnMouseDown, this, Button, Shift, X, Y);
}

void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    qx::fire(OnMouseUp, this, Button, Shift, X, Y);
}

void TControl::MouseMove(TShiftState Shift, int X, int Y) { qx::fire(OnMouseMove, this, Shift, X, Y); }

bool TControl::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos)
{
    bool handled = false;
    qx::fire(OnMouseWheel, this, Shift, WheelDelta, MousePos, handled);
    return handled;
}

void TControl::Resize() { qx::fire(OnResize, this); }

void TControl::SetFillsBackground(bool Value)
{
    if (widget_)
        widget_->setAutoFillBackground(Value);
}

// ---- TWinControl ----

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner) { init(); }

TWinControl::TWinControl(TComponent* AOwner, QWidget* AWidget) : TControl(AOwner, AWidget) { init(); }

void TWinControl::init()
{
    widget_->setAutoFillBackground(true);
    queue_ = std::make_unique<qx::MessageQueue>([this](const qx::WindowMessage& m) {
        TMessage message{m.id, m.wParam, m.lParam, 0, &m.data};
        WndProc(message);
        return message.Result;
    });
    qx::MessagePump::instance().add(queue_.get());
}

TWinControl::~TWinControl()
{
    MarkDestroying();
    qx::MessagePump::instance().remove(queue_.get());
    queue_.reset();
    while (!controls_.empty())
        delete controls_.back();
}

void TWinControl::InsertControl(TControl* AControl)
{
    if (ContainsControl(AControl))
        return;
    AControl->parent_ = this;
    AControl->widget_->setParent(widget_);
    AControl->widget_->setWindowFlags(Qt::Widget);
    if (AControl->colorOwed_) {
        // The colour it takes from this control, set once (the message below
        // then finds it set).
        if (AControl->parentColor_)
            AControl->color_ = color_;
        AControl->setWidgetColor();
    }
    if (AControl->isWindowed()) {
        controls_.push_back(AControl);
        AControl->widget_->raise();
        if (!tabList_.empty())
            QWidget::setTabOrder(tabList_.back()->widget_, AControl->widget_);
        tabList_.push_back(static_cast<TWinControl*>(AControl));
    } else {
        auto firstWindowed = std::find_if(controls_.begin(), controls_.end(), [](TControl* c) { return c->isWindowed(); });
        if (firstWindowed != controls_.end())
            AControl->widget_->stackUnder((*firstWindowed)->widget_);
        controls_.insert(firstWindowed, AControl);
    }
    AControl->applyGeometry();
    AControl->widget_->setVisible(AControl->visible_);
    childAnchorsFixed(AControl);
    if (AControl->parentFont_)
        AControl->Perform(CM_PARENTFONTCHANGED);
    if (AControl->parentColor_)
        AControl->Perform(CM_PARENTCOLORCHANGED);
    if (AControl->parentShowHint_)
        AControl->SetParentShowHint(true);
    if (AControl->align_ != alNone)
        Realign();
}

void TWinControl::RemoveControl(TControl* AControl)
{
    auto it = std::find(controls_.begin(), controls_.end(), AControl);
    if (it == controls_.end())
        return;
    controls_.erase(it);
    tabList_.erase(std::remove(tabList_.begin(), tabList_.end(), AControl), tabList_.end());
    AControl->parent_ = nullptr;
    if (!ComponentState().Contains(csDestroying)) {
        AControl->widget_->hide();
        AControl->widget_->setParent(nullptr);
        if (AControl->align_ != alNone)
            Realign();
    }
}

bool TWinControl::ContainsControl(const TControl* AControl) const
{
    return std::find(controls_.begin(), controls_.end(), AControl) != controls_.end();
}

void TWinControl::SetTabStop(bool Value)
{
    tabStop_ = Value;
    Qt::FocusPolicy policy = widget_->focusPolicy();
    if (Value)
        policy = Qt::StrongFocus;
    else
        policy = (policy & Qt::ClickFocus) ? Qt::ClickFocus : Qt::NoFocus;
    widget_->setFocusPolicy(policy);
}

int TWinControl::TabOrder() const
{
    if (!parent_)
        return -1;
    const auto& list = parent_->tabList_;
    return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

void TWinControl::SetTabOrder(int Value)
{
    if (Loading()) {
        readTabOrder_ = Value;
        return;
    }
    if (!parent_)
        return;
    auto& list = parent_->tabList_;
    list.erase(std::find(list.begin(), list.end(), this));
    Value = std::clamp(Value, 0, static_cast<int>(list.size()));
    list.insert(list.begin() + Value, this);
    parent_->applyTabOrder();
}

void TWinControl::applyTabOrder()
{
    for (std::size_t i = 1; i < tabList_.size(); ++i)
        QWidget::setTabOrder(tabList_[i - 1]->widget_, tabList_[i]->widget_);
}

bool TWinControl::Focused() const { return widget_->hasFocus(); }

bool TWinControl::CanFocus() const
{
    for (const TControl* c = this; c; c = c->parent_)
        if (!c->visible_ || !c->enabled_)
            return false;
    return true;
}

void TWinControl::SetFocus()
{
    if (!CanFocus())
        throw std::runtime_error("Cannot focus a disabled or invisible window");
    widget_->setFocus(Qt::OtherFocusReason);
}

int TWinControl::ClientWidth() const { return width_; }
int TWinControl::ClientHeight() const { return height_; }

void TWinControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    const bool resized = std::max(AWidth, 0) != width_ || std::max(AHeight, 0) != height_;
    TControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (resized)
        Realign();
}

void TWinControl::EnableAlign()
{
    if (alignDisabled_ > 0 && --alignDisabled_ == 0)
        Realign();
}

void TWinControl::Loaded()
{
    TControl::Loaded();
    // Children read with a tab order take those places; the others keep the
    // order they were made in.
    std::vector<TWinControl*> unordered;
    std::vector<TWinControl*> ordered;
    for (TWinControl* c : tabList_)
        (c->readTabOrder_ >= 0 ? ordered : unordered).push_back(c);
    if (ordered.empty()) {
        Realign();
        return;
    }
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](TWinControl* a, TWinControl* b) { return a->readTabOrder_ < b->readTabOrder_; });
    tabList_ = unordered;
    for (TWinControl* c : ordered) {
        const auto at = std::min<std::size_t>(static_cast<std::size_t>(c->readTabOrder_), tabList_.size());
        tabList_.insert(tabList_.begin() + static_cast<std::ptrdiff_t>(at), c);
        c->readTabOrder_ = -1;
    }
    applyTabOrder();
    Realign();
}

void TWinControl::Realign()
{
    // A layout being read is laid out once it is complete.
    if (alignDisabled_ > 0 || aligning_ || Loading())
        return;
    aligning_ = true;
    try {
        AlignControls();
    } catch (...) {
        aligning_ = false;
        throw;
    }
    aligning_ = false;
}

void TWinControl::childAnchorsFixed(TControl* child)
{
    if (aligning_)
        return;
    child->anchorRight_ = ClientWidth() - (child->left_ + child->width_);
    child->anchorBottom_ = ClientHeight() - (child->top_ + child->height_);
}

void TWinControl::AlignControls()
{
    TRect r = ClientRect();
    AdjustClientRect(r);
    auto place = [](TControl* c, int l, int t, int w, int h) {
        c->SetBounds(l, t, std::max(w, 0), std::max(h, 0));
    };
    auto visibleWith = [&](TAlign align) {
        std::vector<TControl*> list;
        for (TControl* c : controls_)
            if (c->align_ == align && c->visible_)
                list.push_back(c);
        return list;
    };
    auto byKey = [](std::vector<TControl*> list, auto key) {
        std::stable_sort(list.begin(), list.end(), [&](TControl* a, TControl* b) { return key(a) < key(b); });
        return list;
    };
    for (TControl* c : byKey(visibleWith(alTop), [](TControl* c) { return c->top_; })) {
        place(c, r.Left, r.Top, r.Width(), c->height_);
        r.Top += c->height_;
    }
    for (TControl* c : byKey(visibleWith(alBottom), [](TControl* c) { return -(c->top_ + c->height_); })) {
        place(c, r.Left, r.Bottom - c->height_, r.Width(), c->height_);
        r.Bottom -= c->height_;
    }
    for (TControl* c : byKey(visibleWith(alLeft), [](TControl* c) { return c->left_; })) {
        place(c, r.Left, r.Top, c->width_, r.Height());
        r.Left += c->width_;
    }
    for (TControl* c : byKey(visibleWith(alRight), [](TControl* c) { return -(c->left_ + c->width_); })) {
        place(c, r.Right - c->width_, r.Top, c->width_, r.Height());
        r.Right -= c->width_;
    }
    for (TControl* c : visibleWith(alClient))
        place(c, r.Left, r.Top, r.Width(), r.Height());

    // Anchored controls keep their distance to the right and bottom edges.
    for (TControl* c : controls_) {
        if (c->align_ != alNone)
            continue;
        const TAnchors a = c->anchors_;
        int l = c->left_, t = c->top_, w = c->width_, h = c->height_;
        if (a.Contains(akRight)) {
            if (a.Contains(akLeft))
                w = ClientWidth() - c->anchorRight_ - l;
            else
                l = ClientWidth() - c->anchorRight_ - w;
        }
        if (a.Contains(akBottom)) {
            if (a.Contains(akTop))
                h = ClientHeight() - c->anchorBottom_ - t;
            else
                t = ClientHeight() - c->anchorBottom_ - h;
        }
        place(c, l, t, w, h);
    }
}

void TWinControl::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
        handleKey(Message);
        break;
    case WM_SETFOCUS:
        DoEnter();
        break;
    case WM_KILLFOCUS:
        DoExit();
        break;
    case WM_SIZE:
        Realign();
        Resize();
        break;
    case CM_DIALOGKEY:
    case CM_DIALOGCHAR:
        broadcast(Message);
        break;
    case WM_ERASEBKGND:
        if (auto* canvas = reinterpret_cast<TCanvas*>(Message.WParam)) {
            canvas->SaveState();
            canvas->Brush().Color = color_;
            canvas->Brush().Style = bsSolid;
            canvas->FillRect(ClientRect());
            canvas->RestoreState();
            Message.Result = 1;
        }
        break;
    case WM_PRINTCLIENT:
        if (auto* canvas = reinterpret_cast<TCanvas*>(Message.WParam))
            if (QPainter* painter = canvas->Painter()) {
                // The control's own drawing, without background or children,
                // its client area's corner at the canvas origin.
                const TPoint origin = ClientOffset();
                const QRegion client = origin.X == 0 && origin.Y == 0
                                           ? QRegion()
                                           : QRegion(origin.X, origin.Y, ClientWidth(), ClientHeight());
                widget_->render(painter, QPoint(), client, {});
                Message.Result = 1;
            }
        break;
    default:
        TControl::Dispatch(Message);
    }
}

void TWinControl::broadcast(TMessage& Message)
{
    // Every child, bottom first, until one takes the message.
    const std::vector<TControl*> children = controls_;
    for (TControl* child : children) {
        if (!ContainsControl(child))
            continue;
        child->WndProc(Message);
        if (Message.Result != 0)
            return;
    }
}

bool TWinControl::dialogKey(Word Key, std::intptr_t KeyData)
{
    // Enter and Esc that the control does not keep go to the form's buttons.
    if (Key != VK_RETURN && Key != VK_ESCAPE)
        return false;
    if (Perform(WM_GETDLGCODE) & DLGC_WANTALLKEYS)
        return false;
    TForm* form = GetParentForm(this);
    return form && form->Perform(CM_DIALOGKEY, Key, KeyData) != 0;
}

bool TWinControl::dialogChar(char16_t Key, std::intptr_t KeyData)
{
    TForm* form = GetParentForm(this);
    return form && form->Perform(CM_DIALOGCHAR, Key, KeyData) != 0;
}

void TWinControl::handleKey(TMessage& Message)
{
    // The form sees the key first when it previews keys; a key set to 0 stops there.
    const TShiftState shift = TShiftState::fromBits(static_cast<std::uint64_t>(Message.LParam));
    TForm* form = GetParentForm(this);
    const bool preview = form && form != this && form->KeyPreview();
    if (Message.Msg == WM_CHAR && shift.Contains(ssAlt)) {
        // Alt with a character is no typing: it is the accelerator of a caption.
        if (dialogChar(static_cast<char16_t>(Message.WParam), Message.LParam)) {
            Message.WParam = 0;
            Message.Result = qx::kDialogKeyTaken;
        }
        return;
    }
    if (Message.Msg == WM_CHAR) {
        char16_t key = static_cast<char16_t>(Message.WParam);
        if (preview)
            form->KeyPress(key);
        if (key)
            KeyPress(key);
        Message.WParam = key;
    } else {
        Word key = static_cast<Word>(Message.WParam);
        const bool down = Message.Msg == WM_KEYDOWN;
        if (preview)
            down ? form->KeyDown(key, shift) : form->KeyUp(key, shift);
        if (key)
            down ? KeyDown(key, shift) : KeyUp(key, shift);
        Message.WParam = key;
        if (down && key && dialogKey(key, Message.LParam)) {
            Message.WParam = 0;
            Message.Result = qx::kDialogKeyTaken;
            return;
        }
    }
    Message.Result = Message.WParam == 0 ? 1 : 0;
}

void TWinControl::KeyDown(Word& Key, TShiftState Shift) { qx::fire(OnKeyDown, this, Key, Shift); }
void TWinControl::KeyUp(Word& Key, TShiftState Shift) { qx::fire(OnKeyUp, this, Key, Shift); }
void TWinControl::KeyPress(char16_t& Key) { qx::fire(OnKeyPress, this, Key); }
void TWinControl::DoEnter() { qx::fire(OnEnter, this); }
void TWinControl::DoExit() { qx::fire(OnExit, this); }

void TWinControl::postMessage(qx::WindowMessage Message) { queue_->postMessage(std::move(Message)); }

std::optional<std::intptr_t> TWinControl::sendMessage(qx::WindowMessage Message, std::stop_token Cancel)
{
    return queue_->sendMessage(std::move(Message), std::move(Cancel));
}

bool TWinControl::isOwnerThread() const { return queue_->isOwnerThread(); }

std::size_t TWinControl::PendingMessages() const { return queue_->pendingCount(); }

void PostMessage(TWinControl* Window, unsigned Msg, std::uintptr_t WParam, std::intptr_t LParam)
{
    Window->postMessage(qx::WindowMessage{Msg, WParam, LParam, {}});
}

std::intptr_t SendMessage(TWinControl* Window, unsigned Msg, std::uintptr_t WParam, std::intptr_t LParam)
{
    return Window->sendMessage(qx::WindowMessage{Msg, WParam, LParam, {}}, {}).value_or(0);
}

// ---- drawn controls ----

void TControl::makeCanvas()
{
    canvas_ = std::make_unique<TCanvas>();
    canvas_->Font() = font_;
}

TCanvas* qx::controlCanvas(const TControl* control) { return control->canvas_.get(); }

TGraphicControl::TGraphicControl(TComponent* AOwner) : TControl(AOwner) { makeCanvas(); }

void TGraphicControl::PaintWindow() { Paint(); }

TCustomControl::TCustomControl(TComponent* AOwner) : TWinControl(AOwner) { makeCanvas(); }

void TCustomControl::PaintWindow() { Paint(); }
