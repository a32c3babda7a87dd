#pragma once
// The object pages of the plot editor as tables: which control edits which published
// property of the selected object, of what kind, in the order a page stores them.

#include <climits>
#include <string>
#include <vector>

class TiPlotMasterManager;
class TiPlotObjectManagerCustom;

namespace qx::plot::editor {

enum class TiEditorValueKind {
    Text,    ///< an edit holding a string property
    Integer, ///< an edit holding an integer, clamped to the row's range
    Float,   ///< an edit holding a number
    Check,   ///< a check box holding a Boolean
    Ordinal, ///< a combo box or radio group whose item index is the enumeration's ordinal
    Name,    ///< a combo box naming another object; "<None>" and "<All>" stored untranslated
    Color,   ///< a colour picker
    Font     ///< a font picker (the font's name, colour, height and style)
};

struct TiEditorBinding
{
    const char* Control;
    const char* Property;
    TiEditorValueKind Kind;
    /// The range an integer is held in (typed or stepped).
    int Min = INT_MIN;
    int Max = INT_MAX;
};

/// The object kinds with a page, in the order UpdateAll refreshes them.
enum class TiEditorKind { ToolBar, Legend, XAxis, YAxis, Channel, DataView, DataCursor, Limit, Label, Table };

struct TiEditorPage
{
    TiEditorKind Kind;
    /// Controls whose names begin with it (any case) belong to the page.
    const char* Prefix;
    const char* ListBox;
    /// The page's tab sheet, shown by EditObject and the Edit entry of the layout popup.
    const char* TabSheet;
    TiPlotObjectManagerCustom* (*Manager)(const TiPlotMasterManager&);
    std::vector<TiEditorBinding> Rows;
};

/// Every object page.
const std::vector<TiEditorPage>& EditorPages();
const TiEditorPage& EditorPage(TiEditorKind Kind);
/// The Control page's rows, stored into the plot component in this order.
const std::vector<TiEditorBinding>& ControlPageRows();
/// The Title sub-page's rows, stored into the plot's first label.
const std::vector<TiEditorBinding>& TitleRows();

} // namespace qx::plot::editor
