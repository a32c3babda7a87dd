#include "controls/plot/objects/iPlotLegend.h"

#include "controls/plot/base/iDrawing.h"
#include "controls/plot/base/iPlotHost.h"
#include "controls/plot/base/iPlotManagers.h"
#include "controls/plot/base/iPlotMasterManager.h"
#include "controls/plot/objects/iPlotAxis.h"
#include "controls/plot/objects/iPlotChannelCustom.h"

#include "platform/gui/PropertyRegistry.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <mutex>

namespace {

enum Column { cLine, cMarker, cChannel, cXName, cYName, cXValue, cYValue, cYMax, cYMin, cYMean };

int Round(double Value) { return static_cast<int>(std::nearbyint(Value)); }
int CeilDiv(int A, int B) { return (A + B - 1) / B; }

bool blank(const std::string& Text) { return Text.find_first_not_of(" \t\r\n") == std::string::npos; }

} // namespace

// ---- TiPlotLegendButton ----

void TiPlotLegendButton::Draw(TCanvas& Canvas, TColor)
{
    if (!Visible())
        return;
    Canvas.Brush().Style = bsSolid;
    Canvas.Brush().Color = clBtnFace;
    Canvas.FillRect(DrawRect());
    DrawEdgeStyle(Canvas, DrawRect(), MouseDown() ? 0 : 1);
}

void TiPlotLegendButton::DrawWithArrow(TCanvas& Canvas, TColor BackGroundColor, bool Up)
{
    if (!Visible())
        return;
    Draw(Canvas, BackGroundColor);
    const TRect r = DrawRect();
    const int cx = (r.Left + r.Right) / 2, cy = (r.Top + r.Bottom) / 2;
    const TColor color = Enabled() ? clBlack : 0x808080;
    Canvas.Pen().Color = color;
    Canvas.Pen().Style = psSolid;
    Canvas.Pen().Width = 1;
    Canvas.Brush().Style = bsSolid;
    Canvas.Brush().Color = color;
    const int d = Up ? 1 : -1;
    const std::array<TPoint, 3> arrow{TPoint{cx - 4, cy + 2 * d}, TPoint{cx + 4, cy + 2 * d}, TPoint{cx, cy - 2 * d}};
    Canvas.Polygon(arrow);
}

bool TiPlotLegendButton::iMouseHitTest(const TiPlotMouseData& MouseData)
{
    return Visible() && DrawRect().Contains({MouseData.X, MouseData.Y});
}

// ---- TiPlotLegend ----

TiPlotLegend::TiPlotLegend(TObject* AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                           TNotifyEvent AOnRename)
    : TiPlotLayoutObject(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove),
                         std::move(AOnRename))
{
    SetHorizontal(false);
    FSelectedItemFont.Color = clBlack;
    FFont.Color = clWhite;
    FColumnTitlesFont.Color = 0xFFFF00;
    FColumnTitlesFont.Style = TFontStyles{fsBold};
    auto makeButton = [this](void (TiPlotLegend::*Scroll)()) {
        auto button = std::make_unique<TiPlotLegendButton>(Owner(), nullptr, nullptr, nullptr, nullptr);
        button->TimerEnabled = true;
        button->SetVisible(false);
        button->OnClick = [this, Scroll](TObject*) { (this->*Scroll)(); };
        button->OnInvalidate = [this](TObject*) { RaiseInvalidateNow(); };
        return button;
    };
    FUpButton = makeButton(&TiPlotLegend::ScrollUp);
    FDownButton = makeButton(&TiPlotLegend::ScrollDown);
}

TiPlotLegend::~TiPlotLegend() = default;

void TiPlotLegend::SetWrapColDesiredCount(int Value)
{
    SetIntegerField(std::max(Value, 1), FWrapColDesiredCount, &TiPlotObject::DoChange);
}

void TiPlotLegend::SetWrapRowDesiredCount(int Value)
{
    SetIntegerField(std::max(Value, 1), FWrapRowDesiredCount, &TiPlotObject::DoChange);
}

void TiPlotLegend::ScrollUp()
{
    if (FItemViewStartIndex > 0)
        SetItemViewStartIndex(FItemViewStartIndex - 1);
}

