#include "dialogs/inputvollayout.h"

namespace dialogs::inputvol {

namespace {

// Input bits by name.
constexpr int kHi1to6[] = {0, 1, 2, 3, 4, 5};
constexpr int kHi78[] = {12, 13};
constexpr int kAux12[] = {6, 7};
constexpr int kAux34[] = {14, 15};
constexpr int kOptBt[] = {8, 9, 10, 11};

void Append(std::vector<int>& rows, std::initializer_list<int> bits) {
    rows.insert(rows.end(), bits.begin(), bits.end());
}
template <std::size_t N>
void Append(std::vector<int>& rows, const int (&bits)[N]) {
    rows.insert(rows.end(), bits, bits + N);
}

int MaskOf(const std::vector<int>& bits) {
    int mask = 0;
    for (int b : bits) mask |= 1 << b;
    return mask;
}

}  // namespace

bool IsLaidOut(int model) {
    return (model >= 1 && model <= 6) || model == 8 || model == 9;
}

std::vector<int> ModelRows(int model, bool hideAux34) {
    std::vector<int> rows;
    switch (model) {
        case 1:
        case 4:
            Append(rows, kHi1to6);
            Append(rows, kAux12);
            if (!hideAux34) Append(rows, kAux34);
            break;
        case 2:
            Append(rows, kHi1to6);
            Append(rows, kHi78);
            Append(rows, kAux12);
            if (!hideAux34) Append(rows, kAux34);
            break;
        case 3:
            Append(rows, kHi1to6);
            Append(rows, kHi78);
            Append(rows, kAux12);
            break;
        case 5:
            Append(rows, {0, 1, 2, 3});
            Append(rows, kAux12);
            break;
        case 6:
            Append(rows, kHi1to6);
            Append(rows, kHi78);
            Append(rows, kAux12);
            Append(rows, kAux34);
            break;
        case 8:
            Append(rows, kHi1to6);
            Append(rows, kHi78);
            Append(rows, {16, 17});
            Append(rows, kAux12);
            break;
        case 9:
            Append(rows, kHi1to6);
            Append(rows, kHi78);
            Append(rows, {16, 17, 18, 19});
            Append(rows, kAux12);
            Append(rows, kAux34);
            break;
        default:
            return rows;
    }
    Append(rows, kOptBt);
    return rows;
}

int ModelColumns(int model) {
    switch (model) {
        case 1:
        case 5:
        case 6:
            return 8;
        case 3:
        case 4:
            return 10;
        default:
            return 12;
    }
}

bool ColumnHeaderHidden(int model, int channel) {
    if (model == 3 || model == 4 || model == 7) return channel >= 10;
    if (model == 1 || model == 5 || model == 6) return channel >= 8;
    return false;
}

WindowLook WindowLookOf(int model, bool hideAux34, int band) {
    struct Row {
        int background;
        std::array<gfx::Size, 5> sizes;
    };
    static constexpr Row kModel1{718, {{{850, 530}, {1010, 590}, {1280, 704}, {1432, 820}, {1710, 920}}}};
    static constexpr Row kModel1Hidden{738, {{{850, 458}, {1010, 520}, {1280, 620}, {1432, 720}, {1720, 805}}}};
    static constexpr Row kModel2{718, {{{1245, 590}, {1490, 710}, {1868, 850}, {2090, 1020}, {2472, 1124}}}};
    static constexpr Row kModel34{310, {{{1045, 0}, {1250, 640}, {1556, 760}, {1750, 920}, {2080, 1000}}}};
    static constexpr Row kModel5{717, {{{846, 390}, {990, 478}, {1268, 566}, {1410, 684}, {1688, 744}}}};
    static constexpr Row kModel6{718, {{{846, 590}, {990, 710}, {1268, 850}, {1410, 1020}, {1688, 1124}}}};
    static constexpr Row kModel8{718, {{{1245, 650}, {1490, 830}, {1868, 960}, {2090, 1220}, {2472, 1328}}}};
    static constexpr Row kModel9{718, {{{1245, 730}, {1490, 950}, {1868, 1070}, {2090, 1420}, {2472, 1528}}}};
    const Row* row = nullptr;
    switch (model) {
        case 1:
            row = hideAux34 ? &kModel1Hidden : &kModel1;
            break;
        case 2:
            row = &kModel2;
            break;
        case 3:
        case 4:
            row = &kModel34;
            break;
        case 5:
            row = &kModel5;
            break;
        case 6:
            row = &kModel6;
            break;
        case 8:
            row = &kModel8;
            break;
        case 9:
            row = &kModel9;
            break;
        default:
            return {};
    }
    if (band < 0 || band > 4) band = 0;
    return {row->background, row->sizes[band]};
}

Grid ColumnHeaderGrid(int band) {
    static constexpr Grid kGrids[] = {{114, 96, 42, 0}, {124, 115, 54, 0}, {163, 144, 63, 0},
                                      {172, 162, 78, 0}, {209, 194, 87, 0}};
    return kGrids[band];
}
Grid RowLabelGrid(int band) {
    static constexpr Grid kGrids[] = {{8, 0, 70, 33}, {6, 0, 86, 36}, {16, 0, 104, 43},
                                      {14, 0, 120, 50}, {14, 0, 136, 56}};
    return kGrids[band];
}
Grid EditGrid(int band) {
    static constexpr Grid kGrids[] = {{77, 96, 68, 33}, {84, 115, 86, 36}, {120, 144, 103, 43},
                                      {130, 162, 120, 50}, {160, 194, 136, 56}};
    return kGrids[band];
}
int EditWidth(int band) {
    static constexpr int kWidths[] = {32, 38, 46, 52, 58};
    return kWidths[band];
}
Grid SliderGrid(int band) {
    static constexpr Grid kGrids[] = {{110, 96, 66, 33}, {122, 115, 84, 36}, {167, 144, 101, 43},
                                      {184, 162, 118, 50}, {220, 194, 134, 56}};
    return kGrids[band];
}

CloseLook CloseLookOf(int band) {
    static constexpr CloseLook kLooks[] = {{300, 301, {40, 22}, 36},
                                           {393, 396, {52, 27}, 40},
                                           {394, 397, {60, 30}, 49},
                                           {609, 608, {73, 38}, 56},
                                           {395, 398, {82, 44}, 72}};
    return kLooks[band];
}

gfx::Rect ClosePlace(int clientWidth, const CloseLook& look) {
    const int w = look.size.cx, h = look.size.cy;
    return gfx::RectFromSize(clientWidth - 3 * (w / 2), (look.titleBand - h + 1) / 2, w, h);
}

SliderLook SliderLookOf(int band) {
    static constexpr SliderLook kLooks[] = {{312, {8, 16}, 313, 311, {60, 20}, 1},
                                            {378, {10, 20}, 381, 384, {76, 24}, 0},
                                            {379, {12, 24}, 382, 385, {86, 28}, 0},
                                            {672, {13, 26}, 674, 684, {100, 32}, 0},
                                            {380, {16, 32}, 383, 386, {114, 36}, 0}};
    return kLooks[band];
}

int SourceInputs(int source) {
    switch (source) {
        case 1:
            return 0x3F | 1 << 12 | 1 << 13 | 0xF0000;
        case 2:
            return 1 << 6 | 1 << 7 | 1 << 14 | 1 << 15;
        case 3:
        case 9:
            return 1 << 10 | 1 << 11;
        case 5:
            return 1 << 8 | 1 << 9;
        default:
            return 0;
    }
}

std::optional<Enabling> SliderEnabling(int model, int source, bool hideAux34) {
    if (model != 1 && model != 2 && model != 4 && model != 8 && model != 9) return std::nullopt;
    int inputs = SourceInputs(source) & MaskOf(ModelRows(model, hideAux34));
    // Model 9 shows AUX-3 and AUX-4 but never lets their sliders move.
    if (model == 9) inputs &= ~(1 << 14 | 1 << 15);
    return Enabling{inputs, model == 1 ? 8 : 12};
}

std::optional<Enabling> EditEnabling(int model, int source, bool hideAux34) {
    if (model != 1) return std::nullopt;
    return SliderEnabling(model, source, hideAux34);
}

int LastOutput(int model) {
    if (model == 1) return 7;
    if (model == 3) return 9;
    return 11;
}

int FirstRow(int source) {
    switch (source) {
        case 2:
            return 12;
        case 5:
            return 16;
        case 3:
        case 9:
            return 18;
        default:
            return 0;
    }
}

int LastRow(int source, int model, bool hideAux34) {
    switch (source) {
        case 1:
            if (model == 1) return 5;
            if (model == 8) return 9;
            if (model == 9) return 11;
            return 7;
        case 2:
            return hideAux34 ? 13 : 15;
        case 5:
            return 17;
        case 3:
        case 9:
            return 19;
        default:
            return 19;
    }
}

}  // namespace dialogs::inputvol
