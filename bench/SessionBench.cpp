// A simulated editing session on the shown main window (offscreen), paced as
// a user works, against the simulator program in a process of its own with a
// busy state loaded: page switches by the page buttons, band selections by
// the band buttons, drags of the band gain and frequency faders, and drags
// of the channel gain faders on the Gain page, all as mouse input through
// the window. Reported:
//  - the longest frame: the longest time the GUI thread was busy at a
//    stretch (one input event handled, or one pass of the message loop);
//  - edit-to-pixels of every band fader step that moved the fader: from the
//    mouse move to the channel graph's paint, the 1 ms curve timer included;
//    its median, 99th percentile and maximum, and the same without the
//    timer's wait;
//  - the frames of the page switches and of the gain fader steps.
// Left out: the window system's own delivery of the input and the copy of
// the painted window to a screen (offscreen, the paint ends in memory).
//
//   qx_session_bench [--seconds N]   (default 60)

#include "EditorLink.h"
#include "LinkedEq.h"
#include "SimProcess.h"

#include "app/FMain.h"
#include "controls/buttons/rz/RzBmpBtn.h"
#include "controls/skinned/AdvTrackBar.h"
#include "model/ControlNames.h"
#include "model/UnitRecord.h"
#include "platform/gui/Application.h"
#include "platform/gui/Component.h"
#include "response/LMyFFTDrawHpLp6dB.h"

#include <QString>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace qx::bench {
namespace {

using Clock = std::chrono::steady_clock;

double msBetween(Clock::time_point a, Clock::time_point b)
{
    return std::chrono::duration<double, std::milli>(b - a).count();
}

constexpr auto kMouseStep = std::chrono::milliseconds(8); // a 125 Hz mouse
constexpr auto kAfterClick = std::chrono::milliseconds(150);
constexpr auto kAfterPageSwitch = std::chrono::milliseconds(300);
constexpr double kPaintLimitMs = 2000.0;

struct Spread
{
    std::vector<double> values;
    void add(double v) { values.push_back(v); }
    double at(double fraction)
    {
        if (values.empty())
            return 0.0;
        std::sort(values.begin(), values.end());
        const auto rank = static_cast<std::size_t>(std::ceil(fraction * static_cast<double>(values.size())));
        return values[std::clamp<std::size_t>(rank, 1, values.size()) - 1];
    }
    void print(const char* name)
    {
        std::printf("%-34s n %5zu  median %7.3f  p99 %7.3f  max %7.3f ms\n", name, values.size(), at(0.5),
                    at(0.99), at(1.0));
    }
};

class Session
{
public:
    Session(TfmMain& window, EditorLink& link) : window_(window), editing_(window, link)
    {
        for (int c = 0; c < kChannelCount; ++c) {
            auto* graph = findComponent<LMyFFTDrawHpLp6dB>(window, "fftDraw" + channelSuffix(c));
            if (!graph)
                throw std::runtime_error("the main window has no graph for channel " + channelSuffix(c));
            graphs_[static_cast<std::size_t>(c)] = graph;
            graph->OnPaint = [this, c](TObject*) {
                paints_[static_cast<std::size_t>(c)]++;
                paintedAt_ = Clock::now();
            };
        }
        editing_.OnCurveTimer = [this] { firedAt_ = Clock::now(); };
        QWidget* top = window.Widget()->window();
        top->winId();
        handle_ = top->windowHandle();
    }
    ~Session()
    {
        for (auto* graph : graphs_)
            graph->OnPaint = nullptr;
    }
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    void run(double seconds)
    {
        std::mt19937 random(20240601);
        const auto end = Clock::now() + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
        for (int cycle = 0; Clock::now() < end; ++cycle) {
            const int c = static_cast<int>(random() % kChannelCount);
            const std::string s = channelSuffix(c);
            click("rzbMenu" + s, pageFrames_);
            idle(kAfterPageSwitch);
            const int bands = c < kInputCount ? 14 : 6;
            click("rzbEq" + std::to_string(1 + random() % bands) + s, clickFrames_);
            idle(kAfterClick);
            drag("isEqGain" + s, c, random, 40);
            idle(kAfterClick);
            drag("isEqFreq" + s, c, random, 40);
            idle(kAfterClick);
            if (cycle % 2 == 1) {
                click("rzbMenuGain", pageFrames_);
                idle(kAfterPageSwitch);
                drag("isGain" + s, -1, random, 30);
                idle(kAfterClick);
            }
        }
    }

    void report()
    {
        std::printf("session: %d frames, longest frame %.3f ms (%s)\n", frames_, longestFrame_, longestWhat_.c_str());
        bandPixels_.print("band edit to pixels");
        bandWork_.print("band edit to pixels, timer wait out");
        gainFrames_.print("gain fader step frame");
        pageFrames_.print("page switch frame");
        clickFrames_.print("band button frame");
        if (missedPaints_ > 0)
            std::printf("band edits without a graph paint within %.0f ms: %d\n", kPaintLimitMs, missedPaints_);
    }

    int missedPaints() const { return missedPaints_; }

private:
    // One stretch of GUI work, timed as a frame.
    template <class Work>
    double frame(const char* what, Work work)
    {
        const auto start = Clock::now();
        work();
        const double ms = msBetween(start, Clock::now());
        ++frames_;
        if (ms > longestFrame_) {
            longestFrame_ = ms;
            longestWhat_ = what;
        }
        return ms;
    }

    void pump(const char* what = "message loop pass")
    {
        frame(what, [] { Application->ProcessMessages(); });
    }

    void idle(Clock::duration span)
    {
        const auto until = Clock::now() + span;
        while (Clock::now() < until) {
            pump();
            std::this_thread::sleep_for(std::chrono::microseconds(500));
        }
    }

