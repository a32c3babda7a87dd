// The plot's output: the clipboard copy, the snapshot drawing, the image save dialog and
// printing page by page along the first X axis.

#include "controls/plot/base/iDrawing.h"
#include "controls/plot/editor/iPlotPreview.h"
#include "controls/plot/objects/iPlotAxis.h"
#include "controls/plot/objects/iPlotToolBar.h"
#include "controls/plot/plot/iPlotComponent.h"

#include "platform/gui/Application.h"
#include "platform/gui/Clipboard.h"
#include "platform/gui/OpenDialog.h"
#include "platform/gui/PrintDialog.h"
#include "platform/gui/canvas/Metafile.h"
#include "platform/gui/canvas/Picture.h"

#include <cmath>
#include <memory>
#include <stdexcept>

namespace {

constexpr const char* kCreator = "Sorvik";
constexpr const char* kSaveFilter =
    "Bitmap (*.bmp)|*.bmp|SVG Drawing (*.svg)|*.svg|JPEG File (*.jpg)|*.jpg|PNG (*.png)|*.png";

int roundHalfEven(double Value) { return static_cast<int>(std::nearbyint(Value)); }

std::string trimmed(const std::string& Text)
{
    const auto first = Text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return {};
    return Text.substr(first, Text.find_last_not_of(" \t\r\n") - first + 1);
}

/// Restores on every exit what a print job changes on the plot.
template <class F>
struct AtScopeExit
{
    F action;
    ~AtScopeExit() { action(); }
};
template <class F>
AtScopeExit(F) -> AtScopeExit<F>;

} // namespace

template <class F>
void TiPlotComponent::WithoutToolBars(F&& Action)
{
    BeginUpdate();
    const bool toolBarVisible = ToolBarCount() > 0 && ToolBar(0).Visible();
    AtScopeExit restore{[&] {
        FMaster->ShowToolBars(toolBarVisible);
        EndUpdate();
    }};
    FMaster->ShowToolBars(false);
    FMaster->DeSelectAll();
    Action();
}

void TiPlotComponent::CopyToClipBoard()
{
    WithoutToolBars([&] {
        switch (FCopyToClipBoardFormat) {
        case ipefMetaFile: {
            if (!FMetaFile)
                FMetaFile = std::make_unique<TMetafile>();
            FMetaFile->SetWidth(Width());
            FMetaFile->SetHeight(Height());
            {
                TMetafileCanvas canvas(*FMetaFile, kCreator, "Strip Chart");
                iPaint(canvas);
            }
            TBitmap bitmap(std::max(Width(), 1), std::max(Height(), 1));
            iPaint(bitmap.Canvas());
            Clipboard()->SetAsSvgAndImage(FMetaFile->SaveToBytes(), bitmap.Image());
            break;
        }
        case ipefBitmap: {
            TBitmap bitmap(std::max(Width(), 1), std::max(Height(), 1));
            iPaint(bitmap.Canvas());
            Clipboard()->SetAsImage(bitmap.Image());
            break;
        }
        case ipefJPEG: {
            TJPEGImage jpeg;
            const std::vector<std::uint8_t> bytes = GetBytesJPEG(100, false);
            if (jpeg.LoadFromBytes(bytes))
                Clipboard()->SetAsImage(jpeg.Image());
            break;
        }
        }
    });
}

TPicture& TiPlotComponent::GetSnapShotPicture()
{
    if (!FSnapShotPicture)
        FSnapShotPicture = std::make_unique<TPicture>();
    auto metafile = std::make_unique<TMetafile>();
    metafile->SetWidth(Width());
    metafile->SetHeight(Height());
    {
        TMetafileCanvas canvas(*metafile, kCreator, "iPlot");
        iPaint(canvas);
    }
    FSnapShotPicture->SetGraphic(std::move(metafile));
    return *FSnapShotPicture;
}

void TiPlotComponent::Save()
{
    if (!FSaveDialog)
        FSaveDialog = std::make_unique<TSaveDialog>(nullptr);
    TSaveDialog& dialog = *FSaveDialog;
    dialog.SetInitialDir(FDefaultSaveImageDirectory);
    dialog.SetFilter(kSaveFilter);
    dialog.SetFileName("Untitled");
    dialog.SetFilterIndex(static_cast<int>(FDefaultSaveImageFormat) + 1);
    if (!dialog.Execute())
        return;
    FMaster->DeSelectAll();
    const std::string& name = dialog.FileName();
    const std::string ending = name.size() >= 3 ? name.substr(name.size() - 3) : std::string();
    if (ending == "bmp")
        SaveImageToBitmap(name);
    else if (ending == "svg")
        SaveImageToMetaFile(name);
    else if (ending == "jpg")
        SaveImageToJPEG(name, 100, true);
    else if (ending == "png")
        SaveImageToPNG(name, 9);
}

void TiPlotComponent::PrintChart()
{
    TPrinter& printer = *Printer();
    if (printer.Printing())
        printer.EndDoc();
    printer.SetOrientation(FPrintOrientation);
    printer.SetTitle(FPrintDocumentName);
    if (FPrintShowDialog) {
        TPrintDialog dialog(nullptr);
        if (!dialog.Execute())
            return;
    }
    try {
        BeginUpdate();
        AtScopeExit endUpdate{[&] { EndUpdate(); }};
        if (XAxisCount() == 0)
            throw EiPlotError("The plot has no X axis");
        FPrintXStart = XAxis(0).Min();
        FPrintXStop = XAxis(0).Max();
        PrintPages();
    } catch (const std::exception& error) {
        throw EiPlotError(std::string(iPlotPrintText::ErrorPrinting) + error.what());
    }
}

