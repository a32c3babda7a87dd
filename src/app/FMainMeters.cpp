// The meter poll's display: the level bars and gain-reduction meters of the
// channel, gain, compressor, limiter and gate pages.

#include "app/FMain.h"

#include "controls/buttons/rz/RzBorder.h"
#include "response/LProgressBar.h"

#include <string>

namespace {

// Sets bars and meters by name; after the first name it cannot find it sets
// nothing more, so an update ends where a control is missing.
class MeterWriter
{
public:
    explicit MeterWriter(const TComponent& owner) : owner_(owner) {}

    void bar(const std::string& name, int count)
    {
        if (!ok_)
            return;
        auto* level = qx::findComponent<LProgressBar>(owner_, name);
        ok_ = level != nullptr;
        if (level)
            level->SetPosition(count);
    }
    void meter(const std::string& name, int count)
    {
        if (!ok_)
            return;
        auto* gr = qx::findComponent<TRzMeter>(owner_, name);
        ok_ = gr != nullptr;
        if (gr)
            gr->SetValue(count);
    }

private:
    const TComponent& owner_;
    bool ok_ = true;
};

} // namespace

void TfmMain::ShowMeters(const qx::MeterFrame& frame)
{
    MeterWriter w(*this);
    for (int ch = 0; ch < 4; ++ch) {
        const std::string x(1, static_cast<char>('A' + ch));
        const int level = frame.level[ch];
        w.bar("pbLevelBackupIn" + x, level);
        w.bar("pbLevelIn" + x, level);
        w.bar("pbLevelGateIn" + x, level);
        if (ShownGateInput == ch)
            w.bar("pbLevelGateIn", level);
    }
    for (int ch = 4; ch < 12; ++ch) {
        const int i = ch - 4;
        const std::string n = std::to_string(i + 1);
        const int level = frame.level[ch];
        const bool comp = frame.compEngaged[i];
        const bool limit = frame.limitEngaged[i];
        w.meter("rzmGrCompOut" + n, comp ? frame.compReduction[i] : 0);
        for (const char* name : {"pbLevelCompOut", "pbLevelBackupOut", "pbLevelOut"})
            w.bar(name + n, level);
        w.bar("pbLimitCompOut" + n, comp ? 1 : 0);
        if (ShownCompOutput == ch) {
            w.bar("pbLimitCompOut", comp ? 1 : 0);
            w.bar("pbLevelCompOut", level);
        }
        w.bar("pbLevelLimitOut" + n, level);
        w.bar("pbLimitLimitOut" + n, limit ? 1 : 0);
        if (ShownLimitOutput == ch) {
            w.bar("pbLimitLimitOut", limit ? 1 : 0);
            w.bar("pbLevelLimitOut", level);
        }
        w.bar("pbLimitBackupOut" + n, comp || limit ? 1 : 0);
        w.bar("pbLimitOut" + n, comp || limit ? 1 : 0);
        w.meter("rzmGrLimitOut" + n, limit ? frame.limitReduction[i] : 0);
    }
}

void TfmMain::ClearMeters()
{
    MeterWriter w(*this);
    for (int ch = 0; ch < 4; ++ch) {
        const std::string x(1, static_cast<char>('A' + ch));
        for (const char* name : {"pbLevelIn", "pbLevelBackupIn", "pbLevelGateIn"})
            w.bar(name + x, 0);
    }
    for (int n = 1; n <= 8; ++n) {
        const std::string s = std::to_string(n);
        for (const char* name : {"pbLevelOut", "pbLevelBackupOut", "pbLevelCompOut", "pbLevelLimitOut"})
            w.bar(name + s, 0);
        w.meter("rzmGrCompOut" + s, 0);
        for (const char* name : {"pbLimitOut", "pbLimitBackupOut", "pbLimitCompOut", "pbLimitLimitOut"})
            w.bar(name + s, 0);
        w.meter("rzmGrLimitOut" + s, 0);
    }
    for (const char* name : {"pbLevelCompOut", "pbLimitCompOut", "pbLevelGateIn", "pbLevelLimitOut", "pbLimitLimitOut"})
        w.bar(name, 0);
}
