// FIR coefficient files imported through the main window's file buttons: a
// table of good and bad files with their outcome, the coefficient blocks on
// the wire, the link group, the tap budget, and the input FIR bypass.

#include "EqWindowFixture.h"
#include "TempDir.h"
#include "model/FirImage.h"
#include "platform/gui/ScriptedDialogService.h"
#include "platform/gui/SpeedButton.h"
#include "response/Plot.h"

#include <cstring>

namespace {

using qxtest::Sent;
namespace rec = qx::rec;

constexpr std::uint8_t kExtFir = 0x4E;
constexpr std::uint8_t kCmd = 0x4F;

// Block b of a coefficient list as the processor takes it: channel, block,
// total count (low byte first), then each value's single-precision bits,
// most significant byte first.
Sent blockFrame(int c, int b, const std::vector<float>& values)
{
    const int total = static_cast<int>(values.size());
    std::vector<std::uint8_t> payload = {std::uint8_t(c), std::uint8_t(b), std::uint8_t(total & 0xFF),
                                         std::uint8_t(total >> 8)};
    for (int k = 12 * b; k < std::min(total, 12 * b + 12); ++k) {
        std::uint32_t bits = 0;
        std::memcpy(&bits, &values[static_cast<std::size_t>(k)], 4);
        for (const int shift : {24, 16, 8, 0})
            payload.push_back(static_cast<std::uint8_t>(bits >> shift));
    }
    return {qxtest::commandFrame(1, kExtFir, payload), true};
}

std::vector<Sent> blockFrames(int c, const std::vector<float>& values)
{
    std::vector<Sent> frames;
    for (int b = 0; 12 * b < static_cast<int>(values.size()); ++b)
        frames.push_back(blockFrame(c, b, values));
    return frames;
}

std::string textOf(const std::vector<float>& values)
{
    std::string text;
    for (const float v : values)
        text += std::to_string(v) + "\n";
    return text;
}

std::vector<float> ramp(int count, float step = 0.001F)
{
    std::vector<float> values;
    for (int k = 0; k < count; ++k)
        values.push_back(step * static_cast<float>(k % 100));
    return values;
}

class FirCoefficientImportTest : public eqtest::EqWindowTest
{
protected:
    // Chooses a file of that text in the dialog the button opens.
    void import(const std::string& button, const std::string& text, const std::string& name = "coeffs.txt")
    {
        const auto path = dir / name;
        qx::test::writeBytes(path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
        dialogs.fileAnswers.push_back(qx::FileDialogResult{{path.string()}, 1});
        auto* b = find<TSpeedButton>(button);
        b->OnClick(b);
    }
    // Values as the reader keeps them: the text's numbers in single precision.
    static std::vector<float> asRead(const std::vector<float>& values)
    {
        std::vector<float> read;
        for (const float v : values)
            read.push_back(static_cast<float>(std::stod(std::to_string(v))));
        return read;
    }
    void setOutputMode(int c, int mode)
    {
        qx::OutputFilter f = unit().GetOutputFilter(c);
        f.mode = static_cast<std::int16_t>(mode);
        unit().SetOutputFilter(c, f);
        window->LoadUnitToForm();
        sent().clear();
    }

    qx::test::TempDir dir;
    qx::ScriptedDialogService dialogs;
};

TEST_F(FirCoefficientImportTest, TheDialogOffersCoefficientFiles)
{
    auto* b = find<TSpeedButton>("sbOpenFileOut1");
    b->OnClick(b);
    ASSERT_EQ(dialogs.fileRequests.size(), 1U);
    const auto& request = dialogs.fileRequests[0];
    EXPECT_FALSE(request.save);
    EXPECT_EQ(request.fileName, "*.csv");
    ASSERT_EQ(request.filters.size(), 2U);
    EXPECT_EQ(request.filters[0].patterns, "*.Csv");
    EXPECT_EQ(request.filters[1].patterns, "*.Txt");
    EXPECT_TRUE(sent().empty()) << "a cancelled dialog changes nothing";
}

// Good and bad files into an output (FIR mode) and into an input: what is
// taken, the message of a refusal, and that a refusal changes nothing.
TEST_F(FirCoefficientImportTest, GoodAndBadFiles)
{
    const std::string tooMany = textOf(ramp(2049));
    const std::string tooManyAndTooLarge = "60\n" + tooMany;
    const std::string longest = "0.5" + std::string(48, '0');
    struct Case
    {
        const char* what;
        std::string text;
        int count;                 // values taken, 0 when refused
        const char* outputMessage; // empty when taken
        const char* inputMessage;
    };
    const char* coeff = "FIR Coefficient Error!!";
    const char* over = "Taps Over Maximum 2048!!";
    const std::vector<Case> cases = {
        {"two values on two lines", "0.5,\n0.25\n", 2, "", ""},
        {"tabs and doubled commas", "0.5,,0.25\t0.125", 3, "", ""},
        {"CR LF lines, no end of line after the last", "0.5\r\n-0.25", 2, "", ""},
        {"a UTF-8 byte-order mark", "\xef\xbb\xbf" "1E-3\n1e-3\n", 2, "", ""},
        {"2048 values", textOf(ramp(2048)), 2048, "", ""},
        {"50.0 and -1000", "50.0\n-1000\n", 2, "", ""},
        {"the longest number text", longest, 1, "", ""},
        {"2049 values", tooMany, 0, over, over},
        {"a value above 50", "0.5\n50.1\n", 0, coeff, coeff},
        {"too many, and a value above 50: an output checks the values first", tooManyAndTooLarge, 0, coeff, over},
        {"a letter F in a comment", "# FIR\n0.5\n", 0, coeff, coeff},
        {"a byte above 0x7F", "0.5\n\x80", 0, coeff, coeff},
        {"a number text past the buffer", longest + "1", 0, coeff, coeff},
        {"a lone sign", "0.5\n-\n", 0, coeff, coeff},
        {"a lone E", "0.5\nE\n", 0, coeff, coeff},
        {"a tilde", "0.5\n~\n", 0, coeff, coeff},
        {"blanks only", "0.5\n   \n", 0, coeff, coeff},
        {"an empty file", "", 0, coeff, coeff},
        {"a CR-only file", "0.5\r0.25\r", 0, coeff, coeff},
        {"UTF-16", std::string("\xff\xfe" "1\0\n\0", 6), 0, coeff, coeff},
        {"beyond the float range", "1e39", 0, coeff, coeff},
    };
    setOutputMode(4, 1);
    for (const Case& k : cases)
        for (const bool output : {true, false}) {
            SCOPED_TRACE(std::string(k.what) + (output ? " (output)" : " (input)"));
            const int c = output ? 4 : 1;
            window->LoadUnitToForm();
            const auto buffer = window->FirCoeffs[static_cast<std::size_t>(c)];
            const int taps = window->FirTaps[static_cast<std::size_t>(c)];
            const int reserved = window->FirTapsReserved;
            const qx::UnitRecord record = unit().record();
            sent().clear();
            window->messages.clear();
            import(output ? "sbOpenFileOut1" : "sbOpenFirFileInB", k.text);
            const std::string message = output ? k.outputMessage : k.inputMessage;
            if (!message.empty()) {
                EXPECT_EQ(window->messages, std::vector<std::string>{message});
                EXPECT_TRUE(sent().empty());
                EXPECT_EQ(window->FirCoeffs[static_cast<std::size_t>(c)], buffer);
                EXPECT_EQ(window->FirTaps[static_cast<std::size_t>(c)], taps);
                EXPECT_EQ(window->FirTapsReserved, reserved);
                EXPECT_EQ(unit().record(), record);
                continue;
            }
            EXPECT_TRUE(window->messages.empty());
            EXPECT_EQ(window->FirTaps[static_cast<std::size_t>(c)], k.count);
            EXPECT_EQ(find(output ? "lbNowFirTapsOut1" : "lbNowFirTapsInB")->Caption(), std::to_string(k.count));
            EXPECT_EQ(find(output ? "lbNowFirNameOut1" : "lbNowFirNameInB")->Caption(), "coeffs");
            EXPECT_EQ(window->FirTapsReserved, window->FirTapsInUse(4) + window->FirTapsInUse(1));
            const int blocks = (k.count + 11) / 12;
            ASSERT_GE(static_cast<int>(sent().size()), blocks);
            for (int b = 0; b < blocks; ++b)
                EXPECT_EQ(sent()[static_cast<std::size_t>(b)].frame[5], kExtFir);
        }
}

// 13 values: block 0 with 12, block 1 with 1, both with the total 13; then
// the output stores the count as a coefficient FIR (no 0x4B: the processor
// takes the blocks).
TEST_F(FirCoefficientImportTest, AnOutputImportSendsTheBlocksOfTheChosenOutput)
{
    linkOutputs(5, 0x06); // Out2 and Out3
    setOutputMode(5, 2);
    const std::vector<float> values = asRead(ramp(13, 0.01F));
    import("sbOpenFirFileOut2", textOf(values), "thirteen.csv");
    EXPECT_EQ(sent(), blockFrames(5, values));
    ASSERT_EQ(sent().size(), 2U);
    for (const int c : {5, 6}) {
        EXPECT_EQ(unit().GetOutputFilter(c).fir.type, 4) << c;
        EXPECT_EQ(unit().GetOutputFilter(c).fir.taps, 13) << c;
        EXPECT_EQ(window->FirTaps[static_cast<std::size_t>(c)], 13) << c;
        EXPECT_TRUE(std::equal(values.begin(), values.end(), window->FirCoeffs[static_cast<std::size_t>(c)].begin()))
            << c;
        EXPECT_FALSE(flat(curveOf(c, Plot::kOutputFirSection))) << c;
    }
    EXPECT_EQ(find("lbNowFirNameOut2")->Caption(), "thirteen");
    EXPECT_FALSE(find<TRzBmpButton>("rzbFirBypassOut2")->Down());
    EXPECT_EQ(window->FirTapsReserved, 2 * 13) << "counted once per member of the group";
    EXPECT_EQ(unit().GetOutputFilter(7).fir.type, 0) << "Out4 is not in the group";
}

TEST_F(FirCoefficientImportTest, AnOutputInIirModeTakesAFileWithoutTheBudget)
{
    setOutputMode(8, 0);
    window->FirTapsReserved = 12288;
    import("sbOpenFirFileOut5", textOf(ramp(2048)));
    EXPECT_TRUE(window->messages.empty());
    EXPECT_EQ(window->FirTapsReserved, 12288);
    EXPECT_EQ(sent().size(), 171U) << "2048 values in 171 blocks";
    EXPECT_TRUE(flat(curveOf(8, Plot::kOutputFirSection))) << "IIR mode draws no FIR";
    // In FIR mode the same file is refused over the budget.
    setOutputMode(9, 1);
    window->FirTapsReserved = 12000;
    window->messages.clear();
    import("sbOpenFirFileOut6", textOf(ramp(300)));
    EXPECT_EQ(window->messages, std::vector<std::string>{"Run Out of FIR Resource!!"});
    EXPECT_TRUE(sent().empty());
    EXPECT_EQ(unit().GetOutputFilter(9).fir.type, 0);
}

// An input takes the file for its link group, sends the blocks and then
// switches its FIR on (0x4F [channel, 0]).
TEST_F(FirCoefficientImportTest, AnInputImportSendsTheBlocksAndSwitchesTheFirOn)
{
    qx::writeWord(unit().record(), rec::input(2) + rec::kInLinkMask, 0x0C); // InC and InD
    qx::writeWord(unit().record(), rec::input(3) + rec::kInLinkMask, 0);
    window->LoadUnitToForm();
    find<TRadioButton>("rbShowEqFirInC")->SetChecked(true);
    sent().clear();
    EXPECT_EQ(window->FirTapsReserved, 0) << "the factory inputs are bypassed";
    const std::vector<float> values = asRead(ramp(30, 0.02F));
    import("sbOpenFirFileInC", textOf(values));
    std::vector<Sent> expected = blockFrames(2, values);
    expected.push_back({qxtest::commandFrame(1, kCmd, {2, 0}), true});
    EXPECT_EQ(sent(), expected);
    for (const int c : {2, 3}) {
        EXPECT_EQ(unit().GetInputFirTaps(c), 30) << c;
        EXPECT_FALSE(unit().GetInFirBypass(c)) << c;
        EXPECT_EQ(window->FirTaps[static_cast<std::size_t>(c)], 30) << c;
    }
    EXPECT_EQ(window->FirTapsReserved, 60);
    EXPECT_FALSE(find<TRzBmpButton>("rzbFirBypassInC")->Down());
    EXPECT_FALSE(flat(curveOf(2, Plot::kHighPassSection)));
}

TEST_F(FirCoefficientImportTest, TheInputFirBypass)
{
    const std::vector<float> values = asRead(ramp(40, 0.01F));
    window->LoadUnitToForm();
    find<TRadioButton>("rbShowFirInA")->SetChecked(true);
    import("sbOpenFirFileInA", textOf(values));
    sent().clear();
    EXPECT_EQ(window->FirTapsReserved, 40);
    toggle("rzbFirBypassInA");
    EXPECT_EQ(sent(), (std::vector<Sent>{{qxtest::commandFrame(1, kCmd, {0, 1}), true}}));
    EXPECT_EQ(window->FirTapsReserved, 0);
    EXPECT_TRUE(flat(curveOf(0, Plot::kHighPassSection)));
    sent().clear();
    toggle("rzbFirBypassInA");
    EXPECT_EQ(sent(), (std::vector<Sent>{{qxtest::commandFrame(1, kCmd, {0, 0}), true}}));
    EXPECT_EQ(window->FirTapsReserved, 40);
    EXPECT_FALSE(flat(curveOf(0, Plot::kHighPassSection)));
    // Over the budget the button goes down again and nothing is sent.
    toggle("rzbFirBypassInA");
    sent().clear();
    window->FirTapsReserved = 12288;
    toggle("rzbFirBypassInA");
    EXPECT_TRUE(find<TRzBmpButton>("rzbFirBypassInA")->Down());
    EXPECT_TRUE(sent().empty());
}

// Opening a preset file sends the coefficients of every channel that holds
// some, from the window's buffers.
TEST_F(FirCoefficientImportTest, OpeningAPresetFileResendsTheCoefficients)
{
    dialogs.fileAnswers.push_back(qx::FileDialogResult{{QX_SAMPLES_DIR "/busy.prs"}, 1});
    window->OpenClick(nullptr);
    std::vector<Sent> blocks;
    std::copy_if(sent().begin(), sent().end(), std::back_inserter(blocks),
                 [](const Sent& s) { return s.frame[5] == kExtFir; });
    const std::vector<float> inB(window->FirCoeffs[1].begin(), window->FirCoeffs[1].begin() + 100);
    EXPECT_EQ(blocks, blockFrames(1, inB)) << "InB's 100 coefficients, the only ones in the file";
    EXPECT_FALSE(qx::isUnitImpulse(window->FirCoeffs[1], 100));
}

} // namespace
