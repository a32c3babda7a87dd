#pragma once
// How the plot editor reads and writes the value controls of its pages. Writes from code
// raise no change handler (so loading a page stores nothing); disabling a value control
// empties it. Every read and write of a control's value goes through these functions, so
// the kinds of control the pages are made of can change here alone.

#include "platform/gui/CanvasTypes.h"

#include <functional>
#include <optional>
#include <string>

class TComponent;
class TFont;
class TForm;

namespace qx::plot::editor {

/// Whether the component is one of the value controls (edit, combo, check, radio, colour,
/// font, up-down) that the editor enables and disables by name.
bool IsValueControl(const TComponent& Control);
/// Enables a control; disabling a value control also empties it, silently.
void SetControlUsable(TComponent& Control, bool Usable);

/// The text of an edit or a combo box.
std::string ControlText(const TComponent& Control);
/// Writes the text silently; a drop-down list selects the item of that text, or none.
void SetControlText(TComponent& Control, const std::string& Text);
/// The item index of a combo box or radio group (-1: none).
int ControlIndex(const TComponent& Control);
void SetControlIndex(TComponent& Control, int Index);
bool ControlChecked(const TComponent& Control);
void SetControlChecked(TComponent& Control, bool Checked);
/// The colour of a colour picker; nullopt for a control that holds none.
std::optional<TColor> ControlColor(const TComponent& Control);
void SetControlColor(TComponent& Control, TColor Color);
/// The font of a font picker; nullptr for a control that holds none.
const TFont* ControlFont(const TComponent& Control);
void SetControlFont(TComponent& Control, const TFont& Font);

/// Passes the texts a form shows through Translate: its caption, the items of its combo
/// boxes (the selection kept), the caption and items of its radio groups and the text of
/// every other control it owns except the value controls, whose texts are values.
void TranslateForm(TForm& Form, const std::function<std::string(const std::string&)>& Translate);

} // namespace qx::plot::editor
