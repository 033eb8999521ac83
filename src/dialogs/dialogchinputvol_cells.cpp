// The input-volume dialog's handlers: a stepped, committed or slid cell brings only its own edit and slider
// in step; the page and arrow keys move between the cells the user can see; the colour step, the close
// button, the background and dragging by the body.
#include "device/status.h"
#include "dialogs/dialogchinputvol.h"
#include "dialogs/inputvolids.h"
#include "editing/mixcell.h"
#include "mainwnd/shellmessages.h"
#include "platform/res/dpi.h"
#include "platform/ui/application.h"

namespace iv = dialogs::inputvol;

namespace {

constexpr gfx::Color kLit = gfx::Rgb(254, 254, 254);
constexpr gfx::Color kUnlit = gfx::Rgb(153, 153, 153);
constexpr gfx::Color kEditText = gfx::Rgb(255, 255, 255);
constexpr gfx::Color kEditBack = gfx::Rgb(33, 44, 61);
constexpr gfx::Color kDisabledBack = gfx::Rgb(0, 0, 0);

constexpr unsigned VK_PRIOR = 0x21, VK_NEXT = 0x22, VK_LEFT = 0x25, VK_RIGHT = 0x27;

// The cell of (wParam, lParam) as the cell messages carry it: the output and the input bit's value.
bool CellOf(ui::WPARAM channel, ui::LPARAM inputBit, int& o, int& j) {
    if (channel >= ui::WPARAM(kChannels)) return false;
    for (int bit = 0; bit < kInputs; ++bit) {
        if (inputBit == ui::LPARAM(1) << bit) {
            o = int(channel), j = bit;
            return true;
        }
    }
    return false;
}

}  // namespace

ui::LRESULT CDialogChInputVol::WindowProc(ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam) {
    switch (message) {
        case WM_GAIN_STEPPED:
            return OnCellStepped(wParam, lParam);
        case WM_GAIN_COMMIT:
            return OnCellCommit(wParam, lParam);
        case WM_MOVE_FOCUS:
            return OnCellNavigate(wParam);
        default:
            return ui::TemplateDialog::WindowProc(message, wParam, lParam);
    }
}

ui::LRESULT CDialogChInputVol::OnCellStepped(ui::WPARAM channel, ui::LPARAM inputBit) {
    int o = 0, j = 0;
    if (!CellOf(channel, inputBit, o, j)) return 0;
    std::string text;
    editing::SyncMixCell(&m_sliderCell[o][j], text, o, 1 << j);
    m_editCell[o][j].SetWindowText(text);
    return 0;
}

ui::LRESULT CDialogChInputVol::OnCellCommit(ui::WPARAM channel, ui::LPARAM inputBit) {
    int o = 0, j = 0;
    if (!CellOf(channel, inputBit, o, j)) return 0;
    CellEdit& edit = m_editCell[o][j];
    std::string text = edit.GetWindowText();
    if (editing::ParseMixCellText(text, o, 1 << j))
        editing::SyncMixCell(&m_sliderCell[o][j], text, o, 1 << j);
    else
        editing::FormatMixCell(text, o, 1 << j);
    edit.SetWindowText(text);
    edit.SetSel(0, -1, true);
    return 0;
}

void CDialogChInputVol::OnHScroll(unsigned code, int pos, ui::Window* bar) {
    for (int o = 0; bar && o < kChannels; ++o) {
        for (int j = 0; j < kInputs; ++j) {
            if (GetDlgItem(g_MixSliderIds[o][j]) != bar) continue;
            // Every notice, thumb tracking included, stores where the slider is now.
            editing::SetMixCell(o, 1 << j, m_sliderCell[o][j].GetPos());
            std::string text;
            editing::FormatMixCell(text, o, 1 << j);
            m_editCell[o][j].SetWindowText(text);
            o = kChannels;
            break;
        }
    }
    ui::TemplateDialog::OnHScroll(code, pos, bar);
}

int CDialogChInputVol::GetLastOutputChannel() {
    return iv::LastOutput(g_DeviceModel.load());
}
int CDialogChInputVol::GetFirstInputRow() {
    return iv::FirstRow(g_InputSource.load());
}
int CDialogChInputVol::GetLastInputRow() {
    return iv::LastRow(g_InputSource.load(), g_DeviceModel.load(), g_HideAux34.load() != 0);
}

