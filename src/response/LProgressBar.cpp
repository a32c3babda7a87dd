#include "response/LProgressBar.h"

#include <algorithm>
#include <string>

#include "platform/gui/PropertyRegistry.h"
#include "platform/gui/Shape.h"

namespace {
constexpr int kDefaultWidth = 14;
constexpr int kDefaultHeight = 132;
} // namespace

LProgressBar::LProgressBar(TComponent* AOwner) : TPanel(AOwner)
{
    SetBevelInner(bvLowered);
    SetBevelOuter(bvLowered);
    SetColor(clBlack);
    SetBounds(Left(), Top(), kDefaultWidth, kDefaultHeight);
    storedWidth_ = kDefaultWidth;
    storedHeight_ = kDefaultHeight;
    rebuildSegments();
}

LProgressBar::~LProgressBar() = default;

int LProgressBar::ZoneOf(int k) const
{
    if (k <= counts_[0]) {
        return 0;
    }
    return k <= counts_[0] + counts_[1] ? 1 : 2;
}

TColor LProgressBar::SegmentColor(int k) const
{
    return Segment(k)->Brush().Color;
}

int LProgressBar::LitCount() const
{
    int lit = 0;
    for (int k = 1; k <= SegmentCount(); ++k) {
        const TColor c = SegmentColor(k);
        lit += (c == litColours_[0] || c == litColours_[1] || c == litColours_[2]) ? 1 : 0;
    }
    return lit;
}

void LProgressBar::setFill(int k, TColor c)
{
    TShape* s = Segment(k);
    TBrush b = s->Brush();
    b.Color = c;
    s->SetBrush(b);
}

void LProgressBar::SetPosition(int v)
{
    if (v == position_) {
        return;
    }
    position_ = v > max_ ? max_ : std::max(v, min_);
    const int n = SegmentCount();
    int lit = 0;
    if (n > 0 && max_ > 0) {
        const float step = static_cast<float>(max_) / static_cast<float>(n);
        lit = std::min(static_cast<int>(static_cast<float>(position_) / step), n);
        if (v >= max_ && lit < n) {
            ++lit;
        }
        lit = std::max(lit, 0);
    }
    for (int k = 1; k <= n; ++k) {
        const TColor c = SegmentColor(k);
        const bool on = k > n - lit;
        for (int zone = 0; zone < 3; ++zone) {
            const TColor from = on ? colours_[zone] : litColours_[zone];
            if (c == from) {
                setFill(k, on ? litColours_[zone] : colours_[zone]);
                break;
            }
        }
    }
}

void LProgressBar::setUnlitColour(int zone, TColor c)
{
    if (c == colours_[zone]) {
        return;
    }
    colours_[zone] = c;
    for (int k = 1; k <= SegmentCount(); ++k) {
        if (ZoneOf(k) == zone) {
            setFill(k, c);
        }
    }
}

void LProgressBar::setLitColour(int zone, TColor c)
{
    if (c == litColours_[zone]) {
        return;
    }
    for (int k = 1; k <= SegmentCount(); ++k) {
        if (ZoneOf(k) == zone && SegmentColor(k) == litColours_[zone]) {
            setFill(k, c);
        }
    }
    litColours_[zone] = c;
}

void LProgressBar::setCount(int zone, int n)
{
    n = std::clamp(n, 0, kMaxZoneSegments);
    if (n == counts_[zone]) {
        return;
    }
    counts_[zone] = n;
    rebuildSegments();
}

void LProgressBar::rebuildSegments()
{
    // The segments there already are kept (a layout sets the three counts in
    // turn); those past the new count go, new ones are added after them.
    const int n = counts_[0] + counts_[1] + counts_[2];
    while (SegmentCount() > n) {
        delete segments_.back();
        segments_.pop_back();
    }
    while (SegmentCount() < n) {
        auto* s = new TShape(this);
        s->SetName("shape" + std::to_string(SegmentCount() + 1));
        s->SetParent(this);
        segments_.push_back(s);
    }
    for (int k = 1; k <= n; ++k) {
        setFill(k, colours_[ZoneOf(k)]);
    }
    layOutSegments();
}

void LProgressBar::layOutSegments()
{
    const int n = SegmentCount();
    if (n == 0) {
        return;
    }
    const int w = Width();
    const int h = Height();
    for (int k = 1; k <= n; ++k) {
        const int top = static_cast<int>(static_cast<double>(h) / n * (k - 1)) - 1;
        Segment(k)->SetBounds(0, top, w, h / n + 2);
    }
}

void LProgressBar::WndProc(TMessage& Message)
{
    TPanel::WndProc(Message);
    if (Message.Msg != WM_PAINT && Message.Msg != CM_INVALIDATE) {
        return;
    }
    if (storedWidth_ != 0 && (Width() != storedWidth_ || Height() != storedHeight_)) {
        storedWidth_ = Width();
        storedHeight_ = Height();
        layOutSegments();
    }
}

namespace qx {

void registerLevelBarClass()
{
    registerClass<LProgressBar, TPanel>("LProgressBar")
        .color("FirstColor", &LProgressBar::GetFirstColor, &LProgressBar::SetFirstColor)
        .colorDefault(128)
        .color("SecondColor", &LProgressBar::GetSecondColor, &LProgressBar::SetSecondColor)
        .colorDefault(32896)
        .color("ThirdColor", &LProgressBar::GetThirdColor, &LProgressBar::SetThirdColor)
        .colorDefault(32768)
        .property("FirstNum", &LProgressBar::GetFirstNum, &LProgressBar::SetFirstNum)
        .defaultValue(1)
        .property("SecondNum", &LProgressBar::GetSecondNum, &LProgressBar::SetSecondNum)
        .defaultValue(1)
        .property("ThirdNum", &LProgressBar::GetThirdNum, &LProgressBar::SetThirdNum)
        .defaultValue(3)
        .property("Position", &LProgressBar::GetPosition, &LProgressBar::SetPosition)
        .defaultValue(0)
        .property("Max", &LProgressBar::GetMax, &LProgressBar::SetMax)
        .defaultValue(0)
        .property("Min", &LProgressBar::GetMin, &LProgressBar::SetMin)
        .defaultValue(0)
        .color("LFirstColor", &LProgressBar::GetLFirstColor, &LProgressBar::SetLFirstColor)
        .colorDefault(255)
        .color("LSecondColor", &LProgressBar::GetLSecondColor, &LProgressBar::SetLSecondColor)
        .colorDefault(65535)
        .color("LThirdColor", &LProgressBar::GetLThirdColor, &LProgressBar::SetLThirdColor)
        .colorDefault(65280);
}

} // namespace qx
