#pragma once
// Template and control ids of the side dialogs.

// Templates.
constexpr int IDD_SAVE_MODE_TO_DSP = 152;
constexpr int IDD_IMPORT_MODE_DSP = 154;
constexpr int IDD_LOAD_PERCENT = 157;
constexpr int IDD_INPUT_AUDIO_SOURCE = 183;
constexpr int IDD_FILTER_SETUP = 297;
constexpr int IDD_DIALOG_FILE = 302;
constexpr int IDD_DIALOG_SETUP = 304;
constexpr int IDD_DIALOG_DELAY_CALE = 306;
constexpr int IDD_SAVE_CHANNEL_NAME = 427;
constexpr int IDD_DIALOG_LOGO = 556;

// Shared by several dialogs.
constexpr int IDC_SLOT_LIST = 1054;  // the slot dialogs' list
constexpr int IDC_NAME_EDIT = 1237;  // the slot name; the channel's current name
constexpr int IDC_NEW_NAME_EDIT = 1238;

// Scene slot dialogs.
constexpr int IDC_SAVE_MODE_TITLE = 1763;
constexpr int IDC_SAVE_MODE_SLOT_LABEL = 1491;
constexpr int IDC_SAVE_MODE_NAME_LABEL = 1492;
constexpr int IDC_IMPORT_MODE_TITLE = 1766;
constexpr int IDC_IMPORT_MODE_SLOT_LABEL = 1493;
constexpr int IDC_IMPORT_MODE_NAME_LABEL = 1494;

// Progress.
constexpr int IDC_PROGRESS_BAR = 1252;

// Input source.
constexpr int IDC_SOURCE_LIST = 1054;
constexpr int IDC_SOURCE_MIX = 1748;
constexpr int IDC_SOURCE_MIX_LABEL = 1749;
constexpr int IDC_SOURCE_TITLE = 1765;
constexpr int IDC_SOURCE_NOTE_OPTICAL = 1851;  // hidden
constexpr int IDC_SOURCE_NOTE = 1852;

// Filter setup.
constexpr int IDC_FILTER_HP_TYPE = 1054;
constexpr int IDC_FILTER_LP_TYPE = 1055;
constexpr int IDC_FILTER_HP_SLOPE = 1056;
constexpr int IDC_FILTER_LP_SLOPE = 1057;
constexpr int IDC_FILTER_HP_FREQ = 1051;
constexpr int IDC_FILTER_LP_FREQ = 1052;
constexpr int IDC_FILTER_HP_HEADING = 1480;
constexpr int IDC_FILTER_LP_HEADING = 1481;

// Scene menu.
constexpr int IDC_FILE_TITLE = 1767;
constexpr int IDC_FILE_SAVE_DSP = 1269;
constexpr int IDC_FILE_SAVE_PC = 1270;
constexpr int IDC_FILE_LOAD_DSP = 1271;
constexpr int IDC_FILE_LOAD_PC = 1272;

// Settings.
constexpr int IDC_SETUP_MIX_LABEL = 1532;
constexpr int IDC_SETUP_MIX_VOLUME = 1533;
constexpr int IDC_SETUP_LANGUAGE = 1534;
constexpr int IDC_SETUP_LANGUAGE_LABEL = 1535;
constexpr int IDC_SETUP_MUTE_LABEL = 1536;
constexpr int IDC_SETUP_TITLE = 1759;
constexpr int IDC_SETUP_UPGRADE = 1495;
constexpr int IDC_SETUP_FACTORY_RESET = 1496;
constexpr int IDC_SETUP_ABOUT = 1497;
constexpr int IDC_SETUP_NOSIGNAL_MUTE = 3;

// Delay calculator.
constexpr int IDC_DELAY_CALE_APPLY = 1506;
constexpr int IDC_DELAY_CALE_CLEAR = 1510;
constexpr int IDC_DELAY_CALE_UNIT = 1509;
constexpr int IDC_DELAY_CALE_TITLE = 1768;
constexpr int kDelayCaleLabelIds[12] = {1498, 1499, 1500, 1501, 1502, 1503, 1504, 1505, 1515, 1516, 1517, 1518};
constexpr int kDelayCaleEditIds[12] = {1237, 1238, 1239, 1240, 1242, 1243, 1507, 1508, 1511, 1512, 1513, 1514};

// Channel name.
constexpr int IDC_CHANNEL_NAME_TITLE = 1764;
constexpr int IDC_CHANNEL_NAME_CURRENT_LABEL = 1536;
constexpr int IDC_CHANNEL_NAME_NEW_LABEL = 1537;

// Model chooser.
constexpr int IDC_LOGO_CONFIRM = 1750;  // the Enter button; confirms as OK does
