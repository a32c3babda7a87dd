#include "platform/gui/Menu.h"

#include "platform/gui/MenuItem.h"

TMenu::TMenu(TComponent* AOwner) : TComponent(AOwner), items_(std::make_unique<TMenuItem>(nullptr)) {}

TMenu::~TMenu() = default;