void TiPlotLegend::ScrollDown()
{
    if (FItemViewStartIndex < static_cast<int>(FItemList.size()) - 1)
        SetItemViewStartIndex(FItemViewStartIndex + 1);
}

std::string TiPlotLegend::Translate(const std::string& Text) const
{
    TiPlotHost* host = Host();
    return host ? host->TranslateText(Text) : Text;
}

std::string TiPlotLegend::ChannelTitle(TiPlotChannelCustom& Channel) const
{
    return blank(Channel.TitleText()) ? Channel.Name() : Channel.TitleText();
}

std::string TiPlotLegend::AxisTitle(TiPlotChannelCustom& Channel, bool XAxis) const
{
    TiPlotAxis* axis = XAxis ? Channel.XAxis() : Channel.YAxis();
    if (!axis)
        return Translate("None");
    return blank(axis->Title()) ? axis->Name() : axis->Title();
}

std::string TiPlotLegend::ValueText(TiPlotChannelCustom& Channel, int Col) const
{
    if (FCursorAllChannels && (Col == cXValue || Col == cYValue))
        return Col == cXValue ? Channel.DataCursorXText() : Channel.DataCursorYText();
    if (Channel.Count() == 0)
        return Translate("Empty");
    TiPlotAxis* axis = Col == cXValue ? Channel.XAxis() : Channel.YAxis();
    if (!axis)
        return Translate("N/A");
    switch (Col) {
    case cXValue:
        return axis->GetLegendText(Channel.XLast());
    case cYValue:
        return axis->GetLegendText(Channel.YLast());
    case cYMax:
        return axis->GetLegendText(Channel.RunningYMax());
    case cYMin:
        return axis->GetLegendText(Channel.RunningYMin());
    default:
        return axis->GetLegendText(Channel.RunningYMean());
    }
}

