// The main window's layout on resize: extra height goes to the graph area,
// extra width is shared out among the graphs, meter columns and the block
// diagram. Below the design size the window scrolls instead.

#include "app/FMain.h"

#include "app/MainLayout.h"
#include "app/SmallWindows.h"
#include "controls/skinned/AdvTrackBar.h"
#include "editors/channel/DelayMarker.h"
#include "editors/channel/FLinkSel.h"
#include "platform/gui/Control.h"

#include <array>
#include <string>

namespace {

constexpr std::array<const char*, 18> kPages = {"Gain", "Delay", "Comp", "Limit", "Gate", "Matrix",
                                                "InA",  "InB",   "InC",  "InD",   "Out1", "Out2",
                                                "Out3", "Out4",  "Out5", "Out6",  "Out7", "Out8"};

// The nine meter-scale label prefixes, top to bottom.
constexpr std::array<const char*, 9> kLevelScale = {"lbLimit", "lbClip", "lb12", "lb5", "lb0",
                                                    "lbN5",    "lbN15",  "lbN30", "lbN60"};
constexpr std::array<const char*, 9> kGrScale = {"lbGr1",  "lbGr2",  "lbGr3",  "lbGr5", "lbGr10",
                                                 "lbGr15", "lbGr20", "lbGr30", "lbGr50"};
constexpr std::array<const char*, 9> kGateScale = {"lbClip", "lb12",  "lb5",   "lb0",  "lbN5",
                                                   "lbN15",  "lbN20", "lbN30", "lbN60"};
constexpr std::array<int, 9> kScaleTops = {22, 45, 68, 91, 115, 138, 161, 184, 208};
constexpr std::array<int, 9> kPanelScaleTops = {35, 58, 81, 105, 128, 151, 175, 198, 222};
constexpr std::array<int, 9> kGateScaleTops = {36, 59, 82, 105, 129, 152, 175, 198, 222};

// Sets positions by name; after the first name it cannot find it sets
// nothing more, so a run ends where a control is missing.
class Placer
{
public:
    explicit Placer(const TComponent& owner) : owner_(owner) {}
    bool ok() const { return ok_; }

