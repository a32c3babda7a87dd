#include "editors/eq/ShownCurves.h"

#include "platform/gui/canvas/Colors.h"
#include "response/LMyFFTDrawHpLp6dB.h"

namespace {
constexpr int kBypassTextSize = 60;
} // namespace

void qx::showBypassText(LMyFFTDrawHpLp6dB& graph, bool bypassed)
{
    graph.DrawTextA(graph.Width() / 3, graph.Height() / 4, kBypassTextSize, clBtnFace, "Times New Roman",
                    bypassed ? "BYPASS" : "");
}
