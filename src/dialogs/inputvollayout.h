#pragma once
// Where the input-volume dialog puts its controls, as tables: which inputs (rows, top to bottom) and how many
// outputs (columns) a device model shows, one geometry table per control kind by DPI band, the window's
// size and background per model, and the bitmaps by band. The dialog lays itself out once, from these and
// the model, flag, source and DPI it opens with. Everything here is a pure function of its arguments.
#include <array>
#include <optional>
#include <vector>

#include "platform/gfx/geometry.h"

namespace dialogs::inputvol {

// A model the dialog lays out itself (1..6, 8, 9); the others keep the template's places.
bool IsLaidOut(int model);
// The shown inputs, top row first, by input bit; empty when the model is not laid out.
std::vector<int> ModelRows(int model, bool hideAux34);
// The number of shown outputs (CH1 first); 12 when the model is not laid out.
int ModelColumns(int model);
// Whether column header i is hidden (models 3, 4, 7 hide CH11, CH12; models 1, 5, 6 hide CH9..CH12).
bool ColumnHeaderHidden(int model, int channel);

// The background bitmap and the window's size in a DPI band (0..4); none for a model left to the template.
struct WindowLook {
    int background = 0;  // 0: none
    gfx::Size size;      // empty: the template's size; a height of 0: the background bitmap's height
};
WindowLook WindowLookOf(int model, bool hideAux34, int band);

// A grid: the control of column ch and row r stands at (x0 + ch * dx, y0 + r * dy).
struct Grid {
    int x0, dx, y0, dy;
    gfx::Point At(int ch, int row) const { return {x0 + ch * dx, y0 + row * dy}; }
};
Grid ColumnHeaderGrid(int band);  // dy unused; y0 the headers' y
Grid RowLabelGrid(int band);      // dx unused; x0 the labels' x
Grid EditGrid(int band);
int EditWidth(int band);
Grid SliderGrid(int band);

// The close button's bitmaps (pressed, normal) and the height of the title band it is centred in.
struct CloseLook {
    int pressed, normal;
    gfx::Size size;
    int titleBand;
};
CloseLook CloseLookOf(int band);
// The close button's place in a client area of width clientWidth.
gfx::Rect ClosePlace(int clientWidth, const CloseLook& look);

// The sliders' bitmaps and thumb offset in a band.
struct SliderLook {
    int thumb = 0;
    gfx::Size thumbSize;
    int highlighted = 0, plain = 0;
    gfx::Size trackSize;  // also the slider's size
    int thumbOffset = 0;
};
SliderLook SliderLookOf(int band);

// The inputs of an input source, as a mask of input bits (none for 4, 6 and unknown sources).
int SourceInputs(int source);
// The inputs whose sliders are enabled, and the outputs the enabling visits; nullopt when the model leaves
// its sliders as created (3, 5, 6 and the template's models).
struct Enabling {
    int inputs;
    int columns;
};
std::optional<Enabling> SliderEnabling(int model, int source, bool hideAux34);
// Model 1 enables the edits of CH1..CH8 by the same rule as its sliders; nullopt on every other model.
std::optional<Enabling> EditEnabling(int model, int source, bool hideAux34);

// The navigation's ranges: outputs 0..LastOutput, rows (of g_MixNavRowBits) FirstRow..LastRow.
int LastOutput(int model);
int FirstRow(int source);
int LastRow(int source, int model, bool hideAux34);

}  // namespace dialogs::inputvol
