#include "controls/skinned/CurvyControls.h"

#include "controls/skinned/GDIPFill.h"
#include "controls/skinned/PaintGuard.h"
#include "platform/gdiplus/Brush.h"
#include "platform/gdiplus/Graphics.h"
#include "platform/gdiplus/Pen.h"
#include "platform/gui/canvas/Canvas.h"

#include <algorithm>
#include <array>

using namespace qx::gdiplus;

// ---- rounded panel ----

TCurvyPanel::TCurvyPanel(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetControlStyle(ControlStyle() << csAcceptsControls);
    TCustomControl::SetColor(clNone);
    SetBounds(Left(), Top(), 200, 100);
}

void TCurvyPanel::SetRounding(int Value)
{
    if (Value == rounding_)
        return;
    rounding_ = Value;
    Invalidate();
}

void TCurvyPanel::SetBorderColor(TColor Value)
{
    if (Value == borderColor_)
        return;
    borderColor_ = Value;
    Invalidate();
}

void TCurvyPanel::SetColor(TColor Value)
{
    if (Value == bodyColor_)
        return;
    bodyColor_ = Value;
    BodyColorChanged();
}

void TCurvyPanel::Paint()
{
    if (Canvas())
        PaintTo(*Canvas());
}

void TCurvyPanel::PaintTo(TCanvas& canvas)
{
    qx::paintGuarded(canvas, [&] {
        Graphics g(canvas);
        g.SetSmoothingMode(SmoothingMode::AntiAlias);
        TGDIPFill fill;
        const TColor body = ColorToRGB(Color());
        fill.SetBorderColor(borderColor_);
        fill.SetRounding(rounding_);
        fill.SetRoundingType(rtBoth);
        fill.SetColor(body);
        fill.SetColorTo(body);
        fill.SetColorMirror(body);
        fill.SetColorMirrorTo(body);
        const float w = float(Width()), h = float(Height());
        fill.Fill(&g, RectF{float(indentLeft_), 0, w - 1 - indentRight_ - indentLeft_, h - 1});
        const Pen shadow(ArgbFromColor(kShadowColor));
        g.DrawLine(shadow, float(rounding_ + indentLeft_), 1, w - rounding_ - indentRight_, 1);
        g.DrawArc(shadow, RectF{w - rounding_ - 3 - indentRight_, 1, float(rounding_), float(rounding_)}, -90,
                  90);
    });
}

// ---- picture buttons ----

TCurvyControl::TCurvyControl(TCollection* Collection)
    : TCollectionItem(Collection), picture_(std::make_unique<TAdvGDIPPicture>()),
      pictureHover_(std::make_unique<TAdvGDIPPicture>()), pictureDown_(std::make_unique<TAdvGDIPPicture>())
{
    for (TAdvGDIPPicture* p : {picture_.get(), pictureHover_.get(), pictureDown_.get()})
        p->OnChange = [this] { changed(); };
}

void TCurvyControl::changed()
{
    if (Collection() && Collection()->OnChange)
        Collection()->OnChange(*Collection());
}

void TCurvyControl::SetDropDown(bool Value)
{
    dropDown_ = Value;
    changed();
}

void TCurvyControl::SetImageIndex(int Value)
{
    imageIndex_ = Value;
    changed();
}

void TCurvyControl::SetPosition(TControlPosition Value)
{
    position_ = Value;
    changed();
}

int TCurvyControl::ControlWidth() const
{
    // Without a picture the image list's size counts; no list is kept, so it is 0.
    const int image = picture_->Empty() ? 0 : picture_->Width();
    return image + 2 + (dropDown_ ? 5 : 0);
}

int TCurvyControl::ControlHeight() const
{
    return picture_->Empty() ? 0 : picture_->Height();
}

void TCurvyControl::Assign(const TPersistent& Source)
{
    const auto* s = dynamic_cast<const TCurvyControl*>(&Source);
    if (!s)
        return TPersistent::Assign(Source);
    hint_ = s->hint_;
    imageIndex_ = s->imageIndex_;
    imageIndexDown_ = s->imageIndexDown_;
    imageIndexHover_ = s->imageIndexHover_;
    position_ = s->position_;
    dropDown_ = s->dropDown_;
    changed();
}

TCurvyControls::TCurvyControls() : TCollection(qx::itemsOf<TCurvyControl>()) {}

