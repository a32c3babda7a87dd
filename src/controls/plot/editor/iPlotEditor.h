#pragma once
// The run-time property editor of a plot: one page per kind of plot object, each with a
// list of the plot's objects of that kind; the page edits the selected object's published
// properties straight into the live plot. The plot's master manager creates, fills and
// shows it and keeps its lists in step with the plot.

#include "controls/plot/base/iPlotMasterManager.h"
#include "controls/plot/editor/iPlotEditorPages.h"
#include "controls/plot/editor/iComponentEditorValueConverterPicker.h"
#include "controls/plot/editor/iCustomEditorForm.h"
#include "platform/gui/CanvasTypes.h"

#include <functional>
#include <string>
#include <vector>

class TComponent;
class TiComponentEditorListBox;
class TiPlotChannelCustom;
class TiPlotComponent;
class TiPlotLayoutObject;
class TiPlotObject;
class TWinControl;

class TiPlotEditorForm : public TiCustomEditorForm, public TiPlotEditorLink
{
public:
    explicit TiPlotEditorForm(TComponent* AOwner);
    ~TiPlotEditorForm() override;

    /// Binds the form to a plot's master manager and fills every list from the plot.
    void SetMaster(TiPlotMasterManager* Value);
    TiPlotMasterManager* Master() const { return FMaster; }
    TWinControl* PlotComponent = nullptr;

    // Page refreshes.
    void UpdateAll();
    void UpdateToolBarEdit() { UpdateEdit(qx::plot::editor::TiEditorKind::ToolBar); }
    void UpdateLegendEdit() { UpdateEdit(qx::plot::editor::TiEditorKind::Legend); }
    void UpdateXAxesEdit() { UpdateEdit(qx::plot::editor::TiEditorKind::XAxis); }
    void UpdateYAxesEdit() { UpdateEdit(qx::plot::editor::TiEditorKind::YAxis); }
    void UpdateChannelEdit() { UpdateEdit(qx::plot::editor::TiEditorKind::Channel); }
    void UpdateDataViewEdit() { UpdateEdit(qx::plot::editor::TiEditorKind::DataView); }
    void UpdateDataCursorEdit() { UpdateEdit(qx::plot::editor::TiEditorKind::DataCursor); }
    void UpdateLimitEdit() { UpdateEdit(qx::plot::editor::TiEditorKind::Limit); }
    void UpdateLabelEdit() { UpdateEdit(qx::plot::editor::TiEditorKind::Label); }
    void UpdateTableEdit() { UpdateEdit(qx::plot::editor::TiEditorKind::Table); }
    void UpdateEdit(qx::plot::editor::TiEditorKind Kind);
    /// Loads the Control page from the plot component.
    void LoadControlPage();

    /// The list of a kind and its selected object (nullptr when none).
    TiComponentEditorListBox* ListBox(qx::plot::editor::TiEditorKind Kind) const;
    TiPlotObject* SelectedObject(qx::plot::editor::TiEditorKind Kind) const;

    // Change handlers (every control of a page is bound to its page's).
    void GeneralChanged(TObject* Sender);
    void TitleChange(TObject* Sender);
    void ToolBarChange(TObject*) { PageChange(qx::plot::editor::TiEditorKind::ToolBar); }
    void LegendChange(TObject*) { PageChange(qx::plot::editor::TiEditorKind::Legend); }
    void XAxisChange(TObject*) { PageChange(qx::plot::editor::TiEditorKind::XAxis); }
    void YAxisChange(TObject*) { PageChange(qx::plot::editor::TiEditorKind::YAxis); }
    void ChannelChange(TObject*) { PageChange(qx::plot::editor::TiEditorKind::Channel); }
    void DataViewChange(TObject*) { PageChange(qx::plot::editor::TiEditorKind::DataView); }
    void DataCursorChange(TObject*) { PageChange(qx::plot::editor::TiEditorKind::DataCursor); }
    void LimitChange(TObject*) { PageChange(qx::plot::editor::TiEditorKind::Limit); }
    void LabelChange(TObject*) { PageChange(qx::plot::editor::TiEditorKind::Label); }
    void TableChange(TObject*) { PageChange(qx::plot::editor::TiEditorKind::Table); }

