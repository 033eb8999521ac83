#include "device/devicemodel.h"

#include <gtest/gtest.h>

#include <cstring>

#include "device/status.h"
#include "linktest.h"

namespace {

TEST(DeviceModelTest, ModelCodeTable) {
    const struct {
        const char* text;
        int current, model;
    } cases[] = {
        {"X4A", 1, 4}, {"X7A", 1, 7}, {"X0A", 1, 3}, {"XBA", 1, 3},  // family A
        {"X51", 4, 5}, {"X61", 4, 6}, {"931", 4, 6}, {"031", 4, 1},  // family B; P decides variant B3
        {"X01", 4, 6}, {"X81", 4, 6},                                // family B, other variants
        {"X8C", 4, 8}, {"X2C", 4, 2}, {"XNC", 4, 9},                 // family C
        {"X0C", 4, 4}, {"X0C", 7, 7},                                // family C, other: unchanged
        {"X4B", 4, 2}, {"", 4, 2},    {"X4", 4, 2},                  // no family mark: 2
    };
    for (const auto& c : cases) {
        EXPECT_EQ(device::ModelFromVersion(c.text, 14, c.current), c.model) << c.text;
    }
    for (int model = 1; model <= 9; ++model) {
        EXPECT_EQ(device::ModelFromVersion(device::ModelCodeFor(model).c_str(), 3, 0), model);
    }
}

TEST(DeviceModelTest, FirmwareDateTakesLeadingDigits) {
    const struct {
        const char* text;
        int date;
    } cases[] = {
        {"08C_V1221130AB", 221130},
        {"08C_V121111X00", 21111},
        {"08C_V1X21130", 0},
        {"08C_V1190", 190},
        {"08C", 0},
        {"08C_V12211309999", 221130},
    };
    for (const auto& c : cases) EXPECT_EQ(device::FirmwareDateFromVersion(c.text, 14), c.date) << c.text;
    // Stops at the field's size even without a zero byte.
    const char unterminated[8] = {'0', '8', 'C', '_', 'V', '1', '2', '2'};
    EXPECT_EQ(device::FirmwareDateFromVersion(unterminated, 8), 22);
}

TEST_F(LinkTest, DecodeDeviceModelReadsTheVersion) {
    {
        std::lock_guard lock(g_VersionMutex);
        std::strcpy(g_DeviceVersion, "0NC_V1230101");
    }
    device::DecodeDeviceModel();
    EXPECT_EQ(g_DeviceModel, 9);
    EXPECT_EQ(g_FirmwareDate, 230101);
}

}  // namespace
