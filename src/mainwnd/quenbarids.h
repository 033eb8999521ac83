#pragma once
// The main window's control ids, each number once: its template, its layout tables and its handlers use
// these names. Families come as tables by role, indexed by band (0..30) or channel (0..11); where the ids do
// not follow the index (band sliders and Q edits, CH5/CH6 delays, the link and select buttons), the table
// is the only place that knows. The routing matrix's tables are in routingids.h.
#include <array>

#include "device/eqmodel.h"

// The EQ graph and the status texts.
constexpr int IDC_SPECTRUM = 1233;          // the EQ graph, m_Spectrum
constexpr int IDC_STATIC_SAVE_MODE = 1259;  // "SaveMode: " (hidden and disabled)
constexpr int IDC_STATIC_CUR_MODE = 1260;   // "CurrentMode: " (hidden and disabled)
constexpr int IDC_STATIC_SOURCE = 1261;     // "Source: " and the source name
constexpr int IDC_STATIC_VERSION = 1275;    // the device's version text
constexpr int IDC_STATIC_BUILD_TAG = 1276;  // the program's build tag
constexpr int IDC_STATIC_UPGRADE = 1277;    // "Updating" / "Updated" (hidden in both templates)
constexpr int IDC_STATIC_USB = 1463;        // "Connected" / "Disconnect" (hidden in both templates)
constexpr int IDC_STATIC_VOLUME = 1464;     // "Volume", over the master slider
constexpr int IDC_PICTURE_TCP = 1265;       // TCP link picture (hidden in the Chinese template)
constexpr int IDC_PICTURE_USB = 1266;       // USB link picture
constexpr int IDC_PICTURE_LOGO = 1849;      // the logo, at the top-left corner
// The texts of the bottom bar, left to right, shown or not.
inline constexpr std::array<int, 7> g_StatusTextIds{
    IDC_STATIC_SOURCE, IDC_STATIC_SAVE_MODE, IDC_STATIC_CUR_MODE, IDC_STATIC_UPGRADE,
    IDC_STATIC_USB,    IDC_STATIC_VERSION,   IDC_STATIC_BUILD_TAG};

// Captions the start-up writes (string ids in shellstrings.h).
constexpr int IDC_CAPTION_BTL = 1453;             // hidden
constexpr int IDC_CAPTION_LINK = 1454;            // over the link buttons
constexpr int IDC_CAPTION_SOURCE = 1451;          // hidden
constexpr int IDC_CAPTION_HIGH_LEVEL_MIX = 1452;  // hidden
constexpr int IDC_CAPTION_ID = 1413;              // the row of band numbers
constexpr int IDC_CAPTION_FREQ = 1412;            // the frequency row; the focus goes here at start-up
constexpr int IDC_CAPTION_Q = 1445;
constexpr int IDC_CAPTION_GAIN = 1446;
constexpr int IDC_CAPTION_BYPASS = 1450;   // the band-button row
constexpr int IDC_CAPTION_CH_NAME = 1737;  // over the select buttons
constexpr int IDC_CAPTION_PHASE = 1736;    // over the phase buttons

// Crossover: the cut edits, the lists and their captions. The captions keep their template texts, which
// differ by language; of each pair of like captions the first stands by the high-pass controls.
constexpr int IDC_EDIT_LOW_CUT = 1051;   // high-pass frequency, m_EditLowCut
constexpr int IDC_EDIT_HIGH_CUT = 1052;  // low-pass frequency, m_EditHighCut
constexpr int IDC_COMBO_HP_TYPE = 1054;
constexpr int IDC_COMBO_LP_TYPE = 1055;
constexpr int IDC_COMBO_HP_SLOPE = 1056;
constexpr int IDC_COMBO_LP_SLOPE = 1057;
constexpr int IDC_CAPTION_HIGH_PASS = 1747;
constexpr int IDC_CAPTION_LOW_PASS = 1746;
constexpr int IDC_CAPTION_HP_TYPE = 1740;
constexpr int IDC_CAPTION_LP_TYPE = 1741;
constexpr int IDC_CAPTION_HP_FREQ = 1738;
constexpr int IDC_CAPTION_LP_FREQ = 1739;
constexpr int IDC_CAPTION_HP_SLOPE = 1742;
constexpr int IDC_CAPTION_LP_SLOPE = 1743;

// Pair and quad lists (hidden), and the source list (hidden and disabled).
constexpr int IDC_COMBO_BRIDGE12 = 1058;
constexpr int IDC_COMBO_BRIDGE34 = 1198;
constexpr int IDC_COMBO_BRIDGE56 = 1248;
constexpr int IDC_COMBO_QUAD = 1199;
constexpr int IDC_COMBO_BRIDGE78 = 1278;
constexpr int IDC_COMBO_SOURCE = 1286;

