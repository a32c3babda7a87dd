#pragma once
// TGDIPPictureContainer: a non-visual component holding a named list of pictures.

#include "controls/skinned/AdvGDIPPicture.h"
#include "platform/gui/Collection.h"
#include "platform/gui/Component.h"

#include <memory>
#include <string>

class TPictureItem : public TCollectionItem
{
public:
    explicit TPictureItem(TCollection* Collection);

    TAdvGDIPPicture& Picture() const { return *picture_; }
    // Copies the given picture's content.
    void SetPicture(const TAdvGDIPPicture& Value) { picture_->Assign(&Value); }
    const std::string& Name() const { return name_; }
    void SetName(const std::string& Value) { name_ = Value; }
    int Tag() const { return tag_; }
    void SetTag(int Value) { tag_ = Value; }

    // Copies Name, Tag and the picture from another item; any other source fails.
    void Assign(const TPersistent& Source) override;

private:
    std::unique_ptr<TAdvGDIPPicture> picture_;
    std::string name_;
    int tag_ = 0;
};

class TGDIPPictureContainer : public TComponent
{
public:
    explicit TGDIPPictureContainer(TComponent* AOwner);
    ~TGDIPPictureContainer() override;

    TCollection& Items() const { return *items_; }
    TPictureItem* Add();
    // The first item's picture whose Name equals name regardless of letter case; null when none.
    TAdvGDIPPicture* FindPicture(const std::string& name) const;
    std::string Version() const { return "1.0.0.0"; }
    void SetVersion(const std::string&) {}

private:
    std::unique_ptr<TCollection> items_;
};
