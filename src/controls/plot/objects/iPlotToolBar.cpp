#include "controls/plot/objects/iPlotToolBar.h"

#include "controls/plot/base/iDrawing.h"
#include "controls/plot/base/iPlotHost.h"
#include "controls/plot/base/iPlotManagers.h"
#include "controls/plot/base/iPlotMasterManager.h"
#include "controls/plot/objects/iPlotAxis.h"

#include "platform/gui/ImageList.h"
#include "platform/gui/PictureResources.h"
#include "platform/gui/PropertyRegistry.h"
#include "platform/gui/canvas/Picture.h"

#include <cmath>
#include <mutex>

namespace {

/// The pictures' transparent colour (teal).
constexpr TColor kPictureKey = 0x808000;
constexpr TColor kPressedFill = 0xEFEFEF;

void DrawPlainEdge(TCanvas& Canvas, const TRect& R, bool Lowered)
{
    const TRect r{R.Left, R.Top, R.Right - 1, R.Bottom - 1};
    Canvas.Pen().Width = 1;
    Canvas.Pen().Style = psSolid;
    Canvas.Pen().Color = Lowered ? clBtnShadow : clBtnHighlight;
    const std::array<TPoint, 3> first{TPoint{r.Left, r.Bottom}, TPoint{r.Left, r.Top}, TPoint{r.Right, r.Top}};
    Canvas.Polyline(first);
    Canvas.Pen().Color = Lowered ? clBtnHighlight : clBtnShadow;
    const std::array<TPoint, 3> second{TPoint{r.Right, r.Top}, TPoint{r.Right, r.Bottom}, TPoint{r.Left, r.Bottom}};
    Canvas.Polyline(second);
}

} // namespace

// ---- TiPlotToolBarButton ----

TiPlotToolBarButton::TiPlotToolBarButton(TiPlotToolBar& ToolBar, TiPlotToolBarButtonStyle Style,
                                         TiPlotToolBarButtonType Type, std::string Hint, std::string ImageName,
                                         int Group)
    : TiPlotButton(ToolBar.Owner(), nullptr, nullptr, nullptr, nullptr),
      FToolBar(ToolBar), FHint(std::move(Hint)), FStyle(Style), FType(Type), FImageName(std::move(ImageName))
{
    GroupIndex = Group;
}

void TiPlotToolBarButton::SetImageName(const std::string& Value)
{
    FImageName = Value;
    FImageIndex = -1;
}

bool TiPlotToolBarButton::iMouseHitTest(const TiPlotMouseData& MouseData)
{
    return Visible() && DrawRect().Contains({MouseData.X, MouseData.Y});
}

void TiPlotToolBarButton::Draw(TCanvas& Canvas, TColor)
{
    if (FStyle == iptbbsSpacer)
        return;
    TImageList& list = FToolBar.ImageList();
    if (FImageIndex == -1 && !FImageName.empty()) {
        TPicture picture;
        qx::loadPictureResource(picture, FImageName);
        if (!picture.Empty())
            FImageIndex = list.AddMasked(picture.ToBitmap(), kPictureKey);
    }
    const TRect r = DrawRect();
    int x = (r.Left + r.Right) / 2 - list.Width() / 2;
    int y = (r.Top + r.Bottom) / 2 - list.Height() / 2;
    const bool pressed = MouseDown() || Down();
    Canvas.Brush().Style = bsSolid;
    if (FFlat) {
        if (pressed && !FMouseOver) {
            Canvas.Brush().Color = kPressedFill;
            Canvas.FillRect(r);
        }
        if (Enabled()) {
            if (pressed) {
                DrawPlainEdge(Canvas, r, true);
                ++x;
                ++y;
            } else if (FMouseOver)
                DrawPlainEdge(Canvas, r, false);
        }
    } else if (pressed) {
        Canvas.Brush().Color = kPressedFill;
        Canvas.FillRect(r);
        DrawEdgeStyle(Canvas, r, 0);
        ++x;
        ++y;
    } else
        DrawEdgeStyle(Canvas, r, 1);
    list.Draw(Canvas, x, y, FImageIndex, Enabled());
}

