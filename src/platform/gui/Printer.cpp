#include "platform/gui/Printer.h"

#include "platform/gui/QtConversions.h"
#include "platform/gui/canvas/Canvas.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <stdexcept>

TPrinter::TPrinter() : printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {}

TPrinter::~TPrinter()
{
    if (printing_)
        Abort();
}

std::vector<std::string> TPrinter::Printers() const
{
    std::vector<std::string> names;
    for (const QString& name : QPrinterInfo::availablePrinterNames())
        names.push_back(qx::fromQt(name));
    return names;
}

void TPrinter::SetPrinterIndex(int Value)
{
    const std::vector<std::string> names = Printers();
    if (Value < -1 || Value >= static_cast<int>(names.size()))
        throw std::out_of_range("Printer index out of range");
    if (printing_)
        throw std::runtime_error("Printing in progress");
    printerIndex_ = Value;
    printer_->setPrinterName(Value < 0 ? QPrinterInfo::defaultPrinterName() : qx::toQt(names[static_cast<std::size_t>(Value)]));
}

void TPrinter::SetOutputFileName(const std::string& Value)
{
    outputFileName_ = Value;
    printer_->setOutputFormat(Value.empty() ? QPrinter::NativeFormat : QPrinter::PdfFormat);
    printer_->setOutputFileName(qx::toQt(Value));
}

TPrinterOrientation TPrinter::Orientation() const
{
    return printer_->pageLayout().orientation() == QPageLayout::Landscape ? poLandscape : poPortrait;
}

void TPrinter::SetOrientation(TPrinterOrientation Value)
{
    printer_->setPageOrientation(Value == poLandscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

void TPrinter::BeginDoc()
{
    if (printing_)
        throw std::runtime_error("Printing in progress");
    printer_->setDocName(qx::toQt(title_));
    canvas_ = std::make_unique<TCanvas>(printer_.get());
    if (!canvas_->Painter() || !canvas_->Painter()->isActive()) {
        canvas_.reset();
        throw std::runtime_error("Printer is not available");
    }
    printing_ = true;
    pageNumber_ = 1;
}

void TPrinter::NewPage()
{
    if (!printing_)
        throw std::runtime_error("Printer is not currently printing");
    printer_->newPage();
    ++pageNumber_;
}

void TPrinter::EndDoc()
{
    if (!printing_)
        throw std::runtime_error("Printer is not currently printing");
    canvas_.reset(); // ends the painter, which finishes the document
    printing_ = false;
}

void TPrinter::Abort()
{
    if (!printing_)
        return;
    printer_->abort();
    canvas_.reset();
    printing_ = false;
}

TCanvas& TPrinter::Canvas()
{
    if (!printing_)
        throw std::runtime_error("Printer is not currently printing");
    return *canvas_;
}

int TPrinter::PageWidth() const { return printer_->pageLayout().paintRectPixels(printer_->resolution()).width(); }
int TPrinter::PageHeight() const { return printer_->pageLayout().paintRectPixels(printer_->resolution()).height(); }
int TPrinter::PixelsPerInchX() const { return printer_->resolution(); }
int TPrinter::PixelsPerInchY() const { return printer_->resolution(); }

TPoint TPrinter::PhysicalOffset() const
{
    const QRect paint = printer_->pageLayout().paintRectPixels(printer_->resolution());
    return TPoint{paint.x(), paint.y()};
}

double TPrinter::PaperWidthInches() const { return printer_->pageLayout().fullRect(QPageLayout::Inch).width(); }
double TPrinter::PaperHeightInches() const { return printer_->pageLayout().fullRect(QPageLayout::Inch).height(); }

namespace {
TPrinter* gPrinter = nullptr;
}

TPrinter* Printer()
{
    // Made on first use and gone with the Qt application, which its Qt printer needs.
    if (!gPrinter) {
        gPrinter = new TPrinter;
        qAddPostRoutine([] {
            delete gPrinter;
            gPrinter = nullptr;
        });
    }
    return gPrinter;
}
