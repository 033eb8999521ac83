// The value edits on a test dialog: the messages a mix cell, the settings volume edit and the delay
// calculator's edits send, the cut edits' own partner, and the clipboard keys in every kind of value edit.
#include <type_traits>

#include "controls/bandedit.h"
#include "controls/editcutfreq.h"
#include "controls/editdelay.h"
#include "controls/editgain.h"
#include "controls/editsystemvol.h"
#include "editsfixture.h"

namespace {

using ui::VK_DOWN;
using ui::VK_LEFT;
using ui::VK_NEXT;
using ui::VK_PRIOR;
using ui::VK_RETURN;
using ui::VK_RIGHT;
using ui::VK_UP;

TEST_F(EditsDialogTest, AMixCellTellsItsDialog) {
    CEditGain& cell = Add<CEditGain>(1300);
    ui::Edit& other = Add<ui::Edit>(1301, 40);
    cell.Init(2, 0x40);
    cell.SetFocus();
    hl.RunPending();
    const struct {
        const char* name;
        std::function<void()> act;
        std::vector<SentMessage> sent;
    } cases[] = {
        {"UpAt0", [&] { Key(VK_UP); }, {}},
        {"Down", [&] { Key(VK_DOWN); }, {{WM_GAIN_STEPPED, 2, 0x40}}},
        {"Wheel240", [&] { Wheel(240); }, {}},
        {"WheelUp", [&] { Wheel(120); }, {{WM_GAIN_STEPPED, 2, 0x40}}},
        {"Enter", [&] { Key(VK_RETURN); }, {{WM_GAIN_COMMIT, 2, 0x40}}},
        {"PageDown", [&] { Key(VK_NEXT); }, {{WM_MOVE_FOCUS, VK_NEXT, 0}}},
        {"PageUp", [&] { Key(VK_PRIOR); }, {{WM_MOVE_FOCUS, VK_PRIOR, 0}}},
        {"Right", [&] { Key(VK_RIGHT); }, {{WM_MOVE_FOCUS, VK_RIGHT, 0}}},
        {"FocusLoss",
         [&] {
             other.SetFocus();
             hl.RunPending();
         },
         {{WM_GAIN_COMMIT, 2, 0x40}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        c.act();
        EXPECT_EQ(dialog.Take(), c.sent);
        EXPECT_TRUE(main.Take().empty());
    }
}

TEST_F(EditsDialogTest, AChannelGainWheelStepSelectsAfterItsMessageASpeakerEditBefore) {
    const struct {
        bool speaker;
        int channel, id;
        bool selected;  // after the owner rewrote the text on the message
    } cases[] = {{false, 7, 1240, true}, {true, 1, 1015, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.speaker);
        g_ChannelGain[c.channel] = 10;
        CEditGain& edit = Add<CEditGain>(c.id);
        if (c.speaker)
            edit.InitSpeaker(c.channel);
        else
            edit.Init(c.channel, 0);
        main.onSent = [&](const SentMessage&) { edit.SetWindowText("-0.9dB"); };
        edit.SetFocus();
        hl.RunPending();
        Wheel(120);
        main.onSent = nullptr;
        EXPECT_EQ(g_ChannelGain[c.channel], 9);
        EXPECT_EQ(main.Take(), (std::vector<SentMessage>{{WM_GAIN_STEPPED, static_cast<ui::WPARAM>(c.channel), 0}}));
        EXPECT_EQ(AllSelected(edit), c.selected);
    }
}

TEST_F(EditsDialogTest, TheSettingsVolumeEditOnlySendsMessages) {
    CEditVol& vol = Add<CEditVol>(1400);
    ui::Edit& other = Add<ui::Edit>(1401, 40);
    vol.SetFocus();
    hl.RunPending();
    Key(VK_UP);
    Key(VK_UP);
    Key(VK_DOWN);
    Wheel(120);
    Wheel(-120);
    Wheel(240);
    const std::vector<SentMessage> steps = {{WM_GAIN_STEPPED, VK_UP, 0},   {WM_GAIN_STEPPED, VK_UP, 0},
                                            {WM_GAIN_STEPPED, VK_DOWN, 0}, {WM_GAIN_STEPPED, VK_UP, 0},
                                            {WM_GAIN_STEPPED, VK_DOWN, 0}};
    EXPECT_EQ(dialog.Take(), steps);
    Key(VK_RETURN);
    other.SetFocus();
    hl.RunPending();
    EXPECT_EQ(dialog.Take(), (std::vector<SentMessage>{{WM_GAIN_COMMIT, 0, 0}, {WM_GAIN_COMMIT, 0, 0}}));
    EXPECT_TRUE(main.Take().empty());
}

TEST_F(EditsDialogTest, ACutEditsPartnerIsTheEditOfItsOwnWindow) {
    CEidtLowCutFreq& low = Add<CEidtLowCutFreq>(1051);
    CEditHighCutFreq& high = Add<CEditHighCutFreq>(1052, 40);
    low.SetPartner(&high);
    high.SetPartner(&low);
    high.SetWindowText("20000");
    low.SetFocus();
    hl.RunPending();
    Key(VK_RIGHT);
    EXPECT_EQ(app.GetFocus(), &high);
    EXPECT_TRUE(AllSelected(high));
    Key(VK_LEFT);
    EXPECT_EQ(app.GetFocus(), &low);
    EXPECT_TRUE(main.Take().empty());
}

TEST_F(EditsDialogTest, TheCutEditsStopAtTheirLimits) {
    CEidtLowCutFreq& low = Add<CEidtLowCutFreq>(1051);
    const struct {
        int from;
        unsigned key;
        int to;
    } cases[] = {{20000, VK_UP, 20000}, {20, VK_DOWN, 20}, {20, VK_UP, 21}, {20000, VK_DOWN, 19999}};
    low.SetFocus();
    hl.RunPending();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.from);
        g_HighPassFreq[0] = c.from;
        low.SetWindowText("x");
        Key(c.key);
        EXPECT_EQ(g_HighPassFreq[0], c.to);
        EXPECT_EQ(low.GetWindowText(), c.from == c.to ? "x" : std::to_string(c.to));
    }
}

TEST_F(EditsDialogTest, TheCalculatorsEditsShowCentimetresAndTellNobody) {
    CEditDelayCale& cale = Add<CEditDelayCale>(1237);
    g_DelayInCm = 0;
    cale.SetValue(48);
    EXPECT_EQ(cale.GetWindowText(), "34.000");
    cale.SetFocus();
    hl.RunPending();
    Key(VK_UP);
    EXPECT_EQ(cale.GetValue(), 49);
    EXPECT_TRUE(AllSelected(cale));
    Type("68");
    Key(VK_RETURN);
    EXPECT_EQ(cale.GetValue(), 96);
    EXPECT_EQ(cale.GetWindowText(), "68.000");
    Key(VK_LEFT);
    Key(VK_RIGHT);
    cale.SendMessage(WM_MOVE_FOCUS, 0, 0);
    EXPECT_TRUE(main.Take().empty());
    EXPECT_TRUE(dialog.Take().empty());
}

TEST_F(EditsDialogTest, ADelayEditTakesAnyValueAndFollowsTheUnit) {
    CEditDelay& delay = Add<CEditDelay>(1002);
    int held = 0;
    delay.HoldValueAt(&held);
    delay.SetValue(4095);
    EXPECT_EQ(held, 4095);
    g_DelayInCm = 0;
    delay.SetValue(48);
    EXPECT_EQ(delay.GetWindowText(), "1.000");
    g_DelayInCm = 1;
    delay.UpdateText();
    EXPECT_EQ(delay.GetWindowText(), "34.000");
    EXPECT_EQ(delay.GetValuePtr(), &held);
    // A loaded delay above the limit steps down, never up.
    held = 4095;
    delay.SetFocus();
    hl.RunPending();
    Key(VK_UP);
    EXPECT_EQ(held, 4095);
    Wheel(-120);
    EXPECT_EQ(held, 4094);
    EXPECT_EQ(main.Take(), (std::vector<SentMessage>{{WM_DELAY_CHANGED, 0, 0}}));
}

TEST_F(EditsDialogTest, TheMasterEditWithoutSliderOrButtonStillSteps) {
    CEditSystemVol& master = Add<CEditSystemVol>(1059);
    g_MasterVolume = 59;
    master.SetFocus();
    hl.RunPending();
    Wheel(-120);
    EXPECT_EQ(g_MasterVolume, 60);
    EXPECT_EQ(g_MuteMask & 0x40, 0x40);
    EXPECT_EQ(master.GetWindowText(), "OFF");
    EXPECT_TRUE(main.Take().empty());
}

}  // namespace

