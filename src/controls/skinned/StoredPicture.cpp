#include "controls/skinned/StoredPicture.h"

#include "Artwork.h"
#include "platform/gdiplus/Image.h"

namespace qx {

ByteView pictureResource(const std::string& name)
{
    const std::string_view bytes = art::resource(name);
    return {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()};
}

bool StoredPicture::GetImageSizes()
{
    if (isEmpty_ || data_.empty())
        return false;
    const gdiplus::Image image = gdiplus::Image::FromStream(data_);
    width_ = image.GetWidth();
    height_ = image.GetHeight();
    return true;
}

bool StoredPicture::LoadFromBytes(ByteView bytes, std::string*)
{
    LoadFromStream(bytes);
    return !isEmpty_;
}

void StoredPicture::LoadFromResourceName(const std::string& name)
{
    const ByteView bytes = pictureResource(name);
    if (bytes.empty())
        return;
    LoadFromStream(bytes);
    resourceName_ = name;
}

void StoredPicture::setData(ByteView bytes)
{
    data_.assign(bytes.begin(), bytes.end());
    isEmpty_ = false;
    resourceName_.clear();
}

void StoredPicture::assignPicture(const StoredPicture* source)
{
    isEmpty_ = true;
    if (!source) {
        data_.clear();
        resourceName_.clear();
        Changed();
        fire(OnClear, nullptr);
    } else {
        if (source != this) {
            data_ = source->data_;
            resourceName_ = source->resourceName_;
        }
        isEmpty_ = data_.empty();
        if (source != this)
            Changed();
    }
    GetImageSizes();
}

void StoredPicture::assignGraphic(const TGraphic& source)
{
    setData(source.SaveToBytes());
    Changed();
    GetImageSizes();
}

bool StoredPicture::readFile(const std::string& fileName)
{
    Bytes bytes;
    if (!readFileBytes(fileName, bytes, nullptr)) {
        isEmpty_ = true;
        return false;
    }
    setData(bytes);
    fire(OnClear, nullptr);
    return true;
}

} // namespace qx
