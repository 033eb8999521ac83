#pragma once
// The real main window on the headless backend's virtual clock, without a link: the value edits are driven by
// injected keys, the wheel and the clipboard, and the change push runs on its own timer, so the chunks it
// queues for the device are read from the TCP transmit ring. The messages the edits send to the window are
// recorded.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/editmessages.h"
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
#include "platform/backend/headless.h"
#include "platform/ui/application.h"
#include "platform/ui/edit.h"
#include "platform/ui/trackbar.h"

// The window with the edits' messages written into a log.
class RecordingDlg : public CQuenbarDlg {
  public:
    using CQuenbarDlg::CQuenbarDlg;
    struct Sent {
        ui::UINT message;
        ui::WPARAM wParam;
        ui::LPARAM lParam;
        bool operator==(const Sent&) const = default;
    };
    std::vector<Sent> sent;

    ui::LRESULT WindowProc(ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam) override {
        if (message == WM_GAIN_STEPPED || message == WM_GAIN_COMMIT || message == WM_MOVE_FOCUS ||
            message == WM_DELAY_CHANGED)
            sent.push_back({message, wParam, lParam});
        return CQuenbarDlg::WindowProc(message, wParam, lParam);
    }
};

// One device-image chunk as the push queued it: its offset and the bytes at image offsets.
struct Chunk {
    int offset = -1;  // -1: no chunk in that tick
    std::vector<std::pair<int, std::uint8_t>> bytes;
};

class EditsWindowTest : public ::testing::Test {
  protected:
    void SetUp() override { ResetModel(); }
    void TearDown() override { ResetModel(); }
    static void ResetModel() {
        device::ResetChannelModel();
        device::ResetEqModel();
        device::ResetStatus();
        device::ResetImages();
        g_TcpTxRing.Drain();
        g_UsbTxRing.Drain();
    }

    // Runs the window until it shows, prepares the model (set) and runs body; then the window closes.
    void Run(const std::function<void()>& set, const std::function<void()>& body) {
        ui::Application application(std::make_unique<ui::HeadlessBackend>());
        app = &application;
        hl = application.Headless();
        hl->SetDpi(dpi);
        RecordingDlg window(&application);
        dlg = &window;
        window.SetLinkConfig({nullptr, "", 0});
        application.SetMainWindow(&window);
        application.SetModalObserver([&](ui::Window& w) {
            if (dynamic_cast<CDialogLogo*>(&w)) {
                w.PostMessage(ui::WM_COMMAND, ui::MAKEWPARAM(ui::IDOK, ui::BN_CLICKED));
                return;
            }
            if (&w != &window) return;
            set();
            InStep();
            window.SetTimer(TIMER_PUSH_CHANGES, 100);
            window.sent.clear();
            body();
            window.PostMessage(ui::WM_CLOSE);
        });
        window.DoModal();
        application.SetMainWindow(nullptr);
        dlg = nullptr;
        hl = nullptr;
        app = nullptr;
    }

    // Both images packed from the model and taken as sent: the next ticks queue only what changes after.
    void InStep() {
        device::PackDeviceImage(dlg->Delays());
        device::PackRoutingImage(0);
        std::lock_guard lock(g_ImageMutex);
        std::memcpy(g_DeviceImageShadow, g_DeviceImage, sizeof g_DeviceImageShadow);
        std::memcpy(g_RoutingImageShadow, g_RoutingImage, sizeof g_RoutingImageShadow);
        g_TcpTxRing.Drain();
    }

    template <typename T = ui::Edit>
    T& Item(int id) {
        T* w = dynamic_cast<T*>(dlg->GetDlgItem(id));
        EXPECT_NE(w, nullptr) << id;
        return *w;
    }
    void Focus(int id) {
        Item<ui::Window>(id).SetFocus();
        hl->RunPending();
    }
    int Focused() const {
        ui::Window* f = app->GetFocus();
        return f ? f->GetDlgCtrlID() : -1;
    }
    void Key(unsigned vk, unsigned modifiers = 0) {
        hl->KeyPress(vk, modifiers);
        hl->RunPending();
    }
    void KeyDown(unsigned vk) {
        hl->KeyDown(vk);
        hl->RunPending();
    }
    void KeyUp(unsigned vk) {
        hl->KeyUp(vk);
        hl->RunPending();
    }
    // Replaces the focused edit's text as the user does.
    void Type(const std::string& text) {
        Key('A', ui::kModControl);
        Key(ui::VK_DELETE);
        hl->Type(text);
        hl->RunPending();
    }
    void Wheel(int delta) {
        hl->Wheel(delta, hl->ScreenPointOf(*app->GetFocus()));
        hl->RunPending();
    }
    std::string Text(int id) { return Item<ui::Window>(id).GetWindowText(); }
    bool AllSelected(int id) {
        int s, e;
        Item(id).GetSel(s, e);
        return s == 0 && e == Item(id).GetTextLength() && e > 0;
    }

    // The device-image chunks of the next ticks of the change push, one per tick at most.
    std::vector<Chunk> Ticks(int ticks) {
        std::vector<Chunk> out;
        for (int t = 0; t < ticks; ++t) {
            hl->AdvanceClock(100);
            Chunk chunk;
            TcpFrame f;
            while (g_TcpTxRing.Pop(f)) {
                const std::uint8_t* p = f.bytes + 2;
                if (p[0] != CMD_WRITE_DEVICE_IMAGE) continue;
                EXPECT_EQ(chunk.offset, -1) << "two chunks in one tick";
                chunk.offset = p[1] << 8 | p[2];
                for (int i = 0; i < p[3]; ++i) chunk.bytes.emplace_back(chunk.offset + i, p[4 + i]);
            }
            out.push_back(chunk);
        }
        return out;
    }
    // The chunk holds these image bytes.
    static void ExpectChunk(const Chunk& chunk, int offset, const std::vector<std::pair<int, std::uint8_t>>& bytes) {
        EXPECT_EQ(chunk.offset, offset);
        for (const auto& [at, value] : bytes) {
            bool found = false;
            for (const auto& [o, v] : chunk.bytes) {
                if (o != at) continue;
                found = true;
                EXPECT_EQ(v, value) << "byte " << at;
            }
            EXPECT_TRUE(found) << "byte " << at << " not in the chunk at " << chunk.offset;
        }
    }
    static bool NothingQueued(const std::vector<Chunk>& ticks) {
        for (const Chunk& c : ticks) {
            if (c.offset != -1) return false;
        }
        return true;
    }

    int dpi = 96;
    ui::Application* app = nullptr;
    ui::HeadlessBackend* hl = nullptr;
    RecordingDlg* dlg = nullptr;
};
