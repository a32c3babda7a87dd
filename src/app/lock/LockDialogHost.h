#pragma once
// What the operation-lock dialogs need from the main window: the send
// router, the disconnect timer, the Lock Mode menu item and the state load.
// The main window implements it; tests use a fake over the simulated
// processor.

#include <cstdint>

class LCmd;

namespace qx {

class LockDialogHost
{
public:
    virtual ~LockDialogHost() = default;

    virtual std::uint8_t GetDeviceId() const = 0;
    virtual void SendCommand(const LCmd& command, bool urgent) = 0;
    // Enables the main window's tmDisconnect, which drops the link.
    virtual void StartDisconnect() = 0;
    virtual void SetLockModeVisible(bool visible) = 0;
    // The state load from its first request, sent non-urgent (the
    // dispatcher's StartStateLoad), after an accepted password.
    virtual void ResumeStateLoad() = 0;
    // While held, the link's time-out and keep-alive stand still, so that a
    // prompt can wait for the user as long as it takes; released, the
    // exchanges it starts follow the link's usual resends.
    virtual void HoldLinkForUser(bool hold) = 0;

protected:
    LockDialogHost() = default;
    LockDialogHost(const LockDialogHost&) = default;
    LockDialogHost& operator=(const LockDialogHost&) = default;
};

// The host of the three lock dialogs (not owned); the main window sets
// itself when it is made. Without one the dialogs send nothing.
void setLockDialogHost(LockDialogHost* host);
LockDialogHost* lockDialogHost();

} // namespace qx
