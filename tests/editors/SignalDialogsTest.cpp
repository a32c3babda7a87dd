// The source-select, test-signal and limiter-calculator dialogs, opened from
// the main window's menu and worked through their windows: the masks and
// model stored, the frames sent, the texts shown, the busy flag and the
// model load.

#include "ChannelWindowFixture.h"
#include "FaderDrag.h"
#include "PumpUntil.h"
#include "WindowSystemInput.h"
#include "controls/buttons/rz/RzCmboBx.h"
#include "controls/skinned/AdvTrackBar.h"
#include "editors/channel/FLimitCalculate.h"
#include "editors/channel/FSourceSelect.h"
#include "editors/channel/FTest.h"
#include "model/LUnitControl.h"
#include "platform/gui/ComboBox.h"
#include "platform/gui/Edit.h"
#include "platform/gui/Label.h"
#include "platform/gui/MenuItem.h"
#include "platform/gui/RadioButton.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace chantest;
using qx::test::chooseThroughWindow;
using qx::test::clickThroughWindow;
using qx::test::dragFaderThroughWindow;

constexpr std::uint8_t kSourceSelect = 0x5B;
constexpr std::uint8_t kWorkMode = 0x39;

class SignalDialogsTest : public ChannelWindowTest
{
protected:
    void SetUp() override
    {
        ChannelWindowTest::SetUp();
        makeDialog(fmSourceSelect);
        makeDialog(fmTest);
        makeDialog(fmLimitCalculate);
        window->Show();
        // The user starts once the window system has made the window the active one.
        ASSERT_TRUE(qx::test::pumpUntil([&] { return qx::test::readyForTheUser(*window); }, "the main window active"));
    }
    void TearDown() override
    {
        fmSourceSelect = nullptr;
        fmTest = nullptr;
        fmLimitCalculate = nullptr;
        ChannelWindowTest::TearDown();
    }

    // Opens a modal dialog from the main window's menu; `inside` runs in its
    // loop, and the dialog is closed by its own button.
    void fromMenu(const char* item, TForm& dialog, TControl& exit, const std::function<void()>& inside)
    {
        const WhenShown run(dialog, [&] {
            inside();
            clickThroughWindow(exit);
        });
        EXPECT_TRUE(qx::test::chooseMenuThroughWindow(*find<TMenuItem>(item))) << item;
        EXPECT_TRUE(run.Ran()) << item;
        EXPECT_FALSE(dialog.Visible()) << item << " closed";
    }
    // The next item of a list, chosen with the arrow key as a user does.
    static void keyDown(TWinControl& list, Qt::Key key = Qt::Key_Down)
    {
        list.SetFocus();
        QApplication::processEvents();
        QTest::keyClick(list.Widget()->window()->windowHandle(), key);
    }
    static TComboBox* sourceList(const std::string& name) { return qx::findComponent<TComboBox>(*fmSourceSelect, name); }
    static Sent workMode(int kind, int sine, int attenuation, bool urgent)
    {
        return frame(kWorkMode,
                     {static_cast<std::uint8_t>(kind), static_cast<std::uint8_t>(sine),
                      static_cast<std::uint8_t>(attenuation)},
                     urgent);
    }
};

// --- source select ---------------------------------------------------------

TEST_F(SignalDialogsTest, SourceChoicesStoreTheirBitAndAreSentAtOnce)
{
    fromMenu("SourceSelect", *fmSourceSelect, *fmSourceSelect->bnExit, [&] {
        EXPECT_TRUE(sent().empty()) << "writing the lists sends nothing";
        EXPECT_EQ(fmSourceSelect->Caption(), "Source Select");
        EXPECT_EQ(sourceList("cbInA")->ItemIndex(), 0);
        EXPECT_EQ(sourceList("cbInA")->Items()->Strings(1), "       InA + InB");
        EXPECT_EQ(sourceList("cbOut8")->Items()->Strings(0), "            Out8");
        keyDown(*sourceList("cbInA"));
        EXPECT_EQ(unit().GetSourceSelectMask(), 0x0001);
        keyDown(*sourceList("cbOut8"));
        EXPECT_EQ(unit().GetSourceSelectMask(), 0x0801);
        keyDown(*sourceList("cbInA"), Qt::Key_Up);
    });
    EXPECT_EQ(unit().GetSourceSelectMask(), 0x0800);
    EXPECT_EQ(sourceList("cbInB")->ItemIndex(), 0) << "a pair's channels are set apart";
    EXPECT_EQ(sent(), (std::vector<Sent>{frame(kSourceSelect, {0, 1}, true), frame(kSourceSelect, {11, 1}, true),
                                         frame(kSourceSelect, {0, 0}, true)}));
}

