#pragma once

#include "platform/gui/Control.h"
#include "platform/gui/Strings.h"

#include <memory>

class QComboBox;
class QString;
class QWidget;

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };

/// A combo box: a list of items to pick from, with an edit field in the
/// drop-down style.
///
/// Only the user raises events. Picking an item (with the mouse, the keys or
/// the wheel) raises OnClick and then OnSelect, or OnChange when OnSelect is
/// not assigned; typing in the edit field raises OnChange. Writing ItemIndex
/// or Text from code raises nothing. A wheel handler that sets Handled keeps
/// the wheel from changing the item.
class TComboBox : public TWinControl
{
public:
    explicit TComboBox(TComponent* AOwner);
    ~TComboBox() override;

    TComboBoxStyle Style() const { return style_; }
    void SetStyle(TComboBoxStyle Value);

    TStrings* Items() const { return items_.get(); }
    /// The picked item, -1 for none.
    int ItemIndex() const;
    void SetItemIndex(int Value);

    int DropDownCount() const { return dropDownCount_; }
    void SetDropDownCount(int Value);
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int Value);

    bool DroppedDown() const;
    void SetDroppedDown(bool Value);
    /// The dropped list is at least this wide (0: the box's width).
    void SetDroppedWidth(int Value);

    /// The edit field's selection, in UTF-16 units of Text (drop-down style; the list
    /// styles have no edit field: 0 and nothing selected). With nothing selected SelStart
    /// is the caret. SetSelStart puts the caret there and selects nothing; SetSelLength
    /// selects from SelStart, a negative length backwards with the caret at its start.
    int SelStart() const;
    void SetSelStart(int Value);
    int SelLength() const;
    void SetSelLength(int Value);
    std::string SelText() const;
    void SelectAll();
    void Clear();

    TNotifyEvent OnChange;
    TNotifyEvent OnSelect;
    TNotifyEvent OnDropDown;
    TNotifyEvent OnCloseUp;

protected:
    virtual void Change();
    virtual void Select();
    void TextChanged() override;
    /// Draws over the box after each of its paints, over the edit field too (a frame, a
    /// button face); the base draws nothing.
    virtual void PaintOver(TCanvas&) {}

private:
    QComboBox* combo() const;
    // Gives the box its style's edit field (or none) the first time anything
    // goes into it or it is shown; until then a style costs nothing, and a
    // list-only box never makes an edit field.
    void realize();
    void applyStyle();
    void makeEditField();
    void userPicked(int index);
    void userTyped(const QString& text);
    void itemsChanged();

    std::unique_ptr<TStrings> items_;
    TComboBoxStyle style_ = csDropDown;
    int dropDownCount_ = 8;
    int maxLength_ = 0;
    bool fromWidget_ = false;
    bool realized_ = false;
    QWidget* over_ = nullptr; // the see-through layer PaintOver draws on, owned by the box
};
