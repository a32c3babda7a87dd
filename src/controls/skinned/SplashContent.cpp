#include "controls/skinned/SplashContent.h"

TSplashItem::TSplashItem(TCollection* Collection)
    : TCollectionItem(Collection), picture_(std::make_unique<TAdvGDIPPicture>())
{
}

TSplashItem::~TSplashItem() = default;

void TSplashItem::Assign(const TPersistent& Source)
{
    const auto* s = dynamic_cast<const TSplashItem*>(&Source);
    if (!s)
        return TPersistent::Assign(Source);
    text_ = s->text_;
    imageIndex_ = s->imageIndex_;
    tag_ = s->tag_;
    picture_->Assign(s->picture_.get());
    posX_ = s->posX_;
    posY_ = s->posY_;
    font_ = s->font_;
}

void TSplashListItem::Assign(const TPersistent& Source)
{
    const auto* s = dynamic_cast<const TSplashListItem*>(&Source);
    if (!s)
        return TPersistent::Assign(Source);
    htmlText_ = s->htmlText_;
    tag_ = s->tag_;
}

void TListItemsRect::Assign(const TPersistent& Source)
{
    const auto* s = dynamic_cast<const TListItemsRect*>(&Source);
    if (!s)
        return TPersistent::Assign(Source);
    left_ = s->left_;
    top_ = s->top_;
    width_ = s->width_;
    height_ = s->height_;
}

TSplashListItemsSettings::TSplashListItemsSettings() : rect_(std::make_unique<TListItemsRect>())
{
    htmlFont_.Name = "Tahoma";
}

TSplashListItemsSettings::~TSplashListItemsSettings() = default;

void TSplashListItemsSettings::Assign(const TPersistent& Source)
{
    const auto* s = dynamic_cast<const TSplashListItemsSettings*>(&Source);
    if (!s)
        return TPersistent::Assign(Source);
    rect_->Assign(*s->rect_);
    space_ = s->space_;
    htmlFont_ = s->htmlFont_;
    urlColor_ = s->urlColor_;
    shadowColor_ = s->shadowColor_;
    shadowOffset_ = s->shadowOffset_;
}

TSplashHeadingText::TSplashHeadingText() : picture_(std::make_unique<TAdvGDIPPicture>())
{
    font_.Name = "Tahoma";
}

TSplashHeadingText::~TSplashHeadingText() = default;

void TSplashHeadingText::SetText(const std::string& Value)
{
    if (qx::storeChanged(text_, Value))
        qx::fire(OnChange, this);
}

void TSplashHeadingText::Assign(const TPersistent& Source)
{
    const auto* s = dynamic_cast<const TSplashHeadingText*>(&Source);
    if (!s)
        return TPersistent::Assign(Source);
    font_ = s->font_;
    location_ = s->location_;
    posX_ = s->posX_;
    posY_ = s->posY_;
    gradientType_ = s->gradientType_;
    colorStart_ = s->colorStart_;
    colorEnd_ = s->colorEnd_;
    opacityStart_ = s->opacityStart_;
    opacityEnd_ = s->opacityEnd_;
    hatchStyle_ = s->hatchStyle_;
    angle_ = s->angle_;
    picture_->Assign(s->picture_.get());
    SetText(s->text_);
}

TBasicProgramInfo::TBasicProgramInfo()
    : programName_(std::make_unique<TSplashHeadingText>()), programVersion_(std::make_unique<TSplashHeadingText>())
{
    TFont name = programName_->Font();
    name.SetSize(14);
    name.Style = fsBold;
    programName_->SetFont(name);
    TFont version = programVersion_->Font();
    version.SetSize(14);
    programVersion_->SetFont(version);
    programVersion_->SetPosX(80);
    programVersion_->SetPosY(100);
    programName_->OnChange = [this](TObject*) { qx::fire(OnChange, this); };
    programVersion_->OnChange = [this](TObject*) { qx::fire(OnChange, this); };
}

TBasicProgramInfo::~TBasicProgramInfo()
{
    programName_->OnChange = nullptr;
    programVersion_->OnChange = nullptr;
}

void TBasicProgramInfo::Assign(const TPersistent& Source)
{
    const auto* s = dynamic_cast<const TBasicProgramInfo*>(&Source);
    if (!s)
        return TPersistent::Assign(Source);
    autoLoad_ = s->autoLoad_;
    programName_->Assign(*s->programName_);
    programVersion_->Assign(*s->programVersion_);
    copyRight_ = s->copyRight_;
    copyRightFont_ = s->copyRightFont_;
    copyRightLocation_ = s->copyRightLocation_;
    copyRightPosX_ = s->copyRightPosX_;
    copyRightPosY_ = s->copyRightPosY_;
}

void TAdvSplashHTMLText::Assign(const TPersistent& Source)
{
    const auto* s = dynamic_cast<const TAdvSplashHTMLText*>(&Source);
    if (!s || s == this)
        return;
    text_ = s->text_;
    location_ = s->location_;
    left_ = s->left_;
    top_ = s->top_;
    urlColor_ = s->urlColor_;
    shadowColor_ = s->shadowColor_;
    shadowOffset_ = s->shadowOffset_;
    font_ = s->font_;
    qx::fire(OnChange, this);
}

TAdvSplashTopLayerItem::TAdvSplashTopLayerItem(TCollection* Collection)
    : TCollectionItem(Collection), fill_(std::make_unique<TGDIPFill>()),
      htmlText_(std::make_unique<TAdvSplashHTMLText>())
{
    fill_->OnChange = [this](TObject*) {
        if (Changed)
            Changed();
    };
    htmlText_->OnChange = [this](TObject*) {
        if (Changed)
            Changed();
    };
}

TAdvSplashTopLayerItem::~TAdvSplashTopLayerItem()
{
    fill_->OnChange = nullptr;
    htmlText_->OnChange = nullptr;
    if (Changed)
        Changed();
}

void TAdvSplashTopLayerItem::Assign(const TPersistent& Source)
{
    const auto* s = dynamic_cast<const TAdvSplashTopLayerItem*>(&Source);
    if (!s || s == this)
        return;
    visible_ = s->visible_;
    left_ = s->left_;
    top_ = s->top_;
    width_ = s->width_;
    height_ = s->height_;
    align_ = s->align_;
    fill_->Assign(*s->fill_);
    htmlText_->Assign(*s->htmlText_);
    if (Changed)
        Changed();
}
