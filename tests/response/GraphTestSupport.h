#pragma once
// A response graph set up as the main window sets up its channel graphs, and
// pixel helpers for reading what it shows.

#include <memory>

#include "platform/gui/Form.h"
#include "platform/gui/Panel.h"
#include "response/LMyFFTDrawHpLp6dB.h"

namespace qx::test {

inline constexpr TColor kAxisColour = 35840;
inline constexpr TColor kGridColour = 18432;

// Width 1070 (or as given), height 255, limits 966..4096 and -18..18, no auto
// scale, Tahoma -11 fonts; laid out and drawn once.
void setUpLikeChannelGraph(LMyFFTDrawHpLp6dB& graph, int width = 1070, int height = 255);

// A form holding one graph (the graph is owned by the form), placed on the
// form itself or, as the main window holds its channel graphs, on a page
// (a panel filling the form) that can be hidden.
struct GraphOnForm
{
    enum class Place
    {
        OnForm,
        OnPage
    };
    GraphOnForm(int width = 1070, int height = 255, Place place = Place::OnForm);
    std::unique_ptr<TForm> form;
    TPanel* page = nullptr;
    LMyFFTDrawHpLp6dB* graph = nullptr;
};

// The colour the control shows at a main-page pixel.
TColor shownAt(const LMyFFTDrawHpLp6dB& graph, int x, int y);
// The colour of a main-page pixel before the overlays.
TColor basePixel(const LMyFFTDrawHpLp6dB& graph, int x, int y);

} // namespace qx::test