void TCurvyControls::CalcSizes()
{
    LeftSize = RightSize = LeftControlSize = 0;
    RightControlSize = 2;
    for (int i = 0; i < Count(); ++i) {
        const TCurvyControl& c = *Control(i);
        int* sum[] = {&LeftControlSize, &RightControlSize, &LeftSize, &RightSize};
        *sum[c.Position()] += c.ControlWidth();
    }
}

TCurvyControlPanel::TCurvyControlPanel(TComponent* AOwner)
    : TCurvyPanel(AOwner), controls_(std::make_unique<TCurvyControls>())
{
    controls_->OnChange = [this](TCollection&) { ControlsChanged(); };
}

TCurvyControlPanel::~TCurvyControlPanel() = default;

void TCurvyControlPanel::Loaded()
{
    TCurvyPanel::Loaded();
    ControlsChanged();
}

void TCurvyControlPanel::ControlsChanged()
{
    controls_->CalcSizes();
    indentLeft_ = controls_->LeftSize;
    indentRight_ = controls_->RightSize;
    UpdateEditPosition();
    Invalidate();
}

int TCurvyControlPanel::LayoutControls(int x, TCanvas* canvas)
{
    const TCurvyControls& c = *controls_;
    int start[] = {c.LeftSize + Rounding() / 2, Width() - c.RightSize - c.RightControlSize - Rounding() / 2,
                   0, Width() - c.RightSize + 2};
    int hit = -1;
    for (int i = 0; i < c.Count(); ++i) {
        const TCurvyControl& control = *c.Control(i);
        int& s = start[control.Position()];
        const int w = control.ControlWidth();
        if (canvas)
            drawControl(*canvas, control, s, (Height() - control.ControlHeight()) / 2);
        if (s < x && x < s + w)
            hit = i;
        s += w;
    }
    return hit;
}

void TCurvyControlPanel::drawControl(TCanvas& canvas, const TCurvyControl& control, int x, int y)
{
    TAdvGDIPPicture* picture = &control.Picture();
    if (control.State() == csHover && !control.PictureHover().Empty())
        picture = &control.PictureHover();
    else if (control.State() == csDown && !control.PictureDown().Empty())
        picture = &control.PictureDown();
    Graphics g(canvas);
    int w = 0;
    if (!picture->Empty()) {
        picture->GetImageSizes();
        w = picture->Width();
        picture->GDIPDraw(g, Bounds(x, y, w, picture->Height()));
    }
    if (control.DropDown()) {
        g.SetSmoothingMode(SmoothingMode::HighQuality);
        const std::array<PointF, 3> arrow{PointF{float(x + w), float(y + 5)},
                                          PointF{float(x + w + 6), float(y + 5)},
                                          PointF{float(x + w + 3), float(y + 9)}};
        g.FillPolygon(SolidBrush(0xFF000000u), arrow);
    }
}

void TCurvyControlPanel::PaintTo(TCanvas& canvas)
{
    TCurvyPanel::PaintTo(canvas);
    qx::paintGuarded(canvas, [&] { LayoutControls(-1, &canvas); });
}

void TCurvyControlPanel::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCurvyPanel::MouseDown(Button, Shift, X, Y);
    const int i = ControlAtPos(X);
    if (i < 0)
        return;
    controls_->Control(i)->SetState(csDown);
    Invalidate();
}

void TCurvyControlPanel::MouseMove(TShiftState Shift, int X, int Y)
{
    TCurvyPanel::MouseMove(Shift, X, Y);
    const int a = ControlAtPos(X);
    if (a < 0)
        return;
    bool changed = false;
    for (int i = 0; i < controls_->Count(); ++i) {
        TCurvyControl& c = *controls_->Control(i);
        if (i != a && c.State() == csHover) {
            c.SetState(csNormal);
            changed = true;
        }
    }
    if (controls_->Control(a)->State() == csNormal) {
        controls_->Control(a)->SetState(csHover);
        changed = true;
    }
    if (changed)
        Invalidate();
}

void TCurvyControlPanel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCurvyPanel::MouseUp(Button, Shift, X, Y);
    const int a = ControlAtPos(X);
    if (a < 0)
        return;
    DoControlClick(a);
    controls_->Control(a)->SetState(csNormal);
    Invalidate();
}

void TCurvyControlPanel::Dispatch(TMessage& Message)
{
    TCurvyPanel::Dispatch(Message);
    if (Message.Msg != CM_MOUSELEAVE)
        return;
    bool changed = false;
    for (int i = 0; i < controls_->Count(); ++i)
        if (controls_->Control(i)->State() == csHover) {
            controls_->Control(i)->SetState(csNormal);
            changed = true;
        }
    if (changed)
        Invalidate();
}