    // List clicks.
    void ToolBarListBoxClick(TObject*) { UpdateToolBarEdit(); }
    void LegendListBoxClick(TObject*) { UpdateLegendEdit(); }
    void XAxisListBoxClick(TObject*) { UpdateXAxesEdit(); }
    void YAxisListBoxClick(TObject*) { UpdateYAxesEdit(); }
    void ChannelListBoxClick(TObject*);
    void DataViewListBoxClick(TObject*) { UpdateDataViewEdit(); }
    void DataCursorListBoxClick(TObject*) { UpdateDataCursorEdit(); }
    void LimitListBoxClick(TObject*) { UpdateLimitEdit(); }
    void LabelListBoxClick(TObject*) { UpdateLabelEdit(); }
    void TableListBoxClick(TObject*) { UpdateTableEdit(); }

    // What the lists draw: the object's name, and for channels, cursors, limits and axes a
    // colour box.
    void ToolBarListBoxGetData(int Index, bool& DrawColorBox, TColor& AColor, std::string& AText);
    void LegendListBoxGetData(int Index, bool& DrawColorBox, TColor& AColor, std::string& AText);
    void XAxisListBoxGetData(int Index, bool& DrawColorBox, TColor& AColor, std::string& AText);
    void YAxisListBoxGetData(int Index, bool& DrawColorBox, TColor& AColor, std::string& AText);
    void ChannelListBoxGetData(int Index, bool& DrawColorBox, TColor& AColor, std::string& AText);
    void DataViewListBoxGetData(int Index, bool& DrawColorBox, TColor& AColor, std::string& AText);
    void DataCursorListBoxGetData(int Index, bool& DrawColorBox, TColor& AColor, std::string& AText);
    void LimitListBoxGetData(int Index, bool& DrawColorBox, TColor& AColor, std::string& AText);
    void LabelListBoxGetData(int Index, bool& DrawColorBox, TColor& AColor, std::string& AText);
    void TableListBoxGetData(int Index, bool& DrawColorBox, TColor& AColor, std::string& AText);

    // File pickers.
    void ControlPropertiesOpenPickerChange(TObject* Sender);
    void ControlPropertiesSavePickerChange(TObject* Sender);
    void ControlDataSavePickerChange(TObject* Sender);
    void ControlDataOpenPickerChange(TObject* Sender);
    void ControlAnnotationSavePickerChange(TObject* Sender);
    void ControlAnnotationOpenPickerChange(TObject* Sender);
    void ControlLogFileNamePickerChange(TObject* Sender);
    void ChannelPropertiesOpenPickerChange(TObject* Sender);
    void ChannelPropertiesSavePickerChange(TObject* Sender);
    void ChannelDataOpenPickerChange(TObject* Sender);
    void ChannelDataSavePickerChange(TObject* Sender);
    void ChannelLogFileNamePickerChange(TObject* Sender);

    // Add and Remove.
    void XAxesAddButtonClick(TObject*);
    void YAxesAddButtonClick(TObject*);
    void iChannelAddButtonClick(TObject*);
    void iDataCursorAddButtonClick(TObject*);
    void iLimitAddButtonClick(TObject*);
    void iLabelAddButtonClick(TObject*);
    void iTableAddButtonClick(TObject*);
    void XAxisRemoveButtonClick(TObject*);
    void YAxisRemoveButtonClick(TObject*);
    void ChannelRemoveButtonClick(TObject*);
    void DataCursorRemoveButtonClick(TObject*);
    void LimitRemoveButtonClick(TObject*);
    void LabelRemoveButtonClick(TObject*);
    void TableRemoveButtonClick(TObject*);

    // Name lists, refilled when dropped down.
    void XAxisNameComboBoxDropDown(TObject* Sender);
    void YAxisNameComboBoxDropDown(TObject* Sender);
    void DataViewGridXAxisNameComboBoxDropDown(TObject* Sender);
    void DataViewGridYAxisNameComboBoxDropDown(TObject* Sender);
    void DataCursorChannelNameComboBoxDropDown(TObject* Sender);

    // Buttons of the pages.
    void ControlLogActivateButtonClick(TObject*);
    void ControlLogDeactivateButtonClick(TObject*);
    void ChannelLogActivateButtonClick(TObject*);
    void ChannelLogDeactivateButtonClick(TObject*);
    void ChannelStatsRefreshButtonClick(TObject*);
    void XAxisCursorCopyDefaultButtonClick(TObject*) { CopyDefaultFormat("XAxis", "Cursor"); }
    void XAxisLegendCopyDefaultButtonClick(TObject*) { CopyDefaultFormat("XAxis", "Legend"); }
    void YAxisCursorCopyDefaultButtonClick(TObject*) { CopyDefaultFormat("YAxis", "Cursor"); }
    void YAxisLegendCopyDefaultButtonClick(TObject*) { CopyDefaultFormat("YAxis", "Legend"); }

