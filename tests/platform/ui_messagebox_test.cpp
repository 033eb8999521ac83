// Message boxes: the test responder and the drawn box (boxes posted from workers: ui_send_tsan_test.cpp).
#include "platform/ui/messagebox.h"
#include "ui_fixture.h"

namespace ui::testing {
namespace {

using UiMessageBoxTest = UiTest;

TEST_F(UiMessageBoxTest, TheResponderRecordsEachBoxAndAnswersIt) {
    MessageBoxRecorder boxes(app);
    boxes.QueueAnswer(IDNO);
    EXPECT_EQ(
        top.MessageBox("This operation will restore factory settings!", "Alert", MB_YESNO | MB_ICONQUESTION),
        IDNO);
    EXPECT_EQ(top.MessageBox("Import failed", "Alert"), IDOK);
    ASSERT_EQ(boxes.Boxes().size(), 2u);
    EXPECT_EQ(boxes.Boxes()[0].text, "This operation will restore factory settings!");
    EXPECT_EQ(boxes.Boxes()[0].caption, "Alert");
    EXPECT_EQ(boxes.Boxes()[0].flags, unsigned{MB_YESNO | MB_ICONQUESTION});
    EXPECT_EQ(boxes.Boxes()[1].flags, unsigned{MB_OK});
}

TEST_F(UiMessageBoxTest, TheDrawnBoxIsModalAndAnswersKeysAndClicks) {
    struct Case {
        unsigned flags;
        std::vector<unsigned> keys;
        int click;  // button id to click after the keys, 0 for none
        int expected;
    } cases[] = {
        {MB_OK | MB_ICONWARNING, {VK_RETURN}, 0, IDOK},
        {MB_OK, {VK_ESCAPE}, 0, IDOK},
        {MB_YESNO | MB_ICONQUESTION, {VK_RETURN}, 0, IDYES},
        {MB_YESNO | MB_DEFBUTTON2, {VK_RETURN}, 0, IDNO},
        {MB_YESNO, {VK_ESCAPE}, IDNO, IDNO},  // Esc does nothing in a Yes/No box
        {MB_YESNO, {VK_TAB, VK_RETURN}, 0, IDNO},
    };
    for (const Case& c : cases) {
        bool owner_disabled = false;
        app.SetModalObserver([&](Window& box) {
            owner_disabled = !top.IsWindowEnabled();
            for (unsigned k : c.keys) hl.KeyPress(k);
            if (c.click) app.Post([&, id = c.click] { hl.ClickWindow(*box.GetDlgItem(id)); });
        });
        EXPECT_EQ(top.MessageBox("Error checksum, upgrade failed!", "Alert", c.flags), c.expected) << c.flags;
        EXPECT_TRUE(owner_disabled);
        EXPECT_TRUE(top.IsWindowEnabled());
    }
}

TEST_F(UiMessageBoxTest, TheDrawnBoxShowsItsTextOnWhite) {
    gfx::Bitmap shot;
    app.SetModalObserver([&](Window& box) {
        app.Post([&] {
            shot = box.Render();
            static_cast<Dialog&>(box).EndDialog(IDOK);
        });
    });
    top.MessageBox("Please import the upgrade file.", "Alert", MB_OK | MB_ICONINFORMATION);
    ASSERT_FALSE(shot.IsNull());
    EXPECT_GE(shot.Width(), 200);
    EXPECT_EQ(shot.PixelAt(shot.Width() - 5, 5), gfx::Rgb(255, 255, 255));
    // Some dark text pixels in the text band.
    int dark = 0;
    for (int x = 60; x < shot.Width() - 24; ++x) {
        for (int y = 24; y < 56; ++y) dark += shot.PixelAt(x, y).r < 100;
    }
    EXPECT_GT(dark, 20);
}

}  // namespace
}  // namespace ui::testing
