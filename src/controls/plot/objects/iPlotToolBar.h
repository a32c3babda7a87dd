#pragma once
// TiPlotToolBar: a row of fourteen picture buttons along an edge of the plot: resume and
// pause tracking, scroll or zoom mode, zoom in and out, the select, zoom-box and cursor
// modes, the plot editor, and copy, save, print and preview. The plot's data view and its
// select mode read the mode buttons of the plot's first toolbar.

#include "controls/plot/base/iPlotError.h"
#include "controls/plot/base/iPlotHost.h"
#include "controls/plot/base/iPlotObjects.h"

#include <memory>
#include <string>
#include <vector>

class TImageList;
class TiPlotHost;
class TiPlotToolBar;

enum TiPlotToolBarButtonType {
    iptbbtResume, iptbbtPause, iptbbtScrollAxesMode, iptbbtZoomAxesMode, iptbbtSelect, iptbbtZoomBox, iptbbtZoomOut,
    iptbbtZoomIn, iptbbtCursor, iptbbtEdit, iptbbtCopy, iptbbtSave, iptbbtPrint, iptbbtPreview
};
enum TiPlotToolBarButtonStyle { iptbbsButton, iptbbsSpacer };

class TiPlotToolBarButton : public TiPlotButton
{
public:
    TiPlotToolBarButton(TiPlotToolBar& ToolBar, TiPlotToolBarButtonStyle Style, TiPlotToolBarButtonType Type,
                        std::string Hint, std::string ImageName, int Group);

    TiPlotToolBarButtonStyle Style() const { return FStyle; }
    TiPlotToolBarButtonType ButtonType() const { return FType; }
    const std::string& Hint() const { return FHint; }
    const std::string& ImageName() const { return FImageName; }
    void SetImageName(const std::string& Value);
    bool Flat() const { return FFlat; }
    void SetFlat(bool Value) { FFlat = Value; }
    bool MouseOver() const { return FMouseOver; }
    int ImageIndex() const { return FImageIndex; }
    void Draw(TCanvas& Canvas, TColor BackGroundColor) override;
    bool iMouseHitTest(const TiPlotMouseData& MouseData) override;

protected:
    void DoMouseHint(const TiPlotMouseData& MouseData, TiHintData& HintData) override;
    void DoMouseNotOver() override;

private:
    TiPlotToolBar& FToolBar;
    std::string FHint;
    TiPlotToolBarButtonStyle FStyle;
    TiPlotToolBarButtonType FType;
    int FImageIndex = -1;
    std::string FImageName;
    bool FFlat = false;
    bool FMouseOver = false;
};

class TiPlotToolBar : public TiPlotLayoutObject
{
public:
    TiPlotToolBar(TObject* AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                  TNotifyEvent AOnRename);
    ~TiPlotToolBar() override;

    bool ShowResumeButton() const { return FResumeButton->Visible(); }
    void SetShowResumeButton(bool Value) { ShowButtons(Value, {FResumeButton}); }
    bool ShowPauseButton() const { return FPauseButton->Visible(); }
    void SetShowPauseButton(bool Value) { ShowButtons(Value, {FPauseButton}); }
    bool ShowAxesModeButtons() const { return FAxesModeScrollButton->Visible(); }
    void SetShowAxesModeButtons(bool Value) { ShowButtons(Value, {FAxesModeScrollButton, FAxesModeZoomButton}); }
    bool ShowZoomInOutButtons() const { return FZoomInButton->Visible(); }
    void SetShowZoomInOutButtons(bool Value) { ShowButtons(Value, {FZoomInButton, FZoomOutButton}); }
    bool ShowSelectButton() const { return FSelectButton->Visible(); }
    void SetShowSelectButton(bool Value) { ShowButtons(Value, {FSelectButton}); }
    bool ShowZoomBoxButton() const { return FZoomBoxButton->Visible(); }
    void SetShowZoomBoxButton(bool Value) { ShowButtons(Value, {FZoomBoxButton}); }
    bool ShowCursorButton() const { return FCursorButton->Visible(); }
    void SetShowCursorButton(bool Value) { ShowButtons(Value, {FCursorButton}); }
    bool ShowEditButton() const { return FEditButton->Visible(); }
    void SetShowEditButton(bool Value) { ShowButtons(Value, {FEditButton}); }
    bool ShowCopyButton() const { return FCopyButton->Visible(); }
    void SetShowCopyButton(bool Value) { ShowButtons(Value, {FCopyButton}); }
    bool ShowSaveButton() const { return FSaveButton->Visible(); }
    void SetShowSaveButton(bool Value) { ShowButtons(Value, {FSaveButton}); }
    bool ShowPrintButton() const { return FPrintButton->Visible(); }
    void SetShowPrintButton(bool Value) { ShowButtons(Value, {FPrintButton}); }
    bool ShowPreviewButton() const { return FPreviewButton->Visible(); }
    void SetShowPreviewButton(bool Value) { ShowButtons(Value, {FPreviewButton}); }
    double ZoomInOutFactor() const { return FZoomInOutFactor; }
    /// Values below 1 (and not a number) are stored as 1.
    void SetZoomInOutFactor(double Value);
    bool FlatBorder() const { return FFlatBorder; }
    void SetFlatBorder(bool Value) { SetBooleanField(Value, FFlatBorder, &TiPlotObject::DoChange); }
    bool FlatButtons() const { return FFlatButtons; }
    void SetFlatButtons(bool Value);
    bool SmallButtons() const { return FSmallButtons; }
    void SetSmallButtons(bool Value);

