#include "platform/gui/MainMenu.h"

#include "platform/gui/Form.h"
#include "platform/gui/MenuItem.h"
#include "platform/gui/canvas/Colors.h"
#include "platform/gui/canvas/QtBridge.h"

#include <QActionEvent>
#include <QMenuBar>
#include <QPalette>
#include <QWidget>

#include <functional>
#include <utility>

namespace {

// The bar tells its menu when its entries have changed, once for the changes
// of one pass of the message loop (a language switch renames them all).
class EntryWatchingBar final : public QMenuBar
{
public:
    EntryWatchingBar(QWidget* parent, std::function<void()> changed) : QMenuBar(parent), changed_(std::move(changed))
    {
    }
    void forget() { changed_ = nullptr; }

protected:
    void actionEvent(QActionEvent* event) override
    {
        QMenuBar::actionEvent(event);
        if (event->type() != QEvent::ActionChanged || told_)
            return;
        told_ = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                told_ = false;
                if (changed_)
                    changed_();
            },
            Qt::QueuedConnection);
    }

private:
    std::function<void()> changed_;
    bool told_ = false;
};

} // namespace

TMainMenu::TMainMenu(TComponent* AOwner) : TMenu(AOwner)
{
    auto* form = dynamic_cast<TForm*>(AOwner);
    bar_ = new EntryWatchingBar(form ? form->Widget() : nullptr, [this] { entryChanged(); });
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
    if (bar_)
        static_cast<EntryWatchingBar*>(bar_.data())->forget();
    Items()->OnItemsChanged = nullptr;
    Items()->Clear();
    if (form_)
        form_->SetMenu(nullptr);
    delete bar_;
}

void TMainMenu::Loaded()
{
    TMenu::Loaded();
    if (measurePending_)
        rebuild();
}

void TMainMenu::rebuild()
{
    if (!bar_)
        return;
    // While a layout adds the items one by one, the bar measured with its
    // first item keeps that height; the rest are appended and the bar is
    // measured once more when the layout is loaded.
    if (ComponentState().Contains(csLoading) && appendLoadedItems())
        return;
    measurePending_ = false;
    const int height = barHeight_;
    bar_->clear();
    for (int i = 0; i < Items()->Count(); ++i)
        bar_->addAction(Items()->Items(i)->Action());
    placeBar();
    if (form_ && BarHeight() != height)
        form_->clientAreaMoved();
}

// A caption in a script whose font is taller than the bar would move the
// entries into the bar's overflow, out of a click's reach: the bar takes the
// height its entries need, and the client area moves below it.
void TMainMenu::entryChanged()
{
    if (!bar_ || measurePending_ || ComponentState().Contains(csLoading) ||
        bar_->sizeHint().height() == barHeight_)
        return;
    placeBar();
    if (form_)
        form_->clientAreaMoved();
}

bool TMainMenu::appendLoadedItems()
{
    const QList<QAction*> shown = bar_->actions();
    if (shown.isEmpty() || shown.size() > Items()->Count())
        return false;
    for (int i = 0; i < static_cast<int>(shown.size()); ++i)
        if (shown[i] != Items()->Items(i)->Action())
            return false;
    for (int i = static_cast<int>(shown.size()); i < Items()->Count(); ++i)
        bar_->addAction(Items()->Items(i)->Action());
    measurePending_ = true;
    return true;
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
