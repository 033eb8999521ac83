// The stock controls' paint hooks: each hook gets its part's rectangle and state, a subclass that replaces
// one hook changes the pixels of that part only, and the stock look keeps the system palette.
#include <functional>

#include "platform/res/dpi.h"
#include "platform/ui/button.h"
#include "platform/ui/combobox.h"
#include "platform/ui/edit.h"
#include "platform/ui/listbox.h"
#include "platform/ui/progressbar.h"
#include "platform/ui/trackbar.h"
#include "ui_controls_fixture.h"

namespace ui::testing {
namespace {

constexpr gfx::Color kSkin = gfx::Rgb(255, 0, 255);

// Skinned controls: each records what its hooks were given and, for the part named by `skin`, fills the
// hook's rectangle with kSkin instead of drawing the stock part.
enum class Part { kNone, kChannel, kThumb, kFace, kField, kArrow, kItem, kFrame, kText };

class SkinnedTrackBar : public TrackBar {
  public:
    using TrackBar::TrackBar;
    Part skin = Part::kNone;
    Parts channel_parts, thumb_parts;
    PaintState channel_state, thumb_state;

  protected:
    void PaintChannel(gfx::Canvas& canvas, const Parts& parts, const gfx::Brush& background,
                      const PaintState& state) override {
        channel_parts = parts;
        channel_state = state;
        if (skin == Part::kChannel)
            canvas.FillRect(parts.client, kSkin);
        else
            TrackBar::PaintChannel(canvas, parts, background, state);
    }
    void PaintThumb(gfx::Canvas& canvas, const Parts& parts, const PaintState& state) override {
        thumb_parts = parts;
        thumb_state = state;
        if (skin == Part::kThumb)
            canvas.FillRect(parts.thumb, kSkin);
        else
            TrackBar::PaintThumb(canvas, parts, state);
    }
};

class SkinnedButton : public Button {
  public:
    using Button::Button;
    Part skin = Part::kNone;
    gfx::Rect face;
    PaintState state;

  protected:
    void PaintFace(gfx::Canvas& canvas, const gfx::Rect& client, const gfx::Brush& background,
                   const PaintState& s) override {
        face = client;
        state = s;
        if (skin == Part::kFace)
            canvas.FillRect(client, kSkin);
        else
            Button::PaintFace(canvas, client, background, s);
    }
};

class SkinnedCombo : public ComboBox {
  public:
    using ComboBox::ComboBox;
    Part skin = Part::kNone;
    int skin_item = -1;  // with Part::kItem: the one item drawn by the skin
    Parts parts;
    gfx::Rect arrow;
    PaintState field_state, arrow_state;
    std::vector<std::pair<int, PaintState>> items;  // the items painted, in order

  protected:
    void PaintField(gfx::Canvas& canvas, const Parts& p, const gfx::Brush& background,
                    const PaintState& state) override {
        parts = p;
        field_state = state;
        if (skin == Part::kField)
            canvas.FillRect(p.client, kSkin);
        else
            ComboBox::PaintField(canvas, p, background, state);
    }
    void PaintArrow(gfx::Canvas& canvas, const gfx::Rect& box, const PaintState& state) override {
        arrow = box;
        arrow_state = state;
        if (skin == Part::kArrow)
            canvas.FillRect(box, kSkin);
        else
            ComboBox::PaintArrow(canvas, box, state);
    }
    void PaintItem(gfx::Canvas& canvas, int index, const gfx::Rect& rect, const PaintState& state) override {
        items.emplace_back(index, state);
        if (skin == Part::kItem && index == skin_item)
            canvas.FillRect(rect, kSkin);
        else
            ComboBox::PaintItem(canvas, index, rect, state);
    }
};

class SkinnedEdit : public Edit {
  public:
    using Edit::Edit;
    Part skin = Part::kNone;
    gfx::Rect frame;
    TextLayout layout;
    PaintState frame_state, text_state;

