// The skinned slider and the owner-drawn combo box on the headless backend.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "controls/mycombobox.h"
#include "controls/newsliderctrl.h"
#include "platform/backend/headless.h"
#include "platform/res/pngimages.h"
#include "platform/ui/application.h"
#include "platform/ui/controlmessages.h"
#include "platform/ui/listbox.h"

namespace {

constexpr gfx::Color kParentBackground = gfx::Rgb(10, 200, 10);
constexpr gfx::Color kBefore = gfx::Rgb(200, 0, 0);
constexpr gfx::Color kAfter = gfx::Rgb(0, 0, 200);
constexpr gfx::Color kThumb = gfx::Rgb(250, 250, 0);

// A parent that records its controls' notices.
class Parent : public ui::Window {
  public:
    using ui::Window::Window;
    std::vector<std::string> log;

  protected:
    void OnVScroll(unsigned code, int pos, ui::Window*) override {
        log.push_back("V " + std::to_string(code) + " " + std::to_string(pos));
    }
    void OnHScroll(unsigned code, int pos, ui::Window*) override {
        log.push_back("H " + std::to_string(code) + " " + std::to_string(pos));
    }
    bool OnCommand(int id, unsigned code, ui::Window*) override {
        log.push_back("C " + std::to_string(id) + " " + std::to_string(code));
        return true;
    }
};

class SkinnedTest : public ::testing::Test {
  protected:
    SkinnedTest() : app(std::make_unique<ui::HeadlessBackend>()), hl(*app.Headless()), top(&app) {
        top.CreateTopLevel(gfx::RectFromSize(100, 100, 400, 300), "top", ui::WS_VISIBLE);
        top.SetBackground(kParentBackground);
        app.SetMainWindow(&top);
        Solid(1, {20, 120}, kBefore);
        Solid(2, {20, 120}, kAfter);
        Solid(3, {16, 48}, kThumb);  // three frames stacked
        hl.RunPending();
    }
    ~SkinnedTest() override { app.SetMainWindow(nullptr); }
    void Solid(int id, gfx::Size size, gfx::Color colour) {
        app.Skin().Add(id, size, [colour](gfx::Canvas& c, gfx::Size s) { c.FillRect(gfx::RectFromSize(0, 0, s.cx, s.cy), colour); });
    }
    gfx::Color PixelOf(const ui::Window& w, gfx::Point client) {
        top.Invalidate();
        hl.RunPending();
        const gfx::Bitmap shot = top.Render();
        const gfx::Point p = top.ScreenToClient(w.ClientToScreen(client));
        return shot.PixelAt(p.x, p.y);
    }

    ui::Application app;
    ui::HeadlessBackend& hl;
    Parent top;
};

// ---- Slider ----

TEST(SliderItem, FramesCountByIntegerDivision) {
    const struct {
        int w, h;
        unsigned fw, fh;
        int count;
        bool vertical;
    } cases[] = {{30, 90, 30, 30, 3, true}, {90, 30, 30, 30, 3, false}, {30, 30, 30, 30, 1, true},
                 {30, 100, 30, 30, 3, true}, {30, 90, 0, 0, 1, true},   {0, 0, 30, 30, 0, true},
                 {0, 0, 0, 0, 0, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.w) + "x" + std::to_string(c.h));
        CNewSliderItem item;
        item.Init(c.w ? gfx::Bitmap(c.w, c.h) : gfx::Bitmap(), c.fw, c.fh);
        EXPECT_EQ(item.GetCount(), c.count);
        EXPECT_EQ(item.IsVertical(), c.vertical);
        gfx::Rect r;
        EXPECT_EQ(item.GetFrameRect(r, c.count - 1), c.count > 0);
        EXPECT_FALSE(item.GetFrameRect(r, c.count));
    }
}

TEST(SliderItem, AnEmptyStripDrawsNothing) {
    gfx::Bitmap target(8, 8);
    gfx::Canvas canvas(target);
    canvas.FillRect(gfx::RectFromSize(0, 0, 8, 8), kThumb);
    CNewSliderItem item;
    item.Init(gfx::Bitmap(), 0, 0);
    EXPECT_FALSE(item.DrawFrame(canvas, 0));
    EXPECT_FALSE(item.DrawRegion(canvas, 0, 0, 0, 0, 0, 0));
    EXPECT_EQ(target.PixelAt(3, 3), kThumb);
}

