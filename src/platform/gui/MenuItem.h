#pragma once

#include "platform/gui/Component.h"
#include "platform/gui/Events.h"

#include <cstdint>
#include <functional>
#include <vector>

class QAction;
class QMenu;

/// One entry of a main or popup menu, with its own sub-items. A caption of
/// "-" makes a separator. A checked RadioItem unchecks the radio items of
/// its GroupIndex among its siblings. Choosing the entry raises OnClick
/// (Sender = the item); the check mark changes only when the handler or
/// AutoCheck changes it.
class TMenuItem : public TComponent
{
public:
    explicit TMenuItem(TComponent* AOwner);
    ~TMenuItem() override;

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& Value);
    bool Checked() const { return checked_; }
    void SetChecked(bool Value);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool Value);
    bool Visible() const { return visible_; }
    void SetVisible(bool Value);
    bool RadioItem() const { return radioItem_; }
    void SetRadioItem(bool Value);
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int Value) { groupIndex_ = Value; }
    bool AutoCheck() const { return autoCheck_; }
    void SetAutoCheck(bool Value) { autoCheck_ = Value; }
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& Value);
    bool IsLine() const { return caption_ == "-"; }

    int Count() const { return static_cast<int>(items_.size()); }
    TMenuItem* Items(int Index) const { return items_.at(static_cast<std::size_t>(Index)); }
    TMenuItem* Parent() const { return parent_; }
    int IndexOf(const TMenuItem* Item) const;
    void Add(TMenuItem* Item);
    void Insert(int Index, TMenuItem* Item);
    void Remove(TMenuItem* Item);
    void Delete(int Index);
    /// Removes and destroys every sub-item.
    void Clear();

    /// What choosing the entry does: AutoCheck, then OnClick.
    virtual void Click();

    /// Layout nesting: the parent is a menu item or a menu.
    void SetParentComponent(TComponent* Parent) override;

    TNotifyEvent OnClick;

    /// The Qt side, for the menus: the entry's action and, when it has
    /// sub-items, its sub-menu.
    QAction* Action() const { return action_; }
    QMenu* SubMenu() const { return menu_; }
    /// Told after the sub-items changed (the menu bar rebuilds itself).
    std::function<void()> OnItemsChanged;

private:
    void rebuildSubMenu();
    void showCheck();

    std::string caption_;
    std::string hint_;
    bool checked_ = false;
    bool enabled_ = true;
    bool visible_ = true;
    bool radioItem_ = false;
    bool autoCheck_ = false;
    int groupIndex_ = 0;
    TMenuItem* parent_ = nullptr;
    std::vector<TMenuItem*> items_;
    QAction* action_ = nullptr;
    QMenu* menu_ = nullptr;
};
