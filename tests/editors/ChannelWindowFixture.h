#pragma once
// The main window with its frames recorded (as for the equaliser tests), its
// channel dialogs made as the program makes them, and the helpers the gain,
// delay, link and name editor tests share.

#include "EqWindowFixture.h"
#include "WhenShown.h"
#include "controls/buttons/rz/RzBmpBtn.h"
#include "editors/channel/FChNameList.h"
#include "editors/channel/FChannelName.h"
#include "editors/channel/FCopy.h"
#include "editors/channel/FLinkSel.h"
#include "editors/channel/FPeqRst.h"
#include "model/ReplyDispatcher.h"
#include "platform/gui/Form.h"
#include "platform/gui/Timer.h"

#include <functional>
#include <iomanip>
#include <ostream>
#include <memory>
#include <string>
#include <vector>

namespace qxtest {
// A frame as hex bytes, and whether it went urgent.
inline void PrintTo(const Sent& s, std::ostream* out)
{
    for (std::uint8_t b : s.frame)
        *out << std::hex << std::setw(2) << std::setfill('0') << int(b) << ' ';
    *out << std::dec << (s.urgent ? "urgent" : "");
}
} // namespace qxtest

namespace chantest {

using qx::test::WhenShown;
using qxtest::Sent;
namespace rec = qx::rec;

constexpr std::uint8_t kGain = 0x34;
constexpr std::uint8_t kMute = 0x35;
constexpr std::uint8_t kPolarity = 0x36;
constexpr std::uint8_t kDelay = 0x38;
constexpr std::uint8_t kDelayUnit = 0x15;
constexpr std::uint8_t kChannelName = 0x3D;
constexpr std::uint8_t kCopy = 0x2A;
constexpr std::uint8_t kLinkMask = 0x3B;
constexpr std::uint8_t kStatusPoll = 0x12;

inline Sent frame(std::uint8_t code, std::vector<std::uint8_t> payload, bool urgent = false)
{
    return {qxtest::commandFrame(1, code, payload), urgent};
}

inline Sent wordFrame(std::uint8_t code, int channel, int word)
{
    return frame(code, {static_cast<std::uint8_t>(channel), static_cast<std::uint8_t>(word & 0xFF),
                        static_cast<std::uint8_t>(word >> 8)});
}

class ChannelWindowTest : public eqtest::EqWindowTest
{
protected:
    void SetUp() override
    {
        eqtest::EqWindowTest::SetUp();
        makeDialog(fmLinkSel);
        makeDialog(fmCopy);
        makeDialog(fmChannelName);
        makeDialog(fmChNameList);
        makeDialog(fmPeqRst);
    }
    void TearDown() override
    {
        dialogs.clear();
        fmLinkSel = nullptr;
        fmCopy = nullptr;
        fmChannelName = nullptr;
        fmChNameList = nullptr;
        fmPeqRst = nullptr;
    }

    template <class T> void makeDialog(T*& global)
    {
        global = qx::newForm<T>(nullptr);
        dialogs.emplace_back(global);
    }

    TRzBmpButton* button(const std::string& name) const { return find<TRzBmpButton>(name); }
    bool down(const std::string& name) const { return button(name)->Down(); }
    // Channels of one side from `first` on: `masks` are their stored link masks.
    void storeMasks(int first, std::initializer_list<unsigned> masks)
    {
        int c = first;
        for (unsigned m : masks) {
            const std::size_t at = c < 4 ? rec::input(c) + rec::kInLinkMask : rec::output(c - 4) + rec::kOutLinkMask;
            qx::writeWord(unit().record(), at, m);
            ++c;
        }
    }
    void setConnected(bool on) { window->Replies->state().connected = on; }

    std::vector<std::unique_ptr<TForm>> dialogs;
};

} // namespace chantest
