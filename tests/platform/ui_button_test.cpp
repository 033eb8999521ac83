// Buttons, statics and pictures: clicks, double clicks, owner draw with its colour step, hit testing.
#include "platform/ui/button.h"
#include "platform/ui/edit.h"
#include "platform/ui/picture.h"
#include "platform/ui/static.h"
#include "ui_controls_fixture.h"

namespace ui::testing {
namespace {

// A parent that draws its owner-drawn buttons and records what it was given.
class DrawingParent : public NoticeParent {
  public:
    using NoticeParent::NoticeParent;
    std::vector<DrawItemStruct> draws;
    std::vector<gfx::Color> text_at_draw;
    gfx::Color step_text = gfx::Rgb(254, 254, 254);

  protected:
    const gfx::Brush* OnCtlColor(gfx::Canvas& canvas, Window* control, int kind) override {
        if (kind != CTLCOLOR_BTN) return NoticeParent::OnCtlColor(canvas, control, kind);
        canvas.SetTextColor(step_text);
        canvas.SetBkMode(gfx::BkMode::kTransparent);
        return NullBrush();
    }
    bool OnDrawItem(int, DrawItemStruct& dis) override {
        draws.push_back(dis);
        text_at_draw.push_back(dis.canvas->TextColor());
        dis.canvas->FillRect(dis.rcItem,
                             (dis.itemState & ODS_SELECTED) ? gfx::Rgb(0, 0, 255) : gfx::Rgb(90, 90, 90));
        return true;
    }
};

class ButtonTest : public UiTest {
  protected:
    ButtonTest() : parent(&app), button(&app), owner_drawn(&app) {
        parent.Create(&top, 1, gfx::RectFromSize(0, 0, 400, 300));
        button.Create(&parent, 1234, gfx::RectFromSize(10, 10, 80, 24), "Push");
        owner_drawn.SetOwnerDraw(true);
        owner_drawn.Create(&parent, 1060, gfx::RectFromSize(10, 50, 80, 24), "非静音");
        hl.RunPending();
        parent.Take();
    }
    DrawingParent parent;
    Button button, owner_drawn;
};

TEST_F(ButtonTest, AClickIsAPressAndAReleaseOnTheButton) {
    hl.ClickWindow(button);
    hl.RunPending();
    EXPECT_EQ(parent.Take(), (std::vector<std::string>{"COMMAND 1234 0"}));
    EXPECT_TRUE(button.HasFocus());
}

TEST_F(ButtonTest, AnEditsKillFocusNoticeComesBeforeThePressedButtonsClick) {
    Edit edit(&app);
    edit.Create(&parent, 1059, gfx::RectFromSize(200, 10, 60, 20));
    edit.SetFocus();
    parent.Take();
    hl.ClickWindow(button);
    hl.RunPending();
    EXPECT_EQ(parent.Take(), (std::vector<std::string>{"COMMAND 1059 512", "COMMAND 1234 0"}));
}

TEST_F(ButtonTest, AReleaseAwayFromTheButtonClicksNothing) {
    hl.MouseDown(hl.ScreenPointOf(button));
    hl.MouseMove(hl.ScreenPointOf(button, gfx::Point{200, 200}));
    hl.RunPending();
    EXPECT_FALSE(button.IsPushed());
    hl.MouseUp(hl.ScreenPointOf(button, gfx::Point{200, 200}));
    hl.RunPending();
    EXPECT_TRUE(parent.log.empty());
}

TEST_F(ButtonTest, AnOwnerDrawnButtonsDoubleClickFollowsItsFirstClick) {
    hl.DoubleClick(hl.ScreenPointOf(owner_drawn));
    hl.RunPending();
    EXPECT_EQ(parent.Take(), (std::vector<std::string>{"COMMAND 1060 0", "COMMAND 1060 5"}));
}

TEST_F(ButtonTest, APlainButtonCountsADoubleClickAsTwoClicks) {
    hl.DoubleClick(hl.ScreenPointOf(button));
    hl.RunPending();
    EXPECT_EQ(parent.Take(), (std::vector<std::string>{"COMMAND 1234 0", "COMMAND 1234 0"}));
}

TEST_F(ButtonTest, TwoClicksFurtherApartThanTheDoubleClickTimeAreTwoClicks) {
    hl.ClickWindow(owner_drawn);
    hl.AdvanceClock(600);
    hl.ClickWindow(owner_drawn);
    hl.RunPending();
    EXPECT_EQ(parent.Take(), (std::vector<std::string>{"COMMAND 1060 0", "COMMAND 1060 0"}));
}

TEST_F(ButtonTest, SpaceClicksTheFocusedButtonOnItsRelease) {
    button.SetFocus();
    hl.KeyDown(VK_SPACE);
    hl.RunPending();
    EXPECT_TRUE(button.IsPushed());
    EXPECT_TRUE(parent.log.empty());
    hl.KeyUp(VK_SPACE);
    hl.RunPending();
    EXPECT_EQ(parent.Take(), (std::vector<std::string>{"COMMAND 1234 0"}));
}

TEST_F(ButtonTest, TheParentDrawsTheOwnerDrawnButtonWithItsStatesAndTheColourStepsText) {
    hl.MouseDown(hl.ScreenPointOf(owner_drawn));
    hl.RunPending();
    parent.draws.clear();
    parent.text_at_draw.clear();
    top.Invalidate();
    hl.RunPending();
    ASSERT_FALSE(parent.draws.empty());
    const DrawItemStruct& d = parent.draws.back();
    EXPECT_EQ(d.CtlType, ODT_BUTTON);
    EXPECT_EQ(d.CtlID, 1060u);
    EXPECT_EQ(d.hwndItem, &owner_drawn);
    EXPECT_EQ(d.rcItem, gfx::RectFromSize(0, 0, 80, 24));
    EXPECT_EQ(d.itemState & (ODS_SELECTED | ODS_FOCUS), ODS_SELECTED | ODS_FOCUS);
    EXPECT_EQ(parent.text_at_draw.back(), gfx::Rgb(254, 254, 254));
    const gfx::Bitmap shot = top.Render();
    EXPECT_EQ(shot.PixelAt(50, 60), gfx::Rgb(0, 0, 255));
    hl.MouseUp(hl.ScreenPointOf(owner_drawn));
    owner_drawn.EnableWindow(false);
    parent.draws.clear();
    top.Invalidate();
    hl.RunPending();
    ASSERT_FALSE(parent.draws.empty());
    EXPECT_EQ(parent.draws.back().itemState & (ODS_SELECTED | ODS_DISABLED), ODS_DISABLED);
}

TEST_F(ButtonTest, TheTextHoldsAStateAndASetRepaintsTheButton) {
    parent.draws.clear();
    owner_drawn.SetWindowText("静音");
    hl.RunPending();
    EXPECT_EQ(owner_drawn.GetWindowText(), "静音");
    EXPECT_FALSE(parent.draws.empty());
}

TEST_F(ButtonTest, APressOnAPlainStaticReachesTheWindowBelowAndANotifyStaticReportsIt) {
    std::vector<std::string> log;
    LogWindow below(&app, &log, "below");
    below.Create(&parent, 7, gfx::RectFromSize(100, 100, 200, 100));
    Static label(&app), notify(&app);
    label.Create(&below, 1413, gfx::RectFromSize(10, 10, 60, 16), "Freq");
    notify.SetControlStyle(res::kNotify);
    notify.Create(&below, 1822, gfx::RectFromSize(10, 40, 60, 16), "VLT");
    hl.RunPending();
    hl.ClickWindow(label);
    hl.RunPending();
    EXPECT_EQ(std::count(log.begin(), log.end(), "below:LDOWN"), 1);
    log.clear();
    hl.ClickWindow(notify);
    hl.RunPending();
    EXPECT_EQ(std::count(log.begin(), log.end(), "below:COMMAND"), 1);  // STN_CLICKED
    EXPECT_EQ(std::count(log.begin(), log.end(), "below:LDOWN"), 0);
    EXPECT_FALSE(notify.HasFocus());
}

TEST_F(ButtonTest, APictureStretchesItsBitmapOverItsRectangle) {
    gfx::Bitmap bmp(2, 1);
    {
        gfx::Canvas c(bmp);
        c.FillRect({0, 0, 1, 1}, gfx::Rgb(255, 0, 0));
        c.FillRect({1, 0, 2, 1}, gfx::Rgb(0, 255, 0));
    }
    Picture pic(&app);
    pic.Create(&parent, 1266, gfx::RectFromSize(200, 10, 40, 20));
    pic.SetBitmap(bmp);
    const gfx::Bitmap shot = pic.Render();
    EXPECT_EQ(shot.PixelAt(5, 15), gfx::Rgb(255, 0, 0));
    EXPECT_EQ(shot.PixelAt(35, 2), gfx::Rgb(0, 255, 0));
}

}  // namespace
}  // namespace ui::testing