class SliderTest : public SkinnedTest {
  protected:
    std::unique_ptr<ui::TrackBar> Make(bool skinned, bool vertical, int x) {
        std::unique_ptr<ui::TrackBar> s = skinned ? std::make_unique<CNewSliderCtrl>(&app) : std::make_unique<ui::TrackBar>(&app);
        if (vertical) s->SetControlStyle(res::kVertical);
        s->Create(&top, 1200, vertical ? gfx::RectFromSize(x, 20, 20, 120) : gfx::RectFromSize(x, 20, 120, 20));
        s->SetRange(0, 60);
        return s;
    }
};

TEST_F(SliderTest, AThumbDragGivesTheStockNotices) {
    std::vector<std::vector<std::string>> logs;
    for (bool skinned : {false, true}) {
        auto slider = Make(skinned, true, 50);
        if (skinned) {
            auto& s = static_cast<CNewSliderCtrl&>(*slider);
            s.SetThumbBitmap(3, 16, 16);
            s.SetTrackBitmaps(2, 1);
        }
        slider->SetPos(10);
        top.Invalidate();
        hl.RunPending();
        top.log.clear();
        const gfx::Rect t = slider->GetThumbRect();
        const gfx::Point at = slider->ClientToScreen({(t.left + t.right) / 2, (t.top + t.bottom) / 2});
        if (skinned) {
            auto& s = static_cast<CNewSliderCtrl&>(*slider);
            // The press lands on the thumb window, which hands it on.
            ASSERT_TRUE(s.Thumb().GetWindowRect().Contains(at));
        }
        hl.MouseDown(at);
        hl.MouseMove({at.x, at.y + 30});
        hl.MouseUp({at.x, at.y + 30});
        hl.RunPending();
        EXPECT_GT(slider->GetPos(), 10);
        logs.push_back(top.log);
    }
    EXPECT_FALSE(logs[0].empty());
    EXPECT_EQ(logs[1], logs[0]);
}

TEST_F(SliderTest, TheThumbIsCentredOnTheStockThumbAndShiftedAcrossByTheOffset) {
    for (bool vertical : {true, false}) {
        SCOPED_TRACE(vertical);
        CNewSliderCtrl plain(&app), shifted(&app);
        for (CNewSliderCtrl* s : {&plain, &shifted}) {
            if (vertical) s->SetControlStyle(res::kVertical);
            s->Create(&top, 1200, vertical ? gfx::RectFromSize(10, 10, 20, 120) : gfx::RectFromSize(10, 10, 120, 20));
            s->SetRange(0, 60);
            s->SetPos(30);
            s->SetThumbBitmap(3, 16, 16);
            s->SetTrackBitmaps(vertical ? 2 : 2, vertical ? 1 : 1);
        }
        shifted.SetThumbOffset(2);
        const gfx::Rect a = plain.CalcThumbRect(), b = shifted.CalcThumbRect();
        EXPECT_EQ(b.left - a.left, vertical ? 2 : 0);
        EXPECT_EQ(b.top - a.top, vertical ? 0 : 2);
        const gfx::Rect t = plain.GetThumbRect();
        EXPECT_LE(std::abs((a.left + a.right) - (t.left + t.right)), 1);
        EXPECT_LE(std::abs((a.top + a.bottom) - (t.top + t.bottom)), 1);
        top.Invalidate();
        hl.RunPending();
        EXPECT_EQ(shifted.Thumb().RectInParent(), b);
    }
}

