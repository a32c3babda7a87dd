// Preset and unit files written by a separate implementation: the readers
// find every value their lists give, the writers give the same bytes back,
// and damaged preset files are refused with nothing changed.

#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <filesystem>
#include <string>
#include <vector>

#include "SimHarness.h"
#include "TempDir.h"
#include "model/FactoryDefault.h"
#include "model/PresetFile.h"
#include "model/UnitFile.h"

namespace {

using qx::FileDialog;

const std::filesystem::path kSamples = std::filesystem::path(QX_TEST_DATA_DIR) / "samples";

QJsonObject readJson(const std::string& name)
{
    QFile file(QString::fromStdString((kSamples / name).string()));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return QJsonDocument::fromJson(file.readAll()).object();
}

// One listed field: where it lies in the record and the bytes it must hold
// there, from its struct format ("14s", "<H", "<h", "B").
struct RecordField
{
    std::string name;
    std::size_t offset;
    std::vector<std::uint8_t> bytes;
};

std::vector<std::uint8_t> bytesOf(const QString& format, const QJsonValue& value)
{
    if (format.endsWith('s')) {
        const QByteArray text = value.toString().toLatin1();
        return {text.begin(), text.end()};
    }
    const auto word = static_cast<std::uint16_t>(value.toInt());
    if (format == "B")
        return {static_cast<std::uint8_t>(word)};
    return {static_cast<std::uint8_t>(word & 0xFF), static_cast<std::uint8_t>(word >> 8)};
}

std::vector<RecordField> recordFields(const QJsonObject& list)
{
    std::vector<RecordField> fields;
    for (const QJsonValue& entry : list["record_fields"].toArray()) {
        const QJsonObject f = entry.toObject();
        fields.push_back({f["field"].toString().toStdString(), static_cast<std::size_t>(f["offset"].toInt()),
                          bytesOf(f["format"].toString(), f["value"])});
    }
    return fields;
}

// A preset file carries record bytes 2-1245 only.
bool inPresetFile(const RecordField& f)
{
    return f.offset >= qx::rec::kPresetParamsStart &&
           f.offset + f.bytes.size() <= qx::rec::kPresetParamsStart + qx::rec::kPresetParamsSize;
}

std::vector<std::uint8_t> at(std::span<const std::uint8_t> bytes, std::size_t offset, std::size_t size)
{
    const auto part = bytes.subspan(offset, size);
    return {part.begin(), part.end()};
}

class SampleFilesTest : public qxtest::SimHarness
{
protected:
    // Opens a copy of a sample through File > Open; returns the copy's path.
    std::filesystem::path openCopy(const std::string& name)
    {
        const auto copy = dir / name;
        std::filesystem::copy_file(kSamples / name, copy);
        host.files[FileDialog::OpenPreset] = copy;
        host.information.clear();
        dispatcher.presetFile().OpenClick();
        return copy;
    }

    void expectBusyCoefficients(const qx::FirBuffers& buffers, const QJsonObject& list, const std::string& where)
    {
        const QJsonArray first = list["InB_first_coefficients"].toArray();
        for (qsizetype k = 0; k < first.size(); ++k)
            EXPECT_EQ(buffers[1][static_cast<std::size_t>(k)], static_cast<float>(first[k].toDouble()))
                << where << " InB coefficient " << k;
        EXPECT_EQ(buffers[1][99], static_cast<float>(list["InB_last_coefficient"].toDouble())) << where;
        EXPECT_EQ(buffers[1][100], 0.0F) << where << ": the rest of InB reads as zeros";
        for (int c : {0, 2, 3, 4, 11}) {
            EXPECT_EQ(buffers[static_cast<std::size_t>(c)][0], 1.0F) << where << " channel " << c << " is an impulse";
            EXPECT_EQ(buffers[static_cast<std::size_t>(c)][1], 0.0F) << where << " channel " << c;
        }
    }

    static std::vector<int> countsOf(const QJsonObject& list)
    {
        std::vector<int> counts;
        for (const QJsonValue& v : list["fir_counts_by_channel"].toArray())
            counts.push_back(v.toInt());
        return counts;
    }

