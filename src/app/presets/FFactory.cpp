#include "app/presets/FFactory.h"

#include "app/presets/DialogText.h"
#include "app/presets/PresetDialogHost.h"
#include "platform/gui/Button.h"
#include "platform/gui/Label.h"

TfmFactory* fmFactory = nullptr;

TfmFactory::TfmFactory(TComponent* Owner) : TForm(Owner)
{
    LoadLayout("FFactory");
}

void TfmFactory::FormShow(TObject*)
{
    qx::captionFromTable(*this, "SID_INFO_TITLE");
    qx::captionFromTable(*lbMessage, "SID_FACTORY_DEFAULT");
    qx::captionFromTable(*btnOK, "SID_EXIT_OK");
    qx::captionFromTable(*bnCancel, "SID_EXIT_CANCEL");
}

void TfmFactory::btnOKClick(TObject*)
{
    if (qx::PresetDialogHost* host = qx::presetDialogHost()) {
        host->LoadFactoryDefault();
    }
    Close();
}

void TfmFactory::bnCancelClick(TObject*)
{
    Close();
}
