#include "files/scenefile.h"

#include "device/status.h"
#include "files/replacingfile.h"
#include "files/scenewriter.h"
#include "platform/sys/regularfile.h"

namespace files {

SceneSaveResult SaveSceneFile(const std::string& path, const std::array<int, kChannels>& delays,
                              int overlayMask) {
    SceneSaveResult result;
    const WriteResult w =
        WriteFileReplacing(path, EncodeSceneFile(FormatSceneText(CaptureScene(delays, overlayMask))));
    result.ok = w.ok;
    result.error = w.error;
    result.messageId = w.ok ? kStrSaveSuccess : 0;
    return result;
}

SceneLoadResult LoadSceneFile(const std::string& path) {
    SceneLoadResult result;
    std::string bytes;
    if (!sys::ReadRegularFile(path, kSceneFileReadLimit, sys::OverLimit::kCut, bytes, result.error)) {
        result.status = SceneLoadStatus::kOpenFailed;
        return result;
    }
    result.read = ParseSceneFile(bytes, g_FirmwareDate.load());
    if (result.read.refusal != SceneRefusal::kNone) {
        result.status = SceneLoadStatus::kRefused;
        result.messageId = kStrSceneRefused;
        return result;
    }
    result.changes = ApplyScene(result.read.scene);
    result.status = SceneLoadStatus::kLoaded;
    result.messageId = result.read.repaired ? kStrSceneRepaired : 0;
    return result;
}

}  // namespace files
