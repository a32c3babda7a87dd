#pragma once
// The common part of the store and recall lists: a grid of preset numbers
// and names, a title and a cancel button. Each row reads "     U05" and
// "  " followed by the 14-character name, so a name is read back by its
// fixed position.

#include "model/RecordFields.h"
#include "platform/gui/Form.h"

class TButton;
class TLabel;
class TValueListEditor;

namespace qx {

class PresetListForm : public TForm
{
public:
    void FormShow(TObject* Sender);
    void bnCancelClick(TObject* Sender);
    void vledPresetNameSelectCell(TObject* Sender, int ACol, int ARow, bool& CanSelect);

    // The value of grid row `row` (0 the first) becomes two spaces and the name.
    void SetRowName(int row, const PresetName& name);
    // The 14 name bytes of grid row `row` (0 the first).
    PresetName RowName(int row) const;

    TLabel* lPresetSelect = nullptr;
    TButton* bnCancel = nullptr;
    TValueListEditor* vledPresetName = nullptr;

protected:
    // The subclass loads its layout: the loader makes the most derived class.
    PresetListForm(TComponent* Owner, const char* titleId);
    // Grid row `row` (1 the first, under the title row) was chosen.
    virtual void PresetChosen(int row) = 0;

private:
    const char* titleId_;
};

} // namespace qx
