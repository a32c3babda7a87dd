// Preset file: layout, encode/decode round trip, refusal of wrong files with
// nothing changed, and saving that never damages the old file.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <utility>
#include <vector>

#include "FileSizeLimit.h"
#include "TempDir.h"
#include "model/FactoryDefault.h"
#include "model/LUnitControl.h"
#include "model/PresetFile.h"

namespace {

using qx::test::TempDir;

// A record and buffers that differ from the defaults in every region the file
// carries.
struct Sample
{
    qx::UnitRecord record = qx::kFactoryDefaultRecord;
    qx::FirBuffers buffers = qx::unitImpulseBuffers();

    Sample()
    {
        qx::writeText(record, qx::rec::kPresetName, 14, "Live Stage 7");
        qx::writeText(record, qx::rec::output(2), 8, "SubLeft!");
        qx::writeWord(record, qx::rec::input(1) + qx::rec::kInGain, 317);
        qx::writeWord(record, qx::rec::peqBypassMask(11), 0x8123); // ends at record byte 1245
        qx::writeWord(record, qx::rec::firCount(1), 3);
        qx::writeWord(record, qx::rec::firCount(9), 1024);
        buffers[1] = {};
        buffers[1][0] = 0.5F;
        buffers[1][1] = -0.25F;
        buffers[1][2] = 0.125F;
        buffers[9] = {};
        for (std::size_t k = 0; k < 1024; ++k) {
            buffers[9][k] = static_cast<float>(k) / 1024.0F - 0.5F;
        }
    }
};

TEST(PresetFile, FactoryDefaultFileLayout)
{
    const qx::Bytes file = qx::encodePresetFile(qx::kFactoryDefaultRecord, qx::unitImpulseBuffers());
    ASSERT_EQ(file.size(), 99566U);
    EXPECT_EQ(std::string(file.begin(), file.begin() + 16), "***QX-73BV012***");
    EXPECT_EQ(std::string(file.begin() + 16, file.begin() + 30), "Default Preset");
    EXPECT_EQ(std::string(file.begin() + 30, file.begin() + 33), "InA")
        << "input A's record follows the name";
    EXPECT_TRUE(std::all_of(file.begin() + 1260, file.begin() + 99564, [](auto b) { return b == 0xFF; }));
    EXPECT_EQ(file[99564], 0x0D);
    EXPECT_EQ(file[99565], 0x0A);

    LUnitControl model;
    const qx::Bytes withoutEnd = model.EncodePresetFile(qx::unitImpulseBuffers());
    EXPECT_EQ(withoutEnd, qx::Bytes(file.begin(), file.end() - 2));
}

TEST(PresetFile, EncodeThenTakeGivesTheSameRecordAndCoefficients)
{
    const Sample sample;
    const qx::Bytes file = qx::encodePresetFile(sample.record, sample.buffers);
    ASSERT_EQ(file.size(), qx::kPresetFileSize);

    qx::UnitRecord record = qx::kFactoryDefaultRecord;
    record[0] = 0x5A; // not in the file: kept
    record[1250] = 2; // delay unit: kept
    qx::FirBuffers buffers{};
    const qx::PresetFileTake take = qx::takePresetFile(file, record, buffers);
    ASSERT_TRUE(take.result.ok()) << take.result.detail;

    qx::UnitRecord expected = sample.record;
    expected[0] = 0x5A;
    expected[1250] = 2;
    EXPECT_EQ(record, expected);
    EXPECT_EQ(buffers, sample.buffers);
    EXPECT_EQ(take.firReads[0].kind, qx::FirAreaKind::Impulse);
    EXPECT_EQ(take.firReads[1].kind, qx::FirAreaKind::Coefficients);
    EXPECT_EQ(take.firReads[9].kind, qx::FirAreaKind::Coefficients);
}

// An accepted file whose coefficients are out of range: that channel becomes
// a unit impulse and is reported, the others are read as they stand.
TEST(PresetFile, RefusedCoefficientMakesThatChannelAnImpulse)
{
    const Sample sample;
    qx::Bytes file = qx::encodePresetFile(sample.record, sample.buffers);
    const std::size_t output2 = 1260 + 8192 * 5;
    qx::putFloatLe(file, output2, 0.5F);
    qx::putFloatLe(file, output2 + 4 * 10, 60.0F);
    qx::putFloatLe(file, output2 + 4 * 11, 0.5F);
    qx::UnitRecord record{};
    qx::FirBuffers buffers{};
    const qx::PresetFileTake take = qx::takePresetFile(file, record, buffers);
    ASSERT_TRUE(take.result.ok());
    EXPECT_EQ(take.firReads[5], (qx::FirAreaRead{qx::FirAreaKind::Error, 10}));
    EXPECT_EQ(buffers[5], qx::unitImpulse());
    EXPECT_EQ(take.firReads[9].kind, qx::FirAreaKind::Coefficients);
    EXPECT_EQ(buffers[9], sample.buffers[9]);
}

TEST(PresetFile, WrongFilesAreRefusedAndChangeNothing)
{
    const qx::Bytes good = qx::encodePresetFile(Sample().record, Sample().buffers);
    struct Case
    {
        const char* name;
        qx::Bytes file;
        qx::FileStatus status;
    };
    qx::Bytes corrupt = good;
    corrupt[9] = 'X';
    const Case cases[] = {
        {"one byte short", qx::Bytes(good.begin(), good.end() - 1), qx::FileStatus::WrongSize},
        {"one byte over",
         [&] {
             qx::Bytes b = good;
             b.push_back(0);
             return b;
         }(),
         qx::FileStatus::WrongSize},
        {"empty", {}, qx::FileStatus::WrongSize},
        {"marker only", qx::Bytes(good.begin(), good.begin() + 16), qx::FileStatus::WrongSize},
        {"marker differs in one character", corrupt, qx::FileStatus::BadMarker},
    };
    for (const Case& c : cases) {
        qx::UnitRecord record = qx::kFactoryDefaultRecord;
        qx::FirBuffers buffers = qx::unitImpulseBuffers();
        const qx::PresetFileTake take = qx::takePresetFile(c.file, record, buffers);
        EXPECT_EQ(take.result.status, c.status) << c.name;
        EXPECT_EQ(take.result.textId, "SID_INFO_ERROR_FILE") << c.name;
        EXPECT_EQ(record, qx::kFactoryDefaultRecord) << c.name;
        EXPECT_EQ(buffers, qx::unitImpulseBuffers()) << c.name;
    }
}

TEST(PresetFile, UnopenableFilesAreRefusedAndChangeNothing)
{
    TempDir dir;
    std::filesystem::create_directory(dir / "folder.prs");
    qx::Bytes big(200000, 0x2A);
    qx::test::writeBytes(dir / "big.prs", big);
    ASSERT_EQ(::mkfifo((dir / "pipe.prs").c_str(), 0600), 0);
    for (const char* name : {"missing.prs", "folder.prs", "big.prs", "pipe.prs"}) {
        qx::UnitRecord record = qx::kFactoryDefaultRecord;
        qx::FirBuffers buffers = qx::unitImpulseBuffers();
        const qx::PresetFileTake take = qx::openPresetFile(dir / name, record, buffers);
        EXPECT_FALSE(take.result.ok()) << name;
        EXPECT_EQ(take.result.textId, "SID_INFO_ERROR_FILE") << name;
        EXPECT_EQ(record, qx::kFactoryDefaultRecord) << name;
        EXPECT_EQ(buffers, qx::unitImpulseBuffers()) << name;
    }
}

TEST(PresetFile, SaveThenOpen)
{
    TempDir dir;
    const Sample sample;
    ASSERT_TRUE(qx::savePresetFile(dir / "live.prs", sample.record, sample.buffers).ok());
    EXPECT_EQ(qx::test::entryCount(dir.path()), 1U) << "no temporary file left behind";
    qx::UnitRecord record = qx::kFactoryDefaultRecord;
    qx::FirBuffers buffers{};
    ASSERT_TRUE(qx::openPresetFile(dir / "live.prs", record, buffers).result.ok());
    EXPECT_EQ(record, sample.record);
    EXPECT_EQ(buffers, sample.buffers);
}

TEST(PresetFile, SaveIntoMissingOrNonFolderFails)
{
    TempDir dir;
    qx::test::writeBytes(dir / "plain", qx::Bytes{1, 2, 3});
    for (const char* target : {"no-such-folder/live.prs", "plain/live.prs"}) {
        const qx::FileResult result =
            qx::savePresetFile(dir / target, qx::kFactoryDefaultRecord, qx::unitImpulseBuffers());
        EXPECT_EQ(result.status, qx::FileStatus::CannotWrite) << target;
        EXPECT_EQ(result.textId, "SID_INFO_ERROR_FILE") << target;
    }
    EXPECT_EQ(qx::test::readBytes(dir / "plain"), (qx::Bytes{1, 2, 3}));
    EXPECT_EQ(qx::test::entryCount(dir.path()), 1U);
}

// Saves as a user who may read the folder but not write in it. Root is not
// bound by the folder's mode, so as root the save runs in a child process
// that has given up root for the "nobody" user first.
qx::FileStatus saveIntoReadOnlyFolder(const TempDir& dir, const std::string& name)
{
    using std::filesystem::perms;
    const auto save = [&] {
        return qx::savePresetFile(dir / name, Sample().record, Sample().buffers).status;
    };
    std::filesystem::permissions(dir.path(), perms::owner_read | perms::owner_exec | perms::group_read |
                                                 perms::group_exec | perms::others_read | perms::others_exec);
    qx::FileStatus status = qx::FileStatus::Ok;
    if (::geteuid() != 0) {
        status = save();
    } else if (const pid_t child = ::fork(); child == 0) {
        constexpr id_t kNobody = 65534;
        if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) {
            ::_exit(255);
        }
        ::_exit(static_cast<int>(save()));
    } else {
        int wait = 0;
        ::waitpid(child, &wait, 0);
        status = WIFEXITED(wait) && WEXITSTATUS(wait) != 255 ? static_cast<qx::FileStatus>(WEXITSTATUS(wait))
                                                             : qx::FileStatus::Ok;
    }
    std::filesystem::permissions(dir.path(), perms::owner_all);
    return status;
}

