// The delay calculator: distances typed in centimetres, and the results sent for every channel, hidden rows
// included.
#include <gtest/gtest.h>

#include <vector>

#include "device/status.h"
#include "dialogs/dialogdelaycale.h"
#include "sidedialogfixture.h"

namespace {

class DelayCaleTest : public SideDialogTest {
  protected:
    void TearDown() override {
        g_DeviceModel = 4;
        g_FirmwareDate = 222222;
    }
    std::vector<RequestWindow::Request> Results() const { return main.Of(WM_DELAY_RESULT); }
};

TEST_F(DelayCaleTest, ButtonsSendDistanceAndDelayBehindTheFarthestForEveryChannel) {
    const int distances[12] = {10, 300, 40, 300, 0, 5, 6, 7, 8, 9, 1, 2};
    struct Case {
        int button;
        std::vector<RequestWindow::Request> expected;
    } cases[] = {{IDC_DELAY_CALE_APPLY, {}}, {IDC_DELAY_CALE_CLEAR, {}}};
    for (int i = 0; i < 12; ++i) {
        cases[0].expected.emplace_back(WM_DELAY_RESULT, i, ui::LPARAM(distances[i]) << 16 | (300 - distances[i]));
        cases[1].expected.emplace_back(WM_DELAY_RESULT, i, 0);
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        main.requests.clear();
        CDialogDelayCale dialog(nullptr, &app);
        dialog.SetDistances(distances);
        OnModal([&](ui::Dialog& w) {
            hl.ClickItem(w, c.button);
            hl.KeyPress(ui::VK_ESCAPE);
        });
        dialog.DoModal();
        EXPECT_EQ(Results(), c.expected);
    }
}

TEST_F(DelayCaleTest, ATypedDistanceIsReadInCentimetresOnFocusLossAndOnEnter) {
    struct Case {
        int firmwareDate;
        const char* typed;
        bool byEnter;
        const char* shown;
        int held;
    } cases[] = {
        {211117, "1000", false, "424.286", 599},  // beyond the largest step: the largest
        {211118, "1000", true, "680.000", 960},
        {211117, "34", true, "34.000", 48},
        {211117, "12,5", false, "1.428", 2},  // refused: the held value shows again
        {211117, "abc", true, "1.428", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        g_FirmwareDate = c.firmwareDate;
        const int distances[12] = {2};
        CDialogDelayCale d(nullptr, &app);
        d.SetDistances(distances);
        OnModal([&](ui::Dialog& w) {
            Settle();
            EXPECT_EQ(d.DistanceEdit(0).GetWindowText(), "1.428");
            d.DistanceEdit(0).SetFocus();
            d.DistanceEdit(0).SetSel(0, -1);
            hl.Type(c.typed);
            Settle();
            if (c.byEnter)
                hl.KeyPress(ui::VK_RETURN);
            else
                d.DistanceEdit(1).SetFocus();
            Settle();
            EXPECT_FALSE(w.IsEnded()) << "Enter never closes the calculator";
            EXPECT_EQ(d.DistanceEdit(0).GetWindowText(), c.shown);
            EXPECT_EQ(d.Distances()[0], c.held);
            hl.KeyPress(ui::VK_ESCAPE);
        });
        d.DoModal();
        EXPECT_TRUE(Results().empty()) << "closing sends nothing";
    }
}

// Up and Down in a distance edit step its held distance within the firmware's range, and Calculate sends it.
TEST_F(DelayCaleTest, KeysStepTheDistanceWithinTheLargestStepAndCalculateSendsIt) {
    struct Case {
        int firmwareDate;
        int start;
        unsigned key;
        int held;
        const char* shown;
    } cases[] = {
        {211117, 598, ui::VK_UP, 599, "424.286"}, {211117, 599, ui::VK_UP, 599, "424.286"},
        {211118, 599, ui::VK_UP, 600, "425.000"}, {211118, 960, ui::VK_UP, 960, "680.000"},
        {211117, 1, ui::VK_DOWN, 0, "0.000"},     {211117, 0, ui::VK_DOWN, 0, "0.000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.firmwareDate << " " << c.start << " " << c.key);
        g_FirmwareDate = c.firmwareDate;
        main.requests.clear();
        const int distances[12] = {0, 0, c.start};
        CDialogDelayCale d(nullptr, &app);
        d.SetDistances(distances);
        OnModal([&](ui::Dialog& w) {
            d.DistanceEdit(2).SetFocus();
            hl.KeyPress(c.key);
            Settle();
            EXPECT_EQ(d.Distances()[2], c.held);
            EXPECT_EQ(d.DistanceEdit(2).GetWindowText(), c.shown);
            hl.ClickItem(w, IDC_DELAY_CALE_APPLY);
            hl.KeyPress(ui::VK_ESCAPE);
        });
        d.DoModal();
        const std::vector<RequestWindow::Request> results = Results();
        ASSERT_EQ(results.size(), 12u);
        EXPECT_EQ(results[2], RequestWindow::Request(WM_DELAY_RESULT, 2, ui::LPARAM(c.held) << 16));
    }
}

TEST_F(DelayCaleTest, HiddenRowsStillTakePartAndTheFirstLargestDistanceIsTheReference) {
    struct Case {
        int model;
        bool ch9and10, ch11and12;
    } cases[] = {{1, false, false}, {5, false, false}, {3, true, false}, {4, true, false}, {2, true, true},
                 {8, true, true},   {7, true, true}};
    const int distances[12] = {10, 20, 0, 0, 0, 0, 0, 0, 0, 0, 90, 90};  // CH11 first of the two largest
    for (const Case& c : cases) {
        SCOPED_TRACE(c.model);
        main.requests.clear();
        g_DeviceModel = c.model;
        CDialogDelayCale d(nullptr, &app);
        d.SetDistances(distances);
        OnModal([&](ui::Dialog& w) {
            for (int ch : {8, 9, 10, 11}) {
                const bool shown = ch < 10 ? c.ch9and10 : c.ch11and12;
                EXPECT_EQ(w.GetDlgItem(kDelayCaleEditIds[ch])->IsWindowVisible(), shown) << ch;
                EXPECT_EQ(w.GetDlgItem(kDelayCaleLabelIds[ch])->IsWindowVisible(), shown) << ch;
            }
            hl.ClickItem(w, IDC_DELAY_CALE_APPLY);
            hl.KeyPress(ui::VK_ESCAPE);
        });
        d.DoModal();
        const auto results = Results();
        ASSERT_EQ(results.size(), 12u);
        EXPECT_EQ(std::get<2>(results[0]), ui::LPARAM(10) << 16 | 80);
        EXPECT_EQ(std::get<2>(results[10]), ui::LPARAM(90) << 16 | 0);
        EXPECT_EQ(std::get<2>(results[11]), ui::LPARAM(90) << 16 | 0);
    }
}

}  // namespace
