// The one dispatch entry: each message is cracked once into its typed handler; the command-range table.
#include "platform/ui/control.h"
#include "platform/ui/controlmessages.h"
#include "ui_fixture.h"

namespace ui::testing {
namespace {

// Records every typed handler it gets as one line of text; `ctl` names the window given as the control.
class TypedWindow : public Window {
  public:
    TypedWindow(Application* app, const Window* ctl) : Window(app), ctl_(ctl) {}
    std::vector<std::string> got;
    const gfx::Brush* brush = nullptr;
    bool take_commands = true;

  protected:
    std::string Name(const Window* w) const { return w == nullptr ? "null" : w == ctl_ ? "ctl" : "other"; }
    static std::string Pt(gfx::Point p) { return std::to_string(p.x) + "," + std::to_string(p.y); }
    void Log(const std::string& s) { got.push_back(s); }

    bool OnCommand(int id, unsigned code, Window* control) override {
        Log("Command " + std::to_string(id) + " " + std::to_string(code) + " " + Name(control));
        return take_commands;
    }
    bool OnNotify(int id, unsigned code, Window* from) override {
        Log("Notify " + std::to_string(id) + " " + std::to_string(code) + " " + Name(from));
        return true;
    }
    void OnHScroll(unsigned code, int pos, Window* bar) override {
        Log("HScroll " + std::to_string(code) + " " + std::to_string(pos) + " " + Name(bar));
    }
    void OnVScroll(unsigned code, int pos, Window* bar) override {
        Log("VScroll " + std::to_string(code) + " " + std::to_string(pos) + " " + Name(bar));
    }
    const gfx::Brush* OnCtlColor(gfx::Canvas&, Window* control, int kind) override {
        Log("CtlColor " + std::to_string(kind) + " " + Name(control));
        return brush;
    }
    bool OnDrawItem(int id, DrawItemStruct& dis) override {
        Log("DrawItem " + std::to_string(id) + " " + std::to_string(dis.itemID) + " " + Name(dis.hwndItem));
        return true;
    }
    bool OnMeasureItem(int id, MeasureItemStruct& mis) override {
        Log("MeasureItem " + std::to_string(id) + " " + std::to_string(mis.itemID));
        return true;
    }
    void OnTimer(UINT_PTR id) override { Log("Timer " + std::to_string(id)); }
    void OnKeyDown(unsigned vk, unsigned repeat, unsigned flags) override {
        Log("KeyDown " + std::to_string(vk) + " " + std::to_string(repeat) + " " + std::to_string(flags));
    }
    void OnChar(char32_t ch, unsigned repeat, unsigned) override {
        Log("Char " + std::to_string(static_cast<unsigned>(ch)) + " " + std::to_string(repeat));
    }
    bool OnMouseWheel(unsigned keys, int delta, gfx::Point screen) override {
        Log("Wheel " + std::to_string(keys) + " " + std::to_string(delta) + " " + Pt(screen));
        return true;
    }
    void OnLButtonDown(unsigned keys, gfx::Point p) override {
        Log("LDown " + std::to_string(keys) + " " + Pt(p));
    }
    void OnMouseMove(unsigned keys, gfx::Point p) override {
        Log("Move " + std::to_string(keys) + " " + Pt(p));
    }
    void OnSetFocus(Window* old) override { Log("SetFocus " + Name(old)); }
    void OnKillFocus(Window* next) override { Log("KillFocus " + Name(next)); }
    void OnCaptureChanged(Window* gaining) override { Log("CaptureChanged " + Name(gaining)); }

