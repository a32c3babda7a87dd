#pragma once
// The small windows every part of the editor uses: the information dialog,
// the progress window, the quit dialog, the about dialog and the message
// list. Each is made once at start and re-captions itself from the text
// tables every time it is shown.

#include "platform/gui/Form.h"

class TAdvProgressBar;
class TLabel;
class TMemo;
class TRzBmpButton;
class TStatusBar;

// Tells a failure or refusal: a caller sets lbMessage, then shows it modally.
class TfmInformation : public TForm
{
public:
    explicit TfmInformation(TComponent* Owner);
    void FormShow(TObject* Sender);
    void btnOKClick(TObject* Sender);

    TLabel* lbMessage = nullptr;
    TRzBmpButton* btnOK = nullptr;
};

// The advance of a transfer. It has no button: the transfer that opened it
// closes it when it ends or fails.
class TfmProcess : public TForm
{
public:
    explicit TfmProcess(TComponent* Owner);
    void FormShow(TObject* Sender);

    int Position() const;
    int Max() const;
    // The bar keeps the position within Min..Max.
    void SetPosition(int value);
    void SetMax(int value);

    TAdvProgressBar* ProgressBar = nullptr;
    TStatusBar* StatusBar = nullptr;
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
    TRzBmpButton* btnOK = nullptr;
    TRzBmpButton* btnCancel = nullptr;
};

class TfmAbout : public TForm
{
public:
    explicit TfmAbout(TComponent* Owner);
    void FormShow(TObject* Sender);
    void btnOKClick(TObject* Sender);

    TRzBmpButton* btnOK = nullptr;
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
