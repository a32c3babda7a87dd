#include "app/FHidData.h"

#include "platform/gui/ListBox.h"
#include "platform/gui/Strings.h"

TfmHidData* fmHidData = nullptr;

TfmHidData::TfmHidData(TComponent* Owner) : TForm(Owner) { LoadLayout("FHidData"); }

void TfmHidData::bnClearClick(TObject*) { hbHidData->Clear(); }

void TfmHidData::AddTraceLine(const std::string& line)
{
    if (!Visible())
        return;
    TStrings& items = *hbHidData->Items();
    items.BeginUpdate();
    while (items.Count() >= kMaxLines)
        items.Delete(0);
    items.Add(line);
    items.EndUpdate();
    hbHidData->SetItemIndex(items.Count() - 1);
}