TEST_F(SliderTest, NothingIsDrawnUntilTheThumbAndBothTracksExist) {
    CNewSliderCtrl slider(&app);
    slider.SetControlStyle(res::kVertical);
    slider.Create(&top, 1200, gfx::RectFromSize(10, 10, 30, 150));
    slider.SetRange(0, 60);
    slider.SetPos(60);
    EXPECT_EQ(PixelOf(slider, {5, 60}), kParentBackground);
    // The thumb shows at the top left until the slider first draws itself.
    slider.SetThumbBitmap(3, 16, 16);
    EXPECT_EQ(PixelOf(slider, {5, 60}), kParentBackground);
    EXPECT_EQ(PixelOf(slider, {5, 5}), kThumb);
    slider.SetTrackBitmaps(2, 1);
    // The control takes the before bitmap's size; the before bitmap runs from the top to the thumb.
    EXPECT_EQ(slider.GetClientRect(), gfx::RectFromSize(0, 0, 20, 120));
    EXPECT_EQ(PixelOf(slider, {1, 5}), kBefore);
    slider.SetPos(0);
    EXPECT_EQ(PixelOf(slider, {1, 115}), kAfter);
    // A second thumb call changes nothing.
    const gfx::Rect thumb = slider.Thumb().GetClientRect();
    slider.SetThumbBitmap(2, 20, 120);
    EXPECT_EQ(slider.Thumb().GetClientRect(), thumb);
}

TEST_F(SliderTest, APressedThumbShowsFrameTwoAndAReleasedOneFrameOne) {
    const struct {
        int frameHeight;  // of a 16 x 48 strip
        int pressed, released;
    } cases[] = {{16, 2, 1}, {24, 0, 1}, {48, 0, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.frameHeight);
        CNewSliderCtrl slider(&app);
        slider.SetControlStyle(res::kVertical);
        slider.Create(&top, 1200, gfx::RectFromSize(10, 10, 20, 120));
        slider.SetThumbBitmap(3, 16, c.frameHeight);
        slider.SetTrackBitmaps(2, 1);
        top.Invalidate();
        hl.RunPending();
        const gfx::Point at = slider.Thumb().ClientToScreen({4, 4});
        hl.MouseDown(at);
        hl.RunPending();
        EXPECT_EQ(slider.Thumb().Frame(), c.pressed);
        hl.MouseUp(at);
        hl.RunPending();
        EXPECT_EQ(slider.Thumb().Frame(), c.released);
    }
}

// ---- Combo box ----

class CountingCombo : public CMyComboBox {
  public:
    using CMyComboBox::CMyComboBox;
    std::vector<int> painted;
    void PaintListItem(gfx::Canvas& canvas, int index, const gfx::Rect& rect) { PaintItem(canvas, index, rect, {}); }

  protected:
    void PaintItem(gfx::Canvas& canvas, int index, const gfx::Rect& rect, const ui::PaintState& state) override {
        painted.push_back(index);
        CMyComboBox::PaintItem(canvas, index, rect, state);
    }
};

class ComboTest : public SkinnedTest {
  protected:
    ComboTest() : combo(&app) {
        combo.SetControlStyle(res::kOwnerDrawList);
        combo.Create(&top, 1300, gfx::RectFromSize(20, 20, 150, 24));
        for (const char* s : {"Off", "6dB/Oct", "12dB/Oct", "18dB/Oct"}) combo.AddItem(s, 0, gfx::Rgb(255, 255, 255));
        hl.RunPending();
    }
    CountingCombo combo;
};

TEST_F(ComboTest, APickSendsOneNotice) {
    combo.SetCurSel(0);
    hl.ClickWindow(combo);
    hl.RunPending();
    ASSERT_TRUE(combo.GetDroppedState());
    ui::ListBox* list = combo.GetDropList();
    ASSERT_NE(list, nullptr);
    top.log.clear();
    const gfx::Rect r = list->GetItemRect(2);
    hl.Click(list->ClientToScreen({r.left + 5, (r.top + r.bottom) / 2}));
    hl.RunPending();
    EXPECT_EQ(combo.GetCurSel(), 2);
    EXPECT_EQ(std::count(top.log.begin(), top.log.end(), "C 1300 " + std::to_string(ui::CBN_SELCHANGE)), 1);
}

