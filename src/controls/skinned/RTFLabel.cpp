#include "controls/skinned/RTFLabel.h"

#include "controls/skinned/Rounding.h"
#include "platform/gui/RichEdit.h"
#include "platform/gui/canvas/Canvas.h"

namespace qx {

TRect richTextTargetTwips(const TRect& r, int dpiX, int dpiY)
{
    const double dx = dpiX == 0 ? 96 : dpiX, dy = dpiY == 0 ? 96 : dpiY;
    const int left = roundEven((r.Left + 1) * 1440 / dx);
    const int top = roundEven((r.Top + 1) * 1440 / dy);
    return {left, top, left + roundEven((r.Width() - 1) * 1440 / dx),
            top + roundEven((r.Height() - 1) * 1440 / dy)};
}

} // namespace qx

TRTFLabel::TRTFLabel(TComponent* AOwner) : TGraphicControl(AOwner), richEdit_(new TRichEdit(this))
{
    richEdit_->SetVisible(false);
    SetColor(clWindow);
}

TRTFLabel::~TRTFLabel() = default;

void TRTFLabel::Loaded()
{
    TGraphicControl::Loaded();
    richEdit_->SetVisible(false);
    richEdit_->SetBounds(0, 0, 10, 10);
    richEdit_->SetWordWrap(false);
    SetCaption({});
}

void TRTFLabel::SetRichText(const std::string& Value)
{
    richText_ = Value;
    Invalidate();
}

void TRTFLabel::SetRichText(const std::u16string& Value)
{
    std::string bytes;
    bytes.reserve(Value.size());
    for (const char16_t c : Value)
        bytes += static_cast<char>(c & 0xFF);
    SetRichText(bytes);
}

void TRTFLabel::SetWordWrap(bool Value)
{
    wordWrap_ = Value;
    if (!Loading())
        richEdit_->SetWordWrap(Value);
}

void TRTFLabel::SetTransparent(bool Value)
{
    if (Value == transparent_)
        return;
    transparent_ = Value;
    Invalidate();
}

TRichEdit* TRTFLabel::RTF()
{
    if (!Parent())
        return nullptr;
    richEdit_->Clear();
    filling_ = true;
    return richEdit_;
}

void TRTFLabel::ShowRTF()
{
    if (!Parent())
        return;
    filling_ = false;
    CopyFromRichEdit(*richEdit_);
}

void TRTFLabel::EndUpdate()
{
    if (updateCount_ == 0 || --updateCount_ > 0)
        return;
    if (filling_)
        ShowRTF();
    else
        Invalidate();
}

void TRTFLabel::CopyFromRichEdit(const TRichEdit& edit)
{
    SetRichText(edit.SaveToStream());
}

void TRTFLabel::CopyToRichEdit(TRichEdit& edit) const
{
    edit.SetPlainText(false);
    edit.LoadFromStream(richText_);
}

void TRTFLabel::Print(const std::string& caption)
{
    if (!Parent())
        return;
    CopyToRichEdit(*richEdit_);
    richEdit_->Print(caption);
}

void TRTFLabel::Paint()
{
    if (Canvas())
        PaintTo(*Canvas());
}

void TRTFLabel::PaintTo(TCanvas& canvas)
{
    if (!transparent_) {
        canvas.Brush().Style = bsSolid;
        canvas.Brush().Color = Color();
        canvas.FillRect(ClientRect());
    }
    if (updateCount_ > 0 || painting_ || !Parent())
        return;
    painting_ = true;
    try {
        renderRichText(canvas, Rect(0, 0, Width(), Height()));
    } catch (...) {
        painting_ = false;
        throw;
    }
    painting_ = false;
}

void TRTFLabel::renderRichText(TCanvas& canvas, const TRect& r)
{
    CopyToRichEdit(*richEdit_);
    richEdit_->SetBackgroundColor(ColorToRGB(transparent_ ? Parent()->Color() : Color()));
    canvas.Brush().Style = bsClear;
    richEdit_->FormatRange(canvas, qx::richTextTargetTwips(r, kPixelsPerInch, kPixelsPerInch));
}
