#pragma once

#include "platform/gui/Control.h"
#include "platform/gui/Strings.h"

#include <memory>

class QListWidget;

/// A list of lines to pick one from. Picking by the user raises OnClick;
/// writing ItemIndex from code raises nothing and scrolls the item into view.
class TListBox : public TWinControl
{
public:
    explicit TListBox(TComponent* AOwner);
    ~TListBox() override;

    TStrings* Items() const { return items_.get(); }
    int ItemIndex() const;
    void SetItemIndex(int Value);
    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int Value);
    /// The width the horizontal scroll bar scrolls over, 0 for none.
    int ScrollWidth() const { return scrollWidth_; }
    void SetScrollWidth(int Value);
    void Clear() { items_->Clear(); }

private:
    QListWidget* list() const;

    std::unique_ptr<TStrings> items_;
    int itemHeight_ = 13;
    int scrollWidth_ = 0;
};
