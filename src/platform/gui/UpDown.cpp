#include "platform/gui/UpDown.h"

#include "platform/gui/Application.h"

#include <QToolButton>
#include <QWidget>

#include <algorithm>

namespace {

QToolButton* arrow(QWidget* parent, const char* name, TUpDown* control, TUDBtnType button)
{
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setAutoRepeat(true);
    b->setFocusPolicy(Qt::NoFocus);
    QObject::connect(b, &QToolButton::clicked, b, [control, button] {
        qx::guarded(control, [&] { control->ArrowClick(button); });
    });
    return b;
}

} // namespace

TUpDown::TUpDown(TComponent* AOwner) : TWinControl(AOwner)
{
    SetControlStyle(ControlStyle() - TControlStyle{csClickEvents, csSetCaption});
    arrow(Widget(), "next", this, btNext);
    arrow(Widget(), "prev", this, btPrev);
    SetBounds(0, 0, 17, 25);
    layoutArrows();
}

int TUpDown::clamped(int value) const
{
    return std::clamp(value, std::min(min_, max_), std::max(min_, max_));
}

void TUpDown::SetMin(int Value)
{
    min_ = Value;
    position_ = clamped(position_);
}

void TUpDown::SetMax(int Value)
{
    max_ = Value;
    position_ = clamped(position_);
}

void TUpDown::SetPosition(int Value)
{
    if (Value == position_)
        return;
    if (!Loading() && !DoCanChange(Value, updNone))
        return;
    position_ = clamped(Value);
}

void TUpDown::ArrowClick(TUDBtnType Button)
{
    const TUpDownDirection direction = Button == btNext ? updUp : updDown;
    int target = position_ + (Button == btNext ? increment_ : -increment_);
    if (wrap_ && target > std::max(min_, max_))
        target = std::min(min_, max_);
    else if (wrap_ && target < std::min(min_, max_))
        target = std::max(min_, max_);
    if (!DoCanChange(target, direction))
        return;
    position_ = clamped(target);
    ArrowClicked(Button);
}

bool TUpDown::DoCanChange(int NewValue, TUpDownDirection Direction)
{
    bool allow = true;
    qx::fire(OnChanging, this, allow);
    if (allow)
        qx::fire(OnChangingEx, this, allow, static_cast<std::int16_t>(NewValue), Direction);
    return allow;
}

void TUpDown::ArrowClicked(TUDBtnType Button) { qx::fire(OnClick, this, Button); }

void TUpDown::SetOrientation(TUDOrientation Value)
{
    orientation_ = Value;
    layoutArrows();
}

void TUpDown::Resize()
{
    layoutArrows();
    TWinControl::Resize();
}

void TUpDown::Loaded()
{
    TWinControl::Loaded();
    layoutArrows();
}

void TUpDown::layoutArrows()
{
    auto* next = Widget()->findChild<QToolButton*>("next");
    auto* prev = Widget()->findChild<QToolButton*>("prev");
    if (!next || !prev)
        return;
    const int w = Width(), h = Height();
    if (orientation_ == udVertical) {
        next->setArrowType(Qt::UpArrow);
        prev->setArrowType(Qt::DownArrow);
        next->setGeometry(0, 0, w, h / 2);
        prev->setGeometry(0, h / 2, w, h - h / 2);
    } else {
        next->setArrowType(Qt::RightArrow);
        prev->setArrowType(Qt::LeftArrow);
        prev->setGeometry(0, 0, w / 2, h);
        next->setGeometry(w / 2, 0, w - w / 2, h);
    }
}
