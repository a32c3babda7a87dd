// The main window's page switch, block-diagram navigation and menu handlers.

#include "app/FMain.h"
#include "app/FHidData.h"
#include "app/FInFirPassWord.h"
#include "app/FRs232Code.h"

#include "app/SmallWindows.h"
#include "app/strings/TextTables.h"
#include "link/LinkRouter.h"
#include "model/LUnitControl.h"
#include "controls/buttons/rz/RzBmpBtn.h"
#include "controls/skinned/AdvTrackBar.h"
#include "platform/gui/Control.h"
#include "platform/gui/ComboBox.h"
#include "platform/gui/Label.h"
#include "platform/gui/MenuItem.h"
#include "response/Plot.h"

#include <array>
#include <string>

namespace {

constexpr int kFirstFunctionPage = 12;
// Page 12-17 by name.
constexpr std::array<const char*, 6> kFunctionPages = {"Comp", "Delay", "Gain", "Matrix", "Gate", "Limit"};

struct PageNames
{
    std::string button, graph, param;
};

// The button and the page pair of page p (0-17).
PageNames pageNames(int p)
{
    const std::string page = p < kFirstFunctionPage ? qx::channelSuffix(p) : kFunctionPages[p - kFirstFunctionPage];
    return {"rzbMenu" + page, "rzgFft" + page, "rzgParam" + page};
}

void setFontColor(TControl& c, TColor color)
{
    TFont font = c.Font();
    font.Color = color;
    c.SetFont(font);
}

} // namespace

void TfmMain::rzbMenuInAClick(TObject* Sender)
{
    auto* pressed = dynamic_cast<TControl*>(Sender);
    if (!pressed)
        return;
    const int p = pressed->Tag();
    if (p == CurrentPage || p < 0 || p > 17)
        return;
    Router->SetFreeResends(1);

    const PageNames old = pageNames(CurrentPage);
    TControl* oldButton = control(old.button);
    TControl* oldGraph = control(old.graph);
    TControl* oldParam = control(old.param);
    if (!oldButton || !oldGraph || !oldParam)
        return;
    setFontColor(*oldButton, clWhite);

    PageNames shown = pageNames(p);
    if (p < kFirstFunctionPage) {
        const int leader = GroupLeader(p);
        if (leader < 0)
            return;
        shown = pageNames(leader);
        if (!control(shown.graph) || !control(shown.param))
            return;
        const std::string leaderSuffix = qx::channelSuffix(leader);
        // The group's curve takes the colour of the channel pressed.
        if (Plot* plot = Plots[static_cast<std::size_t>(leader)].get()) {
            plot->RemoveSection(Plot::kSumSection);
            plot->DrawSection(Plot::kSumSection, Plot::channelColour(p));
        }
        if (TControl* graph = control("fftDraw" + leaderSuffix))
            graph->Repaint();
        if (p >= 4) {
            auto* type = qx::findComponent<TComboBox>(*this, "rzcFirTypeOut" + leaderSuffix.substr(3));
            auto* taps = qx::findComponent<TComboBox>(*this, "rzcFirTapsOut" + leaderSuffix.substr(3));
            auto* window = qx::findComponent<TComboBox>(*this, "rzcFirWinOut" + leaderSuffix.substr(3));
            auto* highCut = qx::findComponent<TAdvTrackBar>(*this, "isFirHighCut" + leaderSuffix);
            auto* lowCut = qx::findComponent<TAdvTrackBar>(*this, "isFirLowCut" + leaderSuffix);
            if (!type || !taps || !window || !highCut || !lowCut)
                return;
            qx::OutputFirSettings& design = FirDesign[static_cast<std::size_t>(leader - qx::kInputCount)];
            design.type = static_cast<std::uint8_t>(type->ItemIndex());
            design.window = static_cast<std::uint8_t>(window->ItemIndex());
            design.taps = static_cast<std::uint16_t>(taps->ItemIndex());
            design.lowCut = static_cast<std::uint16_t>(lowCut->Position());
            design.highCut = static_cast<std::uint16_t>(highCut->Position());
        }
        TControl* graphLabel = control("lbFftChannel" + leaderSuffix);
        TControl* gainLabel = control("lbGainName" + leaderSuffix);
        auto* mute = qx::findComponent<TRzBmpButton>(*this, "rzbMute" + leaderSuffix);
        if (!graphLabel || !gainLabel || !mute)
            return;
        graphLabel->SetCaption(qx::channelSuffix(p));
        gainLabel->SetCaption(qx::channelSuffix(p));
        mute->SetDown(UnitControl->IsMuted(p));
    }
    TControl* graph = control(shown.graph);
    TControl* param = control(shown.param);
    if (!graph || !param)
        return;

    setFontColor(*pressed, clMenuHighlight);
    oldParam->Hide();
    oldGraph->Hide();
    param->Show();
    graph->Show();
    param->BringToFront();
    graph->BringToFront();
    CurrentPage = p;
    if (p == kPageGain)
        RefreshGainOverlays();
    else
        RefreshChannelOverlays(p);
}

