// The gain, polarity, mute and delay editors on the main window: each action
// asserted as the frames sent, the model, the twin controls on the gain page
// and the controls of the other members of the channel's link group.

#include "ChannelWindowFixture.h"
#include "WindowSystemInput.h"
#include "PumpUntil.h"
#include "codec/ValueScales.h"
#include "controls/skinned/AdvTrackBar.h"
#include "controls/skinned/CurvyControls.h"
#include "editors/channel/GainDelayEntry.h"
#include "model/LUnitControl.h"
#include "platform/gui/Application.h"
#include "platform/gui/Edit.h"
#include "platform/gui/Image.h"
#include "platform/gui/Label.h"
#include "platform/gui/Timer.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace chantest;

class ChannelEditorTest : public ChannelWindowTest
{
protected:
    TAdvTrackBar* fader(const std::string& name) const { return find<TAdvTrackBar>(name); }
    std::string text(const std::string& box) const { return find<TCurvyEdit>(box)->Text(); }
    std::string caption(const std::string& name) const { return find(name)->Caption(); }
    // A button clicked through the window, its page brought to the front first.
    void click(const std::string& name)
    {
        auto* b = button(name);
        showPageOf(*b);
        qx::test::clickThroughWindow(*b);
    }
    // A delay fader's thumb dragged past the top of the fader as a user drags
    // it: the press gives the fader the focus, whose guard turns back any
    // move for its one tick, and the mouse moves on once the tick has gone.
    void dragDelayToTheTop(const std::string& name)
    {
        auto* delay = fader(name);
        showPageOf(*delay);
        ASSERT_TRUE(qx::test::inSightAtItsCentre(*delay)) << name;
        QWidget* top = window->Widget();
        QWindow* mouse = top->windowHandle();
        const TRect thumb = delay->GetThumbRect();
        const QPoint grip = delay->Widget()->mapTo(top, QPoint(thumb.Left + thumb.Width() / 2, thumb.Top + thumb.Height() / 2));
        QTest::mousePress(mouse, Qt::LeftButton, {}, grip);
        afterTheDelayGuard();
        const QPoint beyond(grip.x(), delay->Widget()->mapTo(top, QPoint(0, 0)).y() - 20);
        QTest::mouseMove(mouse, beyond);
        QTest::mouseRelease(mouse, Qt::LeftButton, {}, beyond);
        QApplication::processEvents();
    }
};

// --- gain ----------------------------------------------------------------

// A gain fader moved on either page (a member's channel page shows its
// group head's controls, so a member moves on the gain page): its twin follows, both boxes show the
// gain, every member of the group shows it, the model holds it for the whole
// group, and the edited channel's gain goes out twice (the twin's run first).
TEST_F(ChannelEditorTest, GainFaderMovesTwinGroupModelAndSendsTwice)
{
    struct Case
    {
        const char* fader;
        int channel;
        int position;
        const char* text;
    };
    linkOutputs(6, 0x0C); // Out3 heads Out3 and Out4
    const Case cases[] = {
        {"isGainOut3", 6, -250, "-45.0dB"},
        {"isGainBackupOut4", 7, -3, "-0.3dB"},
        {"isGainBackupOut4", 7, 120, "+12.0dB"},
        {"isGainBackupOut3", 6, -201, "-20.5dB"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.fader);
        sent().clear();
        slide(k.fader, k.position);
        const int word = k.position + 280;
        // Two frames for each step on the way, the last two the gain set.
        ASSERT_GE(sent().size(), 2u);
        EXPECT_EQ(sent().size() % 2, 0u);
        EXPECT_EQ(std::vector<Sent>(sent().end() - 2, sent().end()),
                  (std::vector<Sent>{wordFrame(kGain, k.channel, word), wordFrame(kGain, k.channel, word)}));
        for (const Sent& s : sent())
            EXPECT_EQ(s.frame[6], k.channel) << "the moved member's channel only";
        for (const char* s : {"Out3", "Out4"}) {
            EXPECT_EQ(fader(std::string("isGain") + s)->Position(), k.position) << s;
            EXPECT_EQ(fader(std::string("isGainBackup") + s)->Position(), k.position) << s;
            EXPECT_EQ(text(std::string("cvdGain") + s), k.text) << s;
            EXPECT_EQ(text(std::string("cvdGainBackup") + s), k.text) << s;
        }
        EXPECT_EQ(unit().GetGain(6), word);
        EXPECT_EQ(unit().GetGain(7), word);
        EXPECT_EQ(fader("isGainOut5")->Position(), 0) << "Out5 is not in the group";
        EXPECT_FALSE(window->IsBusy());
    }
}

