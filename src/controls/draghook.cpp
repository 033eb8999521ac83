#include "controls/draghook.h"

#include "platform/ui/application.h"
#include "platform/ui/window.h"

int g_hDragHook = 0;
ui::Window* g_hDragHookWnd = nullptr;
gfx::Rect g_DragHookRect{};

bool InstallDragMouseHook(ui::Window* wnd, int left, int top, int right, int bottom) {
    if (!wnd || !wnd->IsCreated()) return false;
    if (g_hDragHook) RemoveDragMouseHook(g_hDragHookWnd);
    int id = wnd->App().AddMouseHook(DragMouseHookProc);
    if (id == 0) return false;
    g_hDragHook = id;
    g_hDragHookWnd = wnd;
    g_DragHookRect = {left, top, right, bottom};
    return true;
}

void DragMouseHookProc(ui::UINT message, gfx::Point screen) {
    if (message != ui::WM_MOUSEMOVE && message != ui::WM_LBUTTONUP) return;
    ui::Window* wnd = g_hDragHookWnd;
    if (!wnd || !wnd->IsCreated()) return;
    gfx::Point p = wnd->ScreenToClient(screen);
    if (g_DragHookRect.Contains(p)) return;  // the window's own messages cover the graph itself
    wnd->PostMessage(message, ui::MK_CONTROL, ui::MAKELPARAM(p.x, p.y));
}

bool RemoveDragMouseHook(ui::Window* wnd) {
    if (!wnd || wnd != g_hDragHookWnd || !g_hDragHook) return false;
    wnd->App().RemoveMouseHook(g_hDragHook);
    g_hDragHook = 0;
    g_hDragHookWnd = nullptr;
    return true;
}