void TiPlotLegend::CalculateLayout(TCanvas& Canvas)
{
    const TRect draw = DrawRect();
    Canvas.Font() = FFont;
    FColumnList.clear();
    const int cw = Canvas.TextWidth("0");
    const int ch = Canvas.TextHeight("0");
    const int top = Round(ch * FMarginTop), bottom = Round(ch * FMarginBottom);
    const int left = Round(cw * FMarginLeft), right = Round(cw * FMarginRight);
    FInnerRect = {draw.Left + left, draw.Top + top, draw.Right - right, draw.Bottom - bottom};
    FColumnSpacingPixels = Round(cw * FColumnSpacing);
    FRowSpacingPixels = Round(ch * FWrapRowSpacingMin);
    FWrapSpacingPixels = Round(ch * FWrapColSpacingMin);
    FItemHeight = ch;
    FMaxItemHeight = FItemWidth = FColumnTitlesHeightPixels = FColumnTitlesMarginPixels = 0;
    std::fill(std::begin(FMaxWidth), std::end(FMaxWidth), 0);
    FShowColumnXValue2 = FShowColumnXValue || FCursorAllChannels;
    FShowColumnYValue2 = FShowColumnYValue || FCursorAllChannels;

    FItemList.clear();
    if (TiPlotHost* host = Host()) {
        TiPlotChannelManager& channels = *host->MasterManager().ChannelManager();
        for (int i = 0; i < channels.Count(); ++i)
            if (auto* channel = dynamic_cast<TiPlotChannelCustom*>(channels.GetItem(i)); channel && channel->VisibleInLegend())
                FItemList.push_back({channel});
    }
    const int n = static_cast<int>(FItemList.size());
    if (n == 0)
        return;
    FItemViewStartIndex = std::clamp(FItemViewStartIndex, 0, n - 1);

    // Channel names.
    if (FChannelNameMaxWidth != 0) {
        FMaxWidth[cChannel] = Round(cw * FChannelNameMaxWidth);
        for (TiPlotLegendItem& item : FItemList) {
            const std::string title = ChannelTitle(*item.Channel);
            Canvas.Font() = FFont;
            int h = TextHeightForWidth(Canvas, title, FMaxWidth[cChannel]);
            Canvas.Font() = FSelectedItemFont;
            h = std::max(h, TextHeightForWidth(Canvas, title, FMaxWidth[cChannel]));
            item.MaxHeight = h;
        }
    } else {
        for (TiPlotLegendItem& item : FItemList) {
            const std::string title = ChannelTitle(*item.Channel);
            item.MaxHeight = ch;
            Canvas.Font() = FFont;
            FMaxWidth[cChannel] = std::max(FMaxWidth[cChannel], Canvas.TextWidth(title));
            Canvas.Font() = FSelectedItemFont;
            FMaxWidth[cChannel] = std::max(FMaxWidth[cChannel], Canvas.TextWidth(title));
        }
    }
    for (const TiPlotLegendItem& item : FItemList)
        FMaxItemHeight = std::max(FMaxItemHeight, item.MaxHeight);

    const bool shown[10] = {FShowColumnLine,     FShowColumnMarker,  true,           FShowColumnXAxisTitle,
                            FShowColumnYAxisTitle, FShowColumnXValue2, FShowColumnYValue2, FShowColumnYMax,
                            FShowColumnYMin,     FShowColumnYMean};
    const std::string captions[10] = {"", "", FCaptionColumnTitle, FCaptionColumnXAxisTitle, FCaptionColumnYAxisTitle,
                                      FCaptionColumnXValue, FCaptionColumnYValue, FCaptionColumnYMax,
                                      FCaptionColumnYMin, FCaptionColumnYMean};
    if (FColumnTitlesVisible) {
        Canvas.Font() = FColumnTitlesFont;
        FColumnTitlesHeightPixels = Canvas.TextHeight("0");
        FColumnTitlesMarginPixels = FColumnTitlesHeightPixels / 4;
        for (int c = cChannel; c <= cYMean; ++c)
            if (shown[c])
                FMaxWidth[c] = std::max(FMaxWidth[c], Canvas.TextWidth(Translate(captions[c])));
    }
    if (FShowColumnLine)
        FMaxWidth[cLine] = std::max(FMaxWidth[cLine], FLineColumnWidth + 3);
    if (FShowColumnMarker)
        FMaxWidth[cMarker] = std::max(FMaxWidth[cMarker], FLineColumnWidth + 3);

    Canvas.Font() = FFont;
    const int zeroWidth = Canvas.TextWidth("0");
    for (const TiPlotLegendItem& item : FItemList) {
        TiPlotChannelCustom& channel = *item.Channel;
        if (FShowColumnXAxisTitle)
            FMaxWidth[cXName] = std::max(FMaxWidth[cXName], Canvas.TextWidth(AxisTitle(channel, true)));
        if (FShowColumnYAxisTitle)
            FMaxWidth[cYName] = std::max(FMaxWidth[cYName], Canvas.TextWidth(AxisTitle(channel, false)));
        for (int c : {cYMax, cYMin, cYMean})
            if (shown[c])
                FMaxWidth[c] = std::max(FMaxWidth[c], Canvas.TextWidth(ValueText(channel, c)));
        for (const bool x : {true, false}) {
            const int c = x ? cXValue : cYValue;
            TiPlotAxis* axis = x ? channel.XAxis() : channel.YAxis();
            if (FCursorAllChannels) {
                if (axis)
                    FMaxWidth[c] = std::max(FMaxWidth[c],
                                            Round(zeroWidth * (axis->CursorUseDefaultFormat() ? axis->LabelsMinLength()
                                                                                              : axis->CursorMinLength())));
                const std::string& text = x ? channel.DataCursorXText() : channel.DataCursorYText();
                FMaxWidth[c] = std::max(FMaxWidth[c], Round(static_cast<double>(text.size()) * cw));
            } else {
                if (axis)
                    FMaxWidth[c] = std::max(FMaxWidth[c],
                                            Round(zeroWidth * (axis->LegendUseDefaultFormat() ? axis->LabelsMinLength()
                                                                                              : axis->LegendMinLength())));
                if (shown[c])
                    FMaxWidth[c] = std::max(FMaxWidth[c], Canvas.TextWidth(ValueText(channel, c)));
            }
        }
    }

    // Column starts: each after the earlier shown ones.
    FColumnStart[cLine] = 0;
    FColumnStart[cMarker] = FShowColumnLine ? FMaxWidth[cLine] + FColumnSpacingPixels : 0;
    FColumnStart[cChannel] = FColumnStart[cMarker] + (FShowColumnMarker ? FMaxWidth[cMarker] + FColumnSpacingPixels : 0);
    int x = FColumnStart[cChannel] + FMaxWidth[cChannel] + FColumnSpacingPixels;
    for (int c = cXName; c <= cYMean; ++c) {
        FColumnStart[c] = x;
        if (shown[c])
            x += FMaxWidth[c] + FColumnSpacingPixels;
    }
    FItemWidth = x - FColumnSpacingPixels;

    FColumnTitlesRect = {FInnerRect.Left, FInnerRect.Top, FInnerRect.Right, FInnerRect.Top + FColumnTitlesHeightPixels};
    FItemsRect = {FInnerRect.Left, FColumnTitlesRect.Bottom + FColumnTitlesMarginPixels, FInnerRect.Right,
                  FInnerRect.Bottom};
    const int itemsHeight = FItemsRect.Bottom - FItemsRect.Top;
    const int itemsWidth = FItemsRect.Right - FItemsRect.Left;
    // Negative spacings may not make a divisor of zero or below.
    const int rowPitch = std::max(1, FMaxItemHeight + FRowSpacingPixels);
    const int colPitch = std::max(1, FItemWidth + FWrapSpacingPixels);
    const int rowsThatFit = std::max(1, (itemsHeight + FRowSpacingPixels) / rowPitch);
    const int colsThatFit =
        std::max(1, (itemsWidth - (Horizontal() ? 25 : 0) + FWrapSpacingPixels) / colPitch);
    const int colMax = std::max(1, FWrapColAutoCountMax);
    int columns = FWrapColAutoCountEnabled ? colMax : FWrapColDesiredCount;
    const int rowLimit = std::max(1, FWrapRowAutoCountEnabled ? FWrapRowAutoCountMax : FWrapRowDesiredCount);
    int rows = 1;
    if (Horizontal()) {
        columns = std::max(1, std::min(columns, colsThatFit));
        rows = FWrapRowAutoCountEnabled ? CeilDiv(n, columns) : rowLimit;
        rows = std::min(rows, rowLimit);
        if (rows < 3 && rows * columns < n)
            rows = 3;
        if (FWrapColAutoCountEnabled)
            columns = std::max(1, std::min(columns, CeilDiv(n, rows)));
    } else {
        if (FWrapColAutoCountEnabled)
            columns = CeilDiv(n, rowsThatFit);
        columns = std::max(1, std::min(columns, colMax));
        rows = std::min({rowsThatFit, n, rowLimit});
        if (rows < 3 && rows * columns < n)
            rows = 3;
    }
    FActualWrapColCount = columns;
    FActualWrapRowCount = rows;

    // Placement.
    int column = 1, row = 1, y = FItemsRect.Top, column1Rows = 0;
    FColumnList.push_back(FInnerRect.Left);
    FItemViewStopIndex = n - 1;
    for (int i = FItemViewStartIndex; i < n; ++i) {
        TiPlotLegendItem& item = FItemList[static_cast<std::size_t>(i)];
        item.ARow = row;
        item.ACol = column;
        item.ALeft = FColumnList[static_cast<std::size_t>(column - 1)];
        item.ATop = y;
        if (column == 1)
            column1Rows = row;
        y += FMaxItemHeight + FRowSpacingPixels;
        ++row;
        if (row > rows && i != n - 1) {
            row = 1;
            y = FItemsRect.Top;
            ++column;
            if (column > columns) {
                FItemViewStopIndex = i;
                break;
            }
            FColumnList.push_back(FInnerRect.Left + (column - 1) * (FItemWidth + FWrapSpacingPixels));
        }
    }
    FRequiredWidth = columns * FItemWidth + (columns - 1) * FWrapSpacingPixels + left + right;
    FRequiredHeight = top + FColumnTitlesHeightPixels + FColumnTitlesMarginPixels +
                      rows * (FMaxItemHeight + FRowSpacingPixels) - FRowSpacingPixels + bottom;
    if (rows * columns < n && Enabled()) {
        FUpButton->SetVisible(true);
        FDownButton->SetVisible(true);
        FUpButton->SetDrawRect({FItemsRect.Right - 17, FItemsRect.Top, FItemsRect.Right, FItemsRect.Top + 17});
        FDownButton->SetDrawRect(
            {FItemsRect.Right - 17, FItemsRect.Bottom - 17, FItemsRect.Right, FItemsRect.Bottom});
        FRequiredWidth += 25;
    } else {
        FUpButton->SetVisible(false);
        FDownButton->SetVisible(false);
        FItemViewStartIndex = 0;
    }
    if (FWrapColSpacingAuto && Horizontal() && columns > 1) {
        const int gap = (itemsWidth - 25 - columns * FItemWidth) / (columns - 1);
        for (TiPlotLegendItem& item : FItemList)
            if (item.ACol > 0)
                item.ALeft = FInnerRect.Left + (item.ACol - 1) * (FItemWidth + gap);
        for (std::size_t k = 0; k < FColumnList.size(); ++k)
            FColumnList[k] = FInnerRect.Left + static_cast<int>(k) * (FItemWidth + gap);
    }
    if (FWrapRowSpacingAuto && !Horizontal() && column1Rows > 1) {
        const int spacing = (itemsHeight - FMaxItemHeight * column1Rows) / (column1Rows - 1);
        for (TiPlotLegendItem& item : FItemList)
            if (item.ARow > 0)
                item.ATop = FInnerRect.Top + (item.ARow - 1) * (FMaxItemHeight + spacing) +
                            (FColumnTitlesVisible ? FColumnTitlesHeightPixels + FColumnTitlesMarginPixels : 0);
    }
    FUpButton->SetEnabled(FItemViewStartIndex != 0);
    FDownButton->SetEnabled(FItemViewStopIndex != n - 1);
}

