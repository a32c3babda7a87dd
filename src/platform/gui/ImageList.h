#pragma once
// TImageList: a list of equally sized pictures, drawn by their index.

#include "platform/gui/Component.h"
#include "platform/gui/Events.h"
#include "platform/gui/canvas/Bitmap.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

/// Pictures of one size (Width x Height) kept in order and drawn by index. Controls that
/// draw from a list hold a reference to it and forget it when it goes (free notification).
class TImageList : public TComponent
{
public:
    explicit TImageList(TComponent* AOwner);

    int Width() const { return width_; }
    int Height() const { return height_; }
    /// Changing the size empties the list; sizes below 1 are taken as 1.
    void SetWidth(int Value) { setSize(Value, height_); }
    void SetHeight(int Value) { setSize(width_, Value); }
    int Count() const { return static_cast<int>(images_.size()); }

    /// Cuts Image from left to right into pictures of Width x Height (a narrower rest is
    /// left out, a taller image is cut at Height) and appends them. Returns the index of the
    /// first, -1 when none fits.
    int Add(const TBitmap& Image) { return addStrip(Image, clNone); }
    /// As Add; the pixels of MaskColor are left out when the pictures are drawn.
    int AddMasked(const TBitmap& Image, TColor MaskColor) { return addStrip(Image, MaskColor); }
    void Clear();

    /// Draws picture Index with its top-left corner at (X, Y); an Index outside the list
    /// draws nothing.
    void Draw(TCanvas& Canvas, int X, int Y, int Index) const;
    /// As Draw; a disabled picture is drawn greyed: its dark parts as a shape in the
    /// highlight colour one pixel down and right, then in the shadow colour in place.
    void Draw(TCanvas& Canvas, int X, int Y, int Index, bool Enabled) const;

    /// The list in the image list's own stream format: "IL", format version 1 (16 bits),
    /// width, height and picture count (32 bits each), then per picture a flag byte
    /// (transparent, fixed transparent colour, alpha), the transparent colour (32 bits) and
    /// Width x Height pixels of 32 bits (alpha, red, green, blue from the high byte; colour
    /// premultiplied by alpha when the picture has alpha), row by row; every number
    /// little-endian.
    std::vector<std::uint8_t> WriteStream() const;
    /// Replaces the size and pictures by those of a stream WriteStream wrote. A stream that
    /// is not whole (cut short, longer, a size or count its bytes cannot hold) is refused:
    /// the result is false and the list is unchanged.
    bool ReadStream(std::span<const std::uint8_t> Stream);

    /// A layout names a picture resource holding the strip of pictures; its bottom-left
    /// pixel is the transparent colour.
    const std::string& BitmapName() const { return bitmapName_; }
    void SetBitmapName(const std::string& Value);

    /// Raised after the pictures or their size change.
    TNotifyEvent OnChange;

private:
    void setSize(int width, int height);
    int addStrip(const TBitmap& strip, TColor key);
    void changed();

    int width_ = 16;
    int height_ = 16;
    std::vector<TBitmap> images_;
    std::string bitmapName_;
};
