#pragma once

#include "platform/gui/Component.h"

#include <memory>

class TMenuItem;

/// The base of the main and popup menus: a root item whose sub-items are
/// the menu's entries.
class TMenu : public TComponent
{
public:
    explicit TMenu(TComponent* AOwner);
    ~TMenu() override;

    TMenuItem* Items() const { return items_.get(); }

private:
    std::unique_ptr<TMenuItem> items_;
};
