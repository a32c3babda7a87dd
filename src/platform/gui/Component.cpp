#include "platform/gui/Component.h"

#include "platform/gui/PropertyRegistry.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>
#include <typeinfo>

std::string TObject::ClassName() const
{
    if (const qx::ClassInfo* info = qx::ClassRegistry::instance().classOf(*this))
        return info->name();
    return typeid(*this).name();
}

void TPersistent::Assign(const TPersistent& Source)
{
    throw std::invalid_argument("Cannot assign a " + Source.ClassName() + " to a " + ClassName());
}

namespace qx {

bool isValidComponentName(std::string_view name)
{
    if (name.empty())
        return true;
    auto word = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; };
    return !std::isdigit(static_cast<unsigned char>(name.front())) && std::all_of(name.begin(), name.end(), word);
}

char foldCase(char c)
{
    // ASCII letters at once (names are ASCII identifiers and are looked up
    // often); any other byte as the C library folds it.
    if (c >= 'A' && c <= 'Z')
        return static_cast<char>(c - 'A' + 'a');
    if (static_cast<unsigned char>(c) < 0x80)
        return c;
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

bool sameText(std::string_view a, std::string_view b)
{
    // Most names are looked up as they were written: the plain compare first.
    return a.size() == b.size() &&
           (a == b ||
            std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return foldCase(x) == foldCase(y); }));
}


} // namespace qx

TComponent::TComponent(TComponent* AOwner)
{
    if (AOwner)
        AOwner->InsertComponent(this);
}

TComponent::~TComponent()
{
    MarkDestroying();
    notifyRemoval();
    DestroyComponents();
    if (owner_)
        owner_->RemoveComponent(this);
}

void TComponent::notifyRemoval()
{
    // Each follower forgets this component; it is unlinked both ways first so
    // that a follower's Notification cannot come back here.
    std::vector<TComponent*> followers;
    followers.swap(freeNotifies_);
    for (TComponent* f : followers) {
        auto& theirs = f->freeNotifies_;
        theirs.erase(std::remove(theirs.begin(), theirs.end(), this), theirs.end());
    }
    for (TComponent* f : followers)
        f->Notification(this, opRemove);
}

void TComponent::DestroyComponents()
{
    while (!components_.empty()) {
        TComponent* c = components_.back();
        c->BeforeDestruction();
        // BeforeDestruction may have freed components; take the last one again.
        if (components_.empty() || components_.back() != c)
            continue;
        components_.pop_back();
        unindexName(c);
        c->owner_ = nullptr;
        delete c;
    }
}

void TComponent::SetName(const std::string& NewName)
{
    if (!qx::isValidComponentName(NewName))
        throw std::invalid_argument("\"" + NewName + "\" is not a valid component name");
    if (!NewName.empty() && owner_) {
        TComponent* other = owner_->FindComponent(NewName);
        if (other && other != this)
            throw std::invalid_argument("A component named " + NewName + " already exists");
    }
    if (owner_)
        owner_->unindexName(this);
    name_ = NewName;
    if (owner_)
        owner_->indexName(this);
}

TComponent* TComponent::FindComponent(std::string_view AName) const
{
    if (AName.empty())
        return nullptr;
    return names_.find(AName);
}

void TComponent::indexName(TComponent* AComponent)
{
    if (!AComponent->name_.empty())
        names_.insert(AComponent);
}

void TComponent::unindexName(const TComponent* AComponent)
{
    names_.erase(AComponent);
}

void TComponent::InsertComponent(TComponent* AComponent)
{
    if (AComponent->owner_)
        AComponent->owner_->RemoveComponent(AComponent);
    if (!AComponent->name_.empty() && FindComponent(AComponent->name_))
        throw std::invalid_argument("A component named " + AComponent->name_ + " already exists");
    components_.push_back(AComponent);
    indexName(AComponent);
    AComponent->owner_ = this;
    if (!ComponentState().Contains(csDestroying))
        Notification(AComponent, opInsert);
}

void TComponent::RemoveComponent(TComponent* AComponent)
{
    auto it = std::find(components_.begin(), components_.end(), AComponent);
    if (it == components_.end())
        return;
    components_.erase(it);
    unindexName(AComponent);
    AComponent->owner_ = nullptr;
    if (!ComponentState().Contains(csDestroying))
        Notification(AComponent, opRemove);
}

void TComponent::SetParentComponent(TComponent*) {}

void TComponent::FreeNotification(TComponent* AComponent)
{
    if (!AComponent || AComponent == this)
        return;
    if (std::find(freeNotifies_.begin(), freeNotifies_.end(), AComponent) == freeNotifies_.end()) {
        freeNotifies_.push_back(AComponent);
        AComponent->freeNotifies_.push_back(this);
    }
}

void TComponent::RemoveFreeNotification(TComponent* AComponent)
{
    if (!AComponent)
        return;
    auto drop = [](std::vector<TComponent*>& v, TComponent* c) { v.erase(std::remove(v.begin(), v.end(), c), v.end()); };
    drop(freeNotifies_, AComponent);
    drop(AComponent->freeNotifies_, this);
}

void TComponent::Notification(TComponent*, TOperation) {}
