#include "platform/gui/ControlWidget.h"

#include "platform/gui/Application.h"
#include "platform/gui/Control.h"
#include "platform/gui/Form.h"
#include "platform/gui/Keys.h"
#include "platform/gui/canvas/Canvas.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

namespace qx {

ControlWidget::ControlWidget(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

void ControlWidget::paintEvent(QPaintEvent*)
{
    TControl* control = controlOf(this);
    if (!control)
        return;
    // The control's canvas draws on this widget for the length of the paint.
    TCanvas* canvas = controlCanvas(control);
    if (canvas) {
        canvas->Attach(this);
        const TPoint origin = control->ClientOffset();
        canvas->MoveOrigin(origin.X, origin.Y);
    }
    guarded(control, [&] { control->Perform(WM_PAINT); });
    if (canvas)
        canvas->Detach();
}

QPainter* activePainter(const TControl* control)
{
    TCanvas* canvas = controlCanvas(control);
    return canvas && canvas->HandleAllocated() ? canvas->Painter() : nullptr;
}

// A window keeps its mouse input: nothing goes on to the parent.
void ControlWidget::mousePressEvent(QMouseEvent* event) { event->accept(); }
void ControlWidget::mouseReleaseEvent(QMouseEvent* event) { event->accept(); }
void ControlWidget::mouseDoubleClickEvent(QMouseEvent* event) { event->accept(); }
void ControlWidget::mouseMoveEvent(QMouseEvent* event) { event->accept(); }
void ControlWidget::keyPressEvent(QKeyEvent* event) { event->accept(); }
void ControlWidget::keyReleaseEvent(QKeyEvent* event) { event->accept(); }

namespace {

std::uintptr_t mouseKeys(Qt::MouseButtons buttons, Qt::KeyboardModifiers mods)
{
    std::uintptr_t keys = 0;
    if (buttons & Qt::LeftButton) keys |= MK_LBUTTON;
    if (buttons & Qt::RightButton) keys |= MK_RBUTTON;
    if (buttons & Qt::MiddleButton) keys |= MK_MBUTTON;
    if (mods & Qt::ShiftModifier) keys |= MK_SHIFT;
    if (mods & Qt::ControlModifier) keys |= MK_CONTROL;
    if (mods & Qt::AltModifier) keys |= kMkAlt;
    return keys;
}

std::intptr_t packPoint(QPoint p)
{
    return static_cast<std::intptr_t>((static_cast<std::uint32_t>(p.y() & 0xFFFF) << 16) |
                                      static_cast<std::uint32_t>(p.x() & 0xFFFF));
}

TShiftState keyShift(Qt::KeyboardModifiers mods)
{
    TShiftState s;
    if (mods & Qt::ShiftModifier) s << ssShift;
    if (mods & Qt::ControlModifier) s << ssCtrl;
    if (mods & Qt::AltModifier) s << ssAlt;
    return s;
}

// Printable characters and the control characters the class library passes
// on as typed keys (Enter, Backspace, Esc).
bool typesCharacter(const QString& text)
{
    if (text.isEmpty())
        return false;
    const QChar c = text.at(0);
    return c.isPrint() || c == QChar('\r') || c == QChar('\b') || c == QChar(0x1B);
}

unsigned buttonMessage(Qt::MouseButton button, unsigned leftMessage)
{
    switch (button) {
    case Qt::LeftButton: return leftMessage;
    case Qt::RightButton: return leftMessage + 3;
    case Qt::MiddleButton: return leftMessage + 6;
    default: return 0;
    }
}

} // namespace

ControlBridge::ControlBridge(TControl* control, QWidget* widget) : QObject(widget), control_(control)
{
    widget->installEventFilter(this);
    widget->setMouseTracking(true);
}

namespace {

// The control that owns a widget: its own, or the nearest one above it.
TControl* owningControl(QWidget* widget)
{
    for (QWidget* w = widget; w; w = w->parentWidget())
        if (TControl* c = controlOf(w))
            return c;
    return nullptr;
}

} // namespace

bool ControlBridge::propagated(QEvent* event) const
{
    // Qt passes input a widget ignores on to its parent; a control gets only
    // its own input, as a window of its own would.
    auto* widget = static_cast<QWidget*>(parent());
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        QWidget* focus = QApplication::focusWidget();
        return focus && owningControl(focus) != control_;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel: {
        if (QWidget::mouseGrabber())
            return owningControl(QWidget::mouseGrabber()) != control_;
        const QPoint pos = static_cast<QSinglePointEvent*>(event)->position().toPoint();
        QWidget* hit = widget->childAt(pos);
        return hit && owningControl(hit) != control_;
    }
    default:
        return false;
    }
}

bool ControlBridge::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != parent() || propagated(event))
        return false;
    bool eaten = false;
    guarded(control_, [&] {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
            eaten = mouse(event);
            break;
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            eaten = key(event);
            break;
        case QEvent::Enter:
            control_->Perform(CM_MOUSEENTER);
            break;
        case QEvent::Leave:
            control_->Perform(CM_MOUSELEAVE);
            break;
        case QEvent::FocusIn:
        case QEvent::FocusOut:
            focus(event);
            break;
        case QEvent::Resize:
        case QEvent::Move:
            resized();
            break;
        case QEvent::Close:
            eaten = closeRequested(event);
            break;
        case QEvent::ContextMenu:
            eaten = contextMenu(event);
            break;
        case QEvent::Polish:
            control_->applyOwedColor(); // a window, or a widget never given a parent control
            break;
        case QEvent::WindowActivate:
        case QEvent::WindowDeactivate:
            if (auto* form = dynamic_cast<TForm*>(control_))
                qx::fire(event->type() == QEvent::WindowActivate ? form->OnActivate : form->OnDeactivate, form);
            break;
        default:
            break;
        }
    });
    return eaten;
}

