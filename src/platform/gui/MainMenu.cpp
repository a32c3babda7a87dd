#include "platform/gui/MainMenu.h"

#include "platform/gui/Form.h"
#include "platform/gui/MenuItem.h"
#include "platform/gui/canvas/Colors.h"
#include "platform/gui/canvas/QtBridge.h"

#include <QMenuBar>
#include <QPalette>
#include <QWidget>

TMainMenu::TMainMenu(TComponent* AOwner) : TMenu(AOwner)
{
    auto* form = dynamic_cast<TForm*>(AOwner);
    bar_ = new QMenuBar(form ? form->Widget() : nullptr);
    bar_->setNativeMenuBar(false);
    // The bar has the system's menu colours, whatever colour the form has.
    QPalette palette = bar_->palette();
    for (const auto role : {QPalette::Window, QPalette::Button})
        palette.setColor(role, qx::toQColor(clMenuBar));
    for (const auto role : {QPalette::WindowText, QPalette::ButtonText})
        palette.setColor(role, qx::toQColor(clMenuText));
    bar_->setPalette(palette);
    bar_->setAutoFillBackground(true);
    Items()->OnItemsChanged = [this] { rebuild(); };
    if (form && !form->Menu())
        form->SetMenu(this);
    rebuild();
}

TMainMenu::~TMainMenu()
{
    Items()->OnItemsChanged = nullptr;
    Items()->Clear();
    if (form_)
        form_->SetMenu(nullptr);
    delete bar_;
}

void TMainMenu::rebuild()
{
    if (!bar_)
        return;
    const int height = barHeight_;
    bar_->clear();
    for (int i = 0; i < Items()->Count(); ++i)
        bar_->addAction(Items()->Items(i)->Action());
    placeBar();
    if (form_ && BarHeight() != height)
        form_->clientAreaMoved();
}

void TMainMenu::placeBar()
{
    if (!bar_)
        return;
    barHeight_ = bar_->sizeHint().height();
    if (QWidget* parent = bar_->parentWidget()) {
        bar_->setGeometry(0, 0, parent->width(), barHeight_);
        bar_->raise();
        bar_->show();
    }
}