    QPoint inWindow(const TControl& control, QPoint at) const
    {
        return control.Widget()->mapTo(control.Widget()->window(), at);
    }

    // A click and the loop pass that paints it, as one frame.
    void click(const std::string& name, Spread& frames)
    {
        auto* button = findComponent<TControl>(window_, name);
        if (!button)
            throw std::runtime_error("the main window has no " + name);
        const QPoint at = inWindow(*button, button->Widget()->rect().center());
        frames.add(frame(name.c_str(), [&] {
            QTest::mouseClick(handle_, Qt::LeftButton, {}, at);
            Application->ProcessMessages();
        }));
    }

    // A drag of a fader's thumb in single-pixel to three-pixel steps, back
    // and forth. channel >= 0: a band fader, each step that moved it timed
    // to the channel graph's paint.
    void drag(const std::string& name, int channel, std::mt19937& random, int steps)
    {
        auto* fader = findComponent<TAdvTrackBar>(window_, name);
        if (!fader)
            throw std::runtime_error("the main window has no " + name);
        const TRect thumb = fader->GetThumbRect();
        const bool vertical = fader->Orientation() == trVertical;
        QPoint at = inWindow(*fader, QPoint((thumb.Left + thumb.Right) / 2, (thumb.Top + thumb.Bottom) / 2));
        frame(name.c_str(), [&] { QTest::mousePress(handle_, Qt::LeftButton, {}, at); });
        int direction = 1;
        const TRect area = fader->SlideArea();
        for (int i = 0; i < steps; ++i) {
            const int length = 1 + static_cast<int>(random() % 3);
            QPoint next = at + (vertical ? QPoint(0, direction * length) : QPoint(direction * length, 0));
            const QPoint local = fader->Widget()->mapFrom(fader->Widget()->window(), next);
            if ((vertical ? local.y() : local.x()) <= (vertical ? area.Top : area.Left) ||
                (vertical ? local.y() : local.x()) >= (vertical ? area.Bottom : area.Right)) {
                direction = -direction;
                next = at + (vertical ? QPoint(0, direction * length) : QPoint(direction * length, 0));
            }
            at = next;
            step(*fader, channel, at);
            idle(kMouseStep);
        }
        frame(name.c_str(), [&] {
            QTest::mouseRelease(handle_, Qt::LeftButton, {}, at);
            Application->ProcessMessages();
        });
    }

    void step(TAdvTrackBar& fader, int channel, QPoint at)
    {
        const int position = fader.Position();
        const auto start = Clock::now();
        if (channel < 0) {
            gainFrames_.add(frame("gain fader step", [&] {
                QTest::mouseMove(handle_, at);
                Application->ProcessMessages();
            }));
            return;
        }
        const auto c = static_cast<std::size_t>(channel);
        const int paints = paints_[c];
        frame("band fader step", [&] { QTest::mouseMove(handle_, at); });
        if (fader.Position() == position)
            return; // the thumb stayed: nothing to draw
        const auto armed = Clock::now(); // the curve timer runs from here
        firedAt_ = armed;
        while (paints_[c] == paints && msBetween(start, Clock::now()) < kPaintLimitMs)
            pump("band edit pass");
        if (paints_[c] == paints) {
            ++missedPaints_;
            return;
        }
        bandPixels_.add(msBetween(start, paintedAt_));
        bandWork_.add(msBetween(start, paintedAt_) - msBetween(armed, firedAt_));
    }

    TfmMain& window_;
    LinkedPeqEditing editing_;
    QWindow* handle_ = nullptr;
    std::array<LMyFFTDrawHpLp6dB*, kChannelCount> graphs_{};
    std::array<int, kChannelCount> paints_{};
    Clock::time_point paintedAt_;
    Clock::time_point firedAt_;
    int frames_ = 0;
    double longestFrame_ = 0.0;
    std::string longestWhat_;
    int missedPaints_ = 0;
    Spread bandPixels_, bandWork_, gainFrames_, pageFrames_, clickFrames_;
};

} // namespace
} // namespace qx::bench

namespace {
QtMessageHandler gPlatformNotes = nullptr;

// The offscreen platform cannot grab the mouse or raise a window; its notes
// on that would fill the report.
void quietPlatformNotes(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (!message.contains(QLatin1String("This plugin does not support")) && gPlatformNotes)
        gPlatformNotes(type, context, message);
}
} // namespace

int main(int argc, char** argv)
{
    double seconds = 60.0;
    if (argc == 3 && std::strcmp(argv[1], "--seconds") == 0)
        seconds = std::max(1.0, std::atof(argv[2]));
    else if (argc != 1) {
        std::fprintf(stderr, "usage: qx_session_bench [--seconds N]\n");
        return 2;
    }
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    gPlatformNotes = qInstallMessageHandler(quietPlatformNotes);
    int qtArgc = 1;
    qx::initApplication(qtArgc, argv);
    int status = 0;
    try {
        const qx::bench::BusyStates states;
        const qx::bench::SimProcess simulator(states.File(1));
        qx::bench::quietMainWindow();
        qx::bench::EditorLink link(*fmMain, simulator.Port());
        qx::bench::showMainWindow();
        link.Connect();
        qx::bench::runUntil([&] { return link.StateLoaded(); });
        {
            qx::bench::Session session(*fmMain, link);
            session.run(seconds);
            session.report();
            status = session.missedPaints() > 0 ? 1 : 0;
        }
        link.Disconnect();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "qx_session_bench: %s\n", e.what());
        status = 1;
    }
    qx::doneApplication();
    return status;
}
