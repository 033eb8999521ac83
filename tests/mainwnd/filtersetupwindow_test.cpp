// The main window around the filter-setup dialog: corners changed in the dialog show in the window's own cut
// edits once it ends, so no stale text is committed later.
#include "quenbarfixture.h"

namespace {

using FilterSetupWindowTest = QuenbarWindowTest;

TEST_F(FilterSetupWindowTest, CornersChangedInTheDialogShowInTheWindowsCutEdits) {
    ui::Edit& lowCut = Add<ui::Edit>(IDC_EDIT_LOW_CUT);
    ui::Edit& highCut = Add<ui::Edit>(IDC_EDIT_HIGH_CUT);
    lowCut.SetWindowText("20");
    highCut.SetWindowText("20000");
    g_CurrentChannel = 4;
    ui::HeadlessBackend& hl = *app.Headless();
    onModal = [&](ui::Window& w) {
        auto* filter = dynamic_cast<CDialogFilterSetup*>(&w);
        ASSERT_NE(filter, nullptr);
        filter->HighPassEdit().SetFocus();
        // Keys go to the focus at the time they are pressed: each is handled before the next.
        const auto key = [&](unsigned vk, unsigned modifiers = 0) {
            hl.KeyPress(vk, modifiers);
            hl.RunPending();
        };
        key('A', ui::kModControl);
        hl.Type("1234");
        key(ui::VK_RETURN);
        key(ui::VK_RIGHT);
        key(ui::VK_DOWN);
        EXPECT_EQ(app.GetFocus(), &filter->LowPassEdit());
    };
    Click(IDC_FILTER_SETUP);
    EXPECT_EQ(opened, std::vector<std::string>{"FilterSetup"});
    EXPECT_EQ(g_HighPassFreq[4], 1234);
    EXPECT_EQ(g_LowPassFreq[4], 19999);
    EXPECT_EQ(lowCut.GetWindowText(), "1234");
    EXPECT_EQ(highCut.GetWindowText(), "19999");
}

}  // namespace
