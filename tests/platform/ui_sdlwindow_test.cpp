// What the SDL backend tells the desktop about a window: the portal's parent is its X window. It needs a
// display (the smoke label runs it under Xvfb); without one, or on Wayland, it is skipped.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/backend/sdl.h"
#include "platform/ui/application.h"
#include "platform/ui/fileportal.h"
#include "platform/ui/window.h"

// Last: Xlib's macros (None, Bool) would break the headers above.
#include <SDL.h>
#include <SDL_syswm.h>

namespace ui {
namespace {

// The X window SDL made for the window titled `title`, found through SDL's own records.
unsigned long XWindowTitled(const std::string& title) {
    for (Uint32 id = 1; id < 64; ++id) {
        SDL_Window* w = SDL_GetWindowFromID(id);
        if (!w || title != SDL_GetWindowTitle(w)) continue;
        SDL_SysWMinfo info;
        SDL_VERSION(&info.version);
        if (SDL_GetWindowWMInfo(w, &info) && info.subsystem == SDL_SYSWM_X11) return info.info.x11.window;
    }
    return 0;
}

TEST(SdlWindow, ThePortalsParentIsTheOwnersXWindow) {
    if (!std::getenv("DISPLAY")) GTEST_SKIP() << "no display";
    std::string error;
    std::unique_ptr<SdlBackend> backend = SdlBackend::Open("", &error);
    if (!backend) GTEST_SKIP() << error;
    Application app(std::move(backend));
    Window top(&app), child(&app);
    ASSERT_TRUE(top.CreateTopLevel(gfx::RectFromSize(10, 10, 200, 80), "portal parent", WS_VISIBLE));
    ASSERT_TRUE(child.Create(&top, 5, gfx::RectFromSize(10, 10, 50, 20)));
    const unsigned long id = XWindowTitled("portal parent");
    if (!id) GTEST_SKIP() << "not an X11 window";
    char expected[32];
    std::snprintf(expected, sizeof expected, "x11:%lx", id);
    EXPECT_EQ(PortalParent(app, &top), expected);
    EXPECT_EQ(PortalParent(app, &child), expected);
}

}  // namespace
}  // namespace ui
