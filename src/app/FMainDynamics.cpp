// The main window's compressor, limiter, gate and matrix handlers, the menu
// items of the source-select, test-signal and limiter-calculator dialogs,
// and the operations the dynamics plots and the routing diagram need: each
// hands its work to the editors in editors/channel.

#include "app/FMain.h"

#include "editors/channel/ChannelControls.h"
#include "editors/channel/FLimitCalculate.h"
#include "editors/channel/FSourceSelect.h"
#include "editors/channel/FTest.h"
#include "editors/channel/MatrixEditor.h"
#include "platform/gui/PaintBox.h"
#include "platform/gui/PropertyRegistry.h"
#include "platform/gui/PropertyBuilder.h"

#include <string>
#include <utility>

using qx::DynamicsBlock;
using qx::DynamicsField;
using qx::GateField;

namespace {
constexpr Word kEnter = 13;
}

qx::DynamicsEditor& TfmMain::DynamicsEdit(DynamicsBlock block)
{
    auto& editor = block == DynamicsBlock::Limiter ? LimitEditing : CompEditing;
    if (!editor)
        editor = std::make_unique<qx::DynamicsEditor>(*this, *this, block);
    return *editor;
}

qx::GateEditor& TfmMain::GateEdit()
{
    if (!GateEditing)
        GateEditing = std::make_unique<qx::GateEditor>(*this, *this);
    return *GateEditing;
}

qx::MatrixEditor& TfmMain::MatrixEdit()
{
    if (!MatrixEditing)
        MatrixEditing = std::make_unique<qx::MatrixEditor>(*this, *this);
    return *MatrixEditing;
}

int TfmMain::DynamicsPlotChannel(DynamicsBlock block) const
{
    switch (block) {
    case DynamicsBlock::Gate:
        return ShownGateInput;
    case DynamicsBlock::Compressor:
        return ShownCompOutput;
    case DynamicsBlock::Limiter:
        return ShownLimitOutput;
    }
    return 0;
}

void TfmMain::SetDynamicsPlotChannel(DynamicsBlock block, int channel)
{
    switch (block) {
    case DynamicsBlock::Gate:
        ShownGateInput = channel;
        break;
    case DynamicsBlock::Compressor:
        ShownCompOutput = channel;
        break;
    case DynamicsBlock::Limiter:
        ShownLimitOutput = channel;
        break;
    }
}

template <DynamicsBlock B, DynamicsField F> void TfmMain::dynamicsFaderChange(TObject* Sender)
{
    DynamicsEdit(B).FaderChange(Sender, F);
}

template <DynamicsBlock B, DynamicsField F>
void TfmMain::dynamicsUpDownChangingEx(TObject* Sender, bool&, std::int16_t NewValue, TUpDownDirection)
{
    DynamicsEdit(B).UpDownChanging(Sender, F, NewValue);
}

template <DynamicsBlock B, DynamicsField F> void TfmMain::dynamicsBoxExit(TObject* Sender)
{
    DynamicsEdit(B).CommitBox(Sender, F);
}

template <DynamicsBlock B, DynamicsField F> void TfmMain::dynamicsBoxKeyDown(TObject* Sender, Word& Key, TShiftState)
{
    if (Key == kEnter)
        DynamicsEdit(B).CommitBox(Sender, F);
}

template <DynamicsBlock B> void TfmMain::dynamicsMouseDown(TObject* Sender, TMouseButton, TShiftState, int, int)
{
    if (B == DynamicsBlock::Gate)
        GateEdit().MouseDown(Sender);
    else
        DynamicsEdit(B).MouseDown(Sender);
}

template <DynamicsBlock B> void TfmMain::dynamicsCurveTimer(TObject*) { DynamicsEdit(B).CurveTimer(); }

template <GateField F> void TfmMain::gateFaderChange(TObject* Sender) { GateEdit().FaderChange(Sender, F); }
template <GateField F> void TfmMain::gateBoxExit(TObject* Sender) { GateEdit().CommitBox(Sender, F); }

