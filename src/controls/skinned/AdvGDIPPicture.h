#pragma once
// TAdvGDIPPicture: a picture kept as the raw bytes of its image file (PNG, JPEG, BMP), decoded
// afresh each time it is measured or drawn. The pictures of the fill descriptor, of the value
// box's buttons and of the picture container.

#include "controls/skinned/StoredPicture.h"
#include "platform/gdiplus/Types.h"
#include "platform/gui/canvas/Bitmap.h"

namespace qx::gdiplus {
class Graphics;
class GraphicsPath;
class Image;
} // namespace qx::gdiplus

class TAdvGDIPPicture : public qx::StoredPicture
{
public:
    // The size from the header of the named file, by its extension.
    void GetImageSizesFromFileName(const std::string& fileName);

    // Empty bytes change nothing; otherwise they become the picture.
    void LoadFromStream(qx::ByteView bytes) override;
    // False (and the picture empty) when the file cannot be read.
    bool LoadFromFile(const std::string& fileName);
    // The stored layout data: at least one byte makes the picture, measured, without a change event.
    void ReadData(qx::ByteView bytes);
    // "RES://name" or "FILE://path" (the prefix in any letter case); anything else does nothing.
    void LoadFromURL(const std::string& url);

    // Copies the bytes of another picture; null clears (raising OnClear).
    void Assign(const TAdvGDIPPicture* source) { assignPicture(source); }
    // Keeps another graphic saved in its own file format.
    void Assign(const TGraphic& source);
    void Clear() { Assign(static_cast<const TAdvGDIPPicture*>(nullptr)); }

    void Draw(TCanvas& canvas, const TRect& r) const override;
    // Bitmaps with Transparent set are drawn at their natural size with the colour key;
    // anything else is stretched into the rectangle.
    void GDIPDraw(qx::gdiplus::Graphics& graphics, const TRect& r);
    // As above, but the keyed bitmap is stretched too; a nested call draws nothing.
    void GDIPDraw(qx::gdiplus::Graphics& graphics, const qx::gdiplus::RectF& r);
    // Fills with the picture as a texture repeating from the drawing origin.
    void FillRect(qx::gdiplus::Graphics& graphics, const qx::gdiplus::RectF& r) const;
    void FillPath(qx::gdiplus::Graphics& graphics, const qx::gdiplus::GraphicsPath& path) const;

    TTransparentMode TransparentMode = tmAuto;
    TColor TransparentColor = clWhite;
    std::string ID;

    int PixelDepth() const { return pixelDepth_; }
    bool HasAlpha() const { return hasAlpha_; }
    bool HasPalette() const { return hasPalette_; }

private:
    qx::gdiplus::Image decode() const;
    void drawDecoded(qx::gdiplus::Graphics& graphics, const qx::gdiplus::RectF& r, bool stretchKeyed);

    int pixelDepth_ = 0;
    bool hasAlpha_ = false;
    bool hasPalette_ = false;
    bool drawing_ = false;
};
