#pragma once
// Saving and loading PC scene files: what the main window's scene commands call once the user has chosen a
// path. They show nothing; the result says which message the window shows.

#include <array>
#include <string>

#include "files/scenedata.h"
#include "files/scenemodel.h"
#include "files/scenereader.h"

namespace files {

inline constexpr int kStrSaveSuccess = 136;    // "Save the data successfully!"
inline constexpr int kStrSceneRefused = 157;   // "Failure. File damage or model mismatch!"
inline constexpr int kStrSceneRepaired = 242;  // "File error"

struct SceneSaveResult {
    bool ok = false;
    int messageId = 0;  // 136 when saved
    std::string error;  // why the file could not be written, for the error box
};

// Writes the model with the window's channel delays (CH1..CH12) and overlay mask to path. A failed write
// leaves the old file as it was.
SceneSaveResult SaveSceneFile(const std::string& path, const std::array<int, kChannels>& delays,
                              int overlayMask);

enum class SceneLoadStatus {
    kLoaded,      // applied; messageId 242 when values were repaired, else 0
    kRefused,     // nothing applied; messageId 157
    kOpenFailed,  // nothing applied; error holds the reason
};

struct SceneLoadResult {
    SceneLoadStatus status = SceneLoadStatus::kOpenFailed;
    int messageId = 0;
    std::string error;
    SceneReadResult read;      // the scene as read: the window sets its delays and overlay mask from it
    SceneApplyResult changes;  // what the window redraws
};

// Reads and checks the whole file, then applies it to the model in one step (g_FirmwareDate decides the delay
// limit and whether links, bridges and the overlay are kept). After kLoaded the window sets the delays and
// the overlay mask, refreshes its controls and sends the channel names.
SceneLoadResult LoadSceneFile(const std::string& path);

}  // namespace files
