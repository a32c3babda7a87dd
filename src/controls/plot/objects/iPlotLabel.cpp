#include "controls/plot/objects/iPlotLabel.h"

#include "controls/plot/base/iDrawing.h"
#include "controls/plot/base/iPlotManagers.h"

#include "platform/gui/ImageList.h"
#include "platform/gui/PropertyRegistry.h"
#include "platform/gui/canvas/Bitmap.h"

#include <cmath>
#include <mutex>

TiPlotLabel::TiPlotLabel(TObject* AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                         TNotifyEvent AOnRename)
    : TiPlotLayoutObject(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove),
                         std::move(AOnRename))
{
    FFont.Name = "Arial";
    FFont.SetSize(14);
    FFont.Style = TFontStyles{fsBold};
    FFont.Color = clWhite;
    SetHorizontal(true);
}

TiPlotLabel::~TiPlotLabel() = default;

void TiPlotLabel::SetFont(const TFont& Value)
{
    if (Value == FFont)
        return;
    FFont = Value;
    DoChange();
}

void TiPlotLabel::SetImage(const TBitmap* Value)
{
    if (Value)
        FImage = std::make_unique<TBitmap>(*Value);
    else
        FImage.reset();
    DoChange();
}

void TiPlotLabel::ImageClear()
{
    if (!FImage)
        return;
    FImage.reset();
    DoChange();
}

void TiPlotLabel::ImageLoadFromFile(const std::string& FileName)
{
    TBitmap bitmap;
    LoadBitmapFile(FileName, bitmap);
    SetImage(&bitmap);
}

void TiPlotLabel::Measure(TCanvas& Canvas)
{
    Canvas.Font() = FFont;
    const int w0 = Canvas.TextWidth("0");
    const int h0 = Canvas.TextHeight("0");
    FMarginTopPixels = static_cast<int>(std::nearbyint(h0 * FMarginTop));
    FMarginBottomPixels = static_cast<int>(std::nearbyint(h0 * FMarginBottom));
    FMarginLeftPixels = static_cast<int>(std::nearbyint(w0 * FMarginLeft));
    FMarginRightPixels = static_cast<int>(std::nearbyint(w0 * FMarginRight));
    FRequiredWidth = Canvas.TextHeight(FCaption) + FMarginTopPixels + FMarginBottomPixels;
}

int TiPlotLabel::GetRequiredThickness(TCanvas& Canvas)
{
    Measure(Canvas);
    return FRequiredWidth;
}

void TiPlotLabel::Draw(TCanvas& Canvas, TColor)
{
    if (!Visible())
        return;
    const TRect r = DrawRect();
    Measure(Canvas);
    const int y = r.Top + FMarginTopPixels;
    auto alignedX = [&](int width) {
        switch (FAlignment) {
        case iahLeft:
            return r.Left + FMarginLeftPixels;
        case iahRight:
            return r.Right - FMarginRightPixels - width;
        case iahCenter:
            break;
        }
        return (r.Left + r.Right) / 2 - width / 2;
    };
    if (FImage && !FImage->Empty()) {
        const TColor key = FImage->Canvas().Pixel(0, FImage->Height() - 1);
        const int x = alignedX(FImage->Width());
        Canvas.BlitTransparent({x, y, x + FImage->Width(), y + FImage->Height()}, *FImage,
                               {0, 0, FImage->Width(), FImage->Height()}, key);
        return;
    }
    if (auto* source = dynamic_cast<TiPlotImageListSource*>(Owner())) {
        TImageList* list = source->PlotImageList(FImageListIndex);
        if (list && FImageIndex >= 0 && FImageIndex < list->Count()) {
            list->Draw(Canvas, alignedX(list->Width()), y, FImageIndex);
            return;
        }
    }
    Canvas.Brush().Style = bsClear;
    Canvas.Font() = FFont;
    if (Horizontal()) {
        TRect box{r.Left + FMarginLeftPixels, r.Top + FMarginTopPixels, r.Right - FMarginRightPixels,
                  r.Bottom - FMarginBottomPixels};
        const std::uint16_t align = FAlignment == iahLeft    ? iTextFlags::Left
                                    : FAlignment == iahRight ? iTextFlags::Right
                                                             : iTextFlags::Center;
        DrawTextFlags(Canvas, FCaption, box, align | iTextFlags::VCenter | iTextFlags::SingleLine, Enabled(),
                      FFont.Color);
        return;
    }
    const int tw = Canvas.TextWidth(FCaption);
    int centreY = (r.Top + r.Bottom) / 2;
    if (FAlignment == iahLeft)
        centreY = r.Bottom - tw / 2 - FMarginLeftPixels;
    else if (FAlignment == iahRight)
        centreY = r.Top + tw / 2 + FMarginRightPixels;
    const TRect box{r.Left + FMarginTopPixels, centreY - tw / 2 - 1, r.Right - FMarginBottomPixels,
                    centreY + tw / 2 + 1};
    TRect textRect{};
    DrawTurnedText(Canvas, FCaption, box, ira090, 0, Enabled(), FFont.Color, textRect);
}

namespace qx {

void registerPlotLabelClasses()
{
    static std::once_flag once;
    std::call_once(once, [] {
        registerPlotObjectClasses();
        registerEnum<TiAlignmentHorizontal>("TiAlignmentHorizontal",
                                            {{"iahCenter", iahCenter}, {"iahLeft", iahLeft}, {"iahRight", iahRight}});
        using L = TiPlotLabel;
        registerClass<L, TiPlotLayoutObject>("TiPlotLabel")
            .property("MarginLeft", &L::MarginLeft, &L::SetMarginLeft)
            .property("MarginTop", &L::MarginTop, &L::SetMarginTop)
            .property("MarginRight", &L::MarginRight, &L::SetMarginRight)
            .property("MarginBottom", &L::MarginBottom, &L::SetMarginBottom)
            .property("Caption", &L::Caption, &L::SetCaption)
            .property("Alignment", &L::Alignment, &L::SetAlignment)
            .defaultValue(iahCenter)
            .font("Font", &L::Font, &L::SetFont)
            .property("ImageListIndex", &L::ImageListIndex, &L::SetImageListIndex)
            .defaultValue(-1)
            .property("ImageIndex", &L::ImageIndex, &L::SetImageIndex)
            .defaultValue(0);
        plot::registerPlotObjectCreator("TiPlotLabel", [](TObject* o, TNotifyEvent c, TNotifyEvent i, TNotifyEvent r,
                                                          TNotifyEvent n) -> TiPlotObject* {
            return new TiPlotLabel(o, std::move(c), std::move(i), std::move(r), std::move(n));
        });
    });
}

} // namespace qx
