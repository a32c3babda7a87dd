#pragma once
// TAdvOfficeImage: a non-windowed control drawing one picture, centred, at the origin or
// stretched over the control.

#include "controls/skinned/AdvHintInfo.h"
#include "controls/skinned/GDIPicture.h"
#include "platform/gui/Control.h"

#include <memory>
#include <string>

class TCanvas;

class TAdvOfficeImage : public TGraphicControl
{
public:
    explicit TAdvOfficeImage(TComponent* AOwner);
    ~TAdvOfficeImage() override;

    TGDIPPicture& Picture() const { return *picture_; }
    // Copies the given picture and repaints.
    void SetPicture(const TGDIPPicture& Value) { picture_->Assign(&Value); }
    TAdvHintInfo& OfficeHint() const { return *officeHint_; }
    void SetOfficeHint(const TAdvHintInfo& Value) { officeHint_->Assign(Value); }
    bool Center() const { return center_; }
    void SetCenter(bool Value);
    bool Stretch() const { return stretch_; }
    void SetStretch(bool Value);
    bool MouseInControl() const { return mouseInControl_; }
    std::string Version() const { return "1.1.0.0"; }
    void SetVersion(const std::string&) {}

    virtual void DrawPicture(TCanvas& canvas);

protected:
    void Paint() override;
    void Dispatch(TMessage& Message) override;

private:
    std::unique_ptr<TGDIPPicture> picture_;
    std::unique_ptr<TAdvHintInfo> officeHint_;
    bool center_ = true;
    bool stretch_ = false;
    bool mouseInControl_ = false;
};
