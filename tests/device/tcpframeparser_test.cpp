#include "device/tcpframeparser.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

// Feeds a stream and returns the payloads committed, in order.
std::vector<Bytes> Parse(const Bytes& stream, device::TcpFrameParser& parser) {
    std::vector<Bytes> frames;
    for (std::uint8_t b : stream) {
        TcpRxEntry e{};
        if (parser.Feed(b, e) == device::TcpFrameParser::Result::Committed)
            frames.emplace_back(e.bytes + 1, e.bytes + 1 + e.bytes[0]);
    }
    return frames;
}

TEST(TcpFrameParser, Streams) {
    const struct {
        const char* name;
        Bytes stream;
        std::vector<Bytes> frames;
    } cases[] = {
        {"one frame", {0xA5, 0x02, 0x01, 0x13, 0x14}, {{0x01, 0x13}}},
        {"bad sum", {0xA5, 0x02, 0x01, 0x13, 0x15}, {}},
        {"bad sum, then a frame", {0xA5, 0x02, 0x01, 0x13, 0x15, 0xA5, 0x01, 0x0A, 0x0A}, {{0x0A}}},
        {"length 0 dropped, next byte is a header", {0xA5, 0x00, 0xA5, 0x01, 0x0A, 0x0A}, {{0x0A}}},
        {"length 63 dropped", {0xA5, 0x3F, 0xA5, 0x01, 0x0A, 0x0A}, {{0x0A}}},
        {"noise before the header", {0x00, 0x13, 0x5A, 0xA5, 0x01, 0x0A, 0x0A}, {{0x0A}}},
        {"A5 inside a payload is data", {0xA5, 0x02, 0xA5, 0xA5, 0x4A}, {{0xA5, 0xA5}}},
        {"header inside a dropped frame", {0xA5, 0x03, 0x01, 0xA5, 0x01, 0x00, 0x01, 0x0A, 0x0A}, {}},
    };
    for (const auto& c : cases) {
        device::TcpFrameParser parser;
        EXPECT_EQ(Parse(c.stream, parser), c.frames) << c.name;
    }
}

TEST(TcpFrameParser, LongestFrameAndSplitDelivery) {
    Bytes stream = {0xA5, 62};
    std::uint8_t sum = 0;
    for (int i = 0; i < 62; ++i) {
        stream.push_back(std::uint8_t(i * 11));
        sum = std::uint8_t(sum + i * 11);
    }
    stream.push_back(sum);
    device::TcpFrameParser parser;
    // Byte by byte across calls is the same as all at once.
    std::vector<Bytes> frames;
    for (std::uint8_t b : stream) {
        for (auto& f : Parse({b}, parser)) frames.push_back(f);
    }
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0], Bytes(stream.begin() + 2, stream.end() - 1));
    EXPECT_EQ(parser.state(), device::TcpFrameParser::State::Head);
}

}  // namespace
