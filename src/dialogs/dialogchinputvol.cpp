// The input-volume dialog's construction and its one layout pass.
#include "dialogs/dialogchinputvol.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "device/status.h"
#include "dialogs/inputvolids.h"
#include "editing/mixcell.h"
#include "platform/res/dpi.h"
#include "platform/ui/application.h"
#include "res/skin/inputvolskin.h"

namespace iv = dialogs::inputvol;

namespace {

constexpr gfx::Color kCellBack = gfx::Rgb(33, 44, 61);

ui::Application* Registered(ui::Application* app) {
    ui::Application& a = app ? *app : *ui::Application::Current();
    dialogs::RegisterInputVolumeTemplates(a.Dialogs());
    res::RegisterInputVolumeSkin(a.Skin());
    return &a;
}

bool HideAux34() {
    return g_HideAux34.load() != 0;
}

template <typename Cell>
using CellGrid = std::array<std::array<Cell, kInputs>, kChannels>;

// Each cell of a column and a row the model shows goes to its place on grid with the given size, keeping
// its place in the drawing order; every other cell is hidden. A model left to the template keeps them all.
template <typename Cell>
void PlaceCells(CellGrid<Cell>& cells, int model, const iv::Grid& grid, gfx::Size size) {
    if (!iv::IsLaidOut(model)) return;
    const std::vector<int> rows = iv::ModelRows(model, HideAux34());
    const int columns = iv::ModelColumns(model);
    for (int o = 0; o < kChannels; ++o) {
        for (int j = 0; j < kInputs; ++j) {
            const auto at = std::find(rows.begin(), rows.end(), j);
            if (o >= columns || at == rows.end()) {
                cells[o][j].ShowWindow(ui::SW_HIDE);
                continue;
            }
            const gfx::Point p = grid.At(o, int(at - rows.begin()));
            cells[o][j].MoveWindow(gfx::RectFromSize(p.x, p.y, size.cx, size.cy));
        }
    }
}

// The cells of the outputs the enabling visits are enabled when their input is among its inputs.
template <typename Cell>
void EnableCells(CellGrid<Cell>& cells, const std::optional<iv::Enabling>& enabling) {
    if (!enabling) return;
    for (int o = 0; o < enabling->columns; ++o) {
        for (int j = 0; j < kInputs; ++j) cells[o][j].EnableWindow((enabling->inputs >> j & 1) != 0);
    }
}

}  // namespace

CDialogChInputVol::CDialogChInputVol(unsigned templateId, ui::Window* parent, ui::Application* app)
    : ui::TemplateDialog(int(templateId), parent, Registered(app)), templateId_(templateId) {
    // Dialog data exchange: every cell edit and slider is created as its member.
    for (int o = 0; o < kChannels; ++o) {
        for (int j = 0; j < kInputs; ++j) {
            BindItem(g_MixEditIds[o][j], m_editCell[o][j]);
            BindItem(g_MixSliderIds[o][j], m_sliderCell[o][j]);
        }
    }
}

int CDialogChInputVol::Band() {
    return res::DpiBand(App().Dpi());
}

bool CDialogChInputVol::OnInitDialog() {
    // The window's size by model and band; it keeps its place.
    const int model = g_DeviceModel.load();
    const bool hide = HideAux34();
    iv::WindowLook look = iv::WindowLookOf(model, hide, Band());
    m_bmpBackground = look.background;
    m_bmBackground = look.background ? App().Skin().SizeOf(look.background) : gfx::Size{};
    if (look.size.cy == 0) look.size.cy = m_bmBackground.cy;  // as high as the picture
    if (look.size.cx > 0 && look.size.cy > 0) {
        const gfx::Rect r = GetWindowRect();
        MoveWindow(gfx::RectFromSize(r.left, r.top, look.size.cx, look.size.cy), false);
    }
    m_brushCell = gfx::Brush::Solid(kCellBack);
    PlaceCloseButton();
    LayoutLabels();
    LayoutGainEdits();
    LayoutSliders();
    m_sliderCell[0][0].SetFocus();
    return false;
}

void CDialogChInputVol::PlaceCloseButton() {
    const iv::CloseLook look = iv::CloseLookOf(Band());
    // The bitmap's own size, as the skin holds it.
    iv::CloseLook sized = look;
    if (App().Skin().Contains(look.normal)) sized.size = App().Skin().SizeOf(look.normal);
    if (ui::Window* close = GetDlgItem(ui::IDCANCEL)) close->MoveWindow(iv::ClosePlace(GetClientRect().Width(), sized));
}

