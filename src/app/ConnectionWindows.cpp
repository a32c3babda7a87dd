#include "app/FHidData.h"
#include "app/FNetworkSetup.h"

#include "platform/gui/Button.h"
#include "platform/gui/Edit.h"
#include "platform/gui/GroupBox.h"
#include "platform/gui/Label.h"
#include "platform/gui/ListBox.h"
#include "platform/gui/PropertyRegistry.h"
#include "platform/gui/RadioButton.h"

#include <mutex>

namespace qx {

void registerConnectionWindows()
{
    static std::once_flag once;
    std::call_once(once, [] {
        registerClass<TfmHidData, TForm>("TfmHidData")
            .method("bnClearClick", &TfmHidData::bnClearClick)
            .field("hbHidData", &TfmHidData::hbHidData)
            .field("bnClear", &TfmHidData::bnClear);
        registerClass<TfmNetworkSetup, TForm>("TfmNetworkSetup")
            .method("FormShow", &TfmNetworkSetup::FormShow)
            .method("bnSetClick", &TfmNetworkSetup::bnSetClick)
            .method("bnExitClick", &TfmNetworkSetup::bnExitClick)
            .method("edIdEnter", &TfmNetworkSetup::edIdEnter)
            .method("edIdExit", &TfmNetworkSetup::edIdExit)
            .method("edIdKeyPress", &TfmNetworkSetup::edIdKeyPress)
            .method("edIdMouseDown", &TfmNetworkSetup::edIdMouseDown)
            .method("edIp1Enter", &TfmNetworkSetup::edIp1Enter)
            .method("edIp1Exit", &TfmNetworkSetup::edIp1Exit)
            .method("edIp1KeyPress", &TfmNetworkSetup::edIp1KeyPress)
            .method("edIp1MouseDown", &TfmNetworkSetup::edIp1MouseDown)
            .method("rbManualSettingClick", &TfmNetworkSetup::rbManualSettingClick)
            .method("rbAutoSettingClick", &TfmNetworkSetup::rbAutoSettingClick)
            .field("gbIdSetting", &TfmNetworkSetup::gbIdSetting)
            .field("lbMessage", &TfmNetworkSetup::lbMessage)
            .field("edId", &TfmNetworkSetup::edId)
            .field("gbIpSetting", &TfmNetworkSetup::gbIpSetting)
            .field("edIp1", &TfmNetworkSetup::edIp1)
            .field("edIp2", &TfmNetworkSetup::edIp2)
            .field("edIp3", &TfmNetworkSetup::edIp3)
            .field("edIp4", &TfmNetworkSetup::edIp4)
            .field("Label1", &TfmNetworkSetup::Label1)
            .field("Label2", &TfmNetworkSetup::Label2)
            .field("Label3", &TfmNetworkSetup::Label3)
            .field("rbManualSetting", &TfmNetworkSetup::rbManualSetting)
            .field("rbAutoSetting", &TfmNetworkSetup::rbAutoSetting)
            .field("bnSet", &TfmNetworkSetup::bnSet)
            .field("bnExit", &TfmNetworkSetup::bnExit);
    });
}

} // namespace qx
