#pragma once
// The texts the link shows, by their string-table ids.
constexpr int IDS_SAVE_DONE = 136;                // "Save the data successfully!"
constexpr int IDS_UPDATING = 141;                 // "Updating"
constexpr int IDS_UPDATED = 142;                  // "Updated"
constexpr int IDS_IMPORT_FAILED = 143;            // "Import failed"
constexpr int IDS_CONNECTED = 184;                // "Connected"
constexpr int IDS_DISCONNECT = 185;               // "Disconnect"
constexpr int IDS_UPGRADE_FAILED = 1000;          // "Upgrade failed!"
constexpr int IDS_FIRMWARE_WRONG_NAME = 154;      // "Error file, upgrade failed!"
constexpr int IDS_FIRMWARE_WRONG_CHECKSUM = 155;  // "Error checksum, upgrade failed!"
constexpr int IDS_IMPORT_UPGRADE_FILE = 156;      // "Please import the upgrade file."

namespace mainwnd {

// Adds the texts above to the program's string table where it does not hold them yet.
void RegisterLinkStrings();

}  // namespace mainwnd
