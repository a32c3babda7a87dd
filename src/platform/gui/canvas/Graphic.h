#pragma once
// TGraphic: a picture that draws itself on a canvas and loads and saves its file bytes.

#include "platform/gui/canvas/Geometry.h"
#include "platform/image/Image.h"

#include <functional>
#include <string>

class TCanvas;

class TGraphic
{
public:
    virtual ~TGraphic() = default;

    virtual void Draw(TCanvas& canvas, const TRect& r) const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual bool Empty() const = 0;

    // Replaces the picture with the file bytes; false (and the reason) when they are not a
    // picture of this kind, leaving the picture empty. Zero bytes make an empty picture.
    virtual bool LoadFromBytes(qx::ByteView bytes, std::string* error = nullptr) = 0;
    // The picture in its own file format; empty for an empty picture.
    virtual qx::Bytes SaveToBytes() const = 0;

    bool LoadFromFile(const std::string& path, std::string* error = nullptr);
    bool SaveToFile(const std::string& path, std::string* error = nullptr) const;

    // Drawn with its transparent colour (or its alpha) left out.
    bool Transparent = false;
    // Raised after a load or an assignment changed the picture.
    std::function<void()> OnChange;

protected:
    void Changed() const
    {
        if (OnChange)
            OnChange();
    }
};

namespace qx {
// Whole file into memory; false with the reason when it cannot be read.
bool readFileBytes(const std::string& path, Bytes& out, std::string* error);
bool writeFileBytes(const std::string& path, ByteView bytes, std::string* error);
} // namespace qx