TEST_F(ChannelEditorTest, UnlinkedChannelsKeepTheirOwnGain)
{
    slide("isGainInB", 50);
    ASSERT_GE(sent().size(), 2u);
    EXPECT_EQ(std::vector<Sent>(sent().end() - 2, sent().end()),
              (std::vector<Sent>{wordFrame(kGain, 1, 330), wordFrame(kGain, 1, 330)}));
    EXPECT_EQ(fader("isGainBackupInB")->Position(), 50);
    EXPECT_EQ(fader("isGainInA")->Position(), 0);
    EXPECT_EQ(unit().GetGain(0), 280);
}

// While the model is being shown nothing is sent: faders, boxes and buttons
// written then leave the model and the processor alone, twins included.
TEST_F(ChannelEditorTest, TheBusyFlagKeepsTheEditorsSilent)
{
    window->Busy = true;
    fader("isGainInA")->SetPosition(50);
    fader("isDelayOut1")->SetPosition(480);
    type("cvdDelayInB", "5", false);
    click("rzbPhaseInC");
    click("rzbMuteBackupInD");
    window->Busy = false;
    EXPECT_TRUE(sent().empty());
    EXPECT_EQ(fader("isGainBackupInA")->Position(), 0) << "the change handler returned at once";
    EXPECT_EQ(text("cvdGainInA"), "+0.0dB");
    EXPECT_EQ(unit().GetGain(0), 280);
    EXPECT_EQ(unit().GetDelay(4), 0);
    EXPECT_EQ(unit().GetPolarity(2), 1) << "a click is stored; only the send waits for the busy flag";
    EXPECT_TRUE(unit().IsMuted(3));
}

