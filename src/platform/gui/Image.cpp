#include "platform/gui/Image.h"

#include "platform/gui/PictureResources.h"
#include "platform/gui/canvas/Canvas.h"
#include "platform/gui/canvas/Picture.h"

TImage::TImage(TComponent* AOwner) : TGraphicControl(AOwner), picture_(std::make_unique<TPicture>())
{
    picture_->OnChange = [this] { Invalidate(); };
    SetBounds(0, 0, 105, 105);
}

TImage::~TImage() = default;

void TImage::SetPictureName(const std::string& Value)
{
    qx::loadPictureResource(*picture_, Value);
    pictureName_ = Value;
    Invalidate();
}

void TImage::SetStretch(bool Value) { stretch_ = Value; Invalidate(); }
void TImage::SetCenter(bool Value) { center_ = Value; Invalidate(); }
void TImage::SetProportional(bool Value) { proportional_ = Value; Invalidate(); }
void TImage::SetTransparent(bool Value) { transparent_ = Value; Invalidate(); }

TRect TImage::destination() const
{
    int w = picture_->Width(), h = picture_->Height();
    const int cw = Width(), ch = Height();
    if (stretch_ || (proportional_ && (w > cw || h > ch))) {
        if (proportional_ && w > 0 && h > 0) {
            // The largest size with the picture's proportions that fits.
            if (static_cast<long long>(cw) * h > static_cast<long long>(ch) * w) {
                w = static_cast<int>(static_cast<long long>(w) * ch / h);
                h = ch;
            } else {
                h = static_cast<int>(static_cast<long long>(h) * cw / w);
                w = cw;
            }
        } else {
            w = cw;
            h = ch;
        }
    }
    const int x = center_ ? (cw - w) / 2 : 0;
    const int y = center_ ? (ch - h) / 2 : 0;
    return {x, y, x + w, y + h};
}

void TImage::Paint()
{
    TCanvas* canvas = Canvas();
    if (!canvas || picture_->Empty())
        return;
    canvas->StretchDraw(destination(), *picture_->Graphic());
}
