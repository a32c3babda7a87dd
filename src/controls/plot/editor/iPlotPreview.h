#pragma once
// TiPlotPreviewForm: the print preview of a plot. One printed page is shown as a white
// sheet with a shadow, centred in the window, with the plot's snapshot scaled into the
// sheet's printable area; Print prints the plot, Settings changes its print margins,
// orientation and document name (and the preview's own paper size), Close closes. Its
// layout is the resource TIPLOTPREVIEWFORM.

#include "platform/gui/CanvasTypes.h"
#include "platform/gui/Form.h"
#include "platform/gui/Printer.h"

#include <string>

class TButton;
class TCanvas;
class TPanel;
class TSpeedButton;
class TiPaintBox;
class TiPlotComponent;
class TiPlotPreviewSettingsForm;

/// Where a preview page goes in a paint box: the sheet, and the snapshot within its
/// printable area (Picture is empty when there is no room for it).
struct TiPlotPreviewPage
{
    TRect Sheet;
    TRect Picture;
    /// Screen pixels per inch of paper.
    int PixelsPerInch = 0;
};

class TiPlotPreviewForm : public TForm
{
public:
    explicit TiPlotPreviewForm(TComponent* AOwner);

    /// Previews the plot: working copies of its four print margins, orientation and
    /// document name; the caption is the document name followed by " (Preview)".
    void SetPlot(TiPlotComponent* Plot);
    /// Translates the caption and the controls' texts through the plot's table.
    void DoTranslation();

    /// The page of the paint box's size for the preview's paper, orientation and the plot's
    /// margins and size. The sheet is empty when the box leaves it no room.
    TiPlotPreviewPage PageLayout(int Width, int Height) const;
    /// The paper's width and height in inches as the preview shows it (PrintSize, turned
    /// for landscape).
    void PaperSizeInches(double& Width, double& Height) const;

    /// Puts the form's values into a settings dialog, and takes them back from it (the
    /// plot's margins, orientation and document name follow; PrintSize stays here).
    void LoadSettings(TiPlotPreviewSettingsForm& Settings) const;
    void StoreSettings(const TiPlotPreviewSettingsForm& Settings);

    // Handlers of the layout.
    void PreviewPaint(TObject* Sender);
    void PrintButtonClick(TObject* Sender);
    void SettingsButtonClick(TObject* Sender);
    void CloseButtonClick(TObject* Sender);

    // Controls of the layout.
    TPanel* Panel2 = nullptr;
    TSpeedButton* PrintButton = nullptr;
    TButton* SettingsButton = nullptr;
    TSpeedButton* CloseButton = nullptr;
    TiPaintBox* Preview = nullptr;

    /// The plot being previewed (not owned).
    TiPlotComponent* iComponent = nullptr;
    double PrintMarginLeft = 0, PrintMarginTop = 0, PrintMarginRight = 0, PrintMarginBottom = 0;
    TPrinterOrientation PrintOrientation = poLandscape;
    std::string PrintDocumentName;
    /// The preview's paper: 0 Letter, 1 Legal, 2 A3, 3 A4, 4 A5.
    int PrintSize = 0;

private:
    void DrawPage(TCanvas& Canvas, int Width, int Height);
};

namespace qx {
/// Publishes the preview and its settings dialog for their layouts.
void registerPlotPreviewClasses();
} // namespace qx