void TiPlotComponent::PrintPages()
{
    TPrinter& printer = *Printer();
    const std::string printerName = trimmed(FPrinterName);
    if (!printerName.empty()) {
        const std::vector<std::string> names = printer.Printers();
        for (std::size_t i = 0; i < names.size(); ++i)
            if (names[i] == printerName)
                printer.SetPrinterIndex(static_cast<int>(i));
    }
    PrinterPaperSizeInches(FPrinterPaperWidthInches, FPrinterPaperHeightInches);
    FPrinterPaperWidthCentimeters = FPrinterPaperWidthInches * 2.54;
    FPrinterPaperHeightCentimeters = FPrinterPaperHeightInches * 2.54;
    const int dpiX = printer.PixelsPerInchX();
    const int dpiY = printer.PixelsPerInchY();
    const TPoint offset = printer.PhysicalOffset();
    FPrinterPaperWidthPixels = roundHalfEven(dpiX * FPrinterPaperWidthInches);
    FPrinterPaperHeightPixels = roundHalfEven(dpiY * FPrinterPaperHeightInches);
    if (FPrinterPaperWidthPixels <= 0 || FPrinterPaperHeightPixels <= 0)
        throw EiPlotError("The printer's page has no size");

    printer.BeginDoc();
    TiPlotAxis& axis = XAxis(0);
    const bool toolBarVisible = ToolBarCount() > 0 && ToolBar(0).Visible();
    const double oldMin = axis.Min(), oldSpan = axis.Span();
    const int oldWidth = Width(), oldHeight = Height();
    const int oldLeft = FOuterMarginLeft, oldRight = FOuterMarginRight, oldTop = FOuterMarginTop,
              oldBottom = FOuterMarginBottom;
    AtScopeExit restore{[&] {
        FMaster->ShowToolBars(toolBarVisible);
        axis.SetMin(oldMin);
        axis.SetSpan(oldSpan);
        SetWidth(oldWidth);
        SetHeight(oldHeight);
        SetOuterMarginLeft(oldLeft);
        SetOuterMarginRight(oldRight);
        SetOuterMarginTop(oldTop);
        SetOuterMarginBottom(oldBottom);
        printer.EndDoc();
    }};

    FMaster->DeSelectAll();
    FMaster->ShowToolBars(false);
    qx::fire(OnBeforePrint, this);
    int page = 1;
    axis.SetMin(FPrintXStart);
    while (axis.Min() < FPrintXStop) {
        if (OnBeforePrintPage)
            OnBeforePrintPage(page, axis.Max() >= FPrintXStop);
        const double areaWidth = FPrinterPaperWidthPixels - (FPrintMarginLeft + FPrintMarginRight) * dpiX;
        const double areaHeight = FPrinterPaperHeightPixels - (FPrintMarginTop + FPrintMarginBottom) * dpiY;
        if (Width() <= 0 || Height() <= 0)
            throw EiPlotError(iPlotPrintText::NoPlotSize);
        if (areaWidth <= 0 || areaHeight <= 0)
            throw EiPlotError(iPlotPrintText::NoPrintableArea);
        const double scale = std::min(areaWidth / Width(), areaHeight / Height());
        const double left = dpiX * FPrintMarginLeft - offset.X;
        const double top = dpiY * FPrintMarginTop - offset.Y;
        const TRect target{roundHalfEven(left), roundHalfEven(top), roundHalfEven(left + Width() * scale),
                           roundHalfEven(top + Height() * scale)};
        ReCalcLayout();
        TMetafile metafile;
        metafile.SetWidth(Width());
        metafile.SetHeight(Height());
        {
            TMetafileCanvas canvas(metafile, kCreator, "");
            iPaint(canvas);
        }
        metafile.Draw(printer.Canvas(), target);
        if (!(axis.Min() + axis.Span() > axis.Min()) || axis.Max() >= FPrintXStop)
            break;
        printer.NewPage();
        ++page;
        axis.SetMin(axis.Min() + axis.Span());
    }
    qx::fire(OnAfterPrint, this);
}

void TiPlotComponent::PreviewChart()
{
    std::unique_ptr<TiPlotPreviewForm> form(qx::newForm<TiPlotPreviewForm>(Application));
    form->SetPlot(this);
    form->ShowModal();
}

void TiPlotComponent::PrintSizeToFillPage()
{
    // Before the first print job there is no paper size to fill.
    if (FPrinterPaperWidthInches <= 0)
        return;
    SetHeight(static_cast<int>(std::trunc(Width() * FPrinterPaperHeightInches / FPrinterPaperWidthInches)));
    ReCalcLayout();
}

void TiPlotComponent::PrintAdjustXSpanToMinutesPerMillimeter(double MinutesPerMillimeter)
{
    ReCalcLayout();
    if (XAxisCount() == 0 || Height() <= 0)
        return;
    TiPlotAxis& axis = XAxis(0);
    const double pixels = std::abs(axis.MaxPixels() - axis.MinPixels());
    axis.SetSpan(pixels * ((FPrinterPaperHeightInches - FPrintMarginTop - FPrintMarginBottom) / Height()) * 25.4 *
                 MinutesPerMillimeter / 1440);
}

void TiPlotComponent::ToolBarOutput(int ButtonType)
{
    switch (ButtonType) {
    case iptbbtCopy: CopyToClipBoard(); break;
    case iptbbtSave: Save(); break;
    case iptbbtPrint: PrintChart(); break;
    case iptbbtPreview: PreviewChart(); break;
    default: break;
    }
}
