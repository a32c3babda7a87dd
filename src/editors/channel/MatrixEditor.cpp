#include "editors/channel/MatrixEditor.h"

#include "codec/ValueScales.h"
#include "controls/buttons/rz/RzBmpBtn.h"
#include "controls/skinned/CurvyControls.h"
#include "editors/channel/ChannelControls.h"
#include "editors/channel/ChannelEditorHost.h"
#include "editors/channel/GainDelayEntry.h"
#include "model/LUnitControl.h"
#include "platform/gui/Control.h"
#include "platform/gui/UpDown.h"
#include "platform/gui/canvas/Canvas.h"

#include <array>
#include <optional>
#include <string>

namespace qx {

namespace {

constexpr int kOutputs = kChannels - kInputChannels;
constexpr std::array<TColor, kInputChannels> kInputColors = {clPurple, clOlive, clTeal, clMaroon};
constexpr std::array<int, kInputChannels> kInputRows = {16, 76, 138, 199};
constexpr std::array<int, kOutputs> kOutputRows = {0, 31, 61, 91, 121, 156, 182, 209};
// The extra height is shared out: a fifth between input rows, a ninth
// between output rows.
constexpr int kInputShare = 5;
constexpr int kOutputShare = 9;
constexpr double kInputRowLead = 0.4;
constexpr int kLineWidth = 2;
// The buffer's background: drawn as see-through.
constexpr TColor kBackground = clFuchsia;

int outputChannel(int output) { return kInputChannels + output - 1; }
bool isOutputNumber(int output) { return output >= 1 && output <= kOutputs; }
bool isInputTag(int tag) { return tag >= 0 && tag < kInputChannels; }

// "rzbC" + "MatrixOut2" and the like: role, input letter, rest, output number.
std::string composed(const char* role, int input, const char* rest, int output)
{
    return std::string(role) + static_cast<char>('A' + input) + rest + std::to_string(output);
}

} // namespace

MatrixEditor::MatrixEditor(const TComponent& window, ChannelEditorHost& host) : window_(window), host_(host)
{
    buffer_.SetTransparentColor(kBackground);
    buffer_.Transparent = true;
}

void MatrixEditor::RouteClick(TObject* sender, int output)
{
    auto* button = dynamic_cast<TRzBmpButton*>(sender);
    if (!button || !isOutputNumber(output))
        return;
    host_.Unit().SetMatrixRoute(outputChannel(output), button->Tag(), button->Down());
    PaintMatrix();
}

void MatrixEditor::MixChanging(TObject* sender, int output, int newValue)
{
    auto* upDown = dynamic_cast<TUpDown*>(sender);
    if (!upDown || !isOutputNumber(output) || newValue < upDown->Min() || newValue > upDown->Max() ||
        !isInputTag(upDown->Tag()))
        return;
    auto* button = findComponent<TRzBmpButton>(window_, composed("rzb", upDown->Tag(), "MatrixOut", output));
    auto* box = findComponent<TCurvyEdit>(window_, composed("cvd", upDown->Tag(), "MatrixOut", output));
    if (!button || !box)
        return;
    box->SetText(GainText(newValue));
    if (host_.IsBusy())
        return;
    host_.Unit().SetMixLevel(outputChannel(output), button->Tag(), static_cast<std::uint16_t>(newValue - upDown->Min()));
    PaintMatrix();
}

void MatrixEditor::CommitBox(TObject* sender, int output)
{
    auto* box = dynamic_cast<TCurvyEdit*>(sender);
    if (!box || !isOutputNumber(output) || !isInputTag(box->Tag()))
        return;
    auto* upDown = findComponent<TUpDown>(window_, composed("udMixGain", box->Tag(), "Out", output));
    if (!upDown)
        return;
    std::optional<int> position = mixLevelEntry(box->Text());
    box->SetText("");
    if (position && *position == upDown->Position())
        position.reset();
    if (position)
        upDown->SetPosition(*position);
    box->SetText(GainText(upDown->Position()));
    if (!position)
        box->CaretToEnd();
}

std::vector<RouteLine> MatrixEditor::Lines(int width, int extraHeight) const
{
    std::vector<RouteLine> lines;
    const int inputStep = extraHeight / kInputShare;
    const int outputStep = extraHeight / kOutputShare;
    for (int i = 0; i < kInputChannels; ++i) {
        const int from = static_cast<int>(inputStep * (i + kInputRowLead)) + kInputRows[static_cast<std::size_t>(i)];
        for (int j = 0; j < kOutputs; ++j) {
            if (!((host_.Unit().GetMatrixRoute(kInputChannels + j) >> i) & 1))
                continue;
            lines.push_back({{0, from},
                             {width, j * outputStep + kOutputRows[static_cast<std::size_t>(j)]},
                             kInputColors[static_cast<std::size_t>(i)]});
        }
    }
    return lines;
}

void MatrixEditor::drawBuffer()
{
    auto* box = findComponent<TControl>(window_, "pbMatrix");
    if (!box)
        return;
    buffer_.SetSize(box->Width(), box->Height());
    TCanvas& canvas = buffer_.Canvas();
    canvas.Brush().Color = kBackground;
    canvas.Brush().Style = bsSolid;
    canvas.FillRect(TRect{0, 0, box->Width(), box->Height()});
    canvas.Pen().Width = kLineWidth;
    canvas.Pen().Style = psSolid;
    for (const RouteLine& line : Lines(box->Width(), host_.LayoutExtraHeight())) {
        canvas.Pen().Color = line.color;
        canvas.MoveTo(line.from.X, line.from.Y);
        canvas.LineTo(line.to.X, line.to.Y);
    }
}

void MatrixEditor::PaintMatrix()
{
    drawBuffer();
    if (auto* box = findComponent<TControl>(window_, "pbMatrix"))
        box->Invalidate();
}

void MatrixEditor::Paint(TCanvas& canvas)
{
    drawBuffer();
    if (!buffer_.Empty())
        canvas.Draw(0, 0, buffer_);
}

} // namespace qx