// Each show reads the model's mask, also bits set since the last show.
TEST_F(SignalDialogsTest, ReopeningShowsTheModelsMask)
{
    qx::writeWord(unit().record(), rec::kSourceSelectMask, 0x0A06);
    fromMenu("SourceSelect", *fmSourceSelect, *fmSourceSelect->bnExit, [&] {
        for (int c = 0; c < 12; ++c)
            EXPECT_EQ(sourceList("cb" + qx::channelSuffix(c))->ItemIndex(), (0x0A06 >> c) & 1) << c;
    });
    EXPECT_TRUE(sent().empty());
}

// --- test signal -----------------------------------------------------------

TEST_F(SignalDialogsTest, TheKindsAndTheSineAreSentUrgent)
{
    fromMenu("TestTone", *fmTest, *fmTest->bnExit, [&] {
        EXPECT_EQ(fmTest->Caption(), "Input Signal Select");
        EXPECT_EQ(fmTest->rbPinkNoise->Caption(), "Pink Noise");
        clickThroughWindow(*fmTest->rbPinkNoise);
        clickThroughWindow(*fmTest->rbAnalogIn);
        clickThroughWindow(*fmTest->rbPinkNoise);
        // A frequency while pink noise is on: the sine is selected and the
        // command goes twice; a second frequency once.
        EXPECT_TRUE(chooseThroughWindow(*fmTest->cbSineFreq, 17)); // 1KHz
        EXPECT_TRUE(fmTest->rbSineWave->Checked());
        EXPECT_TRUE(chooseThroughWindow(*fmTest->cbSineFreq, 20)); // 2KHz
    });
    EXPECT_EQ(sent(), (std::vector<Sent>{workMode(1, 0, 80, true), workMode(0, 0, 80, true), workMode(1, 0, 80, true),
                                         workMode(3, 17, 80, true), workMode(3, 17, 80, true),
                                         workMode(3, 20, 80, true)}));
    EXPECT_EQ(fmTest->SignalKind, 3);
    EXPECT_EQ(unit().GetTestSignalKind(), 0) << "the dialog never writes the model";
}

TEST_F(SignalDialogsTest, TheLevelFaderSendsTheKindNotUrgent)
{
    fromMenu("TestTone", *fmTest, *fmTest->bnExit, [&] {
        clickThroughWindow(*fmTest->rbWhiteNoise);
        dragFaderThroughWindow(*fmTest->isToneGain, -12);
        EXPECT_EQ(fmTest->lbToneGain->Caption(), "-6.0 dB");
        dragFaderThroughWindow(*fmTest->isToneGain, -1);
        EXPECT_EQ(fmTest->lbToneGain->Caption(), "-0.5 dB");
        dragFaderThroughWindow(*fmTest->isToneGain, 0);
        EXPECT_EQ(fmTest->lbToneGain->Caption(), " 0.0 dB");
    });
    EXPECT_EQ(sent(), (std::vector<Sent>{workMode(2, 0, 80, true), workMode(2, 0, 12, false),
                                         workMode(2, 0, 1, false), workMode(2, 0, 0, false)}));
}

// The list cannot be typed in; with no item chosen the last index is sent.
TEST_F(SignalDialogsTest, TheSineListIsNotTypedAndKeepsItsLastIndex)
{
    EXPECT_EQ(fmTest->cbSineFreq->Style(), csDropDownList);
    EXPECT_EQ(fmTest->cbSineFreq->Items()->Count(), 31);
    EXPECT_EQ(fmTest->cbSineFreq->Items()->Strings(30), "20KHz");
    fromMenu("TestTone", *fmTest, *fmTest->bnExit, [&] {
        EXPECT_TRUE(chooseThroughWindow(*fmTest->cbSineFreq, 5));
        fmTest->cbSineFreq->SetItemIndex(-1); // no item chosen
        clickThroughWindow(*fmTest->rbPinkNoise);
        dragFaderThroughWindow(*fmTest->isToneGain, -4);
    });
    EXPECT_EQ(sent(), (std::vector<Sent>{workMode(3, 5, 80, true), workMode(3, 5, 80, true), workMode(1, 5, 80, true),
                                         workMode(1, 5, 4, false)}));
}

