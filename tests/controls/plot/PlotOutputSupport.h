#pragma once
// Helpers of the plot output tests: a test plot, the scripted dialogs, the printer sent to
// a PDF file and the pages of that file.

#include "PlotControlSupport.h"

#include "platform/gui/DialogService.h"
#include "platform/gui/Printer.h"
#include "platform/gui/ScriptedDialogService.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

namespace qx::test {

inline std::string readAll(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

/// The pages of a PDF file as Qt writes it: one "/Type /Page" object each.
inline int pdfPageCount(const std::string& pdf)
{
    int count = 0;
    for (std::size_t at = pdf.find("/Type /Page"); at != std::string::npos; at = pdf.find("/Type /Page", at + 1))
        if (pdf.compare(at, 12, "/Type /Pages") != 0)
            ++count;
    return count;
}

/// A test plot with a visible toolbar, a title and a curve.
inline std::unique_ptr<TiXYPlot> makeOutputPlot()
{
    auto plot = std::make_unique<TiXYPlot>(nullptr);
    plot->SetBounds(0, 0, 400, 200);
    plot->SetTitleText("Output");
    for (const bool x : {true, false}) {
        TiPlotAxis& axis = x ? plot->XAxis(0) : plot->YAxis(0);
        axis.SetTrackingEnabled(false);
        axis.SetMinSpan(0, 10);
    }
    qx::test::replacePoints(plot->GetChannel(0), {{0, 1}, {3, 7}, {6, 4}, {10, 9}});
    return plot;
}

/// Puts the scripted dialogs in for one test and takes them out again.
class ScriptedDialogs
{
public:
    ScriptedDialogs() { qx::setDialogService(&service); }
    ~ScriptedDialogs() { qx::setDialogService(nullptr); }
    ScriptedDialogs(const ScriptedDialogs&) = delete;
    ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;
    qx::ScriptedDialogService service;
};

/// Sends the printer's output to a PDF file for one test.
class PdfPrinter
{
public:
    explicit PdfPrinter(const std::filesystem::path& file) { Printer()->SetOutputFileName(file.string()); }
    ~PdfPrinter() { Printer()->SetOutputFileName(""); }
    PdfPrinter(const PdfPrinter&) = delete;
    PdfPrinter& operator=(const PdfPrinter&) = delete;
};

/// Keeps a copy of an output file for looking at when QX_PLOT_OUTPUT_SAMPLES names a folder.
inline void keepSample(const std::filesystem::path& file)
{
    if (const char* folder = std::getenv("QX_PLOT_OUTPUT_SAMPLES"))
        std::filesystem::copy_file(file, std::filesystem::path(folder) / file.filename(),
                                   std::filesystem::copy_options::overwrite_existing);
}

} // namespace qx::test
