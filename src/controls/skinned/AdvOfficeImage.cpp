#include "controls/skinned/AdvOfficeImage.h"

#include "controls/skinned/PaintGuard.h"
#include "platform/gui/canvas/Canvas.h"

TAdvHintInfo::TAdvHintInfo()
    : picture_(std::make_unique<TGDIPPicture>()), notes_(std::make_unique<TStringList>())
{
}

TAdvHintInfo::~TAdvHintInfo() = default;

void TAdvHintInfo::Assign(const TPersistent& Source)
{
    const auto* s = dynamic_cast<const TAdvHintInfo*>(&Source);
    if (!s || s == this)
        return;
    title_ = s->title_;
    notes_->Assign(*s->notes_);
    showHelp_ = s->showHelp_;
    picture_->Assign(s->picture_.get());
    WideTitle = s->WideTitle;
    WideNotes = s->WideNotes;
}

TAdvOfficeImage::TAdvOfficeImage(TComponent* AOwner)
    : TGraphicControl(AOwner), picture_(std::make_unique<TGDIPPicture>()),
      officeHint_(std::make_unique<TAdvHintInfo>())
{
    SetBounds(Left(), Top(), 128, 128);
    SetShowHint(false);
    picture_->OnChange = [this] { Invalidate(); };
}

TAdvOfficeImage::~TAdvOfficeImage() = default;

void TAdvOfficeImage::SetCenter(bool Value)
{
    if (Value == center_)
        return;
    center_ = Value;
    Invalidate();
}

void TAdvOfficeImage::SetStretch(bool Value)
{
    if (Value == stretch_)
        return;
    stretch_ = Value;
    Invalidate();
}

void TAdvOfficeImage::DrawPicture(TCanvas& canvas)
{
    if (picture_->Empty())
        return;
    picture_->GetImageSizes();
    if (stretch_)
        return picture_->Draw(canvas, ClientRect());
    const int w = picture_->Width(), h = picture_->Height();
    const int x = center_ ? (Width() - w) / 2 : 0;
    const int y = center_ ? (Height() - h) / 2 : 0;
    picture_->Draw(canvas, Bounds(x, y, w, h));
}

void TAdvOfficeImage::Paint()
{
    if (Canvas())
        qx::paintGuarded(*Canvas(), [this] { DrawPicture(*Canvas()); });
}

void TAdvOfficeImage::Dispatch(TMessage& Message)
{
    if (Message.Msg == CM_MOUSEENTER)
        mouseInControl_ = true;
    else if (Message.Msg == CM_MOUSELEAVE)
        mouseInControl_ = false;
    TGraphicControl::Dispatch(Message);
}
