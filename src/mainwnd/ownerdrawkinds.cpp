#include "mainwnd/ownerdrawkinds.h"

#include <algorithm>
#include <vector>

#include "mainwnd/quenbarids.h"
#include "mainwnd/routingids.h"

namespace mainwnd {

namespace {

// Built once from the role tables, so an id is written only where its role lists it.
std::vector<OwnerDrawItem> BuildTable() {
    std::vector<OwnerDrawItem> t;
    auto add = [&t](int id, ButtonKind kind, int index = 0, int bit = 0) { t.push_back({id, kind, index, bit}); };
    for (int c = 0; c < kChannels; ++c) {
        for (int j = 0; j < kInputs; ++j) add(g_RoutingButtonIds[c][j], ButtonKind::kMatrixCell, c, j);
        add(g_ChannelSelectButtonIds[c], ButtonKind::kChannelSelect, c);
        add(g_PhaseButtonIds[c], ButtonKind::kPhase, c);
        add(g_MuteButtonIds[c], ButtonKind::kChannelMute, c);
        add(g_DelayUnitButtonIds[c], ButtonKind::kDelayUnit, c);
        add(g_OverlayButtonIds[c], ButtonKind::kOverlay, c);
        add(g_LinkButtonIds[c], ButtonKind::kLink, c);
    }
    for (int k = 0; k < kBands; ++k) add(g_BandButtonIds[k], ButtonKind::kBandButton, k);
    for (int p = 0; p < kPairs; ++p) add(g_BridgeButtonIds[p], ButtonKind::kBridge, p);
    for (int id : g_TextButtonIds) add(id, ButtonKind::kTextButton);
    for (int id : g_LauncherButtonIds) add(id, ButtonKind::kTextButton2);
    add(IDC_MASTER_MUTE, ButtonKind::kMasterMute);
    add(IDC_MINIMIZE, ButtonKind::kMinimise);
    add(IDC_CLOSE, ButtonKind::kClose);
    add(IDC_SETUP, ButtonKind::kSettings);
    add(IDC_HIGH_LEVEL_MIX, ButtonKind::kHighLevelMix);
    std::sort(t.begin(), t.end(), [](const OwnerDrawItem& a, const OwnerDrawItem& b) { return a.id < b.id; });
    return t;
}

const std::vector<OwnerDrawItem>& Table() {
    static const std::vector<OwnerDrawItem> table = BuildTable();
    return table;
}

}  // namespace

OwnerDrawItem OwnerDrawItemOf(int id) {
    const std::vector<OwnerDrawItem>& t = Table();
    auto it = std::lower_bound(t.begin(), t.end(), id, [](const OwnerDrawItem& e, int v) { return e.id < v; });
    if (it == t.end() || it->id != id) return {id, ButtonKind::kNone, 0, 0};
    return *it;
}

std::span<const OwnerDrawItem> OwnerDrawItems() {
    return Table();
}

}  // namespace mainwnd
