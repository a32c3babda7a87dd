#pragma once
// The content of the splash screen: picture-and-text items, HTML text lines with their area
// and fonts, the product name, version and legal-notice block, and overlay panels. Settings
// objects only; the splash window's painters (SplashPainters.h) draw them.

#include "controls/skinned/AdvGDIP.h"
#include "controls/skinned/AdvGDIPPicture.h"
#include "controls/skinned/ChangedValue.h"
#include "controls/skinned/GDIPFill.h"
#include "platform/gui/Collection.h"
#include "platform/gui/Control.h"
#include "platform/gui/Events.h"

#include <functional>
#include <memory>
#include <string>

class TAdvSmoothSplashScreen;

enum TItemLocation
{
    ilTopLeft,
    ilTopCenter,
    ilTopRight,
    ilBottomLeft,
    ilBottomCenter,
    ilBottomRight,
    ilCustom
};

enum TAdvSmoothSplashScreenLocation
{
    cpTopLeft,
    cpTopCenter,
    cpTopRight,
    cpCenterLeft,
    cpCenterCenter,
    cpCenterRight,
    cpBottomLeft,
    cpBottomCenter,
    cpBottomRight,
    cpCustom
};

// A picture and a text placed at (PosX, PosY). Changing an item does not repaint the splash.
class TSplashItem : public TCollectionItem
{
public:
    explicit TSplashItem(TCollection* Collection);
    ~TSplashItem() override;

    const std::string& Text() const { return text_; }
    void SetText(const std::string& Value) { text_ = Value; }
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int Value) { imageIndex_ = Value; }
    int Tag() const { return tag_; }
    void SetTag(int Value) { tag_ = Value; }
    TAdvGDIPPicture& Picture() const { return *picture_; }
    void SetPicture(const TAdvGDIPPicture& Value) { picture_->Assign(&Value); }
    int PosX() const { return posX_; }
    void SetPosX(int Value) { posX_ = Value; }
    int PosY() const { return posY_; }
    void SetPosY(int Value) { posY_ = Value; }
    const TFont& Font() const { return font_; }
    void SetFont(const TFont& Value) { font_ = Value; }

    void Assign(const TPersistent& Source) override;

private:
    std::unique_ptr<TAdvGDIPPicture> picture_;
    std::string text_;
    int imageIndex_ = -1, tag_ = 0, posX_ = 80, posY_ = 130;
    TFont font_;
};

// One HTML text line of the list; its placement is worked out at every paint.
class TSplashListItem : public TCollectionItem
{
public:
    explicit TSplashListItem(TCollection* Collection) : TCollectionItem(Collection) {}

    const std::string& HTMLText() const { return htmlText_; }
    void SetHTMLText(const std::string& Value) { htmlText_ = Value; }
    int Tag() const { return tag_; }
    void SetTag(int Value) { tag_ = Value; }

    TRect DisplayRect{-1, -1, -1, -1};

    void Assign(const TPersistent& Source) override;

private:
    std::string htmlText_;
    int tag_ = 0;
};

class TListItemsRect : public TPersistent
{
public:
    QX_SETTING(int, Left, left_, left_ = Value)
    QX_SETTING(int, Top, top_, top_ = Value)
    QX_SETTING(int, Width, width_, width_ = Value)
    QX_SETTING(int, Height, height_, height_ = Value)
    TRect GetRect() const { return {left_, top_, left_ + width_, top_ + height_}; }
    void Assign(const TPersistent& Source) override;

private:
    int left_ = 30, top_ = 150, width_ = 300, height_ = 200;
};

class TSplashListItemsSettings : public TPersistent
{
public:
    TSplashListItemsSettings();
    ~TSplashListItemsSettings() override;

