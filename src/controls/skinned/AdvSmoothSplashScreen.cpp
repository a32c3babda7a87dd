#include "controls/skinned/AdvSmoothSplashScreen.h"

#include "controls/skinned/GDIPPictureContainer.h"
#include "controls/skinned/SplashPainters.h"
#include "platform/gdiplus/Graphics.h"
#include "platform/gui/Application.h"
#include "platform/gui/ImageList.h"
#include "platform/gui/Timer.h"
#include "platform/gui/canvas/Canvas.h"

// --- the window ---------------------------------------------------------------------------

TSplashScreenWindow::TSplashScreenWindow(TComponent* AOwner, TAdvSmoothSplashScreen* SplashScreen)
    : TForm(AOwner), splashScreen_(SplashScreen)
{
    SetBorderIcons({});
    SetBorderStyle(bsNone);
    SetColor(clWhite);
}

TSplashScreenWindow::~TSplashScreenWindow() = default;

void TSplashScreenWindow::Refresh() { Invalidate(); }

void TSplashScreenWindow::Click()
{
    TForm::Click();
    if (splashScreen_)
        qx::fire(splashScreen_->OnClick, splashScreen_);
}

void TSplashScreenWindow::Paint()
{
    TForm::Paint();
    if (TCanvas* canvas = Canvas())
        PaintSplash(*canvas);
}

void TSplashScreenWindow::PaintSplash(TCanvas& canvas)
{
    if (!splashScreen_)
        return;
    using namespace qx::splash;
    qx::gdiplus::Graphics g(canvas);
    g.SetSmoothingMode(qx::gdiplus::SmoothingMode::AntiAlias);
    const int w = Width(), h = Height();
    splashScreen_->Fill().Fill(&g, qx::gdiplus::RectF{0, 0, static_cast<float>(w - 1), static_cast<float>(h - 1)});
    DrawProgramInfo(g, canvas, *splashScreen_, w, h);
    DrawListItems(g, &canvas, *splashScreen_);
    DrawTopLayerItems(g, &canvas, *splashScreen_, w, h);
    DrawItems(g, canvas, *splashScreen_);
}

// --- the component ------------------------------------------------------------------------

TAdvSmoothSplashScreen::TAdvSmoothSplashScreen(TComponent* AOwner)
    : TComponent(AOwner), basicProgramInfo_(std::make_unique<TBasicProgramInfo>()),
      fill_(std::make_unique<TGDIPFill>()), progressBar_(std::make_unique<TGDIPSplashProgress>()),
      items_(std::make_unique<TCollection>(qx::itemsOf<TSplashItem>())),
      listItems_(std::make_unique<TCollection>(qx::itemsOf<TSplashListItem>())),
      listItemsSettings_(std::make_unique<TSplashListItemsSettings>()),
      topLayerItems_(std::make_unique<TCollection>(qx::itemsOf<TAdvSplashTopLayerItem>()))
{
    closeTimer_ = new TTimer(this);
    closeTimer_->SetEnabled(false);
    closeTimer_->SetInterval(static_cast<unsigned>(timeOut_));
    closeTimer_->OnTimer = [this](TObject*) { CloseTimerTick(); };
    items_->OnChange = [this](TCollection&) { Refresh(); };
    listItems_->OnChange = [this](TCollection&) { Refresh(); };
    topLayerItems_->OnChange = [this](TCollection& c) {
        for (int i = 0; i < c.Count(); ++i)
            static_cast<TAdvSplashTopLayerItem*>(c.Items(i))->Changed = [this] { invalidateWindow(); };
        invalidateWindow();
    };
    basicProgramInfo_->OnChange = [this](TObject*) {
        if (!ComponentState().Contains(csLoading))
            Refresh();
    };
    progressBar_->OnChange = [this](TObject*) { syncProgressBar(); };
}

TAdvSmoothSplashScreen::~TAdvSmoothSplashScreen()
{
    Hide();
    unhookMainForm();
    topLayerItems_->OnChange = nullptr;
    items_->OnChange = nullptr;
    listItems_->OnChange = nullptr;
    for (int i = 0; i < topLayerItems_->Count(); ++i)
        static_cast<TAdvSplashTopLayerItem*>(topLayerItems_->Items(i))->Changed = nullptr;
    progressBar_->OnChange = nullptr;
    basicProgramInfo_->OnChange = nullptr;
}

void TAdvSmoothSplashScreen::Loaded()
{
    TComponent::Loaded();
    // The program information would be read from the executable's version resource; an
    // executable here carries none, so the block keeps its layout values.
    if (autoShow_ && !ComponentState().Contains(csDesigning))
        Show();
}

void TAdvSmoothSplashScreen::Show() { Show(displayPosX_, displayPosY_); }

void TAdvSmoothSplashScreen::Show(int, int)
{
    if (showing_)
        return;
    qx::fire(OnBeforeShow, this);
    TForm* form = dynamic_cast<TForm*>(Owner());
    if (Application && Application->MainForm())
        form = Application->MainForm();
    if (form)
        mainForm_ = form;
    if (closeOnMainFormShow_ && mainForm_)
        hookMainForm(mainForm_);
    buildSplashWindow();
}

void TAdvSmoothSplashScreen::hookMainForm(TForm* form)
{
    unhookMainForm();
    oldMainFormShow_ = form->OnShow;
    form->OnShow = [this](TObject* Sender) { mainFormShown(Sender); };
    form->FreeNotification(this);
    hooked_ = true;
}