TEST_F(ComboTest, TheHoverRedrawsTheItemLeftAndTheItemEntered) {
    combo.SetCurSel(0);
    hl.ClickWindow(combo);
    hl.RunPending();
    ui::ListBox* list = combo.GetDropList();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->GetItemRect(1).Height(), 30);
    const auto centre = [&](int i) {
        const gfx::Rect r = list->GetItemRect(i);
        return list->ClientToScreen({r.left + 5, (r.top + r.bottom) / 2});
    };
    hl.MouseMove(centre(1));
    hl.RunPending();
    EXPECT_EQ(combo.HoveredItem(), 1);
    combo.painted.clear();
    hl.MouseMove(centre(2));
    hl.RunPending();
    EXPECT_EQ(combo.HoveredItem(), 2);
    std::vector<int> painted = combo.painted;
    std::sort(painted.begin(), painted.end());
    painted.erase(std::unique(painted.begin(), painted.end()), painted.end());
    EXPECT_EQ(painted, (std::vector<int>{1, 2}));
    hl.KeyPress(ui::VK_ESCAPE);
    hl.RunPending();
}

TEST_F(ComboTest, NoSelectionPaintsNoFace) {
    combo.SetCurSel(-1);
    EXPECT_EQ(PixelOf(combo, {5, 5}), kParentBackground);
    combo.SetCurSel(1);
    EXPECT_EQ(PixelOf(combo, {2, 2}), gfx::Rgb(33, 44, 61));
}

TEST_F(ComboTest, AMissingArrowImageGivesTheSystemArrow) {
    gfx::Bitmap red(22, 20);
    {
        gfx::Canvas c(red);
        c.FillRect(gfx::RectFromSize(0, 0, 22, 20), gfx::Rgb(255, 0, 0));
    }
    const std::vector<std::uint8_t> png = red.EncodePng();
    res::ProgramImages().Add(9901, png);
    combo.SetCurSel(1);
    const gfx::Rect c = combo.GetClientRect();
    const gfx::Point arrow{c.right - 11, c.Height() / 2};
    combo.SetArrowImages(9901, 9901);
    EXPECT_TRUE(combo.HasArrowImages());
    EXPECT_EQ(PixelOf(combo, arrow), gfx::Rgb(255, 0, 0));
    combo.SetArrowImages(9901, 9902);
    EXPECT_FALSE(combo.HasArrowImages());
    EXPECT_NE(PixelOf(combo, arrow), gfx::Rgb(255, 0, 0));
    EXPECT_NE(PixelOf(combo, arrow), gfx::Rgb(33, 44, 61));
}

// An entry added past the item records, and an id no entry has, draw nothing in the list; chosen, such an
// entry leaves the face without text.
TEST_F(ComboTest, AnEntryWithoutARecordDrawsNothing) {
    ASSERT_EQ(combo.AddString("no record"), 4);
    const gfx::Rect rect = gfx::RectFromSize(0, 0, 150, 30);
    const struct {
        int index;
        bool draws;
    } cases[] = {{1, true}, {4, false}, {-1, false}, {99, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.index);
        gfx::Bitmap target(rect.Width(), rect.Height());
        gfx::Canvas canvas(target);
        canvas.FillRect(rect, kThumb);
        combo.PaintListItem(canvas, c.index, rect);
        int changed = 0;
        for (int y = 0; y < rect.Height(); ++y) {
            for (int x = 0; x < rect.Width(); ++x) changed += target.PixelAt(x, y) != kThumb;
        }
        EXPECT_EQ(changed > 0, c.draws);
    }
    combo.SetCurSel(4);
    const gfx::Bitmap face = combo.Render();
    for (int y = 0; y < face.Height(); ++y) {
        for (int x = 0; x < face.Width() - 22; ++x) ASSERT_EQ(face.PixelAt(x, y), gfx::Rgb(33, 44, 61)) << x << "," << y;
    }
}

TEST_F(ComboTest, AFaceNameIsCutTo31Characters) {
    combo.SetTextFont(12, std::string(40, 'x'), gfx::Rgb(1, 0, 0), gfx::Rgb(255, 255, 255), 700);
    EXPECT_EQ(combo.ItemFont().face, std::string(31, 'x'));
    EXPECT_EQ(combo.ItemFont().weight, 700);
    combo.SetTextFont(12, std::string(31, 'y'), gfx::Rgb(1, 0, 0), gfx::Rgb(255, 255, 255), 400);
    EXPECT_EQ(combo.ItemFont().face, std::string(31, 'y'));
}

}  // namespace