void TiPlotToolBarButton::DoMouseHint(const TiPlotMouseData&, TiHintData& HintData)
{
    if (!FMouseOver) {
        FMouseOver = true;
        if (FFlat)
            FToolBar.DoChange();
    }
    TiPlotHost* host = FToolBar.Host();
    if (!host)
        return;
    std::string text = host->TranslateText(FHint);
    TCanvas& canvas = host->HintCanvas();
    if (const TFont* font = host->HintsFont())
        canvas.Font() = *font;
    HintData.Text = text;
    HintData.Top = DrawRect().Bottom + 3;
    HintData.Left = DrawRect().Left;
    HintData.Width = canvas.TextWidth(text) + 4;
    HintData.Height = canvas.TextHeight(text) + 4;
    host->DoToolBarCustomizeHint(FToolBar, HintData.Text);
}

void TiPlotToolBarButton::DoMouseNotOver()
{
    FMouseOver = false;
    FToolBar.DoChange();
}

// ---- TiPlotToolBar ----

TiPlotToolBar::TiPlotToolBar(TObject* AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                             TNotifyEvent AOnRename)
    : TiPlotLayoutObject(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove),
                         std::move(AOnRename)),
      FImageList(std::make_unique<TImageList>(nullptr))
{
    FImageList->SetWidth(24);
    FImageList->SetHeight(24);
    SetHorizontal(true);
    using T = TiPlotToolBar;
    FResumeButton = AddButton(iptbbtResume, "Resume All (Tracking)", "AUTO", 0, &T::DoButtonClickResume);
    FPauseButton = AddButton(iptbbtPause, "Pause All (Tracking)", "PAUSE", 0, &T::DoButtonClickPause);
    FResumePauseSpacer = AddSpacer();
    FAxesModeScrollButton =
        AddButton(iptbbtScrollAxesMode, "Scroll (Axes)", "SCROLL", 2, &T::DoButtonClickScrollAxesMode);
    FAxesModeZoomButton = AddButton(iptbbtZoomAxesMode, "Zoom (Axes)", "ZOOM", 2, &T::DoButtonClickZoomAxesMode);
    FAxesModeSpacer = AddSpacer();
    FZoomOutButton = AddButton(iptbbtZoomOut, "Zoom Out All Axes", "ZOOMOUT", 0, &T::DoButtonClickZoomOut);
    FZoomInButton = AddButton(iptbbtZoomIn, "Zoom In All Axes", "ZOOMIN", 0, &T::DoButtonClickZoomIn);
    FZoomInOutSpacer = AddSpacer();
    FSelectButton = AddButton(iptbbtSelect, "Select", "SELECT", -1, &T::DoButtonClickSelect);
    FZoomBoxButton = AddButton(iptbbtZoomBox, "Zoom Box", "SCROLLBOX", -1, &T::DoButtonClickZoomBox);
    FCursorButton = AddButton(iptbbtCursor, "Cursor", "CURSOR", -2, &T::DoButtonClickCursor);
    FZoomBoxCursorSpacer = AddSpacer();
    FEditButton = AddButton(iptbbtEdit, "Properties", "PROPERTIES", 0, &T::DoButtonClickEdit);
    FEditSpacer = AddSpacer();
    FCopyButton = AddButton(iptbbtCopy, "Copy to Clipboard", "COPY", 0, &T::DoButtonClickCopy);
    FSaveButton = AddButton(iptbbtSave, "Save to File", "SAVE", 0, &T::DoButtonClickSave);
    FPrintButton = AddButton(iptbbtPrint, "Print", "PRINTER", 0, &T::DoButtonClickPrint);
    FPreviewButton = AddButton(iptbbtPreview, "Preview", "PREVIEW", 0, &T::DoButtonClickPreview);

    FCursorButton->OnDownChange = [this](TObject*) {
        TiPlotHost* host = Host();
        if (!host)
            return;
        TiPlotDataCursorManager& cursors = *host->MasterManager().DataCursorManager();
        const bool down = FCursorButton->Down();
        for (int i = 0; i < cursors.Count(); ++i)
            cursors.GetItem(i)->SetVisible(down);
        if (!down)
            return;
        DisableAllTracking(host->MasterManager());
        if (cursors.Count() > 0)
            cursors.GetItem(0)->SetUserSelected(true);
    };
    FSelectButton->OnDownChange = [this](TObject*) {
        if (TiPlotHost* host = Host(); host && FSelectButton->Down())
            DisableAllTracking(host->MasterManager());
    };
    FAxesModeScrollButton->SetDown(true);
    FSelectButton->SetVisible(false);
    FPreviewButton->SetVisible(false);
}

TiPlotToolBar::~TiPlotToolBar()
{
    for (TiPlotToolBarButton* button : FButtonList)
        delete button;
}

TiPlotHost* TiPlotToolBar::Host() const { return PlotHostOf(*this); }

