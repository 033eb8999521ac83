// The value edits on the real main window: keys, the wheel and the clipboard in a real control, then the model,
// the tied channels, the texts and the chunks the change push queues.
#include "editing/eqgaintext.h"
#include "editing/textscan.h"
#include "editsfixture.h"
#include "platform/ui/combobox.h"
#include "platform/ui/listbox.h"

namespace {

using ui::VK_DOWN;
using ui::VK_LEFT;
using ui::VK_NEXT;
using ui::VK_PRIOR;
using ui::VK_RETURN;
using ui::VK_RIGHT;
using ui::VK_UP;

constexpr int kCh1 = 0, kCh2 = 1, kCh3 = 2, kCh4 = 3;

// CH1 shown, CH1 and CH2 in one link group.
void LinkCh1Ch2() {
    g_CurrentChannel = kCh1;
    g_LinkGroupMask[0] = 0b11;
}

// ---- Band gain ----

TEST_F(EditsWindowTest, BandGainUpStepsModelGroupTextSliderAndQueuesBothChannels) {
    Run(
        [] {
            LinkCh1Ch2();
            g_EqGain[kCh1][11] = g_EqGain[kCh2][11] = 150;
        },
        [&] {
            Focus(1109);
            KeyDown(VK_UP);
            EXPECT_EQ(g_EqGain[kCh1][11], 149);
            EXPECT_EQ(g_EqGain[kCh2][11], 149);
            EXPECT_EQ(Text(1109), "0.1");
            EXPECT_EQ(Item<ui::TrackBar>(1211).GetPos(), 149);
            EXPECT_FALSE(AllSelected(1109));
            KeyUp(VK_UP);
            EXPECT_TRUE(AllSelected(1109));
            const std::vector<Chunk> ticks = Ticks(3);
            ExpectChunk(ticks[0], 55, {{103, 0x00}, {104, 0x95}});
            ExpectChunk(ticks[1], 279, {{297, 0x00}, {298, 0x95}});
            EXPECT_EQ(ticks[2].offset, -1);
        });
}

TEST_F(EditsWindowTest, BandGainStepsThatChangeNothingQueueNothing) {
    const struct {
        const char* name;
        int code;
        std::function<void()> act;
    } cases[] = {
        {"UpAt0", 0, [this] { Key(VK_UP); }},
        {"DownAt300", 300, [this] { Key(VK_DOWN); }},
        {"Wheel240", 150, [this] { Wheel(240); }},
        {"WheelMinus60", 150, [this] { Wheel(-60); }},
        {"WheelWithoutFocus", 150,
         [this] {
             Focus(1110);
             Item<ui::Window>(1109).SendMessage(ui::WM_MOUSEWHEEL, ui::MAKEWPARAM(0, 120), 0);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ResetModel();
        Run(
            [&] {
                LinkCh1Ch2();
                g_EqGain[kCh1][11] = g_EqGain[kCh2][11] = c.code;
            },
            [&] {
                Focus(1109);
                c.act();
                EXPECT_EQ(g_EqGain[kCh1][11], c.code);
                EXPECT_EQ(g_EqGain[kCh2][11], c.code);
                EXPECT_TRUE(NothingQueued(Ticks(2)));
            });
    }
}

TEST_F(EditsWindowTest, BandGainWheelStepsOnceAndLeavesNothingSelected) {
    Run([] { LinkCh1Ch2(); },
        [&] {
            Focus(1109);
            Wheel(120);
            EXPECT_EQ(g_EqGain[kCh1][11], 149);
            EXPECT_EQ(g_EqGain[kCh2][11], 149);
            EXPECT_FALSE(AllSelected(1109));
            Wheel(-120);
            Wheel(-120);
            EXPECT_EQ(g_EqGain[kCh1][11], 151);
            EXPECT_EQ(Text(1109), "-0.1");
        });
}

TEST_F(EditsWindowTest, BandGainEnterCommitsThroughTheParser) {
    const struct {
        const char* typed;
        int stored;       // the code after Enter (150 before)
        std::string shown;
        bool copied;      // CH2 follows
    } cases[] = {
        {"1.5", 135, "1.5", true}, {"-3.5", 185, "-3.5", true}, {"16", 150, "0.0", false},
        {"abc", 150, "0.0", false}, {"0.0", 150, "0.0", false}, {"", 150, "0.0", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        ResetModel();
        Run([] { LinkCh1Ch2(); },
            [&] {
                Focus(1109);
                const int sliderBefore = Item<ui::TrackBar>(1211).GetPos();
                Type(c.typed);
                Key(VK_RETURN);
                EXPECT_EQ(g_EqGain[kCh1][11], c.stored);
                EXPECT_EQ(g_EqGain[kCh2][11], c.copied ? c.stored : 150);
                EXPECT_EQ(Item<ui::TrackBar>(1211).GetPos(), c.copied ? c.stored : sliderBefore);
                EXPECT_EQ(Text(1109), c.shown);
                EXPECT_TRUE(AllSelected(1109));
                EXPECT_EQ(dlg->IsWindowVisible(), true);  // Enter does not close the window
            });
    }
}

// The sliders of bands 11-13, 21-23 and 27-29 lie out of id order: each gain edit moves its own band's
// slider, and each of those sliders its own band.
TEST_F(EditsWindowTest, BandGainEditsAndSlidersOutOfIdOrderKeepToTheirBand) {
    const struct {
        int band;  // 1-based
        int slider;
    } cases[] = {{11, 1213}, {12, 1211}, {13, 1212}, {21, 1223}, {22, 1221},
                 {23, 1222}, {27, 1229}, {28, 1227}, {29, 1228}};
    Run([] { g_CurrentChannel = kCh1; },
        [&] {
            for (const auto& c : cases) {
                SCOPED_TRACE(c.band);
                const int k = c.band - 1;
                Focus(g_BandGainEditIds[k]);
                Key(VK_UP);
                EXPECT_EQ(g_EqGain[kCh1][k], 149);
                EXPECT_EQ(Item<ui::TrackBar>(c.slider).GetPos(), 149);
                Focus(c.slider);
                Key(VK_DOWN);
                Key(VK_DOWN);
                EXPECT_EQ(g_EqGain[kCh1][k], 151);
                EXPECT_EQ(Text(g_BandGainEditIds[k]), "-0.1");
                for (const auto& other : cases) {
                    if (other.band != c.band) {
                        EXPECT_EQ(g_EqGain[kCh1][other.band - 1], other.band < c.band ? 151 : 150) << other.band;
                    }
                }
            }
        });
}

// ---- Frequency ----

TEST_F(EditsWindowTest, FrequencyStepsAndCommits) {
    Run(
        [] {
            LinkCh1Ch2();
            g_EqFreq[kCh1][11] = g_EqFreq[kCh2][11] = 1000;
        },
        [&] {
            Focus(1075);
            Key(VK_UP);
            EXPECT_EQ(g_EqFreq[kCh1][11], 1001);
            EXPECT_EQ(g_EqFreq[kCh2][11], 1001);
            EXPECT_EQ(Text(1075), "1001");
            EXPECT_TRUE(AllSelected(1075));
            const std::vector<Chunk> ticks = Ticks(1);
            ExpectChunk(ticks[0], 0, {{41, 0x03}, {42, 0xE9}});
            // A step moves the stored value, not the typed text.
            g_EqFreq[kCh1][11] = 1000;
            Type("500");
            Key(VK_DOWN);
            EXPECT_EQ(g_EqFreq[kCh1][11], 999);
            EXPECT_EQ(Text(1075), "999");
        });
}

TEST_F(EditsWindowTest, FrequencyEnterKeepsAnAcceptedTextAndRewritesTheRest) {
    const struct {
        const char* typed;
        int stored;
        std::string shown;
    } cases[] = {{"0101", 101, "0101"}, {"0100", 100, "100"}, {"19", 100, "100"}, {"20001", 100, "100"},
                 {"1k", 100, "100"},    {"", 100, "100"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        ResetModel();
        Run(
            [] {
                g_CurrentChannel = kCh1;
                g_EqFreq[kCh1][7] = 100;
            },
            [&] {
                Focus(1071);
                Type(c.typed);
                KeyDown(VK_RETURN);
                EXPECT_EQ(g_EqFreq[kCh1][7], c.stored);
                EXPECT_EQ(Text(1071), c.shown);
                KeyUp(VK_RETURN);
                EXPECT_TRUE(AllSelected(1071));
            });
    }
}

// ---- Q ----

TEST_F(EditsWindowTest, QStepsFromItsIndexAndEnterStoresAsTyped) {
    Run(
        [] {
            LinkCh1Ch2();
            for (int ch : {kCh1, kCh2}) {
                g_EqQIndex[ch][11] = 87;
                g_EqQ[ch][11] = g_QTable[87];
            }
        },
        [&] {
            Focus(1140);
            Key(VK_UP);
            EXPECT_EQ(Text(1140), "4.42");
            EXPECT_DOUBLE_EQ(g_EqQ[kCh2][11], 4.42);
            EXPECT_EQ(g_EqQIndex[kCh2][11], 88);
            const std::vector<Chunk> ticks = Ticks(1);
            ExpectChunk(ticks[0], 111, {{165, 0x01}, {166, 0xBA}});
            Type("4.3");
            Key(VK_RETURN);
            EXPECT_EQ(Text(1140), "4.30");
            EXPECT_DOUBLE_EQ(g_EqQ[kCh1][11], 4.3);
            EXPECT_EQ(g_EqQIndex[kCh1][11], 87);
            EXPECT_DOUBLE_EQ(g_EqQ[kCh2][11], 4.3);
            EXPECT_TRUE(AllSelected(1140));
        });
}

TEST_F(EditsWindowTest, QEnterCopiesEvenARefusedText) {
    Run(
        [] {
            LinkCh1Ch2();
            g_EqQ[kCh1][11] = 2.0;
            g_EqQ[kCh2][11] = 3.0;
        },
        [&] {
            Focus(1140);
            Type("11");
            Key(VK_RETURN);
            EXPECT_EQ(Text(1140), "2.00");
            EXPECT_DOUBLE_EQ(g_EqQ[kCh2][11], 2.0);
        });
}

// ---- Channel gain ----

TEST_F(EditsWindowTest, ChannelGainStepsTheBridgedPairAndTellsTheWindow) {
    Run(
        [] {
            g_BridgeCh34 = 1;
            g_ChannelGain[kCh3] = g_ChannelGain[kCh4] = 0;
        },
        [&] {
            Focus(1016);
            Key(VK_DOWN);
            EXPECT_EQ(g_ChannelGain[kCh3], 1);
            EXPECT_EQ(g_ChannelGain[kCh4], 1);
            ASSERT_FALSE(dlg->sent.empty());
            EXPECT_EQ(dlg->sent[0], (RecordingDlg::Sent{WM_GAIN_STEPPED, 2, 0}));
            const std::vector<Chunk> ticks = Ticks(1);
            ExpectChunk(ticks[0], 0, {{14, 0x01}, {15, 0x01}});
            dlg->sent.clear();
            Key(VK_UP);
            Key(VK_UP);  // at 0: nothing more
            EXPECT_EQ(dlg->sent, (std::vector<RecordingDlg::Sent>{{WM_GAIN_STEPPED, 2, 0}}));
        });
}

TEST_F(EditsWindowTest, ChannelGainEnterAndFocusKeysGoToTheWindow) {
    const struct {
        int id;
        unsigned key;
        RecordingDlg::Sent sent;
    } cases[] = {
        {1241, VK_RETURN, {WM_GAIN_COMMIT, 8, 0}}, {1014, VK_RETURN, {WM_GAIN_COMMIT, 0, 0}},
        {1245, VK_RIGHT, {WM_MOVE_FOCUS, VK_RIGHT, 0}}, {1014, VK_LEFT, {WM_MOVE_FOCUS, VK_LEFT, 0}},
        {1002, VK_RIGHT, {WM_MOVE_FOCUS, VK_RIGHT, 0}}, {1250, VK_LEFT, {WM_MOVE_FOCUS, VK_LEFT, 0}},
    };
    Run([] {},
        [&] {
            for (const auto& c : cases) {
                SCOPED_TRACE(c.id);
                Focus(c.id);
                dlg->sent.clear();
                Key(c.key);
                ASSERT_FALSE(dlg->sent.empty());
                EXPECT_EQ(dlg->sent.front(), c.sent);
            }
            // Page Down in a main-window gain edit sends nothing of its own.
            Focus(1241);
            dlg->sent.clear();
            Key(VK_NEXT);
            EXPECT_TRUE(dlg->sent.empty());
        });
}

// ---- Cut frequencies ----

TEST_F(EditsWindowTest, CutFrequencyStepsCopiesAndMovesToItsPartner) {
    Run(
        [] {
            g_CurrentChannel = kCh3;
            g_HighPassFreq[kCh3] = 100;
        },
        [&] {
            Item<ui::Window>(1052).SetWindowText("20000");
            Focus(1051);
            Key(VK_UP);
            EXPECT_EQ(g_HighPassFreq[kCh3], 101);
            EXPECT_EQ(Text(1051), "101");
            const std::vector<Chunk> ticks = Ticks(1);
            ExpectChunk(ticks[0], 559, {{594, 0x00}, {595, 0x65}});
            Key(VK_LEFT);
            EXPECT_EQ(Focused(), 1052);
            EXPECT_TRUE(AllSelected(1052));
            Key(VK_RIGHT);
            EXPECT_EQ(Focused(), 1051);
            Type("0102");
            Key(VK_RETURN);
            EXPECT_EQ(g_HighPassFreq[kCh3], 102);
            EXPECT_EQ(Text(1051), "0102");
            Type("abc");
            Key(VK_RETURN);
            EXPECT_EQ(Text(1051), "102");
            EXPECT_TRUE(AllSelected(1051));
        });
}

// ---- Master volume ----

TEST_F(EditsWindowTest, MasterDownToOffMutesAtTheKeyUp) {
    Run([] { g_MasterVolume = 59; },
        [&] {
            Focus(1059);
            KeyDown(VK_DOWN);
            EXPECT_EQ(g_MasterVolume, 60);
            EXPECT_EQ(Text(1059), "OFF");
            EXPECT_EQ(Item<ui::TrackBar>(1200).GetPos(), 60);
            EXPECT_EQ(g_MuteMask & 0x40, 0);
            KeyUp(VK_DOWN);
            EXPECT_EQ(g_MuteMask & 0x40, 0x40);
            EXPECT_EQ(Text(1060), "静音");
            const std::vector<Chunk> ticks = Ticks(1);
            ExpectChunk(ticks[0], 0, {{18, 0x3C}});
            Key(VK_UP);
            EXPECT_EQ(Text(1059), "-59dB");
            EXPECT_EQ(g_MuteMask & 0x40, 0);
            EXPECT_EQ(Text(1060), "非静音");
        });
}

TEST_F(EditsWindowTest, MasterEnterReadsAsTheFocusLossCommitDoes) {
    const struct {
        const char* typed;
        int stored;
        std::string shown;
    } cases[] = {{"-5", 5, "-5dB"}, {"0dB", 0, "0dB"}, {"-5 ", 10, "-10dB"}, {"off", 60, "OFF"},
                 {"-60", 10, "-10dB"}, {"5", 10, "-10dB"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        ResetModel();
        Run([] { g_MasterVolume = 10; },
            [&] {
                Focus(1059);
                Type(c.typed);
                Key(VK_RETURN);
                EXPECT_EQ(g_MasterVolume, c.stored);
                EXPECT_EQ(Text(1059), c.shown);
                if (c.stored != 10) {
                    EXPECT_EQ(Item<ui::TrackBar>(1200).GetPos(), c.stored);
                }
            });
    }
}

// ---- Delay ----

TEST_F(EditsWindowTest, DelayUpStopsAtTheFirmwaresLimit) {
    const struct {
        int date, limit;
    } cases[] = {{211117, 599}, {211118, 960}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.date);
        ResetModel();
        Run([&] { g_FirmwareDate = c.date; },
            [&] {
                dlg->Delays()[0] = c.limit - 1;
                Focus(1002);
                Key(VK_UP);
                EXPECT_EQ(dlg->Delays()[0], c.limit);
                Key(VK_UP);
                Wheel(120);
                EXPECT_EQ(dlg->Delays()[0], c.limit);
                EXPECT_EQ(dlg->sent, (std::vector<RecordingDlg::Sent>{{WM_DELAY_CHANGED, 0, 0}}));
            });
    }
}

TEST_F(EditsWindowTest, DelayEnterHoldsTheParsedDelayAndTellsTheWindow) {
    Run([] {},
        [&] {
            Focus(1002);
            Type("5");
            Key(VK_RETURN);
            EXPECT_EQ(dlg->Delays()[0], 240);
            EXPECT_EQ(Text(1002), "5.000");
            EXPECT_EQ(dlg->sent, (std::vector<RecordingDlg::Sent>{{WM_DELAY_CHANGED, 0, 0}}));
            const std::vector<Chunk> ticks = Ticks(1);
            ExpectChunk(ticks[0], 0, {{0, 0x00}, {1, 0xF0}});
            dlg->sent.clear();
            Type("x");
            Key(VK_RETURN);
            EXPECT_EQ(Text(1002), "5.000");
            EXPECT_TRUE(dlg->sent.empty());
        });
}

// ---- Focus walk ----

TEST_F(EditsWindowTest, TheFocusKeysWalkTheGridAndTheCutEdits) {
    const struct {
        int from;
        unsigned key;
        int to;
    } cases[] = {
        {1097, VK_RIGHT, 1064}, {1064, VK_LEFT, 1097},  {1128, VK_RIGHT, 1098}, {1098, VK_LEFT, 1128},
        {1152, VK_RIGHT, 1129}, {1129, VK_LEFT, 1152},  {1142, VK_RIGHT, 1144}, {1144, VK_LEFT, 1142},
        {1151, VK_RIGHT, 1153}, {1159, VK_RIGHT, 1143}, {1143, VK_RIGHT, 1152}, {1083, VK_RIGHT, 1087},
        {1096, VK_NEXT, 1143},  {1097, VK_NEXT, 1152},  {1143, VK_NEXT, 1127},  {1127, VK_NEXT, 1096},
        {1064, VK_PRIOR, 1098}, {1098, VK_PRIOR, 1129}, {1129, VK_PRIOR, 1064}, {1127, VK_PRIOR, 1143},
        {1051, VK_RIGHT, 1052}, {1052, VK_LEFT, 1051},
    };
    Run([] {},
        [&] {
            for (const auto& c : cases) Item<ui::Window>(c.to).SetWindowText("1");
            for (const auto& c : cases) {
                SCOPED_TRACE(std::to_string(c.from) + " key " + std::to_string(c.key));
                Focus(c.from);
                Key(c.key);
                EXPECT_EQ(Focused(), c.to);
                EXPECT_TRUE(AllSelected(c.to));
            }
        });
}

TEST_F(EditsWindowTest, DisabledFrequencyAndQEditsTakeTheFocusButChangeNothing) {
    Run(
        [] {
            g_CurrentChannel = kCh1;
            g_EqFreq[kCh1][4] = 125;
        },
        [&] {
            for (int k = 0; k < kBands; ++k) {
                Item<ui::Window>(g_BandFreqEditIds[k]).EnableWindow(false);
                Item<ui::Window>(g_BandQEditIds[k]).EnableWindow(false);
            }
            Item<ui::Window>(1068).SetWindowText("125");
            Focus(1102);
            Key(VK_NEXT);
            EXPECT_EQ(Focused(), 1068);
            Key(VK_UP);
            Wheel(120);
            hl->Type("9");
            hl->RunPending();
            Key(VK_RETURN);
            EXPECT_EQ(g_EqFreq[kCh1][4], 125);
            EXPECT_EQ(Text(1068), "125");
            EXPECT_TRUE(NothingQueued(Ticks(2)));
            Key(VK_RIGHT);
            EXPECT_EQ(Focused(), 1069);
            Key(VK_NEXT);
            EXPECT_EQ(Focused(), 1134);
            Key(VK_NEXT);
            EXPECT_EQ(Focused(), 1103);
        });
}

// ---- Clipboard ----

TEST_F(EditsWindowTest, PastedGainCommitsOnlyOnEnterOrFocusLossThroughTheParser) {
    const struct {
        const char* clip;
        std::string pasted;
        int stored;
        bool queued;
        std::string shown;  // after the commit
    } cases[] = {{"-3.5", "-3.5", 185, true, "-3.5"},
                 {"-3.5\r\nx", "-3.5", 185, true, "-3.5"},
                 {"abc", "abc", 150, false, "0.0"},
                 {"16", "16", 150, false, "0.0"}};
    for (bool enter : {true, false}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.clip) + (enter ? " Enter" : " focus loss"));
            ResetModel();
            Run([] { g_CurrentChannel = kCh1; },
                [&] {
                    Focus(1102);
                    Key('A', ui::kModControl);
                    app->GetBackend().SetClipboardText(c.clip);
                    Key('V', ui::kModControl);
                    EXPECT_EQ(Text(1102), c.pasted);
                    EXPECT_EQ(g_EqGain[kCh1][4], 150);
                    if (enter)
                        Key(VK_RETURN);
                    else
                        Focus(1103);
                    EXPECT_EQ(g_EqGain[kCh1][4], c.stored);
                    EXPECT_EQ(Text(1102), c.shown);
                    EXPECT_EQ(NothingQueued(Ticks(2)), !c.queued);
                });
        }
    }
}

TEST_F(EditsWindowTest, CtrlACtrlCCopiesTheFrequency) {
    Run([] { g_CurrentChannel = kCh1; },
        [&] {
            Item<ui::Window>(1075).SetWindowText("1000");
            Focus(1075);
            app->GetBackend().SetClipboardText("");
            Key('A', ui::kModControl);
            Key('C', ui::kModControl);
            EXPECT_EQ(app->GetBackend().GetClipboardText(), "1000");
        });
}

TEST_F(EditsWindowTest, AClickTakesTheFocusAndSelectsAll) {
    Run([] {},
        [&] {
            for (int id : {1075, 1109, 1140, 1051, 1059, 1016, 1002}) {
                SCOPED_TRACE(id);
                Item<ui::Window>(id).SetWindowText("123");
                Item<ui::Window>(id).SendMessage(ui::WM_LBUTTONDOWN, 0, ui::MAKELPARAM(1, 1));
                hl->RunPending();
                EXPECT_EQ(Focused(), id);
                EXPECT_TRUE(AllSelected(id));
            }
        });
}

}  // namespace

namespace {

// Pictures to look at: the band grid with sliders at their ends and middle, and a combo open with a hovered
// item, at 96 and 192 DPI (written to the test's temporary folder).
TEST_F(EditsWindowTest, RendersTheGridTheSlidersAndAnOpenCombo) {
    for (int d : {96, 192}) {
        SCOPED_TRACE(d);
        dpi = d;
        ResetModel();
        Run([] { g_CurrentChannel = 0; },
            [&] {
                for (int k = 0; k < kBands; ++k) {
                    const int code = k % 3 == 0 ? 0 : k % 3 == 1 ? 150 : 300;
                    g_EqGain[0][k] = code;
                    Item<ui::TrackBar>(g_BandSliderIds[k]).SetPos(code);
                    std::string text;
                    editing::FormatEqGain(text, k);
                    Item<ui::Window>(g_BandGainEditIds[k]).SetWindowText(text);
                    Item<ui::Window>(g_BandFreqEditIds[k]).SetWindowText(std::to_string(g_EqFreq[0][k]));
                    Item<ui::Window>(g_BandQEditIds[k]).SetWindowText(editing::FormatFixed(g_EqQ[0][k], 2));
                }
                Item<ui::TrackBar>(1200).SetPos(30);
                Focus(1109);
                ui::Window& combo = Item<ui::Window>(IDC_COMBO_HP_SLOPE);
                hl->ClickWindow(combo);
                hl->RunPending();
                auto* list = dynamic_cast<ui::ComboBox&>(combo).GetDropList();
                ASSERT_NE(list, nullptr);
                const gfx::Rect r = list->GetItemRect(2);
                hl->MouseMove(list->ClientToScreen({r.left + 5, (r.top + r.bottom) / 2}));
                hl->RunPending();
                dlg->Invalidate();
                hl->RunPending();
                const std::string path = ::testing::TempDir() + "valueedits_" + std::to_string(d) + ".png";
                EXPECT_TRUE(dlg->RenderToPng(path)) << path;
                hl->KeyPress(ui::VK_ESCAPE);
                hl->RunPending();
            });
    }
}

}  // namespace
