#include "controls/skinned/GDIPPictureContainer.h"

TPictureItem::TPictureItem(TCollection* Collection)
    : TCollectionItem(Collection), picture_(std::make_unique<TAdvGDIPPicture>())
{
}

void TPictureItem::Assign(const TPersistent& Source)
{
    const auto* s = dynamic_cast<const TPictureItem*>(&Source);
    if (!s)
        return TPersistent::Assign(Source);
    name_ = s->name_;
    tag_ = s->tag_;
    picture_->Assign(s->picture_.get());
}

TGDIPPictureContainer::TGDIPPictureContainer(TComponent* AOwner)
    : TComponent(AOwner), items_(std::make_unique<TCollection>(qx::itemsOf<TPictureItem>()))
{
}

TGDIPPictureContainer::~TGDIPPictureContainer() = default;

TPictureItem* TGDIPPictureContainer::Add()
{
    return static_cast<TPictureItem*>(items_->Add());
}

TAdvGDIPPicture* TGDIPPictureContainer::FindPicture(const std::string& name) const
{
    for (int i = 0; i < items_->Count(); ++i) {
        auto* item = static_cast<TPictureItem*>(items_->Items(i));
        if (qx::sameText(item->Name(), name))
            return &item->Picture();
    }
    return nullptr;
}
