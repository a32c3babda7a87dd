#include "editors/ShownRows.h"

#include "controls/buttons/rz/RzBmpBtn.h"
#include "controls/skinned/AdvTrackBar.h"
#include "controls/skinned/CurvyControls.h"
#include "editors/channel/DelayMarker.h"
#include "editors/eq/ShownCurves.h"
#include "platform/gui/ComboBox.h"
#include "platform/gui/Control.h"
#include "platform/gui/MenuItem.h"
#include "platform/gui/UpDown.h"
#include "response/LMyFFTDrawHpLp6dB.h"
#include "response/TMyPEQType8.h"

#include <algorithm>
#include <vector>

namespace qx {

namespace {

// The control that shows s, null when it is missing or of another class.
TComponent* targetOf(const TComponent& window, const Shown& s)
{
    switch (s.shows) {
    case Shows::Caption:
    case Shows::Hint:
    case Shows::Enabled:
    case Shows::Visible:
        return findComponent<TControl>(window, s.control);
    case Shows::MarkerLeft:
        return findComponent<TControl>(window, std::get<DelayMarker>(s.value).line)
                   ? findComponent<TControl>(window, s.control)
                   : nullptr;
    case Shows::Text:
        return findComponent<TCurvyEdit>(window, s.control);
    case Shows::Position:
        if (auto* fader = findComponent<TAdvTrackBar>(window, s.control))
            return fader;
        return findComponent<TUpDown>(window, s.control);
    case Shows::Down:
    case Shows::Click:
        return findComponent<TRzBmpButton>(window, s.control);
    case Shows::Item:
        return findComponent<TComboBox>(window, s.control);
    case Shows::Checked:
        return findComponent<TMenuItem>(window, s.control);
    case Shows::PeqRows:
        return findComponent<TMyPEQType8>(window, s.control);
    case Shows::BypassText:
        return findComponent<LMyFFTDrawHpLp6dB>(window, s.control);
    }
    return nullptr;
}

void showPeqRows(TMyPEQType8& grid, const std::vector<PeqRowValues>& rows)
{
    grid.SetNowIndex(0);
    int row = 0;
    for (const PeqRowValues& r : rows)
        grid.SetEqParamValue(row++, r.frequencyHz, r.qStep, r.gainDb, r.type, r.bypassed ? 1 : 0);
}

void write(const TComponent& window, TComponent& target, const Shown& s)
{
    switch (s.shows) {
    case Shows::Caption:
        static_cast<TControl&>(target).SetCaption(std::get<std::string>(s.value));
        break;
    case Shows::Hint:
        static_cast<TControl&>(target).SetHint(std::get<std::string>(s.value));
        break;
    case Shows::Enabled:
        static_cast<TControl&>(target).SetEnabled(std::get<bool>(s.value));
        break;
    case Shows::Visible:
        static_cast<TControl&>(target).SetVisible(std::get<bool>(s.value));
        break;
    case Shows::MarkerLeft: {
        const auto& marker = std::get<DelayMarker>(s.value);
        const int width = findComponent<TControl>(window, marker.line)->Width();
        static_cast<TControl&>(target).SetLeft(delayMarkerLeft(marker.position, marker.maximum, width));
        break;
    }
    case Shows::Text: {
        // The caret put behind the text, as after a program write.
        auto& box = static_cast<TCurvyEdit&>(target);
        box.SetText(std::get<std::string>(s.value));
        box.CaretToEnd();
        break;
    }
    case Shows::Position:
        if (auto* fader = dynamic_cast<TAdvTrackBar*>(&target))
            fader->SetPosition(std::get<int>(s.value));
        else
            static_cast<TUpDown&>(target).SetPosition(std::get<int>(s.value));
        break;
    case Shows::Down:
        static_cast<TRzBmpButton&>(target).SetDown(std::get<bool>(s.value));
        break;
    case Shows::Click:
        static_cast<TRzBmpButton&>(target).Click();
        break;
    case Shows::Item:
        static_cast<TComboBox&>(target).SetItemIndex(std::get<int>(s.value));
        break;
    case Shows::Checked:
        static_cast<TMenuItem&>(target).SetChecked(std::get<bool>(s.value));
        break;
    case Shows::PeqRows:
        showPeqRows(static_cast<TMyPEQType8&>(target), std::get<std::vector<PeqRowValues>>(s.value));
        break;
    case Shows::BypassText:
        showBypassText(static_cast<LMyFFTDrawHpLp6dB&>(target), std::get<bool>(s.value));
        break;
    }
}

} // namespace

bool writeShownRows(const TComponent& window, std::span<const ShownRow> rows)
{
    std::vector<TComponent*> targets;
    for (const ShownRow& row : rows) {
        targets.clear();
        for (const Shown& s : row)
            targets.push_back(targetOf(window, s));
        if (std::find(targets.begin(), targets.end(), nullptr) != targets.end())
            return false;
        for (std::size_t i = 0; i < row.size(); ++i)
            write(window, *targets[i], row[i]);
    }
    return true;
}

} // namespace qx