bool CDialogChInputVol::NavigationTarget(unsigned key, int& o, int& r) const {
    const int last = GetLastOutputChannel(), first = GetFirstInputRow(), lastRow = GetLastInputRow();
    const int o0 = o, r0 = r;
    // A cell the layout hid or disabled is skipped, so the keys never lead into a cell the user cannot
    // see or use; the search wraps like the move itself and gives up when it is back where it began.
    for (;;) {
        switch (key) {
            case VK_RIGHT:
                o = o == last ? 0 : o + 1;
                break;
            case VK_LEFT:
                o = o == 0 ? last : o - 1;
                break;
            case VK_NEXT:
                r = r == lastRow ? first : r + 1;
                break;
            default:  // VK_PRIOR
                r = r == first ? lastRow : r - 1;
                break;
        }
        if (o == o0 && r == r0) return false;
        const CellEdit& edit = m_editCell[o][g_MixNavRowBits[r]];
        if ((edit.Style() & ui::WS_VISIBLE) && edit.IsWindowEnabled()) return true;
    }
}

ui::LRESULT CDialogChInputVol::OnCellNavigate(ui::WPARAM key) {
    if (key != VK_LEFT && key != VK_RIGHT && key != VK_PRIOR && key != VK_NEXT) return 0;
    ui::Window* focus = GetFocus();
    if (!focus) return 0;
    const int last = GetLastOutputChannel();
    for (int o = 0; o <= last; ++o) {
        const int first = GetFirstInputRow(), lastRow = GetLastInputRow();
        for (int r = first; r <= lastRow; ++r) {
            if (&m_editCell[o][g_MixNavRowBits[r]] != focus) continue;
            int to = o, tr = r;
            if (!NavigationTarget(unsigned(key), to, tr)) return 0;
            CellEdit& target = m_editCell[to][g_MixNavRowBits[tr]];
            // The cell takes the focus and selects its text; the one left commits its own first.
            target.SendMessage(WM_MOVE_FOCUS, 0, 0);
            return 0;
        }
    }
    return 0;
}

int CDialogChInputVol::GetRowGroup(int controlId) {
    for (int bit = 0; bit < kInputs; ++bit) {
        if (g_MixRowLabelIds[bit] != controlId) continue;
        if (bit <= 5 || bit == 12 || bit == 13 || bit >= 16) return 1;
        if (bit == 6 || bit == 7 || bit == 14 || bit == 15) return 2;
        if (bit == 8 || bit == 9) return 5;
        return 3;
    }
    return 10;
}

const gfx::Brush* CDialogChInputVol::OnCtlColor(gfx::Canvas& canvas, ui::Window* control, int kind) {
    static const gfx::Brush kNull = gfx::Brush::Null();
    const gfx::Brush* base = ui::TemplateDialog::OnCtlColor(canvas, control, kind);
    switch (kind) {
        case ui::CTLCOLOR_STATIC:
        case ui::CTLCOLOR_BTN: {
            const int id = control ? control->GetDlgCtrlID() : 0;
            const ui::Window* item = GetDlgItem(id);
            if (item && !item->IsWindowEnabled()) {
                canvas.SetTextColor(kUnlit);
                canvas.SetBkColor(kDisabledBack);
                return &m_brushCell;
            }
            const int g = GetRowGroup(id);
            const int source = g_InputSource.load();
            const bool lit = g == 10 || (g == 1 && source == 1) || (g == 2 && source == 2) ||
                             (g == 3 && (source == 3 || source == 9)) || (g == 5 && source == 5);
            canvas.SetTextColor(lit ? kLit : kUnlit);
            canvas.SetBkMode(gfx::BkMode::kTransparent);
            return &kNull;
        }
        case ui::CTLCOLOR_EDIT:
        case ui::CTLCOLOR_LISTBOX:
            canvas.SetTextColor(kEditText);
            canvas.SetBkColor(kEditBack);
            return &m_brushCell;
        default:
            return base;
    }
}

bool CDialogChInputVol::OnDrawItem(int id, ui::DrawItemStruct& dis) {
    if (id == ui::IDCANCEL && dis.canvas) {
        const iv::CloseLook look = iv::CloseLookOf(Band());
        const int bitmap = dis.itemState & ui::ODS_SELECTED ? look.pressed : look.normal;
        const gfx::Bitmap& bmp = App().Skin().Get(bitmap);
        if (bmp.Width() > 0) dis.canvas->StretchBlt(dis.rcItem, bmp, gfx::RectFromSize(0, 0, bmp.Width(), bmp.Height()));
    }
    return ui::TemplateDialog::OnDrawItem(id, dis);
}

void CDialogChInputVol::OnPaint(gfx::Canvas& canvas) {
    // No background (a model left to the template): the erased dialog colour stays.
    if (m_bmpBackground == 0) return;
    const gfx::Bitmap& bmp = App().Skin().Get(m_bmpBackground);
    canvas.StretchBlt(GetClientRect(), bmp, gfx::RectFromSize(0, 0, m_bmBackground.cx, m_bmBackground.cy));
}

ui::LRESULT CDialogChInputVol::OnNcHitTest(gfx::Point screen) {
    const ui::LRESULT hit = ui::TemplateDialog::OnNcHitTest(screen);
    return hit == ui::HTCLIENT ? ui::LRESULT(ui::HTCAPTION) : hit;
}
