// Re-captioning the main window from the text table of its language.

#include "app/FMain.h"

#include "app/strings/TextTables.h"
#include "controls/buttons/rz/RzBmpBtn.h"
#include "platform/gui/Control.h"
#include "platform/gui/MenuItem.h"
#include "response/TMyPEQType8.h"

#include <string>
#include <utility>

namespace {

using NameAndId = std::pair<const char*, const char*>;

constexpr NameAndId kMenuCaptions[] = {
    {"File", "SID_FILE"},
    {"Open", "SID_OPEN"},
    {"Save", "SID_SAVE"},
    {"Upload", "SID_UPLOAD"},
    {"Download", "SID_DOWNLOAD"},
    {"FactoryDefault", "SID_RETRUN_FACTORY"},
    {"Exit", "SID_EXIT"},
    {"BlockDiagram", "SID_BLOCK"},
    {"Connect", "SID_CONNECT"},
    {"ConnectHelp", "SID_CONNECT_HELP"},
    {"Lock", "SID_LOCK"},
    {"Unit", "SID_UNIT"},
    {"InFir", "SID_IN_FIR"},
    {"LockMode", "SID_LOCK_MODE_SETUP"},
    {"LockSetup", "SID_LOCK_SETUP"},
    {"SettingID", "SID_SET_ID"},
    {"SourceSelect", "SID_SOURCE_SELECT"},
    {"InSelect", "SID_IN_SELECT"},
    {"InAnalog", "SID_ANALOG"},
    {"InDigital", "SID_DIGITAL"},
    {"OutSelect", "SID_OUT_SELECT"},
    {"OutAnalog", "SID_ANALOG"},
    {"OutDigital", "SID_DIGITAL"},
    {"NetworkSetup", "SID_SET_NETWORK"},
    {"TestTone", "SID_TEST_TONE"},
    {"Link", "SID_LINK"},
    {"Copy", "SID_COPY"},
    {"ChNameList", "SID_CH_NAME_LIST"},
    {"LimitCalculate", "SID_LMT_CALCULATE"},
    {"LanguageSel", "SID_LANGUAGE"},
    {"ChineseSimplified", "SID_CHINESE_SIMPLIFIED"},
    {"ChineseTraditional", "SID_CHINESE_TRODITIONAL"},
    {"English", "SID_ENGLISH"},
    {"Help", "SID_HELP"},
    {"Rs232Code", "SID_RS232_CODE"},
    {"About", "SID_ABOUT"},
};

constexpr NameAndId kSingleCaptions[] = {
    {"lPreset", "SID_PRESET"},          {"lAddress", "SID_ADDRESS"},       {"bStore", "SID_BT_STORE"},
    {"bRecall", "SID_BT_RECALL"},       {"lbGainInput", "SID_IN"},         {"lbDelayInput", "SID_IN"},
    {"lbFftGainIn", "SID_IN"},          {"lbGainOutput", "SID_OUT"},       {"lbDelayOutput", "SID_OUT"},
    {"lbFftGainOut", "SID_OUT"},        {"lbDelayUnit", "SID_DELAY_UNIT"}, {"lbFftDelayIn", "SID_IN_DELAY"},
    {"lbFftDelayOut", "SID_OUT_DELAY"}, {"rzbUnit0", "SID_UNIT_MS"},       {"rzbUnit1", "SID_UNIT_M"},
    {"rzbUnit2", "SID_UNIT_FT"},
};

// Channel families: prefix of the inputs ("In" + letter follows), of the
// outputs, and the ids; an empty prefix means the side has no such control.
struct Family
{
    const char* input;
    const char* output;
    const char* inputId;
    const char* outputId;
};

constexpr Family kFamilies[] = {
    {"lbFftParam", "lbFftParam", "SID_PARAM_KEY", "SID_PARAM_KEY"},
    {"lbGain", "lbGain", "SID_GAIN", "SID_GAIN"},
    {"rzbMute", "rzbMute", "SID_MUTE", "SID_MUTE"},
    {"lbEqParam", "lbEqParam", "SID_EQ_PARAM", "SID_EQ_PARAM"},
    {"lbEqFreq", "lbEqFreq", "SID_EQ_FREQ", "SID_EQ_FREQ"},
    {"lbEqBw", "lbEqBw", "SID_EQ_BW", "SID_EQ_BW"},
    {"lbEqGain", "lbEqGain", "SID_EQ_GAIN", "SID_EQ_GAIN"},
    {"lbEq", "lbEq", "SID_IN_EQ_PARAM_TITLE", "SID_EQ_PARAM_TITLE"},
    {"lbLowCutFreq", "lbLowCutFreq", "SID_HPF", "SID_HPF"},
    {"lbLowCutSlop", "lbLowCutSlop", "SID_HLP_SLOP", "SID_HLP_SLOP"},
    {"rzbLowCutBypass", "rzbLowCutBypass", "SID_HLP_BYPASS", "SID_HLP_BYPASS"},
    {"lbHighCutFreq", "lbHighCutFreq", "SID_LPF", "SID_LPF"},
    {"lbHighCutSlop", "lbHighCutSlop", "SID_HLP_SLOP", "SID_HLP_SLOP"},
    {"rzbHighCutBypass", "rzbHighCutBypass", "SID_HLP_BYPASS", "SID_HLP_BYPASS"},
    {"", "lbMode", "", "SID_DEQ_MODE"},
    {"", "lbFirLowCut", "", "SID_HPF"},
    {"", "lbFirHighCut", "", "SID_LPF"},
    {"", "lbFirType", "", "SID_DEQ_TYPE"},
    {"", "lbFirWin", "", "SID_FIR_WIN"},
    {"", "lbFirTaps", "", "SID_FIR_TAPS"},
    {"lbFirBypass", "lbFirBypass", "SID_HLP_BYPASS", "SID_HLP_BYPASS"},
    {"lbShowFirTaps", "lbShowFirTaps", "SID_FIR_TAPS", "SID_FIR_TAPS"},
    {"lbShowFirName", "lbShowFirName", "SID_FIR_NAME", "SID_FIR_NAME"},
    {"vrbEqShowAll", "vrbEqShowAll", "SID_SHOW_ALL_EQ", "SID_SHOW_ALL_EQ"},
    {"vrbEqReset", "vrbEqReset", "SID_RESET_EQ", "SID_RESET_EQ"},
    {"vrbEqBypass", "vrbEqBypass", "SID_BYPASS_EQ", "SID_BYPASS_EQ"},
    {"", "lbCompRatio", "", "SID_COMP_RATIO"},
    {"", "lbLimitRatio", "", "SID_COMP_RATIO"},
    {"", "lbCompThreshold", "", "SID_COMP_THRESHOLD"},
    {"", "lbLimitThreshold", "", "SID_COMP_THRESHOLD"},
    {"", "lbCompAttack", "", "SID_COMP_ATTACK"},
    {"", "lbLimitAttack", "", "SID_COMP_ATTACK"},
    {"", "lbCompRelease", "", "SID_COMP_RELEASE"},
    {"", "lbLimitRelease", "", "SID_COMP_RELEASE"},
    {"", "lbCompKnee", "", "SID_COMP_KNEE"},
    {"", "lbLimitKnee", "", "SID_COMP_KNEE"},
};

} // namespace

