#pragma once
// LProgressBar: a vertical level bar of rectangular segments in three colour
// zones (top, middle, bottom), each with an unlit and a lit colour. Setting
// the position lights segments from the bottom up. A segment's fill colour is
// its only state: whether it is lit is read from the colour.

#include <vector>

#include "platform/gui/Panel.h"

class TShape;

class LProgressBar : public TPanel
{
public:
    // Counts above this are taken as this; negative counts as 0.
    static constexpr int kMaxZoneSegments = 1000;

    explicit LProgressBar(TComponent* AOwner);
    ~LProgressBar() override;

    TColor GetFirstColor() const { return colours_[0]; }
    TColor GetSecondColor() const { return colours_[1]; }
    TColor GetThirdColor() const { return colours_[2]; }
    TColor GetLFirstColor() const { return litColours_[0]; }
    TColor GetLSecondColor() const { return litColours_[1]; }
    TColor GetLThirdColor() const { return litColours_[2]; }
    int GetFirstNum() const { return counts_[0]; }
    int GetSecondNum() const { return counts_[1]; }
    int GetThirdNum() const { return counts_[2]; }
    int GetPosition() const { return position_; }
    int GetMax() const { return max_; }
    int GetMin() const { return min_; }

    void SetFirstColor(TColor c) { setUnlitColour(0, c); }
    void SetSecondColor(TColor c) { setUnlitColour(1, c); }
    void SetThirdColor(TColor c) { setUnlitColour(2, c); }
    void SetLFirstColor(TColor c) { setLitColour(0, c); }
    void SetLSecondColor(TColor c) { setLitColour(1, c); }
    void SetLThirdColor(TColor c) { setLitColour(2, c); }
    void SetFirstNum(int n) { setCount(0, n); }
    void SetSecondNum(int n) { setCount(1, n); }
    void SetThirdNum(int n) { setCount(2, n); }
    // Lights the bottom segments for v (clamped to Min..Max); nothing for the
    // position already set. With Max <= 0 no segment lights.
    void SetPosition(int v);
    void SetMax(int v) { max_ = v; }
    void SetMin(int v) { min_ = v; }

    void WndProc(TMessage& Message) override;

    // Segments numbered 1..N from the top.
    int SegmentCount() const { return static_cast<int>(segments_.size()); }
    TShape* Segment(int k) const { return segments_.at(static_cast<std::size_t>(k - 1)); }
    TColor SegmentColor(int k) const;
    // Zone 0 (top), 1 or 2 (bottom) of segment k.
    int ZoneOf(int k) const;
    // How many segments show a lit colour.
    int LitCount() const;

private:
    void setUnlitColour(int zone, TColor c);
    void setLitColour(int zone, TColor c);
    void setCount(int zone, int n);
    void rebuildSegments();
    void layOutSegments();
    void setFill(int k, TColor c);

    TColor colours_[3] = {128, 32896, 32768};
    TColor litColours_[3] = {255, 65535, 65280};
    int counts_[3] = {1, 1, 3};
    int position_ = 0;
    int max_ = 100;
    int min_ = 0;
    int storedWidth_ = 14;
    int storedHeight_ = 132;
    std::vector<TShape*> segments_;
};

namespace qx {
// Publishes LProgressBar and its properties to the layouts.
void registerLevelBarClass();
} // namespace qx
