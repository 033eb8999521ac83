#pragma once
// The texts of the side dialogs and of the scene-file commands, in both languages.

namespace dialogs {

inline constexpr int IDS_SCENE_FILTER = 137;       // the scene file dialog's filter
inline constexpr int IDS_SCENE_FILE_NAME = 138;    // the proposed scene file name
inline constexpr int IDS_SCENE_SAVE_TITLE = 139;   // the save dialog's title
inline constexpr int IDS_SCENE_REFUSED = 157;      // "Failure. File damage or model mismatch!"
inline constexpr int IDS_RESTART_TO_APPLY = 158;   // the language choice takes effect at the next start
inline constexpr int IDS_LOAD_FROM_DEVICE = 199;   // also the recall dialog's title
inline constexpr int IDS_SAVE_TO_DEVICE = 200;     // also the save dialog's title
inline constexpr int IDS_LOAD_FROM_PC = 201;
inline constexpr int IDS_SAVE_TO_PC = 202;
inline constexpr int IDS_OK = 203;
inline constexpr int IDS_CANCEL = 204;
inline constexpr int IDS_FACTORY_RESET = 205;
inline constexpr int IDS_DELAY_CALCULATE = 206;
inline constexpr int IDS_RESET = 207;
inline constexpr int IDS_LANG_CHINESE = 208;
inline constexpr int IDS_LANG_ENGLISH = 209;
inline constexpr int IDS_LANG_AUTO = 218;
inline constexpr int IDS_SETUP_TITLE = 221;
inline constexpr int IDS_ENTER = 225;
inline constexpr int IDS_SCENE_REPAIRED = 242;     // "File error"
inline constexpr int IDS_CURRENT_NAME = 243;
inline constexpr int IDS_NEW_NAME = 244;
inline constexpr int IDS_NOSIGNAL_MUTED = 245;
inline constexpr int IDS_NOSIGNAL_UNMUTED = 246;

// Adds the texts that the program's table does not hold yet.
void RegisterSideDialogStrings();

}  // namespace dialogs