// Master volume.
constexpr int IDC_MASTER_EDIT = 1059;    // m_EditMaster
constexpr int IDC_MASTER_MUTE = 1060;    // its text is its state
constexpr int IDC_MASTER_SLIDER = 1200;  // m_SliderMaster

// Buttons beside the EQ grid and below it.
constexpr int IDC_BYPASS_ALL = 1234;
constexpr int IDC_EQ_MODE = 1235;
constexpr int IDC_RESET_ALL = 1236;
constexpr int IDC_RESET_EQ = 1244;
constexpr int IDC_SOURCE_BUTTON = 1273;
constexpr int IDC_INPUT_VOLUME = 1409;
constexpr int IDC_SCENE = 1410;
constexpr int IDC_DELAY_CALC = 1411;

// The top bar, and the launchers the templates hide.
constexpr int IDC_MINIMIZE = 1267;
constexpr int IDC_CLOSE = 1268;
constexpr int IDC_SETUP = 1466;
constexpr int IDC_SAVE_DSP = 1269;        // hidden (and disabled in English)
constexpr int IDC_SAVE_PC = 1270;         // hidden (and disabled in English)
constexpr int IDC_LOAD_DSP = 1271;        // hidden (and disabled in English)
constexpr int IDC_LOAD_PC = 1272;         // hidden (and disabled in English)
constexpr int IDC_UPGRADE = 1274;         // hidden (and disabled in English)
constexpr int IDC_FILTER_SETUP = 1408;    // hidden and disabled
constexpr int IDC_HIGH_LEVEL_MIX = 1465;  // hidden and disabled
constexpr int IDC_EXPORT_MCU = 1258;      // hidden; the C-source export

// Unnamed labels of the template.
constexpr int IDC_STATIC = -1;

template <std::size_t N>
using IdTable = std::array<int, N>;

// ---- Bands, by band index 0..30 ----
inline constexpr IdTable<kBands> g_BandButtonIds = {
    1160, 1161, 1162, 1163, 1164, 1165, 1166, 1167, 1168, 1169, 1170, 1171, 1172, 1173, 1174, 1175,
    1176, 1177, 1178, 1179, 1180, 1181, 1182, 1183, 1184, 1185, 1186, 1187, 1188, 1189, 1190};
// 1084..1086 are no band controls.
inline constexpr IdTable<kBands> g_BandFreqEditIds = {
    1064, 1065, 1066, 1067, 1068, 1069, 1070, 1071, 1072, 1073, 1074, 1075, 1076, 1077, 1078, 1079,
    1080, 1081, 1082, 1083, 1087, 1088, 1089, 1090, 1091, 1092, 1093, 1094, 1095, 1096, 1097};
// Bands 30 and 31 took the ids 1143 and 1152 out of the run.
inline constexpr IdTable<kBands> g_BandQEditIds = {
    1129, 1130, 1131, 1132, 1133, 1134, 1135, 1136, 1137, 1138, 1139, 1140, 1141, 1142, 1144, 1145,
    1146, 1147, 1148, 1149, 1150, 1151, 1153, 1154, 1155, 1156, 1157, 1158, 1159, 1143, 1152};
inline constexpr IdTable<kBands> g_BandGainEditIds = {
    1098, 1099, 1100, 1101, 1102, 1103, 1104, 1105, 1106, 1107, 1108, 1109, 1110, 1111, 1112, 1113,
    1114, 1115, 1116, 1117, 1118, 1119, 1120, 1121, 1122, 1123, 1124, 1125, 1126, 1127, 1128};
// Band 11 is 1213, band 12 1211, band 13 1212; 21..23 and 27..29 are turned the same way.
inline constexpr IdTable<kBands> g_BandSliderIds = {
    1201, 1202, 1203, 1204, 1205, 1206, 1207, 1208, 1209, 1210, 1213, 1211, 1212, 1214, 1215, 1216,
    1217, 1218, 1219, 1220, 1223, 1221, 1222, 1224, 1225, 1226, 1229, 1227, 1228, 1230, 1231};
// The band numbers "1".."31" over the grid.
inline constexpr IdTable<kBands> g_BandNumberLabelIds = {
    1414, 1415, 1416, 1417, 1418, 1419, 1420, 1421, 1422, 1423, 1424, 1425, 1426, 1427, 1428, 1429,
    1430, 1431, 1432, 1433, 1434, 1435, 1436, 1437, 1438, 1439, 1440, 1441, 1442, 1443, 1444};

// ---- Channel strips, by channel 0..11 ----
inline constexpr IdTable<kChannels> g_ChannelSelectButtonIds = {1008, 1009, 1010, 1011, 1012, 1013,
                                                                1279, 1280, 1287, 1467, 1468, 1469};
inline constexpr IdTable<kChannels> g_LinkButtonIds = {1399, 1400, 1401, 1402, 1290, 1403,
                                                       1404, 1405, 1728, 1729, 1730, 1731};
