#include "app/presets/PresetDialogs.h"

#include "app/presets/FFactory.h"
#include "app/presets/FRecallPreset.h"
#include "app/presets/FStoreName.h"
#include "app/presets/FStorePreset.h"
#include "platform/gui/Button.h"
#include "platform/gui/Edit.h"
#include "platform/gui/Label.h"
#include "platform/gui/PropertyRegistry.h"
#include "platform/gui/PropertyBuilder.h"
#include "platform/gui/StandardClasses.h"
#include "platform/gui/ValueListEditor.h"

namespace qx {
namespace {
template <class List> void registerList(const char* className)
{
    using Notify = void (List::*)(TObject*);
    using SelectCell = void (List::*)(TObject*, int, int, bool&);
    registerClass<List, TForm>(className)
        .method("FormShow", static_cast<Notify>(&PresetListForm::FormShow))
        .method("bnCancelClick", static_cast<Notify>(&PresetListForm::bnCancelClick))
        .method("vledPresetNameSelectCell", static_cast<SelectCell>(&PresetListForm::vledPresetNameSelectCell))
        .field("lPresetSelect", static_cast<TLabel* List::*>(&PresetListForm::lPresetSelect))
        .field("bnCancel", static_cast<TButton* List::*>(&PresetListForm::bnCancel))
        .field("vledPresetName", static_cast<TValueListEditor* List::*>(&PresetListForm::vledPresetName));
}
} // namespace

void registerPresetDialogs()
{
    static bool registered = false;
    if (registered) {
        return;
    }
    registered = true;
    registerStandardClasses();
    registerList<TfmStorePreset>("TfmStorePreset");
    registerList<TfmRecallPreset>("TfmRecallPreset");
    registerClass<TfmStoreName, TForm>("TfmStoreName")
        .method("FormShow", &TfmStoreName::FormShow)
        .method("FormActivate", &TfmStoreName::FormActivate)
        .method("edNameKeyDown", &TfmStoreName::edNameKeyDown)
        .method("btnOKClick", &TfmStoreName::btnOKClick)
        .method("bnCancelClick", &TfmStoreName::bnCancelClick)
        .field("lblPresetName", &TfmStoreName::lblPresetName)
        .field("lTitle", &TfmStoreName::lTitle)
        .field("edName", &TfmStoreName::edName)
        .field("btnOK", &TfmStoreName::btnOK)
        .field("bnCancel", &TfmStoreName::bnCancel);
    registerClass<TfmFactory, TForm>("TfmFactory")
        .method("FormShow", &TfmFactory::FormShow)
        .method("btnOKClick", &TfmFactory::btnOKClick)
        .method("bnCancelClick", &TfmFactory::bnCancelClick)
        .field("lbMessage", &TfmFactory::lbMessage)
        .field("btnOK", &TfmFactory::btnOK)
        .field("bnCancel", &TfmFactory::bnCancel);
}

void ShowPresetRowName(int preset, const PresetName& name)
{
    if (fmRecallPreset != nullptr) {
        fmRecallPreset->SetRowName(preset, name);
    }
    if (fmStorePreset != nullptr) {
        fmStorePreset->SetRowName(preset - 1, name);
    }
}

} // namespace qx
