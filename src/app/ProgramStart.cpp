#include "app/ProgramStart.h"

#include "app/FMain.h"
#include "app/FHidData.h"
#include "app/FInFirPassWord.h"
#include "app/FNetWorkScan.h"
#include "app/FNetworkSetup.h"
#include "app/FRs232Code.h"
#include "app/SmallWindows.h"
#include "app/lock/FLockMode.h"
#include "app/lock/FLockPassWord.h"
#include "app/lock/FLockSetup.h"
#include "app/lock/LockDialogs.h"
#include "app/presets/FFactory.h"
#include "app/presets/FRecallPreset.h"
#include "app/presets/FStoreName.h"
#include "app/presets/FStorePreset.h"
#include "app/presets/PresetDialogs.h"
#include "editors/channel/ChannelDialogs.h"
#include "editors/channel/FChNameList.h"
#include "editors/channel/FChannelName.h"
#include "editors/channel/FCopy.h"
#include "editors/channel/FLimitCalculate.h"
#include "editors/channel/FLinkSel.h"
#include "editors/channel/FPeqRst.h"
#include "editors/channel/FSourceSelect.h"
#include "editors/channel/FTest.h"
#include "controls/buttons/rz/RzClasses.h"
#include "controls/buttons/vr/VrClasses.h"
#include "controls/plot/plot/iPlotClasses.h"
#include "controls/skinned/SkinnedClasses.h"
#include "response/ResponseControls.h"
#include "Artwork.h"
#include "controls/buttons/rz/RzClasses.h"
#include "controls/buttons/vr/VrClasses.h"
#include "controls/skinned/SkinnedClasses.h"
#include "platform/gui/Application.h"
#include "platform/gui/PictureResources.h"
#include "platform/gui/StandardClasses.h"
#include "response/ResponseControls.h"

#include <exception>
#include <stdexcept>
#include <string>
#include <string_view>

void qx::registerEditorClasses()
{
    registerStandardClasses();
    registerSkinnedClasses();
    registerRzClasses();
    registerVrClasses();
    registerResponseControls();
    registerPlotClasses();
    setPictureResolver([](const std::string& name) {
        std::string_view bytes = art::resource(name);
        if (bytes.empty())
            bytes = art::resource(name + ".png");
        return Bytes(bytes.begin(), bytes.end());
    });
    registerMainWindow();
    registerSmallWindows();
    registerRs232CodeWindows();
    registerInFirPassWord();
    registerPresetDialogs();
    registerLockDialogs();
    registerConnectionWindows();
    registerChannelDialogs();
}

// The windows in their order; those whose code is not built yet are named
// where they come, so the order stays as it is when they are added.
void qx::createWindows()
{
    Application->SetTitle(kApplicationTitle);
    Application->CreateForm(fmMain);
    Application->CreateForm(fmHidData);
    Application->CreateForm(fmPeqRst);
    Application->CreateForm(fmAbout);
    Application->CreateForm(fmRs232Code);
    Application->CreateForm(fmRs232CodeEnglish);
    Application->CreateForm(fmLockPassWord);
    Application->CreateForm(fmLockSetup);
    Application->CreateForm(fmLimitCalculate);
    Application->CreateForm(fmNetwork);
    Application->CreateForm(fmProcess);
    Application->CreateForm(fmInformation);
    Application->CreateForm(fmLockMode);
    Application->CreateForm(fmMemo);
    Application->CreateForm(fmRecallPreset);
    Application->CreateForm(fmChannelName);
    Application->CreateForm(fmStorePreset);
    Application->CreateForm(fmFactory);
    Application->CreateForm(fmTest);
    Application->CreateForm(fmLinkSel);
    Application->CreateForm(fmChNameList);
    Application->CreateForm(fmStoreName);
    Application->CreateForm(fmNetworkSetup);
    Application->CreateForm(fmCopy);
    Application->CreateForm(fmExit);
    Application->CreateForm(fmSourceSelect);
    Application->CreateForm(fmInFirPassWord);
    fmMain->AttachConnectionWindows();
}

int qx::runEditor()
{
    try {
        registerEditorClasses();
        createWindows();
        Application->Run();
    } catch (const std::exception& e) {
        Application->ShowException(e);
    } catch (...) {
        Application->ShowException(std::runtime_error(""));
    }
    return 0;
}
