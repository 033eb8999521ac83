#pragma once
// The main device image: a 19-byte header (gains, delays, phases of CH1..CH6, master volume), six 194-byte
// records for CH1..CH6 and ten 198-byte records for CH7..CH16, of which CH7..CH12 are used. 16-bit values are
// big-endian. Packing writes the model into the image; unpacking reads it back with silent repairs.
#include <array>
#include <cstdint>
#include <span>

#include "device/eqmodel.h"
#include "device/images.h"

constexpr int kDeviceHeaderSize = 19;
constexpr int kFormARecordSize = 194;  // CH1..CH6: ... type, frequency, slope
constexpr int kFormBRecordSize = 198;  // CH7..: gain/delay/phase bytes first; ... type, slope, frequency
constexpr int kFormBStart = kDeviceHeaderSize + 6 * kFormARecordSize;  // 1183
constexpr int kDeviceImageBlockSize = 32;

namespace device {

using Delays = std::array<int, kChannels>;  // samples at 48 kHz, as the delay edits hold them
using DeviceImageBytes = std::span<std::uint8_t, EQ_USER_PARA_NUM>;

// Offset of channel c's record (19 + 194c for CH1..CH6, 1183 + 198(c-6) for CH7..).
constexpr int DeviceRecordOffset(int channel) {
    return channel < 6 ? kDeviceHeaderSize + kFormARecordSize * channel
                       : kFormBStart + kFormBRecordSize * (channel - 6);
}

// Writes every field of CH1..CH12 from the model and the given delays, each as the low bits of its value; Q
// as the nearest hundredth. Byte 3 of each form-B record and the records of CH13..CH16 are left as they are.
void PackDeviceImage(const Delays& delays, DeviceImageBytes image);
// The same into g_DeviceImage, under g_ImageMutex.
void PackDeviceImage(const Delays& delays);

// What a load hands back beside the model: the delays for the delay edits (0..4095, taken as they are).
struct DeviceImageLoad {
    Delays delays{};
};

// Reads the image into the model. Repairs: a channel gain above 600 becomes 0 (in the image too), a master
// above 60 becomes 60 (in the image too); in the model only: frequencies into 20..20000, EQ gains above 300
// to 300, Q into 0.10..10.00 (with its table index), types above 1 to 1, slopes above 8 to 8. Mute bits
// follow gain 600 and master 60.
DeviceImageLoad UnpackDeviceImage(DeviceImageBytes image);
// The same from g_DeviceImage, under g_ImageMutex.
DeviceImageLoad UnpackDeviceImage();

// Bytes of the image the device holds: 1579 for model 1 with firmware before 190821, else 3163. The pack and
// the unpack always use the full layout; the read and the difference sync stop at this length.
int GetDeviceImageSize();
// 32-byte blocks of a read of that image (50 or 99), and the bytes of its last block (11 or 27).
int DeviceImageBlockCount();
int DeviceImageLastBlockLength();

}  // namespace device