TEST(PresetFile, SaveIntoAReadOnlyFolderFailsAndKeepsTheOldFile)
{
    TempDir dir;
    const qx::Bytes old{'o', 'l', 'd'};
    qx::test::writeBytes(dir / "live.prs", old);
    EXPECT_EQ(saveIntoReadOnlyFolder(dir, "live.prs"), qx::FileStatus::CannotWrite);
    EXPECT_EQ(saveIntoReadOnlyFolder(dir, "new.prs"), qx::FileStatus::CannotWrite);
    EXPECT_EQ(qx::test::readBytes(dir / "live.prs"), old);
    EXPECT_EQ(qx::test::entryCount(dir.path()), 1U);
}

// A write that fails half-way (the file size limit is hit) leaves the old
// file as it was and no temporary file behind.
TEST(PresetFile, FailedWriteKeepsTheOldFile)
{
    TempDir dir;
    const qx::Bytes old{'o', 'l', 'd'};
    qx::test::writeBytes(dir / "live.prs", old);

    qx::FileResult result;
    {
        const qxtest::FileSizeLimit limit(4096);
        ASSERT_TRUE(limit.applied());
        result = qx::savePresetFile(dir / "live.prs", Sample().record, Sample().buffers);
    }

    EXPECT_EQ(result.status, qx::FileStatus::CannotWrite);
    EXPECT_FALSE(result.detail.empty());
    EXPECT_EQ(qx::test::readBytes(dir / "live.prs"), old);
    EXPECT_EQ(qx::test::entryCount(dir.path()), 1U);
}

