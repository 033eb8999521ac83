#pragma once
// The device's command set: codes the console sends (CMD_) and codes of the messages it understands (RSP_).
// Payload byte 0 is the code; the parameters follow.
#include <cstdint>

// Commands from the console.
constexpr std::uint8_t CMD_QUERY_STATUS = 0x01;  // sub-code 0x13
constexpr std::uint8_t CMD_STORE_MODE = 0x0D;    // slot
constexpr std::uint8_t CMD_READ_MODE = 0x0F;     // block count 0x63, slot or 0xFF
constexpr std::uint8_t CMD_SET_INPUT_SOURCE = 0x10;
constexpr std::uint8_t CMD_WRITE_DEVICE_IMAGE = 0x11;  // address hi, lo, n, n bytes
constexpr std::uint8_t CMD_SET_MODE_NAME = 0x12;       // slot, 20-byte name
constexpr std::uint8_t CMD_REQUEST_ROUTING_IMAGE = 0x13;
constexpr std::uint8_t CMD_ENTER_UPGRADE = 0x14;
constexpr std::uint8_t CMD_WRITE_ROUTING_IMAGE = 0x16;  // address hi, lo, n, n bytes
constexpr std::uint8_t CMD_FACTORY_RESET = 0x17;
constexpr std::uint8_t CMD_SET_CHANNEL_NAME = 0x19;  // channel, 20-byte name
constexpr std::uint8_t CMD_REQUEST_NAMES = 0x1A;
constexpr std::uint8_t CMD_SET_HL_NOSIGNAL_MUTE = 0x1B;  // 1 on, 0 off
constexpr std::uint8_t CMD_UPGRADE_START = 0xFC;
constexpr std::uint8_t CMD_UPGRADE_BLOCK = 0xFD;     // block hi, lo, data
constexpr std::uint8_t CMD_UPGRADE_CHECKSUM = 0xFE;  // the file's last byte
constexpr std::uint8_t CMD_UPGRADE_END = 0xFF;

// Messages from the device.
constexpr std::uint8_t RSP_STATUS = 0x01;
constexpr std::uint8_t RSP_MEDIA_VERSION = 0x02;
constexpr std::uint8_t RSP_DEVICE_IMAGE_BLOCK = 0x04;
constexpr std::uint8_t RSP_SAVE_DONE = 0x0A;
constexpr std::uint8_t RSP_MODE_NAME = 0x0D;
constexpr std::uint8_t RSP_ROUTING_IMAGE_BLOCK = 0x0E;
constexpr std::uint8_t RSP_CHANNEL_NAME = 0x0F;
constexpr std::uint8_t RSP_UPGRADE_READY = 0xFE;
constexpr std::uint8_t RSP_UPGRADE_BLOCK_REQUEST = 0xFF;

constexpr std::uint8_t kStatusSubCode = 0x13;
constexpr std::uint8_t kDeviceImageBlocks = 0x63;  // 99 blocks of 32 bytes
constexpr std::uint8_t kSettingsInUse = 0xFF;      // CMD_READ_MODE: the settings in use, not a slot
// While an upgrade runs, every command coded this or lower is dropped.
constexpr std::uint8_t kLastOrdinaryCommand = 0x1C;
