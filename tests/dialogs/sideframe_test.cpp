// The frame the side dialogs share: Enter and Esc per dialog, the close button's bitmaps by DPI band,
// dragging by a label, and the drawn buttons' pressed bitmap.
#include <functional>
#include <memory>
#include <string>

#include "device/names.h"
#include "device/status.h"
#include "dialogs/dialogdelaycale.h"
#include "dialogs/dialogfile.h"
#include "dialogs/dialogfiltersetup.h"
#include "dialogs/dialoglogo.h"
#include "dialogs/dialogsetup.h"
#include "dialogs/inputaudiosource.h"
#include "dialogs/loadpercent.h"
#include "dialogs/modeslotdialog.h"
#include "dialogs/savechannelname.h"
#include "sidedialogfixture.h"

namespace {

const char kNoNames[kModeSlots][kNameLen + 1] = {};

struct DialogCase {
    const char* name;
    std::function<std::unique_ptr<ui::Dialog>(ui::Application&)> make;
    bool enterAccepts;
};

std::vector<DialogCase> AllDialogs() {
    return {
        {"CSaveModeToDsp", [](ui::Application& a) { return std::make_unique<CSaveModeToDsp>(0, kNoNames, nullptr, &a); },
         true},
        {"CImportModeDsp", [](ui::Application& a) { return std::make_unique<CImportModeDsp>(0, kNoNames, nullptr, &a); },
         true},
        {"CInputAudioSource", [](ui::Application& a) { return std::make_unique<CInputAudioSource>(1, 0, nullptr, &a); },
         true},
        {"CSaveChannelName", [](ui::Application& a) { return std::make_unique<CSaveChannelName>(0, "", nullptr, &a); },
         true},
        {"CDialogLogo", [](ui::Application& a) { return std::make_unique<CDialogLogo>(&a); }, true},
        {"CDialogFile", [](ui::Application& a) { return std::make_unique<CDialogFile>(nullptr, &a); }, false},
        {"CDialogSetup", [](ui::Application& a) { return std::make_unique<CDialogSetup>(0, nullptr, &a); }, false},
        {"CDialogDelayCale", [](ui::Application& a) { return std::make_unique<CDialogDelayCale>(nullptr, &a); },
         false},
        {"CDialogFilterSetup", [](ui::Application& a) { return std::make_unique<CDialogFilterSetup>(nullptr, &a); },
         false},
    };
}

int RunModal(ui::Dialog& d) {
    if (auto* t = dynamic_cast<ui::TemplateDialog*>(&d)) return t->DoModal();
    return d.DoModal();
}

class SideFrameTest : public SideDialogTest {
  protected:
    void SetUp() override {
        g_DeviceIdentified = 0;
        g_Progress = 0;
    }
    void TearDown() override {
        g_DeviceIdentified = 0;
        g_DeviceModel = 4;
        g_ModelChosenManually = 0;
        g_Progress = 0;
    }
};

TEST_F(SideFrameTest, EnterAcceptsOnlyWhereOkShowsAndEscCancelsEveryFramedDialog) {
    for (const DialogCase& c : AllDialogs()) {
        SCOPED_TRACE(c.name);
        std::unique_ptr<ui::Dialog> d = c.make(app);
        OnModal([&](ui::Dialog&) {
            hl.KeyPress(ui::VK_RETURN);
            if (!c.enterAccepts) hl.KeyPress(ui::VK_ESCAPE);
        });
        EXPECT_EQ(RunModal(*d), c.enterAccepts ? ui::IDOK : ui::IDCANCEL);
    }
}

TEST_F(SideFrameTest, TheProgressDialogIgnoresEnterAndEscAndClosesAtItsFirstTickAtTheEnd) {
    CLoadPercent progress(&app);
    g_Progress = 1000;
    const int64_t opened = app.Now();
    OnModal([&](ui::Dialog& d) {
        hl.KeyPress(ui::VK_RETURN);
        hl.KeyPress(ui::VK_ESCAPE);
        Settle();
        EXPECT_FALSE(d.IsEnded());
        EXPECT_FALSE(d.GetDlgItem(ui::IDCANCEL)->IsWindowEnabled());
        EXPECT_TRUE(d.GetDlgItem(ui::IDCANCEL)->IsWindowVisible());
    });
    EXPECT_EQ(progress.DoModal(), ui::IDOK);
    EXPECT_EQ(app.Now() - opened, 50);
    EXPECT_EQ(progress.Position(), 1000);
}

TEST(SideFrameDpiTest, TheCloseButtonTakesTheBitmapsOfItsDpiBandAndIsResizedInPlace) {
    struct Case {
        int dpi;
        int normal;
        int pressed;
    } cases[] = {{109, 301, 300}, {110, 396, 393}, {187, 608, 609}, {188, 398, 395}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dpi);
        SideDialogEnv env(c.dpi);
        CDialogFile menu(nullptr, &env.app);
        gfx::Rect before, after;
        env.OnModal([&](ui::Dialog& d) {
            d.Render();
            EXPECT_EQ(menu.LastBitmap(ui::IDCANCEL), c.normal);
            const gfx::Rect r = d.GetDlgItem(ui::IDCANCEL)->RectInParent();
            EXPECT_EQ(r.Width(), menu.Scaled(42));
            EXPECT_EQ(r.Height(), menu.Scaled(22));
            env.PressItem(d, ui::IDCANCEL);
            env.Settle();
            d.Render();
            EXPECT_EQ(menu.LastBitmap(ui::IDCANCEL), c.pressed);
            env.ReleaseItem(d, ui::IDCANCEL);
        });
        EXPECT_EQ(menu.DoModal(), ui::IDCANCEL);
    }
}

TEST_F(SideFrameTest, APressOnALabelDragsTheDialogAndAHeldTextButtonShowsItsPressedBitmap) {
    CDialogFile menu(nullptr, &app);
    OnModal([&](ui::Dialog& d) {
        // The title is a plain label: the press reaches the dialog, which drags.
        const gfx::Rect before = d.GetWindowRect();
        const gfx::Point start = hl.ScreenPointOf(*d.GetDlgItem(IDC_FILE_TITLE));
        hl.MouseDown(start);
        hl.MouseMove({start.x + 30, start.y + 20});
        hl.MouseUp({start.x + 30, start.y + 20});
        Settle();
        const gfx::Rect moved = d.GetWindowRect();
        EXPECT_EQ(moved.left - before.left, 30);
        EXPECT_EQ(moved.top - before.top, 20);

        d.Render();
        EXPECT_EQ(menu.LastBitmap(IDC_FILE_SAVE_PC), 200);
        PressItem(d, IDC_FILE_SAVE_PC);
        Settle();
        d.Render();
        EXPECT_EQ(menu.LastBitmap(IDC_FILE_SAVE_PC), 199);
        EXPECT_FALSE(d.IsEnded());
        hl.KeyPress(ui::VK_ESCAPE);
    });
    EXPECT_EQ(menu.DoModal(), ui::IDCANCEL);
    // Released over nothing of its own: no scene command.
    EXPECT_TRUE(main.Of(WM_SCENE_COMMAND).empty());
}

}  // namespace
