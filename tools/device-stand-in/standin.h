#pragma once
// The device as seen from its own side of the command set. It keeps what the device keeps (both parameter
// images, eight scene slots with names, the channel names, its version texts, input source and flags) and
// answers each command the way the device does. It has no transport of its own: StandInTcpServer and
// StandInUsb carry its messages. Every member may be called from any thread.
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "device-stand-in/commandlog.h"

namespace standin {

struct Options {
    std::string modelCode = "0NC";  // characters 0..2 of the version text
    int firmwareDate = 221130;      // yymmdd, characters 6..11
    std::string mediaVersion = "MEDIA-01.02";
};

// Faults played on request.
struct Faults {
    int badSumReplies = 0;               // this many next messages go out with a wrong sum
    int missingBlock = -1;               // a main-image block left out of reads...
    int missingBlockReads = 0;           // ...in this many reads (-1: every read)
    int repeatedBlock = -1;              // a main-image block sent twice in every read
    int reorderedBlock = -1;             // a main-image block sent after the one that follows it
    int silentReads = 0;                 // this many next read requests get no answer at all
    bool silent = false;                 // nothing is answered
    int disconnectAfter = -1;            // TCP: the connection is dropped after this many more messages
    bool upgradeRequestPastEnd = false;  // asks for a block far past the end before block 0
    // The answer to a names request (the names as they were when asked) goes out only after the next
    // channel rename is taken: a slow answer that crosses a rename.
    bool namesAnswerAfterRename = false;
};

// One message for the console: the payload and whether its sum is spoiled.
struct Message {
    std::vector<std::uint8_t> payload;
    bool badSum = false;
};

struct Outcome {
    std::vector<Message> messages;
    bool disconnect = false;  // TCP: drop the connection after sending
    enum class Restart { None, AsUpgradeDevice, AsNormalDevice } restart = Restart::None;
};

constexpr int kMainImageSize = 3163;
constexpr int kShortMainImageSize = 1579;
constexpr int kRoutingImageSize = 405;
constexpr int kSlots = 8;
constexpr int kChannelCount = 12;
constexpr int kNameSize = 20;

class DeviceStandIn {
  public:
    explicit DeviceStandIn(Options options = {});

    // Takes one command (payload[0] its code) and returns the device's answer.
    Outcome Handle(Via via, const std::uint8_t* payload, int len);

    std::string VersionText() const;  // 14 characters
    std::vector<std::uint8_t> MainImage() const;
    std::vector<std::uint8_t> RoutingImage() const;
    std::vector<std::uint8_t> SlotMainImage(int slot) const;
    std::vector<std::uint8_t> SlotRoutingImage(int slot) const;
    std::string ModeName(int slot) const;
    std::string ChannelName(int channel) const;
    int InputSource() const;
    int CurrentSlot() const;
    int SaveSlot() const;
    std::uint8_t Flags() const;
    // Bytes of the main image this device reads out (1579 for the short image of model 1).
    int MainImageSize() const;

    void SetMainImageByte(int offset, std::uint8_t value);
    void SetRoutingImageByte(int offset, std::uint8_t value);
    void SetChannelName(int channel, const std::string& name);
    void SetModeName(int slot, const std::string& name);
    // Writes values no console would: gains, master, frequencies, Q and filter bytes past their ranges.
    void InjectOutOfRangeValues();

    void SetFaults(const Faults& faults);
    Faults GetFaults() const;

    // The last commands received (at most CommandLog::kKept), oldest first.
    std::vector<Received> Log() const;
    // Commands received since the last ClearLog, including those the log no longer holds.
    std::uint64_t ReceivedTotal() const;
    // The number of commands with this code received since the last ClearLog.
    int CountReceived(std::uint8_t code) const;
    void ClearLog();

    // The firmware conversation: the data bytes received, whether the checksum matched them, and the number
    // of transfers that ended with FF FF.
    std::vector<std::uint8_t> ReceivedFirmware() const;
    bool FirmwareVerified() const;
    int UpgradesCompleted() const;

  private:
    struct Scene {
        std::vector<std::uint8_t> main;
        std::vector<std::uint8_t> routing;
    };

    void Reply(Outcome& out, std::vector<std::uint8_t> payload);
    void SendStatus(Outcome& out);
    void SendMainImage(Outcome& out);
    void SendRoutingImage(Outcome& out);
    void SendNames(Outcome& out);
    void HandleUpgrade(Via via, const std::uint8_t* p, int len, Outcome& out);
    bool ReadAnswered();

    const Options options_;
    mutable std::mutex mutex_;
    Scene current_;
    Scene slots_[kSlots];
    char modeNames_[kSlots][kNameSize] = {};
    char channelNames_[kChannelCount][kNameSize] = {};
    int inputSource_ = 1;
    int currentSlot_ = 0;
    int saveSlot_ = 0;
    std::uint8_t flags_ = 0;
    Faults faults_;
    std::vector<Message> heldNames_;  // a names answer waiting for a rename
    CommandLog log_;
    std::vector<std::uint8_t> firmware_;
    int upgradeBlockSize_ = 0;
    bool firmwareVerified_ = false;
    int upgradesCompleted_ = 0;
};

// The image a device leaves its factory with: default bands, flat gains, filters off.
std::vector<std::uint8_t> FactoryMainImage();
std::vector<std::uint8_t> FactoryRoutingImage();

}  // namespace standin
