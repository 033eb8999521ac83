// The window in the states the editing sets, rendered at the lowest and the highest DPI band into PNGs (in
// the test's temporary directory, for looking at): the selected channel, a bypassed band, a muted channel,
// 180 degrees, a link group, overlay curves and delays in centimetres. The graph must draw the overlays.
#include <filesystem>

#include "editingfixture.h"

namespace {

// Pixels of the graph that differ between two renders of the window.
int GraphPixelsChanged(const gfx::Bitmap& a, const gfx::Bitmap& b, const gfx::Rect& graph) {
    int changed = 0;
    for (int y = graph.top; y < graph.bottom; ++y) {
        for (int x = graph.left; x < graph.right; ++x) changed += a.PixelAt(x, y) != b.PixelAt(x, y);
    }
    return changed;
}

class EditingLookTest : public EditingWindowTest {
  protected:
    void RenderStates(int dpi) {
        Run(
            [&](EditingDlg& dlg) {
                for (int k = 0; k < kBands; ++k) g_EqGain[1][k] = 150 + (k % 5 - 2) * 20;
                g_EqGain[2][4] = 60;
                Click(g_ChannelSelectButtonIds[2]);
                Click(g_BandButtonIds[7]);
                Click(g_MuteButtonIds[4]);
                Click(g_PhaseButtonIds[5]);
                Click(g_LinkButtonIds[6]);  // CH3 and CH7 in a group
                Click(g_DelayUnitButtonIds[0]);
                hl().AdvanceClock(300);
                const gfx::Bitmap plain = dlg.Render();
                Click(g_OverlayButtonIds[1]);
                hl().AdvanceClock(300);
                const gfx::Bitmap overlaid = dlg.Render();
                const auto path =
                    std::filesystem::path(::testing::TempDir()) / ("editing-" + std::to_string(dpi) + ".png");
                EXPECT_TRUE(overlaid.SavePng(path.string()));
                const gfx::Rect graph = dlg.Spectrum().RectInParent();
                EXPECT_GT(GraphPixelsChanged(plain, overlaid, graph), 0)
                    << "CH2's curve is drawn over the graph";
                EXPECT_EQ(Text(g_DelayEditIds[0]), "0.000");
                EXPECT_EQ(g_LinkGroupMask[2], 0x44);
            },
            dpi);
    }
};

TEST_F(EditingLookTest, At96Dpi) {
    RenderStates(96);
}

TEST_F(EditingLookTest, At192Dpi) {
    RenderStates(192);
}

}  // namespace