TiPlotToolBarButton* TiPlotToolBar::AddButton(TiPlotToolBarButtonType Type, const char* Hint, const char* Image,
                                              int Group, void (TiPlotToolBar::*Action)())
{
    auto* button = new TiPlotToolBarButton(*this, iptbbsButton, Type, Hint, Image, Group);
    button->OnClick = [this, Action](TObject*) { (this->*Action)(); };
    button->OnGroupClick = [this, button](TObject*) { GroupRelease(*button); };
    button->OnInvalidate = [this](TObject*) { RaiseInvalidateNow(); };
    FButtonList.push_back(button);
    return button;
}

TiPlotToolBarButton* TiPlotToolBar::AddSpacer()
{
    auto* spacer = new TiPlotToolBarButton(*this, iptbbsSpacer, iptbbtResume, "", "", 0);
    FButtonList.push_back(spacer);
    return spacer;
}

TiPlotToolBarButton& TiPlotToolBar::Button(TiPlotToolBarButtonType Type) const
{
    for (TiPlotToolBarButton* button : FButtonList)
        if (button->Style() == iptbbsButton && button->ButtonType() == Type)
            return *button;
    throw EiPlotError("Unknown toolbar button");
}

void TiPlotToolBar::ShowButtons(bool Value, std::initializer_list<TiPlotToolBarButton*> Buttons)
{
    bool changed = false;
    for (TiPlotToolBarButton* button : Buttons) {
        changed = changed || button->Visible() != Value;
        button->SetVisible(Value);
    }
    if (changed)
        DoChange();
}

void TiPlotToolBar::SetZoomInOutFactor(double Value)
{
    if (!(Value >= 1))
        Value = 1;
    SetDoubleField(Value, FZoomInOutFactor, &TiPlotObject::DoChange);
}

void TiPlotToolBar::SetFlatButtons(bool Value)
{
    if (Value == FFlatButtons)
        return;
    FFlatButtons = Value;
    for (TiPlotToolBarButton* button : FButtonList)
        button->SetFlat(Value);
    DoChange();
}

void TiPlotToolBar::SetSmallButtons(bool Value)
{
    if (Value == FSmallButtons)
        return;
    FSmallButtons = Value;
    FImageList->Clear();
    FImageList->SetWidth(Value ? 16 : 24);
    FImageList->SetHeight(Value ? 16 : 24);
    for (TiPlotToolBarButton* button : FButtonList) {
        if (button->ImageName().empty())
            continue;
        const std::string name = button->ImageName();
        const bool small = name.rfind("SMALL", 0) == 0;
        if (Value && !small)
            button->SetImageName("SMALL" + name);
        else if (!Value && small)
            button->SetImageName(name.substr(5));
    }
    DoChange();
}

void TiPlotToolBar::RunAction(TiPlotToolBarButtonType Type, void (TiPlotToolBar::*Body)())
{
    TiPlotHost* host = Host();
    if (host && !host->DoBeforeToolBarButtonClick(*this, Type))
        return;
    (this->*Body)();
    if (host)
        host->DoToolBarButtonClick(*this, Type);
}

void TiPlotToolBar::GroupRelease(TiPlotToolBarButton& Button)
{
    for (TiPlotToolBarButton* other : FButtonList)
        if (other != &Button && other->GroupIndex == Button.GroupIndex)
            other->SetDown(false);
}

