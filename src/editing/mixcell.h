#pragma once
// The input-mix cells: the level (attenuation in dB, 0..60, 60 = off) at which input bit 1 << j feeds an
// output channel. A cell is addressed by its output channel and its input bit in routing-mask order.
#include <string>
#include <string_view>

namespace editing {

// The g_InputVolume storage index of a single input bit 1 << j, j = 0..19; 0 for any other value.
int InputBitToIndex(int bit);

// The cell's level; 0 for a channel outside 0..11.
int GetMixCell(int channel, int inputBit);
// Stores the level; the caller keeps it within 0..60. A channel outside 0..11 changes nothing.
void SetMixCell(int channel, int inputBit, int value);

// "0dB" for 0, "-12dB" for 12 (and "-60dB" for 60); empty for any other value.
void FormatMixCell(std::string& text, int channel, int inputBit);

// A typed cell: "OFF" (any case) = 60, "-" and two digits below 60, "-" and one digit, or "0"; the text ends
// at its first 'd'. A text of more than three characters is not read: nothing is stored and the result is 1,
// so the cell's own text ("-12dB") committed unchanged is harmless. Otherwise 1 only when the cell changed.
int ParseMixCellText(std::string_view text, int channel, int inputBit);

// Down raises the attenuation up to 60, Up lowers it down to 0; false at the limit, true otherwise (any other
// key changes nothing).
bool StepMixCellByKey(int key, int channel, int inputBit);

// Brings a cell's slider (when given) and text in step with the model. Slider is any type with SetPos(int)
// and Invalidate().
template <typename Slider>
void SyncMixCell(Slider* slider, std::string& text, int channel, int inputBit) {
    if (slider) {
        slider->SetPos(GetMixCell(channel, inputBit));
        slider->Invalidate();
    }
    FormatMixCell(text, channel, inputBit);
}

}  // namespace editing
