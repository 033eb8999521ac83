#include "dialogs/sideframe.h"

#include <algorithm>

#include "dialogs/sidestrings.h"
#include "platform/res/dpi.h"
#include "platform/ui/application.h"
#include "res/skin/sidedialogskin.h"
#include "res/uilanguage.h"

namespace dialogs {

namespace {
constexpr int kCloseId = ui::IDCANCEL;
}

FrameFeatures PanelFrame(gfx::Color text, EditColours edits) {
    FrameFeatures f;
    f.background = res::sideskin::kPanelBackground;
    f.text = text;
    f.edits = edits;
    f.closeButton = true;
    return f;
}

FrameFeatures OkCancelFrame(int background, int pressedBitmap, int normalBitmap, gfx::Color text, bool frameFont) {
    FrameFeatures f;
    f.background = background;
    f.text = text;
    f.enterAccepts = true;
    f.buttons = {{ui::IDOK, pressedBitmap, normalBitmap, IDS_OK, text, frameFont},
                 {ui::IDCANCEL, pressedBitmap, normalBitmap, IDS_CANCEL, text, frameFont}};
    return f;
}

CSideDialog::CSideDialog(res::DialogTemplate t, FrameFeatures features, ui::Window* parent, ui::Application* app)
    : ui::TemplateDialog(std::move(t), parent, app),
      features_(std::move(features)),
      background_(features_.background),
      editBrush_(gfx::Brush::Solid(features_.edits == EditColours::kFilterOnBlack ? gfx::Rgb(0, 0, 0)
                                                                                    : kEditBackground)),
      otherBrush_(gfx::Brush::Solid(kFilterBackground)) {
    RegisterSideDialogStrings();
    res::RegisterSideDialogSkin(App().Skin());
}

int CSideDialog::Scaled(int n) const {
    return res::DpiScale(n, App().Dpi());
}

gfx::Font CSideDialog::FrameFont(int n) const {
    return {"宋体", Scaled(n), 400};
}

int CSideDialog::CloseBitmap(int dpi, bool pressed) {
    const int band = res::DpiBand(dpi);
    return pressed ? res::sideskin::kClosePressed[band] : res::sideskin::kClose[band];
}

int CSideDialog::LastBitmap(int id) const {
    for (const auto& [item, bitmap] : lastBitmaps_) {
        if (item == id) return bitmap;
    }
    return 0;
}

bool CSideDialog::OnInitDialog() {
    if (features_.closeButton) SizeItem(kCloseId, {Scaled(42), Scaled(22)});
    return ui::TemplateDialog::OnInitDialog();
}

ui::LRESULT CSideDialog::OnNcHitTest(gfx::Point screen) {
    // Any free spot of the client area drags the window, as a caption would.
    const ui::LRESULT hit = ui::TemplateDialog::OnNcHitTest(screen);
    return hit == ui::HTCLIENT ? ui::LRESULT(ui::HTCAPTION) : hit;
}

bool CSideDialog::OnEraseBkgnd(gfx::Canvas& canvas) {
    if (background_ == 0 || !App().Skin().Contains(background_)) return ui::TemplateDialog::OnEraseBkgnd(canvas);
    return true;  // the paint covers everything
}

void CSideDialog::OnPaint(gfx::Canvas& canvas) {
    if (background_ == 0 || !App().Skin().Contains(background_)) return;
    const gfx::Bitmap& bk = App().Skin().Get(background_);
    canvas.StretchBlt(GetClientRect(), bk, gfx::RectFromSize(0, 0, bk.Width(), bk.Height()));
}

const gfx::Brush* CSideDialog::OnCtlColor(gfx::Canvas& canvas, ui::Window* control, int kind) {
    static const gfx::Brush kHollow = gfx::Brush::Null();
    const gfx::Brush* base = ui::TemplateDialog::OnCtlColor(canvas, control, kind);
    switch (kind) {
        case ui::CTLCOLOR_STATIC:
        case ui::CTLCOLOR_BTN:
            canvas.SetTextColor(features_.text);
            canvas.SetBkMode(gfx::BkMode::kTransparent);
            return &kHollow;
        case ui::CTLCOLOR_EDIT:
        case ui::CTLCOLOR_LISTBOX:
            switch (features_.edits) {
                case EditColours::kWhiteOnBlue:
                    canvas.SetTextColor(kWhite);
                    canvas.SetBkColor(kEditBackground);
                    return &editBrush_;
                case EditColours::kFilterOnBlack:
                    canvas.SetTextColor(kFilterEditText);
                    canvas.SetBkColor(gfx::Rgb(0, 0, 0));
                    return &editBrush_;
                case EditColours::kSystem:
                    return base;
            }
            return base;
        default:
            return features_.edits == EditColours::kFilterOnBlack ? &otherBrush_ : base;
    }
}

void CSideDialog::DrawBitmap(ui::DrawItemStruct& dis, int skinId) {
    if (!dis.canvas) return;
    auto it = std::find_if(lastBitmaps_.begin(), lastBitmaps_.end(),
                           [&](const auto& e) { return e.first == int(dis.CtlID); });
    if (it == lastBitmaps_.end())
        lastBitmaps_.emplace_back(int(dis.CtlID), skinId);
    else
        it->second = skinId;
    if (!App().Skin().Contains(skinId)) return;
    const gfx::Bitmap& bitmap = App().Skin().Get(skinId);
    dis.canvas->StretchBlt(dis.rcItem, bitmap, gfx::RectFromSize(0, 0, bitmap.Width(), bitmap.Height()));
}

bool CSideDialog::OnDrawItem(int id, ui::DrawItemStruct& dis) {
    const bool pressed = (dis.itemState & ui::ODS_SELECTED) != 0;
    bool drawn = DrawOwnItem(id, dis);
    if (!drawn && features_.closeButton && id == kCloseId) {
        DrawBitmap(dis, CloseBitmap(App().Dpi(), pressed));
        drawn = true;
    }
    if (!drawn) {
        for (const DrawnButton& b : features_.buttons) {
            if (b.id != id) continue;
            DrawBitmap(dis, pressed ? b.pressedBitmap : b.normalBitmap);
            if (b.textId != 0 && dis.canvas) {
                const gfx::Font font = b.frameFont ? FrameFont(12) : dis.hwndItem ? dis.hwndItem->GetFont()
                                                                                   : TemplateFont();
                dis.canvas->DrawText(res::LoadUiString(b.textId), dis.rcItem, font, b.textColour,
                                     gfx::kTextCenter | gfx::kTextVCenter | gfx::kTextSingleLine);
            }
            break;
        }
    }
    // Every item also gets the default drawing, so lists that draw themselves do.
    ui::TemplateDialog::OnDrawItem(id, dis);
    return true;
}

void CSideDialog::OnOK() {
    if (features_.enterAccepts) Accept();
}

void CSideDialog::SetFrameFont(std::initializer_list<int> ids, int n) {
    const gfx::Font font = FrameFont(n);
    for (int id : ids) {
        if (ui::Window* item = GetDlgItem(id)) item->SetFont(font);
    }
}

void CSideDialog::SizeItem(int id, gfx::Size size) {
    ui::Window* item = GetDlgItem(id);
    if (!item) return;
    const gfx::Rect r = item->RectInParent();
    item->MoveWindow(gfx::RectFromSize(r.left, r.top, size.cx, size.cy));
}

void CSideDialog::ShowItem(int id, bool show) {
    if (ui::Window* item = GetDlgItem(id)) item->ShowWindow(show ? ui::SW_SHOW : ui::SW_HIDE);
}

void CSideDialog::CloseAndSend(ui::UINT message, ui::WPARAM wParam) {
    SendMessage(ui::WM_CLOSE);
    SendToMainWindow(App(), message, wParam);
}

}  // namespace dialogs
