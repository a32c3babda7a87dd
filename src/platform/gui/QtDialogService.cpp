#include "platform/gui/QtDialogService.h"

#include "platform/gui/MessageBox.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QSpacerItem>

namespace qx {

namespace {

QString toQt(const std::string& s)
{
    return QString::fromStdString(s);
}

// Qt reads the patterns from the last parenthesised group of each entry.
QStringList qtFilters(const std::vector<FileFilter>& filters)
{
    QStringList list;
    for (const FileFilter& f : filters)
        list << toQt(f.description) + " (" + toQt(f.patterns).replace(';', ' ') + ")";
    return list;
}

QColor qtColor(std::uint32_t rgb)
{
    return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

std::uint32_t colorValue(const QColor& c)
{
    return static_cast<std::uint32_t>(c.red()) | static_cast<std::uint32_t>(c.green()) << 8
        | static_cast<std::uint32_t>(c.blue()) << 16;
}

struct ButtonSet
{
    unsigned flags;
    std::vector<std::pair<QMessageBox::StandardButton, int>> buttons;
};

// A box is at least as wide as its title needs in the window's title bar:
// the caption in a bold face of the window font, the title bar's icon and
// buttons beside it. A short message would otherwise cut the title.
void widenForTitle(QMessageBox& box)
{
    QFont titleFont = box.font();
    titleFont.setBold(true);
    constexpr int kTitleBarExtras = 150; // icon, buttons and margins of a title bar
    const int needed = QFontMetrics(titleFont).horizontalAdvance(box.windowTitle()) + kTitleBarExtras;
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(needed, 0, QSizePolicy::Minimum, QSizePolicy::Minimum), grid->rowCount(), 0,
                      1, grid->columnCount());
}

const std::vector<ButtonSet>& buttonSets()
{
    static const std::vector<ButtonSet> sets = {
        {MB_OK, {{QMessageBox::Ok, IDOK}}},
        {MB_OKCANCEL, {{QMessageBox::Ok, IDOK}, {QMessageBox::Cancel, IDCANCEL}}},
        {MB_ABORTRETRYIGNORE, {{QMessageBox::Abort, IDABORT}, {QMessageBox::Retry, IDRETRY}, {QMessageBox::Ignore, IDIGNORE}}},
        {MB_YESNOCANCEL, {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}, {QMessageBox::Cancel, IDCANCEL}}},
        {MB_YESNO, {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}}},
        {MB_RETRYCANCEL, {{QMessageBox::Retry, IDRETRY}, {QMessageBox::Cancel, IDCANCEL}}},
    };
    return sets;
}

QMessageBox::Icon qtIcon(unsigned flags)
{
    switch (flags & MB_ICONMASK) {
    case MB_ICONERROR: return QMessageBox::Critical;
    case MB_ICONQUESTION: return QMessageBox::Question;
    case MB_ICONWARNING: return QMessageBox::Warning;
    case MB_ICONINFORMATION: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

} // namespace

std::optional<FileDialogResult> QtDialogService::runFileDialog(const FileDialogRequest& request)
{
    QFileDialog dialog(QApplication::activeWindow(), toQt(request.title), toQt(request.initialDir));
    const QStringList filters = qtFilters(request.filters);
    dialog.setNameFilters(filters);
    if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
        dialog.selectNameFilter(filters[request.filterIndex - 1]);
    // The overwrite question is asked by the save dialog class itself, so
    // that it behaves the same with the test's stand-in.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    if (request.save)
        dialog.setFileMode(QFileDialog::AnyFile);
    else
        dialog.setFileMode(request.allowMultiSelect ? QFileDialog::ExistingFiles
                                                    : request.fileMustExist ? QFileDialog::ExistingFile
                                                                            : QFileDialog::AnyFile);
    if (!request.fileName.empty() && request.fileName.find('*') == std::string::npos)
        dialog.selectFile(toQt(request.fileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    FileDialogResult result;
    for (const QString& file : dialog.selectedFiles())
        result.files.push_back(file.toStdString());
    result.filterIndex = static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1;
    if (result.filterIndex < 1)
        result.filterIndex = request.filterIndex;
    return result;
}

std::optional<std::uint32_t> QtDialogService::chooseColor(std::uint32_t initial)
{
    const QColor chosen = QColorDialog::getColor(qtColor(initial), QApplication::activeWindow());
    if (!chosen.isValid())
        return std::nullopt;
    return colorValue(chosen);
}

std::optional<FontChoice> QtDialogService::chooseFont(const FontChoice& initial)
{
    QFont font(toQt(initial.name));
    if (initial.height != 0)
        font.setPixelSize(initial.height < 0 ? -initial.height : initial.height);
    font.setBold(initial.bold);
    font.setItalic(initial.italic);
    font.setUnderline(initial.underline);
    font.setStrikeOut(initial.strikeOut);
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, font, QApplication::activeWindow());
    if (!ok)
        return std::nullopt;
    FontChoice result = initial;
    result.name = chosen.family().toStdString();
    if (chosen.pixelSize() > 0)
        result.height = -chosen.pixelSize();
    else if (chosen.pointSizeF() > 0)
        result.height = -static_cast<int>(chosen.pointSizeF() * 96.0 / 72.0 + 0.5);
    result.bold = chosen.bold();
    result.italic = chosen.italic();
    result.underline = chosen.underline();
    result.strikeOut = chosen.strikeOut();
    return result;
}

int QtDialogService::messageBox(const std::string& text, const std::string& caption, unsigned flags)
{
    QMessageBox box(qtIcon(flags), toQt(caption), toQt(text), QMessageBox::NoButton, QApplication::activeWindow());
    const auto& sets = buttonSets();
    const auto set = std::find_if(sets.begin(), sets.end(),
                                  [&](const ButtonSet& s) { return s.flags == (flags & MB_TYPEMASK); });
    const auto& buttons = set != sets.end() ? set->buttons : sets.front().buttons;
    for (const auto& [button, id] : buttons)
        box.addButton(button);
    widenForTitle(box);
    box.exec();
    const auto pressed = box.standardButton(box.clickedButton());
    for (const auto& [button, id] : buttons)
        if (button == pressed)
            return id;
    return IDCANCEL;
}

bool QtDialogService::runPrintDialog(QPrinter& printer)
{
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted;
}

} // namespace qx