int TiPlotLegend::GetRequiredThickness(TCanvas& Canvas)
{
    CalculateLayout(Canvas);
    return Horizontal() ? FRequiredHeight : FRequiredWidth;
}

void TiPlotLegend::DrawLineSample(TCanvas& Canvas, int X, int CentreY, TColor Color, int LineStyle)
{
    Canvas.Pen().Color = Color;
    Canvas.Pen().Width = 1;
    const int h = FLineColumnHeight;
    const int first = static_cast<int>(std::trunc(-h / 2.0));
    static const std::vector<std::pair<int, int>> kSegments[5] = {
        {{0, 13}}, {{0, 5}, {8, 13}}, {{0, 2}, {4, 6}, {8, 10}}, {{0, 5}, {7, 9}}, {{0, 5}, {7, 9}, {11, 13}}};
    for (int row = first; row <= first + h; ++row) {
        const int y = CentreY + row;
        if (FLineColumnWidth == 13) {
            Canvas.Pen().Style = psSolid;
            for (const auto& [from, to] : kSegments[std::clamp(LineStyle, 0, 4)]) {
                const std::array<TPoint, 2> line{TPoint{X + from, y}, TPoint{X + to, y}};
                Canvas.Polyline(line);
            }
        } else {
            Canvas.Pen().Style = static_cast<TPenStyle>(std::clamp(LineStyle, 0, 4));
            const std::array<TPoint, 2> line{TPoint{X, y}, TPoint{X + FLineColumnWidth, y}};
            Canvas.Polyline(line);
        }
    }
}