TEST(PresetFile, ReplacingATargetThatIsAFolderFails)
{
    TempDir dir;
    std::filesystem::create_directories(dir / "live.prs" / "inside");
    const qx::FileResult result =
        qx::savePresetFile(dir / "live.prs", qx::kFactoryDefaultRecord, qx::unitImpulseBuffers());
    EXPECT_EQ(result.status, qx::FileStatus::CannotWrite);
    EXPECT_TRUE(std::filesystem::is_directory(dir / "live.prs" / "inside"));
    EXPECT_EQ(qx::test::entryCount(dir.path()), 1U);
}

// Saving through a symbolic link writes the file it points at, wherever that
// is and also through a chain of links; the links stay links.
TEST(PresetFile, SavingOverASymbolicLinkReplacesItsTarget)
{
    namespace fs = std::filesystem;
    const struct
    {
        const char* name;
        std::vector<std::pair<const char*, const char*>> links; // link, what it points at
        const char* target;                                      // the file that gets the contents
    } cases[] = {
        {"a link beside its target", {{"live.prs", "real.prs"}}, "real.prs"},
        {"a link into another folder", {{"live.prs", "store/real.prs"}}, "store/real.prs"},
        {"a link in another folder, relative to it", {{"links/live.prs", "../store/real.prs"}}, "store/real.prs"},
        {"a chain of two links", {{"live.prs", "middle.prs"}, {"middle.prs", "store/real.prs"}}, "store/real.prs"},
        {"a link whose target is not there yet", {{"live.prs", "store/new.prs"}}, "store/new.prs"},
    };
    for (const auto& c : cases) {
        TempDir dir;
        fs::create_directories(dir / "store");
        fs::create_directories(dir / "links");
        const std::string target = c.target;
        if (target != "store/new.prs") {
            qx::test::writeBytes(dir / target, qx::Bytes{'o', 'l', 'd'});
        }
        for (const auto& [link, to] : c.links) {
            fs::create_symlink(to, dir / link);
        }
        const std::string saved = c.links.front().first;
        ASSERT_TRUE(qx::savePresetFile(dir / saved, Sample().record, Sample().buffers).ok()) << c.name;
        for (const auto& [link, to] : c.links) {
            EXPECT_TRUE(fs::is_symlink(dir / link)) << c.name << ": " << link;
            EXPECT_EQ(fs::read_symlink(dir / link), fs::path(to)) << c.name << ": " << link;
        }
        EXPECT_EQ(qx::test::readBytes(dir / target), qx::encodePresetFile(Sample().record, Sample().buffers))
            << c.name;
        for (const char* folder : {"", "store", "links"}) {
            for (const auto& entry : fs::directory_iterator(dir / folder)) {
                EXPECT_NE(entry.path().filename().string().front(), '.')
                    << c.name << ": no temporary file left in " << folder;
            }
        }
    }
}

