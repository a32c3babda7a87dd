#pragma once

#include "platform/gui/CanvasTypes.h"

#include <memory>
#include <string>
#include <vector>

class QPrinter;
class TCanvas;

enum TPrinterOrientation { poPortrait, poLandscape };

/// The printer: documents of pages drawn on Canvas, through Qt's printer to
/// a system printer or, when OutputFileName is set, to a PDF file.
class TPrinter
{
public:
    TPrinter();
    ~TPrinter();
    TPrinter(const TPrinter&) = delete;
    TPrinter& operator=(const TPrinter&) = delete;

    /// The names of the system's printers.
    std::vector<std::string> Printers() const;
    /// The printer in use, an index into Printers; -1 for the default one.
    int PrinterIndex() const { return printerIndex_; }
    void SetPrinterIndex(int Value);
    /// When set, the document goes to this PDF file instead of a printer.
    const std::string& OutputFileName() const { return outputFileName_; }
    void SetOutputFileName(const std::string& Value);

    TPrinterOrientation Orientation() const;
    void SetOrientation(TPrinterOrientation Value);
    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& Value) { title_ = Value; }

    void BeginDoc();
    void NewPage();
    void EndDoc();
    void Abort();
    bool Printing() const { return printing_; }
    int PageNumber() const { return pageNumber_; }
    /// The canvas of the page being printed; throws when no document is open.
    TCanvas& Canvas();

    /// The page in device pixels, as the printer can print it.
    int PageWidth() const;
    int PageHeight() const;
    /// Dots per inch across and down.
    int PixelsPerInchX() const;
    int PixelsPerInchY() const;
    /// Where the printable page begins on the sheet, in device pixels.
    TPoint PhysicalOffset() const;
    /// The sheet's size in inches, across and down as the orientation turns it.
    double PaperWidthInches() const;
    double PaperHeightInches() const;

    /// The Qt side, for the print dialog.
    QPrinter& qtPrinter() { return *printer_; }

private:
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<TCanvas> canvas_;
    int printerIndex_ = -1;
    std::string outputFileName_;
    std::string title_;
    bool printing_ = false;
    int pageNumber_ = 0;
};

/// The one printer object of the program.
TPrinter* Printer();
