// The main window's response-graph handlers: views and content, overlays
// and editing with the mouse; each hands its event to editors/eq.

#include "app/FMain.h"

#include "editors/eq/CrossoverEditor.h"
#include "editors/eq/CurveOverlays.h"
#include "editors/eq/GraphMouseEditor.h"
#include "editors/eq/GraphViewEditor.h"
#include "platform/gui/PropertyRegistry.h"
#include "response/Plot.h"

qx::CurveOverlays& TfmMain::OverlayEdit()
{
    if (!OverlayEditing)
        OverlayEditing = std::make_unique<qx::CurveOverlays>(*this, *this, OverlayRefreshMasks);
    return *OverlayEditing;
}

qx::GraphViewEditor& TfmMain::GraphViewEdit()
{
    if (!GraphViewEditing)
        GraphViewEditing = std::make_unique<qx::GraphViewEditor>(*this, *this, FirDesign, FirCoeffs, FirTaps);
    return *GraphViewEditing;
}

qx::GraphMouseEditor& TfmMain::GraphMouseEdit()
{
    if (!GraphMouseEditing)
        GraphMouseEditing = std::make_unique<qx::GraphMouseEditor>(*this, *this, CrossoverEdit(), DragHandle);
    return *GraphMouseEditing;
}

void TfmMain::fftDrawInAMouseDown(TObject* Sender, TMouseButton Button, TShiftState, int X, int Y)
{
    GraphMouseEdit().MouseDown(Sender, Button == mbLeft, X, Y);
}

void TfmMain::fftDrawInAMouseMove(TObject* Sender, TShiftState, int X, int Y)
{
    GraphMouseEdit().MouseMove(Sender, X, Y);
}

void TfmMain::fftDrawInAMouseUp(TObject* Sender, TMouseButton, TShiftState, int, int)
{
    GraphMouseEdit().MouseUp(Sender);
}

void TfmMain::tmMouseEqCurveTimer(TObject*) { GraphMouseEdit().CurveTimer(); }

void TfmMain::MarkCurveChanged(int channel) { OverlayEdit().MarkCurveChanged(channel); }
void TfmMain::RefreshChannelOverlays(int channel) { OverlayEdit().RefreshChannel(channel); }
void TfmMain::RefreshGainOverlays() { OverlayEdit().RefreshOverviews(); }
void TfmMain::vrbShowBInAClick(TObject* Sender) { OverlayEdit().ToggleClick(Sender, 0); }
void TfmMain::vrbShowAInBClick(TObject* Sender) { OverlayEdit().ToggleClick(Sender, 1); }
void TfmMain::vrbShowAInCClick(TObject* Sender) { OverlayEdit().ToggleClick(Sender, 2); }
void TfmMain::vrbShowAInDClick(TObject* Sender) { OverlayEdit().ToggleClick(Sender, 3); }
void TfmMain::vrbShow2Out1Click(TObject* Sender) { OverlayEdit().ToggleClick(Sender, 4); }
void TfmMain::vrbShow1Out2Click(TObject* Sender) { OverlayEdit().ToggleClick(Sender, 5); }
void TfmMain::vrbShow1Out3Click(TObject* Sender) { OverlayEdit().ToggleClick(Sender, 6); }
void TfmMain::vrbShow1Out4Click(TObject* Sender) { OverlayEdit().ToggleClick(Sender, 7); }
void TfmMain::vrbShow1Out5Click(TObject* Sender) { OverlayEdit().ToggleClick(Sender, 8); }
void TfmMain::vrbShow1Out6Click(TObject* Sender) { OverlayEdit().ToggleClick(Sender, 9); }
void TfmMain::vrbShow1Out7Click(TObject* Sender) { OverlayEdit().ToggleClick(Sender, 10); }
void TfmMain::vrbShow1Out8Click(TObject* Sender) { OverlayEdit().ToggleClick(Sender, 11); }
void TfmMain::vrbShowAGainClick(TObject* Sender) { OverlayEdit().ToggleClick(Sender, qx::kInputOverview); }
void TfmMain::vrbShow1GainClick(TObject* Sender) { OverlayEdit().ToggleClick(Sender, qx::kOutputOverview); }
void TfmMain::vrbEqShowAllInAClick(TObject* Sender) { OverlayEdit().ShowAllClick(Sender); }
void TfmMain::ShowOverlayButtons(int channel, bool visible) { OverlayEdit().ShowButtons(channel, visible); }

void TfmMain::rbShowGainInAClick(TObject* Sender) { GraphViewEdit().MagnitudeView(Sender); }
void TfmMain::rbShowPhaseInAClick(TObject* Sender) { GraphViewEdit().PhaseView(Sender); }
void TfmMain::rbShowEqFirInAClick(TObject* Sender) { GraphViewEdit().ContentChange(Sender); }
void TfmMain::UpdateFirSection(TObject* graph) { GraphViewEdit().UpdateFirSection(graph); }

void qx::registerGraphHandlers()
{
    registerClass<TfmMain, TForm>("TfmMain")
        .method("fftDrawInAMouseDown", &TfmMain::fftDrawInAMouseDown)
        .method("fftDrawInAMouseMove", &TfmMain::fftDrawInAMouseMove)
        .method("fftDrawInAMouseUp", &TfmMain::fftDrawInAMouseUp)
        .method("tmMouseEqCurveTimer", &TfmMain::tmMouseEqCurveTimer)
        .method("vrbShowBInAClick", &TfmMain::vrbShowBInAClick)
        .method("vrbShowAInBClick", &TfmMain::vrbShowAInBClick)
        .method("vrbShowAInCClick", &TfmMain::vrbShowAInCClick)
        .method("vrbShowAInDClick", &TfmMain::vrbShowAInDClick)
        .method("vrbShow2Out1Click", &TfmMain::vrbShow2Out1Click)
        .method("vrbShow1Out2Click", &TfmMain::vrbShow1Out2Click)
        .method("vrbShow1Out3Click", &TfmMain::vrbShow1Out3Click)
        .method("vrbShow1Out4Click", &TfmMain::vrbShow1Out4Click)
        .method("vrbShow1Out5Click", &TfmMain::vrbShow1Out5Click)
        .method("vrbShow1Out6Click", &TfmMain::vrbShow1Out6Click)
        .method("vrbShow1Out7Click", &TfmMain::vrbShow1Out7Click)
        .method("vrbShow1Out8Click", &TfmMain::vrbShow1Out8Click)
        .method("vrbShowAGainClick", &TfmMain::vrbShowAGainClick)
        .method("vrbShow1GainClick", &TfmMain::vrbShow1GainClick)
        .method("vrbEqShowAllInAClick", &TfmMain::vrbEqShowAllInAClick)
        .method("rbShowGainInAClick", &TfmMain::rbShowGainInAClick)
        .method("rbShowPhaseInAClick", &TfmMain::rbShowPhaseInAClick)
        .method("rbShowEqFirInAClick", &TfmMain::rbShowEqFirInAClick);
}
