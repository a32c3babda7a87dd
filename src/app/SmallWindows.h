#pragma once
// The small windows every part of the editor uses: the information dialog,
// the progress window, the quit dialog, the about dialog and the message
// list. Each is made once at start and re-captions itself from the text
// tables every time it is shown.

#include "platform/gui/Form.h"

class TButton;
class TLabel;
class TMemo;
class TPanel;
class TStatusBar;

// Tells a failure or refusal: a caller sets lbMessage, then shows it modally.
class TfmInformation : public TForm
{
public:
    explicit TfmInformation(TComponent* Owner);
    void FormShow(TObject* Sender);
    void btnOKClick(TObject* Sender);

    TLabel* lbMessage = nullptr;
    TButton* btnOK = nullptr;
};

// The advance of a transfer. It has no button: the transfer that opened it
// closes it when it ends or fails.
class TfmProcess : public TForm
{
public:
    explicit TfmProcess(TComponent* Owner);
    void FormShow(TObject* Sender);

    int Position() const { return position_; }
    int Max() const { return max_; }
    // Stores the position clamped to 0..Max.
    void SetPosition(int value);
    void SetMax(int value);

    TPanel* ProgressBar = nullptr;
    TStatusBar* StatusBar = nullptr;

private:
    void showPosition();
    int position_ = 0;
    int max_ = 100;
};

// Asks before the program ends.
class TfmExit : public TForm
{
public:
    explicit TfmExit(TComponent* Owner);
    void FormShow(TObject* Sender);
    void btnOKClick(TObject* Sender);
    void btnExitClick(TObject* Sender);

    TLabel* lbExit = nullptr;
    TButton* btnOK = nullptr;
    TButton* btnCancel = nullptr;
};

class TfmAbout : public TForm
{
public:
    explicit TfmAbout(TComponent* Owner);
    void FormShow(TObject* Sender);
    void btnOKClick(TObject* Sender);

    TButton* btnOK = nullptr;
};

class TfmMemo : public TForm
{
public:
    explicit TfmMemo(TComponent* Owner);
    void bnClearMemoClick(TObject* Sender);

    TMemo* Memo = nullptr;
};

extern TfmInformation* fmInformation;
extern TfmProcess* fmProcess;
extern TfmExit* fmExit;
extern TfmAbout* fmAbout;
extern TfmMemo* fmMemo;

namespace qx {
void registerSmallWindows();
} // namespace qx
