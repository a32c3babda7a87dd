// The sixteen colour schemes a style manager can load into the fader's settings objects.

#include "controls/skinned/AdvTrackBar.h"

#include <array>
#include <optional>

namespace {

// Colour, colour to, mirror, mirror to, border.
struct ColourSet
{
    TColor color, to, mirror, mirrorTo, border;
};

constexpr ColourSet kH1{13432063, 11332863, 5888767, 9556223, 10079963};
constexpr ColourSet kH2{15465983, 11332863, 5888767, 10807807, 10079963};
constexpr ColourSet kD1{7778289, 4296947, 946929, 5021693, 4548219};
constexpr TColor kHighlight = 0xFF00000D, kButtonFace = 0xFF00000F;

struct StyleScheme
{
    TVokStyle style;
    ColourSet thumb, buttons;
    TColor slider;
    bool presetH1D1 = false; // hot H1 and down D1 before the normal colours
    bool groupB = false;     // hot H2 and down D1 after them
    std::optional<ColourSet> thumbHot, buttonsHot, down;
};

constexpr ColourSet same(TColor c, TColor border)
{
    return {c, c, c, c, border};
}

const std::array<StyleScheme, 15> kSchemes{{
    {tsOffice2003Blue,
     {15653832, 16178633, 15586496, 16245200, 14727579},
     {16706781, 16374724, 16706781, 14854529, 10248507},
     12752500,
     true,
     false,
     {},
     {},
     {}},
    {tsOffice2003Silver,
     {15586496, 15128792, 15586496, 13152947, 9598070},
     {15586496, 15128792, 15586496, 13152947, 9598070},
     9598070,
     true,
     false,
     {},
     {},
     {}},
    {tsOffice2003Olive,
     {13627626, 13627626, 13627626, 9224369, 9224369},
     {13627626, 13627626, 13627626, 9224369, 9224369},
     9224369,
     true,
     false,
     {},
     {},
     {}},
    {tsOffice2003Classic,
     {16777215, 13226453, 16777215, 13226453, 0},
     {16777215, 13226453, 16777215, 13226453, 0},
     9598070,
     false,
     true,
     {},
     {},
     {}},
    {tsOffice2007Luna,
     {15653832, 16178633, 15586496, 16245200, 14727579},
     {15653832, 16178633, 15586496, 16245200, 14727579},
     12752500,
     false,
     true,
     {},
     {},
     {}},
    {tsOffice2007Obsidian,
     {14671574, 15000283, 14144974, 15197664, 12631218},
     {14671574, 15000283, 14144974, 15197664, 12631218},
     12631218,
     false,
     true,
     {},
     {},
     {}},
    {tsWhidbey,
     {16777215, 14675440, 14675440, 14675440, 10070188},
     {16777215, 14675440, 14675440, 14675440, 10070188},
     9598070,
     true,
     false,
     {},
     {},
     {}},
    {tsOffice2007Silver,
     {15987697, 16119283, 15657703, 16316406, 13421257},
     {15987697, 16119283, 15657703, 16316406, 13421257},
     13421257,
     false,
     true,
     {},
     {},
     {}},
    {tsWindowsXP,
     {16777215, 12179676, 12179676, 12179676, 12179676},
     {16777215, 12179676, 12179676, 12179676, 12179676},
     9598070,
     false,
     false,
     same(15717318, kHighlight),
     same(15717318, kHighlight),
     same(11899524, kHighlight)},
    {tsWindowsVista,
     {16776697, 16642263, clNone, clNone, 16703386},
     {16776697, 16642263, 16776697, 16642263, 16703386},
     16703386,
     false,
     false,
     ColourSet{16776697, 16775920, clNone, clNone, 16703386},
     ColourSet{16776697, 16775920, clNone, clNone, 16703386},
     ColourSet{16710128, 16642263, clNone, clNone, 16703386}},
    {tsWindows7,
     {16575452, 16571329, clNone, clNone, 13542013},
     {16575452, 16571329, 16575452, 16571329, 13542013},
     13542013,
     false,
     false,
     ColourSet{16645114, 16643051, clNone, clNone, 14922381},
     ColourSet{16645114, 16643051, clNone, clNone, 14922381},
     ColourSet{16575452, 16571329, clNone, clNone, 13542013}},
    {tsTerminal,
     {kButtonFace, kButtonFace, clNone, clNone, 0},
     same(kButtonFace, 0),
     0,
     false,
     false,
     ColourSet{12632256, 12632256, clNone, clNone, 0},
     ColourSet{12632256, 12632256, clNone, clNone, 0},
     ColourSet{kHighlight, kHighlight, clNone, clNone, 0}},
    {tsOffice2010Blue,
     {16710905, 15391181, clNone, clNone, 10060659},
     {16710905, 15391181, 15391181, 15391181, 10060659},
     10060659,
     false,
     false,
     ColourSet{14678013, 7987195, 7987195, 14678013, 3457776},
     ColourSet{14678013, 7987195, 7987195, 14678013, 3457776},
     ColourSet{6670325, 9102591, 9102591, 6670325, 2914498}},
    {tsOffice2010Silver,
     {16645370, 16645370, clNone, clNone, 9734527},
     same(16645370, 9734527),
     9734527,
     false,
     false,
     ColourSet{14678013, 7987195, 7987195, 14678013, 3457776},
     ColourSet{14678013, 7987195, 7987195, 14678013, 3457776},
     ColourSet{6670325, 9102591, 9102591, 6670325, 2914498}},
    {tsOffice2010Black,
     {13224393, 8421504, clNone, clNone, 2500134},
     {13224393, 8421504, 8421504, 8421504, 2500134},
     2500134,
     false,
     false,
     ColourSet{14678013, 7987195, 7987195, 14678013, 3457776},
     ColourSet{14678013, 7987195, 7987195, 14678013, 3457776},
     ColourSet{6670325, 9102591, 9102591, 6670325, 2914498}},
}};

// The thumb and the buttons take the colour sets through the same writers.
template <class S> void setNormal(S& s, const ColourSet& c)
{
    s.SetColor(c.color);
    s.SetColorTo(c.to);
    s.SetColorMirror(c.mirror);
    s.SetColorMirrorTo(c.mirrorTo);
    s.SetBorderColor(c.border);
    s.SetGradient(ggVertical);
    s.SetGradientMirror(ggVertical);
}

template <class S> void setHot(S& s, const ColourSet& c)
{
    s.SetColorHot(c.color);
    s.SetColorHotTo(c.to);
    s.SetColorMirrorHot(c.mirror);
    s.SetColorMirrorHotTo(c.mirrorTo);
    s.SetBorderColorHot(c.border);
}

template <class S> void setDown(S& s, const ColourSet& c)
{
    s.SetColorDown(c.color);
    s.SetColorDownTo(c.to);
    s.SetColorMirrorDown(c.mirror);
    s.SetColorMirrorDownTo(c.mirrorTo);
    s.SetBorderColorDown(c.border);
}

} // namespace