    void left(const std::string& name, int v) { with(name, [v](TControl& c) { c.SetLeft(v); }); }
    void top(const std::string& name, int v) { with(name, [v](TControl& c) { c.SetTop(v); }); }
    void width(const std::string& name, int v) { with(name, [v](TControl& c) { c.SetWidth(v); }); }
    void height(const std::string& name, int v) { with(name, [v](TControl& c) { c.SetHeight(v); }); }
    TControl* find(const std::string& name)
    {
        TControl* c = ok_ ? qx::findComponent<TControl>(owner_, name) : nullptr;
        ok_ = c != nullptr;
        return c;
    }

private:
    template <class F>
    void with(const std::string& name, F f)
    {
        if (TControl* c = find(name))
            f(*c);
    }
    const TComponent& owner_;
    bool ok_ = true;
};

std::string out(int n) { return "Out" + std::to_string(n); }
std::string in(int i) { return std::string("In") + static_cast<char>('A' + i); }

void layoutMeters(Placer& p, int dh)
{
    for (const char* side : {"Comp", "Limit"}) {
        const std::string panel = std::string("plLevel") + side + "Out";
        p.height(panel, 247 + dh);
        p.height(std::string("pbLevel") + side + "Out", 185 + dh * 8 / 9);
        p.top(std::string("pbLevel") + side + "Out", 43 + dh / 9);
        p.height(std::string("pbLimit") + side + "Out", 22 + dh / 9);
        for (int k = 0; k < 9; ++k)
            p.top(kLevelScale[k] + std::string(side) + "Out", kScaleTops[k] + (k + 1) * dh / 9);
        for (int n = 1; n <= 8; ++n) {
            const std::string suffix = std::string(side) + out(n);
            p.height("plLevel" + suffix, 247 + dh);
            p.height("pbLevel" + suffix, 185 + dh * 8 / 9);
            p.top("pbLevel" + suffix, 55 + dh / 9);
            p.height("pbLimit" + suffix, 22 + dh / 9);
            p.height("rzmGr" + suffix, 214 + dh);
            for (int k = 0; k < 9; ++k) {
                p.top(kLevelScale[k] + suffix, kPanelScaleTops[k] + (k + 1) * dh / 9);
                p.top(kGrScale[k] + suffix, kPanelScaleTops[k] + (k + 1) * dh / 9);
            }
        }
    }
    p.height("plLevelGateIn", 247 + dh);
    p.height("pbLevelGateIn", 208 + dh * 8 / 9);
    p.top("pbLevelGateIn", 32 + dh / 9);
    for (int k = 0; k < 9; ++k)
        p.top(kGateScale[k] + std::string("GateIn"), kGateScaleTops[k] + (k + 1) * dh / 9);
    for (int i = 0; i < 4; ++i) {
        const std::string suffix = "Gate" + in(i);
        p.height("plLevel" + suffix, 247 + dh);
        p.height("pbLevel" + suffix, 208 + dh * 8 / 9);
        p.top("pbLevel" + suffix, 32 + dh / 9);
        for (int k = 0; k < 9; ++k)
            p.top(kGateScale[k] + suffix, kGateScaleTops[k] + (k + 1) * dh / 9);
    }
}

// Table A: all extra height goes to the graph area.
void applyHeight(Placer& p, int dh)
{
    p.height("rzgMain", 629 + dh);
    for (const char* page : kPages) {
        p.height(std::string("rzgFft") + page, 284 + dh);
        p.top(std::string("rzgParam") + page, 292 + dh);
    }
    const int graphHeight = qx::graphHeight(dh);
    p.height("fftDrawGainIn", graphHeight);
    p.height("fftDrawGainOut", graphHeight);
    for (int c = 0; c < 12; ++c)
        p.height("fftDraw" + qx::channelSuffix(c), graphHeight);
    for (const char* plot : {"ipComp", "ipLimit", "ipGate"})
        p.height(plot, 230 + dh);
    p.height("plFftDelayIn", 234 + dh);
    p.height("plFftDelayOut", 234 + dh);
    layoutMeters(p, dh);
    for (int i = 0; i < 4; ++i) {
        p.top("imDelay" + in(i), (dh / 5) * (i + 1) + 55 * i + 19);
        p.top("lbDelayLine" + in(i), (dh / 5) * (i + 1) + 56 * i + 7);
        p.top("lbDelayShow" + in(i), (dh / 5) * (i + 1) + 55 * i + 24);
    }
    for (int n = 1; n <= 8; ++n) {
        p.top("imDelay" + out(n), (dh / 8) * n + 28 * n - 26);
        p.top("lbDelayLine" + out(n), (dh / 8) * n + 28 * n - 26);
        p.top("lbDelayShow" + out(n), (dh / 8) * n + 28 * n - 20);
    }
    for (int i = 0; i < 4; ++i)
        p.top("plMatrix" + in(i), (dh / 5) * (i + 1) + 61 * i + 35);
    for (int n = 1; n <= 8; ++n)
        p.top("plMatrix" + out(n), (dh / 9) * n + 30 * (n - 1) + 27);
    p.top("pbMatrix", 38 + dh / 9);
    p.height("pbMatrix", 210 + dh);
    p.top("lbInSelDigital", 18 + dh / 5);
    p.top("lbOutSelDigital", 14 + dh / 9);
    p.height("imLeftUpBase", 256 + dh);
    p.height("imRightUpBase", 256 + dh);
    p.top("imLeftDownBase", 256 + dh);
    p.top("imRightDownBase", 256 + dh);
    p.top("rzgPreset", 626 + dh);
}

void applyBlockDiagramWidth(Placer& p, int dw)
{
    constexpr std::array<const char*, 6> kInputItems = {"Gain", "Gate", "Deq", "Peq", "Delay", "Fir"};
    constexpr std::array<int, 6> kInputLefts = {77, 134, 191, 248, 305, 362};
    const int third = dw / 3;
    for (int i = 0; i < 4; ++i) {
        const std::string s = in(i);
        p.width("plMatrix" + s, 415 + third);
        for (const char* name : {"lbMatrixName", "lbMatrixChName"}) {
            p.width(name + s, 70 + dw / 21);
            p.left(name + s, third / 8);
        }
        p.width("spMatrixName" + s, 58 + dw / 21);
        p.left("spMatrixName" + s, third / 8);
        for (int k = 2; k <= 7; ++k) {
            for (const char* prefix : {"lbMatrix", "spMatrix"}) {
                const std::string name = prefix + std::string(kInputItems[k - 2]) + s;
                p.width(name, 50 + dw / 21);
                p.left(name, third * k / 8 + kInputLefts[k - 2]);
            }
        }
    }
    constexpr std::array<const char*, 7> kOutputItems = {"Xover", "Peq", "Gain", "Comp", "Phase", "Delay", "Mute"};
    const std::array<int, 7> outputLefts = {2,
                                            dw / 27 + 61,
                                            third * 2 / 9 + 121,
                                            third * 3 / 9 + 180,
                                            third * 4 / 9 + 240,
                                            third * 5 / 9 + 298,
                                            third * 6 / 9 + 359};
    for (int n = 1; n <= 8; ++n) {
        const std::string s = out(n);
        p.left("plMatrix" + s, 561 + dw * 2 / 3);
        p.width("plMatrix" + s, 510 + third);
        for (int k = 0; k < 7; ++k) {
            for (const char* prefix : {"lbMatrix", "spMatrix"}) {
                const std::string name = prefix + std::string(kOutputItems[k]) + s;
                p.width(name, 50 + third / 8);
                p.left(name, outputLefts[k]);
            }
        }
        p.width("lbMatrixName" + s, 80 + third / 8);
        p.left("lbMatrixName" + s, third * 7 / 9 + 418);
        p.width("lbMatrixChName" + s, 80 + third / 8);
        p.left("lbMatrixChName" + s, third * 7 / 9 + 419);
        p.width("spMatrixName" + s, 58 + third / 8);
        p.left("spMatrixName" + s, third * 7 / 9 + 416);
    }
}

// Table B: extra width.
void applyWidth(Placer& p, int dw)
{
    p.left("rzbMenuLink", 1040 + dw);
    p.width("rzgFunction", 1115 + dw);
    p.width("rzgMain", 1112 + dw);
    for (const char* page : kPages) {
        p.width(std::string("rzgFft") + page, 1112 + dw);
        p.left(std::string("rzgParam") + page, 20 + dw / 2);
    }
    p.width("fftDrawGainIn", 530 + dw / 2);
    p.width("fftDrawGainOut", 530 + dw / 2);
    p.left("fftDrawGainOut", 550 + dw / 2);
    p.left("rzgFftShowChIn", 180 + dw / 2);
    p.left("lbFftGainOut", 600 + dw / 2);
    p.left("rzgFftShowChOut", 662 + dw);
    for (const char* name : {"plFftDelayIn", "plFftDelayOut", "lbFftDelayIn", "lbFftDelayOut"})
        p.width(name, 520 + dw / 2);
    p.left("plFftDelayOut", 560 + dw / 2);
    p.left("lbFftDelayOut", 560 + dw / 2);
    for (int c = 0; c < 12; ++c)
        p.width("lbDelayLine" + qx::channelSuffix(c), 475 + dw / 2);
    p.width("ipComp", 380 + dw);
    p.width("ipLimit", 380 + dw);
    p.width("lbCompName", 330 + dw);
    p.width("lbLimitName", 330 + dw);
    p.width("ipGate", 810 + dw);
    p.width("lbGateName", 759 + dw);
    for (int c = 0; c < 12; ++c) {
        const std::string s = qx::channelSuffix(c);
        p.width("fftDraw" + s, 1070 + dw);
        p.left("rzgFftShowCurve" + s, 920 + dw);
        p.left("vrbEqBypass" + s, 776 + dw);
        p.left("vrbEqReset" + s, 857 + dw);
        p.left("vrbEqShowAll" + s, 934 + dw);
        p.left("rzgFftShowCh" + s, (c < 4 ? 460 : 420) + dw / 2);
    }
    for (int i = 0; i < 4; ++i)
        p.left("plLevelGate" + in(i), 873 + 53 * i + dw);
    for (int n = 1; n <= 8; ++n) {
        p.left("plLevelComp" + out(n), 450 + 80 * (n - 1) + dw);
        p.left("plLevelLimit" + out(n), 450 + 80 * (n - 1) + dw);
    }
    p.left("pbMatrix", 465 + dw / 3);
    p.width("pbMatrix", 97 + dw / 3);
    p.left("lbInSelDigital", 45 + dw / 16);
    p.left("lbOutSelDigital", 975 + dw * 15 / 16);
    applyBlockDiagramWidth(p, dw);
    p.left("imRightUpBase", 1077 + dw);
    p.left("imRightDownBase", 1077 + dw);
    p.width("imLeftUpBase", 1082 + dw);
    p.width("imLeftDownBase", 1082 + dw);
    p.left("rzgPreset", 10 + dw / 2);
}

} // namespace

