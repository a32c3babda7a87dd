#pragma once
// TiSaveDialog: the file-save dialog of the library's editors, run through the program's
// dialog service. When confirmed, FileName is the chosen name with the extension of the
// chosen filter appended unless the name already has that extension (a filter of "*.*"
// leaves the name as typed); ReturnExt is that extension.

#include "platform/gui/Component.h"

#include <string>
#include <vector>

class TiSaveDialog : public TComponent
{
public:
    explicit TiSaveDialog(TComponent* AOwner) : TComponent(AOwner) {}

    std::string FileName;
    std::string Filter;
    /// The chosen filter, counted from 1.
    int FilterIndex = 1;
    std::string DefaultExt;
    std::string DefaultDir;
    const std::string& ReturnExt() const { return FReturnExt; }

    /// True when the user confirms; a cancel changes nothing. Without a form or windowed
    /// control among the owners nothing is shown.
    bool Execute();

    /// The patterns of a filter that begin with "*", in order ("*.cfg", "*.*").
    static std::vector<std::string> FilterPatterns(const std::string& Filter);
    /// The name a confirmed dialog gives back for the typed Name and the chosen filter; sets
    /// Ext to the filter's extension ("" when none).
    static std::string NameWithFilterExt(const std::string& Name, const std::string& Filter, int FilterIndex,
                                         std::string& Ext);

private:
    std::string FReturnExt;
};
