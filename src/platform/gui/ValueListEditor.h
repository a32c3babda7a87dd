#pragma once

#include "platform/gui/Control.h"
#include "platform/gui/Strings.h"

#include <memory>

class QTableWidget;

using TSelectCellEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool& CanSelect)>;

/// A grid of key and value columns under a title row. Strings holds one
/// "key=value" line per row; rows count from the title row, so the first
/// line is row 1. Every selection of a cell by the user, with the mouse
/// (also of the cell already selected) or the keys, raises OnSelectCell
/// first; a handler that clears CanSelect keeps the old cell.
class TValueListEditor : public TWinControl
{
public:
    explicit TValueListEditor(TComponent* AOwner);
    ~TValueListEditor() override;

    TStrings* Strings() const { return strings_.get(); }
    /// The captions of the key and value columns.
    TStrings* TitleCaptions() const { return titles_.get(); }
    /// The two column widths in pixels, as lines ("69", "125").
    TStrings* ColWidths() const { return colWidths_.get(); }
    int RowCount() const { return Strings()->Count() + 1; }

    /// The key or value of row ARow (from 1); ACol 0 is the key column.
    std::string Cells(int ACol, int ARow) const;
    std::string Keys(int ARow) const { return Cells(0, ARow); }
    /// The value of the first row with that key, empty when none has it.
    std::string Values(const std::string& Key) const;

    int Row() const;
    int Col() const;

    TSelectCellEvent OnSelectCell;

protected:
    virtual bool SelectCell(int ACol, int ARow);

private:
    friend class ValueListPresser;
    QTableWidget* table() const;
    void refill();
    void applyTitles();
    void applyWidths();
    void userMovedTo(int row, int column, int previousRow, int previousColumn);
    void userSelected(int row, int column);

    std::unique_ptr<TStringList> strings_;
    std::unique_ptr<TStringList> titles_;
    std::unique_ptr<TStringList> colWidths_;
    bool pressing_ = false;
    int acceptedRow_ = -1;
    int acceptedColumn_ = -1;
    bool filling_ = false;
};
