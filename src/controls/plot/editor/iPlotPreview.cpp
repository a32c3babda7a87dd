#include "controls/plot/editor/iPlotPreview.h"

#include "controls/plot/base/iDrawing.h"
#include "controls/plot/base/iPlotError.h"
#include "controls/plot/editor/iComponentEditorComboBox.h"
#include "controls/plot/editor/iComponentEditorEdit.h"
#include "controls/plot/editor/iComponentEditorRadioGroup.h"
#include "controls/plot/editor/iEditorBasicComponents.h"
#include "controls/plot/editor/iPaintBox.h"
#include "controls/plot/editor/iPlotEditorValues.h"
#include "controls/plot/editor/iPlotPreviewSettings.h"
#include "controls/plot/objects/iPlotToolBar.h"
#include "controls/plot/plot/iPlotComponent.h"

#include "platform/gui/Application.h"
#include "platform/gui/Button.h"
#include "platform/gui/GroupBox.h"
#include "platform/gui/Label.h"
#include "platform/gui/Panel.h"
#include "platform/gui/PropertyRegistry.h"
#include "platform/gui/SpeedButton.h"
#include "platform/gui/canvas/Bitmap.h"
#include "platform/gui/canvas/Canvas.h"
#include "platform/gui/canvas/Picture.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <mutex>

namespace {

int roundHalfEven(double Value) { return static_cast<int>(std::nearbyint(Value)); }

/// The printer paper code of each preview paper size (Letter, Legal, A3, A4, A5).
int PaperCode(int PrintSize)
{
    constexpr int codes[] = {1, 5, 8, 9, 11};
    return PrintSize >= 0 && PrintSize < 5 ? codes[PrintSize] : 1;
}

void PreviewPaperInches(int PrintSize, TPrinterOrientation Orientation, double& Width, double& Height)
{
    ::PaperSizeInches(PaperCode(PrintSize), Width, Height);
    if (Orientation == poLandscape)
        std::swap(Width, Height);
}

/// Refuses a plot without size, or margins that leave no printable area on the paper.
void CheckPrintable(const TiPlotComponent& Plot, double PaperWidth, double PaperHeight, double Left, double Top,
                    double Right, double Bottom)
{
    if (Plot.Width() <= 0 || Plot.Height() <= 0)
        throw EiPlotError(std::string(iPlotPrintText::ErrorPrinting) + iPlotPrintText::NoPlotSize);
    if (PaperWidth - Left - Right <= 0 || PaperHeight - Top - Bottom <= 0)
        throw EiPlotError(std::string(iPlotPrintText::ErrorPrinting) + iPlotPrintText::NoPrintableArea);
}

} // namespace

TiPlotPreviewForm::TiPlotPreviewForm(TComponent* AOwner) : TForm(AOwner)
{
    LoadLayout("TIPLOTPREVIEWFORM");
}

void TiPlotPreviewForm::SetPlot(TiPlotComponent* Plot)
{
    iComponent = Plot;
    PrintMarginLeft = Plot->PrintMarginLeft();
    PrintMarginTop = Plot->PrintMarginTop();
    PrintMarginRight = Plot->PrintMarginRight();
    PrintMarginBottom = Plot->PrintMarginBottom();
    PrintOrientation = Plot->PrintOrientation();
    PrintDocumentName = Plot->PrintDocumentName();
    SetCaption(PrintDocumentName + " (Preview)");
    DoTranslation();
    double width = 0, height = 0;
    PaperSizeInches(width, height);
    CheckPrintable(*Plot, width, height, PrintMarginLeft, PrintMarginTop, PrintMarginRight, PrintMarginBottom);
}

void TiPlotPreviewForm::DoTranslation()
{
    if (iComponent && iComponent->TranslationCount() > 0)
        qx::plot::editor::TranslateForm(*this, [this](const std::string& text) { return iComponent->TranslateText(text); });
}

void TiPlotPreviewForm::PaperSizeInches(double& Width, double& Height) const
{
    PreviewPaperInches(PrintSize, PrintOrientation, Width, Height);
}