TEST(PresetFile, SavingOverALoopOfLinksFails)
{
    TempDir dir;
    std::filesystem::create_symlink("b.prs", dir / "a.prs");
    std::filesystem::create_symlink("a.prs", dir / "b.prs");
    const qx::FileResult result = qx::savePresetFile(dir / "a.prs", Sample().record, Sample().buffers);
    EXPECT_EQ(result.status, qx::FileStatus::CannotWrite);
    EXPECT_EQ(result.textId, "SID_INFO_ERROR_FILE");
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "a.prs"));
    EXPECT_EQ(qx::test::entryCount(dir.path()), 2U);
}

TEST(PresetFile, ReplacingKeepsThePermissionsOfTheOldFile)
{
    TempDir dir;
    qx::test::writeBytes(dir / "live.prs", qx::Bytes{1});
    std::filesystem::permissions(dir / "live.prs", std::filesystem::perms::owner_read |
                                                       std::filesystem::perms::owner_write |
                                                       std::filesystem::perms::group_read);
    ASSERT_TRUE(
        qx::savePresetFile(dir / "live.prs", qx::kFactoryDefaultRecord, qx::unitImpulseBuffers()).ok());
    EXPECT_EQ(std::filesystem::status(dir / "live.prs").permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                  std::filesystem::perms::group_read);
    EXPECT_EQ(qx::test::readBytes(dir / "live.prs").size(), qx::kPresetFileSize);
}

TEST(PresetFile, NewFileGetsTheUsualModeUnderTheUmask)
{
    qx::test::TempDir dir;
    const mode_t previous = ::umask(027);
    const bool saved =
        qx::savePresetFile(dir / "new.prs", qx::kFactoryDefaultRecord, qx::unitImpulseBuffers()).ok();
    ::umask(previous);
    ASSERT_TRUE(saved);
    using std::filesystem::perms;
    EXPECT_EQ(std::filesystem::status(dir / "new.prs").permissions(),
              perms::owner_read | perms::owner_write | perms::group_read);
}

} // namespace