int qx::graphHeight(int dh) { return 2 * ((dh + 255) / 2) + 1; }

void TfmMain::FormResize(TObject*)
{
    const int w = Width();
    const int h = Height();
    SetAutoScroll(w < kDesignWidth || h < kDesignHeight);
    Placer p(*this);
    if (h >= kDesignHeight) {
        ExtraHeight = h - kDesignHeight;
        applyHeight(p, ExtraHeight);
    }
    if (w >= kDesignWidth)
        applyWidth(p, w - kDesignWidth);
    for (int c = 0; c < 12 && p.ok(); ++c) {
        const std::string s = qx::channelSuffix(c);
        TControl* marker = p.find("imDelay" + s);
        TControl* line = p.find("lbDelayLine" + s);
        TControl* time = p.find("lbFftDelayTime" + s);
        auto* fader = qx::findComponent<TAdvTrackBar>(*this, "isDelay" + s);
        if (!marker || !line || !time || !fader)
            return;
        marker->SetLeft(qx::delayMarkerLeft(fader->Position(), fader->Max(), line->Width()));
        time->SetLeft(marker->Left() + 30);
        time->SetTop(marker->Top() + marker->Height() / 4);
    }
    if (!p.ok())
        return;
    if (TControl* main = p.find("rzgMain")) {
        main->Hide();
        main->Show();
    }
    // Before the dialogs are made (the window's own creation) no line is drawn.
    if (fmLinkSel)
        for (int c = 0; c < qx::kChannelCount; ++c)
            DrawDelayLine(c);
}
