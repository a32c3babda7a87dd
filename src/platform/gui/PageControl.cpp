#include "platform/gui/PageControl.h"

#include "platform/gui/Application.h"
#include "platform/gui/QtConversions.h"

#include <QTabBar>

#include <algorithm>
#include <stdexcept>

// ---- TTabSheet ----

TTabSheet::TTabSheet(TComponent* AOwner) : TWinControl(AOwner)
{
    SetControlStyle(ControlStyle() << csAcceptsControls);
    SetVisible(false);
}

TTabSheet::~TTabSheet() { SetPageControl(nullptr); }

void TTabSheet::SetPageControl(TPageControl* Value)
{
    if (Value == pageControl_)
        return;
    if (pageControl_)
        pageControl_->removePage(this);
    SetParent(Value);
    if (Value)
        Value->insertPage(this);
}

int TTabSheet::PageIndex() const
{
    if (!pageControl_)
        return -1;
    const auto& pages = pageControl_->pages_;
    return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::SetTabVisible(bool Value)
{
    tabVisible_ = Value;
    if (pageControl_)
        pageControl_->rebuildTabs();
}

void TTabSheet::SetParentComponent(TComponent* Parent)
{
    auto* pages = dynamic_cast<TPageControl*>(Parent);
    if (!pages)
        throw std::invalid_argument("A tab sheet can only be placed on a page control");
    SetPageControl(pages);
}

void TTabSheet::TextChanged()
{
    if (pageControl_)
        pageControl_->rebuildTabs();
}

// ---- TPageControl ----

TPageControl::TPageControl(TComponent* AOwner) : TWinControl(AOwner)
{
    SetTabStop(true);
    tabs_ = new QTabBar(Widget());
    tabs_->setDrawBase(true);
    QObject::connect(tabs_, &QTabBar::currentChanged, tabs_, [this](int tab) {
        qx::guarded(this, [&] { userPicked(tab); });
    });
    SetBounds(0, 0, 289, 193);
}

TPageControl::~TPageControl()
{
    MarkDestroying();
    for (TTabSheet* page : pages_)
        page->pageControl_ = nullptr;
}

void TPageControl::insertPage(TTabSheet* page)
{
    pages_.push_back(page);
    page->pageControl_ = this;
    if (!active_)
        SetActivePage(page);
    rebuildTabs();
}

void TPageControl::removePage(TTabSheet* page)
{
    pages_.erase(std::remove(pages_.begin(), pages_.end(), page), pages_.end());
    page->pageControl_ = nullptr;
    if (active_ == page)
        SetActivePage(pages_.empty() ? nullptr : pages_.front());
    if (!ComponentState().Contains(csDestroying))
        rebuildTabs();
}

void TPageControl::rebuildTabs()
{
    rebuilding_ = true;
    const QSignalBlocker block(tabs_);
    while (tabs_->count() > 0)
        tabs_->removeTab(0);
    for (TTabSheet* page : pages_) {
        const int tab = tabs_->addTab(qx::toQt(page->Caption()));
        tabs_->setTabVisible(tab, page->TabVisible());
    }
    tabs_->setCurrentIndex(ActivePageIndex());
    rebuilding_ = false;
    Realign();
}

int TPageControl::ActivePageIndex() const { return active_ ? active_->PageIndex() : -1; }

void TPageControl::SetActivePageIndex(int Value)
{
    SetActivePage(Value >= 0 && Value < PageCount() ? Pages(Value) : nullptr);
}

void TPageControl::SetActivePage(TTabSheet* Value)
{
    if (Value && Value->pageControl_ != this)
        return;
    active_ = Value;
    for (TTabSheet* page : pages_)
        page->SetVisible(page == active_);
    if (active_)
        active_->BringToFront();
    const QSignalBlocker block(tabs_);
    tabs_->setCurrentIndex(ActivePageIndex());
}

void TPageControl::userPicked(int tab)
{
    if (tab < 0 || tab >= PageCount() || Pages(tab) == active_)
        return;
    bool allow = true;
    qx::fire(OnChanging, this, allow);
    if (!allow) {
        const QSignalBlocker block(tabs_);
        tabs_->setCurrentIndex(ActivePageIndex());
        return;
    }
    SetActivePage(Pages(tab));
    qx::fire(OnChange, this);
}

void TPageControl::AlignControls()
{
    const int tabHeight = tabs_ ? tabs_->sizeHint().height() : 0;
    if (tabs_)
        tabs_->setGeometry(0, 0, Width(), tabHeight);
    for (TTabSheet* page : pages_)
        page->SetBounds(2, tabHeight + 2, std::max(Width() - 4, 0), std::max(Height() - tabHeight - 4, 0));
    TWinControl::AlignControls();
}
