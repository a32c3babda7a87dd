#pragma once
// TAdvSmoothSplashScreen: a non-visual component that, once its form's layout is read, opens a
// borderless splash window of its own (TSplashScreenWindow) with a background fill, the product
// name block, picture-and-text items, HTML text lines, overlay panels and an optional progress
// bar, and closes it when its main form is first shown, when its close timer runs out or when
// Hide is called.

#include "controls/skinned/SplashContent.h"
#include "controls/skinned/SplashProgress.h"
#include "platform/gui/Component.h"
#include "platform/gui/Form.h"

#include <memory>
#include <string>

class TGDIPPictureContainer;
class TImageList;
class TTimer;
class TAdvSmoothSplashScreen;

enum TDisplayStyle
{
    dsNormal,
    dsFadeInOut
};
enum TDisplayLocation
{
    dlFixedPos,
    dlCenter
};
enum TAdvSmoothSplashScreenTextRenderingHint
{
    tAntiAlias,
    tAntiAliasGridFit,
    tClearType
};

// The splash's own window: never takes the focus, paints the component's content.
class TSplashScreenWindow : public TForm
{
public:
    TSplashScreenWindow(TComponent* AOwner, TAdvSmoothSplashScreen* SplashScreen);
    ~TSplashScreenWindow() override;

    TAdvSmoothSplashScreen* SplashScreen() const { return splashScreen_; }
    TAdvSplashProgressBar* ProgressBar() const { return progressBar_; }
    int Opacity() const { return opacity_; }
    void SetOpacity(int Value) { opacity_ = Value; }
    bool ForcedTransparent() const { return forcedTransparent_; }
    void Refresh();
    // Paints the whole splash (background, information, list, overlays, items) on a canvas.
    void PaintSplash(TCanvas& canvas);

protected:
    void Paint() override;
    void Click() override;

private:
    friend class TAdvSmoothSplashScreen;
    TAdvSmoothSplashScreen* splashScreen_;
    TAdvSplashProgressBar* progressBar_ = nullptr;
    bool forcedTransparent_ = false;
    int opacity_ = 5;
};

class TAdvSmoothSplashScreen : public TComponent
{
public:
    explicit TAdvSmoothSplashScreen(TComponent* AOwner);
    // A splash still shown is hidden first, so no window is left using the freed content.
    ~TAdvSmoothSplashScreen() override;

    void Loaded() override;
    void Show();
    void Show(int X, int Y);
    void Hide();
    void Refresh();
    void BeginUpdate() { ++updateCount_; }
    void EndUpdate();

