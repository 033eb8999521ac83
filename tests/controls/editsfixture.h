#pragma once
// A test dialog on the headless backend, with the application's main window beside it: both record the
// messages the value edits send them.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/editmessages.h"
#include "device/channelmodel.h"
#include "device/eqmodel.h"
#include "device/status.h"
#include "platform/backend/headless.h"
#include "platform/ui/application.h"
#include "platform/ui/edit.h"

struct SentMessage {
    ui::UINT message;
    ui::WPARAM wParam;
    ui::LPARAM lParam;
    bool operator==(const SentMessage&) const = default;
};

class RecordingWindow : public ui::Window {
  public:
    using ui::Window::Window;
    std::vector<SentMessage> sent;
    std::function<void(const SentMessage&)> onSent;  // the owner's answer, when a test gives one
    std::vector<SentMessage> Take() { return std::exchange(sent, {}); }
    ui::LRESULT WindowProc(ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam) override {
        if (message == WM_GAIN_STEPPED || message == WM_GAIN_COMMIT || message == WM_MOVE_FOCUS ||
            message == WM_DELAY_CHANGED)
        {
            sent.push_back({message, wParam, lParam});
            if (onSent) onSent(sent.back());
        }
        return ui::Window::WindowProc(message, wParam, lParam);
    }
};

class EditsDialogTest : public ::testing::Test {
  protected:
    EditsDialogTest() : app(std::make_unique<ui::HeadlessBackend>()), hl(*app.Headless()), main(&app), dialog(&app) {
        Reset();
        main.CreateTopLevel(gfx::RectFromSize(0, 0, 300, 200), "main", ui::WS_VISIBLE);
        app.SetMainWindow(&main);
        dialog.CreateTopLevel(gfx::RectFromSize(50, 50, 300, 200), "dialog", ui::WS_VISIBLE);
        hl.RunPending();
    }
    ~EditsDialogTest() override {
        app.SetMainWindow(nullptr);
        Reset();
    }
    static void Reset() {
        device::ResetChannelModel();
        device::ResetEqModel();
        device::ResetStatus();
    }
    // Creates an edit of type T as an item of the dialog.
    template <typename T>
    T& Add(int id, int y = 10) {
        auto edit = std::make_unique<T>(&app);
        T& ref = *edit;
        ref.Create(&dialog, id, gfx::RectFromSize(10, y, 80, 16));
        owned_.push_back(std::move(edit));
        hl.RunPending();
        return ref;
    }
    void Key(unsigned vk, unsigned modifiers = 0) {
        hl.KeyPress(vk, modifiers);
        hl.RunPending();
    }
    void Wheel(int delta) {
        hl.Wheel(delta, hl.ScreenPointOf(*app.GetFocus()));
        hl.RunPending();
    }
    void Type(const std::string& text) {
        Key('A', ui::kModControl);
        Key(ui::VK_DELETE);
        hl.Type(text);
        hl.RunPending();
    }
    static bool AllSelected(const ui::Edit& edit) {
        int s, e;
        edit.GetSel(s, e);
        return s == 0 && e == edit.GetTextLength() && e > 0;
    }

    ui::Application app;
    ui::HeadlessBackend& hl;
    RecordingWindow main;
    RecordingWindow dialog;

  private:
    std::vector<std::unique_ptr<ui::Window>> owned_;
};
