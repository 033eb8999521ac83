// Coalesced invalidation and double-buffered painting.
#include <cstdio>
#include <filesystem>

#include "ui_fixture.h"

namespace ui::testing {
namespace {

class Filled : public LogWindow {
  public:
    Filled(Application* app, gfx::Color c) : LogWindow(app, nullptr, "f"), color(c) {}
    gfx::Color color;
    gfx::Rect clip_seen;

  protected:
    void OnPaint(gfx::Canvas& canvas) override {
        // Paints far beyond its own client area: the clip must hold it in.
        canvas.FillRect({-1000, -1000, 1000, 1000}, color);
    }
};

const gfx::Color kBlue = gfx::Rgb(0, 0, 255), kRed = gfx::Rgb(255, 0, 0), kGreen = gfx::Rgb(0, 255, 0);

class UiPaintTest : public UiTest {
  protected:
    UiPaintTest() : parent(&app, kBlue), child(&app, kRed), grandchild(&app, kGreen) {
        parent.Create(&top, 1, gfx::RectFromSize(0, 0, 200, 150));
        child.Create(&parent, 2, gfx::RectFromSize(20, 30, 60, 40));
        grandchild.Create(&child, 3, gfx::RectFromSize(50, 30, 40, 40));  // sticks out of child
        hl.RunPending();
        for (Filled* f : {&parent, &child, &grandchild}) f->paints = 0;
    }
    Filled parent, child, grandchild;
};

TEST_F(UiPaintTest, InvalidationsCoalesceIntoOnePaintPerWindow) {
    const int presents = hl.Presents();
    for (int i = 0; i < 5; ++i) child.Invalidate();
    parent.Invalidate();
    grandchild.Invalidate();
    EXPECT_EQ(child.paints, 0) << "painting waits for the loop";
    hl.RunPending();
    EXPECT_EQ(parent.paints, 1);
    EXPECT_EQ(child.paints, 1);
    EXPECT_EQ(grandchild.paints, 1);
    EXPECT_EQ(hl.Presents(), presents + 1);
    hl.RunPending();
    EXPECT_EQ(parent.paints, 1);
}

TEST_F(UiPaintTest, ChildrenPaintClippedAndTranslatedIntoTheTopLevelBuffer) {
    parent.Invalidate();
    hl.RunPending();
    const gfx::Bitmap& back = top.BackBuffer();
    struct Probe {
        int x, y;
        gfx::Color c;
    } probes[] = {
        {5, 5, kBlue},                        // parent only
        {25, 35, kRed},                       // child
        {75, 65, kGreen},                     // grandchild inside child
        {85, 65, kBlue},                      // grandchild outside child: clipped away
        {199, 149, kBlue},                    // parent's last pixel
        {250, 200, gfx::Rgb(240, 240, 240)},  // top-level background outside parent
    };
    for (const Probe& p : probes) EXPECT_EQ(back.PixelAt(p.x, p.y), p.c) << p.x << "," << p.y;
}

TEST_F(UiPaintTest, HiddenWindowsAreNotPaintedAndRenderDrawsAnyWindow) {
    child.ShowWindow(SW_HIDE);
    hl.RunPending();
    EXPECT_EQ(child.paints, 0);
    EXPECT_EQ(top.BackBuffer().PixelAt(25, 35), kBlue);
    child.Invalidate();
    hl.RunPending();
    EXPECT_EQ(child.paints, 0);

    child.ShowWindow(SW_SHOW);
    const gfx::Bitmap one = child.Render();
    EXPECT_EQ(one.Width(), 60);
    EXPECT_EQ(one.PixelAt(0, 0), kRed);
    EXPECT_EQ(one.PixelAt(55, 35), kGreen);
    const std::string path = ::testing::TempDir() + "ui_paint_child.png";
    ASSERT_TRUE(child.RenderToPng(path));
    EXPECT_GT(std::filesystem::file_size(path), 0u);
    std::remove(path.c_str());
}

}  // namespace
}  // namespace ui::testing
