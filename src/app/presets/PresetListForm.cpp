#include "app/presets/PresetListForm.h"

#include <algorithm>
#include <string>

#include "app/presets/DialogText.h"
#include "app/presets/PresetDialogHost.h"
#include "model/NameText.h"
#include "platform/gui/Button.h"
#include "platform/gui/Label.h"
#include "platform/gui/ValueListEditor.h"
#include "platform/text/AnsiCodePage.h"

namespace qx {
namespace {
constexpr std::string_view kNameIndent = "  ";

PresetDialogHost*& hostSlot()
{
    static PresetDialogHost* host = nullptr;
    return host;
}
} // namespace

void setPresetDialogHost(PresetDialogHost* host)
{
    hostSlot() = host;
}

PresetDialogHost* presetDialogHost()
{
    return hostSlot();
}

PresetListForm::PresetListForm(TComponent* Owner, const char* titleId) : TForm(Owner), titleId_(titleId) {}

void PresetListForm::FormShow(TObject*)
{
    captionFromTable(*this, titleId_);
    captionFromTable(*lPresetSelect, titleId_);
    captionFromTable(*bnCancel, "SID_CANCEL");
    const auto number = dialogText("SID_PST_NUM");
    const auto name = dialogText("SID_PST_NAME");
    if (number && name) {
        vledPresetName->TitleCaptions()->SetLines({*number, *name});
    }
}

void PresetListForm::bnCancelClick(TObject*)
{
    vledPresetName->SetFocus();
    Close();
}

void PresetListForm::vledPresetNameSelectCell(TObject*, int, int ARow, bool&)
{
    if (ARow >= 1 && ARow <= vledPresetName->Strings()->Count()) {
        PresetChosen(ARow);
    }
}

void PresetListForm::SetRowName(int row, const PresetName& name)
{
    TStrings& lines = *vledPresetName->Strings();
    if (row < 0 || row >= lines.Count()) {
        return;
    }
    const std::string line = lines.Get(row);
    const std::string key = line.substr(0, line.find('='));
    const std::string ansi(name.begin(), name.end());
    lines.Put(row, key + "=" + std::string(kNameIndent) + AnsiToUtf8(ansi));
}

PresetName PresetListForm::RowName(int row) const
{
    const std::string value = vledPresetName->Cells(1, row + 1);
    const std::string_view text =
        value.starts_with(kNameIndent) ? std::string_view(value).substr(kNameIndent.size()) : value;
    return presetNameFromText(text);
}

} // namespace qx
