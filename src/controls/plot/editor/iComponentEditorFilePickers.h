#pragma once
// TiComponentEditorOpenPicker and TiComponentEditorSavePicker: "Open" and "Save" buttons
// that run the file dialogs; a confirmed name tells the owner form and raises OnChange.
// A FileName ending in a path separator proposes "Untitled" in that folder.

#include "controls/plot/editor/iComponentEditorButton.h"

#include <string>
#include <vector>

class TiComponentEditorOpenPicker : public TiComponentEditorButton
{
public:
    explicit TiComponentEditorOpenPicker(TComponent* AOwner);

    const std::string& FileName() const { return FFileName; }
    void SetFileName(const std::string& Value) { FFileName = Value; }
    const std::string& Filter() const { return FFilter; }
    void SetFilter(const std::string& Value) { FFilter = Value; }
    const std::string& DefaultExt() const { return FDefaultExt; }
    void SetDefaultExt(const std::string& Value) { FDefaultExt = Value; }
    const std::string& DefaultDir() const { return FDefaultDir; }
    void SetDefaultDir(const std::string& Value) { FDefaultDir = Value; }
    bool FileMustExist() const { return FFileMustExist; }
    void SetFileMustExist(bool Value) { FFileMustExist = Value; }
    bool AllowMultiSelect() const { return FAllowMultiSelect; }
    void SetAllowMultiSelect(bool Value) { FAllowMultiSelect = Value; }
    const std::vector<std::string>& Files() const { return FFiles; }

    void Click() override;

    TNotifyEvent OnChange;

private:
    std::string FFileName;
    std::string FFilter;
    std::string FDefaultExt;
    std::string FDefaultDir;
    bool FDefaultDirUsed = false;
    bool FFileMustExist = false;
    bool FAllowMultiSelect = false;
    std::vector<std::string> FFiles;
};

class TiComponentEditorSavePicker : public TiComponentEditorButton
{
public:
    explicit TiComponentEditorSavePicker(TComponent* AOwner);

    const std::string& FileName() const { return FFileName; }
    void SetFileName(const std::string& Value) { FFileName = Value; }
    const std::string& Filter() const { return FFilter; }
    void SetFilter(const std::string& Value) { FFilter = Value; }
    int FilterIndex() const { return FFilterIndex; }
    void SetFilterIndex(int Value) { FFilterIndex = Value; }
    const std::string& DefaultExt() const { return FDefaultExt; }
    void SetDefaultExt(const std::string& Value) { FDefaultExt = Value; }
    const std::string& DefaultDir() const { return FDefaultDir; }
    void SetDefaultDir(const std::string& Value) { FDefaultDir = Value; }

    /// Runs the save dialog; true when a name was confirmed. DefaultDir is given only to
    /// the first dialog; later ones start where the last one left off.
    bool Execute();
    void Click() override;

    TNotifyEvent OnChange;

private:
    std::string FFileName;
    std::string FFilter;
    int FFilterIndex = 1;
    std::string FDefaultExt;
    std::string FDefaultDir;
    bool FDefaultDirUsed = false;
};

namespace qx::plot {
/// The name a file picker proposes: FileName, with "Untitled" appended when it ends in a
/// path separator.
std::string ProposedFileName(const std::string& FileName);
} // namespace qx::plot
