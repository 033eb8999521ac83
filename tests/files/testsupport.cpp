#include "testsupport.h"

#include <unistd.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>

#include "device/channelmodel.h"
#include "device/eqmodel.h"
#include "device/firmwarestate.h"
#include "device/images.h"
#include "device/names.h"
#include "device/status.h"
#include "files/mcuexport.h"
#include "files/scenemodel.h"

namespace files_test {

ScratchDir::ScratchDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "files-test-XXXXXX").string();
    char* made = mkdtemp(pattern.data());
    dir_ = made ? made : pattern;
}

ScratchDir::~ScratchDir() {
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
}

void ResetModel() {
    device::ResetEqModel();
    device::ResetChannelModel();
    device::ResetNames();
    device::ResetStatus();
    device::ResetImages();
    device::ResetFirmware();
    files::ResetNameFileCounter();
}

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteAll(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

files::SceneData DistinctScene() {
    files::SceneData s;
    for (int ch = 0; ch < kChannels; ++ch) {
        files::SceneChannel& c = s.channels[ch];
        c.delay = 17 + ch * 50;
        c.gain = ch == 5 ? 600 : 7 + ch * 45;
        c.phase = ch % 3 != 1;
        for (int b = 0; b < kBands; ++b) {
            c.eqFreq[b] = 21 + ch * 1500 + b * 37;
            c.eqGain[b] = (ch * 31 + b * 7 + 1) % 301;
            c.eqQ[b] = ch == 2 ? (1234 + b * 10) / 1000.0
                               : g_QTable[(ch * 31 + b + 5) % kQTableSize];  // also off the table
        }
        c.highPassType = (ch + 1) % 2;
        c.highPassFreq = 25 + ch * 3;
        c.highPassSlope = ch % 9;
        c.lowPassType = ch % 2;
        c.lowPassFreq = 19000 - ch * 11;
        c.lowPassSlope = (ch + 4) % 9;
        for (int i = 0; i < kInputs; ++i) c.inputVolume[i] = (ch * 20 + i + 1) % 61;
        for (int i = 0; i < kNameLen; ++i) c.name[i] = static_cast<std::uint8_t>(0x41 + ch * 20 + i * 7);
        c.name[3] = 0xC4;
        s.routingMask[ch] = (0x541 << (ch % 8)) ^ (ch * 0x1357);
        s.linkGroupMask[ch] = (1 << ch) | (0x800 >> ch) | 0x20;
    }
    s.routingMask[11] = 0xFFFFF;
    s.masterVolume = 37;
    s.mixVolume = 10;
    s.mixIn = true;
    s.overlayMask = 0xA5C;
    s.bridges = {true, false, true, true, false, true};
    return s;
}

void SetModel(const files::SceneData& s) {
    for (int ch = 0; ch < kChannels; ++ch) {
        const files::SceneChannel& c = s.channels[ch];
        g_ChannelGain[ch] = c.gain;
        if (c.phase) g_PhaseMask |= 1 << ch;
        for (int b = 0; b < kBands; ++b) {
            g_EqFreq[ch][b] = c.eqFreq[b];
            g_EqGain[ch][b] = c.eqGain[b];
            g_EqQ[ch][b] = c.eqQ[b];
            int i = 0;
            while (g_QTable[i] < c.eqQ[b]) ++i;
            g_EqQIndex[ch][b] = i;
        }
        g_HighPassType[ch] = c.highPassType;
        g_HighPassFreq[ch] = c.highPassFreq;
        g_HighPassSlope[ch] = c.highPassSlope;
        g_LowPassType[ch] = c.lowPassType;
        g_LowPassFreq[ch] = c.lowPassFreq;
        g_LowPassSlope[ch] = c.lowPassSlope;
        for (int i = 0; i < kInputs; ++i) g_InputVolume[ch][i] = c.inputVolume[i];
        for (int i = 0; i < kNameLen; ++i) g_ChannelNames[ch][i] = static_cast<char>(c.name[i]);
        g_RoutingMask[ch] = s.routingMask[ch];
        g_LinkGroupMask[ch] = s.linkGroupMask[ch];
    }
    g_MuteMask = device::MuteBit(5);  // CH6 is at 600
    g_MasterVolume = s.masterVolume;
    g_HighLevelMixVolume = s.mixVolume;
    g_HighLevelMixIn = s.mixIn;
    int* flags[] = {&g_BridgeCh12, &g_BridgeCh34,  &g_BridgeCh56,
                    &g_BridgeCh78, &g_BridgeCh910, &g_BridgeCh1112};
    for (int k = 0; k < files::kBridgePairs; ++k) *flags[k] = s.bridges[k];
}

ModelSnapshot ModelSnapshot::Take() {
    ModelSnapshot m;
    std::memset(&m, 0, sizeof m);  // padding too, for the byte comparison
    std::memcpy(m.eqFreq, g_EqFreq, sizeof m.eqFreq);
    std::memcpy(m.eqGain, g_EqGain, sizeof m.eqGain);
    std::memcpy(m.eqQ, g_EqQ, sizeof m.eqQ);
    std::memcpy(m.eqQIndex, g_EqQIndex, sizeof m.eqQIndex);
    std::memcpy(m.highPassFreq, g_HighPassFreq, sizeof m.highPassFreq);
    std::memcpy(m.lowPassFreq, g_LowPassFreq, sizeof m.lowPassFreq);
    std::memcpy(m.highPassType, g_HighPassType, sizeof m.highPassType);
    std::memcpy(m.lowPassType, g_LowPassType, sizeof m.lowPassType);
    std::memcpy(m.highPassSlope, g_HighPassSlope, sizeof m.highPassSlope);
    std::memcpy(m.lowPassSlope, g_LowPassSlope, sizeof m.lowPassSlope);
    std::memcpy(m.channelGain, g_ChannelGain, sizeof m.channelGain);
    std::memcpy(m.maskTable, g_MaskTable, sizeof m.maskTable);
    std::memcpy(m.linkGroupMask, g_LinkGroupMask, sizeof m.linkGroupMask);
    std::memcpy(m.inputVolume, g_InputVolume, sizeof m.inputVolume);
    std::memcpy(m.channelNames, g_ChannelNames, sizeof m.channelNames);
    m.mixIn = g_HighLevelMixIn;
    m.bridges[0] = g_BridgeCh78;
    m.bridges[1] = g_BridgeCh910;
    m.bridges[2] = g_BridgeCh1112;
    return m;
}

bool ModelSnapshot::operator==(const ModelSnapshot& o) const {
    return std::memcmp(this, &o, sizeof o) == 0;
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t crlf; (crlf = text.find("\r\n", start)) != std::string::npos; start = crlf + 2) {
        lines.push_back(text.substr(start, crlf - start));
    }
    if (start != text.size()) lines.push_back(text.substr(start));  // an unterminated rest shows as a line
    return lines;
}

std::string ReplaceLine(const std::string& text, int n, const std::string& line) {
    std::size_t start = 0;
    for (int i = 0; i < n; ++i) start = text.find("\r\n", start) + 2;
    const std::size_t end = text.find("\r\n", start);
    return text.substr(0, start) + line + text.substr(end);
}

std::string Utf16(const std::string& ascii) {
    std::string out;
    for (char c : ascii) {
        out += c;
        out += '\0';
    }
    return out;
}

}  // namespace files_test
