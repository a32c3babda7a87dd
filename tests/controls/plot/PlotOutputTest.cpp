// The plot's output: the clipboard copy, the snapshot drawing, image files through the save
// dialog, printing to a PDF file page by page, and the toolbar's output and editor buttons.

#include "PlotOutputSupport.h"
#include "TempDir.h"

#include "controls/plot/base/iPlotMasterManager.h"
#include "controls/plot/editor/iPlotEditor.h"
#include "controls/plot/objects/iPlotAnnotation.h"
#include "controls/plot/objects/iPlotLimit.h"
#include "platform/gui/Clipboard.h"
#include "platform/gui/DialogService.h"
#include "platform/gui/Printer.h"
#include "platform/gui/ScriptedDialogService.h"
#include "platform/gui/canvas/Metafile.h"
#include "platform/gui/canvas/Picture.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <functional>
#include <tuple>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

namespace {

using qx::test::keepSample;
using qx::test::makeOutputPlot;
using qx::test::PdfPrinter;
using qx::test::pdfPageCount;
using qx::test::readAll;
using qx::test::ScriptedDialogs;
using qx::test::TempDir;

TEST(PlotOutput, TheSaveDialogsEndingPicksTheFormatCaseSensitively)
{
    TempDir dir;
    auto plot = makeOutputPlot();
    struct Case
    {
        const char* name;
        const char* signature; // empty: nothing is saved
    };
    const std::vector<Case> cases = {
        {"plot.bmp", "BM"},          {"plot.svg", "<?xml"}, {"plot.jpg", "\xFF\xD8\xFF"}, {"plot.png", "\x89PNG"},
        {"plot.BMP", ""},            {"plot.txt", ""},      {"plot.emf", ""},             {"ng", ""},
    };
    for (const Case& c : cases) {
        ScriptedDialogs dialogs;
        const std::filesystem::path file = dir / c.name;
        dialogs.service.fileAnswers.push_back(qx::FileDialogResult{{file.string()}, 1});
        plot->Save();
        ASSERT_EQ(dialogs.service.fileRequests.size(), 1u) << c.name;
        const std::string signature = c.signature;
        if (signature.empty()) {
            EXPECT_FALSE(std::filesystem::exists(file)) << c.name;
            continue;
        }
        const std::string bytes = readAll(file);
        EXPECT_EQ(bytes.substr(0, signature.size()), signature) << c.name;
        keepSample(file);
    }
    const QImage png(QString::fromStdString((dir / "plot.png").string()));
    EXPECT_EQ(png.width(), 400);
    EXPECT_EQ(png.height(), 200);
    EXPECT_NE(readAll(dir / "plot.svg").find("<desc>Sorvik</desc>"), std::string::npos);
}

TEST(PlotOutput, TheSaveDialogStartsAtTheDefaultsAndACancelSavesNothing)
{
    TempDir dir;
    auto plot = makeOutputPlot();
    plot->SetDefaultSaveImageDirectory(dir.path().string());
    const std::vector<std::pair<TiPlotImageFormatStyle, int>> cases = {
        {ipifBitmap, 1}, {ipifEnhancedMetaFile, 2}, {ipifJPEG, 3}, {ipifPNG, 4}};
    for (const auto& [format, index] : cases) {
        ScriptedDialogs dialogs;
        plot->SetDefaultSaveImageFormat(format);
        plot->Save();
        ASSERT_EQ(dialogs.service.fileRequests.size(), 1u);
        const qx::FileDialogRequest& request = dialogs.service.fileRequests[0];
        EXPECT_TRUE(request.save);
        EXPECT_EQ(request.filterIndex, index);
        EXPECT_EQ(request.fileName, "Untitled");
        EXPECT_EQ(request.initialDir, dir.path().string());
        ASSERT_EQ(request.filters.size(), 4u);
        EXPECT_EQ(request.filters[1].patterns, "*.svg");
    }
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST(PlotOutput, AClipboardCopyLeavesTheToolbarOutAndShowsItAgain)
{
    auto plot = makeOutputPlot();
    ASSERT_TRUE(plot->ToolBar(0).Visible());
    plot->GetChannel(0).SetUserSelected(true);
    plot->CopyToClipBoard();
    EXPECT_TRUE(plot->ToolBar(0).Visible());
    EXPECT_FALSE(plot->GetChannel(0).UserSelected());

    const std::vector<std::uint8_t> svg = Clipboard()->AsSvg();
    const std::string text(svg.begin(), svg.end());
    EXPECT_NE(text.find("<title>Strip Chart</title>"), std::string::npos);
    EXPECT_NE(text.find("<desc>Sorvik</desc>"), std::string::npos);
    const QImage copied = Clipboard()->AsImage().convertToFormat(QImage::Format_RGB32);

    plot->ToolBar(0).SetVisible(false);
    const QImage withoutToolBar = qx::test::plotPicture(*plot).Image().convertToFormat(QImage::Format_RGB32);
    plot->ToolBar(0).SetVisible(true);
    const QImage withToolBar = qx::test::plotPicture(*plot).Image().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(copied, withoutToolBar);
    EXPECT_NE(copied, withToolBar);
}

TEST(PlotOutput, TheBitmapAndJpegCopiesPutAPictureOnly)
{
    auto plot = makeOutputPlot();
    for (const TiPlotExportFormat format : {ipefBitmap, ipefJPEG}) {
        Clipboard()->SetAsText("before");
        plot->SetCopyToClipBoardFormat(format);
        plot->CopyToClipBoard();
        EXPECT_TRUE(Clipboard()->HasFormat(CF_BITMAP)) << format;
        EXPECT_FALSE(Clipboard()->HasFormat(CF_ENHMETAFILE)) << format;
        EXPECT_EQ(Clipboard()->AsImage().size(), QSize(400, 200)) << format;
    }
}

TEST(PlotOutput, TheSnapshotIsADrawingThePlotKeeps)
{
    auto plot = makeOutputPlot();
    TPicture& first = plot->GetSnapShotPicture();
    auto* drawing = dynamic_cast<TMetafile*>(first.Graphic());
    ASSERT_NE(drawing, nullptr);
    EXPECT_EQ(drawing->Width(), 400);
    EXPECT_EQ(drawing->Height(), 200);
    const qx::Bytes bytes = drawing->SaveToBytes();
    EXPECT_NE(std::string(bytes.begin(), bytes.end()).find("<title>iPlot</title>"), std::string::npos);
    EXPECT_EQ(&plot->GetSnapShotPicture(), &first);

    // Played back into a bitmap, the drawing shows what the plot's paint shows.
    TBitmap played = first.ToBitmap();
    TBitmap painted = qx::test::plotPicture(*plot);
    EXPECT_EQ(played.Canvas().Pixel(3, 100), painted.Canvas().Pixel(3, 100));
}

TEST(PlotOutput, NarrowingTheSpanBeforePrintingPrintsOnePagePerSpan)
{
    TempDir dir;
    const std::filesystem::path pdf = dir / "three-pages.pdf";
    PdfPrinter printer(pdf);
    auto plot = makeOutputPlot();
    plot->SetPrintShowDialog(false);
    std::vector<std::pair<int, bool>> pages;
    std::vector<double> pageMins;
    std::vector<std::string> events;
    plot->OnBeforePrint = [&](TObject* Sender) {
        EXPECT_EQ(Sender, plot.get());
        EXPECT_FALSE(plot->ToolBar(0).Visible());
        events.push_back("before");
        plot->XAxis(0).SetSpan(4);
    };
    plot->OnBeforePrintPage = [&](int Page, bool Last) {
        pages.emplace_back(Page, Last);
        pageMins.push_back(plot->XAxis(0).Min());
    };
    plot->OnAfterPrint = [&](TObject*) { events.push_back("after"); };
    plot->PrintChart();
    EXPECT_EQ(pages, (std::vector<std::pair<int, bool>>{{1, false}, {2, false}, {3, true}}));
    EXPECT_EQ(pageMins, (std::vector<double>{0, 4, 8}));
    EXPECT_EQ(events, (std::vector<std::string>{"before", "after"}));
    EXPECT_EQ(plot->XAxis(0).Min(), 0);
    EXPECT_EQ(plot->XAxis(0).Span(), 10);
    EXPECT_TRUE(plot->ToolBar(0).Visible());
    EXPECT_EQ(pdfPageCount(readAll(pdf)), 3);
    EXPECT_FALSE(Printer()->Printing());
}

TEST(PlotOutput, APlotPrintsOnOnePageAndTwoWithHalfTheSpan)
{
    TempDir dir;
    auto plot = makeOutputPlot();
    plot->SetPrintShowDialog(false);
    plot->SetPrintDocumentName("Output test");
    for (const auto& [name, span, expected] :
         std::vector<std::tuple<std::string, double, int>>{{"one-page.pdf", 10, 1}, {"two-pages.pdf", 5, 2}}) {
        const std::filesystem::path pdf = dir / name;
        PdfPrinter printer(pdf);
        const double printSpan = span;
        plot->OnBeforePrint = [&](TObject*) { plot->XAxis(0).SetSpan(printSpan); };
        plot->PrintChart();
        EXPECT_EQ(pdfPageCount(readAll(pdf)), expected) << name;
        keepSample(pdf);
    }
    EXPECT_EQ(Printer()->Title(), "Output test");
    EXPECT_EQ(Printer()->Orientation(), poLandscape);
    EXPECT_GT(plot->PrinterPaperWidthInches(), plot->PrinterPaperHeightInches());
    EXPECT_EQ(plot->PrinterPaperWidthPixels(),
              static_cast<int>(std::nearbyint(plot->PrinterPaperWidthInches() * Printer()->PixelsPerInchX())));
    EXPECT_DOUBLE_EQ(plot->PrinterPaperWidthCentimeters(), plot->PrinterPaperWidthInches() * 2.54);
}

TEST(PlotOutput, ACancelledPrintDialogPrintsNothingAndRaisesNothing)
{
    TempDir dir;
    const std::filesystem::path pdf = dir / "cancelled.pdf";
    PdfPrinter printer(pdf);
    ScriptedDialogs dialogs;
    dialogs.service.printAnswers.push_back(false);
    auto plot = makeOutputPlot();
    plot->SetPrintOrientation(poPortrait);
    plot->SetPrintDocumentName("Cancelled");
    bool raised = false;
    plot->OnBeforePrint = [&](TObject*) { raised = true; };
    EXPECT_NO_THROW(plot->PrintChart());
    EXPECT_EQ(dialogs.service.printDialogs, 1);
    EXPECT_FALSE(raised);
    EXPECT_FALSE(std::filesystem::exists(pdf));
    EXPECT_EQ(Printer()->Orientation(), poPortrait);
    EXPECT_EQ(Printer()->Title(), "Cancelled");
}

TEST(PlotOutput, PrintingRefusesAnEmptyPlotOrPrintableAreaAndRestoresThePlot)
{
    TempDir dir;
    auto plot = makeOutputPlot();
    plot->SetPrintShowDialog(false);
    struct Case
    {
        const char* what;
        std::function<void()> beforePrint;
        const char* message;
    };
    const std::vector<Case> cases = {
        {"zero width", [&] { plot->SetWidth(0); }, "Error Printing : The plot has no size to print"},
        {"negative height", [&] { plot->SetHeight(-5); }, "Error Printing : The plot has no size to print"},
        {"margins wider than the paper", [&] { plot->SetPrintMarginLeft(30); },
         "Error Printing : The margins leave no printable area"},
        {"margins taller than the paper", [&] { plot->SetPrintMarginBottom(30); },
         "Error Printing : The margins leave no printable area"},
    };
    for (const Case& c : cases) {
        PdfPrinter printer(dir / "refused.pdf");
        plot->SetPrintMarginLeft(1);
        plot->SetPrintMarginBottom(1);
        plot->SetOuterMarginLeft(5);
        plot->OnBeforePrint = [&](TObject*) {
            plot->SetOuterMarginLeft(40);
            plot->XAxis(0).SetSpan(2);
            c.beforePrint();
        };
        bool after = false;
        plot->OnAfterPrint = [&](TObject*) { after = true; };
        try {
            plot->PrintChart();
            ADD_FAILURE() << c.what << ": printed";
        } catch (const EiPlotError& error) {
            EXPECT_STREQ(error.what(), c.message) << c.what;
        }
        EXPECT_FALSE(after) << c.what;
        EXPECT_EQ(plot->Width(), 400) << c.what;
        EXPECT_EQ(plot->Height(), 200) << c.what;
        EXPECT_EQ(plot->OuterMarginLeft(), 5) << c.what;
        EXPECT_EQ(plot->XAxis(0).Span(), 10) << c.what;
        EXPECT_TRUE(plot->ToolBar(0).Visible()) << c.what;
        EXPECT_FALSE(Printer()->Printing()) << c.what;
    }
}

TEST(PlotOutput, FillingThePageWaitsForAPrintJobsPaper)
{
    TempDir dir;
    auto plot = makeOutputPlot();
    plot->PrintSizeToFillPage();
    EXPECT_EQ(plot->Height(), 200);

    PdfPrinter printer(dir / "paper.pdf");
    plot->SetPrintShowDialog(false);
    plot->SetPrintOrientation(poPortrait);
    plot->PrintChart();
    plot->PrintSizeToFillPage();
    EXPECT_EQ(plot->Height(),
              static_cast<int>(400 * plot->PrinterPaperHeightInches() / plot->PrinterPaperWidthInches()));
    EXPECT_GT(plot->Height(), 400);
}

TEST(PlotOutput, TheSpanFollowsMinutesPerMillimetreOfPaper)
{
    TempDir dir;
    auto plot = makeOutputPlot();
    PdfPrinter printer(dir / "paper.pdf");
    plot->SetPrintShowDialog(false);
    double span = 0, expected = -1;
    plot->OnBeforePrint = [&](TObject*) {
        TiPlotAxis& axis = plot->XAxis(0);
        plot->ReCalcLayout();
        const double pixels = std::abs(axis.MaxPixels() - axis.MinPixels());
        expected = pixels * ((plot->PrinterPaperHeightInches() - 2) / 200) * 25.4 * 2 / 1440;
        plot->PrintAdjustXSpanToMinutesPerMillimeter(2);
        span = axis.Span();
    };
    plot->PrintChart();
    EXPECT_GT(expected, 0);
    EXPECT_DOUBLE_EQ(span, expected);
}

TEST(PlotOutput, TheToolbarsOutputButtonsRunTheOutputBetweenTheirEvents)
{
    TempDir dir;
    auto plot = makeOutputPlot();
    std::vector<std::string> events;
    plot->OnBeforeToolBarButtonClick = [&](int, int Type, bool&) { events.push_back("before " + std::to_string(Type)); };
    plot->OnToolBarButtonClick = [&](int, int Type) { events.push_back("after " + std::to_string(Type)); };
    {
        ScriptedDialogs dialogs;
        dialogs.service.fileAnswers.push_back(qx::FileDialogResult{{(dir / "button.png").string()}, 4});
        plot->ToolBar(0).DoButtonClickSave();
        EXPECT_TRUE(std::filesystem::exists(dir / "button.png"));
    }
    {
        PdfPrinter printer(dir / "button.pdf");
        plot->SetPrintShowDialog(false);
        plot->ToolBar(0).DoButtonClickPrint();
        EXPECT_EQ(pdfPageCount(readAll(dir / "button.pdf")), 1);
    }
    Clipboard()->SetAsText("before");
    plot->ToolBar(0).DoButtonClickCopy();
    EXPECT_TRUE(Clipboard()->HasFormat(CF_ENHMETAFILE));
    EXPECT_EQ(events, (std::vector<std::string>{"before 11", "after 11", "before 12", "after 12", "before 10",
                                                "after 10"}));
}

TEST(PlotOutput, TheEditorButtonOpensTheEditorUnlessCancelled)
{
    auto plot = makeOutputPlot();
    std::vector<TiPlotMasterManager*> opened;
    // A factory that makes no form records each opening.
    SetPlotEditorFactory([&](TiPlotMasterManager& Master) -> TiPlotEditorLink* {
        opened.push_back(&Master);
        return nullptr;
    });
    bool cancel = false;
    int after = 0;
    plot->OnBeforeToolBarButtonClick = [&](int, int Type, bool& Cancel) {
        EXPECT_EQ(Type, iptbbtEdit);
        Cancel = cancel;
    };
    plot->OnToolBarButtonClick = [&](int, int) { ++after; };
    plot->ToolBar(0).DoButtonClickEdit();
    cancel = true;
    plot->ToolBar(0).DoButtonClickEdit();
    qx::installPlotEditor();
    EXPECT_EQ(opened, std::vector<TiPlotMasterManager*>{&plot->Master()});
    EXPECT_EQ(after, 0);
}

TEST(PlotOutput, ImagesShowTheLimitsAndAnnotations)
{
    TempDir dir;
    auto plot = makeOutputPlot();
    TiPlotLimit& band = plot->Limit(plot->AddLimit());
    band.SetStyle(iplsBandY);
    band.SetLine1Position(2);
    band.SetLine2Position(4);
    band.SetColor(clNavy);
    TiPlotLimit& line = plot->Limit(plot->AddLimit());
    line.SetStyle(iplsLineX);
    line.SetLine1Position(8);
    line.SetColor(clYellow);
    TiPlotAnnotation& text = plot->Annotation(plot->AddAnnotation());
    text.SetText("Peak");
    text.SetReference(iprtChannel);
    text.SetChannelName(plot->GetChannel(0).Name());
    text.SetX(3);
    text.SetY(7);
    text.SetTextVertAlignment(iavTop);
    TiPlotAnnotation& box = plot->Annotation(plot->AddAnnotation());
    box.SetStyle(ipasTextBox);
    box.SetText("Note");
    box.SetX(80);
    box.SetY(80);
    box.SetOuterMargin(3);
    box.SetBrushColor(clGray);
    box.SetFont([] {
        TFont font;
        font.Name = "Arial";
        font.Color = clBlack;
        return font;
    }());
    const std::filesystem::path file = dir / "plot-limits-annotations.png";
    plot->SaveImageToPNG(file.string(), 9);
    keepSample(file);
    const QImage image(QString::fromStdString(file.string()));
    const int y = plot->YAxis(0).PositionToPixels(3);
    const int x = plot->XAxis(0).PositionToPixels(8);
    EXPECT_EQ(image.pixelColor(plot->XAxis(0).PositionToPixels(9.5), y), QColor(0, 0, 128)) << "the band";
    EXPECT_EQ(image.pixelColor(x, plot->YAxis(0).PositionToPixels(1)), QColor(255, 255, 0)) << "the line";
    EXPECT_EQ(image.pixelColor(box.DrawRect().Left + 1, box.DrawRect().Top + 1), QColor(128, 128, 128)) << "the box";
}

} // namespace