// ---- the value box ----

TEmptyEdit::TEmptyEdit(TComponent* AOwner) : TEdit(AOwner) { SetFramed(false); }

void TEmptyEdit::SetEmptyText(const std::string& Value)
{
    emptyText_ = Value;
    showPlaceholder();
}

void TEmptyEdit::SetHint(const std::string& Value)
{
    textHint_ = Value;
    showPlaceholder();
}

// The edit shows one grey text while empty: the placeholder, else the cue text.
void TEmptyEdit::showPlaceholder() { SetTextHint(emptyText_.empty() ? textHint_ : emptyText_); }

TCurvyEdit::TCurvyEdit(TComponent* AOwner) : TCurvyControlPanel(AOwner), edit_(new TEmptyEdit(this))
{
    edit_->SetTabStop(false);
    edit_->SetParent(this);
    edit_->SetBounds(0, 5, edit_->Width(), 18);
    SetBounds(Left(), Top(), 100, kBoxHeight);
    forwardEvents();
    UpdateEditPosition();
}

void TCurvyEdit::forwardEvents()
{
    TEmptyEdit& e = *edit_;
    auto notify = [this](TNotifyEvent TCurvyEdit::*event) {
        return [this, event](TObject*) { qx::fire(this->*event, this); };
    };
    e.OnChange = notify(&TCurvyEdit::OnChange);
    e.OnClick = notify(&TCurvyEdit::OnClick);
    e.OnDblClick = notify(&TCurvyEdit::OnDblClick);
    e.OnEnter = notify(&TCurvyEdit::OnEnter);
    e.OnExit = notify(&TCurvyEdit::OnExit);
    e.OnMouseEnter = notify(&TCurvyEdit::OnMouseEnter);
    e.OnMouseLeave = notify(&TCurvyEdit::OnMouseLeave);
    e.OnKeyDown = [this](TObject*, Word& Key, TShiftState Shift) { qx::fire(OnKeyDown, this, Key, Shift); };
    e.OnKeyUp = [this](TObject*, Word& Key, TShiftState Shift) { qx::fire(OnKeyUp, this, Key, Shift); };
    e.OnKeyPress = [this](TObject*, char16_t& Key) { qx::fire(OnKeyPress, this, Key); };
    e.OnMouseDown = [this](TObject*, TMouseButton B, TShiftState S, int X, int Y) {
        qx::fire(OnMouseDown, this, B, S, X, Y);
    };
    e.OnMouseUp = [this](TObject*, TMouseButton B, TShiftState S, int X, int Y) {
        qx::fire(OnMouseUp, this, B, S, X, Y);
    };
    e.OnMouseMove = [this](TObject*, TShiftState S, int X, int Y) { qx::fire(OnMouseMove, this, S, X, Y); };
}

void TCurvyEdit::SetBounds(int ALeft, int ATop, int AWidth, int)
{
    TCurvyControlPanel::SetBounds(ALeft, ATop, AWidth, kBoxHeight);
}

void TCurvyEdit::Resize()
{
    TCurvyControlPanel::Resize();
    if (edit_)
        UpdateEditPosition();
}

void TCurvyEdit::UpdateEditPosition()
{
    if (!edit_)
        return;
    const TCurvyControls& c = Controls();
    const int r = Rounding();
    const int left = c.LeftSize + r + c.LeftControlSize;
    const int width = Width() - 2 * r - c.RightSize - c.RightControlSize - c.LeftSize - c.LeftControlSize;
    edit_->SetBounds(left, 5, std::max(0, width), 18);
}

void TCurvyEdit::BodyColorChanged()
{
    TCurvyControlPanel::BodyColorChanged();
    if (edit_)
        edit_->SetColor(Color());
}

void TCurvyEdit::FontChanged()
{
    TCurvyControlPanel::FontChanged();
    if (edit_)
        edit_->SetFont(Font());
}

namespace {

// Characters of a UTF-8 text as the edit counts them (UTF-16 units).
int utf16Length(const std::string& text)
{
    int units = 0;
    for (const unsigned char c : text) {
        if ((c & 0xC0) == 0x80)
            continue;
        units += c >= 0xF0 ? 2 : 1;
    }
    return units;
}

} // namespace

void TCurvyEdit::CaretToEnd()
{
    edit_->SetSelStart(utf16Length(edit_->Text()));
}
