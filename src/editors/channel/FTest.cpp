#include "editors/channel/FTest.h"

#include "codec/CmMcs.h"
#include "controls/buttons/rz/RzBmpBtn.h"
#include "controls/skinned/AdvTrackBar.h"
#include "editors/channel/ChannelDialogHost.h"
#include "platform/gui/ComboBox.h"
#include "platform/gui/Label.h"
#include "platform/gui/RadioButton.h"
#include "platform/text/Format.h"

#include <array>

TfmTest* fmTest = nullptr;

namespace {
constexpr int kSineKind = 3;
constexpr double kDbPerStep = 0.5;
} // namespace

TfmTest::TfmTest(TComponent* Owner) : TForm(Owner) { LoadLayout("FTest"); }

TfmTest::~TfmTest()
{
    if (fmTest == this)
        fmTest = nullptr;
}

void TfmTest::FormShow(TObject*)
{
    qx::captionFromHost(*this, "SID_TEST_TITLE");
    qx::captionFromHost(*bnExit, "SID_EXIT");
    qx::captionFromHost(*rbAnalogIn, "SID_ANALOG_IN");
    qx::captionFromHost(*rbWhiteNoise, "SID_WHITE_IN");
    qx::captionFromHost(*rbPinkNoise, "SID_PINK_IN");
    qx::captionFromHost(*rbSineWave, "SID_SINE_IN");
}

int TfmTest::sineIndex()
{
    if (cbSineFreq->ItemIndex() >= 0)
        lastSineIndex_ = cbSineFreq->ItemIndex();
    return lastSineIndex_;
}

void TfmTest::send(int kind, bool urgent)
{
    qx::ChannelDialogHost* host = qx::channelDialogHost();
    if (!host || host->IsBusy())
        return;
    host->SendCommand(CM_MCS_WORK_MODE(host->GetDeviceId(), static_cast<std::uint8_t>(kind),
                                       static_cast<std::uint8_t>(sineIndex()),
                                       static_cast<std::uint8_t>(-isToneGain->Position())),
                      urgent);
}

void TfmTest::rbAnalogInClick(TObject* Sender)
{
    auto* button = dynamic_cast<TRadioButton*>(Sender);
    if (!button)
        return;
    SignalKind = button->Tag();
    send(SignalKind, true);
}

void TfmTest::cbSineFreqSelect(TObject*)
{
    rbSineWave->SetChecked(true);
    send(kSineKind, true);
}

void TfmTest::isToneGainChange(TObject*)
{
    lbToneGain->SetCaption(Format("%4.1f dB", isToneGain->Position() * kDbPerStep));
    send(SignalKind, false);
}

void TfmTest::ShowModel(int kind, int sineIndex, int attenuation)
{
    const std::array<TRadioButton*, 4> buttons = {rbAnalogIn, rbPinkNoise, rbWhiteNoise, rbSineWave};
    if (kind >= 0 && kind < static_cast<int>(buttons.size()))
        buttons[static_cast<std::size_t>(kind)]->SetChecked(true);
    SignalKind = kind;
    cbSineFreq->SetItemIndex(sineIndex);
    isToneGain->SetPosition(-attenuation);
}

void TfmTest::bnExitClick(TObject*) { Close(); }
