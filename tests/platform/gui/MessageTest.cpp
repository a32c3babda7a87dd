#include "WaitUntil.h"
#include "platform/gui/Application.h"
#include "platform/gui/Timer.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

#include <algorithm>
#include <atomic>
#include <memory>
#include <optional>
#include <stop_token>
#include <thread>

namespace {

constexpr unsigned WM_LINK_FRAME = 1360;
constexpr unsigned WM_LINK_ERROR = 1361;

/// A window that records the messages it handles; a hook may act on them.
class TMessageForm : public TForm
{
public:
    using TForm::TForm;

    void Dispatch(TMessage& Message) override
    {
        if (Message.Msg < WM_USER) {
            TForm::Dispatch(Message);
            return;
        }
        handled.push_back(Message.Msg);
        if (Message.Data)
            lastData = *Message.Data;
        Message.Result = static_cast<std::intptr_t>(Message.WParam * 2);
        if (onMessage)
            onMessage(Message);
    }

    std::vector<unsigned> handled;
    std::vector<std::uint8_t> lastData;
    std::function<void(TMessage&)> onMessage;
};

// Runs the loop until done() holds; every pass waits for something to
// handle and handles it.
template <class F>
void runUntil(F done, std::source_location where = std::source_location::current())
{
    qx::test::waitUntil(done, "the messages to be handled", [] { Application->HandleMessage(); },
                        qx::test::kWaitLimit, where);
}

TEST(WindowMessages, PostIsHandledAtTheNextPassSendAtOnce)
{
    TMessageForm form(nullptr);
    PostMessage(&form, WM_LINK_ERROR, 3, 0);
    EXPECT_TRUE(form.handled.empty()) << "a posted message waits for the loop";
    EXPECT_EQ(SendMessage(&form, WM_USER + 1, 21, 0), 42) << "a send on the GUI thread is a direct call";
    EXPECT_EQ(form.handled, std::vector<unsigned>{WM_USER + 1});
    Application->ProcessMessages();
    EXPECT_EQ(form.handled, (std::vector<unsigned>{WM_USER + 1, WM_LINK_ERROR}));
}

TEST(WindowMessages, CrossThreadSendIsHandledInsideANestedModalLoop)
{
    TMessageForm mainForm(nullptr);
    TForm dialog(nullptr);
    dialog.AfterConstruction();
    bool handledWhileModal = false;
    mainForm.onMessage = [&](TMessage& m) {
        if (m.Msg != WM_LINK_FRAME)
            return;
        handledWhileModal = dialog.Modal();
        dialog.SetModalResult(mrOk); // a reply closes the progress window
    };

    std::optional<std::intptr_t> result;
    std::jthread worker;
    dialog.OnShow = [&](TObject*) {
        worker = std::jthread([&](std::stop_token stop) {
            result = mainForm.sendMessage(qx::WindowMessage{WM_LINK_FRAME, 5, 17, {0x10, 0x02, 0x01}}, stop);
        });
    };
    EXPECT_EQ(dialog.ShowModal(), mrOk);
    worker.join();
    EXPECT_TRUE(handledWhileModal);
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(*result, 10);
    EXPECT_EQ(mainForm.lastData, (std::vector<std::uint8_t>{0x10, 0x02, 0x01}));
    EXPECT_FALSE(dialog.Visible());
}

TEST(WindowMessages, PostedMessagesAndTimersRunInsideAModalLoop)
{
    TMessageForm mainForm(nullptr);
    TForm dialog(nullptr);
    dialog.AfterConstruction();
    TTimer timer(nullptr);
    timer.SetInterval(1);
    int ticks = 0;
    timer.OnTimer = [&](TObject*) {
        if (++ticks == 1)
            PostMessage(&mainForm, WM_LINK_ERROR, 0, 0);
    };
    mainForm.onMessage = [&](TMessage&) { dialog.Close(); };
    EXPECT_EQ(dialog.ShowModal(), mrCancel) << "Close on a modal form sets mrCancel";
    EXPECT_GE(ticks, 1);
    EXPECT_EQ(mainForm.handled, std::vector<unsigned>{WM_LINK_ERROR});
}

// A program that ends its application and makes another (tests do) still
// has posted messages handled inside a modal loop, also when the new
// application lands where the old one was.
TEST(WindowMessages, AnApplicationMadeAgainHandlesPostedMessagesInsideAModalLoop)
{
    static int argc = 1;
    static char name[] = "qx_platform_gui_tests";
    static char* argv[] = {name, nullptr};
    for (int round = 0; round < 3; ++round) {
        qx::doneApplication();
        qx::initApplication(argc, argv);
        TMessageForm mainForm(nullptr);
        TForm dialog(nullptr);
        dialog.AfterConstruction();
        TTimer post(nullptr);
        post.SetInterval(1);
        post.OnTimer = [&](TObject*) {
            post.SetEnabled(false);
            PostMessage(&mainForm, WM_LINK_ERROR, 0, 0);
        };
        TTimer giveUp(nullptr);
        giveUp.SetInterval(10000);
        giveUp.OnTimer = [&](TObject*) { dialog.Close(); };
        mainForm.onMessage = [&](TMessage&) { dialog.Close(); };
        dialog.ShowModal();
        EXPECT_EQ(mainForm.handled, std::vector<unsigned>{WM_LINK_ERROR}) << "round " << round;
        EXPECT_TRUE(giveUp.Enabled()) << "round " << round << ": the message closed the dialog";
    }
}

TEST(WindowMessages, AModalLoopOpenedByAHandlerHandlesTheMessagesQueuedBehindIt)
{
    TMessageForm form(nullptr);
    TForm dialog(nullptr);
    dialog.AfterConstruction();
    form.onMessage = [&](TMessage& m) {
        if (m.WParam == 1)
            dialog.ShowModal(); // the information dialog of a failed reply
        else if (m.WParam == 3)
            dialog.SetModalResult(mrOk);
    };
    PostMessage(&form, WM_USER, 1, 0);
    PostMessage(&form, WM_USER, 2, 0);
    PostMessage(&form, WM_USER, 3, 0);
    runUntil([&] { return form.handled.size() == 3 && !dialog.Modal(); });
    EXPECT_EQ(dialog.ModalResult(), mrOk);
}

TEST(WindowMessages, CancellingReleasesAWorkerBlockedInSend)
{
    TMessageForm form(nullptr);
    std::stop_source owner;
    std::atomic<bool> returned{false};
    std::optional<std::intptr_t> result = 1;
    std::thread worker([&] {
        result = form.sendMessage(qx::WindowMessage{WM_LINK_FRAME, 1, 0, {}}, owner.get_token());
        returned = true;
    });
    qx::test::waitUntil([&] { return form.PendingMessages() != 0; }, "the worker's send to be queued");
    EXPECT_FALSE(returned);
    owner.request_stop(); // the link closes: its worker must not wait for the GUI thread
    worker.join();
    EXPECT_FALSE(result.has_value());
    Application->ProcessMessages();
    EXPECT_TRUE(form.handled.empty()) << "a cancelled send that had not started is never handled";
}

TEST(WindowMessages, DestroyingTheWindowReleasesAWorkerBlockedInSend)
{
    auto form = std::make_unique<TMessageForm>(nullptr);
    std::optional<std::intptr_t> result = 1;
    std::thread worker([&, target = static_cast<qx::MessageTarget*>(form.get())] {
        result = target->sendMessage(qx::WindowMessage{WM_LINK_FRAME, 1, 0, {}}, {});
    });
    qx::test::waitUntil([&] { return form->PendingMessages() != 0; }, "the worker's send to be queued");
    form.reset();
    worker.join();
    EXPECT_FALSE(result.has_value());
}

TEST(WindowMessages, AnExceptionFromAHandlerIsShownAndTheLoopGoesOn)
{
    std::vector<std::string> shown;
    qx::setExceptionPresenter([&](const std::string&, const std::string& message) { shown.push_back(message); });
    TMessageForm form(nullptr);
    form.onMessage = [](TMessage& m) {
        if (m.WParam == 1)
            throw std::runtime_error("Reply too short");
    };
    PostMessage(&form, WM_USER, 1, 0);
    PostMessage(&form, WM_USER, 2, 0);
    runUntil([&] { return form.handled.size() == 2; });
    EXPECT_EQ(shown, std::vector<std::string>{"Reply too short."});
    qx::setExceptionPresenter(nullptr);
}

// A window holds thousands of windowed controls, each with a queue; a pass
// handles what waits in the woken ones, each window's messages in order.
TEST(WindowMessages, AmongManyWindowsEachPostedMessageIsHandledInItsWindowsOrder)
{
    std::vector<std::unique_ptr<TMessageForm>> forms;
    for (int i = 0; i < 300; ++i)
        forms.push_back(std::make_unique<TMessageForm>(nullptr));
    TMessageForm& first = *forms[3];
    TMessageForm& second = *forms[250];
    std::jthread worker([&] {
        for (unsigned m = 0; m < 50; ++m) {
            first.postMessage(qx::WindowMessage{WM_USER + m, 0, 0, {}});
            second.postMessage(qx::WindowMessage{WM_USER + 100 + m, 0, 0, {}});
        }
    });
    worker.join();
    runUntil([&] { return first.handled.size() == 50 && second.handled.size() == 50; });
    for (unsigned m = 0; m < 50; ++m) {
        EXPECT_EQ(first.handled[m], WM_USER + m);
        EXPECT_EQ(second.handled[m], WM_USER + 100 + m);
    }
    const std::size_t others = std::count_if(forms.begin(), forms.end(), [](const auto& f) { return !f->handled.empty(); });
    EXPECT_EQ(others, 2U);
}

TEST(WindowMessages, AWindowDestroyedWithMessagesWaitingDropsThemAndTheOthersGoOn)
{
    auto gone = std::make_unique<TMessageForm>(nullptr);
    TMessageForm kept(nullptr);
    PostMessage(gone.get(), WM_USER, 1, 0);
    PostMessage(&kept, WM_USER, 2, 0);
    gone.reset();
    runUntil([&] { return !kept.handled.empty(); });
    EXPECT_EQ(kept.handled, std::vector<unsigned>{WM_USER});
    // A message posted from a handler to another window comes at a later pass.
    TMessageForm relay(nullptr);
    kept.onMessage = [&](TMessage&) { PostMessage(&relay, WM_USER + 7, 0, 0); };
    PostMessage(&kept, WM_USER + 1, 0, 0);
    runUntil([&] { return !relay.handled.empty(); });
    EXPECT_EQ(relay.handled, std::vector<unsigned>{WM_USER + 7});
}

} // namespace