// Presses the page button as a user would.
void TfmMain::openPageOf(TControl* pageButton)
{
    auto* button = dynamic_cast<TRzBmpButton*>(pageButton);
    if (!button)
        return;
    button->Click();
    button->SetDown(true);
    if (auto* matrix = qx::findComponent<TRzBmpButton>(*this, "rzbMenuMatrix"); matrix && matrix != button)
        matrix->SetDown(false);
}

// A block-diagram label that leads to a function page.
void TfmMain::openFixedPage(TObject* Sender, std::string_view button)
{
    if (dynamic_cast<TLabel*>(Sender))
        openPageOf(control(button));
}

void TfmMain::lbMatrixFirInAClick(TObject* Sender)
{
    auto* label = dynamic_cast<TLabel*>(Sender);
    if (!label || label->Tag() < 0 || label->Tag() > 11)
        return;
    openPageOf(control("rzbMenu" + qx::channelSuffix(label->Tag())));
}

void TfmMain::lbMatrixDeqInAClick(TObject* Sender) { lbMatrixFirInAClick(Sender); }

void TfmMain::lbMatrixGainInAClick(TObject* Sender) { openFixedPage(Sender, "rzbMenuGain"); }
void TfmMain::lbMatrixGateInAClick(TObject* Sender) { openFixedPage(Sender, "rzbMenuGate"); }
void TfmMain::lbMatrixDelayInAClick(TObject* Sender) { openFixedPage(Sender, "rzbMenuDelay"); }
void TfmMain::lbMatrixCompOut1Click(TObject* Sender) { openFixedPage(Sender, "rzbMenuComp"); }
void TfmMain::lbMatrixPhaseOut1Click(TObject* Sender) { openFixedPage(Sender, "rzbMenuLimit"); }

void TfmMain::lbMatrixChNameInAMouseMove(TObject* Sender, TShiftState, int, int)
{
    if (auto* label = dynamic_cast<TLabel*>(Sender))
        label->SetCursor(crHandPoint);
}

void TfmMain::lbMatrixChNameInAMouseLeave(TObject* Sender)
{
    if (auto* label = dynamic_cast<TLabel*>(Sender))
        label->SetCursor(crDefault);
}

void TfmMain::ExitClick(TObject*)
{
    if (fmExit)
        fmExit->ShowModal();
}

void TfmMain::AboutClick(TObject*)
{
    if (fmAbout)
        fmAbout->ShowModal();
}

// The document window of the language in use: English for "English", Chinese for any other.
void TfmMain::Rs232CodeClick(TObject*)
{
    TForm* window = Language == qx::kLanguageEnglish ? static_cast<TForm*>(fmRs232CodeEnglish)
                                                     : static_cast<TForm*>(fmRs232Code);
    if (window)
        window->ShowModal();
}

void TfmMain::InFirClick(TObject*)
{
    if (fmInFirPassWord)
        fmInFirPassWord->ShowModal();
}

void TfmMain::MemoShowClick(TObject*)
{
    if (fmMemo)
        fmMemo->Show();
}

void TfmMain::HidDataClick(TObject*)
{
    if (fmHidData)
        fmHidData->Show();
}

void TfmMain::ConnectedClick(TObject*)
{
    if (auto* link = qx::findComponent<TRzBmpButton>(*this, "rzbMenuLink"))
        link->Click();
}

void TfmMain::DoNothingClick(TObject*) {}

namespace {

// Checks `on`, unchecks `off` and shows or hides the AES/EBU label.
void selectSource(TfmMain& window, const char* on, const char* off, const char* label, bool digital)
{
    if (auto* item = qx::findComponent<TMenuItem>(window, on))
        item->SetChecked(true);
    if (auto* item = qx::findComponent<TMenuItem>(window, off))
        item->SetChecked(false);
    if (auto* aes = qx::findComponent<TControl>(window, label))
        aes->SetVisible(digital);
}

} // namespace

void TfmMain::InAnalogClick(TObject*)
{
    selectSource(*this, "InAnalog", "InDigital", "lbInSelDigital", false);
    UnitControl->SetInputSelect(0);
}

void TfmMain::InDigitalClick(TObject*)
{
    selectSource(*this, "InDigital", "InAnalog", "lbInSelDigital", true);
    UnitControl->SetInputSelect(1);
}

void TfmMain::OutAnalogClick(TObject*)
{
    selectSource(*this, "OutAnalog", "OutDigital", "lbOutSelDigital", false);
    UnitControl->SetOutputSelect(0);
}

void TfmMain::OutDigitalClick(TObject*)
{
    selectSource(*this, "OutDigital", "OutAnalog", "lbOutSelDigital", true);
    UnitControl->SetOutputSelect(1);
}
