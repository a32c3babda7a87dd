#pragma once
// TiOpenDialog: the file-open dialog of the library's editors, run through the program's
// dialog service. When confirmed, FileName is the (first) chosen file and Files every one.

#include "platform/gui/Component.h"

#include <string>
#include <vector>

class TiOpenDialog : public TComponent
{
public:
    explicit TiOpenDialog(TComponent* AOwner) : TComponent(AOwner) {}

    std::string FileName;
    /// "description|pattern|..." pairs.
    std::string Filter;
    /// Added (after a ".") to a chosen name without an extension.
    std::string DefaultExt;
    std::string DefaultDir;
    bool FileMustExist = false;
    bool AllowMultiSelect = false;
    std::vector<std::string> Files;

    /// True when the user confirms. Files is emptied first; a cancel changes nothing else.
    /// Without a form or windowed control among the owners nothing is shown.
    bool Execute();
};
