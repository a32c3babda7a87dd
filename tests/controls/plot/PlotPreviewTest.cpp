// The plot's print preview: opened by the toolbar's preview button, its page drawn as the
// sheet of the chosen paper with the plot in the printable area, its settings dialog
// changing the plot's print settings, and printing from it to a PDF file.

#include "PlotOutputSupport.h"
#include "TempDir.h"
#include "UserSteps.h"
#include "WindowSystemInput.h"

#include "controls/plot/base/iDrawing.h"
#include "controls/plot/editor/iComponentEditorComboBox.h"
#include "controls/plot/editor/iComponentEditorEdit.h"
#include "controls/plot/editor/iComponentEditorRadioGroup.h"
#include "controls/plot/editor/iPaintBox.h"
#include "controls/plot/editor/iPlotPreview.h"
#include "controls/plot/editor/iPlotPreviewSettings.h"
#include "platform/gui/Application.h"
#include "platform/gui/Button.h"
#include "platform/gui/Panel.h"
#include "platform/gui/SpeedButton.h"
#include "platform/gui/Timer.h"
#include "platform/gui/canvas/Colors.h"

#include <QApplication>
#include <QGuiApplication>
#include <QImage>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

using qx::test::makeOutputPlot;
using qx::test::PdfPrinter;
using qx::test::pdfPageCount;
using qx::test::readAll;
using qx::test::ScriptedDialogs;
using qx::test::TempDir;

/// The open window of the class among the application's forms, nullptr when none.
template <class T>
T* openWindow()
{
    for (int i = 0; Application && i < Application->ComponentCount(); ++i)
        if (auto* form = dynamic_cast<T*>(Application->Components(i)); form && form->Visible())
            return form;
    return nullptr;
}

/// Whether the window of the class is open and ready for the user. The offscreen platform
/// gives a window shown again the focus without making it the active one; that is done
/// here, as a window manager would.
template <class T>
bool windowReady()
{
    T* form = openWindow<T>();
    if (!form)
        return false;
    QWidget* widget = form->Widget();
    if (!widget->windowHandle() || !widget->windowHandle()->isExposed())
        return false;
    if (!widget->isActiveWindow()) {
        if (QGuiApplication::focusWindow() == widget->windowHandle())
            QApplication::setActiveWindow(widget);
        else
            widget->activateWindow();
        return false;
    }
    return qx::test::readyForTheUser(*form);
}

/// A click on a control drawn on its parent (a speed button).
void clickGraphic(TControl& control)
{
    qx::test::clickThroughWindow(control.Parent()->Widget(),
                                 QPoint(control.Left() + control.Width() / 2, control.Top() + control.Height() / 2));
}

/// Types a value into an edit, over what it holds, and leaves it with Tab.
void typeInto(TiComponentEditorEdit& edit, const std::string& text)
{
    qx::test::clickThroughWindow(edit);
    QWindow* window = edit.Widget()->window()->windowHandle();
    QTest::keyClick(window, Qt::Key_A, Qt::ControlModifier);
    qx::test::typeThroughWindow(edit, text);
    QTest::keyClick(window, Qt::Key_Tab);
}

/// Ends every modal loop when a step never comes, so that a missed window fails the test
/// instead of hanging it.
class ModalGuard
{
public:
    explicit ModalGuard(const qx::test::UserSteps& steps) : steps_(steps)
    {
        timer_.SetInterval(100);
        timer_.OnTimer = [this](TObject*) {
            if (std::chrono::steady_clock::now() - made_ < std::chrono::seconds(60))
                return;
            timer_.SetEnabled(false);
            ADD_FAILURE() << "waited in vain for: " << steps_.waitingFor();
            for (TForm* form : {static_cast<TForm*>(openWindow<TiPlotPreviewSettingsForm>()),
                                static_cast<TForm*>(openWindow<TiPlotPreviewForm>())})
                if (form)
                    form->SetModalResult(mrCancel);
        };
        timer_.SetEnabled(true);
    }

private:
    const qx::test::UserSteps& steps_;
    TTimer timer_{nullptr};
    std::chrono::steady_clock::time_point made_ = std::chrono::steady_clock::now();
};

/// A shown test plot whose toolbar has its preview button.
std::unique_ptr<TiXYPlot> makePreviewPlot()
{
    auto plot = makeOutputPlot();
    // Wide enough for every toolbar button.
    plot->SetBounds(0, 0, 640, 300);
    plot->ToolBar(0).SetShowPreviewButton(true);
    plot->SetPrintDocumentName("Preview test");
    plot->Show();
    plot->ReCalcLayout();
    QApplication::processEvents();
    return plot;
}