// Typed gains through the boxes of both pages, by Enter and by leaving the box.
TEST_F(ChannelEditorTest, TypedGainsGoThroughTheFader)
{
    struct Case
    {
        const char* box;
        const char* typed;
        bool enter;
        const char* fader;
        int position;
        const char* shown;
    };
    const Case cases[] = {
        {"cvdGainInA", "5dB", true, "isGainInA", 50, "+5.0dB"},
        {"cvdGainInA", "-70", false, "isGainInA", -280, "-60.0dB"},
        {"cvdGainInA", "99", true, "isGainInA", 120, "+12.0dB"},
        {"cvdGainBackupOut2", "-20.5", false, "isGainBackupOut2", -201, "-20.5dB"},
        {"cvdGainBackupOut2", "-20.49", true, "isGainBackupOut2", -200, "-20.0dB"},
        {"cvdGainOut8", "1,5", true, "isGainOut8", 10, "+1.0dB"},
        {"cvdGainOut8", "3.14", false, "isGainOut8", 31, "+3.1dB"},
        {"cvdGainOut8", "-25.3", true, "isGainOut8", -210, "-25.0dB"},
        {"cvdGainOut8", "-25.7", true, "isGainOut8", -211, "-25.5dB"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(std::string(k.box) + " " + k.typed);
        sent().clear();
        type(k.box, k.typed, k.enter);
        EXPECT_EQ(fader(k.fader)->Position(), k.position);
        EXPECT_EQ(text(k.box), k.shown);
        ASSERT_EQ(sent().size(), 2u);
        EXPECT_EQ(sent()[0], wordFrame(kGain, fader(k.fader)->Tag(), k.position + 280));
    }
}

// A refused or unchanged gain moves nothing: the box shows the fader's gain
// again with the caret at its end; texts the strict conversion would reject
// are refused the same way, without an error box.
TEST_F(ChannelEditorTest, RefusedGainsRestoreTheBox)
{
    slide("isGainInC", -250);
    sent().clear();
    for (const char* typed : {"abc", "-", ".", "5.", "1..2", "--3", "-25.,", ".3", "3.,", "-45", ""}) {
        SCOPED_TRACE(typed);
        for (bool enter : {true, false}) {
            type("cvdGainInC", typed, enter);
            EXPECT_EQ(text("cvdGainInC"), "-45.0dB");
            auto& edit = find<TCurvyEdit>("cvdGainInC")->Edit();
            EXPECT_EQ(edit.SelStart(), 7) << "the caret at the end";
        }
    }
    EXPECT_EQ(fader("isGainInC")->Position(), -250);
    EXPECT_TRUE(sent().empty());
}

TEST_F(ChannelEditorTest, OnlyEnterCommitsATypedGain)
{
    auto* box = find<TCurvyEdit>("cvdGainInD");
    showPageOf(*box);
    EXPECT_TRUE(qx::test::enterThroughWindow(*box, "6a", Qt::Key_unknown));
    EXPECT_EQ(fader("isGainInD")->Position(), 0);
    EXPECT_TRUE(sent().empty());
}

// --- polarity and mute ---------------------------------------------------

// Polarity goes to the twin and the whole group; mute stays with its channel.
TEST_F(ChannelEditorTest, PolarityFollowsTheGroupMuteStaysWithItsChannel)
{
    storeMasks(0, {0x3, 0x0}); // InA heads InA and InB
    click("rzbPhaseBackupInB");
    EXPECT_EQ(sent(), std::vector<Sent>{frame(kPolarity, {1, 1})});
    for (const char* name : {"rzbPhaseInA", "rzbPhaseBackupInA", "rzbPhaseInB", "rzbPhaseBackupInB"}) {
        EXPECT_TRUE(down(name)) << name;
        EXPECT_EQ(caption(name), "Inverse") << name;
    }
    EXPECT_EQ(unit().GetPolarity(0), 1);
    EXPECT_EQ(unit().GetPolarity(1), 1);
    EXPECT_FALSE(down("rzbPhaseInC"));

    sent().clear();
    click("rzbPhaseInA");
    EXPECT_EQ(sent(), std::vector<Sent>{frame(kPolarity, {0, 0})});
    for (const char* name : {"rzbPhaseInA", "rzbPhaseBackupInA", "rzbPhaseInB", "rzbPhaseBackupInB"}) {
        EXPECT_FALSE(down(name)) << name;
        EXPECT_EQ(caption(name), "Normal") << name;
    }

    // The channel page's mute button takes its channel from the page in front:
    // InB's page shows the controls of its group's head, InA.
    ASSERT_TRUE(shown());
    qx::test::clickThroughWindow(*button("rzbMenuInB"));
    ASSERT_EQ(window->CurrentPage, 1);
    sent().clear();
    click("rzbMuteInA");
    EXPECT_EQ(sent(), std::vector<Sent>{frame(kMute, {1, 1})});
    EXPECT_TRUE(down("rzbMuteBackupInB"));
    EXPECT_FALSE(down("rzbMuteBackupInA"));
    EXPECT_TRUE(unit().IsMuted(1));
    EXPECT_FALSE(unit().IsMuted(0));

    sent().clear();
    click("rzbMuteBackupOut5");
    EXPECT_EQ(sent(), std::vector<Sent>{frame(kMute, {8, 1})});
    EXPECT_TRUE(down("rzbMuteOut5"));
    EXPECT_TRUE(unit().IsMuted(8));
}

// --- delay ---------------------------------------------------------------

TEST_F(ChannelEditorTest, DelayFaderMovesTheGroupAndSendsOnce)
{
    linkOutputs(4, 0x03); // Out1 heads Out1 and Out2
    dragDelayToTheTop("isDelayOut2");
    EXPECT_EQ(sent(), std::vector<Sent>{wordFrame(kDelay, 5, 32640)});
    for (const char* s : {"Out1", "Out2"}) {
        EXPECT_EQ(fader(std::string("isDelay") + s)->Position(), 32640) << s;
        EXPECT_EQ(text(std::string("cvdDelay") + s), "680.000ms") << s;
        EXPECT_EQ(caption(std::string("lbFftDelayTime") + s), "680.000ms") << s;
        EXPECT_EQ(find(std::string("imDelay") + s)->Left(), 425) << s;
        EXPECT_EQ(caption(std::string("lbDelayLine") + s), std::string(64, '-')) << s;
        EXPECT_EQ(find(std::string("lbFftDelayTime") + s)->Left(), 425 + find(std::string("imDelay") + s)->Width());
        EXPECT_EQ(unit().GetDelay(s[3] - '1' + 4), 32640);
    }
    EXPECT_EQ(fader("isDelayOut3")->Position(), 0);
    EXPECT_FALSE(window->IsBusy());
}

// The delay entry table: typed values in each unit become samples; the box
// then shows the fader's delay in the unit.
TEST_F(ChannelEditorTest, TypedDelaysInEachUnit)
{
    struct Case
    {
        const char* unitButton;
        const char* typed;
        bool enter;
        int samples;
        const char* shown;
    };
    const Case cases[] = {
        {"rzbUnit0", "12.5ms", true, 600, "12.500ms"},
        {"rzbUnit0", "700", false, 32640, "680.000ms"},
        {"rzbUnit0", "0.01", true, 0, "0.000ms"},
        {"rzbUnit0", "0.979", true, 47, "0.979ms"},
        {"rzbUnit0", "5m", true, 47, "0.979ms"},
        {"rzbUnit0", "-5", false, 47, "0.979ms"},
        {"rzbUnit0", "abc", true, 47, "0.979ms"},
        {"rzbUnit1", "1m", true, 140, "1.002m"},
        {"rzbUnit1", "0.995", false, 139, "0.995m"},
        {"rzbUnit1", "1ms", true, 139, "0.995m"},
        {"rzbUnit1", "300", true, 32640, "233.580m"},
        {"rzbUnit2", "1ft", true, 43, "1.010ft"},
        {"rzbUnit2", "0.986", false, 42, "0.986ft"},
        {"rzbUnit2", "766.329", true, 32640, "766.329ft"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(std::string(k.unitButton) + " " + k.typed);
        click(k.unitButton);
        sent().clear();
        const int before = fader("isDelayInC")->Position();
        type("cvdDelayInC", k.typed, k.enter);
        EXPECT_EQ(fader("isDelayInC")->Position(), k.samples);
        EXPECT_EQ(text("cvdDelayInC"), k.shown);
        EXPECT_EQ(find<TCurvyEdit>("cvdDelayInC")->Edit().SelStart(), static_cast<int>(std::string(k.shown).size()));
        if (k.samples == before)
            EXPECT_TRUE(sent().empty());
        else
            EXPECT_EQ(sent(), std::vector<Sent>{wordFrame(kDelay, 2, k.samples)});
        EXPECT_EQ(unit().GetDelay(2), k.samples);
    }
}

// A box taken or left with the text it was given last is left alone: a
// three-decimal text that would read back a sample lower is not read back at all.
TEST_F(ChannelEditorTest, LeavingAnUntouchedDelayBoxDoesNothing)
{
    for (int unitIndex : {0, 1, 2}) {
        click("rzbUnit" + std::to_string(unitIndex));
        for (int samples : {47, 42, 139, 32639}) {
            fader("isDelayOut6")->SetPosition(samples);
            sent().clear();
            auto* box = find<TCurvyEdit>("cvdDelayOut6");
            // Into the box, the caret to its start, Enter, then out of the box.
            ASSERT_TRUE(qx::test::focusThroughWindow(*box));
            for (Qt::Key key : {Qt::Key_Home, Qt::Key_Return, Qt::Key_Tab})
                qx::test::pressThroughWindow(*box, key);
            afterTheDelayGuard();
            EXPECT_TRUE(sent().empty()) << samples << " in unit " << unitIndex;
            EXPECT_EQ(fader("isDelayOut6")->Position(), samples);
            EXPECT_EQ(box->Edit().SelStart(), 0) << "not even the caret moved";
        }
    }
}

// Every delay box tabbed through on the shown delay page, in each unit:
// nothing is sent and no delay changes.
TEST_F(ChannelEditorTest, TabbingThroughTheDelayPageSendsNothing)
{
    // Keys go where the window system has put the focus: once the window is active.
    ASSERT_TRUE(shown());
    qx::test::clickThroughWindow(*button("rzbMenuDelay"));
    QWindow* keys = window->Widget()->windowHandle();
    const int samples[] = {47, 42, 139, 1, 32639, 48, 16320, 7, 100, 333, 2000, 31999};
    for (int c = 0; c < 12; ++c)
        fader("isDelay" + qx::channelSuffix(c))->SetPosition(samples[c]);
    for (int unitIndex : {2, 1, 0}) {
        click("rzbUnit" + std::to_string(unitIndex));
        sent().clear();
        ASSERT_TRUE(qx::test::focusThroughWindow(*find<TCurvyEdit>("cvdDelayInA")));
        int exits = 0;
        for (int c = 0; c < 12; ++c) {
            auto* box = find<TCurvyEdit>("cvdDelay" + qx::channelSuffix(c));
            box->OnExit = [&exits, box, this](TObject* s) {
                ++exits;
                window->cvdDelayInAExit(s == box ? s : box);
            };
        }
        for (int k = 0; k < 40; ++k) {
            QTest::keyClick(keys, Qt::Key_Tab);
            QApplication::processEvents();
        }
        EXPECT_GE(exits, 12) << "every box was left at least once in unit " << unitIndex;
        EXPECT_TRUE(sent().empty()) << "unit " << unitIndex;
        for (int c = 0; c < 12; ++c)
            EXPECT_EQ(fader("isDelay" + qx::channelSuffix(c))->Position(), samples[c]);
    }
}

// A unit button rewrites every box and time label and sends the unit; the
// delays stay as they are.
TEST_F(ChannelEditorTest, TheDelayUnitRewritesEveryText)
{
    for (int c = 0; c < 12; ++c)
        fader("isDelay" + qx::channelSuffix(c))->SetPosition(48 * (c + 1));
    sent().clear();
    click("rzbUnit2");
    EXPECT_EQ(sent(), std::vector<Sent>{frame(kDelayUnit, {2})});
    EXPECT_EQ(unit().GetDelayUnit(), 2);
    for (int c = 0; c < 12; ++c) {
        const std::string s = qx::channelSuffix(c);
        EXPECT_EQ(text("cvdDelay" + s), qx::delayText(48 * (c + 1), 2)) << s;
        EXPECT_EQ(caption("lbFftDelayTime" + s), qx::delayText(48 * (c + 1), 2)) << s;
        EXPECT_EQ(fader("isDelay" + s)->Position(), 48 * (c + 1));
        EXPECT_EQ(unit().GetDelay(c), 48 * (c + 1));
    }
    EXPECT_EQ(text("cvdDelayInA"), "1.127ft");
    EXPECT_FALSE(down("rzbUnit0"));
}

// For 100 ms after a delay fader gets the focus, any move is turned back to
// the stored delay, which is written and sent again.
TEST_F(ChannelEditorTest, TheChangeGuardTurnsAMoveBack)
{
    fader("isDelayInB")->SetPosition(480);
    sent().clear();
    auto* delay = fader("isDelayInB");
    delay->OnEnter(delay);
    auto* guard = find<TTimer>("tmSlider");
    ASSERT_TRUE(guard->Enabled());
    delay->SetPosition(960);
    EXPECT_EQ(delay->Position(), 480);
    EXPECT_EQ(sent(), (std::vector<Sent>{wordFrame(kDelay, 1, 480), wordFrame(kDelay, 1, 480)}));
    EXPECT_TRUE(qx::test::pumpUntil([&] { return !guard->Enabled(); }, "the guard's one tick"));
    sent().clear();
    delay->SetPosition(960);
    EXPECT_EQ(sent(), std::vector<Sent>{wordFrame(kDelay, 1, 960)});
}

// The marker dragged along its line with the mouse: the fader follows,
// clamped at both ends.
TEST_F(ChannelEditorTest, DraggingTheMarkerMovesTheDelay)
{
    auto* line = find<TLabel>("lbDelayLineOut4");
    auto* marker = find("imDelayOut4");
    showPageOf(*line);
    QWindow* mouse = window->Widget()->windowHandle();
    // A point of the line, where the mouse goes through the window.
    const auto at = [&](int x) { return line->Widget()->mapTo(window->Widget(), QPoint(x, line->Height() / 2)); };
    const int grip = marker->Left() - 25;
    QTest::mouseMove(mouse, at(grip));
    EXPECT_EQ(line->Cursor(), crHandPoint) << "the hand over the marker";
    QTest::mouseMove(mouse, at(grip + 225));
    EXPECT_EQ(line->Cursor(), crDefault);

    QTest::mousePress(mouse, Qt::LeftButton, {}, at(grip));
    QTest::mouseMove(mouse, at(line->Width() - 1));
    EXPECT_EQ(fader("isDelayOut4")->Position(), 32640) << "the right end";
    EXPECT_EQ(unit().GetDelay(7), 32640);
    QTest::mouseMove(mouse, at(100));
    EXPECT_EQ(fader("isDelayOut4")->Position(), 85 * 32640 / 385);
    EXPECT_EQ(line->Caption(), std::string(85 / 6, '-'));
    QTest::mouseMove(mouse, at(-50));
    EXPECT_EQ(fader("isDelayOut4")->Position(), 0) << "left of the line's start";
    EXPECT_EQ(line->Caption(), "");
    QTest::mouseRelease(mouse, Qt::LeftButton, {}, at(-50));
    sent().clear();
    QTest::mouseMove(mouse, at(300));
    EXPECT_TRUE(sent().empty()) << "the drag ended";

    QTest::mousePress(mouse, Qt::LeftButton, {}, at(marker->Left() + 100));
    QTest::mouseMove(mouse, at(300));
    QTest::mouseRelease(mouse, Qt::LeftButton, {}, at(300));
    EXPECT_TRUE(sent().empty()) << "a press away from the marker drags nothing";
}

// A loaded state shows its delay texts, markers and delay lines in the
// stored unit, and its gains, polarities and mutes on both pages.
TEST_F(ChannelEditorTest, ALoadedStateShowsItsDelaysAndGains)
{
    auto& r = unit().record();
    qx::writeWord(r, rec::kDelayUnit, 1);
    qx::writeWord(r, rec::output(2) + rec::kOutDelay, 16320);
    qx::writeWord(r, rec::input(1) + rec::kInDelay, 48);
    qx::writeWord(r, rec::output(7) + rec::kOutGain, 79);
    qx::writeWord(r, rec::input(3) + rec::kInPolarity, 1);
    window->LoadUnitToForm();
    EXPECT_TRUE(sent().empty());
    EXPECT_TRUE(down("rzbUnit1"));
    EXPECT_EQ(text("cvdDelayOut3"), "116.790m");
    EXPECT_EQ(caption("lbFftDelayTimeOut3"), "116.790m");
    EXPECT_EQ(find("imDelayOut3")->Left(), 232);
    EXPECT_EQ(caption("lbDelayLineOut3"), std::string(32, '-'));
    EXPECT_EQ(find("lbFftDelayTimeOut3")->Left(), 232 + find("imDelayOut3")->Width());
    EXPECT_EQ(text("cvdDelayInB"), "0.344m");
    EXPECT_EQ(text("cvdDelayInA"), "0.000m");
    EXPECT_EQ(caption("lbDelayLineInA"), "");
    EXPECT_EQ(fader("isGainBackupOut8")->Position(), -201);
    EXPECT_EQ(text("cvdGainBackupOut8"), "-20.5dB");
    EXPECT_TRUE(down("rzbPhaseBackupInD"));
    EXPECT_EQ(caption("rzbPhaseInD"), "Inverse");
    EXPECT_FALSE(window->IsBusy());
}

} // namespace
