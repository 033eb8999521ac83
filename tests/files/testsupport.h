#pragma once
// Shared helpers of the file tests: a scratch folder, the model brought back to its start, and a scene with a
// distinct value in every field.

#include <filesystem>
#include <string>
#include <vector>

#include "device/channelmodel.h"
#include "device/names.h"
#include "files/scenedata.h"

namespace files_test {

class ScratchDir {
  public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    std::string Path(const std::string& name) const { return (dir_ / name).string(); }

  private:
    std::filesystem::path dir_;
};

void ResetModel();
std::string ReadAll(const std::string& path);
void WriteAll(const std::string& path, const std::string& bytes);

// Every field differs from the start values and from its neighbours; all values are in range.
files::SceneData DistinctScene();
// Sets the model tables straight from a scene (the delays and overlay mask are the window's).
void SetModel(const files::SceneData& scene);

// A copy of every table the scene file touches, compared byte for byte.
struct ModelSnapshot {
    int eqFreq[kChannels][kBands];
    int eqGain[kChannels][kBands];
    double eqQ[kChannels][kBands];
    int eqQIndex[kChannels][kBands];
    int highPassFreq[kChannels], lowPassFreq[kChannels], highPassType[kChannels], lowPassType[kChannels];
    int highPassSlope[kChannels], lowPassSlope[kChannels];
    int channelGain[kChannels];
    int maskTable[kMaskTableSize];
    int linkGroupMask[kChannels];
    int inputVolume[kChannels][kInputs];
    char channelNames[kChannels][kNameLen + 1];
    int mixIn;
    int bridges[3];

    static ModelSnapshot Take();
    bool operator==(const ModelSnapshot& o) const;
};

// The lines of a CR LF text, without their line ends.
std::vector<std::string> SplitLines(const std::string& text);

// The text with line n (counted from 0, CR LF line ends) replaced.
std::string ReplaceLine(const std::string& text, int n, const std::string& line);

// The text as UTF-16LE units without the closing NUL.
std::string Utf16(const std::string& ascii);

}  // namespace files_test
