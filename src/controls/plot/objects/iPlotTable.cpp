#include "controls/plot/objects/iPlotTable.h"

#include "controls/plot/base/iDrawing.h"
#include "controls/plot/base/iPlotHost.h"
#include "controls/plot/base/iPlotManagers.h"

#include "platform/gui/PropertyRegistry.h"
#include "platform/gui/canvas/Canvas.h"

#include <algorithm>
#include <cmath>
#include <mutex>
#include <stdexcept>

namespace {

int Round(double Value) { return static_cast<int>(std::nearbyint(Value)); }

/// Line Index of Text (lines split at line breaks); empty beyond the last line.
std::string LineOf(const std::string& Text, int Index)
{
    std::size_t start = 0;
    for (int i = 0; i < Index; ++i) {
        const std::size_t end = Text.find('\n', start);
        if (end == std::string::npos)
            return {};
        start = end + 1;
    }
    std::size_t end = Text.find('\n', start);
    if (end == std::string::npos)
        end = Text.size();
    std::string line = Text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return line;
}

} // namespace

TiPlotTable::TiPlotTable(TObject* AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                         TNotifyEvent AOnRename)
    : TiPlotLayoutObject(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove),
                         std::move(AOnRename))
{
    SetHorizontal(false);
    FDataFont.Color = clWhite;
    FDataFont.Style = TFontStyles{fsBold};
    FColumnTitlesFont.Color = 0xFFFF00;
    FColumnTitlesFont.Style = TFontStyles{fsBold};
    auto makeButton = [this](const char* Name, void (TiPlotTable::*Scroll)()) {
        auto button = std::make_unique<TiPlotTableButton>(Owner(), nullptr, nullptr, nullptr, nullptr);
        button->SetName(Name);
        button->TimerEnabled = true;
        button->SetVisible(false);
        button->OnClick = [this, Scroll](TObject*) { (this->*Scroll)(); };
        button->OnInvalidate = [this](TObject*) { RaiseInvalidateNow(); };
        return button;
    };
    FUpButton = makeButton("PlotTableUpButton", &TiPlotTable::ScrollUp);
    FDownButton = makeButton("PlotTableDownButton", &TiPlotTable::ScrollDown);
}

TiPlotTable::~TiPlotTable() = default;

void TiPlotTable::SetDataFont(const TFont& Value)
{
    if (Value == FDataFont)
        return;
    FDataFont = Value;
    DoChange();
}

void TiPlotTable::SetColumnTitlesFont(const TFont& Value)
{
    if (Value == FColumnTitlesFont)
        return;
    FColumnTitlesFont = Value;
    DoChange();
}

// ---- Columns and rows ----

int TiPlotTable::AddColumn(const std::string& Title)
{
    auto column = std::make_unique<TiPlotTableColumn>();
    column->Title = Title;
    column->TitleFontColor = FColumnTitlesFont.Color;
    column->DataFontColor = FDataFont.Color;
    FColumnList.push_back(std::move(column));
    return ColumnCount() - 1;
}

TiPlotTableColumn& TiPlotTable::Column(int Index) const
{
    if (Index < 0 || Index >= ColumnCount())
        throw std::out_of_range("List index out of bounds (" + std::to_string(Index) + ")");
    return *FColumnList[static_cast<std::size_t>(Index)];
}

void TiPlotTable::DeleteColumn(int Index)
{
    Column(Index);
    FColumnList.erase(FColumnList.begin() + Index);
}

void TiPlotTable::RemoveAllColumns() { FColumnList.clear(); }

void TiPlotTable::CheckRow(int Index) const
{
    if (Index < 0 || Index >= RowCount())
        throw std::out_of_range("List index out of bounds (" + std::to_string(Index) + ")");
}

int TiPlotTable::AddRow()
{
    FRowDataList.emplace_back();
    DoChange();
    return RowCount() - 1;
}

void TiPlotTable::DeleteRow(int Index)
{
    CheckRow(Index);
    FRowDataList.erase(FRowDataList.begin() + Index);
    DoChange();
}

void TiPlotTable::RemoveAllRows()
{
    FRowDataList.clear();
    DoChange();
}

const std::string& TiPlotTable::RowData(int Index) const
{
    CheckRow(Index);
    return FRowDataList[static_cast<std::size_t>(Index)];
}