    // What a click on each button does.
    void DoButtonClickResume();
    void DoButtonClickPause();
    void DoButtonClickScrollAxesMode();
    void DoButtonClickZoomAxesMode();
    void DoButtonClickZoomIn();
    void DoButtonClickZoomOut();
    void DoButtonClickSelect();
    void DoButtonClickZoomBox();
    void DoButtonClickCursor();
    void DoButtonClickEdit();
    void DoButtonClickCopy();
    void DoButtonClickSave();
    void DoButtonClickPrint();
    void DoButtonClickPreview();
    void TurnOffCursor() { FCursorButton->SetDown(false); }
    bool CursorActive() const { return FCursorButton->Down(); }
    bool ZoomBoxActive() const { return FZoomBoxButton->Down(); }
    bool SelectActive() const { return FSelectButton->Down(); }

    /// The buttons and spacers in display order.
    const std::vector<TiPlotToolBarButton*>& Buttons() const { return FButtonList; }
    TiPlotToolBarButton& Button(TiPlotToolBarButtonType Type) const;
    TImageList& ImageList() const { return *FImageList; }

    int GetRequiredThickness(TCanvas& Canvas) override;
    void Draw(TCanvas& Canvas, TColor BackGroundColor) override;
    TiPlotObject* iGetMouseObject(int X, int Y) override;
    void BuildPopupMenu(TPopupMenu& PopupMenu) override;
    void NotificationSetFocus(TObject* Sender) override;
    TiPlotHost* Host() const;

private:
    TiPlotToolBarButton* AddButton(TiPlotToolBarButtonType Type, const char* Hint, const char* Image, int Group,
                                   void (TiPlotToolBar::*Action)());
    TiPlotToolBarButton* AddSpacer();
    void ShowButtons(bool Value, std::initializer_list<TiPlotToolBarButton*> Buttons);
    /// The frame of every action: the before-event may cancel it, the click event follows.
    void RunAction(TiPlotToolBarButtonType Type, void (TiPlotToolBar::*Body)());
    void GroupRelease(TiPlotToolBarButton& Button);
    void SetAllAxesMode(int Mode);
    void ZoomAllAxes(bool In);
    void BodyResume();
    void BodyPause();
    void BodyScrollMode();
    void BodyZoomMode();
    void BodyZoomIn() { ZoomAllAxes(true); }
    void BodyZoomOut() { ZoomAllAxes(false); }
    void BodySelect();
    void BodyZoomBox();
    void BodyCursor();
    template <TiPlotToolBarButtonType Type>
    void BodyOutput()
    {
        if (TiPlotHost* host = Host())
            host->ToolBarOutput(Type);
    }

    std::vector<TiPlotToolBarButton*> FButtonList;
    std::unique_ptr<TImageList> FImageList;
    TiPlotToolBarButton *FResumeButton, *FPauseButton, *FResumePauseSpacer, *FAxesModeScrollButton,
        *FAxesModeZoomButton, *FAxesModeSpacer, *FZoomInButton, *FZoomOutButton, *FZoomInOutSpacer, *FSelectButton,
        *FZoomBoxButton, *FCursorButton, *FZoomBoxCursorSpacer, *FEditButton, *FEditSpacer, *FCopyButton,
        *FSaveButton, *FPrintButton, *FPreviewButton;
    double FZoomInOutFactor = 2.0;
    bool FFlatButtons = false;
    bool FSmallButtons = false;
    bool FFlatBorder = false;
};

namespace qx {
/// Publishes the toolbar and registers its creator with the managers.
void registerPlotToolBarClasses();
} // namespace qx
