#pragma once

#include "platform/gui/EnumSet.h"
#include "platform/gui/NameIndex.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qx {

/// The case folding of sameText, one byte at a time: ASCII letters to lower
/// case, other ASCII bytes as they are, any other byte as std::tolower
/// folds it.
char foldCase(char c);
bool sameText(std::string_view a, std::string_view b);

} // namespace qx

/// Root of the class hierarchy. ClassName() is the registered class name
/// (the most derived registered class), used by the layout loader and the
/// property files.
class TObject
{
public:
    virtual ~TObject() = default;
    std::string ClassName() const;
};

/// An object with published properties, readable and writable by name
/// through the property registry (PropertyRegistry.h).
class TPersistent : public TObject
{
public:
    /// Copies the published state of Source; the base throws for classes
    /// that do not support it.
    virtual void Assign(const TPersistent& Source);
};

enum TComponentStateItem { csLoading, csReading, csDestroying, csDesigning };
using TComponentState = qx::EnumSet<TComponentStateItem>;

enum TOperation { opInsert, opRemove };

/// A named, owned object. An owner destroys the components it owns when it
/// is destroyed, and finds them by name.
class TComponent : public TPersistent
{
public:
    explicit TComponent(TComponent* AOwner);
    ~TComponent() override;

    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    TComponent* Owner() const { return owner_; }
    const std::string& Name() const { return name_; }
    /// Throws std::invalid_argument for a name that is not an identifier or
    /// is taken by another component of the same owner.
    virtual void SetName(const std::string& NewName);

    int Tag() const { return tag_; }
    void SetTag(int Value) { tag_ = Value; }

    int ComponentCount() const { return static_cast<int>(components_.size()); }
    TComponent* Components(int Index) const { return components_.at(static_cast<std::size_t>(Index)); }
    /// The owned component of that name (case-insensitive), or nullptr; a
    /// look-up in a name index, so as quick on a form of thousands.
    TComponent* FindComponent(std::string_view AName) const;

    void InsertComponent(TComponent* AComponent);
    void RemoveComponent(TComponent* AComponent);

    TComponentState ComponentState() const { return state_; }
    /// Marks the component as being read from a layout; Loaded() ends it.
    void BeginLoading() { state_ << csLoading; }
    virtual void Loaded() { state_ >> csLoading; }

    /// Called on a component when the loader places it inside another in a
    /// layout (a control inside a panel, an item inside a menu). The base
    /// accepts any parent and does nothing.
    virtual void SetParentComponent(TComponent* Parent);

    /// Runs while the object is still whole, just before its owner (or
    /// Release) destroys it; a plain delete skips it.
    virtual void BeforeDestruction() {}

    /// Asks to be told (Notification with opRemove) when AComponent goes away.
    void FreeNotification(TComponent* AComponent);
    void RemoveFreeNotification(TComponent* AComponent);

protected:
    /// Told when a component it owns or follows is inserted or removed.
    virtual void Notification(TComponent* AComponent, TOperation Operation);
    /// Destroys the owned components, the most recently added last.
    void DestroyComponents();
    void MarkDestroying() { state_ << csDestroying; }

private:
    void notifyRemoval();
    // The name index of the owned components: every owned component with a
    // name, and nothing else, under its current name.
    void indexName(TComponent* AComponent);
    void unindexName(const TComponent* AComponent);

    TComponent* owner_ = nullptr;
    std::string name_;
    int tag_ = 0;
    TComponentState state_;
    std::vector<TComponent*> components_;
    qx::NameIndex names_;
    std::vector<TComponent*> freeNotifies_;
};

namespace qx {

/// True when name is a valid component name (a letter or '_', then letters,
/// digits and '_'); the empty name is allowed.
bool isValidComponentName(std::string_view name);

/// The owned component of that name when it is a T, else nullptr.
template <class T>
T* findComponent(const TComponent& owner, std::string_view name)
{
    return dynamic_cast<T*>(owner.FindComponent(name));
}

} // namespace qx