void TfmMain::ApplyLanguage()
{
    for (const auto& [name, id] : kMenuCaptions)
        setCaption(name, id);
    setCaption("Connected", IsOnline() ? "SID_DISCONNECT" : "SID_CONNECT");
    setCaption("rzbMenuLink", IsOnline() ? "SID_ONLINE" : "SID_OFFLINE");
    for (const auto& [name, id] : kSingleCaptions)
        setCaption(name, id);
    for (int c = 0; c < 12; ++c) {
        const std::string suffix = qx::channelSuffix(c);
        setCaption("rzbMuteBackup" + suffix, "SID_MUTE");
        setPhaseCaption("rzbPhaseBackup" + suffix);
    }
    for (int c = 0; c < 12; ++c) {
        const bool input = c < 4;
        const std::string suffix = qx::channelSuffix(c);
        setPhaseCaption("rzbPhase" + suffix);
        for (const Family& f : kFamilies) {
            const std::string prefix = input ? f.input : f.output;
            if (!prefix.empty())
                setCaption(prefix + suffix, input ? f.inputId : f.outputId);
        }
        if (auto* grid = qx::findComponent<TMyPEQType8>(*this, "peqPeq" + suffix))
            nameBandTypes(*grid);
    }
    const std::string gap = "  ";
    if (TControl* gate = control("lbGateName"))
        gate->SetCaption("In A" + gap + std::string(Translate("SID_GATE")));
    if (TControl* comp = control("lbCompName"))
        comp->SetCaption("Out " + std::to_string(ShownCompOutput - 3) + gap + std::string(Translate("SID_COMP")));
    if (TControl* limit = control("lbLimitName"))
        limit->SetCaption("Out " + std::to_string(ShownLimitOutput - 3) + gap + std::string(Translate("SID_LIMIT")));
}

// The grid's type lists and bypass buttons take the table's names, keeping
// each row's chosen type.
void TfmMain::nameBandTypes(TMyPEQType8& grid)
{
    for (int type = 0; type < 9; ++type)
        grid.SetEqTypeString(std::string(Translate("SID_EQ_TYPE" + std::to_string(type))), type);
    grid.SetBypassString(std::string(Translate("SID_EQ_BYPASS")));
    grid.ChangeLanguage();
}

// A phase button reads "Inverse" while down, "Normal" while up.
void TfmMain::setPhaseCaption(const std::string& name)
{
    if (auto* phase = qx::findComponent<TRzBmpButton>(*this, name))
        phase->SetCaption(std::string(Translate(phase->Down() ? "SID_PHASE_ON" : "SID_PHASE_OFF")));
}

void TfmMain::ChineseSimplifiedClick(TObject* Sender)
{
    auto* item = dynamic_cast<TMenuItem*>(Sender);
    if (!item)
        return;
    static constexpr const char* kLanguages[] = {"ChineseGB", "ChineseBIG5", "English"};
    static constexpr const char* kItems[] = {"ChineseSimplified", "ChineseTraditional", "English"};
    const int tag = item->Tag();
    if (tag < 0 || tag > 2)
        return;
    Language = kLanguages[tag];
    TMenuItem* chosen = menuItem(kItems[tag]);
    if (!chosen || chosen->Checked())
        return;
    for (const char* name : kItems)
        if (TMenuItem* m = menuItem(name))
            m->SetChecked(m == chosen);
    ApplyLanguage();
    if (TControl* grid = control("peqPeqInA"))
        grid->Repaint();
}

void TfmMain::EnglishClick(TObject* Sender) { ChineseSimplifiedClick(Sender); }