template <GateField F> void TfmMain::gateBoxKeyDown(TObject* Sender, Word& Key, TShiftState)
{
    if (Key == kEnter)
        GateEdit().CommitBox(Sender, F);
}

template <int Output> void TfmMain::matrixRouteClick(TObject* Sender) { MatrixEdit().RouteClick(Sender, Output); }

template <int Output>
void TfmMain::matrixMixChangingEx(TObject* Sender, bool&, std::int16_t NewValue, TUpDownDirection)
{
    MatrixEdit().MixChanging(Sender, Output, NewValue);
}

template <int Output> void TfmMain::matrixBoxExit(TObject* Sender) { MatrixEdit().CommitBox(Sender, Output); }

template <int Output> void TfmMain::matrixBoxKeyDown(TObject* Sender, Word& Key, TShiftState)
{
    if (Key == kEnter)
        MatrixEdit().CommitBox(Sender, Output);
}

// The paint box of the routing diagram paints the lines itself.
void TfmMain::rzgFftMatrixPaint(TObject* Sender)
{
    if (auto* box = dynamic_cast<TPaintBox*>(Sender))
        MatrixEdit().Paint(*box->Canvas());
}

void TfmMain::PaintMatrix() { MatrixEdit().PaintMatrix(); }

void TfmMain::SetCompParam(int channel, int which, int value)
{
    DynamicsEdit(DynamicsBlock::Compressor).SetParam(channel, static_cast<DynamicsField>(which), value);
}

void TfmMain::ShowLinkedComp(int channel, int which, int value)
{
    DynamicsEdit(DynamicsBlock::Compressor).ShowLinked(channel, static_cast<DynamicsField>(which), value);
}

void TfmMain::SetLimitParam(int channel, int which, int value)
{
    DynamicsEdit(DynamicsBlock::Limiter).SetParam(channel, static_cast<DynamicsField>(which), value);
}

void TfmMain::MirrorLimiterToLinked(int channel, int which, int value)
{
    DynamicsEdit(DynamicsBlock::Limiter).ShowLinked(channel, static_cast<DynamicsField>(which), value);
}

void TfmMain::ShowLinkedGate(int channel, int which, int value)
{
    GateEdit().ShowLinked(channel, static_cast<GateField>(which), value);
}

void TfmMain::PlotCompCurve(int channel) { DynamicsEdit(DynamicsBlock::Compressor).PlotCurve(channel); }
void TfmMain::PlotLimitCurve(int channel) { DynamicsEdit(DynamicsBlock::Limiter).PlotCurve(channel); }
void TfmMain::PlotGateCurve(int channel) { GateEdit().PlotCurve(channel); }

void TfmMain::SourceSelectClick(TObject*)
{
    if (fmSourceSelect)
        fmSourceSelect->ShowModal();
}

void TfmMain::TestToneClick(TObject*)
{
    if (fmTest)
        fmTest->ShowModal();
}

void TfmMain::LimitCalculateClick(TObject*)
{
    if (fmLimitCalculate)
        fmLimitCalculate->Show();
}