void clickPreviewButton(TiXYPlot& plot)
{
    plot.ReCalcLayout();
    const TRect button = plot.ToolBar(0).Button(iptbbtPreview).DrawRect();
    qx::test::clickThroughWindow(plot.Widget(), QPoint((button.Left + button.Right) / 2, (button.Top + button.Bottom) / 2));
}

TEST(PlotPreview, TheToolbarButtonOpensThePreviewWhoseSettingsAndPrintReachThePlot)
{
    TempDir dir;
    const std::filesystem::path pdf = dir / "preview.pdf";
    PdfPrinter printer(pdf);
    ScriptedDialogs dialogs;
    dialogs.service.printAnswers.push_back(true);
    auto plot = makePreviewPlot();
    std::vector<std::string> printEvents;
    plot->OnBeforePrint = [&](TObject* Sender) {
        // The print itself spreads the X range over two pages; the preview shows one.
        if (Sender == plot.get()) {
            printEvents.push_back("print");
            plot->XAxis(0).SetSpan(5);
        } else if (dynamic_cast<TiPlotPreviewForm*>(Sender)) {
            printEvents.push_back("preview");
        }
    };
    std::string caption, settingsCaption, loadedLeft, loadedName;
    int loadedOrientation = -1, loadedPaper = -1, paper = -1;
    TiPlotPreviewForm* preview = nullptr;
    qx::test::UserSteps steps({
        {"the preview window", windowReady<TiPlotPreviewForm>,
         [&] {
             preview = openWindow<TiPlotPreviewForm>();
             caption = preview->Caption();
             qx::test::clickThroughWindow(*preview->SettingsButton);
         }},
        {"the settings dialog", windowReady<TiPlotPreviewSettingsForm>,
         [&] {
             auto& settings = *openWindow<TiPlotPreviewSettingsForm>();
             settingsCaption = settings.Caption();
             loadedLeft = settings.PrintMarginLeftEdit->Text();
             loadedName = settings.PrintDocumentNameEdit->Text();
             loadedOrientation = settings.PrintOrientationRadioGroup->ItemIndex();
             loadedPaper = settings.PrintPaperSizeComboBox->ItemIndex();
             typeInto(*settings.PrintMarginLeftEdit, "0.5");
             typeInto(*settings.PrintMarginTopEdit, "0.75");
             const TPoint portrait = settings.PrintOrientationRadioGroup->ItemCenter(0);
             qx::test::clickThroughWindow(settings.PrintOrientationRadioGroup->Widget(),
                                          QPoint(portrait.X, portrait.Y));
             // Tab leaves the name for the paper size, which the arrow keys then choose.
             typeInto(*settings.PrintDocumentNameEdit, "Two pages");
             for (int i = 0; i < 3; ++i)
                 QTest::keyClick(settings.Widget()->windowHandle(), Qt::Key_Down);
             paper = settings.PrintPaperSizeComboBox->ItemIndex();
             qx::test::clickThroughWindow(*settings.Button1);
         }},
        {"the preview again", [&] { return !openWindow<TiPlotPreviewSettingsForm>() && windowReady<TiPlotPreviewForm>(); },
         [&] {
             caption = preview->Caption();
             clickGraphic(*preview->PrintButton);
             clickGraphic(*preview->CloseButton);
         }},
    });
    ModalGuard guard(steps);
    clickPreviewButton(*plot);
    EXPECT_TRUE(steps.done()) << "waiting for " << steps.waitingFor();

    EXPECT_EQ(settingsCaption, "Settings");
    EXPECT_EQ(loadedLeft, "1");
    EXPECT_EQ(loadedName, "Preview test");
    EXPECT_EQ(loadedOrientation, 1) << "landscape";
    EXPECT_EQ(loadedPaper, 0) << "letter";
    EXPECT_EQ(paper, 3) << "A4";
    EXPECT_EQ(caption, "Two pages (Preview)");
    EXPECT_EQ(plot->PrintMarginLeft(), 0.5);
    EXPECT_EQ(plot->PrintMarginTop(), 0.75);
    EXPECT_EQ(plot->PrintMarginRight(), 1);
    EXPECT_EQ(plot->PrintOrientation(), poPortrait);
    EXPECT_EQ(plot->PrintDocumentName(), "Two pages");
    EXPECT_EQ(Printer()->Title(), "Two pages");
    EXPECT_EQ(dialogs.service.printDialogs, 1) << "the print dialog is answered by the dialog service";
    EXPECT_EQ(pdfPageCount(readAll(pdf)), 2);
    qx::test::keepSample(pdf);
    EXPECT_EQ(std::count(printEvents.begin(), printEvents.end(), "print"), 1);
    EXPECT_NE(std::find(printEvents.begin(), printEvents.end(), "preview"), printEvents.end());
    EXPECT_EQ(openWindow<TiPlotPreviewForm>(), nullptr);
    EXPECT_EQ(plot->XAxis(0).Span(), 10);
    EXPECT_TRUE(plot->ToolBar(0).Visible());
}