void TiPlotToolBar::DoButtonClickResume() { RunAction(iptbbtResume, &TiPlotToolBar::BodyResume); }
void TiPlotToolBar::DoButtonClickPause() { RunAction(iptbbtPause, &TiPlotToolBar::BodyPause); }
void TiPlotToolBar::DoButtonClickScrollAxesMode()
{
    RunAction(iptbbtScrollAxesMode, &TiPlotToolBar::BodyScrollMode);
}
void TiPlotToolBar::DoButtonClickZoomAxesMode() { RunAction(iptbbtZoomAxesMode, &TiPlotToolBar::BodyZoomMode); }
void TiPlotToolBar::DoButtonClickZoomIn() { RunAction(iptbbtZoomIn, &TiPlotToolBar::BodyZoomIn); }
void TiPlotToolBar::DoButtonClickZoomOut() { RunAction(iptbbtZoomOut, &TiPlotToolBar::BodyZoomOut); }
void TiPlotToolBar::DoButtonClickSelect() { RunAction(iptbbtSelect, &TiPlotToolBar::BodySelect); }
void TiPlotToolBar::DoButtonClickZoomBox() { RunAction(iptbbtZoomBox, &TiPlotToolBar::BodyZoomBox); }
void TiPlotToolBar::DoButtonClickCursor() { RunAction(iptbbtCursor, &TiPlotToolBar::BodyCursor); }
// The editor button raises its before-event only; unless that cancels, the plot editor opens.
void TiPlotToolBar::DoButtonClickEdit()
{
    TiPlotHost* host = Host();
    if (host && host->DoBeforeToolBarButtonClick(*this, iptbbtEdit))
        host->MasterManager().EditProperties();
}
void TiPlotToolBar::DoButtonClickCopy() { RunAction(iptbbtCopy, &TiPlotToolBar::BodyOutput<iptbbtCopy>); }
void TiPlotToolBar::DoButtonClickSave() { RunAction(iptbbtSave, &TiPlotToolBar::BodyOutput<iptbbtSave>); }
void TiPlotToolBar::DoButtonClickPrint() { RunAction(iptbbtPrint, &TiPlotToolBar::BodyOutput<iptbbtPrint>); }
void TiPlotToolBar::DoButtonClickPreview() { RunAction(iptbbtPreview, &TiPlotToolBar::BodyOutput<iptbbtPreview>); }

void TiPlotToolBar::BodyResume()
{
    if (FCursorButton->Down())
        DoButtonClickCursor();
    if (FSelectButton->Down())
        DoButtonClickSelect();
    TiPlotHost* host = Host();
    if (!host)
        return;
    host->MasterManager().DeSelectAll();
    for (const bool xAxes : {true, false})
        for (TiPlotAxis* axis : PlotAxes(host->MasterManager(), xAxes))
            axis->SetTrackingEnabled(true);
}

void TiPlotToolBar::BodyPause()
{
    if (TiPlotHost* host = Host())
        DisableAllTracking(host->MasterManager());
}

void TiPlotToolBar::SetAllAxesMode(int Mode)
{
    if (TiPlotHost* host = Host())
        for (const bool xAxes : {true, false})
            for (TiPlotAxis* axis : PlotAxes(host->MasterManager(), xAxes))
                axis->SetMode(static_cast<TiPlotAxisMode>(Mode));
}

void TiPlotToolBar::BodyScrollMode()
{
    FAxesModeScrollButton->SetDown(true);
    FAxesModeZoomButton->SetDown(false);
    SetAllAxesMode(ipamScroll);
}

void TiPlotToolBar::BodyZoomMode()
{
    FAxesModeZoomButton->SetDown(true);
    FAxesModeScrollButton->SetDown(false);
    SetAllAxesMode(ipamZoom);
}

void TiPlotToolBar::ZoomAllAxes(bool In)
{
    DoButtonClickPause();
    TiPlotHost* host = Host();
    if (!host)
        return;
    for (const bool xAxes : {true, false})
        for (TiPlotAxis* axis : PlotAxes(host->MasterManager(), xAxes)) {
            if (axis->ScaleType() == ipstLog10)
                axis->Zoom(In ? -1 : 1);
            else
                axis->Zoom(In ? 1 / FZoomInOutFactor : FZoomInOutFactor);
        }
}

void TiPlotToolBar::BodySelect()
{
    FSelectButton->SetDown(!FSelectButton->Down());
    FZoomBoxButton->SetDown(false);
}

void TiPlotToolBar::BodyZoomBox()
{
    FSelectButton->SetDown(false);
    FZoomBoxButton->SetDown(!FZoomBoxButton->Down());
}

void TiPlotToolBar::BodyCursor() { FCursorButton->SetDown(!FCursorButton->Down()); }

int TiPlotToolBar::GetRequiredThickness(TCanvas&) { return FSmallButtons ? 28 : 36; }

