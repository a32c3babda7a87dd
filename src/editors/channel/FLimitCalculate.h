#pragma once
// A calculator for limiter settings: from the amplifier's gain (typed, or
// worked out from its input sensitivity, rated load and rated power), the
// loudspeaker's rated powers and impedance and the crossover's high-pass
// frequency it works out the limiter thresholds in dBu and suggested attack
// and release ranges. It reads nothing from the model and sends nothing; its
// values stay while the program runs. Shown without waiting.

#include "platform/gui/Form.h"

#include <array>

class TEdit;
class TLabel;
class TRadioButton;
class TRzGroupBox;

class TfmLimitCalculate : public TForm
{
public:
    // The typed values, by the Tag of their box.
    enum Value
    {
        kSensitivity,
        kPowerAes,
        kPowerPeak,
        kImpedance,
        kXoverFrequency,
        kInputVolt,
        kRatedLoad,
        kRatedPower,
        kValueCount
    };

    explicit TfmLimitCalculate(TComponent* Owner);
    ~TfmLimitCalculate() override;

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    // Both radio buttons: Tag 0 the typed gain, 1 the gain worked out.
    void rbSentivity1Click(TObject* Sender);
    // Every box: Enter, or leaving it, takes the typed value.
    void edSentivity1KeyDown(TObject* Sender, Word& Key, TShiftState Shift);
    void edSentivity1Exit(TObject* Sender);
    void Calculate();

    double StoredValue(Value v) const { return values_[static_cast<std::size_t>(v)]; }

    TRadioButton* rbSentivity1 = nullptr;
    TRadioButton* rbSentivity2 = nullptr;
    TRzGroupBox* gbSentivity1 = nullptr;
    TRzGroupBox* gbSentivity2 = nullptr;
    TLabel* lbResultSentivity2 = nullptr;
    TLabel* lbThresholdResultAes = nullptr;
    TLabel* lbThresholdResultPeak = nullptr;
    TLabel* lbAttackResultAes = nullptr;
    TLabel* lbAttackResultPeak = nullptr;
    TLabel* lbReleaseResultAes = nullptr;
    TLabel* lbReleaseResultPeak = nullptr;

private:
    void takeEntry(TObject* sender);

    std::array<double, kValueCount> values_{};
};

extern TfmLimitCalculate* fmLimitCalculate;
