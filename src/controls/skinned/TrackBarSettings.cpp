#include "controls/skinned/TrackBarSettings.h"

#include "controls/skinned/AdvTrackBar.h"

namespace qx {

std::unique_ptr<TGDIPPicture> TrackBarSettings::makePicture(std::function<void()> rule)
{
    auto picture = std::make_unique<TGDIPPicture>();
    picture->OnChange = std::move(rule);
    return picture;
}

} // namespace qx

namespace {

bool isVertical(const TCustomTrackBar* owner)
{
    return owner && owner->Orientation() == trVertical;
}

} // namespace

// ---- thumb ----

TTrackBarThumb::TTrackBarThumb(TCustomTrackBar* owner) : owner_(owner)
{
    auto rule = [this] { PictureChanged(); };
    picture_ = makePicture(rule);
    pictureHot_ = makePicture(rule);
    pictureDown_ = makePicture(rule);
    pictureDisabled_ = makePicture(rule);
}

void TTrackBarThumb::PictureChanged()
{
    if (!picture_->Empty() && owner_) {
        picture_->GetImageSizes();
        if (isVertical(owner_)) {
            width_ = picture_->Height();
            size_ = picture_->Width();
        } else {
            size_ = picture_->Height();
            width_ = picture_->Width();
        }
    }
    Changed();
}

void TTrackBarThumb::SetThumbPointer(TThumbPointer Value)
{
    if (Value == thumbPointer_ || !owner_ || !owner_->CanChangeThumbPointer(*this, Value))
        return;
    thumbPointer_ = Value;
    Changed();
}

void TTrackBarThumb::SetSize(int Value)
{
    if (picture_->Empty())
        update(size_, Value);
}

void TTrackBarThumb::SetWidth(int Value)
{
    if (picture_->Empty())
        update(width_, Value);
}

void TTrackBarThumb::Assign(const TPersistent& Source)
{
    const auto* s = dynamic_cast<const TTrackBarThumb*>(&Source);
    if (!s)
        return;
    color_ = s->color_, colorTo_ = s->colorTo_, colorMirror_ = s->colorMirror_,
    colorMirrorTo_ = s->colorMirrorTo_;
    borderColor_ = s->borderColor_;
    colorHot_ = s->colorHot_, colorHotTo_ = s->colorHotTo_, borderColorHot_ = s->borderColorHot_;
    colorMirrorHot_ = s->colorMirrorHot_, colorMirrorHotTo_ = s->colorMirrorHotTo_;
    colorDown_ = s->colorDown_, colorDownTo_ = s->colorDownTo_, borderColorDown_ = s->borderColorDown_;
    colorMirrorDown_ = s->colorMirrorDown_, colorMirrorDownTo_ = s->colorMirrorDownTo_;
    colorDisabled_ = s->colorDisabled_, colorDisabledTo_ = s->colorDisabledTo_;
    borderColorDisabled_ = s->borderColorDisabled_;
    colorMirrorDisabled_ = s->colorMirrorDisabled_, colorMirrorDisabledTo_ = s->colorMirrorDisabledTo_;
    gradient_ = s->gradient_, gradientMirror_ = s->gradientMirror_, steps_ = s->steps_;
    picture_->Assign(s->picture_.get());
    pictureHot_->Assign(s->pictureHot_.get());
    pictureDown_->Assign(s->pictureDown_.get());
    pictureDisabled_->Assign(s->pictureDisabled_.get());
    SetWidth(s->width_);
    SetShape(s->shape_);
    SetStyle(s->style_);
    SetSize(s->size_);
    SetThumbPointer(s->thumbPointer_);
}

// ---- slider ----

TTrackBarSlider::TTrackBarSlider(TCustomTrackBar* owner) : owner_(owner)
{
    auto rule = [this] { pictureChanged(); };
    picture_ = makePicture(rule);
    pictureDisabled_ = makePicture(rule);
    pictureCompleted_ = makePicture(rule);
    pictureCompletedDisabled_ = makePicture(rule);
}

void TTrackBarSlider::pictureChanged()
{
    if (!picture_->Empty()) {
        picture_->GetImageSizes();
        size_ = isVertical(owner_) ? picture_->Width() : picture_->Height();
        SetBorderColor(clNone);
    }
    Changed();
}

void TTrackBarSlider::Assign(const TPersistent& Source)
{
    const auto* s = dynamic_cast<const TTrackBarSlider*>(&Source);
    if (!s)
        return TPersistent::Assign(Source);
    color_ = s->color_, colorTo_ = s->colorTo_, borderColor_ = s->borderColor_;
    colorDisabled_ = s->colorDisabled_, colorDisabledTo_ = s->colorDisabledTo_;
    borderColorDisabled_ = s->borderColorDisabled_;
    colorCompleted_ = s->colorCompleted_, colorCompletedTo_ = s->colorCompletedTo_;
    colorCompletedDisabled_ = s->colorCompletedDisabled_,
    colorCompletedDisabledTo_ = s->colorCompletedDisabledTo_;
    size_ = s->size_, rounded_ = s->rounded_;
    SetBorder3D(s->border3D_);
    SetVisible(s->visible_);
    picture_->Assign(s->picture_.get());
    pictureDisabled_->Assign(s->pictureDisabled_.get());
    pictureCompleted_->Assign(s->pictureCompleted_.get());
    pictureCompletedDisabled_->Assign(s->pictureCompletedDisabled_.get());
    SetPictureStretched(s->pictureStretched_);
    SetOffset(s->offset_);
}