    // The Layout page: its viewer and the viewer's popup menu.
    void iPlotLayoutViewerMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void iPlotLayoutViewerChange(TObject*) { UpdateAll(); }
    void LayoutPopupMenuPopup(TObject*);
    void XYAxesReverseMenuItemClick(TObject*);
    void AddXAxisMenuItemClick(TObject*);
    void AddYAxisMenuItemClick(TObject*);
    void AddLabelMenuItemClick(TObject*);
    void DeleteMenuItemClick(TObject*);
    void VisibleMenuItemClick(TObject*);
    void EditMenuItemClick(TObject*);
    /// The layout object under the mouse at the last press on the viewer (nullptr when none).
    TiPlotLayoutObject* RightClickObject() const { return FRightClickObject; }

    /// The form's close handler: from now on the master leaves the form alone.
    void iCustomEditorFormClose(TObject* Sender, TCloseAction& Action);
    bool IsClosing() const { return FIsClosing; }

    // What the master manager asks of its editor.
    bool Closing() const override { return FIsClosing; }
    void ObjectInserted(TiPlotObject& Object) override;
    void ObjectRemoved(TiPlotObject& Object) override;
    void ObjectRenamed(TiPlotObject& Object) override;
    void Execute(bool StayOnTop) override;
    void SelectObject(TiPlotObject& Object) override;
    void StoreControlPage() override;
    std::vector<int> ActivePages() const override;
    void SetActivePages(const std::vector<int>& Pages) override;
    void Free() override;

    /// Replaces the form's texts (caption, control texts, combo items) by their translations.
    void TranslateForm(const std::function<std::string(const std::string&)>& Translate);
    /// Gives every value converter button of the form the method that translates its window.
    void SetFormTranslationMethod(const TFormTranslationMethod& Method);

private:
    const qx::plot::editor::TiEditorPage* PageOf(const TiPlotObject& Object) const;
    /// The plot component the editor edits, nullptr for another kind of plot.
    TiPlotComponent* Plot() const;
    TiPlotChannelCustom* SelectedChannel() const;
    void PageChange(qx::plot::editor::TiEditorKind Kind);
    void AddObject(qx::plot::editor::TiEditorKind Kind, int (TiPlotMasterManager::*Add)());
    void RemoveSelected(qx::plot::editor::TiEditorKind Kind);
    void SetKindUsable(const char* Prefix, bool Usable);
    void RepaintList(qx::plot::editor::TiEditorKind Kind);
    void RefreshNameLists(qx::plot::editor::TiEditorKind Kind);
    void ResetStatistics();
    void GetData(qx::plot::editor::TiEditorKind Kind, int Index, bool& DrawColorBox, TColor& AColor, std::string& AText,
                 bool ColorBox);
    void UpdateLogControls(const char* Prefix, bool Logging);
    void CopyDefaultFormat(const std::string& Axis, const std::string& Target);
    /// "<None>" and "<All>" as the plot's translation table shows them.
    std::string Shown(const std::string& Token) const;
    /// The text of a name combo as stored: a shown token back to the token itself.
    std::string Canonical(const std::string& Text) const;
    void LoadRows(TPersistent& Target, const std::vector<qx::plot::editor::TiEditorBinding>& Rows);
    void StoreRows(TPersistent& Target, const std::vector<qx::plot::editor::TiEditorBinding>& Rows);
    void FillNames(const char* Combo, const std::vector<std::string>& Names);
    std::vector<std::string> NamesOf(TiPlotObjectManagerCustom* Manager, bool None, bool All, bool AllFirst) const;

    TiPlotMasterManager* FMaster = nullptr;
    bool FIsClosing = false;
    bool FInCloseHandler = false;
    TiPlotLayoutObject* FRightClickObject = nullptr;
};

namespace qx {
/// Registers the editor form and makes it the editor of every plot.
void registerPlotEditorFormClasses();
/// Makes the editor form the editor of every plot (done by the registration).
void installPlotEditor();
} // namespace qx