void TiPlotToolBar::Draw(TCanvas& Canvas, TColor)
{
    if (!Visible())
        return;
    const int size = FSmallButtons ? 22 : 30;
    FResumePauseSpacer->SetVisible(FResumeButton->Visible() || FPauseButton->Visible());
    FAxesModeSpacer->SetVisible(FAxesModeScrollButton->Visible() || FAxesModeZoomButton->Visible());
    FZoomInOutSpacer->SetVisible(FZoomInButton->Visible() || FZoomOutButton->Visible());
    FZoomBoxCursorSpacer->SetVisible(FZoomBoxButton->Visible() || FCursorButton->Visible());
    FEditSpacer->SetVisible(FEditButton->Visible());
    bool anyOff = false, anyOn = false;
    if (TiPlotHost* host = Host())
        for (const bool xAxes : {true, false})
            for (TiPlotAxis* axis : PlotAxes(host->MasterManager(), xAxes))
                (axis->TrackingEnabled() ? anyOn : anyOff) = true;
    FResumeButton->SetEnabled(anyOff);
    FPauseButton->SetEnabled(anyOn);

    const TRect r = DrawRect();
    Canvas.Brush().Style = bsSolid;
    Canvas.Brush().Color = clBtnFace;
    Canvas.Pen().Width = 1;
    Canvas.FillRect({r.Left, r.Top, r.Right + 1, r.Bottom});
    if (!FFlatBorder)
        DrawEdgeStyle(Canvas, r, 1);
    int x = r.Left + 3;
    for (TiPlotToolBarButton* button : FButtonList) {
        if (!button->Visible())
            continue;
        const int width = button->Style() == iptbbsSpacer ? 10 : size;
        button->SetDrawRect({x, r.Top + 3, x + width, r.Top + 3 + size});
        button->Draw(Canvas, clBtnFace);
        x += width;
    }
}

TiPlotObject* TiPlotToolBar::iGetMouseObject(int X, int Y)
{
    for (TiPlotToolBarButton* button : FButtonList)
        if (button->Visible() && button->DrawRect().Contains({X, Y})) {
            FMouseOverObject = button;
            return button;
        }
    FMouseOverObject = this;
    return this;
}

void TiPlotToolBar::BuildPopupMenu(TPopupMenu& PopupMenu)
{
    TiPlotObject::BuildPopupMenu(PopupMenu);
    AddEditMenuItem(PopupMenu);
}

void TiPlotToolBar::NotificationSetFocus(TObject* Sender)
{
    YieldSelectionTo(Sender);
}

namespace qx {

void registerPlotToolBarClasses()
{
    static std::once_flag once;
    std::call_once(once, [] {
        registerPlotObjectClasses();
        using T = TiPlotToolBar;
        registerClass<T, TiPlotLayoutObject>("TiPlotToolBar")
            .property("ShowResumeButton", &T::ShowResumeButton, &T::SetShowResumeButton)
            .defaultValue(true)
            .property("ShowPauseButton", &T::ShowPauseButton, &T::SetShowPauseButton)
            .defaultValue(true)
            .property("ShowAxesModeButtons", &T::ShowAxesModeButtons, &T::SetShowAxesModeButtons)
            .defaultValue(true)
            .property("ShowZoomInOutButtons", &T::ShowZoomInOutButtons, &T::SetShowZoomInOutButtons)
            .defaultValue(true)
            .property("ShowSelectButton", &T::ShowSelectButton, &T::SetShowSelectButton)
            .defaultValue(false)
            .property("ShowZoomBoxButton", &T::ShowZoomBoxButton, &T::SetShowZoomBoxButton)
            .defaultValue(true)
            .property("ShowCursorButton", &T::ShowCursorButton, &T::SetShowCursorButton)
            .defaultValue(true)
            .property("ShowEditButton", &T::ShowEditButton, &T::SetShowEditButton)
            .defaultValue(true)
            .property("ShowCopyButton", &T::ShowCopyButton, &T::SetShowCopyButton)
            .defaultValue(true)
            .property("ShowSaveButton", &T::ShowSaveButton, &T::SetShowSaveButton)
            .defaultValue(true)
            .property("ShowPrintButton", &T::ShowPrintButton, &T::SetShowPrintButton)
            .defaultValue(true)
            .property("ShowPreviewButton", &T::ShowPreviewButton, &T::SetShowPreviewButton)
            .defaultValue(false)
            .property("ZoomInOutFactor", &T::ZoomInOutFactor, &T::SetZoomInOutFactor)
            .property("FlatBorder", &T::FlatBorder, &T::SetFlatBorder)
            .defaultValue(false)
            .property("FlatButtons", &T::FlatButtons, &T::SetFlatButtons)
            .defaultValue(false)
            .property("SmallButtons", &T::SmallButtons, &T::SetSmallButtons)
            .defaultValue(false);
        plot::registerPlotObjectCreator("TiPlotToolBar", [](TObject* o, TNotifyEvent c, TNotifyEvent i,
                                                            TNotifyEvent r, TNotifyEvent n) -> TiPlotObject* {
            return new TiPlotToolBar(o, std::move(c), std::move(i), std::move(r), std::move(n));
        });
    });
}

} // namespace qx
