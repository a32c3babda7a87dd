#pragma once
// TiRadioGroup: the plot library's owner-drawn radio group: a framed caption over items in
// one or more columns (running down the first column first). A mouse release over the item
// that was pressed selects it (OnChange, then OnChangeUser); the arrow keys move the
// selection by one item, wrapping (OnChange only).

#include "controls/plot/base/iVCLComponent.h"
#include "platform/gui/Strings.h"

#include <memory>

class TiRadioGroup : public TiVCLComponent
{
public:
    explicit TiRadioGroup(TComponent* AOwner);
    ~TiRadioGroup() override;

    TStrings* Items() const { return FItems.get(); }
    void SetItems(const TStrings& Value);
    int ItemIndex() const { return FItemIndex; }
    /// Clamped into -1 .. count - 1.
    void SetItemIndex(int Value);
    int Columns() const { return FColumns; }
    /// Values below 1 are ignored.
    void SetColumns(int Value);
    const TFont& Font() const { return FFont; }
    void SetFont(const TFont& Value);

    /// The item under a client point as the layout of the last paint places the items (it
    /// may lie outside the items).
    int ItemAt(int X, int Y);
    /// The centre of item Index's glyph.
    TPoint ItemCenter(int Index);
    int MaxRows();

    TNotifyEvent OnChange;
    TNotifyEvent OnChangeUser;

protected:
    virtual void DoChange();

    void iPaint(TCanvas& Canvas) override;
    void iSetFocus() override;
    void iKillFocus() override;
    void iWantSpecialKey(Word& CharCode, std::intptr_t& Result) override;
    void iKeyDown(Word& Key, TShiftState Shift) override;
    void iKeyUp(Word& Key, TShiftState Shift) override;
    void iMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void iMouseMove(TShiftState Shift, int X, int Y) override;
    void iMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void TextChanged() override;
    void Dispatch(TMessage& Message) override;

private:
    void ItemsChanged();
    void CalcLayout(TCanvas& Canvas);
    void CalcLayout();

    bool FMouseDown = false;
    int FMouseDownIndex = -1;
    bool FKeyDown = false;
    bool FUserGenerated = false; // a mouse selection is being applied
    int FItemsRowStart = 0;
    double FItemsRowSpacing = 0;
    int FItemsColStart = 14;
    double FItemsColSpacing = 0;
    int FMaxRows = 1;
    TFont FFont;
    std::unique_ptr<TStringList> FItems;
    int FItemIndex = -1;
    int FColumns = 1;
};
