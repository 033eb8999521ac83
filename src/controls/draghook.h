#pragma once
// The graph's drag hook: while a drag is under way, a process-wide low-level mouse hook re-posts mouse moves
// and the left-button release that happen outside the graph rectangle to the graph window, so the drag goes
// on (and ends) when the pointer leaves the control. Only one graph window uses it at a time.
#include "platform/gfx/geometry.h"
#include "platform/ui/messages.h"

namespace ui {
class Window;
}

extern int g_hDragHook;             // the installed hook's id, 0 when none
extern ui::Window* g_hDragHookWnd;  // the graph window that installed it
extern gfx::Rect g_DragHookRect;    // the graph rectangle in that window's client coordinates

bool InstallDragMouseHook(ui::Window* wnd, int left, int top, int right, int bottom);
// The hook procedure: a move or release outside g_DragHookRect is posted to the window as the same message,
// wParam MK_CONTROL, lParam the client point in 16-bit halves.
void DragMouseHookProc(ui::UINT message, gfx::Point screen);
// Removes the hook when it belongs to wnd; false when it does not (or none is set).
bool RemoveDragMouseHook(ui::Window* wnd);