    bool StayOnTop() const { return stayOnTop_; }
    void SetStayOnTop(bool Value);
    std::string Version() const { return "1.2.0.0"; }
    void SetVersion(const std::string&) {}
    QX_SETTING(bool, AutoShow, autoShow_, autoShow_ = Value)
    QX_SETTING(bool, AutoAdaptPictureSize, autoAdaptPictureSize_, autoAdaptPictureSize_ = Value)
    TBasicProgramInfo& BasicProgramInfo() const { return *basicProgramInfo_; }
    void SetBasicProgramInfo(const TBasicProgramInfo& Value) { basicProgramInfo_->Assign(Value); }
    QX_SETTING(bool, CloseOnMainFormShow, closeOnMainFormShow_, closeOnMainFormShow_ = Value)
    QX_SETTING(bool, CloseOnTimeout, closeOnTimeout_, closeOnTimeout_ = Value)
    TGDIPFill& Fill() const { return *fill_; }
    void SetFill(const TGDIPFill& Value) { fill_->Assign(Value); }
    QX_SETTING(int, TimeOut, timeOut_, timeOut_ = Value)
    TGDIPSplashProgress& ProgressBar() const { return *progressBar_; }
    void SetProgressBar(const TGDIPSplashProgress& Value);
    TCollection& Items() const { return *items_; }
    TSplashItem* AddItem() { return static_cast<TSplashItem*>(items_->Add()); }
    QX_SETTING(int, PictureGap, pictureGap_, pictureGap_ = Value)
    TCollection& ListItems() const { return *listItems_; }
    TSplashListItem* AddListItem() { return static_cast<TSplashListItem*>(listItems_->Add()); }
    TSplashListItemsSettings& ListItemsSettings() const { return *listItemsSettings_; }
    void SetListItemsSettings(const TSplashListItemsSettings& Value) { listItemsSettings_->Assign(Value); }
    TGDIPPictureContainer* PictureContainer() const { return pictureContainer_; }
    void SetPictureContainer(TGDIPPictureContainer* Value);
    QX_SETTING(TDisplayStyle, DisplayStyle, displayStyle_, displayStyle_ = Value)
    QX_SETTING(TDisplayLocation, DisplayLocation, displayLocation_, displayLocation_ = Value)
    QX_SETTING(int, DisplayPosX, displayPosX_, displayPosX_ = Value)
    QX_SETTING(int, DisplayPosY, displayPosY_, displayPosY_ = Value)
    QX_SETTING(int, Width, width_, width_ = Value)
    QX_SETTING(int, Height, height_, height_ = Value)
    TImageList* Images() const { return images_; }
    void SetImages(TImageList* Value);
    TCollection& TopLayerItems() const { return *topLayerItems_; }
    TAdvSplashTopLayerItem* AddTopLayerItem();
    QX_SETTING(int, MaxOpacity, maxOpacity_, maxOpacity_ = Value)
    TAdvSmoothSplashScreenTextRenderingHint TextRendering() const { return textRendering_; }
    void SetTextRendering(TAdvSmoothSplashScreenTextRenderingHint Value);

    TSplashScreenWindow* SplashWindow() const { return splashWindow_; }
    bool Showing() const { return showing_; }
    // Kept for the layout; the focus click it would ask for is not built (it would inject a
    // real mouse click into the desktop).
    bool FocusParentForm = false;
    TForm* MainForm() const { return mainForm_; }
    void SetMainForm(TForm* Value);

    TNotifyEvent OnProgressChange;
    TAdvSmoothProgressBarPositionChanged OnProgressPositionChanged;
    TNotifyEvent OnClick;
    TNotifyEvent OnBeforeShow;
    TNotifyEvent OnClose;

    // The close timer's tick.
    void CloseTimerTick();

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    friend class TSplashScreenWindow;
    void buildSplashWindow();
    void hookMainForm(TForm* form);
    void unhookMainForm();
    void mainFormShown(TObject* Sender);
    void syncProgressBar();
    void invalidateWindow();

    bool stayOnTop_ = true;
    bool autoShow_ = true;
    bool autoAdaptPictureSize_ = true;
    bool closeOnMainFormShow_ = true;
    bool closeOnTimeout_ = false;
    int timeOut_ = 1000;
    int pictureGap_ = 5;
    TDisplayStyle displayStyle_ = dsFadeInOut;
    TDisplayLocation displayLocation_ = dlCenter;
    int displayPosX_ = 0, displayPosY_ = 0;
    int width_ = 600, height_ = 400;
    int maxOpacity_ = 255;
    TAdvSmoothSplashScreenTextRenderingHint textRendering_ = tClearType;
    int updateCount_ = 0;

    std::unique_ptr<TBasicProgramInfo> basicProgramInfo_;
    std::unique_ptr<TGDIPFill> fill_;
    std::unique_ptr<TGDIPSplashProgress> progressBar_;
    std::unique_ptr<TCollection> items_;
    std::unique_ptr<TCollection> listItems_;
    std::unique_ptr<TSplashListItemsSettings> listItemsSettings_;
    std::unique_ptr<TCollection> topLayerItems_;
    TGDIPPictureContainer* pictureContainer_ = nullptr;
    TImageList* images_ = nullptr;

    bool showing_ = false;
    TSplashScreenWindow* splashWindow_ = nullptr;
    TForm* mainForm_ = nullptr;
    bool hooked_ = false;
    TNotifyEvent oldMainFormShow_;
    TTimer* closeTimer_ = nullptr;
};