TEST(PlotPreview, SettingsThatLeaveNoPrintableAreaAreRefusedWithTheirErrorAndChangeNothing)
{
    auto plot = makePreviewPlot();
    std::vector<std::string> shown;
    qx::setExceptionPresenter([&](const std::string&, const std::string& message) { shown.push_back(message); });
    qx::test::UserSteps steps({
        {"the preview window", windowReady<TiPlotPreviewForm>,
         [&] { qx::test::clickThroughWindow(*openWindow<TiPlotPreviewForm>()->SettingsButton); }},
        {"the settings dialog", windowReady<TiPlotPreviewSettingsForm>,
         [&] {
             auto& settings = *openWindow<TiPlotPreviewSettingsForm>();
             // Landscape Letter is 11 inches across.
             typeInto(*settings.PrintMarginLeftEdit, "6");
             typeInto(*settings.PrintMarginRightEdit, "5");
             typeInto(*settings.PrintDocumentNameEdit, "Refused");
             qx::test::clickThroughWindow(*settings.Button1);
         }},
        {"the error and the preview again",
         [&] { return !shown.empty() && !openWindow<TiPlotPreviewSettingsForm>() && windowReady<TiPlotPreviewForm>(); },
         [&] { clickGraphic(*openWindow<TiPlotPreviewForm>()->CloseButton); }},
    });
    ModalGuard guard(steps);
    plot->PreviewChart();
    qx::setExceptionPresenter(nullptr);
    EXPECT_TRUE(steps.done()) << "waiting for " << steps.waitingFor();
    EXPECT_EQ(shown, std::vector<std::string>{"Error Printing : The margins leave no printable area."});
    EXPECT_EQ(plot->PrintMarginLeft(), 1);
    EXPECT_EQ(plot->PrintMarginRight(), 1);
    EXPECT_EQ(plot->PrintDocumentName(), "Preview test");
}

/// A preview of a test plot, made as PreviewChart makes it but not shown modally.
class PlotPreviewForm : public ::testing::Test
{
protected:
    void SetUp() override
    {
        plot = makeOutputPlot();
        form.reset(qx::newForm<TiPlotPreviewForm>(Application));
        form->SetPlot(plot.get());
    }

    /// The form shown with its paint box at the layout's size, and what the box shows.
    QImage shownPage()
    {
        form->Show();
        QApplication::processEvents();
        return form->Preview->Widget()->grab().toImage();
    }

    std::unique_ptr<TiXYPlot> plot;
    std::unique_ptr<TiPlotPreviewForm> form;
};

