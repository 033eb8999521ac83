// Track bars: clamped positions, keyboard steps, thumb drags, channel pages, and the progress bar's range.
#include "platform/ui/edit.h"
#include "platform/ui/progressbar.h"
#include "platform/ui/trackbar.h"
#include "ui_controls_fixture.h"

namespace ui::testing {
namespace {

class TrackBarTest : public ControlTest {
  protected:
    TrackBarTest() : vertical(&app), horizontal(&app) {
        vertical.SetControlStyle(res::kVertical);
        vertical.Create(&parent, 1200, gfx::RectFromSize(10, 10, 20, 140));
        vertical.SetRange(0, 60);
        vertical.SetLineSize(1);
        vertical.SetPageSize(0);
        horizontal.Create(&parent, 1300, gfx::RectFromSize(60, 10, 200, 24));
        horizontal.SetRange(0, 100);
        hl.RunPending();
    }
    gfx::Point ThumbCentre(const TrackBar& t) const {
        const gfx::Rect r = t.GetThumbRect();
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    TrackBar vertical, horizontal;
};

TEST_F(TrackBarTest, PositionsAreClampedAndSetPosNotifiesNothing) {
    vertical.SetPos(75);
    EXPECT_EQ(vertical.GetPos(), 60);
    vertical.SetPos(-3);
    EXPECT_EQ(vertical.GetPos(), 0);
    vertical.SetPos(30);
    vertical.SetRange(0, 20);
    EXPECT_EQ(vertical.GetPos(), 20);
    hl.RunPending();
    EXPECT_TRUE(parent.log.empty());
}

TEST_F(TrackBarTest, AVerticalTrackBarHasItsMinimumAtTheTop) {
    vertical.SetPos(0);
    const int top = vertical.GetThumbRect().top;
    vertical.SetPos(60);
    EXPECT_GT(vertical.GetThumbRect().top, top);
    EXPECT_LE(vertical.GetThumbRect().bottom, 140);
}

TEST_F(TrackBarTest, KeysStepByLineAndPageAndTheReleaseEndsTheTrack) {
    horizontal.SetPos(50);
    horizontal.SetLineSize(3);
    horizontal.SetPageSize(25);
    horizontal.SetFocus();
    hl.KeyPress(VK_RIGHT);
    hl.KeyPress(VK_PRIOR);
    hl.KeyPress(VK_END);
    hl.KeyPress(VK_END);  // at the end already: no move, only the release's end notice
    hl.RunPending();
    EXPECT_EQ(horizontal.GetPos(), 100);
    EXPECT_EQ(parent.Take(),
              (std::vector<std::string>{"HSCROLL 1 0", "HSCROLL 8 0", "HSCROLL 2 0", "HSCROLL 8 0",
                                        "HSCROLL 7 0", "HSCROLL 8 0", "HSCROLL 8 0"}));
}

TEST_F(TrackBarTest, AStepStopsAtTheRangesEnd) {
    vertical.SetPos(1);
    vertical.SetFocus();
    hl.KeyPress(VK_UP);
    hl.KeyPress(VK_UP);
    hl.RunPending();
    EXPECT_EQ(vertical.GetPos(), 0);
    EXPECT_EQ(parent.Count("VSCROLL 0 0"), 1);
}

TEST_F(TrackBarTest, AThumbDragSendsTrackNoticesAndEndsWithPositionAndEndTrack) {
    vertical.SetPos(0);
    const gfx::Point start = ThumbCentre(vertical);
    hl.MouseDown(hl.ScreenPointOf(vertical, start));
    hl.RunPending();
    EXPECT_TRUE(vertical.HasFocus());
    EXPECT_EQ(app.GetCapture(), &vertical);
    for (int dy : {20, 40, 40, 300})
        hl.MouseMove(hl.ScreenPointOf(vertical, gfx::Point{start.x + 50, start.y + dy}));
    hl.MouseUp(hl.ScreenPointOf(vertical, gfx::Point{start.x + 50, start.y + 300}));
    hl.RunPending();
    const std::vector<std::string> log = parent.Take();
    ASSERT_EQ(log.size(), 5u);  // the repeated point moves nothing and is not reported
    EXPECT_EQ(log[0].rfind("VSCROLL 5 ", 0), 0u);
    EXPECT_EQ(log[1].rfind("VSCROLL 5 ", 0), 0u);
    EXPECT_EQ(log[2], "VSCROLL 5 60");  // past the end: clamped
    EXPECT_EQ(log[3], "VSCROLL 4 60");
    EXPECT_EQ(log[4], "VSCROLL 8 0");
    EXPECT_EQ(vertical.GetPos(), 60);
    EXPECT_EQ(app.GetCapture(), nullptr);
}

TEST_F(TrackBarTest, ADragGoesOnWhenTheParentMovesTheFocusElsewhere) {
    Edit edit(&app);
    edit.Create(&parent, 1059, gfx::RectFromSize(300, 200, 60, 20));
    vertical.SetPos(0);
    const gfx::Point start = ThumbCentre(vertical);
    hl.MouseDown(hl.ScreenPointOf(vertical, start));
    hl.RunPending();
    edit.SetFocus();  // as the main window does on every slider notice
    hl.MouseMove(hl.ScreenPointOf(vertical, gfx::Point{start.x, start.y + 60}));
    hl.MouseUp(hl.ScreenPointOf(vertical, gfx::Point{start.x, start.y + 60}));
    hl.RunPending();
    EXPECT_GT(vertical.GetPos(), 20);
    EXPECT_EQ(parent.log.back(), "VSCROLL 8 0");
    EXPECT_TRUE(edit.HasFocus());
}

TEST_F(TrackBarTest, APressOnTheChannelPagesTowardThePointUntilTheRelease) {
    horizontal.SetPos(0);
    horizontal.SetPageSize(10);
    hl.MouseDown(hl.ScreenPointOf(horizontal, gfx::Point{190, 12}));
    hl.RunPending();
    EXPECT_EQ(horizontal.GetPos(), 10);
    hl.AdvanceClock(700);  // the repeat starts after 500 ms, then every 100 ms
    EXPECT_EQ(horizontal.GetPos(), 40);
    hl.MouseUp(hl.ScreenPointOf(horizontal, gfx::Point{190, 12}));
    hl.RunPending();
    const std::vector<std::string> log = parent.Take();
    EXPECT_EQ(std::count(log.begin(), log.end(), "HSCROLL 3 0"), 4);
    EXPECT_EQ(log.back(), "HSCROLL 8 0");
    hl.AdvanceClock(1000);
    EXPECT_EQ(horizontal.GetPos(), 40);
}

TEST_F(TrackBarTest, AZeroPageSizeStillNotifiesAPageAsWindowsDoes) {
    vertical.SetPos(30);
    hl.MouseDown(hl.ScreenPointOf(vertical, gfx::Point{10, 135}));
    hl.MouseUp(hl.ScreenPointOf(vertical, gfx::Point{10, 135}));
    hl.RunPending();
    EXPECT_EQ(vertical.GetPos(), 30);
    EXPECT_EQ(parent.Take(), (std::vector<std::string>{"VSCROLL 3 0", "VSCROLL 8 0"}));
}

TEST_F(TrackBarTest, APaintAsksTheColourStepAsAStatic) {
    parent.log_colors = true;
    PaintAll();
    EXPECT_EQ(parent.Count("CTLCOLOR 6"), 2);
}

TEST(ProgressBarTest, ThePositionStaysInsideTheRange) {
    Application app(std::make_unique<HeadlessBackend>());
    ProgressBar bar(&app);
    bar.SetRange(1, 1000);
    EXPECT_EQ(bar.GetPos(), 1);
    bar.SetPos(500);
    EXPECT_EQ(bar.SetPos(2000), 500);
    EXPECT_EQ(bar.GetPos(), 1000);
    bar.SetPos(-5);
    EXPECT_EQ(bar.GetPos(), 1);
}

}  // namespace
}  // namespace ui::testing