void TiPlotLegend::Draw(TCanvas& Canvas, TColor BackGroundColor)
{
    if (!Visible() || FItemList.empty())
        return;
    CalculateLayout(Canvas);
    if (FItemList.empty())
        return;
    Canvas.Brush().Style = bsSolid;
    Canvas.Pen().Style = psSolid;
    if (!FBackGroundTransparent) {
        Canvas.Brush().Color = FBackGroundColor;
        Canvas.FillRect(DrawRect());
    }
    const std::string captions[10] = {"", "", FCaptionColumnTitle, FCaptionColumnXAxisTitle, FCaptionColumnYAxisTitle,
                                      FCaptionColumnXValue, FCaptionColumnYValue, FCaptionColumnYMax,
                                      FCaptionColumnYMin, FCaptionColumnYMean};
    const bool shown[10] = {FShowColumnLine,     FShowColumnMarker,  true,           FShowColumnXAxisTitle,
                            FShowColumnYAxisTitle, FShowColumnXValue2, FShowColumnYValue2, FShowColumnYMax,
                            FShowColumnYMin,     FShowColumnYMean};
    if (FColumnTitlesVisible) {
        Canvas.Font() = FColumnTitlesFont;
        Canvas.Brush().Style = bsClear;
        for (const int x : FColumnList)
            for (int c = cChannel; c <= cYMean; ++c) {
                if (!shown[c])
                    continue;
                TRect r{x + FColumnStart[c], FColumnTitlesRect.Top, x + FColumnStart[c] + FMaxWidth[c],
                        FColumnTitlesRect.Top + FColumnTitlesHeightPixels};
                const std::uint16_t align = c == cChannel                ? iTextFlags::Left
                                            : (c == cXName || c == cYName) ? iTextFlags::Center
                                                                           : iTextFlags::Right;
                DrawTextFlags(Canvas, Translate(captions[c]), r,
                              align | iTextFlags::SingleLine | iTextFlags::VCenter | iTextFlags::NoClip, true,
                              FColumnTitlesFont.Color);
            }
    }
    Canvas.Font() = FFont;
    Canvas.Brush().Style = bsClear;
    for (TiPlotLegendItem& item : FItemList)
        item.Channel->SetLegendRect({});
    const int ch = FItemHeight;
    for (int i = FItemViewStartIndex; i <= FItemViewStopIndex && i < static_cast<int>(FItemList.size()); ++i) {
        const TiPlotLegendItem& item = FItemList[static_cast<std::size_t>(i)];
        TiPlotChannelCustom& channel = *item.Channel;
        const int L = item.ALeft, T = item.ATop;
        const TRect nameRect{L + FColumnStart[cChannel], T, L + FColumnStart[cChannel] + FMaxWidth[cChannel] + 1,
                             T + item.MaxHeight};
        channel.SetLegendRect(nameRect);
        if (FShowColumnLine)
            DrawLineSample(Canvas, L + FColumnStart[cLine], T + ch / 2, channel.Color(), channel.TraceLineStyle());
        if (FShowColumnMarker)
            channel.DrawMarker(Canvas, -1, {L + FColumnStart[cMarker] + FMaxWidth[cMarker] / 2, T + ch / 2},
                               BackGroundColor);
        TFont font = FFont;
        if (channel.UserSelected()) {
            Canvas.Brush().Style = bsSolid;
            Canvas.Brush().Color = FSelectedItemBackGroundColor;
            Canvas.FillRect(nameRect);
            font = FSelectedItemFont;
        }
        Canvas.Brush().Style = bsClear;
        switch (FChannelNameColorStyle) {
        case iplcncsChannelColor:
            font.Color = channel.Color();
            break;
        case iplcncsXAxisFontColor:
            if (channel.XAxis())
                font.Color = channel.XAxis()->LabelsFont().Color;
            break;
        case iplcncsYAxisFontColor:
            if (channel.YAxis())
                font.Color = channel.YAxis()->LabelsFont().Color;
            break;
        case iplcncsFont:
            break;
        }
        Canvas.Font() = font;
        TRect name = nameRect;
        DrawTextFlags(Canvas, ChannelTitle(channel), name,
                      iTextFlags::Left | iTextFlags::Top | iTextFlags::WordBreak | iTextFlags::WordEllipsis, true,
                      font.Color);
        Canvas.Font() = FFont;
        Canvas.Brush().Style = bsClear;
        for (int c = cXName; c <= cYMean; ++c) {
            if (!shown[c])
                continue;
            TRect r{L + FColumnStart[c], T, L + FColumnStart[c] + FMaxWidth[c], T + ch};
            const std::string text = c == cXName   ? AxisTitle(channel, true)
                                     : c == cYName ? AxisTitle(channel, false)
                                                   : ValueText(channel, c);
            DrawTextFlags(Canvas, text, r,
                          (c <= cYName ? iTextFlags::Left : iTextFlags::Right) | iTextFlags::VCenter |
                              iTextFlags::SingleLine,
                          true, FFont.Color);
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
        } else {
            r.Left += 2;
            r.Right -= 2;
        }
        DrawFocusRectangle(Canvas, r);
    }
}

