#pragma once
// TiPlotTable: a small text grid beside or below the data view, placed by the plot's layout
// manager: a row of column titles and rows of cell texts with grid lines, and two scroll
// buttons (the legend's) when not all rows fit. Margins and spacings are counted in the width
// and height of "0" of the fonts.

#include "controls/plot/base/iPlotObjects.h"
#include "controls/plot/objects/iPlotLabel.h"
#include "controls/plot/objects/iPlotLegend.h"

#include "platform/gui/canvas/GraphicsObjects.h"

#include <memory>
#include <string>
#include <vector>

/// One column of a table: its title, alignment and width (automatic or in widths of "0").
struct TiPlotTableColumn
{
    int WidthPixels = 0;
    std::string Title;
    double Width = 10.0;
    bool Visible = true;
    TiAlignmentHorizontal TitleAlignment = iahCenter;
    double TitleAlignmentMargin = 1.0;
    TColor TitleFontColor = clBlack;
    TiAlignmentHorizontal DataAlignment = iahCenter;
    double DataAlignmentMargin = 1.0;
    TColor DataFontColor = clBlack;
    bool AutoSize = true;
};

/// A table's scroll button: the legend's raised (pressed: sunken) button.
class TiPlotTableButton : public TiPlotLegendButton
{
public:
    using TiPlotLegendButton::TiPlotLegendButton;
};

class TiPlotTable : public TiPlotLayoutObject
{
public:
    TiPlotTable(TObject* AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                TNotifyEvent AOnRename);
    ~TiPlotTable() override;

    double MarginLeft() const { return FMarginLeft; }
    void SetMarginLeft(double Value) { SetDoubleField(Value, FMarginLeft, &TiPlotObject::DoChange); }
    double MarginRight() const { return FMarginRight; }
    void SetMarginRight(double Value) { SetDoubleField(Value, FMarginRight, &TiPlotObject::DoChange); }
    double MarginTop() const { return FMarginTop; }
    void SetMarginTop(double Value) { SetDoubleField(Value, FMarginTop, &TiPlotObject::DoChange); }
    double MarginBottom() const { return FMarginBottom; }
    void SetMarginBottom(double Value) { SetDoubleField(Value, FMarginBottom, &TiPlotObject::DoChange); }
    TColor GridBackGroundColor() const { return FGridBackGroundColor; }
    void SetGridBackGroundColor(TColor Value)
    {
        SetColorField(Value, FGridBackGroundColor, &TiPlotObject::DoChange);
    }
    bool GridBackGroundTransparent() const { return FGridBackGroundTransparent; }
    void SetGridBackGroundTransparent(bool Value)
    {
        SetBooleanField(Value, FGridBackGroundTransparent, &TiPlotObject::DoChange);
    }
    TColor GridLinesColor() const { return FGridLinesColor; }
    void SetGridLinesColor(TColor Value) { SetColorField(Value, FGridLinesColor, &TiPlotObject::DoChange); }
    bool GridLinesShow() const { return FGridLinesShow; }
    void SetGridLinesShow(bool Value) { SetBooleanField(Value, FGridLinesShow, &TiPlotObject::DoChange); }
    const TFont& DataFont() const { return FDataFont; }
    void SetDataFont(const TFont& Value);
    double ColumnSpacing() const { return FColumnSpacing; }
    void SetColumnSpacing(double Value) { SetDoubleField(Value, FColumnSpacing, &TiPlotObject::DoChange); }
    double RowSpacing() const { return FRowSpacing; }
    void SetRowSpacing(double Value) { SetDoubleField(Value, FRowSpacing, &TiPlotObject::DoChange); }
    int RowsMax() const { return FRowsMax; }
    void SetRowsMax(int Value) { SetIntegerField(Value, FRowsMax, &TiPlotObject::DoChange); }
    bool ColumnTitlesVisible() const { return FColumnTitlesVisible; }
    void SetColumnTitlesVisible(bool Value)
    {
        SetBooleanField(Value, FColumnTitlesVisible, &TiPlotObject::DoChange);
    }
    const TFont& ColumnTitlesFont() const { return FColumnTitlesFont; }
    void SetColumnTitlesFont(const TFont& Value);

    /// Appends a column with the fonts' current colours; no change notification.
    int AddColumn(const std::string& Title);
    void DeleteColumn(int Index);
    void RemoveAllColumns();
    int ColumnCount() const { return static_cast<int>(FColumnList.size()); }
    TiPlotTableColumn& Column(int Index) const;

    int AddRow();
    void DeleteRow(int Index);
    void RemoveAllRows();
    int RowCount() const { return static_cast<int>(FRowDataList.size()); }
    /// A row's text: one line per cell, missing lines empty cells.
    const std::string& RowData(int Index) const;
    void SetRowData(int Index, const std::string& Value);
    /// The text of one cell (an empty text when the row has fewer lines).
    std::string Cell(int Row, int Col) const;
    void SetCell(int Row, int Col, const std::string& Value);

    int ItemViewStartIndex() const { return FItemViewStartIndex; }
    int ItemViewStopIndex() const { return FItemViewStopIndex; }
    int RowHeight() const { return FRowHeight; }
    const TRect& GridRect() const { return FGridRect; }
    const TRect& TitleRect() const { return FTitleRect; }
    TiPlotTableButton& UpButton() const { return *FUpButton; }
    TiPlotTableButton& DownButton() const { return *FDownButton; }
    void ScrollUp();
    void ScrollDown();

    void CalculateLayout(TCanvas& Canvas);
    int GetRequiredThickness(TCanvas& Canvas) override;
    void Draw(TCanvas& Canvas, TColor BackGroundColor) override;
    TiPlotObject* iGetMouseObject(int X, int Y) override;
    void BuildPopupMenu(TPopupMenu& PopupMenu) override;
    void NotificationSetFocus(TObject* Sender) override;

protected:
    void DoMouseUp(const TiPlotMouseData& MouseData) override;

private:
    void CheckRow(int Index) const;
    void DrawCellText(TCanvas& Canvas, const std::string& Text, TRect Cell, TiAlignmentHorizontal Alignment,
                      double Margin, int ZeroWidth, TColor Colour);

    std::unique_ptr<TiPlotTableButton> FUpButton;
    std::unique_ptr<TiPlotTableButton> FDownButton;
    int FRequiredWidth = 0;
    int FRequiredHeight = 0;
    std::vector<std::unique_ptr<TiPlotTableColumn>> FColumnList;
    std::vector<std::string> FRowDataList;
    int FItemViewStartIndex = 0;
    int FItemViewStopIndex = -1;
    int FRowHeight = 0;
    double FMarginLeft = 1.0;
    double FMarginRight = 1.0;
    double FMarginBottom = 1.0;
    double FMarginTop = 1.0;
    bool FGridBackGroundTransparent = false;
    TColor FGridBackGroundColor = 0x808080;
    bool FGridLinesShow = true;
    TColor FGridLinesColor = 0xFFFFFF;
    double FColumnSpacing = 2.0;
    double FRowSpacing = 0.5;
    int FRowsMax = 0;
    TFont FDataFont;
    TRect FGridRect{};
    TRect FTitleRect{};
    bool FColumnTitlesVisible = true;
    TFont FColumnTitlesFont;
};

namespace qx {
/// Publishes the table and registers its creator with the managers.
void registerPlotTableClasses();
} // namespace qx
