#pragma once

#include "platform/gui/Control.h"

#include <vector>

class QTabBar;
class TPageControl;

using TTabChangingEvent = std::function<void(TObject* Sender, bool& AllowChange)>;

/// One page of a page control; its caption is the tab's text.
class TTabSheet : public TWinControl
{
public:
    explicit TTabSheet(TComponent* AOwner);
    ~TTabSheet() override;

    TPageControl* PageControl() const { return pageControl_; }
    void SetPageControl(TPageControl* Value);
    int PageIndex() const;
    bool TabVisible() const { return tabVisible_; }
    void SetTabVisible(bool Value);

    /// Layout nesting: the parent is a page control.
    void SetParentComponent(TComponent* Parent) override;

protected:
    void TextChanged() override;

private:
    friend class TPageControl;
    TPageControl* pageControl_ = nullptr;
    bool tabVisible_ = true;
};

/// Pages with tabs along the top; one page shows at a time. A tab picked by
/// the user raises OnChanging (which may refuse) and then OnChange; choosing
/// the page from code raises neither.
class TPageControl : public TWinControl
{
public:
    explicit TPageControl(TComponent* AOwner);
    ~TPageControl() override;

    int PageCount() const { return static_cast<int>(pages_.size()); }
    TTabSheet* Pages(int Index) const { return pages_.at(static_cast<std::size_t>(Index)); }
    TTabSheet* ActivePage() const { return active_; }
    void SetActivePage(TTabSheet* Value);
    int ActivePageIndex() const;
    void SetActivePageIndex(int Value);

    TNotifyEvent OnChange;
    TTabChangingEvent OnChanging;

protected:
    void AlignControls() override;

private:
    friend class TTabSheet;
    void insertPage(TTabSheet* page);
    void removePage(TTabSheet* page);
    void rebuildTabs();
    void userPicked(int tab);

    QTabBar* tabs_ = nullptr;
    std::vector<TTabSheet*> pages_;
    TTabSheet* active_ = nullptr;
    bool rebuilding_ = false;
};
