#include "platform/gui/MenuItem.h"

#include "platform/gui/Application.h"
#include "platform/gui/Menu.h"
#include "platform/gui/QtConversions.h"

#include <QAction>
#include <QMenu>

#include <algorithm>
#include <stdexcept>

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner), action_(new QAction)
{
    QObject::connect(action_, &QAction::triggered, action_, [this] {
        showCheck(); // Qt's own toggling does not count
        qx::guarded(this, [this] { Click(); });
    });
}

TMenuItem::~TMenuItem()
{
    MarkDestroying();
    if (parent_)
        parent_->Remove(this);
    while (!items_.empty()) {
        TMenuItem* child = items_.back();
        Remove(child);
        delete child;
    }
    delete menu_;
    delete action_;
}

void TMenuItem::SetCaption(const std::string& Value)
{
    caption_ = Value;
    action_->setSeparator(IsLine());
    // A separator is a bare line: a text would be drawn beside it.
    action_->setText(IsLine() ? QString() : qx::toQt(Value));
}

void TMenuItem::SetChecked(bool Value)
{
    checked_ = Value;
    showCheck();
    if (!Value || !radioItem_ || !parent_)
        return;
    for (TMenuItem* sibling : parent_->items_)
        if (sibling != this && sibling->radioItem_ && sibling->groupIndex_ == groupIndex_ && sibling->checked_) {
            sibling->checked_ = false;
            sibling->showCheck();
        }
}

void TMenuItem::showCheck()
{
    action_->setCheckable(checked_ || radioItem_);
    action_->setChecked(checked_);
}

void TMenuItem::SetEnabled(bool Value)
{
    enabled_ = Value;
    action_->setEnabled(Value);
}

void TMenuItem::SetVisible(bool Value)
{
    visible_ = Value;
    action_->setVisible(Value);
}

void TMenuItem::SetRadioItem(bool Value)
{
    radioItem_ = Value;
    showCheck();
}

void TMenuItem::SetHint(const std::string& Value)
{
    hint_ = Value;
    action_->setStatusTip(qx::toQt(Value));
}

int TMenuItem::IndexOf(const TMenuItem* Item) const
{
    const auto it = std::find(items_.begin(), items_.end(), Item);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void TMenuItem::Add(TMenuItem* Item) { Insert(Count(), Item); }

void TMenuItem::Insert(int Index, TMenuItem* Item)
{
    if (!Item || Item->parent_)
        throw std::invalid_argument("Menu inserted twice");
    for (const TMenuItem* p = this; p; p = p->parent_)
        if (p == Item)
            throw std::invalid_argument("A menu item cannot contain itself");
    Index = std::clamp(Index, 0, Count());
    items_.insert(items_.begin() + Index, Item);
    Item->parent_ = this;
    rebuildSubMenu();
}

void TMenuItem::Remove(TMenuItem* Item)
{
    const int index = IndexOf(Item);
    if (index < 0)
        return;
    items_.erase(items_.begin() + index);
    Item->parent_ = nullptr;
    if (!ComponentState().Contains(csDestroying))
        rebuildSubMenu();
}

void TMenuItem::Delete(int Index)
{
    TMenuItem* item = Items(Index);
    Remove(item);
    delete item;
}

void TMenuItem::Clear()
{
    while (!items_.empty())
        Delete(Count() - 1);
}

void TMenuItem::Click()
{
    if (autoCheck_)
        SetChecked(!checked_);
    qx::fire(OnClick, this);
}

void TMenuItem::SetParentComponent(TComponent* Parent)
{
    if (auto* item = dynamic_cast<TMenuItem*>(Parent))
        item->Add(this);
    else if (auto* menu = dynamic_cast<TMenu*>(Parent))
        menu->Items()->Add(this);
    else
        throw std::invalid_argument("A menu item can only be placed in a menu or another menu item");
}

void TMenuItem::rebuildSubMenu()
{
    if (items_.empty()) {
        action_->setMenu(nullptr);
        delete menu_;
        menu_ = nullptr;
    } else {
        if (!menu_) {
            menu_ = new QMenu;
            action_->setMenu(menu_);
        }
        menu_->clear();
        for (TMenuItem* item : items_)
            menu_->addAction(item->action_);
    }
    if (OnItemsChanged)
        OnItemsChanged();
}
