#include "app/FNetWorkScan.h"

#include "app/ConnectionHost.h"
#include "link/DeviceOpenFailure.h"
#include "platform/gui/Button.h"
#include "platform/gui/ComboBox.h"
#include "platform/gui/Label.h"
#include "platform/gui/ProgressBar.h"
#include "platform/gui/Strings.h"
#include "platform/gui/Timer.h"
#include "platform/serial/SerialPortList.h"
#include "platform/text/Format.h"

#include <cstring>

TfmNetwork* fmNetwork = nullptr;

TfmNetwork::TfmNetwork(TComponent* Owner) : TForm(Owner) { LoadLayout("FNetWorkScan"); }

std::string TfmNetwork::translated(const char* id) const { return std::string(host_->Translate(id)); }

int TfmNetwork::probeCount() const { return cbCOM->Items()->Count() + LeadProbeCount; }

void TfmNetwork::enableButtons(bool enabled)
{
    btnOK->SetEnabled(enabled);
    btnId->SetEnabled(enabled);
    btnExit->SetEnabled(enabled);
}

// A link-lost report still pending from the last connection would mark this
// scan broken and offer its buttons in the middle of it.
void TfmNetwork::ResetScan()
{
    tmLinkBroken->SetEnabled(false);
    tmOpenRetry->SetEnabled(false);
    lblAccess->SetCaption("");
    LeadProbeCount = 0;
    enableButtons(false);
    StartScan();
}

// The serial ports in ascending order of name and whole trailing number.
void TfmNetwork::fillPortList()
{
    TStrings& items = *cbCOM->Items();
    items.Clear();
    for (const std::string& port : qx::listSerialPorts())
        items.Add(port);
    if (items.Count() > 0)
        cbCOM->SetItemIndex(0);
}

void TfmNetwork::StartScan()
{
    fillPortList();
    TTimer* run = nullptr;
    const char* text = nullptr;
    if (host_->HasHidDevice()) {
        run = tmRunUsbConnect;
        text = "SID_SCAN_USB";
    } else if (host_->GetDeviceAddress() != 0) {
        run = tmRunNetConnect;
        text = "SID_SCAN_NET";
    }
    if (run) {
        LeadProbeCount += 1;
        ProbeNumber = 1;
        pbScan->SetMax(probeCount());
        showProbe(translated(text));
        armWatchdog(kLeadWatchdogMs);
        run->SetEnabled(true);
    } else if (cbCOM->Items()->Count() > 0) {
        ProbeNumber = 1;
        pbScan->SetMax(probeCount());
        startSerialProbe();
    } else {
        pbScan->SetPosition(pbScan->Max());
        lblScan->SetCaption(translated("SID_NO_DEVICE"));
        lblDeviceID->SetCaption("");
        tmConnect->SetEnabled(true);
    }
}

void TfmNetwork::showProbe(const std::string& text)
{
    retriesLeft_ = kOpenRetries;
    pbScan->SetPosition(ProbeNumber);
    lblDeviceID->SetCaption(std::to_string(ProbeNumber) + "/" + std::to_string(probeCount()));
    lblScan->SetCaption(text);
}

void TfmNetwork::startSerialProbe()
{
    const std::string port = cbCOM->Items()->Strings(ProbeNumber - LeadProbeCount - 1);
    host_->SetComPortName(port);
    showProbe(translated("SID_SCAN") + port + " ......");
    armWatchdog(kSerialWatchdogMs);
    tmRunComConnect->SetEnabled(true);
}

// Each probe gets the whole watchdog time, counted from its own start.
void TfmNetwork::armWatchdog(unsigned milliseconds)
{
    tmWatchDog->SetEnabled(false);
    tmWatchDog->SetInterval(milliseconds);
    tmWatchDog->SetEnabled(true);
}

void TfmNetwork::NotifyConnectResult(unsigned char result)
{
    ConnectResult = result;
    tmWatchDog->SetEnabled(false); // the probe has reported
    tmConnect->SetEnabled(true);
}

void TfmNetwork::NotifyLinkLost()
{
    ConnectResult = 0;
    tmLinkBroken->SetEnabled(true);
    host_->CloseProgressWindow();
}