TiPlotObject* TiPlotLegend::iGetMouseObject(int X, int Y)
{
    TiPlotObject* found = this;
    if (FUpButton->Visible() && FUpButton->DrawRect().Contains({X, Y}))
        found = FUpButton.get();
    else if (FDownButton->Visible() && FDownButton->DrawRect().Contains({X, Y}))
        found = FDownButton.get();
    else
        for (const TiPlotLegendItem& item : FItemList)
            if (item.Channel->LegendRect().Contains({X, Y})) {
                found = item.Channel;
                break;
            }
    FMouseOverObject = found;
    return found;
}

TCursor TiPlotLegend::iGetMouseCursor(TPoint Point)
{
    TCursor cursor = TiPlotObject::iGetMouseCursor(Point);
    if (TiPlotHost* host = Host())
        host->DoObjectMouseCursor(*this, cursor);
    return cursor;
}

void TiPlotLegend::DoMouseUp(const TiPlotMouseData& MouseData)
{
    if (MouseDown() && DrawRect().Contains({MouseData.X, MouseData.Y}))
        if (TiPlotHost* host = Host())
            host->DoObjectClick(*this);
}

void TiPlotLegend::BuildPopupMenu(TPopupMenu& PopupMenu)
{
    TiPlotObject::BuildPopupMenu(PopupMenu);
    AddEditMenuItem(PopupMenu);
}

