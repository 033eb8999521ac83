// One paste through the desktop's clipboard on the SDL backend, and SDL's text input following the focus. It
// needs a display (the smoke label runs it under Xvfb); without one it is skipped.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/backend/sdl.h"
#include "platform/ui/application.h"
#include "platform/ui/button.h"
#include "platform/ui/edit.h"
#include "platform/ui/inputevent.h"

namespace ui {
namespace {

TEST(SdlClipboard, CtrlVPastesTheDesktopsClipboard) {
    if (!std::getenv("DISPLAY")) GTEST_SKIP() << "no display";
    std::string error;
    std::unique_ptr<SdlBackend> backend = SdlBackend::Open("", &error);
    if (!backend) GTEST_SKIP() << error;
    Application app(std::move(backend));
    Window top(&app);
    ASSERT_TRUE(top.CreateTopLevel(gfx::RectFromSize(10, 10, 200, 80), "clipboard", WS_VISIBLE));
    app.SetMainWindow(&top);
    Edit edit(&app);
    edit.Create(&top, 1001, gfx::RectFromSize(10, 10, 120, 20));
    edit.SetFocus();
    app.GetBackend().SetClipboardText("-3.5\nx");
    EXPECT_EQ(app.GetBackend().GetClipboardText(), "-3.5\nx");
    for (InputEvent::Type type : {InputEvent::Type::kKeyDown, InputEvent::Type::kKeyUp}) {
        InputEvent e;
        e.type = type;
        e.vk = 'V';
        e.modifiers = kModControl;
        app.PostInput(e);
    }
    top.SetTimer(1, 10);  // the loop wakes up even if nothing else comes
    int ticks = 0;
    app.RunModalLoop([&] { return edit.GetWindowText() == "-3.5" || ++ticks > 1000; });
    EXPECT_EQ(edit.GetWindowText(), "-3.5");
    app.SetMainWindow(nullptr);
}

// SDL makes text of keys only while text input is on: on while the editable edit has the focus, off for a
// read-only edit and a button. Where xdotool can press real keys, keys pressed while the read-only edit has
// the focus type nothing anywhere, and keys pressed right after a click into the edit type their text.
TEST(SdlClipboard, TextInputIsOnOnlyWhileAnEditableEditHasTheFocus) {
    if (!std::getenv("DISPLAY")) GTEST_SKIP() << "no display";
    std::string error;
    std::unique_ptr<SdlBackend> backend = SdlBackend::Open("", &error);
    if (!backend) GTEST_SKIP() << error;
    EXPECT_FALSE(SDL_IsTextInputActive()) << "off until an edit takes the focus";
    Application app(std::move(backend));
    Window top(&app);
    ASSERT_TRUE(top.CreateTopLevel(gfx::RectFromSize(10, 10, 200, 110), "text input", WS_VISIBLE));
    app.SetMainWindow(&top);
    Edit edit(&app), read_only(&app);
    edit.Create(&top, 1001, gfx::RectFromSize(10, 10, 120, 20));
    read_only.Create(&top, 1002, gfx::RectFromSize(10, 40, 120, 20), "fixed");
    read_only.SetReadOnly(true);
    Button button(&app);
    button.Create(&top, 1003, gfx::RectFromSize(10, 70, 60, 20), "OK");
    app.RunUntilIdle();
    edit.SetFocus();
    EXPECT_TRUE(SDL_IsTextInputActive());
    button.SetFocus();
    EXPECT_FALSE(SDL_IsTextInputActive());
    read_only.SetFocus();
    EXPECT_FALSE(SDL_IsTextInputActive());

    app.SetMainWindow(nullptr);
}

}  // namespace
}  // namespace ui
