#include "app/FHidData.h"
#include "app/FNetWorkScan.h"
#include "app/FNetworkSetup.h"

#include "platform/gui/Button.h"
#include "platform/gui/Edit.h"
#include "platform/gui/ComboBox.h"
#include "platform/gui/GroupBox.h"
#include "platform/gui/Image.h"
#include "platform/gui/Label.h"
#include "platform/gui/ListBox.h"
#include "platform/gui/PropertyRegistry.h"
#include "platform/gui/ProgressBar.h"
#include "platform/gui/RadioButton.h"
#include "platform/gui/Timer.h"

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
        registerClass<TfmNetwork, TForm>("TfmNetwork")
            .method("FormShow", &TfmNetwork::FormShow)
            .method("FormHide", &TfmNetwork::FormHide)
            .method("btnOKClick", &TfmNetwork::btnOKClick)
            .method("btnIdClick", &TfmNetwork::btnIdClick)
            .method("btnExitClick", &TfmNetwork::btnExitClick)
            .method("tmConnectTimer", &TfmNetwork::tmConnectTimer)
            .method("tmLinkBrokenTimer", &TfmNetwork::tmLinkBrokenTimer)
            .method("tmWatchDogTimer", &TfmNetwork::tmWatchDogTimer)
            .method("tmRunUsbConnectTimer", &TfmNetwork::tmRunUsbConnectTimer)
            .method("tmRunNetConnectTimer", &TfmNetwork::tmRunNetConnectTimer)
            .method("tmRunComConnectTimer", &TfmNetwork::tmRunComConnectTimer)
            .method("tmOpenRetryTimer", &TfmNetwork::tmOpenRetryTimer)
            .field("imBase", &TfmNetwork::imBase)
            .field("pbScan", &TfmNetwork::pbScan)
            .field("lblScan", &TfmNetwork::lblScan)
            .field("lblDeviceID", &TfmNetwork::lblDeviceID)
            .field("lblAccess", &TfmNetwork::lblAccess)
            .field("cbCOM", &TfmNetwork::cbCOM)
            .field("btnOK", &TfmNetwork::btnOK)
            .field("btnId", &TfmNetwork::btnId)
            .field("btnExit", &TfmNetwork::btnExit)
            .field("tmConnect", &TfmNetwork::tmConnect)
            .field("tmLinkBroken", &TfmNetwork::tmLinkBroken)
            .field("tmWatchDog", &TfmNetwork::tmWatchDog)
            .field("tmRunUsbConnect", &TfmNetwork::tmRunUsbConnect)
            .field("tmRunNetConnect", &TfmNetwork::tmRunNetConnect)
            .field("tmRunComConnect", &TfmNetwork::tmRunComConnect)
            .field("tmOpenRetry", &TfmNetwork::tmOpenRetry);
    });
}

} // namespace qx
