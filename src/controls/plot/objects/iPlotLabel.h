#pragma once
// TiPlotLabel: a caption or picture placed by the plot's layout like an axis; the plot's
// title is the label named "Title". It shows its own bitmap, or an image of one of the plot's
// image lists, or its caption, with margins in character sizes.

#include "controls/plot/base/iPlotError.h"
#include "controls/plot/base/iPlotHost.h"
#include "controls/plot/base/iPlotObjects.h"

#include "platform/gui/canvas/GraphicsObjects.h"

#include <memory>
#include <string>

class TBitmap;
class TImageList;

enum TiAlignmentHorizontal { iahCenter, iahLeft, iahRight };

/// What a label asks of its plot for pictures from the plot's image lists.
class TiPlotImageListSource
{
public:
    /// The image list of that index (0 to 2), else nullptr.
    virtual TImageList* PlotImageList(int Index) = 0;

protected:
    ~TiPlotImageListSource() = default;
};

class TiPlotLabel : public TiPlotLayoutObject
{
public:
    TiPlotLabel(TObject* AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                TNotifyEvent AOnRename);
    ~TiPlotLabel() override;

    double MarginLeft() const { return FMarginLeft; }
    void SetMarginLeft(double Value) { SetDoubleField(Value, FMarginLeft, &TiPlotObject::DoChange); }
    double MarginTop() const { return FMarginTop; }
    void SetMarginTop(double Value) { SetDoubleField(Value, FMarginTop, &TiPlotObject::DoChange); }
    double MarginRight() const { return FMarginRight; }
    void SetMarginRight(double Value) { SetDoubleField(Value, FMarginRight, &TiPlotObject::DoChange); }
    double MarginBottom() const { return FMarginBottom; }
    void SetMarginBottom(double Value) { SetDoubleField(Value, FMarginBottom, &TiPlotObject::DoChange); }
    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& Value) { SetStringField(Value, FCaption, &TiPlotObject::DoChange); }
    TiAlignmentHorizontal Alignment() const { return FAlignment; }
    void SetAlignment(TiAlignmentHorizontal Value) { SetEnumField(Value, FAlignment); }
    const TFont& Font() const { return FFont; }
    void SetFont(const TFont& Value);
    int ImageListIndex() const { return FImageListIndex; }
    void SetImageListIndex(int Value) { SetIntegerField(Value, FImageListIndex, &TiPlotObject::DoChange); }
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value) { SetIntegerField(Value, FImageIndex, &TiPlotObject::DoChange); }

    /// A copy of the bitmap becomes the label's own; nullptr frees it.
    void SetImage(const TBitmap* Value);
    const TBitmap* Image() const { return FImage.get(); }
    void ImageClear();
    void ImageLoadFromFile(const std::string& FileName);

    int GetRequiredThickness(TCanvas& Canvas) override;
    void Draw(TCanvas& Canvas, TColor BackGroundColor) override;

private:
    void Measure(TCanvas& Canvas);

    int FRequiredWidth = 0;
    int FMarginTopPixels = 0, FMarginBottomPixels = 0, FMarginLeftPixels = 0, FMarginRightPixels = 0;
    std::string FCaption;
    double FMarginLeft = 0, FMarginRight = 0, FMarginBottom = 0, FMarginTop = 0;
    TFont FFont;
    TiAlignmentHorizontal FAlignment = iahCenter;
    std::unique_ptr<TBitmap> FImage;
    int FImageListIndex = -1;
    int FImageIndex = 0;
};

namespace qx {
/// Publishes the label and registers its creator with the managers.
void registerPlotLabelClasses();
} // namespace qx
