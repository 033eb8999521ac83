#include "controls/spectrum.h"

#include "controls/draghook.h"
#include "platform/ui/application.h"

CSpectrum::CSpectrum(ui::Application* app) : ui::Window(app), SpectrumEditor(App().Dpi()) {}

CSpectrum::~CSpectrum() {
    RemoveDragMouseHook(this);
}

void CSpectrum::OnPaint(gfx::Canvas& canvas) {
    // The window paints into its top-level's back buffer, which reaches the screen in one step.
    PaintTo(canvas, GetClientRect());
}

bool CSpectrum::OnEraseBkgnd(gfx::Canvas&) {
    return true;
}  // the paint covers every pixel

void CSpectrum::OnLButtonDown(unsigned, gfx::Point p) {
    PressAt(p.x, p.y);
}

void CSpectrum::OnLButtonUp(unsigned, gfx::Point p) {
    ReleaseAt(p.x, p.y);
}

void CSpectrum::OnMouseMove(unsigned, gfx::Point p) {
    MoveAt(p.x, p.y);
}

void CSpectrum::OnDestroy() {
    RemoveDragMouseHook(this);
    m_bHooked = false;
}

void CSpectrum::RequestRedraw() {
    if (IsCreated()) Invalidate(false);
}

bool CSpectrum::InstallDragHook() {
    const controls::GraphLayout& g = Layout();
    return InstallDragMouseHook(this, g.left, g.top, g.right, g.bottom);
}

void CSpectrum::RemoveDragHook() {
    RemoveDragMouseHook(this);
}
