#pragma once

#include "platform/gui/Component.h"

#include <string>
#include <vector>

enum TOpenOption {
    ofReadOnly, ofOverwritePrompt, ofHideReadOnly, ofNoChangeDir, ofShowHelp, ofNoValidate, ofAllowMultiSelect,
    ofExtensionDifferent, ofPathMustExist, ofFileMustExist, ofCreatePrompt, ofShareAware, ofNoReadOnlyReturn,
    ofNoTestFileCreate, ofNoNetworkButton, ofNoLongNames, ofOldStyleDialog, ofNoDereferenceLinks, ofEnableIncludeNotify,
    ofEnableSizing, ofDontAddToRecent, ofForceShowHidden
};
using TOpenOptions = qx::EnumSet<TOpenOption>;

/// The file-open dialog: Execute shows it modally (through the dialog
/// service) and returns false, changing nothing, when it is cancelled.
/// Filter is "description|pattern|description|pattern..."; FilterIndex
/// counts from 1.
class TOpenDialog : public TComponent
{
public:
    explicit TOpenDialog(TComponent* AOwner) : TComponent(AOwner) {}

    const std::string& FileName() const { return fileName_; }
    void SetFileName(const std::string& Value) { fileName_ = Value; }
    const std::vector<std::string>& Files() const { return files_; }
    const std::string& Filter() const { return filter_; }
    void SetFilter(const std::string& Value) { filter_ = Value; }
    int FilterIndex() const { return filterIndex_; }
    void SetFilterIndex(int Value) { filterIndex_ = Value; }
    const std::string& InitialDir() const { return initialDir_; }
    void SetInitialDir(const std::string& Value) { initialDir_ = Value; }
    /// Added, after a ".", to a chosen name that has no extension.
    const std::string& DefaultExt() const { return defaultExt_; }
    void SetDefaultExt(const std::string& Value) { defaultExt_ = Value; }
    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& Value) { title_ = Value; }
    TOpenOptions Options() const { return options_; }
    void SetOptions(TOpenOptions Value) { options_ = Value; }

    virtual bool Execute();

protected:
    bool run(bool save);

private:
    std::string fileName_;
    std::vector<std::string> files_;
    std::string filter_;
    int filterIndex_ = 1;
    std::string initialDir_;
    std::string defaultExt_;
    std::string title_;
    TOpenOptions options_{ofHideReadOnly, ofEnableSizing};
};

/// The file-save dialog: as the open dialog; with ofOverwritePrompt,
/// choosing a file that exists asks first, and "No" counts as a cancel.
class TSaveDialog : public TOpenDialog
{
public:
    explicit TSaveDialog(TComponent* AOwner) : TOpenDialog(AOwner) {}
    bool Execute() override;
};
