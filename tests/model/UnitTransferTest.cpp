// The unit upload and download step by step over fake main-window services:
// progress, the pieces and their slot, the coefficient burst, the ends, and
// refused files.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ExchangeFixture.h"
#include "TempDir.h"
#include "model/PresetFile.h"
#include "model/UnitDownload.h"
#include "model/UnitFile.h"
#include "model/UnitUpload.h"

namespace {

using qx::ExchangeTimer;
using qx::FileDialog;
using qxtest::Frame;
using qxtest::Sent;

using qxtest::codeOf;
using qxtest::payloadOf;

class UnitTransferTest : public qxtest::ExchangeFixture
{
protected:
    // A unit file whose slots in `used` hold a preset image (status 0xFF,
    // byte 0 the given number) and whose other slots are empty.
    static qx::Bytes unitFile(const std::vector<int>& used, std::uint8_t numberByte = 0)
    {
        qx::Bytes file(qx::kFileMarker.begin(), qx::kFileMarker.end());
        for (std::size_t k = 0; k < qx::kMemoryHeaderSize; ++k) {
            file.push_back(static_cast<std::uint8_t>(0x40 + k));
        }
        for (int slot = 1; slot <= qx::kStoredPresetCount; ++slot) {
            qx::Bytes block(qx::kPresetBlockSize, 0xFF);
            std::fill_n(block.begin(), qx::kStoredPresetImageSize, qx::kEmptyPresetByte);
            if (std::find(used.begin(), used.end(), slot) != used.end()) {
                for (std::size_t b = 0; b < 1300; ++b) {
                    block[b] = static_cast<std::uint8_t>(b % 251);
                }
                block[0] = numberByte != 0 ? numberByte : static_cast<std::uint8_t>(slot);
                block[1] = 0xFF;
                std::fill(block.begin() + qx::kStoredPresetImageSize + 50, block.end() - 2, 0xFF);
            }
            block[qx::kPresetBlockSize - 2] = '\r';
            block[qx::kPresetBlockSize - 1] = '\n';
            file.insert(file.end(), block.begin(), block.end());
        }
        return file;
    }

    // Online with a unit file chosen; the factory reset and the header are
    // acknowledged, so the first piece is out.
    void startDownload(const qx::Bytes& file)
    {
        goOnline();
        qx::test::writeBytes(dir / "u.unt", file);
        host.files[FileDialog::OpenUnit] = dir / "u.unt";
        dispatcher.download().DownloadUnitFile();
        EXPECT_EQ(takeSent(), std::vector<Sent>{command(0x23, {}, true)});
        EXPECT_FALSE(host.mainWindowEnabled);
        EXPECT_EQ(host.maximum, 600);
        EXPECT_TRUE(host.timer(ExchangeTimer::PresetLoadCount));
        deliver(1, {});
        ASSERT_EQ(codeOf(takeSent().at(0)), 0x1A);
        EXPECT_EQ(host.maximum, 38280);
        deliver(1, {});
    }