  protected:
    void PaintFrame(gfx::Canvas& canvas, const gfx::Rect& client, const gfx::Brush& background,
                    const PaintState& state) override {
        frame = client;
        frame_state = state;
        if (skin == Part::kFrame)
            canvas.FillRect(client, kSkin);
        else
            Edit::PaintFrame(canvas, client, background, state);
    }
    void PaintText(gfx::Canvas& canvas, const TextLayout& l, const PaintState& state) override {
        layout = l;
        text_state = state;
        if (skin == Part::kText)
            canvas.FillRect(l.area, kSkin);
        else
            Edit::PaintText(canvas, l, state);
    }
};

// Pixels where `skinned` is not what it should be: kSkin where in_skin holds, the stock pixel elsewhere.
int WrongPixels(const gfx::Bitmap& stock, const gfx::Bitmap& skinned,
                const std::function<bool(gfx::Point)>& in_skin) {
    EXPECT_EQ(stock.Width(), skinned.Width());
    EXPECT_EQ(stock.Height(), skinned.Height());
    int wrong = 0;
    for (int y = 0; y < stock.Height(); ++y) {
        for (int x = 0; x < stock.Width(); ++x) {
            const gfx::Color want = in_skin({x, y}) ? kSkin : stock.PixelAt(x, y);
            if (skinned.PixelAt(x, y) != want) ++wrong;
        }
    }
    return wrong;
}

PaintState State(bool pressed, bool hot, bool focused, bool disabled, bool selected = false) {
    PaintState s;
    s.pressed = pressed, s.hot = hot, s.focused = focused, s.disabled = disabled, s.selected = selected;
    return s;
}

gfx::Point Centre(const gfx::Rect& r) {
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

class PaintHookTest : public ControlTest {
  protected:
    PaintHookTest() : track(&app), button(&app), combo(&app), edit(&app), other(&app) {
        track.Create(&parent, 10, gfx::RectFromSize(10, 10, 160, 26));
        track.SetRange(0, 100);
        track.SetPos(30);
        button.Create(&parent, 11, gfx::RectFromSize(10, 50, 80, 24));
        button.SetWindowText("Push");
        for (const char* s : {"Auto", "Chinese", "English"}) combo.AddString(s);
        combo.Create(&parent, 12, gfx::RectFromSize(10, 90, 120, 100));
        combo.SetCurSel(1);
        edit.SetControlStyle(res::kBorder);
        edit.Create(&parent, 13, gfx::RectFromSize(10, 130, 100, 22));
        edit.SetWindowText("12.5 dB");
        other.Create(&parent, 14, gfx::RectFromSize(200, 200, 60, 20));
        hl.RunPending();
    }
    // The skinned rendering of `part` against the same control's stock rendering in the same state.
    template <class Control>
    int WrongWithSkin(Control& c, Part part, const std::function<bool(gfx::Point)>& in_skin,
                      Window* render = nullptr) {
        Window& target = render ? *render : static_cast<Window&>(c);
        c.skin = Part::kNone;
        const gfx::Bitmap stock = target.Render();
        c.skin = part;
        const gfx::Bitmap skinned = target.Render();
        c.skin = Part::kNone;
        return WrongPixels(stock, skinned, in_skin);
    }
    SkinnedTrackBar track;
    SkinnedButton button;
    SkinnedCombo combo;
    SkinnedEdit edit;
    Edit other;  // takes the focus away
};

TEST_F(PaintHookTest, ASkinnedPartChangesOnlyItsOwnPixels) {
    const gfx::Rect thumb = track.GetThumbRect();
    EXPECT_EQ(WrongWithSkin(track, Part::kThumb, [&](gfx::Point p) { return thumb.Contains(p); }), 0);
    // The track covers the client area; the stock thumb is drawn over it.
    EXPECT_EQ(WrongWithSkin(track, Part::kChannel, [&](gfx::Point p) { return !thumb.Contains(p); }), 0);

    EXPECT_EQ(WrongWithSkin(button, Part::kFace, [](gfx::Point) { return true; }), 0);

    combo.Render();
    const gfx::Rect arrow = combo.arrow;
    EXPECT_EQ(WrongWithSkin(combo, Part::kArrow, [&](gfx::Point p) { return arrow.Contains(p); }), 0);
    EXPECT_EQ(WrongWithSkin(combo, Part::kField, [&](gfx::Point p) { return !arrow.Contains(p); }), 0);

    edit.Render();
    const gfx::Rect area = edit.layout.area;
    EXPECT_EQ(WrongWithSkin(edit, Part::kText, [&](gfx::Point p) { return area.Contains(p); }), 0);
    // Around the text area only the frame shows; inside it the stock text stands over the frame.
    edit.skin = Part::kFrame;
    const gfx::Bitmap framed = edit.Render();
    edit.skin = Part::kNone;
    for (gfx::Point p : {gfx::Point{0, 0}, gfx::Point{99, 21}, gfx::Point{1, 10}, gfx::Point{98, 1}})
        EXPECT_EQ(framed.PixelAt(p.x, p.y), kSkin) << p.x << "," << p.y;
}

TEST_F(PaintHookTest, ASkinnedItemChangesOnlyThatItemOfTheOpenList) {
    hl.ClickWindow(combo);
    hl.RunPending();
    ListBox* list = combo.GetDropList();
    ASSERT_NE(list, nullptr);
    combo.skin_item = 2;
    const gfx::Rect item = list->GetItemRect(2);
    EXPECT_EQ(WrongWithSkin(
                  combo, Part::kItem, [&](gfx::Point p) { return item.Contains(p); }, list),
              0);
}

TEST_F(PaintHookTest, TheTrackBarsHooksGetItsPartsAndStates) {
    track.Render();
    EXPECT_EQ(track.channel_parts.client, track.GetClientRect());
    EXPECT_EQ(track.channel_parts.channel, track.GetChannelRect());
    EXPECT_EQ(track.thumb_parts.thumb, track.GetThumbRect());
    EXPECT_FALSE(track.thumb_parts.vertical);
    EXPECT_EQ(track.channel_state, State(false, false, false, false));

    // Pointer over the thumb: the thumb and the track are hot; a press there drags.
    const gfx::Point on_thumb = hl.ScreenPointOf(track, Centre(track.GetThumbRect()));
    hl.MouseMove(on_thumb);
    hl.RunPending();
    track.Render();
    EXPECT_EQ(track.thumb_state, State(false, true, false, false));
    EXPECT_EQ(track.channel_state, State(false, true, false, false));
    hl.MouseDown(on_thumb);
    hl.RunPending();
    track.Render();
    EXPECT_EQ(track.thumb_state, State(true, true, true, false));
    EXPECT_EQ(track.channel_state, State(false, true, true, false));
    hl.MouseUp(on_thumb);

    // A press on the channel pages: the track is pressed, the thumb is not (nor hot).
    const gfx::Point on_channel = hl.ScreenPointOf(track, gfx::Point{150, 13});
    hl.MouseDown(on_channel);
    hl.RunPending();
    track.Render();
    EXPECT_EQ(track.channel_state, State(true, true, true, false));
    EXPECT_EQ(track.thumb_state, State(false, false, true, false));
    hl.MouseUp(on_channel);
    hl.RunPending();

    other.SetFocus();
    track.EnableWindow(false);
    track.Render();
    EXPECT_EQ(track.channel_state, State(false, false, false, true));
    EXPECT_EQ(track.thumb_state, State(false, false, false, true));
}

TEST_F(PaintHookTest, TheButtonsFaceGetsPressedHotFocusAndDisabled) {
    button.Render();
    EXPECT_EQ(button.face, button.GetClientRect());
    EXPECT_EQ(button.state, State(false, false, false, false));
    hl.MouseDown(hl.ScreenPointOf(button));
    hl.RunPending();
    button.Render();
    EXPECT_EQ(button.state, State(true, true, true, false));
    hl.MouseUp(hl.ScreenPointOf(button));
    hl.MouseMove(hl.ScreenPointOf(other));
    hl.RunPending();
    button.Render();
    EXPECT_EQ(button.state, State(false, false, true, false));
    other.SetFocus();
    button.EnableWindow(false);
    button.Render();
    EXPECT_EQ(button.state, State(false, false, false, true));
}

TEST_F(PaintHookTest, TheCombosFieldArrowAndItemsGetTheirPartsAndStates) {
    combo.Render();
    const gfx::Rect c = combo.GetClientRect();
    const int arrow = res::DpiScale(17, app.Dpi());
    EXPECT_EQ(combo.parts.client, c);
    EXPECT_EQ(combo.parts.arrow, (gfx::Rect{c.right - arrow - 1, c.top + 1, c.right - 1, c.bottom - 1}));
    EXPECT_EQ(combo.arrow, combo.parts.arrow);
    EXPECT_EQ(combo.parts.field, (gfx::Rect{c.left + 2, c.top + 2, combo.parts.arrow.left, c.bottom - 2}));
    EXPECT_EQ(combo.field_state, State(false, false, false, false));

    combo.SetFocus();
    combo.Render();
    EXPECT_EQ(combo.field_state, State(false, false, true, false));

    // Open: the field and the arrow show pressed, the focus shows in the list; the item under the pointer is
    // the selected one.
    hl.ClickWindow(combo);
    hl.RunPending();
    ListBox* list = combo.GetDropList();
    ASSERT_NE(list, nullptr);
    combo.Render();
    EXPECT_EQ(combo.arrow_state, State(true, true, false, false));
    hl.MouseMove(list->ClientToScreen(Centre(list->GetItemRect(2))));
    hl.RunPending();
    combo.items.clear();
    list->Render();
    ASSERT_EQ(combo.items.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(combo.items[i].first, i);
        EXPECT_EQ(combo.items[i].second, State(false, false, false, false, i == 2)) << i;
    }
    hl.KeyPress(VK_ESCAPE);
    hl.RunPending();

    other.SetFocus();
    combo.EnableWindow(false);
    combo.Render();
    EXPECT_EQ(combo.field_state, State(false, false, false, true));
    EXPECT_EQ(combo.arrow_state, combo.field_state);
}

TEST_F(PaintHookTest, TheEditsTextHookGetsTheTextItsPlaceTheSelectionAndTheCaret) {
    edit.Render();
    const gfx::Rect c = edit.GetClientRect();
    EXPECT_EQ(edit.frame, c);
    EXPECT_EQ(edit.layout.area, (gfx::Rect{c.left + 2, c.top + 1, c.right - 2, c.bottom - 1}));
    EXPECT_EQ(edit.layout.text, U"12.5 dB");
    EXPECT_EQ(edit.layout.left, edit.layout.area.left);
    EXPECT_GT(edit.layout.line, 0);
    EXPECT_EQ(edit.text_state, State(false, false, false, false));

    edit.SetFocus();
    edit.SetSel(1, 4);
    edit.Render();
    EXPECT_EQ(edit.layout.sel_start, 1);
    EXPECT_EQ(edit.layout.sel_end, 4);
    EXPECT_EQ(edit.layout.caret, 4);
    EXPECT_EQ(edit.text_state, State(false, false, true, false));
    EXPECT_EQ(edit.frame_state, edit.text_state);

    // Centred text starts right of the area's left edge.
    edit.ModifyControlStyle(0, res::kTextCenter);
    edit.Render();
    EXPECT_GT(edit.layout.left, edit.layout.area.left);

    other.SetFocus();
    edit.EnableWindow(false);
    edit.Render();
    EXPECT_EQ(edit.text_state, State(false, false, false, true));
}

// The stock parts draw in the system palette, state by state.
TEST_F(PaintHookTest, TheStockPartsKeepTheSystemPalette) {
    auto thumb_inside = [&] {
        const gfx::Point p = Centre(track.GetThumbRect());
        return track.Render().PixelAt(p.x, p.y);
    };
    EXPECT_EQ(thumb_inside(), syscolor::kHighlight);
    const gfx::Rect ch = track.GetChannelRect();
    EXPECT_EQ(track.Render().PixelAt(ch.right - 3, ch.top + 1), syscolor::kChannel);
    EXPECT_EQ(track.Render().PixelAt(ch.right - 3, ch.top), syscolor::kShadow);
    const gfx::Point on_thumb = hl.ScreenPointOf(track, Centre(track.GetThumbRect()));
    hl.MouseDown(on_thumb);
    hl.RunPending();
    EXPECT_EQ(thumb_inside(), syscolor::kPressedFace);
    hl.MouseUp(on_thumb);
    hl.RunPending();
    other.SetFocus();
    track.EnableWindow(false);
    EXPECT_EQ(thumb_inside(), syscolor::kFace);

    EXPECT_EQ(button.Render().PixelAt(3, 3), syscolor::kButtonFace);
    EXPECT_EQ(button.Render().PixelAt(0, 0), syscolor::kBorder);
    hl.MouseDown(hl.ScreenPointOf(button));
    hl.RunPending();
    EXPECT_EQ(button.Render().PixelAt(3, 3), syscolor::kPressedFace);
    EXPECT_EQ(button.Render().PixelAt(0, 0), syscolor::kHighlight);
    hl.MouseUp(hl.ScreenPointOf(button));
    hl.RunPending();

    const gfx::Point arrow_corner{combo.GetClientRect().right - 3, 3};
    EXPECT_EQ(combo.Render().PixelAt(arrow_corner.x, arrow_corner.y), syscolor::kFace);
    hl.ClickWindow(combo);
    hl.RunPending();
    ASSERT_TRUE(combo.GetDroppedState());
    EXPECT_EQ(combo.Render().PixelAt(arrow_corner.x, arrow_corner.y), syscolor::kPressedFace);
    hl.KeyPress(VK_ESCAPE);
    hl.RunPending();

    ProgressBar bar(&app);
    bar.Create(&parent, 15, gfx::RectFromSize(200, 10, 100, 10));
    bar.SetPos(50);
    const gfx::Bitmap b = bar.Render();
    EXPECT_EQ(b.PixelAt(0, 0), syscolor::kBorder);
    EXPECT_EQ(b.PixelAt(10, 5), syscolor::kProgressFill);
    EXPECT_EQ(b.PixelAt(90, 5), syscolor::kProgressTrough);
}

// A skin that replaces one part keeps the owner-draw path of the others.
TEST_F(PaintHookTest, AnOwnerDrawnFieldStillReachesTheParentUnderASkinnedArrow) {
    class DrawingParent : public NoticeParent {
      public:
        using NoticeParent::NoticeParent;
        UINT field_state = 0;
        LRESULT WindowProc(UINT m, WPARAM w, LPARAM l) override {
            if (m != WM_DRAWITEM) return NoticeParent::WindowProc(m, w, l);
            auto* dis = reinterpret_cast<DrawItemStruct*>(l);
            if (dis->itemState & ODS_COMBOBOXEDIT) field_state = dis->itemState;
            dis->canvas->FillRect(dis->rcItem, gfx::Rgb(0, 200, 0));
            return 1;
        }
    } owner(&app);
    owner.Create(&top, 2, gfx::RectFromSize(0, 0, 300, 200));
    SkinnedCombo drawn(&app);
    drawn.SetControlStyle(res::kOwnerDrawList);
    drawn.AddString("a");
    drawn.Create(&owner, 20, gfx::RectFromSize(10, 10, 120, 100));
    drawn.SetCurSel(0);
    drawn.skin = Part::kArrow;
    drawn.SetFocus();
    const gfx::Bitmap r = drawn.Render();
    const gfx::Point field = Centre(drawn.parts.field), arrow = Centre(drawn.arrow);
    EXPECT_EQ(r.PixelAt(field.x, field.y), gfx::Rgb(0, 200, 0));
    EXPECT_EQ(r.PixelAt(arrow.x, arrow.y), kSkin);
    EXPECT_EQ(owner.field_state, UINT{ODS_COMBOBOXEDIT | ODS_SELECTED | ODS_FOCUS});
}

}  // namespace
}  // namespace ui::testing