void CDialogChInputVol::LayoutLabels() {
    const int model = g_DeviceModel.load();
    const int band = Band();
    const int dpi = App().Dpi();
    m_fontColumn = {"黑体", res::DpiScale(14, dpi), 400};
    const iv::Grid columns = iv::ColumnHeaderGrid(band);
    for (int i = 0; i < kChannels; ++i) {
        ui::Window* header = GetDlgItem(g_MixColumnLabelIds[i]);
        if (!header) continue;
        if (iv::ColumnHeaderHidden(model, i)) {
            header->ShowWindow(ui::SW_HIDE);
            continue;
        }
        header->SetFont(m_fontColumn, true);
        const gfx::Rect r = header->RectInParent();
        header->MoveWindow(gfx::RectFromSize(columns.x0 + i * columns.dx, columns.y0, r.Width(), r.Height()));
        header->BringWindowToTop();  // moved without keeping its place in the drawing order
    }
    m_fontRow = {"宋体", res::DpiScale(12, dpi), 400};
    if (iv::IsLaidOut(model)) {
        const std::vector<int> rows = iv::ModelRows(model, HideAux34());
        const iv::Grid grid = iv::RowLabelGrid(band);
        for (int bit = 0; bit < kInputs; ++bit) {
            ui::Window* label = GetDlgItem(g_MixRowLabelIds[bit]);
            if (!label) continue;
            const auto at = std::find(rows.begin(), rows.end(), bit);
            if (at == rows.end()) {
                label->ShowWindow(ui::SW_HIDE);
                continue;
            }
            const gfx::Rect r = label->RectInParent();
            const int row = int(at - rows.begin());
            label->MoveWindow(gfx::RectFromSize(grid.x0, grid.y0 + row * grid.dy, r.Width(), r.Height()));
            label->BringWindowToTop();
        }
    }
    // The texts are this dialog's own in every model, the USB names on the Bluetooth rows for source 9.
    const bool chinese = Language() == sys::kLangChinese;
    const bool usb = g_InputSource.load() == 9;
    for (int bit = 0; bit < kInputs; ++bit) {
        ui::Window* label = GetDlgItem(g_MixRowLabelIds[bit]);
        if (!label) continue;
        label->SetFont(m_fontRow, true);
        const dialogs::RowLabelText& t =
            usb && (bit == 10 || bit == 11) ? dialogs::kUsbRowLabels[bit - 10] : dialogs::kMixRowLabels[bit];
        label->SetWindowText(chinese ? t.chinese : t.english);
    }
    if (ui::Window* title = GetDlgItem(IDC_INPUT_VOL_TITLE)) title->SetFont(m_fontRow, true);
}

void CDialogChInputVol::LayoutGainEdits() {
    std::string text;
    for (int o = 0; o < kChannels; ++o) {
        // Every edit knows its cell and shows its level, the hidden ones too.
        for (int j = 0; j < kInputs; ++j) m_editCell[o][j].Init(o, 1 << j);
        for (int j = 0; j < kInputs; ++j) {
            editing::FormatMixCell(text, o, 1 << j);
            m_editCell[o][j].SetWindowText(text);
        }
    }
    const int model = g_DeviceModel.load();
    const int band = Band();
    PlaceCells(m_editCell, model, iv::EditGrid(band), {iv::EditWidth(band), res::DpiScale(16, App().Dpi())});
    EnableCells(m_editCell, iv::EditEnabling(model, g_InputSource.load(), HideAux34()));
}

void CDialogChInputVol::LayoutSliders() {
    const int band = Band();
    iv::SliderLook look = iv::SliderLookOf(band);
    res::Skin& skin = App().Skin();
    if (skin.Contains(look.thumb)) look.thumbSize = skin.SizeOf(look.thumb);
    if (skin.Contains(look.highlighted)) look.trackSize = skin.SizeOf(look.highlighted);
    const int sourceInputs = iv::SourceInputs(g_InputSource.load());
    for (int o = 0; o < kChannels; ++o) {
        // Positions first, then the ranges, as the native control takes them.
        for (int j = 0; j < kInputs; ++j) m_sliderCell[o][j].SetPos(editing::GetMixCell(o, 1 << j));
        for (int j = 0; j < kInputs; ++j) {
            CellSlider& slider = m_sliderCell[o][j];
            slider.SetRange(0, kInputVolumeMax, false);
            slider.SetLineSize(1);
            const bool lit = (sourceInputs >> j & 1) != 0;
            const SliderBitmaps& bitmaps = sliderBitmaps_[o][j] = {
                look.thumbOffset, look.thumb, look.thumbSize, lit ? look.highlighted : look.plain, look.plain};
            slider.SetThumbOffset(bitmaps.thumbOffset);
            slider.SetThumbBitmap(bitmaps.thumb, bitmaps.thumbSize.cx, bitmaps.thumbSize.cy);
            slider.SetTrackBitmaps(bitmaps.after, bitmaps.before);
        }
    }
    const int model = g_DeviceModel.load();
    PlaceCells(m_sliderCell, model, iv::SliderGrid(band), look.trackSize);
    EnableCells(m_sliderCell, iv::SliderEnabling(model, g_InputSource.load(), HideAux34()));
}