void TiPlotTable::SetRowData(int Index, const std::string& Value)
{
    CheckRow(Index);
    std::string& row = FRowDataList[static_cast<std::size_t>(Index)];
    if (row == Value)
        return;
    row = Value;
    DoChange();
}

std::string TiPlotTable::Cell(int Row, int Col) const { return LineOf(RowData(Row), Col); }

void TiPlotTable::SetCell(int Row, int Col, const std::string& Value)
{
    CheckRow(Row);
    if (Col < 0)
        throw std::out_of_range("List index out of bounds (" + std::to_string(Col) + ")");
    const int lines = std::max(Col + 1, ColumnCount());
    std::string text;
    for (int k = 0; k < lines; ++k) {
        if (k > 0)
            text += '\n';
        text += k == Col ? Value : Cell(Row, k);
    }
    // Trailing empty cells are left out, as missing lines count as empty cells.
    while (!text.empty() && text.back() == '\n')
        text.pop_back();
    SetRowData(Row, text);
}

void TiPlotTable::ScrollUp()
{
    if (FItemViewStartIndex > 0)
        --FItemViewStartIndex;
    RaiseInvalidateNow();
}

void TiPlotTable::ScrollDown()
{
    if (FItemViewStartIndex < RowCount() - 1)
        ++FItemViewStartIndex;
    RaiseInvalidateNow();
}

// ---- Layout ----

void TiPlotTable::CalculateLayout(TCanvas& Canvas)
{
    if (RowCount() == 0 || ColumnCount() == 0) {
        FRequiredWidth = FRequiredHeight = 0;
        return;
    }
    Canvas.Font() = FColumnTitlesFont;
    const int cw = Canvas.TextWidth("0"), ch = Canvas.TextHeight("0");
    const int top = Round(ch * FMarginTop), bottom = Round(ch * FMarginBottom);
    const int left = Round(cw * FMarginLeft), right = Round(cw * FMarginRight);
    const TRect d = DrawRect();
    FGridRect = {d.Left + left, d.Top + top, d.Right - right, d.Bottom - bottom};
    const int titleHeight = FColumnTitlesVisible ? ch : 0;
    FTitleRect = {FGridRect.Left, FGridRect.Top, FGridRect.Right, FGridRect.Top + titleHeight};

    Canvas.Font() = FDataFont;
    const int dw = Canvas.TextWidth("0"), dh = Canvas.TextHeight("0");
    FRowHeight = dh + Round(dh * FRowSpacing);
    // A font without extent or a negative spacing must not make a divisor of 0 or below.
    const int rowStep = std::max(FRowHeight, 1);

    int shown = RowCount();
    if (FRowsMax != 0)
        shown = std::max(std::min(shown, FRowsMax), 0);
    FGridRect.Bottom = FTitleRect.Bottom + shown * FRowHeight;
    FRequiredHeight = top + bottom + titleHeight + shown * FRowHeight;

    FRequiredWidth = left + right;
    int gridWidth = 0;
    for (const auto& column : FColumnList) {
        if (!column->Visible)
            continue;
        if (column->AutoSize) {
            Canvas.Font() = FColumnTitlesFont;
            int width = Canvas.TextWidth(column->Title) + Round(cw * FColumnSpacing) + cw;
            Canvas.Font() = FDataFont;
            const int index = static_cast<int>(&column - FColumnList.data());
            for (const std::string& row : FRowDataList)
                width = std::max(width, Canvas.TextWidth(LineOf(row, index)) + Round(dw * FColumnSpacing) + dw);
            column->WidthPixels = width;
            column->Width = width / std::max(dw, 1);
        } else {
            column->WidthPixels = Round(column->Width * dw);
        }
        FRequiredWidth += column->WidthPixels;
        gridWidth += column->WidthPixels;
    }
    FGridRect.Right = FGridRect.Left + gridWidth;
    FTitleRect.Right = FGridRect.Right;

    const int limit = d.Bottom - bottom;
    if (FGridRect.Bottom > limit) {
        shown = std::max((limit - FTitleRect.Bottom) / rowStep, 0);
        FGridRect.Bottom = FTitleRect.Bottom + shown * FRowHeight;
    }

    const int last = RowCount() - 1;
    if (shown < RowCount()) {
        if (Enabled()) {
            const int h2 = FRowHeight / 2;
            const int e = FTitleRect.Bottom + shown * FRowHeight - h2;
            const int x = FGridRect.Right;
            FUpButton->SetDrawRect({x + 5, FTitleRect.Bottom + h2 - 8, x + 22, FTitleRect.Bottom + h2 + 9});
            FDownButton->SetDrawRect({x + 5, e - 8, x + 22, e + 9});
            FUpButton->SetVisible(true);
            FDownButton->SetVisible(true);
            FRequiredWidth += 17 + 5;
        } else {
            FUpButton->SetVisible(false);
            FDownButton->SetVisible(false);
        }
        FItemViewStopIndex = FItemViewStartIndex + shown - 1;
        if (FItemViewStopIndex > last) {
            FItemViewStopIndex = last;
            FItemViewStartIndex = RowCount() - shown;
        }
        if (FItemViewStartIndex < 0) {
            FItemViewStartIndex = 0;
            FItemViewStopIndex = shown - 1;
        }
    } else {
        FUpButton->SetVisible(false);
        FDownButton->SetVisible(false);
        FItemViewStartIndex = 0;
        FItemViewStopIndex = shown - 1;
    }
    FUpButton->SetEnabled(FItemViewStartIndex != 0);
    FDownButton->SetEnabled(FItemViewStopIndex != last);
}

