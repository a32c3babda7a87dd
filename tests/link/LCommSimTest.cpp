// The serial link against the simulated processor on its pseudo-terminal.

#include "LinkFakes.h"
#include "ObservedLink.h"

#include "DeviceCore.h"
#include "Responder.h"
#include "SimServer.h"
#include "link/LCommProc.h"

#include <gtest/gtest.h>

#include <memory>
#include <thread>

namespace {

using namespace qx::test;
using qx::Frame;
using qx::ManualClock;

class SerialLinkSimTest : public ::testing::Test
{
protected:
    void Start()
    {
        path_ = server_.OpenPty();
        thread_ = std::thread([this] { server_.Run(); });
        link_ = std::make_unique<ObservedLink<LCommProc>>(owner_, 1, clock_);
        ASSERT_TRUE(link_->Open(path_, 115200, 8, 0, 0)) << link_->OpenError();
        link_->waitForWaits(1);
        link_->SetTimeout(100);
        link_->SetRetries(3);
    }
    void TearDown() override
    {
        link_.reset();
        server_.Stop();
        if (thread_.joinable())
            thread_.join();
    }
    // Sends a command and waits for the owner to have its answer.
    LCmd exchange(const Frame& frame)
    {
        const std::size_t before = owner_.sent().size();
        link_->SendFrame(frame, true);
        EXPECT_TRUE(owner_.waitForSent(before + 1));
        link_->settle();
        const auto message = owner_.sent().back();
        EXPECT_EQ(message.id, WM_LINK_FRAME);
        return LCmd(message.data, 1);
    }
    // Sends a command that gets no answer; returns once it is written.
    void sendUnanswered(const Frame& frame)
    {
        const std::size_t waits = link_->waits();
        link_->SendFrame(frame, true);
        link_->waitForWaits(waits + 1);
    }
    void tick() { link_->tick(clock_, 100); }

    qx::sim::DeviceCore core_;
    qx::sim::Responder responder_{core_};
    qx::sim::SimServer server_{responder_};
    std::string path_;
    std::thread thread_;
    ManualClock clock_;
    FakeOwner owner_;
    std::unique_ptr<ObservedLink<LCommProc>> link_;
};

TEST_F(SerialLinkSimTest, TheProcessorAnswersAndTheLinkClosesCleanly)
{
    Start();
    const LCmd info = exchange(command(0x10));
    EXPECT_EQ(info.Code(), 16);
    EXPECT_EQ(info.DeviceId(), 1);
    EXPECT_EQ(exchange(command(0x13)).Code(), 19);
    link_->Close();
    EXPECT_FALSE(link_->IsOpen());
    EXPECT_TRUE(owner_.posted().empty());
}

TEST_F(SerialLinkSimTest, AFrameLostOnceIsAnsweredAfterTheResend)
{
    responder_.Faults().silentFrame = 2;
    Start();
    exchange(command(0x10));
    sendUnanswered(command(0x13)); // lost
    tick();                                // resent, answered
    ASSERT_TRUE(owner_.waitForSent(2));
    EXPECT_EQ(LCmd(owner_.sent()[1].data, 1).Code(), 19);
    EXPECT_TRUE(owner_.errors().empty());
}

TEST_F(SerialLinkSimTest, ACommandNeverAnsweredIsReportedAfterTheRetries)
{
    responder_.Faults().silent.codes = {0x2C};
    Start();
    exchange(command(0x10));
    sendUnanswered(command(0x2C));
    for (int resend = 0; resend < 3; ++resend)
        tick();
    EXPECT_TRUE(owner_.errors().empty());
    tick();
    ASSERT_EQ(owner_.errors().size(), 1u);
    EXPECT_EQ(owner_.errors()[0].code, 0);
    EXPECT_EQ(owner_.errors()[0].extra, 1);
    EXPECT_TRUE(link_->IsOwnMessage(owner_.posted().back()));
}

} // namespace