TEST_F(PlotPreviewForm, ALandscapeLetterPageIsASheetWithAShadowInTheMiddle)
{
    EXPECT_EQ(form->Caption(), "Untitled (Preview)");
    EXPECT_EQ(form->Constraints()->MinWidth(), 500);
    EXPECT_EQ(form->Constraints()->MinHeight(), 300);
    ASSERT_EQ(form->Preview->Width(), 828);
    ASSERT_EQ(form->Preview->Height(), 488);
    const TiPlotPreviewPage page = form->PageLayout(828, 488);
    EXPECT_EQ(page.Sheet.Width(), 606);
    EXPECT_EQ(page.Sheet.Height(), 468);
    EXPECT_EQ(page.PixelsPerInch, 55);
    EXPECT_EQ(page.Sheet.Left, 414 - 303 - 5);
    EXPECT_EQ(page.Sheet.Top, 244 - 234 - 5);
    // A 2:1 plot in the 496 x 358 printable area is as wide as the area; one inch in.
    EXPECT_EQ(page.Picture.Left, page.Sheet.Left + 55);
    EXPECT_EQ(page.Picture.Top, page.Sheet.Top + 55);
    EXPECT_EQ(page.Picture.Width(), 496);
    EXPECT_EQ(page.Picture.Height(), 248);

    const QImage shown = shownPage();
    const TColor faceRgb = ColorToRGB(clBtnFace);
    const QColor face(faceRgb & 0xFF, (faceRgb >> 8) & 0xFF, (faceRgb >> 16) & 0xFF);
    EXPECT_EQ(shown.pixelColor(2, 2), face) << "around the sheet";
    EXPECT_EQ(shown.pixelColor(page.Sheet.Left + 20, page.Sheet.Top + 20), QColor(Qt::white)) << "the margin";
    EXPECT_EQ(shown.pixelColor(page.Sheet.Left, page.Sheet.Top + 100), QColor(Qt::black)) << "the outline";
    EXPECT_EQ(shown.pixelColor(page.Sheet.Right + 3, page.Sheet.Top + 100), QColor(Qt::black)) << "the shadow";
    EXPECT_EQ(shown.pixelColor(page.Sheet.Right + 3, page.Sheet.Top + 3), face) << "the shadow starts 7 down";
    EXPECT_NE(shown.pixelColor(page.Picture.Left + 3, page.Picture.Top + 3), QColor(Qt::white)) << "the plot";
}

TEST_F(PlotPreviewForm, EachPaperAndOrientationGivesItsSheet)
{
    struct Case
    {
        int size;
        int paperCode;
        TPrinterOrientation orientation;
    };
    for (const Case& c : {Case{0, 1, poPortrait}, Case{1, 5, poPortrait}, Case{2, 8, poLandscape},
                          Case{3, 9, poPortrait}, Case{4, 11, poLandscape}, Case{7, 1, poLandscape}}) {
        form->PrintSize = c.size;
        form->PrintOrientation = c.orientation;
        double width = 0, height = 0;
        PaperSizeInches(c.paperCode, width, height);
        if (c.orientation == poLandscape)
            std::swap(width, height);
        const TiPlotPreviewPage page = form->PageLayout(828, 488);
        EXPECT_NEAR(static_cast<double>(page.Sheet.Width()) / page.Sheet.Height(), width / height, 0.01) << c.size;
        EXPECT_EQ(page.Sheet.Height(), 468) << c.size << " is as high as the room";
    }
}

TEST_F(PlotPreviewForm, ThePaintRaisesThePrintEventsWithTheToolBarLeftOut)
{
    std::vector<std::string> events;
    plot->OnBeforePrint = [&](TObject* Sender) {
        EXPECT_EQ(Sender, form.get());
        EXPECT_FALSE(plot->ToolBar(0).Visible());
        events.push_back("before");
    };
    plot->OnAfterPrint = [&](TObject* Sender) {
        EXPECT_EQ(Sender, form.get());
        EXPECT_TRUE(plot->ToolBar(0).Visible());
        events.push_back("after");
    };
    shownPage();
    ASSERT_GE(events.size(), 2u);
    EXPECT_EQ(events[0], "before");
    EXPECT_EQ(events[1], "after");
    EXPECT_TRUE(plot->ToolBar(0).Visible());
}

