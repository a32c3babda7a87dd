#pragma once
// TGDIPPicture: a picture kept as its image file's bytes, decoded afresh for each measuring and
// drawing. The fader's thumb pictures and the office image's page pictures.

#include "controls/skinned/StoredPicture.h"

namespace qx::gdiplus {
class Graphics;
}

class TGDIPPicture : public qx::StoredPicture
{
public:
    // Any bytes, even none, become the picture; then it is measured.
    void LoadFromStream(qx::ByteView bytes) override;
    bool LoadFromFile(const std::string& fileName);
    // The stored layout data: kept as it is, the picture not empty, not measured.
    void ReadData(qx::ByteView bytes);

    // Copies another picture's bytes (null clears); a bitmap is kept in its own format;
    // anything else leaves the picture empty.
    void Assign(const TGDIPPicture* source) { assignPicture(source); }
    void Assign(const TGraphic& source);
    void Clear() { Assign(static_cast<const TGDIPPicture*>(nullptr)); }

    // A bitmap is stretched with its bottom-left colour left out; anything else is measured and
    // stretched with its alpha.
    void Draw(TCanvas& canvas, const TRect& r) const override;
    void DrawImage(qx::gdiplus::Graphics& graphics, int x, int y) const;
    void DrawImageRect(qx::gdiplus::Graphics& graphics, int x, int y, int w, int h) const;

    TColor BackgroundColor = clWhite;
};