namespace {

TEST_F(EditsDialogTest, ABandGainEditWithoutItsSliderStillSteps) {
    CEditFreqGain& gain = Add<CEditFreqGain>(1109);
    gain.SetBand(11);
    gain.SetFocus();
    hl.RunPending();
    g_CurrentChannel = 0;
    g_EqGain[0][11] = 150;
    Key(ui::VK_UP);
    Wheel(120);
    EXPECT_EQ(g_EqGain[0][11], 148);
    EXPECT_EQ(gain.GetWindowText(), "0.2");
    Type("-3.5");
    Key(ui::VK_RETURN);
    EXPECT_EQ(g_EqGain[0][11], 185);
}

TEST_F(EditsDialogTest, TheQWheelStepsThroughTheTable) {
    CEditQ& q = Add<CEditQ>(1140);
    q.SetBand(11);
    q.SetFocus();
    hl.RunPending();
    g_CurrentChannel = 0;
    g_EqQIndex[0][11] = 0;
    g_EqQ[0][11] = g_QTable[0];
    const struct {
        int delta, index;
        std::string text;
    } cases[] = {{-120, 0, ""}, {120, 1, "0.11"}, {240, 1, "0.11"}, {60, 1, "0.11"}, {-120, 0, "0.10"}};
    q.SetWindowText("");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.delta);
        Wheel(c.delta);
        EXPECT_EQ(g_EqQIndex[0][11], c.index);
        EXPECT_EQ(q.GetWindowText(), c.text);
    }
}

}  // namespace

