#pragma once
// Editing on the response graphs with the mouse: a left press picks a band
// or cut-off handle, each move to a new point is one drag step (the band's
// frequency on the frequency ladder and its gain in 0.1 dB steps within
// +-12 dB, or the filter's cut-off), stored for the link group and sent at
// once; the band's redraw waits for the window's 1 ms timer tmMouseEqCurve,
// the cut-off's for tmHpLpCurve. While nothing is dragged a cross-hair shows
// that the pointer is over a handle. Only handles the graph has placed can be
// picked: the channel's own bands, and on outputs the two cut-offs; the gain
// overview graphs have none.

#include <cstdint>

class TComponent;
class TObject;
class LMyFFTDrawHpLp6dB;
class TMyPEQType8;

namespace qx {

class CrossoverEditor;
class EqEditorHost;

class GraphMouseEditor
{
public:
    // dragHandle: the window's drag state, -1 while nothing is dragged.
    GraphMouseEditor(const TComponent& window, EqEditorHost& host, CrossoverEditor& crossover, int& dragHandle);

    void MouseDown(TObject* sender, bool leftButton, int x, int y);
    void MouseMove(TObject* sender, int x, int y);
    void MouseUp(TObject* sender);
    // The deferred redraw of the band dragged last.
    void CurveTimer();

private:
    struct Pending
    {
        int channel = 0;
        int band = 0;
        float frequencyHz = 0.0F;
        double gainDb = 0.0;
        float q = 0.0F;
        int type = 0;
        int bypass = 0;
    };
    // The graph of an event with its channel and grid; null members when the
    // event is to be ignored.
    struct Target
    {
        LMyFFTDrawHpLp6dB* graph = nullptr;
        TMyPEQType8* grid = nullptr;
        int channel = 0;
        bool overview = false;
    };

    Target target(TObject* sender) const;
    bool placed(const Target& t, int handle) const;
    bool hit(const Target& t, int handle, int x, int y, double scale) const;
    void dragBand(const Target& t, int band, double frequencyHz, int gainIndex);
    void dragCutoff(const Target& t, bool highPass, double frequencyHz);

    const TComponent& window_;
    EqEditorHost& host_;
    CrossoverEditor& crossover_;
    int& dragHandle_;
    Pending pending_;
    int lastX_ = 0;
    int lastY_ = 0;
};

} // namespace qx
