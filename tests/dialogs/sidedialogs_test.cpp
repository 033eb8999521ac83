// The smaller side dialogs: the input source, the channel name and the scene menu.
#include <string>

#include "device/names.h"
#include "dialogs/dialogfile.h"
#include "dialogs/inputaudiosource.h"
#include "dialogs/savechannelname.h"
#include "res/skin/sidedialogskin.h"
#include "sidedialogfixture.h"

namespace {

using SideDialogsTest = SideDialogTest;

TEST_F(SideDialogsTest, TheSourceListOpensOnTheGivenIndexAndOkKeepsItUntouched) {
    struct Case {
        int index;  // as the main window maps sources 4 and 6
        int selection;
        std::string shown;
    } cases[] = {{3, 3, "Optical/coaxial"}, {5, -1, ""}, {0, 0, "High Level"}, {4, 4, "USB"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        CInputAudioSource d(c.index, 1, nullptr, &app);
        OnModal([&](ui::Dialog&) {
            EXPECT_EQ(d.SourceList().GetCurSel(), c.selection);
            if (c.selection >= 0) {
                EXPECT_EQ(d.SourceList().GetLBText(c.selection), c.shown);
            }
            EXPECT_TRUE(d.GetDlgItem(IDC_SOURCE_NOTE)->IsWindowVisible());
            EXPECT_FALSE(d.GetDlgItem(IDC_SOURCE_NOTE_OPTICAL)->IsWindowVisible());
            hl.KeyPress(ui::VK_RETURN);
        });
        ASSERT_EQ(d.DoModal(), ui::IDOK);
        EXPECT_EQ(d.GetSource(), c.index);
    }
}

TEST_F(SideDialogsTest, TheMixSwitchIsInertOnHighLevelAndKeepsWhatWasSetElsewhere) {
    namespace skin = res::sideskin;
    CInputAudioSource d(0, 0, nullptr, &app);
    auto choose = [&](int index) {
        d.SourceList().SetCurSel(index);
        d.SendMessage(ui::WM_COMMAND, ui::MAKEWPARAM(IDC_SOURCE_LIST, ui::CBN_SELCHANGE),
                      ui::LPARAM(&d.SourceList()));
    };
    OnModal([&](ui::Dialog& w) {
        w.Render();
        EXPECT_EQ(d.LastBitmap(IDC_SOURCE_MIX), skin::kSwitchUnavailable);
        hl.ClickItem(w, IDC_SOURCE_MIX);
        Settle();
        EXPECT_EQ(d.GetHighLevelMix(), 0) << "inert on high level";
        choose(2);
        hl.AdvanceClock(1000);  // not a double click
        hl.ClickItem(w, IDC_SOURCE_MIX);
        Settle();
        w.Render();
        EXPECT_EQ(d.GetHighLevelMix(), 1);
        EXPECT_EQ(d.LastBitmap(IDC_SOURCE_MIX), skin::kSwitchOn);
        choose(0);
        w.Render();
        EXPECT_EQ(d.LastBitmap(IDC_SOURCE_MIX), skin::kSwitchUnavailable);
        hl.KeyPress(ui::VK_RETURN);
    });
    ASSERT_EQ(d.DoModal(), ui::IDOK);
    EXPECT_EQ(d.GetSource(), 0);
    EXPECT_EQ(d.GetHighLevelMix(), 1);
}

TEST_F(SideDialogsTest, TheChannelNameShowsTheTitleForAnEmptyNameAndTakesTheNewOneWhereTheFocusStarts) {
    struct Case {
        int channel;
        const char* stored;
        std::string current;
        std::string title;
    } cases[] = {{6, "", "CH7", "CH7"}, {0, "Left", "Left", "CH1"}, {11, "", "CH12", "CH12"}, {12, "", "CH1", "CH1"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.channel);
        char name[kNameLen + 1] = {};
        std::snprintf(name, sizeof name, "%s", c.stored);
        CSaveChannelName d(c.channel, name, nullptr, &app);
        OnModal([&](ui::Dialog& w) {
            EXPECT_EQ(w.GetDlgItemText(IDC_NAME_EDIT), c.current);
            EXPECT_EQ(w.GetWindowText(), c.title);
            EXPECT_EQ(app.GetFocus(), &d.NewNameEdit());
            hl.Type("Sub L");
            hl.KeyPress(ui::VK_RETURN);
        });
        ASSERT_EQ(d.DoModal(), ui::IDOK);
        std::string typed;
        d.GetNewName(typed);
        EXPECT_EQ(typed, "Sub L");
    }
}

TEST_F(SideDialogsTest, EachSceneButtonClosesTheMenuThenItsCommandRunsBeforeDoModalReturns) {
    struct Case {
        int button;
        ui::WPARAM command;
    } cases[] = {{IDC_FILE_LOAD_DSP, 0}, {IDC_FILE_SAVE_DSP, 1}, {IDC_FILE_LOAD_PC, 2}, {IDC_FILE_SAVE_PC, 3}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        main.requests.clear();
        CDialogFile menu(nullptr, &app);
        bool endedWhenCommandRan = false;
        main.onRequest = [&](const RequestWindow::Request&) { endedWhenCommandRan = menu.IsEnded(); };
        OnModal([&](ui::Dialog& w) { hl.ClickItem(w, c.button); });
        menu.DoModal();
        EXPECT_EQ(main.Of(WM_SCENE_COMMAND), (std::vector<RequestWindow::Request>{{WM_SCENE_COMMAND, c.command, 0}}));
        EXPECT_TRUE(endedWhenCommandRan);
        main.onRequest = nullptr;
    }
}

}  // namespace
