#pragma once
// What the main window's pages show of the unit-state record, worked out
// without widgets: every control's text, position, Down state or selected
// item by its composed name, the tap counts of the FIR coefficient buffers,
// the taps in use of the FIR budget and the channel curves to draw. A binder
// writes the rows into the controls.
//
// Positions are clamped into the controls' ranges (ShownRange) before any
// text is made from them, so a stored value beyond a range shows at the
// nearest end, text included; an item index beyond a list selects nothing.

#include "model/FirImage.h"
#include "model/UnitRecord.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

class LUnitControl;

namespace qx {

// A control's position range.
struct ShownRange
{
    int min = 0;
    int max = 0;
    int clamp(int value) const { return value < min ? min : value > max ? max : value; }
};

// The ranges and list lengths of the controls the view positions; the
// window's layout gives its controls the same.
namespace shown {
inline constexpr ShownRange kGain{-280, 120};
inline constexpr ShownRange kDelay{0, 32640};
inline constexpr ShownRange kMixLevel{-280, 0};
inline constexpr ShownRange kThreshold{-180, 40};
inline constexpr ShownRange kRatio{0, 15};
inline constexpr ShownRange kAttack{0, 9998};
inline constexpr ShownRange kRelease{0, 2999};
inline constexpr ShownRange kKnee{0, 12};
inline constexpr ShownRange kFirLowCut{88, 299};
inline constexpr ShownRange kFirHighCut{89, 300};
inline constexpr ShownRange kCrossover{0, 300};
inline constexpr int kModeItems = 3;
inline constexpr int kFirTypeItems = 4;
inline constexpr int kFirWindowItems = 11;
inline constexpr int kFirTapsItems = 25;
inline constexpr int kSlopeItems = 20;
} // namespace shown

// One band of a PEQ grid row: frequency in Hz, Q as its step (index), gain
// in dB, PEQ type and whether the band is bypassed.
struct PeqRowValues
{
    double frequencyHz = 1000.0;
    int qStep = 0;
    double gainDb = 0.0;
    int type = 0;
    bool bypassed = false;
    friend bool operator==(const PeqRowValues&, const PeqRowValues&) = default;
};

// One PEQ band as the response model takes it.
struct CurveBand
{
    double gainDb = 0.0;
    double frequencyHz = 1000.0;
    double q = 0.71;
    int filterCode = 10; // 10: bypassed, a flat section
};

// The FIR section of a channel: flat, a designed filter or the channel's
// coefficient buffer (its first `coefficients` values).
struct CurveFir
{
    enum class Kind
    {
        Flat,
        Designed,
        Coefficients
    };
    Kind kind = Kind::Flat;
    int type = 0;   // design type 1-3
    int window = 0; // 0-10
    double lowCutHz = 0.0;
    double highCutHz = 0.0;
    int taps = 0;
    int coefficients = 0;
};

struct ChannelCurve
{
    std::vector<CurveBand> bands;
    CurveFir fir;
};

// The delay marker's place on its line: the binder measures the line.
struct DelayMarker
{
    int position = 0;
    int maximum = 0;
    std::string line;
    friend bool operator==(const DelayMarker&, const DelayMarker&) = default;
};

// How a value reaches its control.
enum class Shows
{
    Caption,    // a label's or button's caption
    Text,       // a value box's text, the caret behind it
    Hint,
    Position,   // a fader's or up-down's position
    Down,       // a bitmap button's Down, set without a click
    Item,       // a combo box's item index (-1: none)
    Enabled,
    Checked,    // a menu item's check mark
    Visible,
    PeqRows,    // a PEQ grid's rows from the first on, row 0 highlighted
    BypassText, // "BYPASS" over a response graph, or no text
    MarkerLeft, // the delay marker placed on its line
    Click,      // a bitmap button pressed as a user would
};

using ShownValue = std::variant<std::monostate, bool, int, std::string, std::vector<PeqRowValues>, DelayMarker>;

struct Shown
{
    std::string control;
    Shows shows = Shows::Caption;
    ShownValue value;
};

// Controls written together, in order; a row with a missing control is
// left out and the next row is written.
using ShownRow = std::vector<Shown>;

// The positions of an input's gate faders (threshold, attack, release,
// hold; none for a missing fader): the record holds no gate values, so the
// faders keep their positions and the texts are made from them.
using GatePositions = std::array<std::optional<int>, 4>;

struct UnitViewInputs
{
    int currentPreset = 0;
    bool initialising = false;
    // The coefficient buffers' tap counts before the record is shown: a
    // designed output FIR keeps its count.
    FirCounts firCounts{};
    std::array<GatePositions, kInputCount> gates{};
    // The text of a string id in the window's language.
    std::function<std::string(std::string_view)> translate;
};

class UnitView
{
public:
    UnitView(const LUnitControl& unit, const UnitViewInputs& inputs);

    // Rows in the order they are written: the preset, inputs A-D, outputs
    // 1-8, the delay unit and the input and output select.
    const std::vector<ShownRow>& rows() const { return rows_; }

    const FirCounts& firCounts() const { return firCounts_; }
    int firTapsInUse() const { return firTapsInUse_; }
    const ChannelCurve& curve(int c) const { return curves_[static_cast<std::size_t>(c)]; }

    // Value-box texts of positions.
    static std::string frequencyText(int index);
    static std::string thresholdText(int position);
    static std::string ratioText(int position);
    static std::string attackText(int position);
    static std::string releaseText(int position);
    static std::string kneeText(int position);
    static std::string gateTimeText(int position);

private:
    void showPreset();
    void showInput(int c);
    void showOutput(int c);
    void showName(int c);
    void showPeq(int c);
    void showGate(int c);
    void showInputFir(int c);
    void showGain(int c);
    void showPolarity(int c);
    void showDelay(int c);
    void showMute(int c);
    void showEqBypass(int c);
    void showMatrix(int c);
    void showOutputFir(int c);
    void showCrossover(int c, bool highPass);
    void showDynamics(int c, bool limiter);
    void showDelayUnit();
    void showIoSelect();
    std::vector<PeqRowValues> peqRowsOf(int c) const;
    ChannelCurve curveOf(int c) const;

    const LUnitControl& unit_;
    UnitViewInputs inputs_;
    std::vector<ShownRow> rows_;
    FirCounts firCounts_{};
    int firTapsInUse_ = 0;
    std::array<ChannelCurve, kChannelCount> curves_;
};

} // namespace qx