// While busy the dialog's controls and label change and nothing is sent; a
// model load puts the dialog to the model's signal.
TEST_F(SignalDialogsTest, AModelLoadShowsTheTestSignalAndSendsNothing)
{
    window->Busy = true;
    fmTest->rbSineWave->SetChecked(true);
    fmTest->isToneGain->SetPosition(-30);
    window->Busy = false;
    EXPECT_EQ(fmTest->lbToneGain->Caption(), "-15.0 dB");
    EXPECT_EQ(fmTest->SignalKind, 3);
    EXPECT_TRUE(sent().empty());

    auto& record = unit().record();
    qx::writeWord(record, rec::kTestSignalKind, 2);
    record[rec::kSineIndex] = 9;
    record[rec::kToneAttenuation] = 20;
    window->LoadUnitToForm();
    EXPECT_TRUE(fmTest->rbWhiteNoise->Checked());
    EXPECT_EQ(fmTest->SignalKind, 2);
    EXPECT_EQ(fmTest->cbSineFreq->ItemIndex(), 9);
    EXPECT_EQ(fmTest->isToneGain->Position(), -20);
    EXPECT_EQ(fmTest->lbToneGain->Caption(), "-10.0 dB");
    EXPECT_TRUE(sent().empty());
    fromMenu("TestTone", *fmTest, *fmTest->bnExit, [&] { dragFaderThroughWindow(*fmTest->isToneGain, -22); });
    EXPECT_EQ(sent(), std::vector<Sent>{workMode(2, 9, 22, false)});
}

// --- limiter calculator ----------------------------------------------------

class LimitCalculateTest : public SignalDialogsTest
{
protected:
    void SetUp() override
    {
        SignalDialogsTest::SetUp();
        ASSERT_TRUE(qx::test::chooseMenuThroughWindow(*find<TMenuItem>("LimitCalculate")));
        ASSERT_TRUE(fmLimitCalculate->Visible()) << "shown without waiting";
        ASSERT_TRUE(qx::test::pumpUntil([] { return qx::test::readyForTheUser(*fmLimitCalculate); },
                                        "the calculator active"));
    }
    void TearDown() override
    {
        fmLimitCalculate->Close();
        SignalDialogsTest::TearDown();
    }
    TEdit* box(const std::string& name) const { return qx::findComponent<TEdit>(*fmLimitCalculate, name); }
    // A value typed into a box of the calculator and taken with Enter.
    void enter(const std::string& name, const std::string& typed)
    {
        EXPECT_TRUE(qx::test::enterThroughWindow(*box(name), typed)) << name << " took the focus";
    }
    std::vector<std::string> results() const
    {
        const auto* f = fmLimitCalculate;
        return {f->lbThresholdResultAes->Caption(), f->lbThresholdResultPeak->Caption(),
                f->lbAttackResultAes->Caption(),    f->lbAttackResultPeak->Caption(),
                f->lbReleaseResultAes->Caption(),   f->lbReleaseResultPeak->Caption()};
    }
};

TEST_F(LimitCalculateTest, TheDefaultsGiveTheDesignResultsInBothModes)
{
    EXPECT_EQ(fmLimitCalculate->Caption(), "Limiter Calculate");
    const std::vector<std::string> design = {" 4.8", "10.8", "10.0 - 40.0", " 5.0 - 10.0", " 160 -  640", "  80 -  160"};
    EXPECT_EQ(results(), design);
    clickThroughWindow(*fmLimitCalculate->rbSentivity1);
    EXPECT_EQ(results(), design);
    clickThroughWindow(*fmLimitCalculate->rbSentivity2);
    EXPECT_EQ(fmLimitCalculate->lbResultSentivity2->Caption(), "31.2");
    EXPECT_EQ(results(), design);
    EXPECT_TRUE(sent().empty());
}