bool TfmNetwork::NotifyOpenFailure(const qx::DeviceOpenFailure& failure)
{
    if (failure.problem() == qx::OpenProblem::None)
        return false;
    if (failure.mayRetry && retriesLeft_ > 0) {
        retriesLeft_ -= 1;
        retryRun_ = failure.usb ? tmRunUsbConnect : tmRunComConnect;
        tmOpenRetry->SetInterval(kOpenRetryMs);
        tmOpenRetry->SetEnabled(true);
        return true;
    }
    lblAccess->SetCaption(accessText(failure));
    return false;
}

std::string TfmNetwork::accessText(const qx::DeviceOpenFailure& failure) const
{
    switch (failure.problem()) {
    case qx::OpenProblem::PermissionDenied:
        return Format(translated(failure.usb ? "SID_ACCESS_USB_DENIED" : "SID_ACCESS_SERIAL_DENIED"), failure.path);
    case qx::OpenProblem::Busy:
        return Format(translated("SID_ACCESS_BUSY"), failure.path);
    case qx::OpenProblem::Gone:
        return Format(translated("SID_ACCESS_GONE"), failure.path);
    case qx::OpenProblem::Other:
        return Format(translated("SID_ACCESS_FAILED"), failure.path, std::strerror(failure.error));
    case qx::OpenProblem::None:
        break;
    }
    return {};
}

// A retry of a device just plugged in; a dialog closed meanwhile tries nothing.
void TfmNetwork::tmOpenRetryTimer(TObject*)
{
    tmOpenRetry->SetEnabled(false);
    if (Visible() && retryRun_)
        retryRun_->SetEnabled(true);
}

void TfmNetwork::tmConnectTimer(TObject*)
{
    tmConnect->SetEnabled(false);
    if (ConnectResult == 1) {
        tmWatchDog->SetEnabled(false);
        Close();
        return;
    }
    host_->Disconnect();
    if (ProbeNumber >= probeCount()) {
        endScan("SID_NO_DEVICE");
        pbScan->SetPosition(pbScan->Max());
        return;
    }
    ProbeNumber += 1;
    startSerialProbe();
}

void TfmNetwork::endScan(const char* stringId)
{
    tmWatchDog->SetEnabled(false);
    enableButtons(true);
    lblScan->SetCaption(translated(stringId));
    lblDeviceID->SetCaption("");
}

void TfmNetwork::tmLinkBrokenTimer(TObject*)
{
    tmLinkBroken->SetEnabled(false);
    enableButtons(true);
    lblScan->SetCaption(translated("SID_LINK_BROKEN"));
    lblDeviceID->SetCaption("");
}

// A probe that got no report ends here; a dialog that is not shown does not
// scan on.
void TfmNetwork::tmWatchDogTimer(TObject*)
{
    tmWatchDog->SetEnabled(false);
    if (Visible())
        tmConnect->SetEnabled(true);
}

void TfmNetwork::tmRunUsbConnectTimer(TObject*)
{
    tmRunUsbConnect->SetEnabled(false);
    host_->ConnectUsb();
}

void TfmNetwork::tmRunNetConnectTimer(TObject*)
{
    tmRunNetConnect->SetEnabled(false);
    host_->ConnectNet();
}

void TfmNetwork::tmRunComConnectTimer(TObject*)
{
    tmRunComConnect->SetEnabled(false);
    host_->ConnectCom();
}

void TfmNetwork::btnOKClick(TObject*)
{
    host_->PrepareNetworkScan();
    ResetScan();
}

void TfmNetwork::btnIdClick(TObject*) { host_->OpenNetworkSetup(); }

void TfmNetwork::btnExitClick(TObject*)
{
    host_->EnableLinkControls();
    Close();
}

void TfmNetwork::FormShow(TObject*)
{
    if (!host_)
        return; // shown on its own (a screenshot): the layout's texts stay
    SetCaption(translated("SID_CONNECT"));
    btnOK->SetCaption(translated("SID_START_SCAN"));
    btnExit->SetCaption(translated("SID_DEMO"));
    btnId->SetCaption(translated("SID_SET"));
}

void TfmNetwork::FormHide(TObject*)
{
    tmWatchDog->SetEnabled(false);
    tmOpenRetry->SetEnabled(false);
}