bool ControlBridge::mouse(QEvent* event)
{
    if (event->type() == QEvent::Wheel) {
        auto* wheel = static_cast<QWheelEvent*>(event);
        const QPoint screen = wheel->globalPosition().toPoint();
        const std::uintptr_t w = mouseKeys(wheel->buttons(), wheel->modifiers()) |
                                 (static_cast<std::uintptr_t>(wheel->angleDelta().y() & 0xFFFF) << 16);
        const bool handled = control_->Perform(WM_MOUSEWHEEL, w, packPoint(screen)) != 0;
        if (handled)
            event->accept();
        return handled;
    }
    auto* m = static_cast<QMouseEvent*>(event);
    unsigned msg = WM_MOUSEMOVE;
    if (event->type() == QEvent::MouseButtonPress)
        msg = buttonMessage(m->button(), WM_LBUTTONDOWN);
    else if (event->type() == QEvent::MouseButtonRelease)
        msg = buttonMessage(m->button(), WM_LBUTTONUP);
    else if (event->type() == QEvent::MouseButtonDblClick)
        msg = buttonMessage(m->button(), WM_LBUTTONDBLCLK);
    if (msg == 0)
        return false;
    // Buttons as they are after the event, as the system reports them; the
    // point in the client area.
    const TPoint origin = control_->ClientOffset();
    const QPoint at = m->position().toPoint() - QPoint(origin.X, origin.Y);
    control_->Perform(msg, mouseKeys(m->buttons(), m->modifiers()), packPoint(at));
    return false;
}

bool ControlBridge::key(QEvent* event)
{
    if (reinjecting_)
        return false;
    auto* k = static_cast<QKeyEvent*>(event);
    const Word vk = virtualKeyFromQt(k->key(), k->modifiers() & Qt::KeypadModifier);
    const auto shift = static_cast<std::intptr_t>(keyShift(k->modifiers()).bits());
    const bool down = event->type() == QEvent::KeyPress;
    bool keyEaten = false;
    if (vk != 0) {
        TMessage m{down ? WM_KEYDOWN : WM_KEYUP, vk, shift, 0, nullptr};
        control_->WndProc(m);
        if (m.Result == kDialogKeyTaken)
            return true;
        keyEaten = m.Result != 0;
    }
    if (!down || !typesCharacter(k->text()))
        return keyEaten;
    const char16_t typed = k->text().at(0).unicode();
    TMessage c{WM_CHAR, typed, shift, 0, nullptr};
    control_->WndProc(c);
    const auto result = static_cast<char16_t>(c.WParam);
    if (!keyEaten && result == typed)
        return false;
    if (result != 0 && QChar(result).isPrint()) {
        // The character was replaced (or only the key was taken): type the result.
        QKeyEvent replacement(QEvent::KeyPress, keyEaten ? Qt::Key_unknown : k->key(), k->modifiers(),
                              QString(QChar(result)));
        reinjecting_ = true;
        QCoreApplication::sendEvent(parent(), &replacement);
        reinjecting_ = false;
    }
    return true;
}

void ControlBridge::focus(QEvent* event)
{
    auto* f = static_cast<QFocusEvent*>(event);
    // Switching windows is not a focus change inside the form.
    if (f->reason() == Qt::ActiveWindowFocusReason || f->reason() == Qt::PopupFocusReason)
        return;
    if (dynamic_cast<TWinControl*>(control_))
        control_->Perform(event->type() == QEvent::FocusIn ? WM_SETFOCUS : WM_KILLFOCUS);
}

void ControlBridge::resized()
{
    QWidget* w = control_->Widget();
    if (!w->isWindow())
        return;
    // A window moved or sized by the user or the window system.
    const QRect g = w->geometry();
    if (g.x() == control_->left_ && g.y() == control_->top_ && g.width() == control_->width_ &&
        g.height() == control_->height_)
        return;
    const bool sized = g.width() != control_->width_ || g.height() != control_->height_;
    control_->left_ = g.x();
    control_->top_ = g.y();
    control_->width_ = g.width();
    control_->height_ = g.height();
    if (sized)
        control_->Perform(WM_SIZE, 0, packPoint(QPoint(g.width(), g.height())));
}

bool ControlBridge::closeRequested(QEvent* event)
{
    // The close box: the form decides, Qt does not hide the window itself.
    event->ignore();
    if (auto* form = dynamic_cast<TForm*>(control_))
        form->Close();
    return true;
}

bool ControlBridge::contextMenu(QEvent* event)
{
    auto* c = static_cast<QContextMenuEvent*>(event);
    const TPoint origin = control_->ClientOffset();
    TPoint pos{c->pos().x() - origin.X, c->pos().y() - origin.Y};
    bool handled = false;
    qx::fire(control_->OnContextPopup, control_, pos, handled);
    if (handled)
        return true;
    for (TControl* target = control_; target; target = target->Parent())
        if (target->PopupMenu()) {
            if (PopupPresenter presenter = popupPresenter())
                presenter(target->PopupMenu(), control_, TPoint{c->globalPos().x(), c->globalPos().y()});
            return true;
        }
    return false;
}

} // namespace qx
