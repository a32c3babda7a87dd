#pragma once

#include "platform/gui/Control.h"

#include <memory>

class TPicture;

/// A picture on its parent, drawn without a window of its own: in its own
/// size at the top left (or centred), or stretched to the control's size
/// (keeping its proportions with Proportional).
class TImage : public TGraphicControl
{
public:
    explicit TImage(TComponent* AOwner);
    ~TImage() override;

    TPicture* Picture() const { return picture_.get(); }
    /// The name of the compiled-in picture the layout gave (see PictureResources.h).
    const std::string& PictureName() const { return pictureName_; }
    void SetPictureName(const std::string& Value);

    bool Stretch() const { return stretch_; }
    void SetStretch(bool Value);
    bool Center() const { return center_; }
    void SetCenter(bool Value);
    bool Proportional() const { return proportional_; }
    void SetProportional(bool Value);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool Value);

protected:
    void Paint() override;

private:
    TRect destination() const;

    std::unique_ptr<TPicture> picture_;
    std::string pictureName_;
    bool stretch_ = false;
    bool center_ = false;
    bool proportional_ = false;
    bool transparent_ = false;
};
