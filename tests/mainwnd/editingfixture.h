#pragma once
// The real main window (template 102, twelve outputs) on the headless backend's virtual clock, with the
// graph sync running and the change push started by the test: input goes through the backend as a display
// would deliver it, and what the push queues for the device is read back from the TCP ring as chunks.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "../e2e/resetlink.h"
#include "controls/graphsync.h"
#include "device/channelmodel.h"
#include "device/commands.h"
#include "device/deviceimage.h"
#include "device/eqmodel.h"
#include "device/images.h"
#include "device/rings.h"
#include "device/routingimage.h"
#include "device/status.h"
#include "dialogs/dialoglogo.h"
#include "mainwnd/linkmessages.h"
#include "mainwnd/quenbardlg.h"
#include "mainwnd/quenbarids.h"
#include "mainwnd/shellmessages.h"
#include "mainwnd/shellstrings.h"
#include "platform/backend/headless.h"
#include "platform/ui/application.h"
#include "platform/ui/combobox.h"
#include "platform/ui/edit.h"
#include "platform/ui/listbox.h"
#include "platform/ui/messagebox.h"
#include "platform/ui/trackbar.h"
#include "res/uilanguage.h"

// The window with the handlers no visible control reaches opened up for the tests.
class EditingDlg : public CQuenbarDlg {
  public:
    using CQuenbarDlg::CQuenbarDlg;
    using CQuenbarDlg::ToggleBridge12;
    using CQuenbarDlg::ToggleBridge34;
    using CQuenbarDlg::ToggleLinkGroup;
    using CQuenbarDlg::ApplyModelLayout;
};

// One write of an image chunk, as the device would receive it.
struct Chunk {
    int command = 0;
    int offset = 0;
    std::vector<std::uint8_t> bytes;
};

class EditingWindowTest : public ::testing::Test {
  protected:
    EditingWindowTest() : app(std::make_unique<ui::HeadlessBackend>()) {}
    void SetUp() override { ResetLinkGlobals(); }
    void TearDown() override { ResetLinkGlobals(); }

    // Runs the window; body sees it once it shows, with the push running from images in step.
    void Run(const std::function<void(EditingDlg&)>& body, int dpi = 96) {
        app.Headless()->SetDpi(dpi);
        EditingDlg dlg(&app);
        dlg.SetLinkConfig({nullptr, "", 0});
        app.SetMainWindow(&dlg);
        bool ran = false;
        app.SetModalObserver([&](ui::Window& w) {
            if (dynamic_cast<CDialogLogo*>(&w)) {
                w.PostMessage(ui::WM_COMMAND, ui::MAKEWPARAM(ui::IDOK, ui::BN_CLICKED));
                return;
            }
            if (&w != &dlg) {
                if (onModal) onModal(w);
                return;
            }
            if (ran) return;
            ran = true;
            g_DeviceModel = 2;  // twelve outputs
            dlg.ApplyModelLayout();
            window = &dlg;
            InStep();
            dlg.SetTimer(TIMER_PUSH_CHANGES, 100);
            body(dlg);
            window = nullptr;
            dlg.PostMessage(ui::WM_CLOSE);
        });
        dlg.DoModal();
        app.SetMainWindow(nullptr);
        EXPECT_TRUE(ran);
    }

    // The images packed from the model and taken as what the device holds; nothing queued.
    void InStep() {
        device::PackDeviceImage(window->Delays());
        device::PackRoutingImage(window->Spectrum().GetChannelMask());
        {
            std::lock_guard lock(g_ImageMutex);
            std::memcpy(g_DeviceImageShadow, g_DeviceImage, sizeof g_DeviceImage);
            std::memcpy(g_RoutingImageShadow, g_RoutingImage, sizeof g_RoutingImage);
        }
        g_TcpTxRing.Drain();
    }

    // The chunks queued since the last call, after `ticks` push periods.
    std::vector<Chunk> Push(int ticks = 3) {
        hl().AdvanceClock(100 * ticks);
        std::vector<Chunk> chunks;
        TcpFrame f;
        while (g_TcpTxRing.Pop(f)) {
            const std::uint8_t* p = f.bytes + 2;
            if (p[0] != CMD_WRITE_DEVICE_IMAGE && p[0] != CMD_WRITE_ROUTING_IMAGE) {
                others.push_back({p, p + f.bytes[1]});
                continue;
            }
            chunks.push_back({p[0], p[1] << 8 | p[2], {p + 4, p + 4 + p[3]}});
        }
        return chunks;
    }
    // Offset -> byte of every device-image (or routing-image) byte the chunks wrote.
    static std::map<int, int> Written(const std::vector<Chunk>& chunks,
                                      int command = CMD_WRITE_DEVICE_IMAGE) {
        std::map<int, int> bytes;
        for (const Chunk& c : chunks) {
            if (c.command != command) continue;
            for (std::size_t i = 0; i < c.bytes.size(); ++i) bytes[c.offset + int(i)] = c.bytes[i];
        }
        return bytes;
    }

    ui::HeadlessBackend& hl() { return *app.Headless(); }
    ui::Window& Item(int id) {
        ui::Window* w = window->GetDlgItem(id);
        EXPECT_NE(w, nullptr) << id;
        return *w;
    }
    std::string Text(int id) { return window->GetDlgItemText(id); }
    // A click of its own: the clock first passes the double-click time.
    void Click(int id) {
        hl().AdvanceClock(510);
        hl().ClickWindow(Item(id));
        hl().RunPending();
    }
    // Clicks into the edit, selects its text and types over it (the focus stays there).
    void TypeInto(int id, const std::string& text) {
        Click(id);
        if (auto* edit = dynamic_cast<ui::Edit*>(&Item(id))) edit->SetSel(0, -1);
        hl().Type(text);
        hl().RunPending();
    }
    // Opens the list of combo id with a click and picks item i with another.
    void Pick(int id, int i) {
        auto& combo = dynamic_cast<ui::ComboBox&>(Item(id));
        hl().AdvanceClock(510);
        hl().ClickWindow(combo);
        hl().RunPending();
        ui::ListBox* list = combo.GetDropList();
        ASSERT_NE(list, nullptr);
        const gfx::Rect r = list->GetItemRect(i);
        hl().Click(list->ClientToScreen({(r.left + r.right) / 2, (r.top + r.bottom) / 2}));
        hl().RunPending();
    }
    int SliderPos(int id) { return dynamic_cast<ui::TrackBar&>(Item(id)).GetPos(); }

    ui::Application app;
    ui::MessageBoxRecorder boxes{app, ui::IDYES};
    std::function<void(ui::Window&)> onModal;
    EditingDlg* window = nullptr;
    std::vector<std::vector<std::uint8_t>> others;  // payloads of other commands, in order
};