void TAdvSmoothSplashScreen::unhookMainForm()
{
    if (!hooked_ || !mainForm_)
        return;
    mainForm_->OnShow = oldMainFormShow_;
    oldMainFormShow_ = nullptr;
    hooked_ = false;
}

void TAdvSmoothSplashScreen::buildSplashWindow()
{
    if (showing_)
        return;
    TComponent* owner = Application ? static_cast<TComponent*>(Application) : nullptr;
    auto* window = new TSplashScreenWindow(owner, this);
    window->SetFormStyle(stayOnTop_ ? fsStayOnTop : fsNormal);
    window->forcedTransparent_ = false; // no per-pixel-alpha window here: the fill draws opaque
    int w = width_, h = height_;
    const TAdvGDIPPicture& picture = fill_->Picture();
    if (autoAdaptPictureSize_ && !picture.Empty()) {
        const int b = fill_->BorderWidth() == 1 ? 1 : (fill_->BorderWidth() + 1) / 2;
        w = picture.Width() + 2 * b;
        h = picture.Height() + 2 * b;
    }
    if (displayLocation_ == dlCenter) {
        window->SetPosition(poScreenCenter);
        window->SetBounds(0, 0, w, h);
    } else {
        window->SetPosition(poDesigned);
        window->SetBounds(displayPosX_, displayPosY_, w, h);
    }
    window->progressBar_ = new TAdvSplashProgressBar(window);
    window->progressBar_->SetVisible(false);
    window->progressBar_->SetParent(window);
    window->progressBar_->SetAppearance(*progressBar_);
    window->progressBar_->OnPositionChanged = [this](TObject*, double value) {
        qx::fire(OnProgressPositionChanged, this, value);
    };
    window->progressBar_->OnChange = [this](TObject*) { qx::fire(OnProgressChange, this); };
    window->opacity_ = 255;
    window->FreeNotification(this); // the application may free it first when the program ends
    window->AfterConstruction();
    splashWindow_ = window;
    window->Show();
    showing_ = true;
    window->Repaint();
    closeTimer_->SetInterval(static_cast<unsigned>(timeOut_));
    closeTimer_->SetEnabled(closeOnTimeout_);
}

void TAdvSmoothSplashScreen::Hide()
{
    if (!showing_)
        return;
    closeTimer_->SetEnabled(false);
    showing_ = false;
    if (mainForm_ && closeOnMainFormShow_)
        unhookMainForm();
    if (TSplashScreenWindow* window = splashWindow_) {
        splashWindow_ = nullptr;
        window->splashScreen_ = nullptr;
        window->Hide();
        delete window;
    }
    qx::fire(OnClose, this);
}

void TAdvSmoothSplashScreen::mainFormShown(TObject* Sender)
{
    const TNotifyEvent previous = oldMainFormShow_;
    Hide();
    qx::fire(previous, Sender);
}

void TAdvSmoothSplashScreen::CloseTimerTick() { Hide(); }

void TAdvSmoothSplashScreen::SetMainForm(TForm* Value)
{
    if (mainForm_ && closeOnMainFormShow_)
        unhookMainForm();
    mainForm_ = Value;
    if (closeOnMainFormShow_ && mainForm_)
        hookMainForm(mainForm_);
}

void TAdvSmoothSplashScreen::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation != opRemove)
        return;
    if (AComponent == pictureContainer_)
        pictureContainer_ = nullptr;
    if (AComponent == images_)
        images_ = nullptr;
    if (AComponent == splashWindow_) {
        splashWindow_ = nullptr;
        Hide();
    }
    if (AComponent == mainForm_) {
        hooked_ = false;
        oldMainFormShow_ = nullptr;
        mainForm_ = nullptr;
    }
}

void TAdvSmoothSplashScreen::SetPictureContainer(TGDIPPictureContainer* Value)
{
    pictureContainer_ = Value;
    if (Value)
        Value->FreeNotification(this);
}

void TAdvSmoothSplashScreen::SetImages(TImageList* Value)
{
    images_ = Value;
    if (Value)
        Value->FreeNotification(this);
}

void TAdvSmoothSplashScreen::SetProgressBar(const TGDIPSplashProgress& Value)
{
    if (&Value != progressBar_.get())
        progressBar_->Assign(Value);
}

TAdvSplashTopLayerItem* TAdvSmoothSplashScreen::AddTopLayerItem()
{
    return static_cast<TAdvSplashTopLayerItem*>(topLayerItems_->Add());
}

void TAdvSmoothSplashScreen::SetStayOnTop(bool Value)
{
    if (qx::storeChanged(stayOnTop_, Value))
        invalidateWindow();
}

void TAdvSmoothSplashScreen::SetTextRendering(TAdvSmoothSplashScreenTextRenderingHint Value)
{
    if (qx::storeChanged(textRendering_, Value))
        invalidateWindow();
}

void TAdvSmoothSplashScreen::EndUpdate()
{
    if (updateCount_ > 0)
        --updateCount_;
    if (updateCount_ == 0)
        Refresh();
}

void TAdvSmoothSplashScreen::Refresh()
{
    if (showing_ && splashWindow_)
        splashWindow_->Refresh();
}

void TAdvSmoothSplashScreen::invalidateWindow()
{
    if (showing_ && splashWindow_)
        splashWindow_->Invalidate();
}

void TAdvSmoothSplashScreen::syncProgressBar()
{
    if (!showing_ || !splashWindow_ || !splashWindow_->progressBar_ || ComponentState().Contains(csDesigning))
        return;
    splashWindow_->progressBar_->SetAppearance(*progressBar_);
}