namespace {

// Every kind of value edit takes the clipboard keys, and a paste is typing: nothing changes and nobody hears
// of it until Enter commits the text through the edit's own parser (or asks its owner to).
TEST_F(EditsDialogTest, EveryValueEditTakesTheClipboardKeysAndCommitsAPasteOnlyOnEnter) {
    g_CurrentChannel = 0;
    int held = 0;
    // A band edit of band 12.
    const auto band = [this](auto kind, int id) {
        using T = typename decltype(kind)::type;
        return [this, id](int y) -> ui::Edit& {
            T& edit = Add<T>(id, y);
            edit.SetBand(11);
            return edit;
        };
    };
    const struct Case {
        const char* name;
        std::function<ui::Edit&(int y)> make;
        std::string pasted;
        std::function<int()> value;
        int after;
        std::vector<SentMessage> sent;  // by Enter, to the dialog or the main window
    } cases[] = {
        {"band gain", band(std::type_identity<CEditFreqGain>{}, 1109), "-3.5", [] { return g_EqGain[0][11]; }, 185,
         {}},
        {"band frequency", band(std::type_identity<CEditFre>{}, 1075), "1234", [] { return g_EqFreq[0][11]; }, 1234,
         {}},
        {"band Q", band(std::type_identity<CEditQ>{}, 1140), "2.5",
         [] { return static_cast<int>(g_EqQ[0][11] * 100 + 0.5); }, 250, {}},
        {"low cut", [&](int y) -> ui::Edit& { return Add<CEidtLowCutFreq>(1051, y); }, "150",
         [] { return g_HighPassFreq[0]; }, 150, {}},
        {"high cut", [&](int y) -> ui::Edit& { return Add<CEditHighCutFreq>(1052, y); }, "15000",
         [] { return g_LowPassFreq[0]; }, 15000, {}},
        {"master", [&](int y) -> ui::Edit& { return Add<CEditSystemVol>(1059, y); }, "-5",
         [] { return g_MasterVolume; }, 5, {}},
        {"delay",
         [&](int y) -> ui::Edit& {
             auto& e = Add<CEditDelay>(1002, y);
             e.HoldValueAt(&held);
             return e;
         },
         "5", [&] { return held; }, 240, {{WM_DELAY_CHANGED, 0, 0}}},
        {"channel gain",
         [&](int y) -> ui::Edit& {
             auto& e = Add<CEditGain>(1014, y);
             e.Init(0, 0);
             return e;
         },
         "-2", [] { return g_ChannelGain[0]; }, 0, {{WM_GAIN_COMMIT, 0, 0}}},
        {"settings volume", [&](int y) -> ui::Edit& { return Add<CEditVol>(1400, y); }, "-12", [] { return 0; }, 0,
         {{WM_GAIN_COMMIT, 0, 0}}},
    };
    const auto taken = [&] {
        std::vector<SentMessage> all = dialog.Take();
        for (const SentMessage& m : main.Take()) all.push_back(m);
        return all;
    };
    int y = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ui::Edit& edit = c.make(y += 20);
        edit.SetWindowText("77");
        edit.SetFocus();
        hl.RunPending();
        taken();  // what the focus loss of the edit before sent
        const int before = c.value();
        app.GetBackend().SetClipboardText("");
        Key('A', ui::kModControl);
        Key('C', ui::kModControl);
        EXPECT_EQ(app.GetBackend().GetClipboardText(), "77");
        edit.SetSel(1, 2);  // a cut takes the selection only
        Key('X', ui::kModControl);
        EXPECT_EQ(edit.GetWindowText(), "7");
        Key('A', ui::kModControl);
        app.GetBackend().SetClipboardText(c.pasted + "\r\nnext line");
        Key('V', ui::kModControl);
        EXPECT_EQ(edit.GetWindowText(), c.pasted);
        EXPECT_EQ(c.value(), before);
        EXPECT_TRUE(taken().empty());
        Key(VK_RETURN);
        EXPECT_EQ(c.value(), c.after);
        EXPECT_EQ(taken(), c.sent);
    }
}

}  // namespace