TiPlotPreviewPage TiPlotPreviewForm::PageLayout(int Width, int Height) const
{
    TiPlotPreviewPage page;
    double paperWidth = 0, paperHeight = 0;
    PaperSizeInches(paperWidth, paperHeight);
    const int roomWidth = Width - 20, roomHeight = Height - 20;
    if (!iComponent || roomWidth <= 0 || roomHeight <= 0)
        return page;
    int sheetWidth = 0, sheetHeight = 0;
    if (roomHeight / paperHeight > roomWidth / paperWidth) {
        sheetWidth = roomWidth;
        sheetHeight = roundHalfEven(paperHeight * roomWidth / paperWidth);
    } else {
        sheetHeight = roomHeight;
        sheetWidth = roundHalfEven(roomHeight / paperHeight * paperWidth);
    }
    const int p = roundHalfEven(sheetWidth / paperWidth);
    page.PixelsPerInch = p;
    page.Sheet = {Width / 2 - sheetWidth / 2 - 5, Height / 2 - sheetHeight / 2 - 5, Width / 2 + sheetWidth / 2 - 5,
                  Height / 2 + sheetHeight / 2 - 5};

    // The plot's own margins place the picture (the working copies only reach it on OK).
    const TiPlotComponent& plot = *iComponent;
    const int printableWidth =
        sheetWidth - roundHalfEven((plot.PrintMarginLeft() + plot.PrintMarginRight()) * p);
    const int printableHeight =
        sheetHeight - roundHalfEven((plot.PrintMarginTop() + plot.PrintMarginBottom()) * p);
    const int snapWidth = plot.Width(), snapHeight = plot.Height();
    if (printableWidth <= 0 || printableHeight <= 0 || snapWidth <= 0 || snapHeight <= 0)
        return page;
    int pictureWidth = printableWidth, pictureHeight = printableHeight;
    if (static_cast<double>(printableWidth) / snapWidth >= static_cast<double>(printableHeight) / snapHeight)
        pictureWidth = roundHalfEven(snapWidth * (static_cast<double>(printableHeight) / snapHeight));
    else
        pictureHeight = roundHalfEven(snapHeight * (static_cast<double>(printableWidth) / snapWidth));
    const int left = page.Sheet.Left + roundHalfEven(plot.PrintMarginLeft() * p);
    const int top = page.Sheet.Top + roundHalfEven(plot.PrintMarginTop() * p);
    page.Picture = {left, top, left + pictureWidth, top + pictureHeight};
    return page;
}

void TiPlotPreviewForm::DrawPage(TCanvas& Canvas, int Width, int Height)
{
    const TiPlotPreviewPage page = PageLayout(Width, Height);
    Canvas.Brush().Style = bsSolid;
    Canvas.Brush().Color = clBtnFace;
    Canvas.FillRect({0, 0, Width, Height});
    if (page.Sheet.Width() <= 0 || page.Sheet.Height() <= 0)
        return;
    Canvas.Pen().Color = clBlack;
    Canvas.Pen().Style = psSolid;
    Canvas.Pen().Width = 1;
    Canvas.Brush().Color = clBlack;
    Canvas.Rectangle(page.Sheet.Left + 7, page.Sheet.Top + 7, page.Sheet.Right + 7, page.Sheet.Bottom + 7);
    Canvas.Brush().Color = clWhite;
    Canvas.Rectangle(page.Sheet);
    if (page.Picture.Width() > 0 && page.Picture.Height() > 0)
        if (const TGraphic* snapshot = iComponent->GetSnapShotPicture().Graphic())
            Canvas.StretchDraw(page.Picture, *snapshot);
}

void TiPlotPreviewForm::PreviewPaint(TObject*)
{
    TCanvas* target = Preview->Canvas();
    if (!iComponent || !target)
        return;
    const int width = Preview->Width(), height = Preview->Height();
    TBitmap bitmap(std::max(width, 1), std::max(height, 1));
    TiPlotComponent& plot = *iComponent;
    {
        // The toolbar is left out of the page, as it is of a print, and shown again after.
        struct HiddenToolBar
        {
            TiPlotToolBar* toolBar;
            bool visible;
            ~HiddenToolBar()
            {
                if (toolBar)
                    toolBar->SetVisible(visible);
            }
        } hidden{plot.ToolBarCount() > 0 ? &plot.ToolBar(0) : nullptr, false};
        if (hidden.toolBar) {
            hidden.visible = hidden.toolBar->Visible();
            hidden.toolBar->SetVisible(false);
        }
        qx::fire(plot.OnBeforePrint, this);
        DrawPage(bitmap.Canvas(), width, height);
        target->Draw(0, 0, bitmap);
    }
    qx::fire(plot.OnAfterPrint, this);
}

void TiPlotPreviewForm::PrintButtonClick(TObject*)
{
    if (!iComponent)
        return;
    iComponent->PrintChart();
    Preview->Invalidate();
}

void TiPlotPreviewForm::CloseButtonClick(TObject*) { SetModalResult(mrOk); }

