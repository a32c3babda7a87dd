#pragma once
// The file choices the main window offers the model and the editors.

namespace qx {

enum class FileDialog
{
    OpenPreset,         // "*.prs"
    SavePreset,         // "*.prs", asks before replacing a file
    OpenUnit,           // "*.unt"
    SaveUnit,           // "*.unt", asks before replacing a file
    OpenFirCoefficients // "*.csv" or "*.txt"
};

} // namespace qx
