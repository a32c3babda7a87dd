#pragma once
// Base of the skinned controls' pictures: the image file's bytes kept exactly as loaded, an
// empty flag, and the size of the last measurement (every measuring decodes afresh).

#include "platform/gui/Events.h"
#include "platform/gui/canvas/Graphic.h"

#include <string>

namespace qx {

class StoredPicture : public TGraphic
{
public:
    StoredPicture() = default;
    StoredPicture(const StoredPicture&) = delete;
    StoredPicture& operator=(const StoredPicture&) = delete;

    // A picture without bytes is empty whatever else it was told.
    bool Empty() const override { return isEmpty_ || data_.empty(); }
    int Width() const override { return width_; }
    int Height() const override { return height_; }
    const Bytes& Data() const { return data_; }
    Bytes SaveToBytes() const override { return data_; }

    // Decodes the bytes and takes the size from the image; false when there are none.
    bool GetImageSizes();
    virtual void LoadFromStream(ByteView bytes) = 0;
    bool LoadFromBytes(ByteView bytes, std::string* error = nullptr) override;
    // A compiled-in picture of that name (the layouts name pictures so); nothing when none.
    void LoadFromResourceName(const std::string& name);
    // The resource the picture was last loaded from (what a layout writes back).
    const std::string& ResourceName() const { return resourceName_; }

    TNotifyEvent OnClear;

protected:
    // Marks the picture empty, then copies source's bytes (null clears, raising OnClear),
    // raises the change event and measures.
    void assignPicture(const StoredPicture* source);
    // Takes another graphic saved in its own file format.
    void assignGraphic(const TGraphic& source);
    // The file's bytes become the picture (OnClear raised); false and empty when unreadable.
    bool readFile(const std::string& fileName);
    void setData(ByteView bytes);

    Bytes data_;
    bool isEmpty_ = true;
    mutable int width_ = 0;
    mutable int height_ = 0;
    std::string resourceName_;
};

// Bytes of a compiled-in picture, empty when there is none of that name.
ByteView pictureResource(const std::string& name);

} // namespace qx