void TCustomTrackBar::SetComponentStyle(TVokStyle AStyle)
{
    TTrackBarSlider& slider = Slider();
    TTrackBarThumb& thumb = Thumb();
    TTrackBarButtons& buttons = Buttons();
    slider.SetOffset(10);
    for (TGDIPPicture* p :
         {&slider.Picture(), &slider.PictureCompleted(), &slider.PictureDisabled(),
          &slider.PictureCompletedDisabled(), &TickMark().Picture(), &TickMark().PictureDisabled(),
          &thumb.Picture(), &thumb.PictureHot(), &thumb.PictureDown(), &thumb.PictureDisabled()})
        p->Clear();
    slider.SetPictureStretched(false);
    TickMark().SetPosition(tmBottomRight);
    thumb.SetShape(tsPointer);
    buttons.SetSpacing(2);
    for (const StyleScheme& s : kSchemes) {
        if (s.style != AStyle)
            continue;
        if (s.presetH1D1) {
            setHot(thumb, kH1);
            setHot(buttons, kH1);
            setDown(thumb, kD1);
            setDown(buttons, kD1);
        }
        setNormal(thumb, s.thumb);
        setNormal(buttons, s.buttons);
        if (s.groupB) {
            setHot(thumb, kH2);
            setHot(buttons, kH2);
            setDown(thumb, kD1);
            setDown(buttons, kD1);
        }
        if (s.down) {
            setHot(thumb, *s.thumbHot);
            setHot(buttons, *s.buttonsHot);
            setDown(thumb, *s.down);
            setDown(buttons, *s.down);
        }
        slider.SetBorderColor(s.slider);
        TickMark().SetColor(s.slider);
    }
    Invalidate();
}