    TListItemsRect& Rect() const { return *rect_; }
    void SetRect(const TListItemsRect& Value) { rect_->Assign(Value); }
    QX_SETTING(int, Space, space_, space_ = Value)
    const TFont& HTMLFont() const { return htmlFont_; }
    void SetHTMLFont(const TFont& Value) { htmlFont_ = Value; }
    QX_SETTING(TColor, HTMLURLColor, urlColor_, urlColor_ = Value)
    QX_SETTING(TColor, HTMLShadowColor, shadowColor_, shadowColor_ = Value)
    QX_SETTING(int, HTMLShadowOffset, shadowOffset_, shadowOffset_ = Value)
    TNotifyEvent OnChange;

    void Assign(const TPersistent& Source) override;

private:
    std::unique_ptr<TListItemsRect> rect_;
    int space_ = 8;
    TFont htmlFont_;
    TColor urlColor_ = 0xFF0000, shadowColor_ = 0x808080;
    int shadowOffset_ = 5;
};

// A heading line (the product name or the version): its text filled by a gradient kind.
class TSplashHeadingText : public TPersistent
{
public:
    TSplashHeadingText();
    ~TSplashHeadingText() override;

    const std::string& Text() const { return text_; }
    void SetText(const std::string& Value);
    const TFont& Font() const { return font_; }
    void SetFont(const TFont& Value) { font_ = Value; }
    QX_SETTING(TItemLocation, Location, location_, location_ = Value)
    QX_SETTING(int, PosX, posX_, posX_ = Value)
    QX_SETTING(int, PosY, posY_, posY_ = Value)
    QX_SETTING(TAdvGradientType, GradientType, gradientType_, gradientType_ = Value)
    QX_SETTING(TColor, ColorStart, colorStart_, colorStart_ = Value)
    QX_SETTING(TColor, ColorEnd, colorEnd_, colorEnd_ = Value)
    QX_SETTING(int, OpacityStart, opacityStart_, opacityStart_ = Value)
    QX_SETTING(int, OpacityEnd, opacityEnd_, opacityEnd_ = Value)
    QX_SETTING(qx::gdiplus::HatchStyle, HatchStyle, hatchStyle_, hatchStyle_ = Value)
    QX_SETTING(int, Angle, angle_, angle_ = Value)
    TAdvGDIPPicture& Picture() const { return *picture_; }
    void SetPicture(const TAdvGDIPPicture& Value) { picture_->Assign(&Value); }

    TNotifyEvent OnChange;

    void Assign(const TPersistent& Source) override;

private:
    std::string text_;
    TFont font_;
    TItemLocation location_ = ilTopLeft;
    int posX_ = 10, posY_ = 100;
    TAdvGradientType gradientType_ = gtVertical;
    TColor colorStart_ = 0x000000, colorEnd_ = clNone;
    int opacityStart_ = 255, opacityEnd_ = 255;
    qx::gdiplus::HatchStyle hatchStyle_ = qx::gdiplus::HatchStyle::Horizontal;
    int angle_ = 0;
    std::unique_ptr<TAdvGDIPPicture> picture_;
};

// The product name, version and legal-notice block.
class TBasicProgramInfo : public TPersistent
{
public:
    TBasicProgramInfo();
    ~TBasicProgramInfo() override;

    QX_SETTING(bool, AutoLoad, autoLoad_, autoLoad_ = Value)
    TSplashHeadingText& ProgramName() const { return *programName_; }
    void SetProgramName(const TSplashHeadingText& Value) { programName_->Assign(Value); }
    TSplashHeadingText& ProgramVersion() const { return *programVersion_; }
    void SetProgramVersion(const TSplashHeadingText& Value) { programVersion_->Assign(Value); }
    QX_SETTING(std::string, CopyRight, copyRight_, copyRight_ = Value)
    const TFont& CopyRightFont() const { return copyRightFont_; }
    void SetCopyRightFont(const TFont& Value) { copyRightFont_ = Value; }
    QX_SETTING(TItemLocation, CopyRightLocation, copyRightLocation_, copyRightLocation_ = Value)
    QX_SETTING(int, CopyRightPosX, copyRightPosX_, copyRightPosX_ = Value)
    QX_SETTING(int, CopyRightPosY, copyRightPosY_, copyRightPosY_ = Value)

