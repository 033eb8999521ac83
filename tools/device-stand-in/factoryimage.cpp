#include <algorithm>

#include "device-stand-in/standin.h"
#include "device/deviceimage.h"
#include "device/imagebytes.h"

namespace standin {

namespace {

// Where the band tables and filter fields sit in a channel record: CH1..CH6 use the first form, CH7.. the
// second (which starts with the channel's level bytes).
struct RecordFields {
    int freq, gain, q, hpType, hpFreq, hpSlope, lpType, lpFreq, lpSlope;
};
constexpr RecordFields kFirstForm = {0, 62, 124, 186, 187, 189, 190, 191, 193};
constexpr RecordFields kSecondForm = {4, 66, 128, 190, 192, 191, 194, 196, 195};

constexpr int kFlatGain = 150;
constexpr int kDefaultQHundredths = 432;
constexpr int kSlopeOff = 8;

}  // namespace

std::vector<std::uint8_t> FactoryMainImage() {
    std::vector<std::uint8_t> image(kMainImageSize, 0);
    for (int c = 0; c < kChannelCount; ++c) {
        std::uint8_t* rec = image.data() + device::DeviceRecordOffset(c);
        const RecordFields& f = c < 6 ? kFirstForm : kSecondForm;
        for (int b = 0; b < 31; ++b) {
            device::Put16(rec + f.freq + 2 * b, g_DefaultEqFreq[b]);
            device::Put16(rec + f.gain + 2 * b, kFlatGain);
            device::Put16(rec + f.q + 2 * b, kDefaultQHundredths);
        }
        device::Put16(rec + f.hpFreq, 20);
        rec[f.hpSlope] = kSlopeOff;
        device::Put16(rec + f.lpFreq, 20000);
        rec[f.lpSlope] = kSlopeOff;
    }
    return image;
}

std::vector<std::uint8_t> FactoryRoutingImage() {
    return std::vector<std::uint8_t>(kRoutingImageSize, 0);
}

void DeviceStandIn::InjectOutOfRangeValues() {
    std::lock_guard lock(mutex_);
    std::uint8_t* img = current_.main.data();
    img[0] = 0xF0;  // CH1 gain far above 600
    img[12] = 0x7F;
    img[18] = 200;  // master above 60
    std::uint8_t* rec = img + device::DeviceRecordOffset(0);
    device::Put16(rec + kFirstForm.freq, 0);               // band 1 below 20 Hz
    device::Put16(rec + kFirstForm.gain, 0xFFFF);          // band 1 gain above 300
    device::Put16(rec + kFirstForm.q, 0xFFFF);             // Q above 10
    rec[kFirstForm.hpType] = 9;                            // no such filter type
    rec[kFirstForm.lpSlope] = 200;                         // no such slope
    current_.routing[48] = 0x7F;                           // mix volume 127
    current_.routing[0] = 0xFF;                            // routing mask bits past input 19
    device::Put16(current_.routing.data() + 306, 0xFFFF);  // link group bits past CH12
}

}  // namespace standin
