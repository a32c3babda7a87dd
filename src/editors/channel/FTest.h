#pragma once
// Chooses the signal the processor takes at its inputs: the analogue input,
// pink or white noise, or a sine at one of 31 third-octave frequencies, with
// one level for the generated signals. Each choice is sent at once (unless
// the main window is busy); the dialog's controls are the only record of the
// test signal between model loads, which put them back to the model's.

#include "platform/gui/Form.h"

class TAdvTrackBar;
class TComboBox;
class TLabel;
class TRadioButton;
class TRzBmpButton;

class TfmTest : public TForm
{
public:
    explicit TfmTest(TComponent* Owner);
    ~TfmTest() override;

    void FormShow(TObject* Sender);
    // The four radio buttons; the Tag is the kind.
    void rbAnalogInClick(TObject* Sender);
    void cbSineFreqSelect(TObject* Sender);
    void isToneGainChange(TObject* Sender);
    void bnExitClick(TObject* Sender);

    void SetSignalKind(int kind) { SignalKind = kind; }
    // The model's test signal (with the main window busy): kind 0-3
    // (another checks no button), sine index, attenuation in 0.5 dB steps.
    void ShowModel(int kind, int sineIndex, int attenuation);

    TRadioButton* rbAnalogIn = nullptr;
    TRadioButton* rbPinkNoise = nullptr;
    TRadioButton* rbWhiteNoise = nullptr;
    TRadioButton* rbSineWave = nullptr;
    TComboBox* cbSineFreq = nullptr;
    TAdvTrackBar* isToneGain = nullptr;
    TLabel* lbLevel = nullptr;
    TLabel* lbToneGain = nullptr;
    TRzBmpButton* bnExit = nullptr;

    // 0 analogue input, 1 pink noise, 2 white noise, 3 sine.
    int SignalKind = 0;

private:
    // The sine index sent: the list's item, or the last one it had while
    // it has none.
    int sineIndex();
    void send(int kind, bool urgent);

    int lastSineIndex_ = 0;
};

extern TfmTest* fmTest;
