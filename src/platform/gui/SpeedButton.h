#pragma once

#include "platform/gui/Control.h"

#include <memory>

class TPicture;

/// A button drawn on its parent, without a window and never focused: a
/// picture (Glyph) and a caption on a raised face that sinks while pressed;
/// a Flat button shows its face only under the mouse.
class TSpeedButton : public TGraphicControl
{
public:
    explicit TSpeedButton(TComponent* AOwner);
    ~TSpeedButton() override;

    bool Flat() const { return flat_; }
    void SetFlat(bool Value);
    const std::string& GlyphName() const { return glyphName_; }
    void SetGlyphName(const std::string& Value);
    TPicture* Glyph() const { return glyph_.get(); }

    using TGraphicControl::Click;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void Dispatch(TMessage& Message) override;

private:
    std::unique_ptr<TPicture> glyph_;
    std::string glyphName_;
    bool flat_ = false;
    bool pressed_ = false;
    bool hot_ = false;
};