int TiPlotTable::GetRequiredThickness(TCanvas& Canvas)
{
    CalculateLayout(Canvas);
    return Horizontal() ? FRequiredHeight : FRequiredWidth;
}

// ---- Drawing ----

void TiPlotTable::DrawCellText(TCanvas& Canvas, const std::string& Text, TRect Cell, TiAlignmentHorizontal Alignment,
                               double Margin, int ZeroWidth, TColor Colour)
{
    std::uint16_t flags = iTextFlags::SingleLine | iTextFlags::VCenter;
    const int indent = Round(Margin * ZeroWidth);
    switch (Alignment) {
    case iahCenter:
        flags |= iTextFlags::Center;
        break;
    case iahLeft:
        flags |= iTextFlags::Left;
        Cell.Left += indent;
        break;
    case iahRight:
        flags |= iTextFlags::Right;
        Cell.Right -= indent;
        break;
    }
    Canvas.Font().Color = Colour;
    DrawTextFlags(Canvas, Text, Cell, flags, true, Colour);
}

void TiPlotTable::Draw(TCanvas& Canvas, TColor BackGroundColor)
{
    if (!Visible() || RowCount() == 0 || ColumnCount() == 0)
        return;
    CalculateLayout(Canvas);
    Canvas.Brush().Style = bsSolid;
    Canvas.Pen().Style = psSolid;
    if (!FGridBackGroundTransparent) {
        Canvas.Brush().Color = FGridBackGroundColor;
        Canvas.FillRect(FGridRect);
    }
    const int shown = FItemViewStopIndex - FItemViewStartIndex + 1;
    if (FGridLinesShow) {
        Canvas.Pen().Width = 1;
        Canvas.Pen().Color = FGridLinesColor;
        int x = FGridRect.Left;
        for (const auto& column : FColumnList) {
            if (!column->Visible)
                continue;
            Canvas.MoveTo(x, FGridRect.Top);
            Canvas.LineTo(x, FGridRect.Bottom);
            x += column->WidthPixels;
        }
        Canvas.MoveTo(x, FGridRect.Top);
        Canvas.LineTo(x, FGridRect.Bottom);
        Canvas.MoveTo(FGridRect.Left, FGridRect.Top);
        Canvas.LineTo(FGridRect.Right + 1, FGridRect.Top);
        for (int r = 0; r <= shown; ++r) {
            const int y = FTitleRect.Bottom + r * FRowHeight;
            Canvas.MoveTo(FGridRect.Left, y);
            Canvas.LineTo(FGridRect.Right + 1, y);
        }
    }
    if (FColumnTitlesVisible) {
        Canvas.Font() = FColumnTitlesFont;
        Canvas.Brush().Style = bsClear;
        const int zero = Canvas.TextWidth("0");
        int x = FGridRect.Left;
        for (const auto& column : FColumnList) {
            if (!column->Visible)
                continue;
            DrawCellText(Canvas, column->Title, {x, FTitleRect.Top, x + column->WidthPixels, FTitleRect.Bottom},
                         column->TitleAlignment, column->TitleAlignmentMargin, zero, column->TitleFontColor);
            x += column->WidthPixels;
        }
    }
    Canvas.Font() = FDataFont;
    Canvas.Brush().Style = bsClear;
    const int zero = Canvas.TextWidth("0");
    for (int r = FItemViewStartIndex; r <= FItemViewStopIndex; ++r) {
        const int y = FTitleRect.Bottom + (r - FItemViewStartIndex) * FRowHeight;
        int x = FGridRect.Left;
        for (int c = 0; c < ColumnCount(); ++c) {
            const TiPlotTableColumn& column = Column(c);
            if (!column.Visible)
                continue;
            DrawCellText(Canvas, Cell(r, c), {x, y, x + column.WidthPixels, y + FRowHeight}, column.DataAlignment,
                         column.DataAlignmentMargin, zero, column.DataFontColor);
            x += column.WidthPixels;
        }
    }
    FUpButton->DrawWithArrow(Canvas, BackGroundColor, true);
    FDownButton->DrawWithArrow(Canvas, BackGroundColor, false);
    if (UserSelected()) {
        Canvas.Brush().Style = bsClear;
        Canvas.Font().Color = clWhite;
        TRect r = DrawRect();
        if (Horizontal()) {
            r.Top += 2;
            r.Bottom -= 2;
        }
        DrawFocusRectangle(Canvas, r);
    }
}