  private:
    const Window* ctl_;
};

class WindowProcTest : public UiTest {};

TEST_F(WindowProcTest, EachMessageReachesItsTypedHandlerWithItsArgumentsCracked) {
    Window ctl(&app);
    TypedWindow w(&app, &ctl);
    ASSERT_TRUE(w.Create(&top, 7, gfx::RectFromSize(0, 0, 50, 50)));
    gfx::Bitmap bitmap(4, 4);
    gfx::Canvas canvas(bitmap);
    DrawItemStruct dis;
    dis.itemID = 3;
    dis.hwndItem = &ctl;
    MeasureItemStruct mis;
    mis.itemID = 0;
    NMHDR hdr{&ctl, 1233, 12};
    const auto ptr = [](const void* p) { return reinterpret_cast<LPARAM>(p); };
    const auto neg = [](int v) { return static_cast<unsigned>(v); };
    struct Case {
        UINT message;
        WPARAM w;
        LPARAM l;
        std::string expected;
        LRESULT result;
    };
    const Case cases[] = {
        {WM_COMMAND, MAKEWPARAM(1275, BN_CLICKED), ptr(&ctl), "Command 1275 0 ctl", 0},
        {WM_COMMAND, MAKEWPARAM(1051, EN_KILLFOCUS), 0, "Command 1051 512 null", 0},
        {WM_NOTIFY, 1233, ptr(&hdr), "Notify 1233 12 ctl", 1},
        {WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, 42), ptr(&ctl), "HScroll 5 42 ctl", 0},
        {WM_VSCROLL, MAKEWPARAM(TB_THUMBPOSITION, neg(-3)), ptr(&ctl), "VScroll 4 -3 ctl", 0},
        {WM_VSCROLL, MAKEWPARAM(TB_ENDTRACK, 0), ptr(&ctl), "VScroll 8 0 ctl", 0},
        {WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(&canvas), ptr(&ctl), "CtlColor 1 ctl", 0},
        {WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(&canvas), ptr(&ctl), "CtlColor 6 ctl", 0},
        {WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(&canvas), ptr(&w), "CtlColor 4 other", 0},
        {WM_DRAWITEM, 1201, ptr(&dis), "DrawItem 1201 3 ctl", 1},
        {WM_MEASUREITEM, 1058, ptr(&mis), "MeasureItem 1058 0", 1},
        {WM_TIMER, 13, 0, "Timer 13", 0},
        {WM_KEYDOWN, VK_UP, MAKELPARAM(3, 0x48), "KeyDown 38 3 72", 0},
        {WM_CHAR, 0x4E2D, 1, "Char 20013 1", 0},
        {WM_MOUSEWHEEL, MAKEWPARAM(MK_SHIFT, neg(-120)), MAKELPARAM(-5, 700), "Wheel 4 -120 -5,700", 1},
        {WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(-2, 15), "LDown 1 -2,15", 0},
        {WM_MOUSEMOVE, MK_LBUTTON | MK_CONTROL, MAKELPARAM(30, -4), "Move 9 30,-4", 0},
        {WM_SETFOCUS, reinterpret_cast<WPARAM>(&ctl), 0, "SetFocus ctl", 0},
        {WM_KILLFOCUS, 0, 0, "KillFocus null", 0},
        {WM_CAPTURECHANGED, 0, ptr(&ctl), "CaptureChanged ctl", 0},
    };
    for (const Case& c : cases) {
        w.got.clear();
        const LRESULT r = w.SendMessage(c.message, c.w, c.l);
        EXPECT_EQ(w.got, std::vector<std::string>{c.expected}) << c.expected;
        EXPECT_EQ(r, c.result) << c.expected;
    }
    // The colour step's brush is the message's result.
    const gfx::Brush brush = gfx::Brush::Solid(gfx::Rgb(1, 2, 3));
    w.brush = &brush;
    EXPECT_EQ(w.SendMessage(WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(&canvas), ptr(&ctl)),
              BrushResult(&brush));
}

// A control that records the owner-draw steps reflected back to it.
class ReflectedControl : public Control {
  public:
    using Control::Control;
    int drawn = -1;
    int measured = -1;
    void DrawItem(DrawItemStruct& dis) override { drawn = dis.itemID; }
    void MeasureItem(MeasureItemStruct& mis) override {
        measured = mis.itemID;
        mis.itemHeight = 21;
    }
};

TEST_F(WindowProcTest, TheDefaultsKeepWindowsBehaviour) {
    ReflectedControl ctl(&app);
    ASSERT_TRUE(ctl.Create(&top, 1058, gfx::RectFromSize(0, 0, 50, 20)));
    gfx::Bitmap bitmap(4, 4);
    gfx::Canvas canvas(bitmap);
    // The colour step answers the system brush (0); a notice nobody takes is not handled.
    EXPECT_EQ(
        top.SendMessage(WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(&canvas), reinterpret_cast<LPARAM>(&ctl)),
        0);
    NMHDR hdr{&ctl, 1058, 1};
    EXPECT_EQ(top.SendMessage(WM_NOTIFY, 1058, reinterpret_cast<LPARAM>(&hdr)), 0);
    // Owner draw and measure go back to the control (reflection).
    DrawItemStruct dis;
    dis.itemID = 4;
    dis.hwndItem = &ctl;
    EXPECT_EQ(top.SendMessage(WM_DRAWITEM, 1058, reinterpret_cast<LPARAM>(&dis)), 1);
    EXPECT_EQ(ctl.drawn, 4);
    MeasureItemStruct mis;
    mis.itemID = 2;
    EXPECT_EQ(top.SendMessage(WM_MEASUREITEM, 1058, reinterpret_cast<LPARAM>(&mis)), 1);
    EXPECT_EQ(ctl.measured, 2);
    EXPECT_EQ(mis.itemHeight, 21u);
}

TEST_F(WindowProcTest, ACommandRangeGivesEveryIdInItsRangeToOneHandlerWithItsOwnId) {
    TypedWindow w(&app, nullptr);
    ASSERT_TRUE(w.Create(&top, 7, gfx::RectFromSize(0, 0, 50, 50)));
    w.take_commands = false;
    std::vector<int> bands, any_code;
    // 31 band buttons, clicks only; one id for any notice.
    w.AddCommandRange(
        1201, 1231, [&](int id) { bands.push_back(id); }, BN_CLICKED);
    w.AddCommand(1300, [&](int id) { any_code.push_back(id); });
    for (int id = 1195; id <= 1240; ++id)
        w.SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<unsigned>(id), BN_CLICKED));
    std::vector<int> expected;
    for (int id = 1201; id <= 1231; ++id) expected.push_back(id);
    EXPECT_EQ(bands, expected);

    // The notice filter: a double click of a band button is not the range's.
    bands.clear();
    w.SendMessage(WM_COMMAND, MAKEWPARAM(1210, BN_DOUBLECLICKED));
    EXPECT_TRUE(bands.empty());
    w.SendMessage(WM_COMMAND, MAKEWPARAM(1300, EN_CHANGE));
    w.SendMessage(WM_COMMAND, MAKEWPARAM(1300, BN_CLICKED));
    EXPECT_EQ(any_code, (std::vector<int>{1300, 1300}));

    // OnCommand sees a command first; what it takes never reaches the table.
    w.take_commands = true;
    w.got.clear();
    w.SendMessage(WM_COMMAND, MAKEWPARAM(1215, BN_CLICKED));
    EXPECT_EQ(w.got, std::vector<std::string>{"Command 1215 0 null"});
    EXPECT_TRUE(bands.empty());
}

TEST_F(WindowProcTest, ADialogsRangeEntryTakesOkBeforeItsDefaultHandling) {
    ScriptDialog dlg(&app);
    int ok_seen = 0;
    dlg.AddCommand(IDOK, [&](int) { ++ok_seen; });
    dlg.init = [&](ScriptDialog& d) {
        d.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED));
        EXPECT_FALSE(d.IsEnded()) << "the entry took IDOK; OnOK did not run";
        d.SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED));
    };
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(ok_seen, 1);
}

}  // namespace
}  // namespace ui::testing
