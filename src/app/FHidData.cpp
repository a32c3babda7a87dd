#include "app/FHidData.h"

#include "platform/gui/ListBox.h"
#include "platform/gui/Strings.h"

TfmHidData* fmHidData = nullptr;

TfmHidData::TfmHidData(TComponent* Owner) : TForm(Owner) { LoadLayout("FHidData"); }

TfmHidData::~TfmHidData()
{
    if (fmHidData == this)
        fmHidData = nullptr;
}

void TfmHidData::DoShow()
{
    if (OnShownChange)
        OnShownChange(true);
    TForm::DoShow();
}

void TfmHidData::DoHide()
{
    TForm::DoHide();
    if (OnShownChange)
        OnShownChange(false);
}

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