void TiPlotLegend::NotificationSetFocus(TObject* Sender)
{
    YieldSelectionTo(Sender);
}

void TiPlotLegend::NotificationRemove(TObject* Sender)
{
    FItemList.erase(std::remove_if(FItemList.begin(), FItemList.end(),
                                   [Sender](const TiPlotLegendItem& item) {
                                       return static_cast<TObject*>(item.Channel) == Sender;
                                   }),
                    FItemList.end());
}

namespace qx {

void registerPlotLegendClasses()
{
    static std::once_flag once;
    std::call_once(once, [] {
        registerPlotObjectClasses();
        registerEnum<TiPlotLegendChannelNameColorStyle>(
            "TiPlotLegendChannelNameColorStyle",
            {{"iplcncsFont", iplcncsFont}, {"iplcncsChannelColor", iplcncsChannelColor},
             {"iplcncsXAxisFontColor", iplcncsXAxisFontColor}, {"iplcncsYAxisFontColor", iplcncsYAxisFontColor}});
        using L = TiPlotLegend;
        registerClass<L, TiPlotLayoutObject>("TiPlotLegend")
            .property("MarginLeft", &L::MarginLeft, &L::SetMarginLeft)
            .property("MarginRight", &L::MarginRight, &L::SetMarginRight)
            .property("MarginTop", &L::MarginTop, &L::SetMarginTop)
            .property("MarginBottom", &L::MarginBottom, &L::SetMarginBottom)
            .color("BackGroundColor", &L::BackGroundColor, &L::SetBackGroundColor)
            .colorDefault(0x808080)
            .property("BackGroundTransparent", &L::BackGroundTransparent, &L::SetBackGroundTransparent)
            .defaultValue(true)
            .color("SelectedItemBackGroundColor", &L::SelectedItemBackGroundColor, &L::SetSelectedItemBackGroundColor)
            .colorDefault(0x00FFFF)
            .font("SelectedItemFont", &L::SelectedItemFont, &L::SetSelectedItemFont)
            .font("Font", &L::Font, &L::SetFont)
            .property("ColumnTitlesVisible", &L::ColumnTitlesVisible, &L::SetColumnTitlesVisible)
            .defaultValue(false)
            .font("ColumnTitlesFont", &L::ColumnTitlesFont, &L::SetColumnTitlesFont)
            .property("ChannelNameColorStyle", &L::ChannelNameColorStyle, &L::SetChannelNameColorStyle)
            .defaultValue(iplcncsFont)
            .property("ChannelNameMaxWidth", &L::ChannelNameMaxWidth, &L::SetChannelNameMaxWidth)
            .property("LineColumnWidth", &L::LineColumnWidth, &L::SetLineColumnWidth)
            .defaultValue(13)
            .property("LineColumnHeight", &L::LineColumnHeight, &L::SetLineColumnHeight)
            .defaultValue(3)
            .property("CaptionColumnTitle", &L::CaptionColumnTitle, &L::SetCaptionColumnTitle)
            .property("ShowColumnLine", &L::ShowColumnLine, &L::SetShowColumnLine)
            .defaultValue(true)
            .property("ShowColumnMarker", &L::ShowColumnMarker, &L::SetShowColumnMarker)
            .defaultValue(false)
            .property("ShowColumnXAxisTitle", &L::ShowColumnXAxisTitle, &L::SetShowColumnXAxisTitle)
            .defaultValue(false)
            .property("CaptionColumnXAxisTitle", &L::CaptionColumnXAxisTitle, &L::SetCaptionColumnXAxisTitle)
            .property("ShowColumnYAxisTitle", &L::ShowColumnYAxisTitle, &L::SetShowColumnYAxisTitle)
            .defaultValue(false)
            .property("CaptionColumnYAxisTitle", &L::CaptionColumnYAxisTitle, &L::SetCaptionColumnYAxisTitle)
            .property("ShowColumnXValue", &L::ShowColumnXValue, &L::SetShowColumnXValue)
            .defaultValue(false)
            .property("CaptionColumnXValue", &L::CaptionColumnXValue, &L::SetCaptionColumnXValue)
            .property("ShowColumnYValue", &L::ShowColumnYValue, &L::SetShowColumnYValue)
            .defaultValue(false)
            .property("CaptionColumnYValue", &L::CaptionColumnYValue, &L::SetCaptionColumnYValue)
            .property("ShowColumnYMax", &L::ShowColumnYMax, &L::SetShowColumnYMax)
            .defaultValue(false)
            .property("CaptionColumnYMax", &L::CaptionColumnYMax, &L::SetCaptionColumnYMax)
            .property("ShowColumnYMin", &L::ShowColumnYMin, &L::SetShowColumnYMin)
            .defaultValue(false)
            .property("CaptionColumnYMin", &L::CaptionColumnYMin, &L::SetCaptionColumnYMin)
            .property("ShowColumnYMean", &L::ShowColumnYMean, &L::SetShowColumnYMean)
            .defaultValue(false)
            .property("CaptionColumnYMean", &L::CaptionColumnYMean, &L::SetCaptionColumnYMean)
            .property("ColumnSpacing", &L::ColumnSpacing, &L::SetColumnSpacing)
            .property("RowSpacing", &L::RowSpacing, &L::SetRowSpacing)
            .property("WrapRowSpacingMin", &L::RowSpacing, &L::SetRowSpacing)
            .property("WrapColSpacingMin", &L::WrapColSpacingMin, &L::SetWrapColSpacingMin)
            .property("WrapColSpacingAuto", &L::WrapColSpacingAuto, &L::SetWrapColSpacingAuto)
            .property("WrapRowSpacingAuto", &L::WrapRowSpacingAuto, &L::SetWrapRowSpacingAuto)
            .property("WrapColDesiredCount", &L::WrapColDesiredCount, &L::SetWrapColDesiredCount)
            .property("WrapColAutoCountEnabled", &L::WrapColAutoCountEnabled, &L::SetWrapColAutoCountEnabled)
            .property("WrapColAutoCountMax", &L::WrapColAutoCountMax, &L::SetWrapColAutoCountMax)
            .property("WrapRowDesiredCount", &L::WrapRowDesiredCount, &L::SetWrapRowDesiredCount)
            .property("WrapRowAutoCountEnabled", &L::WrapRowAutoCountEnabled, &L::SetWrapRowAutoCountEnabled)
            .property("WrapRowAutoCountMax", &L::WrapRowAutoCountMax, &L::SetWrapRowAutoCountMax);
        plot::registerPlotObjectCreator("TiPlotLegend", [](TObject* o, TNotifyEvent c, TNotifyEvent i, TNotifyEvent r,
                                                           TNotifyEvent n) -> TiPlotObject* {
            return new TiPlotLegend(o, std::move(c), std::move(i), std::move(r), std::move(n));
        });
    });
}

} // namespace qx
