#pragma once
// The controls of the library's editor windows, in one include: the editor form base and
// its protocol, the value controls, the object list, the pickers and the layout controls.

#include "controls/plot/editor/iComponentEditorButton.h"
#include "controls/plot/editor/iComponentEditorCheckBox.h"
#include "controls/plot/editor/iComponentEditorColorPicker.h"
#include "controls/plot/editor/iComponentEditorComboBox.h"
#include "controls/plot/editor/iComponentEditorEdit.h"
#include "controls/plot/editor/iComponentEditorFilePickers.h"
#include "controls/plot/editor/iComponentEditorFontPicker.h"
#include "controls/plot/editor/iComponentEditorListBox.h"
#include "controls/plot/editor/iComponentEditorPageControl.h"
#include "controls/plot/editor/iComponentEditorRadioGroup.h"
#include "controls/plot/editor/iComponentEditorValueConverterPicker.h"
#include "controls/plot/editor/iCustomEditorForm.h"
#include "controls/plot/editor/iDateTimePicker.h"
#include "controls/plot/editor/iPaintBox.h"
#include "controls/plot/editor/iUpDown.h"

namespace qx {
/// Publishes the editor controls (and the check box and radio group) for the layouts.
void registerPlotEditorClasses();
} // namespace qx