TEST_F(PlotPreviewForm, SettingsGoToThePlotOnOkExceptThePaper)
{
    struct Case
    {
        const char* what;
        std::function<void(TiPlotPreviewSettingsForm&)> change;
        std::function<void()> expect;
    };
    const std::vector<Case> cases = {
        {"a margin that is no number is 0", [](TiPlotPreviewSettingsForm& s) { s.PrintMarginRightEdit->SetAsString("wide"); },
         [&] { EXPECT_EQ(plot->PrintMarginRight(), 0); }},
        {"the A4 paper stays with the preview",
         [](TiPlotPreviewSettingsForm& s) { s.PrintPaperSizeComboBox->SetAsInteger(3); },
         [&] {
             EXPECT_EQ(form->PrintSize, 3);
             EXPECT_EQ(plot->PrintOrientation(), poLandscape);
             EXPECT_EQ(plot->PrintMarginLeft(), 1);
         }},
        {"bottom margin and name", [](TiPlotPreviewSettingsForm& s) {
             s.PrintMarginBottomEdit->SetAsString("0.25");
             s.PrintDocumentNameEdit->SetAsString("Report");
         },
         [&] {
             EXPECT_EQ(plot->PrintMarginBottom(), 0.25);
             EXPECT_EQ(form->PrintMarginBottom, 0.25);
             EXPECT_EQ(form->Caption(), "Report (Preview)");
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::unique_ptr<TiPlotPreviewSettingsForm> settings(qx::newForm<TiPlotPreviewSettingsForm>(Application));
        form->LoadSettings(*settings);
        EXPECT_EQ(settings->PrintMarginTopEdit->Text(), "1");
        c.change(*settings);
        form->StoreSettings(*settings);
        c.expect();
    }
}

TEST_F(PlotPreviewForm, APrintableAreaOfNoSizeIsRefusedAndChangesNothing)
{
    std::unique_ptr<TiPlotPreviewSettingsForm> settings(qx::newForm<TiPlotPreviewSettingsForm>(Application));
    form->LoadSettings(*settings);
    // A5 portrait is 5.83 inches wide: 3 + 3 inches of margin leave nothing.
    settings->PrintPaperSizeComboBox->SetAsInteger(4);
    settings->PrintOrientationRadioGroup->SetAsInteger(0);
    settings->PrintMarginLeftEdit->SetAsString("3");
    settings->PrintMarginRightEdit->SetAsString("3");
    try {
        form->StoreSettings(*settings);
        ADD_FAILURE() << "stored";
    } catch (const EiPlotError& error) {
        EXPECT_STREQ(error.what(), "Error Printing : The margins leave no printable area");
    }
    EXPECT_EQ(plot->PrintMarginLeft(), 1);
    EXPECT_EQ(plot->PrintOrientation(), poLandscape);
    EXPECT_EQ(form->PrintSize, 0);
    EXPECT_EQ(form->PrintMarginLeft, 1);

    // A paint box too small for a sheet shows the background only, and a plot that a
    // handler shrinks to nothing leaves the sheet empty; neither raises anything.
    EXPECT_EQ(form->PageLayout(15, 400).Sheet.Width(), 0);
    plot->OnBeforePrint = [&](TObject*) { plot->SetWidth(0); };
    EXPECT_NO_THROW(shownPage());
    EXPECT_EQ(form->PageLayout(828, 488).Picture.Width(), 0);
}

TEST(PlotPreview, APlotOrPageWithNoPrintableSizeOpensNoPreview)
{
    struct Case
    {
        const char* what;
        std::function<void(TiXYPlot&)> change;
        const char* message;
    };
    const std::vector<Case> cases = {
        {"zero width", [](TiXYPlot& p) { p.SetWidth(0); }, "Error Printing : The plot has no size to print"},
        {"negative height", [](TiXYPlot& p) { p.SetHeight(-5); }, "Error Printing : The plot has no size to print"},
        {"margins wider than the paper", [](TiXYPlot& p) { p.SetPrintMarginLeft(11); },
         "Error Printing : The margins leave no printable area"},
        {"margins taller than the paper", [](TiXYPlot& p) { p.SetPrintMarginTop(4.25); p.SetPrintMarginBottom(4.25); },
         "Error Printing : The margins leave no printable area"},
    };
    for (const Case& c : cases) {
        auto plot = makeOutputPlot();
        c.change(*plot);
        try {
            plot->PreviewChart();
            ADD_FAILURE() << c.what << ": opened";
        } catch (const EiPlotError& error) {
            EXPECT_STREQ(error.what(), c.message) << c.what;
        }
        EXPECT_EQ(openWindow<TiPlotPreviewForm>(), nullptr) << c.what;
    }
}

TEST(PlotPreview, TheWindowsAreTranslatedThroughThePlotsTable)
{
    auto plot = makeOutputPlot();
    for (const auto& [original, replacement] :
         std::vector<std::pair<std::string, std::string>>{{"Untitled (Preview)", "Vorschau"},
                                                          {"Settings", "Einstellungen"},
                                                          {"Close", "Schliessen"},
                                                          {"Landscape", "Quer"},
                                                          {"Orientation", "Ausrichtung"}})
        plot->AddTranslation(original, replacement);
    std::unique_ptr<TiPlotPreviewForm> form(qx::newForm<TiPlotPreviewForm>(Application));
    form->SetPlot(plot.get());
    EXPECT_EQ(form->Caption(), "Vorschau");
    EXPECT_EQ(form->SettingsButton->Caption(), "Einstellungen");
    EXPECT_EQ(form->CloseButton->Caption(), "Schliessen");
}

} // namespace