TEST_F(LimitCalculateTest, EntriesRecalculate)
{
    struct Case
    {
        const char* box;
        const char* typed;
        const char* shown;
        std::vector<std::string> results;
    };
    const Case cases[] = {
        {"edImpedance", "4", "  4.0", {" 1.8", " 7.8", "10.0 - 40.0", " 5.0 - 10.0", " 160 -  640", "  80 -  160"}},
        {"edXoverFreq", "1000", "1000.0", {" 1.8", " 7.8", " 1.0 -  4.0", " 0.5 -  1.0", "   4 -   16", "   2 -    4"}},
        {"edXoverFreq", "2000", "2000.0", {" 1.8", " 7.8", " 0.5 -  2.0", " 0.2 -  0.5", "   1 -    4", "   0 -    1"}},
        {"edXoverFreq", "125", "125.0", {" 1.8", " 7.8", " 8.0 - 32.0", " 4.0 -  8.0", " 128 -  512", "  64 -  128"}},
        {"edXoverFreq", "126", "126.0", {" 1.8", " 7.8", " 7.9 - 31.7", " 4.0 -  7.9", "  63 -  254", "  32 -   63"}},
        {"edImpedance", "8,5", "  8.0", {" 4.8", "10.8", " 7.9 - 31.7", " 4.0 -  7.9", "  63 -  254", "  32 -   63"}},
        {"edSentivity1", "30", "30.0", {" 6.0", "12.0", " 7.9 - 31.7", " 4.0 -  7.9", "  63 -  254", "  32 -   63"}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(std::string(k.box) + " " + k.typed);
        enter(k.box, k.typed);
        EXPECT_EQ(box(k.box)->Text(), k.shown);
        EXPECT_EQ(results(), k.results);
    }
    // A typed gain keeps its decimals: 31.24 shows 31.2 and the thresholds use 31.24.
    enter("edSentivity1", "31.24");
    EXPECT_EQ(box("edSentivity1")->Text(), "31.2");
    EXPECT_EQ(fmLimitCalculate->lbThresholdResultAes->Caption(), " 4.8");
    EXPECT_DOUBLE_EQ(fmLimitCalculate->StoredValue(TfmLimitCalculate::kSensitivity), 31.24);
}

// The worked-out gain: trunc(2000 log10(sqrt(power x load) / volt)) / 100.
TEST_F(LimitCalculateTest, TheWorkedOutGainDropsItsThirdDecimal)
{
    clickThroughWindow(*fmLimitCalculate->rbSentivity2);
    enter("edSentivity2Watt", "400");
    EXPECT_EQ(fmLimitCalculate->lbResultSentivity2->Caption(), "34.2") << "34.25 shown to one decimal";
    EXPECT_EQ(fmLimitCalculate->lbThresholdResultAes->Caption(), " 1.8");
    enter("edSentivity2Volt", "1.5");
    EXPECT_EQ(box("edSentivity2Volt")->Text(), "1.500");
    EXPECT_EQ(fmLimitCalculate->lbResultSentivity2->Caption(), "28.5");
}

// Signs, letters, empty texts and values that would take a logarithm or a
// period of 0 are refused: the box gets its value back, caret at its end,
// and the results stay.
TEST_F(LimitCalculateTest, RefusedEntriesRestoreTheBox)
{
    const std::vector<std::string> before = results();
    for (const char* name : {"edSentivity1", "edPowerAes", "edPowerPeak", "edImpedance", "edXoverFreq",
                             "edSentivity2Volt", "edSentivity2Ohms", "edSentivity2Watt"}) {
        if (std::string(name) == "edSentivity2Volt")
            clickThroughWindow(*fmLimitCalculate->rbSentivity2); // its boxes come to the front
        enter(name, box(name)->Text()); // the design text in the box's format ("4.0" becomes " 4.0")
        const std::string shown = box(name)->Text();
        for (const char* typed : {"abc", "-3", "", "0", "0.0", ".", "0,5", "0.0001"}) {
            SCOPED_TRACE(std::string(name) + " " + typed);
            enter(name, typed);
            EXPECT_EQ(box(name)->Text(), shown);
            EXPECT_EQ(box(name)->SelStart(), static_cast<int>(shown.size()));
        }
    }
    clickThroughWindow(*fmLimitCalculate->rbSentivity2);
    EXPECT_EQ(results(), before);
    EXPECT_EQ(fmLimitCalculate->lbResultSentivity2->Caption(), "31.2");
}

// Typed through the window: Enter takes the value, leaving the box too.
TEST_F(LimitCalculateTest, TypingAndLeavingTakesTheValue)
{
    TEdit* impedance = box("edImpedance");
    impedance->SetFocus();
    QApplication::processEvents();
    impedance->SetText("");
    qx::test::typeThroughWindow(*impedance, "4");
    QTest::keyClick(fmLimitCalculate->Widget()->windowHandle(), Qt::Key_Return);
    EXPECT_EQ(impedance->Text(), "  4.0");
    EXPECT_EQ(fmLimitCalculate->lbThresholdResultAes->Caption(), " 1.8");
    impedance->SetText("16");
    box("edXoverFreq")->SetFocus();
    QApplication::processEvents();
    EXPECT_EQ(impedance->Text(), " 16.0");
    EXPECT_EQ(fmLimitCalculate->lbThresholdResultAes->Caption(), " 7.8");
}

} // namespace