    // Raised when the text of the name or the version changes.
    TNotifyEvent OnChange;

    void Assign(const TPersistent& Source) override;

private:
    bool autoLoad_ = true;
    std::unique_ptr<TSplashHeadingText> programName_;
    std::unique_ptr<TSplashHeadingText> programVersion_;
    std::string copyRight_;
    TFont copyRightFont_;
    TItemLocation copyRightLocation_ = ilTopLeft;
    int copyRightPosX_ = 10, copyRightPosY_ = 130;
};

// The HTML text of an overlay panel. Every change repaints the splash.
class TAdvSplashHTMLText : public TPersistent
{
public:
    const std::string& Text() const { return text_; }
    void SetText(const std::string& Value) { update(text_, Value); }
    TAdvSmoothSplashScreenLocation Location() const { return location_; }
    void SetLocation(TAdvSmoothSplashScreenLocation Value) { update(location_, Value); }
    int Left() const { return left_; }
    void SetLeft(int Value) { update(left_, Value); }
    int Top() const { return top_; }
    void SetTop(int Value) { update(top_, Value); }
    TColor URLColor() const { return urlColor_; }
    void SetURLColor(TColor Value) { update(urlColor_, Value); }
    TColor ShadowColor() const { return shadowColor_; }
    void SetShadowColor(TColor Value) { update(shadowColor_, Value); }
    int ShadowOffset() const { return shadowOffset_; }
    void SetShadowOffset(int Value) { update(shadowOffset_, Value); }
    const TFont& Font() const { return font_; }
    void SetFont(const TFont& Value) { update(font_, Value); }

    TNotifyEvent OnChange;

    // Copies another HTML text; other sources are ignored.
    void Assign(const TPersistent& Source) override;

private:
    template <class T> void update(T& field, const T& value)
    {
        if (qx::storeChanged(field, value))
            qx::fire(OnChange, this);
    }
    std::string text_;
    TAdvSmoothSplashScreenLocation location_ = cpTopLeft;
    int left_ = 0, top_ = 0;
    TColor urlColor_ = 0xFF0000, shadowColor_ = 0x808080;
    int shadowOffset_ = 5;
    TFont font_;
};

// An overlay panel: a fill and an HTML text over the splash's content.
class TAdvSplashTopLayerItem : public TCollectionItem
{
public:
    explicit TAdvSplashTopLayerItem(TCollection* Collection);
    ~TAdvSplashTopLayerItem() override;

    bool Visible() const { return visible_; }
    void SetVisible(bool Value) { update(visible_, Value); }
    int Left() const { return left_; }
    void SetLeft(int Value) { update(left_, Value); }
    int Top() const { return top_; }
    void SetTop(int Value) { update(top_, Value); }
    int Width() const { return width_; }
    void SetWidth(int Value) { update(width_, Value); }
    int Height() const { return height_; }
    void SetHeight(int Value) { update(height_, Value); }
    TAlign Align() const { return align_; }
    void SetAlign(TAlign Value) { update(align_, Value); }
    TGDIPFill& Fill() const { return *fill_; }
    void SetFill(const TGDIPFill& Value) { fill_->Assign(Value); }
    TAdvSplashHTMLText& HTMLText() const { return *htmlText_; }
    void SetHTMLText(const TAdvSplashHTMLText& Value) { htmlText_->Assign(Value); }

    // Repaint request of the splash; the collection's owner sets it.
    std::function<void()> Changed;

    // Copies another overlay panel; other sources are ignored.
    void Assign(const TPersistent& Source) override;

private:
    template <class T> void update(T& field, const T& value)
    {
        if (qx::storeChanged(field, value) && Changed)
            Changed();
    }
    bool visible_ = true;
    int left_ = 0, top_ = 0, width_ = 100, height_ = 100;
    TAlign align_ = alCustom;
    std::unique_ptr<TGDIPFill> fill_;
    std::unique_ptr<TAdvSplashHTMLText> htmlText_;
};
