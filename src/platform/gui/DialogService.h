#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class QPrinter;

namespace qx {

/// One entry of a file dialog's filter: "Preset files" and "*.prs" (several
/// patterns separated by ";").
struct FileFilter
{
    std::string description;
    std::string patterns;
    bool operator==(const FileFilter&) const = default;
};

struct FileDialogRequest
{
    bool save = false;
    std::string title;
    std::vector<FileFilter> filters;
    int filterIndex = 1; ///< counted from 1, as the dialogs' FilterIndex is
    std::string fileName;
    std::string initialDir;
    bool fileMustExist = false;
    bool allowMultiSelect = false;
};

struct FileDialogResult
{
    std::vector<std::string> files; ///< full paths; one unless several were chosen
    int filterIndex = 1;
};

/// What a font dialog takes and gives back.
struct FontChoice
{
    std::string name;
    int height = 0; ///< as the font's Height: negative for the character height in pixels
    std::uint32_t color = 0; ///< 0x00BBGGRR
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int charset = 1;
    bool operator==(const FontChoice&) const = default;
};

/// The common dialogs and message boxes, behind one interface so that tests
/// replace them with a scripted stand-in and no real dialog ever opens.
/// Every call runs modally on the GUI thread; "nothing" means cancelled.
class DialogService
{
public:
    virtual ~DialogService() = default;

    virtual std::optional<FileDialogResult> runFileDialog(const FileDialogRequest& request) = 0;
    /// Colours are plain RGB values 0x00BBGGRR.
    virtual std::optional<std::uint32_t> chooseColor(std::uint32_t initial) = 0;
    virtual std::optional<FontChoice> chooseFont(const FontChoice& initial) = 0;
    /// flags: one MB_ button set and one MB_ icon; returns the ID of the button pressed.
    virtual int messageBox(const std::string& text, const std::string& caption, unsigned flags) = 0;
    /// The print dialog for printer; true when the user goes on to print.
    virtual bool runPrintDialog(QPrinter& printer) = 0;
};

/// Splits a filter in the dialogs' format, "description|patterns|..." (for
/// example "FIR files (*.csv)|*.Csv|FIR files (*.txt)|*.Txt"). A trailing
/// description without patterns is dropped.
std::vector<FileFilter> parseFilter(const std::string& filter);

/// The service in use: the Qt dialogs unless a test has put in its own.
DialogService& dialogs();
/// Puts in a replacement (not owned); nullptr goes back to the Qt dialogs.
void setDialogService(DialogService* service);

} // namespace qx
