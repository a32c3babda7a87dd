#pragma once
// The connection scan dialog: tries USB or Ethernet, then every serial port,
// one probe after another, until the processor answers the handshake.

#include "platform/gui/Form.h"

#include <string>

class TButton;
class TComboBox;
class TImage;
class TLabel;
class TProgressBar;
class TTimer;

namespace qx {
class ConnectionHost;
struct DeviceOpenFailure;
} // namespace qx

class TfmNetwork : public TForm
{
public:
    static constexpr unsigned kLeadWatchdogMs = 6000;
    static constexpr unsigned kSerialWatchdogMs = 10000;
    // A node just plugged in is tried this many times more, this far apart,
    // while udev gives it its rights.
    static constexpr int kOpenRetries = 6;
    static constexpr unsigned kOpenRetryMs = 250;

    explicit TfmNetwork(TComponent* Owner);

    // The main window whose links the dialog starts; set before the first scan.
    void SetHost(qx::ConnectionHost& host) { host_ = &host; }

    void ResetScan();
    void StartScan();
    // The main window's reports: the handshake answered (1) or the probe
    // failed (0); the link was lost.
    void NotifyConnectResult(unsigned char result);
    void NotifyLinkLost();
    bool IsConnected() const { return ConnectResult != 0; }
    // The device of the probe would not open. True when the dialog tries it
    // again shortly (a node just plugged in); otherwise false, and for a
    // refusal of rights, a busy or vanished device or another error of the
    // system lblAccess says so with the device path and what to do.
    bool NotifyOpenFailure(const qx::DeviceOpenFailure& failure);

    void FormShow(TObject* Sender);
    void FormHide(TObject* Sender);
    void btnOKClick(TObject* Sender);
    void btnIdClick(TObject* Sender);
    void btnExitClick(TObject* Sender);
    void tmConnectTimer(TObject* Sender);
    void tmLinkBrokenTimer(TObject* Sender);
    void tmWatchDogTimer(TObject* Sender);
    void tmRunUsbConnectTimer(TObject* Sender);
    void tmRunNetConnectTimer(TObject* Sender);
    void tmRunComConnectTimer(TObject* Sender);
    void tmOpenRetryTimer(TObject* Sender);

    int ConnectResult = 0;
    int ProbeNumber = 0;
    int LeadProbeCount = 0;

    TImage* imBase = nullptr;
    TProgressBar* pbScan = nullptr;
    TLabel* lblScan = nullptr;
    TLabel* lblDeviceID = nullptr;
    TLabel* lblAccess = nullptr;
    TComboBox* cbCOM = nullptr;
    TButton* btnOK = nullptr;
    TButton* btnId = nullptr;
    TButton* btnExit = nullptr;
    TTimer* tmConnect = nullptr;
    TTimer* tmLinkBroken = nullptr;
    TTimer* tmWatchDog = nullptr;
    TTimer* tmRunUsbConnect = nullptr;
    TTimer* tmRunNetConnect = nullptr;
    TTimer* tmRunComConnect = nullptr;
    TTimer* tmOpenRetry = nullptr;

private:
    int probeCount() const;
    void fillPortList();
    void showProbe(const std::string& text);
    void startSerialProbe();
    void armWatchdog(unsigned milliseconds);
    void endScan(const char* stringId);
    void enableButtons(bool enabled);
    std::string translated(const char* id) const;
    std::string accessText(const qx::DeviceOpenFailure& failure) const;

    qx::ConnectionHost* host_ = nullptr;
    // The probe's start timer that a retry enables again, and the retries
    // left to the probe.
    TTimer* retryRun_ = nullptr;
    int retriesLeft_ = 0;
};

extern TfmNetwork* fmNetwork;