inline constexpr IdTable<kChannels> g_PhaseButtonIds = {1035, 1036, 1037, 1038, 1039, 1040,
                                                        1281, 1282, 1478, 1479, 1480, 1481};
inline constexpr IdTable<kChannels> g_MuteButtonIds = {1041, 1042, 1043, 1044, 1045, 1046,
                                                       1283, 1284, 1482, 1483, 1484, 1485};
inline constexpr IdTable<kChannels> g_DelayUnitButtonIds = {1262, 1263, 1264, 1285, 1288, 1289,
                                                            1406, 1407, 1474, 1475, 1476, 1477};
inline constexpr IdTable<kChannels> g_ChannelGainEditIds = {1014, 1015, 1016, 1017, 1018, 1019,
                                                            1239, 1240, 1241, 1242, 1243, 1245};
inline constexpr IdTable<kChannels> g_ChannelGainSliderIds = {1192, 1193, 1194, 1195, 1196, 1197,
                                                              1049, 1050, 1053, 1061, 1062, 1063};
// CH5's delay edit is 1007 and CH6's 1006.
inline constexpr IdTable<kChannels> g_DelayEditIds = {1002, 1003, 1004, 1005, 1007, 1006,
                                                      1237, 1238, 1246, 1247, 1249, 1250};
inline constexpr IdTable<kChannels> g_OverlayButtonIds = {1291, 1292, 1293, 1294, 1295, 1296,
                                                          1297, 1298, 1732, 1733, 1734, 1735};
// Only CH1's caption is shown; the others are placed in a row and hidden.
inline constexpr IdTable<kChannels> g_DelayCaptionIds = {1455, 1456, 1457, 1458, 1459, 1460,
                                                         1461, 1462, 1470, 1471, 1472, 1473};
// The gain scale beside each channel's slider: "0", "-30", "OFF".
inline constexpr int kGainScaleMarks = 3;
inline constexpr std::array<IdTable<kGainScaleMarks>, kChannels> g_GainScaleLabelIds = {{
    {1776, 1771, 1777},
    {1778, 1772, 1779},
    {1780, 1773, 1781},
    {1782, 1774, 1783},
    {1784, 1775, 1785},
    {1786, 1787, 1788},
    {1789, 1790, 1791},
    {1792, 1793, 1794},
    {1795, 1796, 1797},
    {1798, 1799, 1800},
    {1801, 1802, 1803},
    {1804, 1805, 1806},
}};

// ---- Pairs CH1/2, CH3/4, ..., CH11/12 ----
inline constexpr int kPairs = kChannels / 2;
inline constexpr IdTable<kPairs> g_BridgeButtonIds = {1309, 1396, 1397, 1398, 1534, 1535};

// ---- Master scale: "0", "-20", "-40", "OFF", left of the master slider and right of it ----
inline constexpr int kMasterScaleMarks = 4;
inline constexpr IdTable<kMasterScaleMarks> g_MasterScaleLeftLabelIds = {1807, 1808, 1809, 1810};
inline constexpr IdTable<kMasterScaleMarks> g_MasterScaleRightLabelIds = {1811, 1812, 1813, 1814};

// ---- Groups as the start-up and the drawing take them ----
// The ten combo boxes in member order (m_ComboBridge12 .. m_ComboSource).
inline constexpr IdTable<10> g_ComboIds = {
    IDC_COMBO_BRIDGE12, IDC_COMBO_BRIDGE34, IDC_COMBO_BRIDGE56, IDC_COMBO_QUAD,     IDC_COMBO_BRIDGE78,
    IDC_COMBO_HP_TYPE,  IDC_COMBO_HP_SLOPE, IDC_COMBO_LP_TYPE,  IDC_COMBO_LP_SLOPE, IDC_COMBO_SOURCE};
// Buttons drawn on the plain text plate (199/200), with a caption.
inline constexpr IdTable<11> g_TextButtonIds = {IDC_BYPASS_ALL,    IDC_EQ_MODE, IDC_RESET_ALL,   IDC_RESET_EQ,
                                                IDC_SAVE_DSP,      IDC_SAVE_PC, IDC_LOAD_DSP,    IDC_LOAD_PC,
                                                IDC_SOURCE_BUTTON, IDC_UPGRADE, IDC_FILTER_SETUP};
// Buttons drawn on the second text plate (278/279).
inline constexpr IdTable<3> g_LauncherButtonIds = {IDC_INPUT_VOLUME, IDC_SCENE, IDC_DELAY_CALC};
// The filter captions in the order the start-up gives them their font.
inline constexpr IdTable<8> g_FilterCaptionIds = {
    IDC_CAPTION_HIGH_PASS, IDC_CAPTION_LOW_PASS, IDC_CAPTION_HP_TYPE,  IDC_CAPTION_LP_TYPE,
    IDC_CAPTION_HP_FREQ,   IDC_CAPTION_LP_FREQ,  IDC_CAPTION_HP_SLOPE, IDC_CAPTION_LP_SLOPE};