// ---- Mouse and menu ----

TiPlotObject* TiPlotTable::iGetMouseObject(int X, int Y)
{
    if (FUpButton->Visible() && FUpButton->DrawRect().Contains({X, Y}))
        return FUpButton.get();
    if (FDownButton->Visible() && FDownButton->DrawRect().Contains({X, Y}))
        return FDownButton.get();
    return this;
}

void TiPlotTable::DoMouseUp(const TiPlotMouseData& MouseData)
{
    if (MouseDown() && DrawRect().Contains({MouseData.X, MouseData.Y}))
        if (TiPlotHost* host = PlotHostOf(*this))
            host->DoObjectClick(*this);
}

void TiPlotTable::BuildPopupMenu(TPopupMenu& PopupMenu)
{
    TiPlotObject::BuildPopupMenu(PopupMenu);
    AddEditMenuItem(PopupMenu);
}

void TiPlotTable::NotificationSetFocus(TObject* Sender)
{
    YieldSelectionTo(Sender);
}

namespace qx {

void registerPlotTableClasses()
{
    static std::once_flag once;
    std::call_once(once, [] {
        registerPlotLegendClasses();
        using T = TiPlotTable;
        registerClass<T, TiPlotLayoutObject>("TiPlotTable")
            .property("MarginLeft", &T::MarginLeft, &T::SetMarginLeft)
            .property("MarginRight", &T::MarginRight, &T::SetMarginRight)
            .property("MarginTop", &T::MarginTop, &T::SetMarginTop)
            .property("MarginBottom", &T::MarginBottom, &T::SetMarginBottom)
            .color("GridBackGroundColor", &T::GridBackGroundColor, &T::SetGridBackGroundColor)
            .colorDefault(0x808080)
            .property("GridBackGroundTransparent", &T::GridBackGroundTransparent, &T::SetGridBackGroundTransparent)
            .defaultValue(false)
            .color("GridLinesColor", &T::GridLinesColor, &T::SetGridLinesColor)
            .property("GridLinesShow", &T::GridLinesShow, &T::SetGridLinesShow)
            .font("DataFont", &T::DataFont, &T::SetDataFont)
            .property("ColumnSpacing", &T::ColumnSpacing, &T::SetColumnSpacing)
            .property("RowSpacing", &T::RowSpacing, &T::SetRowSpacing)
            .property("RowsMax", &T::RowsMax, &T::SetRowsMax)
            .property("ColumnTitlesVisible", &T::ColumnTitlesVisible, &T::SetColumnTitlesVisible)
            .defaultValue(true)
            .font("ColumnTitlesFont", &T::ColumnTitlesFont, &T::SetColumnTitlesFont);
        plot::registerPlotObjectCreator("TiPlotTable", [](TObject* o, TNotifyEvent c, TNotifyEvent i, TNotifyEvent r,
                                                          TNotifyEvent n) -> TiPlotObject* {
            return new TiPlotTable(o, std::move(c), std::move(i), std::move(r), std::move(n));
        });
    });
}

} // namespace qx
