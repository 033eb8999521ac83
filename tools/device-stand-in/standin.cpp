#include "device-stand-in/standin.h"

#include <algorithm>
#include <cstring>

#include "device/commands.h"
#include "device/devicemodel.h"
#include "device/frames.h"

namespace standin {

namespace {

constexpr int kMainBlock = 32;
constexpr int kRoutingBlock = 56;

std::string Field(const char* bytes, int size) {
    return std::string(bytes, std::find(bytes, bytes + size, '\0'));
}

void CopyName(char (&dst)[kNameSize], const std::string& name) {
    std::memset(dst, 0, kNameSize);
    std::memcpy(dst, name.data(), std::min<std::size_t>(name.size(), kNameSize));
}

}  // namespace

DeviceStandIn::DeviceStandIn(Options options) : options_(std::move(options)) {
    current_ = {FactoryMainImage(), FactoryRoutingImage()};
    for (auto& slot : slots_) slot = current_;
    CopyName(modeNames_[0], "Default");
    for (int s = 1; s < 7; ++s) CopyName(modeNames_[s], std::to_string(s));
}

std::string DeviceStandIn::VersionText() const {
    char date[8];
    std::snprintf(date, sizeof date, "%06d", options_.firmwareDate % 1000000);
    std::string text = (options_.modelCode + "000").substr(0, 3) + "_V1" + date + "00";
    return text.substr(0, 14);
}

int DeviceStandIn::MainImageSize() const {
    const int model = device::ModelFromVersion(options_.modelCode.c_str(), int(options_.modelCode.size()), 4);
    return model == 1 && options_.firmwareDate < 190821 ? kShortMainImageSize : kMainImageSize;
}

void DeviceStandIn::Reply(Outcome& out, std::vector<std::uint8_t> payload) {
    Message m{std::move(payload)};
    if (faults_.badSumReplies > 0) {
        --faults_.badSumReplies;
        m.badSum = true;
    }
    out.messages.push_back(std::move(m));
}

void DeviceStandIn::SendStatus(Outcome& out) {
    std::vector<std::uint8_t> p = {RSP_STATUS, kStatusSubCode, std::uint8_t(saveSlot_)};
    const std::string version = VersionText();
    p.insert(p.end(), version.begin(), version.end());
    p.push_back(std::uint8_t(inputSource_));
    p.push_back(std::uint8_t(currentSlot_));
    p.push_back(flags_);
    Reply(out, std::move(p));
    std::vector<std::uint8_t> media = {RSP_MEDIA_VERSION, kStatusSubCode, 0};
    std::string text = options_.mediaVersion;
    text.resize(11, '\0');
    media.insert(media.end(), text.begin(), text.end());
    Reply(out, std::move(media));
}

void DeviceStandIn::SendMainImage(Outcome& out) {
    const int size = MainImageSize();
    const int blocks = (size + kMainBlock - 1) / kMainBlock;
    std::vector<int> order;
    for (int b = 0; b < blocks; ++b) {
        if (b == faults_.missingBlock && faults_.missingBlockReads != 0) continue;
        order.push_back(b);
        if (b == faults_.repeatedBlock) order.push_back(b);
    }
    if (faults_.missingBlockReads > 0) --faults_.missingBlockReads;
    const auto at = std::find(order.begin(), order.end(), faults_.reorderedBlock);
    if (at != order.end() && at + 1 != order.end()) std::iter_swap(at, at + 1);
    for (int b : order) {
        const int count = std::min(kMainBlock, size - b * kMainBlock);
        std::vector<std::uint8_t> p = {RSP_DEVICE_IMAGE_BLOCK, std::uint8_t(b)};
        p.insert(p.end(), current_.main.begin() + b * kMainBlock,
                 current_.main.begin() + b * kMainBlock + count);
        Reply(out, std::move(p));
    }
}

void DeviceStandIn::SendRoutingImage(Outcome& out) {
    for (int b = 0; b * kRoutingBlock < kRoutingImageSize; ++b) {
        const int count = std::min(kRoutingBlock, kRoutingImageSize - b * kRoutingBlock);
        std::vector<std::uint8_t> p = {RSP_ROUTING_IMAGE_BLOCK, std::uint8_t(b)};
        p.insert(p.end(), current_.routing.begin() + b * kRoutingBlock,
                 current_.routing.begin() + b * kRoutingBlock + count);
        Reply(out, std::move(p));
    }
}

void DeviceStandIn::SendNames(Outcome& out) {
    for (int s = 0; s < kSlots; ++s) {
        std::vector<std::uint8_t> p = {RSP_MODE_NAME, std::uint8_t(s)};
        p.insert(p.end(), modeNames_[s], modeNames_[s] + kNameSize);
        Reply(out, std::move(p));
    }
    for (int c = 0; c < kChannelCount; ++c) {
        std::vector<std::uint8_t> p = {RSP_CHANNEL_NAME, std::uint8_t(c)};
        p.insert(p.end(), channelNames_[c], channelNames_[c] + kNameSize);
        Reply(out, std::move(p));
    }
}

bool DeviceStandIn::ReadAnswered() {
    if (faults_.silentReads <= 0) return true;
    --faults_.silentReads;
    return false;
}

Outcome DeviceStandIn::Handle(Via via, const std::uint8_t* p, int len) {
    std::lock_guard lock(mutex_);
    Outcome out;
    if (len < 1) return out;
    log_.Add(via, p, len);
    if (faults_.disconnectAfter >= 0 && via == Via::Tcp) {
        if (faults_.disconnectAfter == 0) {
            faults_.disconnectAfter = -1;
            out.disconnect = true;
            return out;
        }
        --faults_.disconnectAfter;
    }
    if (faults_.silent) return out;
    const auto at = [&](int i) { return i < len ? p[i] : std::uint8_t(0); };
    switch (p[0]) {
        case CMD_QUERY_STATUS:
            if (at(1) == kStatusSubCode) SendStatus(out);
            break;
        case CMD_READ_MODE: {
            const int slot = at(2);
            if (slot != kSettingsInUse && slot >= kSlots) break;
            if (!ReadAnswered()) break;
            if (slot < kSlots) {
                current_ = slots_[slot];
                currentSlot_ = slot;
            }
            SendMainImage(out);
            break;
        }
        case CMD_REQUEST_ROUTING_IMAGE:
            if (ReadAnswered()) SendRoutingImage(out);
            break;
        case CMD_REQUEST_NAMES:
            if (faults_.namesAnswerAfterRename) {
                Outcome held;
                SendNames(held);
                heldNames_ = std::move(held.messages);
            } else {
                SendNames(out);
            }
            break;
        case CMD_WRITE_DEVICE_IMAGE:
        case CMD_WRITE_ROUTING_IMAGE: {
            auto& image = p[0] == CMD_WRITE_DEVICE_IMAGE ? current_.main : current_.routing;
            const int addr = at(1) << 8 | at(2);
            const int n = at(3);
            if (len >= 4 + n && addr + n <= int(image.size())) std::memcpy(image.data() + addr, p + 4, n);
            break;
        }
        case CMD_STORE_MODE:
            if (at(1) < kSlots && len >= 2) {
                slots_[at(1)] = current_;
                saveSlot_ = at(1);
                currentSlot_ = at(1);
                Reply(out, {RSP_SAVE_DONE});
            }
            break;
        case CMD_SET_MODE_NAME:
            if (len >= 2 + kNameSize && at(1) < kSlots) std::memcpy(modeNames_[at(1)], p + 2, kNameSize);
            break;
        case CMD_SET_CHANNEL_NAME:
            if (len >= 2 + kNameSize && at(1) < kChannelCount)
                std::memcpy(channelNames_[at(1)], p + 2, kNameSize);
            for (Message& m : heldNames_) out.messages.push_back(std::move(m));
            heldNames_.clear();
            break;
        case CMD_SET_INPUT_SOURCE:
            if (len >= 2 && at(1) != 0) inputSource_ = at(1);
            break;
        case CMD_FACTORY_RESET:
            current_ = {FactoryMainImage(), FactoryRoutingImage()};
            inputSource_ = 1;
            break;
        case CMD_SET_HL_NOSIGNAL_MUTE:
            if (len >= 2) flags_ = std::uint8_t((flags_ & ~1) | (at(1) & 1));
            break;
        default:
            HandleUpgrade(via, p, len, out);
            break;
    }
    return out;
}

void DeviceStandIn::HandleUpgrade(Via via, const std::uint8_t* p, int len, Outcome& out) {
    const auto request = [&](int block) {
        Reply(out, {RSP_UPGRADE_BLOCK_REQUEST, std::uint8_t(block >> 8), std::uint8_t(block)});
    };
    switch (p[0]) {
        case CMD_ENTER_UPGRADE:
            if (via == Via::Tcp)
                Reply(out, {RSP_UPGRADE_READY});
            else
                out.restart = Outcome::Restart::AsUpgradeDevice;
            break;
        case CMD_UPGRADE_START:
            firmware_.clear();
            firmwareVerified_ = false;
            upgradeBlockSize_ = via == Via::Usb ? 56 : 512;
            if (faults_.upgradeRequestPastEnd) request(0x7FFF);
            request(0);
            break;
        case CMD_UPGRADE_BLOCK: {
            if (upgradeBlockSize_ == 0 || len < 3 + upgradeBlockSize_) break;
            const std::size_t k = std::size_t(p[1]) << 8 | p[2];
            if (firmware_.size() < (k + 1) * upgradeBlockSize_)
                firmware_.resize((k + 1) * upgradeBlockSize_, 0xFF);
            std::memcpy(firmware_.data() + k * upgradeBlockSize_, p + 3, upgradeBlockSize_);
            request(int(k + 1));
            break;
        }
        case CMD_UPGRADE_CHECKSUM: {
            // The last block is filled up with 0xFF; the data ends before that filling.
            while (!firmware_.empty() && firmware_.back() == 0xFF) firmware_.pop_back();
            firmwareVerified_ = len >= 2 && device::Checksum8(firmware_.data(), firmware_.size()) == p[1];
            request(0xFFFF);
            break;
        }
        case CMD_UPGRADE_END:
            ++upgradesCompleted_;
            upgradeBlockSize_ = 0;
            if (via == Via::Usb)
                out.restart = Outcome::Restart::AsNormalDevice;
            else
                out.disconnect = true;
            break;
        default:
            break;
    }
}

std::vector<std::uint8_t> DeviceStandIn::MainImage() const {
    std::lock_guard lock(mutex_);
    return current_.main;
}
std::vector<std::uint8_t> DeviceStandIn::RoutingImage() const {
    std::lock_guard lock(mutex_);
    return current_.routing;
}
std::vector<std::uint8_t> DeviceStandIn::SlotMainImage(int slot) const {
    std::lock_guard lock(mutex_);
    return slots_[std::clamp(slot, 0, kSlots - 1)].main;
}
std::vector<std::uint8_t> DeviceStandIn::SlotRoutingImage(int slot) const {
    std::lock_guard lock(mutex_);
    return slots_[std::clamp(slot, 0, kSlots - 1)].routing;
}
std::string DeviceStandIn::ModeName(int slot) const {
    std::lock_guard lock(mutex_);
    return Field(modeNames_[std::clamp(slot, 0, kSlots - 1)], kNameSize);
}
std::string DeviceStandIn::ChannelName(int channel) const {
    std::lock_guard lock(mutex_);
    return Field(channelNames_[std::clamp(channel, 0, kChannelCount - 1)], kNameSize);
}
int DeviceStandIn::InputSource() const {
    std::lock_guard lock(mutex_);
    return inputSource_;
}
int DeviceStandIn::CurrentSlot() const {
    std::lock_guard lock(mutex_);
    return currentSlot_;
}
int DeviceStandIn::SaveSlot() const {
    std::lock_guard lock(mutex_);
    return saveSlot_;
}
std::uint8_t DeviceStandIn::Flags() const {
    std::lock_guard lock(mutex_);
    return flags_;
}
void DeviceStandIn::SetMainImageByte(int offset, std::uint8_t value) {
    std::lock_guard lock(mutex_);
    if (offset >= 0 && offset < kMainImageSize) current_.main[offset] = value;
}
void DeviceStandIn::SetRoutingImageByte(int offset, std::uint8_t value) {
    std::lock_guard lock(mutex_);
    if (offset >= 0 && offset < kRoutingImageSize) current_.routing[offset] = value;
}
void DeviceStandIn::SetChannelName(int channel, const std::string& name) {
    std::lock_guard lock(mutex_);
    if (channel >= 0 && channel < kChannelCount) CopyName(channelNames_[channel], name);
}
void DeviceStandIn::SetModeName(int slot, const std::string& name) {
    std::lock_guard lock(mutex_);
    if (slot >= 0 && slot < kSlots) CopyName(modeNames_[slot], name);
}
void DeviceStandIn::SetFaults(const Faults& faults) {
    std::lock_guard lock(mutex_);
    faults_ = faults;
}
Faults DeviceStandIn::GetFaults() const {
    std::lock_guard lock(mutex_);
    return faults_;
}
std::vector<Received> DeviceStandIn::Log() const {
    std::lock_guard lock(mutex_);
    return log_.Entries();
}
std::uint64_t DeviceStandIn::ReceivedTotal() const {
    std::lock_guard lock(mutex_);
    return log_.Total();
}
int DeviceStandIn::CountReceived(std::uint8_t code) const {
    std::lock_guard lock(mutex_);
    return log_.Count(code);
}
void DeviceStandIn::ClearLog() {
    std::lock_guard lock(mutex_);
    log_.Clear();
}
std::vector<std::uint8_t> DeviceStandIn::ReceivedFirmware() const {
    std::lock_guard lock(mutex_);
    return firmware_;
}
bool DeviceStandIn::FirmwareVerified() const {
    std::lock_guard lock(mutex_);
    return firmwareVerified_;
}
int DeviceStandIn::UpgradesCompleted() const {
    std::lock_guard lock(mutex_);
    return upgradesCompleted_;
}

}  // namespace standin
