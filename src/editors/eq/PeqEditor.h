#pragma once
// The PEQ band editors of the main window's channel pages: the band grid,
// the band select buttons, the three band faders with their value boxes and
// the hidden key box, the response graph's band sections, the selection of
// all channels, the PEQ reset and the EQ bypass. A fader move only writes
// its box and a pending change; the change reaches the grid, the model, the
// processor and the graph once per pass of the message loop, through the
// window's 1 ms timer tmEqCurve. Every handler finds the controls of its
// channel by composed names and does nothing when one is missing.

#include <cstdint>

class TAdvTrackBar;
class TComponent;
class TCurvyEdit;
class TMyPEQType8;
class TObject;
class Plot;

namespace qx {

class EqEditorHost;

// The three band faders (and their value boxes).
enum class BandFader
{
    Frequency,
    Q,
    Gain
};

// The value-box commit: a valid entry that differs from the fader's
// position becomes its position (the fader's change handler runs inside);
// then the box shows the fader's value, the caret behind a refused entry.
void commitTypedValue(TCurvyEdit& box, TAdvTrackBar& fader, BandFader kind);

// The parameter text and filled curve of the grid's current band on the
// plot; nothing while no band is selected.
void showCurrentBandCurve(Plot& plot, const TMyPEQType8& grid);

class PeqEditor
{
public:
    PeqEditor(const TComponent& window, EqEditorHost& host);

    // A grid row changed: the band is stored, sent and drawn.
    void GridChange(TObject* sender);
    // A band selected in the grid (mouse down in a row) or by its button.
    void GridEditMouseDown(TObject* sender);
    void BandButtonClick(TObject* sender);
    void FaderChange(TObject* sender, BandFader fader);
    // The deferred apply of the last fader move.
    void CurveTimer();
    // Enter or leaving a value box: the typed value becomes the fader's position.
    void CommitBox(TObject* sender, BandFader fader);
    // Arrow and plus/minus keys in the key box step the current band.
    void KeyStep(TObject* sender, std::uint16_t key);

    void ShowPeqValues(int channel, bool enable, double q, double gainDb, double frequencyHz);
    void FocusKeyBox(int channel);

    // Sections of the graph's channel loaded from its grid (flat in the FIR view).
    void UpdatePeqSections(TObject* graph);
    void ClearSelection();
    // Band 1 of every channel selected and shown.
    void RebuildCurves();
    // Every band of the channel back to its factory band.
    void ResetPeq(int channel);
    void EqBypassClick(TObject* sender);

private:
    struct Pending
    {
        BandFader fader = BandFader::Frequency;
        int channel = 0;
        double gainDb = 0.0;
        int qStep = 0;
        float frequencyHz = 0.0F;
    };

    void selectBand(int channel, int band, bool focus);
    void armTimer();

    const TComponent& window_;
    EqEditorHost& host_;
    Pending pending_;
};

} // namespace qx
