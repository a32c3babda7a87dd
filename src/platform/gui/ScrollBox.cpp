#include "platform/gui/ScrollBox.h"

#include "platform/gui/Application.h"

#include <QScrollBar>
#include <QStyle>
#include <QWidget>

#include <algorithm>

namespace {
int barThickness(const QWidget* w) { return w->style()->pixelMetric(QStyle::PM_ScrollBarExtent); }
} // namespace

void TControlScrollBar::SetPosition(int Value)
{
    Value = std::clamp(Value, 0, MaxPosition());
    const int delta = position_ - Value;
    if (delta == 0)
        return;
    position_ = Value;
    vertical_ ? box_.ScrollBy(0, delta) : box_.ScrollBy(delta, 0);
    box_.updateBars();
}

void TControlScrollBar::SetRange(int Value)
{
    range_ = std::max(Value, 0);
    box_.updateBars();
    SetPosition(position_);
}

void TControlScrollBar::SetVisible(bool Value)
{
    visible_ = Value;
    box_.updateBars();
}

int TControlScrollBar::EffectiveRange() const
{
    return range_ > 0 ? range_ : box_.childExtent(vertical_) + position_;
}

int TControlScrollBar::MaxPosition() const
{
    const int client = vertical_ ? box_.ClientHeight() : box_.ClientWidth();
    return std::max(0, EffectiveRange() - client);
}

TScrollBox::TScrollBox(TComponent* AOwner)
    : TWinControl(AOwner),
      vert_(std::make_unique<TControlScrollBar>(*this, true)),
      horz_(std::make_unique<TControlScrollBar>(*this, false))
{
    SetControlStyle(ControlStyle() << csAcceptsControls);
    vertWidget_ = new QScrollBar(Qt::Vertical, Widget());
    horzWidget_ = new QScrollBar(Qt::Horizontal, Widget());
    QObject::connect(vertWidget_, &QScrollBar::valueChanged, vertWidget_,
                     [this](int v) { qx::guarded(this, [&] { vert_->SetPosition(v); }); });
    QObject::connect(horzWidget_, &QScrollBar::valueChanged, horzWidget_,
                     [this](int v) { qx::guarded(this, [&] { horz_->SetPosition(v); }); });
    SetBounds(0, 0, 185, 41);
    updateBars();
}

TScrollBox::~TScrollBox() = default;

void TScrollBox::ScrollBy(int DeltaX, int DeltaY)
{
    DisableAlign();
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        c->SetBounds(c->Left() + DeltaX, c->Top() + DeltaY, c->Width(), c->Height());
    }
    EnableAlign();
}

int TScrollBox::childExtent(bool vertical) const
{
    int extent = 0;
    for (int i = 0; i < ControlCount(); ++i) {
        const TControl* c = Controls(i);
        if (c->Visible())
            extent = std::max(extent, vertical ? c->Top() + c->Height() : c->Left() + c->Width());
    }
    return extent;
}

bool TScrollBox::barShown(bool vertical) const
{
    const TControlScrollBar& bar = vertical ? *vert_ : *horz_;
    const int client = vertical ? Height() : Width();
    return bar.Visible() && bar.EffectiveRange() > client;
}

int TScrollBox::ClientWidth() const { return Width() - (barShown(true) ? barThickness(Widget()) : 0); }
int TScrollBox::ClientHeight() const { return Height() - (barShown(false) ? barThickness(Widget()) : 0); }

void TScrollBox::updateBars()
{
    if (!vertWidget_ || !horzWidget_)
        return;
    const int thickness = barThickness(Widget());
    const struct { QScrollBar* w; TControlScrollBar* bar; bool vertical; } bars[] = {
        {vertWidget_, vert_.get(), true}, {horzWidget_, horz_.get(), false}};
    for (const auto& b : bars) {
        const QSignalBlocker block(b.w);
        b.w->setVisible(barShown(b.vertical));
        b.w->setRange(0, b.bar->MaxPosition());
        b.w->setPageStep(b.vertical ? ClientHeight() : ClientWidth());
        b.w->setSingleStep(b.bar->Increment());
        b.w->setValue(b.bar->Position());
        b.w->raise();
    }
    vertWidget_->setGeometry(Width() - thickness, 0, thickness, ClientHeight());
    horzWidget_->setGeometry(0, Height() - thickness, ClientWidth(), thickness);
}

void TScrollBox::Loaded()
{
    TWinControl::Loaded();
    updateBars();
}

void TScrollBox::Resize()
{
    updateBars();
    TWinControl::Resize();
}