namespace {

constexpr std::pair<DynamicsField, const char*> kDynamicsFields[] = {
    {DynamicsField::Threshold, "Threshold"}, {DynamicsField::Attack, "Attack"}, {DynamicsField::Release, "Release"},
    {DynamicsField::Ratio, "Ratio"}, {DynamicsField::Knee, "Knee"}};

// The handlers of one block's parameter: fader or up-down, and its box.
template <DynamicsBlock B, DynamicsField F> void bindDynamicsField(qx::ClassBuilder<TfmMain>& main, const std::string& kind)
{
    const std::string field = kDynamicsFields[static_cast<int>(F)].second;
    if constexpr (F == DynamicsField::Ratio || F == DynamicsField::Knee)
        main.method("ud" + kind + field + "Out1ChangingEx", &TfmMain::dynamicsUpDownChangingEx<B, F>);
    else
        main.method("is" + kind + field + "Out1Change", &TfmMain::dynamicsFaderChange<B, F>);
    main.method("cvd" + kind + field + "Out1Exit", &TfmMain::dynamicsBoxExit<B, F>)
        .method("cvd" + kind + field + "Out1KeyDown", &TfmMain::dynamicsBoxKeyDown<B, F>);
}

template <DynamicsBlock B> void bindDynamicsBlock(qx::ClassBuilder<TfmMain>& main, const std::string& kind)
{
    bindDynamicsField<B, DynamicsField::Threshold>(main, kind);
    bindDynamicsField<B, DynamicsField::Attack>(main, kind);
    bindDynamicsField<B, DynamicsField::Release>(main, kind);
    bindDynamicsField<B, DynamicsField::Ratio>(main, kind);
    bindDynamicsField<B, DynamicsField::Knee>(main, kind);
    main.method("is" + kind + "ThresholdOut1MouseDown", &TfmMain::dynamicsMouseDown<B>)
        .method("cvd" + kind + "ThresholdOut1MouseDown", &TfmMain::dynamicsMouseDown<B>)
        .method("lb" + kind + "Out1MouseDown", &TfmMain::dynamicsMouseDown<B>)
        .method("tm" + kind + "DispTimer", &TfmMain::dynamicsCurveTimer<B>);
}

template <GateField F> void bindGateField(qx::ClassBuilder<TfmMain>& main, const std::string& field)
{
    main.method("isGate" + field + "InAChange", &TfmMain::gateFaderChange<F>)
        .method("cvdGate" + field + "InAExit", &TfmMain::gateBoxExit<F>)
        .method("cvdGate" + field + "InAKeyDown", &TfmMain::gateBoxKeyDown<F>);
}

template <int Output> void bindMatrixOutput(qx::ClassBuilder<TfmMain>& main)
{
    const std::string n = std::to_string(Output);
    main.method("rzbAMatrixOut" + n + "Click", &TfmMain::matrixRouteClick<Output>)
        .method("udMixGainAOut" + n + "ChangingEx", &TfmMain::matrixMixChangingEx<Output>)
        .method("cvdAMatrixOut" + n + "Exit", &TfmMain::matrixBoxExit<Output>)
        .method("cvdAMatrixOut" + n + "KeyDown", &TfmMain::matrixBoxKeyDown<Output>);
}

template <int... Outputs> void bindMatrix(qx::ClassBuilder<TfmMain>& main, std::integer_sequence<int, Outputs...>)
{
    (bindMatrixOutput<Outputs + 1>(main), ...);
}

} // namespace

void qx::registerDynamicsHandlers()
{
    auto main = registerClass<TfmMain, TForm>("TfmMain");
    bindDynamicsBlock<DynamicsBlock::Compressor>(main, "Comp");
    bindDynamicsBlock<DynamicsBlock::Limiter>(main, "Limit");
    bindGateField<GateField::Threshold>(main, "Threshold");
    bindGateField<GateField::Attack>(main, "Attack");
    bindGateField<GateField::Release>(main, "Release");
    bindGateField<GateField::Hold>(main, "Hold");
    main.method("cvdGateThresholdInAMouseDown", &TfmMain::dynamicsMouseDown<DynamicsBlock::Gate>)
        .method("lbGateInAMouseDown", &TfmMain::dynamicsMouseDown<DynamicsBlock::Gate>)
        .method("isGateThresholdInAMouseDown", &TfmMain::dynamicsMouseDown<DynamicsBlock::Gate>);
    bindMatrix(main, std::make_integer_sequence<int, 8>{});
    main.method("rzgFftMatrixPaint", &TfmMain::rzgFftMatrixPaint)
        .method("SourceSelectClick", &TfmMain::SourceSelectClick)
        .method("TestToneClick", &TfmMain::TestToneClick)
        .method("LimitCalculateClick", &TfmMain::LimitCalculateClick);
}
