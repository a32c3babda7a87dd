#pragma once
// Asks for the lock password while the state load of a locked processor
// waits. The processor checks it: its answer (reply 45) arrives through
// SetReplyState, and a check every 100 ms acts on it.

#include <cstdint>

#include "platform/gui/Events.h"
#include "platform/gui/Form.h"

class TButton;
class TEdit;
class TLabel;
class TTimer;

class TfmLockPassWord : public TForm
{
public:
    static constexpr std::uint8_t kWaiting = 255;
    static constexpr std::uint8_t kRefused = 0;
    static constexpr std::uint8_t kAccepted = 1;
    // Checks without an answer before the connection is given up.
    static constexpr int kMaxChecks = 30;

    explicit TfmLockPassWord(TComponent* Owner);

    void FormShow(TObject* Sender);
    void edNameKeyDown(TObject* Sender, Word& Key, TShiftState Shift);
    void RzBmpButton1Click(TObject* Sender);
    void tmCheckTimer(TObject* Sender);
    void tmCmdTimer(TObject* Sender);
    void bnCancelClick(TObject* Sender);

    void SetReplyState(std::uint8_t value) { ReplyState = value; }
    // The main window's tmPts: shows the dialog modally, unless it is
    // already open (a second lock-status answer must not stack a second
    // prompt on the first).
    void ShowForLockedLoad();

    TLabel* lblLockPassword = nullptr;
    TEdit* edName = nullptr;
    TButton* btnOK = nullptr;
    TButton* bnCancel = nullptr;
    TTimer* tmCheck = nullptr;
    TTimer* tmCmd = nullptr;

    std::uint8_t ReplyState = 0;
    int CheckCount = 0;

private:
    void resetEntry();
    void holdLink(bool hold);
};

extern TfmLockPassWord* fmLockPassWord;
