// The filter-setup dialog's cut edits and skinned lists, driven by keys and painted on the headless backend.
#include <string>
#include <vector>

#include "device/channelmodel.h"
#include "device/eqmodel.h"
#include "dialogs/dialogfiltersetup.h"
#include "platform/gfx/canvas.h"
#include "platform/ui/listbox.h"
#include "sidedialogfixture.h"

namespace {

constexpr int kCh3 = 2, kCh4 = 3;
constexpr gfx::Color kFace = gfx::Rgb(33, 44, 61);

class FilterSetupDialogTest : public SideDialogTest {
  protected:
    void SetUp() override {
        device::ResetChannelModel();
        device::ResetEqModel();
    }
    void TearDown() override {
        device::ResetChannelModel();
        device::ResetEqModel();
        g_CurrentChannel = 0;
    }
    void Key(unsigned vk, unsigned modifiers = 0) {
        hl.KeyPress(vk, modifiers);
        Settle();
    }
    void Type(const std::string& text) {
        Key('A', ui::kModControl);
        hl.Type(text);
        Settle();
    }
    static bool AllSelected(const ui::Edit& edit) {
        int s, e;
        edit.GetSel(s, e);
        return s == 0 && e == edit.GetTextLength() && e > 0;
    }
};

// The cut edits step, commit and copy their own corner of the current channel; Left and Right stay in the
// dialog, on its own partner edit, and nothing goes to the main window below it.
TEST_F(FilterSetupDialogTest, TheCutEditsStepCommitAndMoveBetweenTheDialogsOwnEdits) {
    g_CurrentChannel = kCh3;
    g_LinkGroupMask[0] = 0b1100;  // CH3 and CH4 linked
    g_HighPassFreq[kCh3] = g_HighPassFreq[kCh4] = 100;
    CDialogFilterSetup d(nullptr, &app);
    OnModal([&](ui::Dialog& w) {
        CEidtLowCutFreq& low = d.HighPassEdit();
        CEditHighCutFreq& high = d.LowPassEdit();
        ASSERT_EQ(w.GetDlgItem(IDC_FILTER_HP_FREQ), &low);
        ASSERT_EQ(w.GetDlgItem(IDC_FILTER_LP_FREQ), &high);
        low.SetFocus();
        Settle();
        Key(ui::VK_UP);
        EXPECT_EQ(g_HighPassFreq[kCh3], 101);
        EXPECT_EQ(g_HighPassFreq[kCh4], 101);
        EXPECT_EQ(low.GetWindowText(), "101");

        const struct {
            unsigned key;
            ui::Window* to;
        } moves[] = {{ui::VK_LEFT, &high}, {ui::VK_RIGHT, &low}, {ui::VK_RIGHT, &high}};
        for (const auto& m : moves) {
            Key(m.key);
            EXPECT_EQ(app.GetFocus(), m.to);
            EXPECT_TRUE(AllSelected(static_cast<ui::Edit&>(*m.to)));
        }
        // The low-pass corner: a step down from 20000, then a typed value that stays as typed.
        Key(ui::VK_DOWN);
        EXPECT_EQ(g_LowPassFreq[kCh3], 19999);
        EXPECT_EQ(g_LowPassFreq[kCh4], 19999);
        Type("1000");
        Key(ui::VK_RETURN);
        EXPECT_EQ(g_LowPassFreq[kCh3], 1000);
        EXPECT_EQ(g_LowPassFreq[kCh4], 1000);
        EXPECT_EQ(high.GetWindowText(), "1000");
        EXPECT_FALSE(d.IsEnded()) << "Enter does not end the dialog";
        // A refused text shows the stored value again.
        Type("19");
        Key(ui::VK_RETURN);
        EXPECT_EQ(g_LowPassFreq[kCh3], 1000);
        EXPECT_EQ(high.GetWindowText(), "1000");
        EXPECT_TRUE(AllSelected(high));
        Key(ui::VK_ESCAPE);
    });
    EXPECT_EQ(d.DoModal(), ui::IDCANCEL);
    EXPECT_TRUE(main.requests.empty());
}

TEST_F(FilterSetupDialogTest, TheListsDrawByTheScreensDpi) {
    const struct {
        int dpi, arrow, field;
    } cases[] = {{96, 202, 18},  {109, 202, 18}, {110, 316, 23}, {131, 316, 23}, {132, 690, 30},
                 {167, 690, 30}, {168, 689, 30}, {187, 689, 30}, {188, 689, 40}, {192, 689, 40}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dpi);
        EXPECT_EQ(CDialogFilterSetup::ArrowPng(c.dpi), c.arrow);
        EXPECT_EQ(CDialogFilterSetup::FieldHeight(c.dpi), c.field);
    }
    for (int dpi : {96, 192}) {
        SCOPED_TRACE(dpi);
        SideDialogEnv env(dpi);
        CDialogFilterSetup d(nullptr, &env.app);
        env.OnModal([&](ui::Dialog&) {
            for (int which = 0; which < 4; ++which) {
                EXPECT_EQ(d.List(which).GetWindowRect().Height(), CDialogFilterSetup::FieldHeight(dpi) + 6);
                EXPECT_EQ(d.List(which).ItemFont().face, "黑体");
                EXPECT_EQ(d.List(which).ItemFont().height, dpi * 12 / 96);
            }
            env.hl.KeyPress(ui::VK_ESCAPE);
        });
        d.DoModal();
    }
}