// ---- tick marks ----

TTrackBarTick::TTrackBarTick()
{
    font_.Name = "Tahoma";
    auto notify = [this] { Changed(); };
    picture_ = makePicture(notify);
    pictureDisabled_ = makePicture(notify);
}

void TTrackBarTick::Assign(const TPersistent& Source)
{
    const auto* s = dynamic_cast<const TTrackBarTick*>(&Source);
    if (!s)
        return TPersistent::Assign(Source);
    SetColor(s->color_);
    SetColorDisabled(s->colorDisabled_);
    SetSize(s->size_);
    SetPosition(s->position_);
    SetStyle(s->style_);
    picture_->Assign(s->picture_.get());
    pictureDisabled_->Assign(s->pictureDisabled_.get());
    SetFont(s->font_);
    SetShowText(s->showText_);
    SetLine3D(s->line3D_);
    showImageAtThumbOnly_ = s->showImageAtThumbOnly_;
    showImageAtSteps_ = s->showImageAtSteps_;
    SetSpacing(s->spacing_);
}

// ---- min and max buttons ----

TTrackBarButtons::TTrackBarButtons(TCustomTrackBar* owner) : owner_(owner)
{
    auto rule = [this] { PictureChanged(); };
    minPicture_ = makePicture(rule);
    maxPicture_ = makePicture(rule);
    minPictureHot_ = makePicture({});
    minPictureDown_ = makePicture({});
    maxPictureHot_ = makePicture({});
    maxPictureDown_ = makePicture({});
}

void TTrackBarButtons::SetSize(int Value)
{
    if (minPicture_->Empty() && maxPicture_->Empty())
        update(size_, Value);
}

void TTrackBarButtons::PictureChanged()
{
    if ((!minPicture_->Empty() || !maxPicture_->Empty()) && owner_) {
        TGDIPPicture& p = !minPicture_->Empty() ? *minPicture_ : *maxPicture_;
        p.GetImageSizes();
        size_ = isVertical(owner_) ? p.Height() : p.Width();
    }
    Changed();
}

void TTrackBarButtons::Assign(const TPersistent& Source)
{
    const auto* s = dynamic_cast<const TTrackBarButtons*>(&Source);
    if (!s)
        return TPersistent::Assign(Source);
    SetColor(s->color_);
    SetColorTo(s->colorTo_);
    SetColorHot(s->colorHot_);
    SetColorHotTo(s->colorHotTo_);
    SetColorDown(s->colorDown_);
    SetColorDownTo(s->colorDownTo_);
    SetBorderColor(s->borderColor_);
    SetBorderColorHot(s->borderColorHot_);
    SetBorderColorDown(s->borderColorDown_);
    colorMirror_ = s->colorMirror_, colorMirrorTo_ = s->colorMirrorTo_;
    colorMirrorHot_ = s->colorMirrorHot_, colorMirrorHotTo_ = s->colorMirrorHotTo_;
    colorMirrorDown_ = s->colorMirrorDown_, colorMirrorDownTo_ = s->colorMirrorDownTo_;
    minPicture_->Assign(s->minPicture_.get());
    maxPicture_->Assign(s->maxPicture_.get());
    minPictureHot_->Assign(s->minPictureHot_.get());
    minPictureDown_->Assign(s->minPictureDown_.get());
    maxPictureHot_->Assign(s->maxPictureHot_.get());
    maxPictureDown_->Assign(s->maxPictureDown_.get());
    SetVisible(s->visible_);
    SetSize(s->size_);
    SetShape(s->shape_);
    SetRounding(s->rounding_);
    SetRotateText(s->rotateText_);
    repeatClick_ = s->repeatClick_, repeatPause_ = s->repeatPause_, initRepeatPause_ = s->initRepeatPause_;
    step_ = s->step_;
    SetSpacing(s->spacing_);
}

// ---- position label ----

TTrackBarLabel::TTrackBarLabel()
{
    font_.Name = "Tahoma";
}

void TTrackBarLabel::Assign(const TPersistent& Source)
{
    const auto* s = dynamic_cast<const TTrackBarLabel*>(&Source);
    if (!s)
        return TPersistent::Assign(Source);
    visible_ = s->visible_;
    format_ = s->format_;
    SetFont(s->font_);
    SetPosition(s->position_);
}
