#include "platform/gui/FormScroller.h"

#include "platform/gui/Application.h"
#include "platform/gui/Form.h"

#include <QScrollBar>
#include <QStyle>
#include <QWidget>

#include <algorithm>

namespace qx {
namespace {
constexpr int kLineStep = 8;
int barThickness(const QWidget* w) { return w->style()->pixelMetric(QStyle::PM_ScrollBarExtent); }
} // namespace

FormScroller::FormScroller(TForm& form)
    : form_(form), vert_(new QScrollBar(Qt::Vertical, form.Widget())),
      horz_(new QScrollBar(Qt::Horizontal, form.Widget()))
{
    for (QScrollBar* bar : {vert_, horz_}) {
        bar->hide();
        bar->setSingleStep(kLineStep);
        const bool vertical = bar == vert_;
        QObject::connect(bar, &QScrollBar::valueChanged, bar,
                         [this, vertical](int v) { guarded(&form_, [&] { SetPosition(vertical, v); }); });
    }
}

void FormScroller::SetEnabled(bool enabled)
{
    enabled_ = enabled;
    Update();
}

// The controls' far edge, measured from where they lie unscrolled.
int FormScroller::extent(bool vertical) const
{
    int far = 0;
    for (int i = 0; i < form_.ControlCount(); ++i) {
        const TControl* c = form_.Controls(i);
        if (c->Visible())
            far = std::max(far, vertical ? c->Top() + c->Height() : c->Left() + c->Width());
    }
    return far + Position(vertical);
}

bool FormScroller::BarShown(bool vertical) const
{
    if (!enabled_)
        return false;
    // A bar along one edge takes room from the other direction.
    const int thickness = barThickness(form_.Widget());
    const bool other = extent(!vertical) > (vertical ? form_.ClientWidth() : form_.ClientHeight());
    const int room = (vertical ? form_.ClientHeight() : form_.ClientWidth()) - (other ? thickness : 0);
    return extent(vertical) > room;
}

int FormScroller::visible(bool vertical) const
{
    const int thickness = barThickness(form_.Widget());
    return vertical ? form_.ClientHeight() - (BarShown(false) ? thickness : 0)
                    : form_.ClientWidth() - (BarShown(true) ? thickness : 0);
}

int FormScroller::maxPosition(bool vertical) const
{
    return BarShown(vertical) ? std::max(0, extent(vertical) - visible(vertical)) : 0;
}

void FormScroller::SetPosition(bool vertical, int position)
{
    position = std::clamp(position, 0, maxPosition(vertical));
    const int delta = Position(vertical) - position;
    if (delta == 0)
        return;
    (vertical ? top_ : left_) = position;
    vertical ? scrollBy(0, delta) : scrollBy(delta, 0);
    Update();
}

void FormScroller::scrollBy(int dx, int dy)
{
    form_.DisableAlign();
    for (int i = 0; i < form_.ControlCount(); ++i) {
        TControl* c = form_.Controls(i);
        c->SetBounds(c->Left() + dx, c->Top() + dy, c->Width(), c->Height());
    }
    form_.EnableAlign();
}

void FormScroller::Update()
{
    for (const bool vertical : {true, false})
        if (Position(vertical) > maxPosition(vertical))
            SetPosition(vertical, maxPosition(vertical));
    const int thickness = barThickness(form_.Widget());
    for (const bool vertical : {true, false}) {
        QScrollBar* bar = Bar(vertical);
        const QSignalBlocker block(bar);
        bar->setVisible(BarShown(vertical));
        bar->setRange(0, maxPosition(vertical));
        bar->setPageStep(visible(vertical));
        bar->setValue(Position(vertical));
        bar->raise();
    }
    // The bars lie along the right and bottom edges of the client area.
    const TPoint origin = form_.ClientOffset();
    vert_->setGeometry(origin.X + form_.ClientWidth() - thickness, origin.Y, thickness, visible(true));
    horz_->setGeometry(origin.X, origin.Y + form_.ClientHeight() - thickness, visible(false), thickness);
}

} // namespace qx