// The face shows the selected item's text in white on the dark field, the OFF item included; the open list is
// the system's, not drawn by the list; a pick or a key on the closed list is one request.
TEST_F(FilterSetupDialogTest, TheListsShowTheirSelectionAndSendOneRequestPerPick) {
    g_CurrentChannel = kCh3;
    g_HighPassType[kCh3] = 1;
    g_HighPassSlope[kCh3] = 8;
    CDialogFilterSetup d(nullptr, &app);
    OnModal([&](ui::Dialog&) {
        const struct {
            int which;
            std::string text;
        } cases[] = {{0, "Bessel"}, {1, "   OFF"}, {2, "Butterworth"}};
        for (const auto& c : cases) {
            SCOPED_TRACE(c.text);
            CMyComboBox& list = d.List(c.which);
            ASSERT_EQ(list.GetLBText(list.GetCurSel()), c.text);
            const gfx::Bitmap face = list.Render();
            // The selected text as the face draws it: at x 5, centred, in the item's white, in the list's font.
            gfx::Bitmap expected(face.Width(), face.Height());
            gfx::Canvas canvas(expected);
            canvas.FillRect(gfx::RectFromSize(0, 0, face.Width(), face.Height()), kFace);
            canvas.SetBkMode(gfx::BkMode::kTransparent);
            canvas.DrawText(c.text, {5, 0, face.Width(), face.Height()}, list.ItemFont(), dialogs::kWhite,
                            gfx::kTextSingleLine | gfx::kTextVCenter | gfx::kTextEndEllipsis);
            int textPixels = 0, differing = 0;
            for (int y = 1; y < face.Height() - 1; ++y) {
                for (int x = 1; x < face.Width() - 22; ++x) {
                    textPixels += expected.PixelAt(x, y) != kFace;
                    differing += face.PixelAt(x, y) != expected.PixelAt(x, y);
                }
            }
            EXPECT_GT(textPixels, 20);
            EXPECT_EQ(differing, 0);
        }
        // The open list is the system's: it opens on the selection, OFF, its last item.
        CMyComboBox& slopes = d.List(1);
        hl.ClickWindow(slopes);
        Settle();
        ui::ListBox* open = slopes.GetDropList();
        ASSERT_NE(open, nullptr);
        EXPECT_FALSE(open->HasControlStyle(res::kOwnerDrawList));
        EXPECT_EQ(open->GetCurSel(), 8);
        const gfx::Rect above = open->GetItemRect(7);
        // A pick is one request to the main window; a key on the closed list another.
        hl.Click(open->ClientToScreen({above.left + 5, (above.top + above.bottom) / 2}));
        Settle();
        EXPECT_FALSE(slopes.GetDroppedState());
        EXPECT_EQ(slopes.GetCurSel(), 7);
        Key(ui::VK_UP);
        EXPECT_EQ(slopes.GetCurSel(), 6);
        Key(ui::VK_ESCAPE);
    });
    d.DoModal();
    EXPECT_EQ(main.Of(WM_FILTER_SETUP),
              (std::vector<RequestWindow::Request>{{WM_FILTER_SETUP, 1, 7}, {WM_FILTER_SETUP, 1, 6}}));
}

}  // namespace
