#include "platform/ui/templatedialog.h"

#include <algorithm>

#include "platform/res/dialogunits.h"
#include "platform/ui/application.h"
#include "platform/ui/button.h"
#include "platform/ui/combobox.h"
#include "platform/ui/edit.h"
#include "platform/ui/listbox.h"
#include "platform/ui/picture.h"
#include "platform/ui/progressbar.h"
#include "platform/ui/trackbar.h"
#include "platform/ui/uilanguage.h"

namespace ui {

std::unique_ptr<Window> MakeStockControl(res::ItemKind kind, Application* app) {
    switch (kind) {
        case res::ItemKind::kEdit:
            return std::make_unique<Edit>(app);
        case res::ItemKind::kButton:
        case res::ItemKind::kOwnerDrawButton:
            return std::make_unique<Button>(app);
        case res::ItemKind::kStatic:
            return std::make_unique<Static>(app);
        case res::ItemKind::kPicture:
            return std::make_unique<Picture>(app);
        case res::ItemKind::kCombo:
            return std::make_unique<ComboBox>(app);
        case res::ItemKind::kTrackBar:
            return std::make_unique<TrackBar>(app);
        case res::ItemKind::kProgress:
            return std::make_unique<ProgressBar>(app);
        case res::ItemKind::kList:
            return std::make_unique<ListBox>(app);
        case res::ItemKind::kCustom:
            break;
    }
    return std::make_unique<Window>(app);
}

TemplateDialog::TemplateDialog(int template_id, Window* owner, Application* app)
    : Dialog(owner, app), template_id_(template_id) {}

TemplateDialog::TemplateDialog(res::DialogTemplate t, Window* owner, Application* app)
    : Dialog(owner, app), template_id_(t.id), template_(std::move(t)) {}

TemplateDialog::~TemplateDialog() {
    // The items go before the objects that own them.
    DestroyWindow();
}

int TemplateDialog::DoModal() {
    lang_ = UiLanguage();
    if (!template_ || template_->id != template_id_) {
        const res::DialogTemplate* t = App().Dialogs().Find(lang_, template_id_);
        if (!t) return -1;
        template_ = *t;
    }
    const gfx::Size size = res::TemplatePixelSize(*template_, App().Dpi());
    SetInitialSize(size.cx, size.cy);
    SetTitle(template_->caption.In(lang_));
    SetFrameStyle((template_->flags & res::kCaption) ? unsigned{WS_CAPTION} : 0u);
    return Dialog::DoModal();
}

void TemplateDialog::ResetTemplate(res::DialogTemplate t) {
    template_id_ = t.id;
    template_ = std::move(t);
}

gfx::Font TemplateDialog::TemplateFont() const {
    gfx::Font f;
    if (!template_) return f;
    f.face = template_->font.face;
    f.height = -res::MulDiv(template_->font.points, App().Dpi(), 72);
    f.weight = template_->font.weight;
    return f;
}

gfx::Rect TemplateDialog::ItemRect(const res::DialogItem& item) const {
    return template_ ? res::ItemPixelRect(*template_, item, App().Dpi()) : gfx::Rect{};
}

bool TemplateDialog::KindFits(const res::DialogItem& item, Window& w) const {
    switch (item.kind) {
        case res::ItemKind::kEdit:
            return dynamic_cast<Edit*>(&w) != nullptr;
        case res::ItemKind::kButton:
        case res::ItemKind::kOwnerDrawButton:
            return dynamic_cast<Button*>(&w) != nullptr;
        case res::ItemKind::kStatic:
            return dynamic_cast<Static*>(&w) != nullptr;
        case res::ItemKind::kPicture:
            return dynamic_cast<Picture*>(&w) != nullptr;
        case res::ItemKind::kCombo:
            return dynamic_cast<ComboBox*>(&w) != nullptr;
        case res::ItemKind::kTrackBar:
            return dynamic_cast<TrackBar*>(&w) != nullptr;
        case res::ItemKind::kProgress:
            return dynamic_cast<ProgressBar*>(&w) != nullptr;
        case res::ItemKind::kList:
            return dynamic_cast<ListBox*>(&w) != nullptr;
        case res::ItemKind::kCustom:
            return true;
    }
    return false;
}

bool TemplateDialog::BindItem(int id, Window& control) {
    if (!template_) {
        if (const res::DialogTemplate* t = App().Dialogs().Find(UiLanguage(), template_id_)) template_ = *t;
    }
    const res::DialogItem* item = template_ ? template_->Item(id) : nullptr;
    if (!item || control.IsCreated() || !KindFits(*item, control)) return false;
    bound_[id] = &control;
    return true;
}

bool TemplateDialog::CreateItem(const res::DialogItem& item, Window& w, const gfx::Rect& rect,
                                const std::string& text, unsigned ws) {
    if (auto* c = dynamic_cast<Control*>(&w)) c->SetControlStyle(item.style);
    if (auto* b = dynamic_cast<Button*>(&w)) b->SetOwnerDraw(item.kind == res::ItemKind::kOwnerDrawButton);
    w.SetFont(TemplateFont(), false);
    return w.Create(this, item.id, rect, text, ws);
}

void TemplateDialog::CreateItems() {
    if (!template_) return;
    for (const res::DialogItem& item : template_->items) {
        unsigned ws = 0;
        if (!(item.style & res::kHidden)) ws |= WS_VISIBLE;
        if (item.style & res::kDisabled) ws |= WS_DISABLED;
        if (item.style & res::kTabStop) ws |= WS_TABSTOP;
        if (item.kind == res::ItemKind::kButton) ws |= WS_PUSHBUTTON;
        if (item.kind == res::ItemKind::kButton && (item.style & res::kDefaultButton)) SetDefID(item.id);
        Window* w = nullptr;
        auto bound = bound_.find(item.id);
        if (bound != bound_.end() && !bound->second->IsCreated()) {
            w = bound->second;
        } else {
            owned_.push_back(MakeStockControl(item.kind, &App()));
            w = owned_.back().get();
        }
        CreateItem(item, *w, ItemRect(item), item.text.In(lang_), ws);
    }
}

bool TemplateDialog::SubclassDlgItem(int id, Window& control) {
    Window* old = GetDlgItem(id);
    const res::DialogItem* item = template_ ? template_->Item(id) : nullptr;
    if (!old || !item || old == &control || control.IsCreated() || !KindFits(*item, control)) return false;
    unsigned ws = old->Style() & (WS_VISIBLE | WS_DISABLED | WS_TABSTOP | WS_PUSHBUTTON);
    res::DialogItem now = *item;
    if (auto* c = dynamic_cast<Control*>(old)) now.style = c->ControlStyle();
    const bool had_focus = old->HasFocus();
    if (!CreateItem(now, control, old->RectInParent(), old->GetWindowText(), ws)) return false;
    control.SetFont(old->GetFont(), false);
    const auto& kids = Children();
    auto at = std::find(kids.begin(), kids.end(), old);
    control.SetZOrder(at == kids.begin() ? nullptr : *(at - 1));
    old->DestroyWindow();
    std::erase_if(owned_, [&](const std::unique_ptr<Window>& p) { return p.get() == old; });
    bound_[id] = &control;
    if (had_focus) control.SetFocus();
    return true;
}

LRESULT TemplateDialog::SendDlgItemMessage(int id, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* w = GetDlgItem(id);
    return w ? w->SendMessage(message, wParam, lParam) : 0;
}

namespace {

void SelectAllIfEdit(Window* w) {
    if (auto* e = dynamic_cast<Edit*>(w)) e->SetSel(0, -1);
}

}  // namespace

LRESULT TemplateDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            // The first focus, as the dialog manager gives it, selects an edit's text.
            if (Dialog::WindowProc(message, wParam, lParam) && !IsEnded()) {
                NextDlgCtrl();
                SelectAllIfEdit(App().GetFocus());
            }
            return 0;
        default:
            return Dialog::WindowProc(message, wParam, lParam);
    }
}

bool TemplateDialog::PreTranslateMessage(MSG& msg) {
    const bool tab = msg.message == WM_KEYDOWN && msg.wParam == VK_TAB;
    const bool consumed = Dialog::PreTranslateMessage(msg);
    if (tab && consumed) SelectAllIfEdit(App().GetFocus());
    return consumed;
}

bool TemplateDialog::OnEraseBkgnd(gfx::Canvas& canvas) {
    if (const gfx::Brush* brush = OnCtlColor(canvas, this, CTLCOLOR_DLG)) {
        canvas.FillRect(GetClientRect(), *brush);
        return true;
    }
    return Dialog::OnEraseBkgnd(canvas);
}

}  // namespace ui
