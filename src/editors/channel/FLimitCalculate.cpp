#include "editors/channel/FLimitCalculate.h"

#include "controls/buttons/rz/RzPanel.h"
#include "editors/channel/ChannelDialogHost.h"
#include "platform/gui/Edit.h"
#include "platform/gui/Label.h"
#include "platform/gui/RadioButton.h"
#include "platform/text/CNumberReader.h"
#include "platform/text/Format.h"

#include <cmath>
#include <string>
#include <string_view>

TfmLimitCalculate* fmLimitCalculate = nullptr;

namespace {

constexpr Word kEnter = 13;
constexpr std::string_view kNumberChars = "0123456789., ";
// The dBu reference: 0.775 V.
constexpr double kDbuVolt = 0.775;
constexpr double kMsPerSecond = 1000.0;

// Defaults and box formats, by value.
constexpr std::array<double, TfmLimitCalculate::kValueCount> kDefaults = {31.24, 300, 1200, 8, 100, 0.775, 4, 200};
constexpr std::array<const char*, TfmLimitCalculate::kValueCount> kFormats = {"%4.1f", "%5.1f", "%5.1f", "%5.1f",
                                                                            "%5.1f", "%4.3f", "%4.1f", "%4.1f"};

double dbu(double watts, double ohms) { return 20.0 * std::log10(std::sqrt(watts * ohms) * (1.0 / kDbuVolt)); }

// Release times are longer the lower the crossover: 16 periods up to 125 Hz,
// 8 up to 500 Hz, 4 up to 1 kHz, else 2.
double releasePeriods(double hz)
{
    if (hz <= 125.0)
        return 16.0;
    if (hz <= 500.0)
        return 8.0;
    if (hz <= 1000.0)
        return 4.0;
    return 2.0;
}

} // namespace

TfmLimitCalculate::TfmLimitCalculate(TComponent* Owner) : TForm(Owner) { LoadLayout("FLimitCalculate"); }

TfmLimitCalculate::~TfmLimitCalculate()
{
    if (fmLimitCalculate == this)
        fmLimitCalculate = nullptr;
}

void TfmLimitCalculate::FormCreate(TObject*) { values_ = kDefaults; }

void TfmLimitCalculate::FormShow(TObject*) { qx::captionFromHost(*this, "SID_LMT_CALCULATE"); }

void TfmLimitCalculate::rbSentivity1Click(TObject* Sender)
{
    auto* button = dynamic_cast<TControl*>(Sender);
    if (!button)
        return;
    (button->Tag() == 0 ? gbSentivity1 : gbSentivity2)->BringToFront();
    Calculate();
}

void TfmLimitCalculate::edSentivity1KeyDown(TObject* Sender, Word& Key, TShiftState)
{
    if (Key == kEnter)
        takeEntry(Sender);
}

void TfmLimitCalculate::edSentivity1Exit(TObject* Sender) { takeEntry(Sender); }

// Digits, points, commas and blanks only (no sign); a value the box would
// show as 0 is refused too, as no formula takes it (a period or a logarithm
// of 0). A refused text gives the box its stored value back.
void TfmLimitCalculate::takeEntry(TObject* Sender)
{
    auto* box = dynamic_cast<TEdit*>(Sender);
    if (!box || box->Tag() < 0 || box->Tag() >= kValueCount)
        return;
    const auto v = static_cast<std::size_t>(box->Tag());
    const std::string text = box->Text();
    const double value = qx::CLocaleAtof(text);
    const bool refused = text.empty() || text.find_first_not_of(kNumberChars) != std::string::npos ||
                         qx::CLocaleAtof(Format(kFormats[v], value)) == 0.0;
    box->SetText("");
    if (refused) {
        box->SetText(Format(kFormats[v], values_[v]));
        box->SetSelStart(static_cast<int>(box->Text().size()));
        return;
    }
    values_[v] = value;
    box->SetText(Format(kFormats[v], value));
    Calculate();
}

void TfmLimitCalculate::Calculate()
{
    double gain = values_[kSensitivity];
    if (!rbSentivity1->Checked()) {
        const double worked = std::sqrt(values_[kRatedPower] * values_[kRatedLoad]) / values_[kInputVolt];
        gain = std::trunc(2000.0 * std::log10(worked)) / 100.0;
        lbResultSentivity2->SetCaption(Format("%4.1f", gain));
    }
    const double impedance = values_[kImpedance];
    lbThresholdResultAes->SetCaption(Format("%4.1f", dbu(values_[kPowerAes], impedance) - gain));
    lbThresholdResultPeak->SetCaption(Format("%4.1f", dbu(values_[kPowerPeak], impedance) - gain));
    const double hz = values_[kXoverFrequency];
    const double attack = kMsPerSecond / hz;
    const double release = attack * releasePeriods(hz);
    lbAttackResultAes->SetCaption(Format("%4.1f - %4.1f", attack, 4 * attack));
    lbReleaseResultAes->SetCaption(Format("%4.0f - %4.0f", release, 4 * release));
    lbAttackResultPeak->SetCaption(Format("%4.1f - %4.1f", attack / 2, attack));
    lbReleaseResultPeak->SetCaption(Format("%4.0f - %4.0f", release / 2, release));
}
