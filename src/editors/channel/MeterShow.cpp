#include "editors/channel/MeterShow.h"

#include "controls/buttons/rz/RzBorder.h"
#include "controls/skinned/AdvTrackBar.h"
#include "model/ControlNames.h"
#include "platform/gui/UpDown.h"
#include "response/LProgressBar.h"

#include <string>

namespace {

class MeterWriter
{
public:
    explicit MeterWriter(const TComponent& form) : form_(form) {}

    // False, and nothing written, when the control is missing.
    bool bar(const std::string& name, int segments) const
    {
        auto* control = qx::findComponent<LProgressBar>(form_, name);
        if (control)
            control->SetPosition(segments);
        return control != nullptr;
    }
    bool meter(const std::string& name, int segments) const
    {
        auto* control = qx::findComponent<TRzMeter>(form_, name);
        if (control)
            control->SetValue(segments);
        return control != nullptr;
    }

private:
    const TComponent& form_;
};

bool showInput(const MeterWriter& w, const std::string& s, int level, bool shownOnGatePage)
{
    return w.bar("pbLevelBackup" + s, level) && w.bar("pbLevel" + s, level) && w.bar("pbLevelGate" + s, level) &&
           (!shownOnGatePage || w.bar("pbLevelGateIn", level));
}

struct OutputMeters
{
    int level = 0;
    bool comp = false;
    bool limit = false;
    int compReduction = 0;
    int limitReduction = 0;
    bool shownComp = false;
    bool shownLimit = false;
};

bool showOutput(const MeterWriter& w, const std::string& s, const OutputMeters& m)
{
    return w.meter("rzmGrComp" + s, m.compReduction) && w.bar("pbLevelComp" + s, m.level) &&
           w.bar("pbLevelBackup" + s, m.level) && w.bar("pbLevel" + s, m.level) &&
           w.bar("pbLimitComp" + s, m.comp ? 1 : 0) &&
           (!m.shownComp || (w.bar("pbLimitCompOut", m.comp ? 1 : 0) && w.bar("pbLevelCompOut", m.level))) &&
           w.bar("pbLevelLimit" + s, m.level) && w.bar("pbLimitLimit" + s, m.limit ? 1 : 0) &&
           (!m.shownLimit || (w.bar("pbLimitLimitOut", m.limit ? 1 : 0) && w.bar("pbLevelLimitOut", m.level))) &&
           w.bar("pbLimitBackup" + s, m.comp || m.limit ? 1 : 0) && w.bar("pbLimit" + s, m.comp || m.limit ? 1 : 0) &&
           w.meter("rzmGrLimit" + s, m.limitReduction);
}

} // namespace

bool qx::isDynamicsArmed(const TComponent& window, int output, bool limiter)
{
    if (output < 0 || output >= qx::kOutputCount)
        return false;
    const std::string kind = limiter ? "Limit" : "Comp";
    const std::string s = qx::channelSuffix(output + qx::kInputCount);
    auto* ratio = qx::findComponent<TUpDown>(window, "ud" + kind + "Ratio" + s);
    auto* threshold = qx::findComponent<TAdvTrackBar>(window, "is" + kind + "Threshold" + s);
    return ratio && threshold && ratio->Position() != 0 && threshold->Position() != threshold->Max();
}

void qx::showMeters(const TComponent& window, const MeterFrame& frame, const MetersShownAlone& alone)
{
    const MeterWriter w(window);
    for (int c = 0; c < qx::kInputCount; ++c)
        if (!showInput(w, qx::channelSuffix(c), frame.level[static_cast<std::size_t>(c)], alone.gateInput == c))
            return;
    for (int i = 0; i < qx::kOutputCount; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const int c = i + qx::kInputCount;
        const OutputMeters m{frame.level[static_cast<std::size_t>(c)],
                             frame.compEngaged[k],
                             frame.limitEngaged[k],
                             frame.compReduction[k],
                             frame.limitReduction[k],
                             alone.compOutput == c,
                             alone.limitOutput == c};
        if (!showOutput(w, qx::channelSuffix(c), m))
            return;
    }
}

void qx::clearMeters(const TComponent& window)
{
    const MeterWriter w(window);
    for (int c = 0; c < qx::kInputCount; ++c) {
        const std::string s = qx::channelSuffix(c);
        if (!w.bar("pbLevel" + s, 0) || !w.bar("pbLevelBackup" + s, 0) || !w.bar("pbLevelGate" + s, 0))
            return;
    }
    for (int c = qx::kInputCount; c < qx::kChannelCount; ++c) {
        const std::string s = qx::channelSuffix(c);
        for (const char* prefix : {"pbLevel", "pbLevelBackup", "pbLevelComp", "pbLevelLimit", "pbLimit",
                                   "pbLimitBackup", "pbLimitComp", "pbLimitLimit"})
            if (!w.bar(prefix + s, 0))
                return;
        if (!w.meter("rzmGrComp" + s, 0) || !w.meter("rzmGrLimit" + s, 0))
            return;
    }
    for (const char* shared : {"pbLevelCompOut", "pbLimitCompOut", "pbLevelGateIn", "pbLevelLimitOut",
                               "pbLimitLimitOut"})
        if (!w.bar(shared, 0))
            return;
}