void TiPlotPreviewForm::LoadSettings(TiPlotPreviewSettingsForm& Settings) const
{
    Settings.PrintMarginLeftEdit->SetAsFloat(PrintMarginLeft);
    Settings.PrintMarginTopEdit->SetAsFloat(PrintMarginTop);
    Settings.PrintMarginRightEdit->SetAsFloat(PrintMarginRight);
    Settings.PrintMarginBottomEdit->SetAsFloat(PrintMarginBottom);
    Settings.PrintOrientationRadioGroup->SetAsInteger(static_cast<int>(PrintOrientation));
    Settings.PrintDocumentNameEdit->SetAsString(PrintDocumentName);
    Settings.PrintPaperSizeComboBox->SetAsInteger(PrintSize);
}

void TiPlotPreviewForm::StoreSettings(const TiPlotPreviewSettingsForm& Settings)
{
    const double left = Settings.PrintMarginLeftEdit->GetAsFloat();
    const double top = Settings.PrintMarginTopEdit->GetAsFloat();
    const double right = Settings.PrintMarginRightEdit->GetAsFloat();
    const double bottom = Settings.PrintMarginBottomEdit->GetAsFloat();
    const TPrinterOrientation orientation =
        Settings.PrintOrientationRadioGroup->GetAsInteger() == 0 ? poPortrait : poLandscape;
    const int size = Settings.PrintPaperSizeComboBox->GetAsInteger();
    // Margins that leave the preview's paper no printable area are refused whole.
    double paperWidth = 0, paperHeight = 0;
    PreviewPaperInches(size, orientation, paperWidth, paperHeight);
    if (iComponent)
        CheckPrintable(*iComponent, paperWidth, paperHeight, left, top, right, bottom);

    PrintMarginLeft = left;
    PrintMarginTop = top;
    PrintMarginRight = right;
    PrintMarginBottom = bottom;
    PrintOrientation = orientation;
    PrintDocumentName = Settings.PrintDocumentNameEdit->GetAsString();
    PrintSize = size;
    if (iComponent) {
        iComponent->SetPrintMarginLeft(PrintMarginLeft);
        iComponent->SetPrintMarginTop(PrintMarginTop);
        iComponent->SetPrintMarginRight(PrintMarginRight);
        iComponent->SetPrintMarginBottom(PrintMarginBottom);
        iComponent->SetPrintOrientation(PrintOrientation);
        iComponent->SetPrintDocumentName(PrintDocumentName);
    }
    SetCaption(PrintDocumentName + " (Preview)");
    Preview->Invalidate();
}

void TiPlotPreviewForm::SettingsButtonClick(TObject*)
{
    std::unique_ptr<TiPlotPreviewSettingsForm> settings(qx::newForm<TiPlotPreviewSettingsForm>(Application));
    LoadSettings(*settings);
    if (iComponent && iComponent->TranslationCount() > 0)
        qx::plot::editor::TranslateForm(*settings,
                                        [this](const std::string& text) { return iComponent->TranslateText(text); });
    if (settings->ShowModal() == mrOk)
        StoreSettings(*settings);
}

namespace qx {

void registerPlotPreviewClasses()
{
    static std::once_flag once;
    std::call_once(once, [] {
        registerPlotEditorClasses();
        using P = TiPlotPreviewForm;
        registerClass<P, TForm>("TiPlotPreviewForm")
            .method("PreviewPaint", &P::PreviewPaint)
            .method("PrintButtonClick", &P::PrintButtonClick)
            .method("SettingsButtonClick", &P::SettingsButtonClick)
            .method("CloseButtonClick", &P::CloseButtonClick)
            .field("Panel2", &P::Panel2)
            .field("PrintButton", &P::PrintButton)
            .field("SettingsButton", &P::SettingsButton)
            .field("CloseButton", &P::CloseButton)
            .field("Preview", &P::Preview);
        using S = TiPlotPreviewSettingsForm;
        registerClass<S, TForm>("TiPlotPreviewSettingsForm")
            .field("PrinterMarginGroupBox", &S::PrinterMarginGroupBox)
            .field("PrintMarginLeftEdit", &S::PrintMarginLeftEdit)
            .field("PrintMarginTopEdit", &S::PrintMarginTopEdit)
            .field("PrintMarginBottomEdit", &S::PrintMarginBottomEdit)
            .field("PrintMarginRightEdit", &S::PrintMarginRightEdit)
            .field("PrintOrientationRadioGroup", &S::PrintOrientationRadioGroup)
            .field("Label175", &S::Label175)
            .field("PrintDocumentNameEdit", &S::PrintDocumentNameEdit)
            .field("Label120", &S::Label120)
            .field("PrintPaperSizeComboBox", &S::PrintPaperSizeComboBox)
            .field("Button1", &S::Button1)
            .field("Button2", &S::Button2);
    });
}

} // namespace qx