    qx::test::TempDir dir;
};

TEST_F(SampleFilesTest, ThePresetFileReaderFindsEveryListedValue)
{
    const QJsonObject list = readJson("busy.prs.json");
    const qx::UnitRecord before = unit.record();
    openCopy("busy.prs");
    ASSERT_TRUE(host.information.empty()) << "the file is taken";

    const auto& record = unit.record();
    const auto fields = recordFields(list);
    ASSERT_GE(fields.size(), 40U);
    for (const RecordField& f : fields) {
        // A field beyond the preset's part of the record is not in the file:
        // it keeps what the record held.
        const auto expected = inPresetFile(f) ? f.bytes : at(before, f.offset, f.bytes.size());
        EXPECT_EQ(at(record, f.offset, f.bytes.size()), expected) << f.name << " at " << f.offset;
    }
    const qx::FirCounts counts = qx::firCountsOf(record);
    EXPECT_EQ(std::vector<int>(counts.begin(), counts.end()), countsOf(list));
    expectBusyCoefficients(fir, list, "busy.prs");
}

TEST_F(SampleFilesTest, SavingAnOpenedPresetFileGivesItsBytesBack)
{
    openCopy("busy.prs");
    ASSERT_TRUE(host.information.empty());
    host.files[FileDialog::SavePreset] = dir / "saved.prs";
    dispatcher.presetFile().SavePresetFile();
    EXPECT_TRUE(qx::test::readBytes(dir / "saved.prs") == qx::test::readBytes(kSamples / "busy.prs"));
}

TEST_F(SampleFilesTest, DamagedPresetFilesAreRefusedWithNothingChanged)
{
    unit.SetGain(3, 17);
    fir[2][5] = 0.5F;
    const qx::UnitRecord record = unit.record();
    const qx::FirBuffers buffers = fir;
    for (const char* name : {"truncated.prs", "wrong-marker.prs", "one-byte-long.prs"}) {
        const auto copy = openCopy(name);
        EXPECT_EQ(host.information, std::vector<std::string>{"SID_INFO_ERROR_FILE"}) << name;
        EXPECT_EQ(unit.record(), record) << name;
        EXPECT_EQ(fir, buffers) << name;
        EXPECT_EQ(host.loadUnitToFormCount, 0) << name;
        EXPECT_TRUE(qx::test::readBytes(copy) == qx::test::readBytes(kSamples / name)) << name << " on disk";
    }
}

TEST_F(SampleFilesTest, TheUnitFileReaderFindsEveryListedValue)
{
    const QJsonObject presetList = readJson("busy.prs.json");
    const QJsonObject list = readJson("two-presets.unt.json");
    qx::UnitFileContents contents;
    ASSERT_TRUE(qx::openUnitFile(kSamples / "two-presets.unt", contents).ok());

    const QByteArray header = QByteArray::fromHex(list["header_hex"].toString().toLatin1());
    EXPECT_EQ(std::vector<std::uint8_t>(contents.header.begin(), contents.header.end()),
              std::vector<std::uint8_t>(header.begin(), header.end()));

    std::vector<int> used;
    for (const QJsonValue& v : list["used_presets"].toArray())
        used.push_back(v.toInt());
    const QJsonObject names = list["names"].toObject();
    for (int p = 1; p <= qx::kStoredPresetCount; ++p) {
        const auto block = contents.block(p - 1);
        const bool isUsed = std::find(used.begin(), used.end(), p) != used.end();
        const std::string where = "U" + std::to_string(p);
        if (!isUsed) {
            EXPECT_TRUE(std::all_of(block.begin(), block.begin() + qx::kStoredPresetImageSize,
                                    [](auto b) { return b == qx::kEmptyPresetByte; }))
                << where;
            continue;
        }
        // The stored image: the preset number, then record bytes 0-1244.
        const auto image = block.first(qx::kStoredPresetImageSize);
        EXPECT_EQ(image[0], p) << where;
        EXPECT_EQ(image[1], 0xFF) << where << ": the used preset's status byte";
        const std::string name = names[QString::number(p)].toString().toStdString();
        EXPECT_EQ(std::string(image.begin() + 3, image.begin() + 3 + qx::rec::kPresetNameSize),
                  name + std::string(qx::rec::kPresetNameSize - name.size(), ' '))
            << where;
        for (const RecordField& f : recordFields(presetList)) {
            if (inPresetFile(f) && f.offset != qx::rec::kPresetName) {
                EXPECT_EQ(at(image, 1 + f.offset, f.bytes.size()), f.bytes) << where << " " << f.name;
            }
        }
        qx::FirBuffers buffers{};
        qx::readFirImage(block.subspan(qx::kStoredPresetImageSize).first<qx::kFirImageSize>(), buffers);
        expectBusyCoefficients(buffers, presetList, where);
    }
}

// Downloaded into a blank simulated processor and uploaded again, the unit
// file comes back byte for byte: the reader, the download, the processor's
// stored presets, the upload and the writer lose nothing.
TEST_F(SampleFilesTest, ADownloadedUnitFileUploadsAsTheSameBytes)
{
    connectAndRun();
    host.files[FileDialog::OpenUnit] = kSamples / "two-presets.unt";
    dispatcher.download().DownloadUnitFile();
    run();
    fireTimers();
    ASSERT_FALSE(linkOpen) << "the processor restarted after the download";
    EXPECT_TRUE(core.IsPresetUsed(3));
    EXPECT_TRUE(core.IsPresetUsed(5));
    EXPECT_FALSE(core.IsPresetUsed(4));

    connectAndRun();
    host.files[FileDialog::SaveUnit] = dir / "again.unt";
    dispatcher.upload().UploadUnit();
    fireTimers();
    EXPECT_TRUE(qx::test::readBytes(dir / "again.unt") == qx::test::readBytes(kSamples / "two-presets.unt"));
    EXPECT_TRUE(responder.ProtocolErrors().empty());
}

} // namespace
