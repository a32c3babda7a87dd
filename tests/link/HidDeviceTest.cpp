#include "HidFixture.h"

namespace qx::test {
namespace {

TEST(HidErrorString, TextsOfHidStatuses)
{
    const struct
    {
        NTSTATUS status;
        const char* text;
    } cases[] = {
        {HIDP_STATUS_SUCCESS, ""},
        {0x00000001, ""},
        {0xC0120001, ""},
        {HIDP_STATUS_NULL, "HID Error: device not plugged in"},
        {HIDP_STATUS_INCOMPATIBLE_REPORT_ID, "HID Error: incompatible report ID"},
        {HIDP_STATUS_NOT_IMPLEMENTED, "HID Error: not implemented"},
        {0xC0110ABC, "HID Error: unknown HID error c0110abc"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HidErrorString(c.status), c.text) << std::hex << c.status;
    EXPECT_EQ(HidCheck(HIDP_STATUS_SUCCESS), HIDP_STATUS_SUCCESS);
    EXPECT_EQ(HidError(0x00110005), 0x00110005u) << "a success status raises nothing";
    EXPECT_THROW(HidCheck(HIDP_STATUS_USAGE_NOT_FOUND), EHidClientError);
}

class HidDevice : public HidFixture
{
protected:
    TJvHidDevice* plugAndTake(hid::FakeDeviceProfile profile)
    {
        sides.push_back(bus.plug(std::move(profile)));
        controller->DeviceChange();
        TJvHidDevice* device = nullptr;
        EXPECT_TRUE(controller->CheckOutByIndex(device, static_cast<int>(controller->Devices().size()) - 1));
        return device;
    }
    std::vector<std::shared_ptr<hid::FakeHidDevice>> sides;
};

TEST_F(HidDevice, SerialNumberIsNotTakenWhenItRepeatsTheLanguageList)
{
    const struct
    {
        const char* rule;
        std::optional<std::wstring> languages;
        std::wstring expected;
    } cases[] = {
        {"a serial of its own", std::wstring(L"\x0409"), L"SN-42"},
        {"a serial that is the language list", std::wstring(L"SN-42"), L""},
        {"an empty language list", std::wstring(), L""},
        {"no way to read the list", std::nullopt, L"SN-42"},
    };
    int n = 0;
    for (const auto& c : cases) {
        hid::FakeDeviceProfile profile = keyboardProfile("/fake/" + std::to_string(n++));
        profile.serialNumber = L"SN-42";
        if (c.languages)
            profile.indexedStrings[0] = *c.languages;
        TJvHidDevice* device = plugAndTake(profile);
        ASSERT_NE(device, nullptr);
        EXPECT_EQ(device->SerialNumber(), c.expected) << c.rule;
        controller->CheckIn(device);
    }
}

TEST_F(HidDevice, InaccessibleDevicesOpenNothingAndAnswerNotPluggedIn)
{
    auto side = bus.plug(keyboardProfile("/fake/k"));
    controller->DeviceChange();
    TJvHidDevice* device = controller->Devices().at(0);
    std::uint32_t value = 0;
    std::vector<std::uint8_t> report(9, 0);
    EXPECT_EQ(device->GetUsageValue(value, report.data(), 9), HIDP_STATUS_NULL);
    HIDP_BUTTON_CAPS caps[4];
    std::uint16_t count = 4;
    EXPECT_EQ(device->GetButtonCaps(caps, count), HIDP_STATUS_NULL);
    EXPECT_EQ(device->GetCaps().InputReportByteLength, 0);
    EXPECT_EQ(device->ProductName(), L"");
    std::uint32_t written = 0;
    EXPECT_FALSE(device->WriteFile(report.data(), 2, written));
    EXPECT_FALSE(device->OpenFile());
    EXPECT_EQ(side->connectionsOpened(), 0u);
}

TEST_F(HidDevice, CheckedOutDeviceAnswersQueriesWithItsParameters)
{
    TJvHidDevice* device = plugAndTake(keyboardProfile("/fake/k"));
    ASSERT_NE(device, nullptr);
    EXPECT_EQ(device->VendorName(), L"Keys Inc.");
    EXPECT_EQ(device->GetCaps().InputReportByteLength, 9);
    EXPECT_EQ(device->GetLinkCollectionNode(0).LinkUsage, 0x06);
    EXPECT_EQ(device->GetLinkCollectionNode(5).LinkUsage, 0) << "past the last node: an empty node";

    device->SetReportTypeParam(HidP_Input);
    device->SetUsagePageParam(0x07);
    EXPECT_EQ(device->MaxDataListLength(), 110u);
    EXPECT_EQ(device->MaxUsageListLength(), 14u) << "eight modifiers and six key slots";
    HIDP_BUTTON_CAPS caps[4];
    std::uint16_t count = 4;
    ASSERT_EQ(device->GetSpecificButtonCaps(caps, count), HIDP_STATUS_SUCCESS);
    EXPECT_EQ(count, 2);

    const std::uint8_t report[9] = {0, 0x20, 0, 0x29, 0, 0, 0, 0, 0};
    USAGE usages[8];
    std::uint32_t length = 8;
    ASSERT_EQ(device->GetUsages(usages, length, report, 9), HIDP_STATUS_SUCCESS);
    ASSERT_EQ(length, 2u);
    EXPECT_EQ(usages[0], 0xE5) << "right shift";
    EXPECT_EQ(usages[1], 0x29) << "escape";

    std::uint8_t fresh[2] = {0xFF, 0xFF};
    EXPECT_EQ(device->InitializeReportForID(HidP_Output, 0, fresh, 2), HIDP_STATUS_SUCCESS);
    EXPECT_EQ(fresh[0], 0);
    std::uint32_t attributes = 0;
    EXPECT_EQ(device->GetExtendedAttributes(HidP_Input, 0, nullptr, attributes), HIDP_STATUS_NOT_IMPLEMENTED);
    controller->CheckIn(device);
}

TEST_F(HidDevice, FeatureReportsAndServicesTheSystemLacks)
{
    hid::FakeDeviceProfile profile = keyboardProfile("/fake/k");
    profile.indexedStrings[0] = L"\x0409\x0407";
    profile.indexedStrings[3] = L"Stra\u00dfe \u20ac";
    TJvHidDevice* device = plugAndTake(profile);
    ASSERT_NE(device, nullptr);

    const std::uint8_t set[4] = {5, 1, 2, 3};
    EXPECT_TRUE(device->SetFeature(set, 4));
    std::uint8_t get[4] = {5, 0, 0, 0};
    EXPECT_TRUE(device->GetFeature(get, 4));
    EXPECT_EQ(get[3], 3);
    EXPECT_FALSE(device->GetFeature(get, 0));

    EXPECT_EQ(device->GetDeviceStringUnicode(0), L"");
    EXPECT_EQ(device->GetDeviceStringUnicode(3), L"Stra\u00dfe \u20ac");
    EXPECT_EQ(device->GetDeviceStringAnsi(3), "Stra\xdf" "e ?");
    EXPECT_EQ(device->LanguageStrings(),
              (std::vector<std::string>{"unknown Locale ID $0409", "unknown Locale ID $0407"}));
    EXPECT_TRUE(device->PhysicalDescriptor().empty());
    std::uint32_t returned = 1;
    EXPECT_FALSE(device->DeviceIoControl(0x1234, nullptr, 0, nullptr, 0, returned));
    EXPECT_EQ(returned, 0u);
    EXPECT_FALSE(device->CancelIO(omhWrite)) << "the write handle is not open";
    EXPECT_EQ(device->HidOverlappedWriteResult(), 0u);
    controller->CheckIn(device);
}

TEST_F(HidDevice, DeviceWithoutAccessOpensForQueriesOnlyAndRunsNoThread)
{
    hid::FakeDeviceProfile profile = processorProfile("/fake/p");
    profile.readWriteAccess = false;
    controller->SetOnDeviceData(TJvHidDataEvent::bind<&HidRecorder::Data>(&recorder));
    TJvHidDevice* device = plugAndTake(profile);
    ASSERT_NE(device, nullptr);
    EXPECT_FALSE(device->HasReadWriteAccess());
    EXPECT_EQ(device->GetCaps().OutputReportByteLength, 65) << "queries still answer";
    std::uint8_t report[65] = {};
    std::uint32_t written = 0;
    EXPECT_FALSE(device->WriteFile(report, 65, written));
    EXPECT_FALSE(device->LastOpenError().message.empty()) << "the open says why it failed";
    EXPECT_EQ(sides[0]->connectionsOpened(), 0u);
    controller->CheckIn(device);
}

} // namespace
} // namespace qx::test