    qx::test::TempDir dir;
};

TEST_F(UnitTransferTest, EveryPieceGoesToTheSlotBeingWritten)
{
    startDownload(unitFile({2, 5}, 9)); // number bytes that name another slot
    EXPECT_EQ(host.position, 24 + 1);
    for (int piece = 0; piece <= 25; ++piece) {
        const std::vector<Sent> sent = takeSent();
        ASSERT_EQ(sent.size(), 1U) << piece;
        ASSERT_EQ(codeOf(sent[0]), 0x25);
        const std::vector<std::uint8_t> p = payloadOf(sent[0]);
        EXPECT_EQ(p[0], piece);
        EXPECT_EQ(p[1], 1) << "slot 2 is preset index 1";
        const std::size_t size = piece < 25 ? 50 : 45;
        ASSERT_EQ(p.size(), 2 + size) << piece;
        for (std::size_t k = 0; k < size; ++k) {
            const std::size_t blockByte = 1 + 50 * static_cast<std::size_t>(piece) + k;
            const std::uint8_t expected = blockByte == 1     ? 0xFF
                                          : blockByte < 1296 && blockByte >= qx::kStoredPresetImageSize + 50
                                              ? 0xFF
                                              : static_cast<std::uint8_t>(blockByte % 251);
            ASSERT_EQ(p[2 + k], expected) << "piece " << piece << " byte " << k;
        }
        deliver(37, {static_cast<std::uint8_t>(piece)});
    }
    // Slots 3 and 4 are empty: +24 each, then slot 5's first piece.
    const std::vector<Sent> next = takeSent();
    ASSERT_EQ(next.size(), 1U);
    EXPECT_EQ(payloadOf(next[0])[0], 0);
    EXPECT_EQ(payloadOf(next[0])[1], 4);
    EXPECT_EQ(dispatcher.state().downloadSlot, 5);
    EXPECT_EQ(host.position, 25 + 26 + 48 + 1);
}

TEST_F(UnitTransferTest, PieceAnswersOtherThanTheLastAskedAreDropped)
{
    startDownload(unitFile({1}));
    takeSent();
    for (std::uint8_t stray : {1, 25, 200}) {
        deliver(37, {stray});
    }
    deliver(37, {});
    EXPECT_TRUE(host.sent.empty());
    EXPECT_EQ(host.position, 1);
    deliver(37, {0});
    deliver(37, {0});
    EXPECT_EQ(takeSent().size(), 1U) << "a repeated answer sends nothing more";
}

TEST_F(UnitTransferTest, AllSlotsEmptyStartsTheCoefficientBurstAtOnce)
{
    startDownload(unitFile({}));
    const std::vector<Sent> sent = takeSent();
    EXPECT_EQ(dispatcher.state().transferKind, qx::kTransferUnitDownloadFir);
    ASSERT_EQ(sent.size(), 20U * (4 * 2 + 8) + 1);
    EXPECT_EQ(sent.back(), command(0x10, {}, true));
    EXPECT_EQ(sent[0], command(0x58, {24, 0}, true)) << "preset 1, input A: sectors 24 and 25";
    EXPECT_EQ(sent[1], command(0x58, {25, 0}, true));
    EXPECT_EQ(sent[8], command(0x58, {32, 0}, true)) << "preset 1, output 1";
    EXPECT_EQ(sent[sent.size() - 2], command(0x58, {(20 * 24 + 8 + 14) & 0xFF, (20 * 24 + 8 + 14) >> 8}, true));
    EXPECT_EQ(host.position, 20 * 24 + 20 * (4 * 155 + 8 * 156));
}

TEST_F(UnitTransferTest, CoefficientsGoIntoTheirPresetFromABufferOfTheDownloadsOwn)
{
    qx::Bytes file = unitFile({});
    const std::size_t block = qx::kUnitFileHeaderEnd + qx::kPresetBlockSize * 2; // preset 3
    qx::writeWord(std::span(file).subspan(block + 1), qx::rec::firCount(5), 13);
    for (int k = 0; k < 13; ++k) {
        qx::putFloatLe(file, block + qx::kStoredPresetImageSize + qx::kFirAreaSize * 5 + 4 * std::size_t(k),
                       0.5F);
    }
    fir[5][0] = 0.25F;
    const qx::FirBuffers before = fir;
    startDownload(file);
    const std::vector<Sent> sent = takeSent();
    std::vector<Sent> blocks;
    std::copy_if(sent.begin(), sent.end(), std::back_inserter(blocks), [](const Sent& s) { return codeOf(s) == 0x5A; });
    ASSERT_EQ(blocks.size(), 2U);
    EXPECT_EQ(payloadOf(blocks[0]).size(), 5 + 12 * 4U);
    EXPECT_EQ(payloadOf(blocks[1]).size(), 5 + 1 * 4U);
    const std::vector<std::uint8_t> last = payloadOf(blocks[1]);
    EXPECT_EQ((std::vector<std::uint8_t>(last.begin(), last.begin() + 5)),
              (std::vector<std::uint8_t>{3, 5, 1, 13, 0})) << "preset 3, channel 5, block 1 of 13";
    EXPECT_EQ(fir, before) << "the main window's buffers keep the current coefficients";
    EXPECT_EQ(host.position, 20 * 24 + 20 * (4 * 155 + 8 * 156) - 156)
        << "a channel with coefficients moves the bar only through its acknowledgements";
}

TEST_F(UnitTransferTest, EndOfTheBurstRestartsTheProcessorOnce)
{
    for (const std::uint8_t endCode : {16, 89}) {
        startDownload(unitFile({}));
        takeSent();
        deliver(1, {});
        const int position = host.position;
        if (endCode == 16) {
            deliver(16, {});
        } else {
            deliver(89, {1});
        }
        EXPECT_EQ(host.position, position);
        EXPECT_EQ(dispatcher.state().transferKind, qx::kTransferNone);
        EXPECT_TRUE(host.timer(ExchangeTimer::DownloadEnd));
        deliver(16, {}); // the final answer after a transfer-end reply
        EXPECT_TRUE(host.sent.empty()) << "no second handshake";
        dispatcher.download().OnDownloadEndTimer();
        EXPECT_EQ(takeSent(), std::vector<Sent>{command(0x04, {}, true)});
        EXPECT_TRUE(host.mainWindowEnabled);
        EXPECT_TRUE(host.timer(ExchangeTimer::Disconnect));
        EXPECT_FALSE(host.timer(ExchangeTimer::DownloadEnd));
        EXPECT_FALSE(dispatcher.download().Active());
        dispatcher.download().OnDownloadEndTimer();
        EXPECT_TRUE(host.sent.empty());
        dispatcher.LinkClosed();
    }
}

struct RefusedFile
{
    const char* what;
    std::size_t size;
    bool marker;
};

TEST_F(UnitTransferTest, RefusedUnitFilesSendNothing)
{
    goOnline();
    const std::vector<RefusedFile> cases = {{"the marker, header and images only", 24957, true},
                                            {"one byte short", qx::kUnitFileSize - 1, true},
                                            {"one byte long", qx::kUnitFileSize + 1, true},
                                            {"without the marker", qx::kUnitFileSize, false},
                                            {"empty", 0, true}};
    for (const RefusedFile& c : cases) {
        qx::Bytes file = unitFile({1});
        file.resize(c.size, 0xFF);
        if (!c.marker) {
            file[3] = 'q';
        }
        qx::test::writeBytes(dir / "bad.unt", file);
        host.files[FileDialog::OpenUnit] = dir / "bad.unt";
        host.information.clear();
        dispatcher.download().DownloadUnitFile();
        EXPECT_EQ(host.information, std::vector<std::string>{"SID_INFO_ERROR_DOWNLAOD"}) << c.what;
        EXPECT_TRUE(host.sent.empty()) << c.what;
        EXPECT_TRUE(host.mainWindowEnabled) << c.what;
        EXPECT_EQ(dispatcher.state().ackStep, 0) << c.what;
    }
    host.files[FileDialog::OpenUnit] = dir / "missing.unt";
    dispatcher.download().DownloadUnitFile();
    EXPECT_TRUE(host.sent.empty());
    host.files.clear(); // cancelled
    host.information.clear();
    dispatcher.download().DownloadUnitFile();
    EXPECT_TRUE(host.information.empty());
}

TEST_F(UnitTransferTest, BothTransfersNeedAConnection)
{
    dispatcher.upload().UploadUnit();
    dispatcher.download().DownloadUnitFile();
    EXPECT_EQ(host.information, (std::vector<std::string>{"SID_INFO_CON_FIRST", "SID_INFO_CON_FIRST"}));
    EXPECT_TRUE(host.sent.empty());

    goOnline();
    dispatcher.upload().UploadUnit();
    EXPECT_EQ(host.information.back(), "SID_INFO_NO_SAVE_EXIST");
    EXPECT_TRUE(host.sent.empty());
}

// Answers every upload request from a fixed preset image whose coefficients
// all read as impulses.
class UploadTest : public UnitTransferTest
{
protected:
    void answerUpload()
    {
        for (int guard = 0; guard < 100000 && !host.sent.empty(); ++guard) {
            const Sent request = host.sent.front();
            host.sent.erase(host.sent.begin());
            const std::vector<std::uint8_t> p = payloadOf(request);
            switch (codeOf(request)) {
            case 0x19:
                deliver(25, std::vector<std::uint8_t>(21, 0x33));
                break;
            case 0x24:
                deliver(1, {});
                break;
            case 0x28: {
                std::vector<std::uint8_t> piece(51, static_cast<std::uint8_t>(p[0]));
                piece[0] = p[0];
                deliver(40, piece);
                break;
            }
            case 0x56: {
                std::vector<std::uint8_t> block(55, 0xFF);
                block[1] = p[2];
                block[2] = p[1];
                deliver(86, block);
                break;
            }
            default:
                break;
            }
        }
    }
};

TEST_F(UploadTest, ReadsEveryUsedPresetAndEnds)
{
    goOnline();
    std::vector<std::uint8_t> flags(20, 0);
    flags[2] = flags[6] = flags[19] = 0xFF; // presets 3, 7 and 20
    unit.SetPresetFlags(flags);
    host.files[FileDialog::SaveUnit] = dir / "out";
    std::vector<int> selected;
    host.onSend = [&](const Frame& f) {
        if (f[5] == 0x24) {
            selected.push_back(f[6]);
        }
    };
    dispatcher.upload().UploadUnit();
    EXPECT_EQ(host.maximum, 3 * 1916);
    EXPECT_EQ(host.statusText, "SID_UPLOAD_PRESET");
    EXPECT_EQ(host.calls.back(), "ShowProgressWindow modal");
    answerUpload();
    EXPECT_EQ(selected, (std::vector<int>{3, 7, 20}));
    EXPECT_EQ(dispatcher.state().uploadSlot, 20);
    EXPECT_EQ(dispatcher.state().presetFirSlot, 0);
    EXPECT_EQ(host.position, host.maximum);
    EXPECT_EQ(host.calls.back(), "CloseProgressWindow");
    EXPECT_TRUE(host.timer(ExchangeTimer::Upload));
    EXPECT_EQ(unit.storedPresetImage(7)[0], 7);
    EXPECT_EQ(unit.storedPresetImage(7)[1 + 50 * 3], 3) << "piece 3 of preset 7";

    dispatcher.upload().OnUploadTimer();
    EXPECT_EQ(selected.back(), 21);
    EXPECT_TRUE(host.timer(ExchangeTimer::InLevelDet));
    EXPECT_EQ(std::filesystem::file_size(dir / "out.unt"), qx::kUnitFileSize);
}

TEST_F(UploadTest, ProgressOfUnusedPresetsAfterARead)
{
    goOnline();
    std::vector<std::uint8_t> flags(20, 0);
    flags[2] = flags[6] = 0xFF;
    unit.SetPresetFlags(flags);
    std::vector<int> positionsAtSelect;
    host.onSend = [&](const Frame& f) {
        if (f[5] == 0x24) {
            positionsAtSelect.push_back(host.position);
        }
    };
    dispatcher.upload().UploadUnit();
    EXPECT_EQ(host.maximum, 3832);
    answerUpload();
    ASSERT_EQ(positionsAtSelect.size(), 2U);
    EXPECT_EQ(positionsAtSelect[0], 0);
    // Preset 3 was read as twelve impulses (12 blocks, 11 of them counted),
    // then presets 4 to 6 counted 1916 each: the bar is full.
    EXPECT_EQ(positionsAtSelect[1], 3832);
}

TEST_F(UploadTest, CancelledOrFailedFileStillClosesThePresetReading)
{
    goOnline();
    std::vector<std::uint8_t> flags(20, 0);
    flags[0] = 0xFF;
    unit.SetPresetFlags(flags);
    for (const bool cancelled : {true, false}) {
        host.files.clear();
        if (!cancelled) {
            host.files[FileDialog::SaveUnit] = dir / "missing-folder" / "out";
        }
        host.information.clear();
        dispatcher.upload().UploadUnit();
        answerUpload();
        dispatcher.upload().OnUploadTimer();
        EXPECT_EQ(takeSent(), std::vector<Sent>{command(0x24, {21}, true)});
        EXPECT_EQ(host.information, cancelled ? std::vector<std::string>{}
                                              : std::vector<std::string>{"SID_INFO_ERROR_FILE"});
    }
}

TEST_F(UploadTest, LinkLostAfterTheLastBlockStillWritesTheFile)
{
    goOnline();
    std::vector<std::uint8_t> flags(20, 0);
    flags[4] = 0xFF;
    unit.SetPresetFlags(flags);
    host.files[FileDialog::SaveUnit] = dir / "kept";
    dispatcher.upload().UploadUnit();
    answerUpload();
    dispatcher.LinkClosed();
    dispatcher.upload().OnUploadTimer();
    EXPECT_TRUE(std::filesystem::exists(dir / "kept.unt"));
    EXPECT_TRUE(host.sent.empty()) << "nothing to tell a processor that is gone";
    EXPECT_FALSE(host.timer(ExchangeTimer::InLevelDet));
}

TEST_F(UploadTest, AnswersOutsideTheUploadAreDropped)
{
    goOnline();
    deliver(25, std::vector<std::uint8_t>(21, 0x77));
    EXPECT_EQ(unit.memoryHeader()[0], 0) << "no header was asked for";
    dispatcher.state().ackStep = 4;
    deliver(1, {});
    deliver(40, std::vector<std::uint8_t>(51, 0));
    dispatcher.state().presetFirSlot = 2;
    deliver(86, std::vector<std::uint8_t>(55, 0));
    EXPECT_TRUE(host.sent.empty());
    EXPECT_EQ(fir, qx::FirBuffers{});
}

} // namespace
