#pragma once
// Channel attenuation (g_ChannelGain, 0.1 dB steps, 600 = "OFF") as text and by step. The same entry points
// serve the input-mix cells when an input bit is given.
#include <string>
#include <string_view>

namespace editing {

// Input bit 0: the channel's attenuation. "OFF" (any case) is 600; otherwise up to five leading characters in
// the band-gain shape, "-" and at most 60.0 dB, or an unsigned 0; one decimal counts. A stored change is
// copied to the channels tied for attenuation. Input bit set: the mix cell (ParseMixCellText). 1 when stored
// and changed (see ParseMixCellText for its one exception).
int ParseGainText(std::string_view text, int channel, int inputBit);

// Input bit 0: Down adds 0.1 dB of attenuation up to 600, Up takes it away down to 0, then the tied channels
// take the value. At the limit: false, and nothing is copied. Any other key copies the unchanged value and
// gives true. Input bit set: StepMixCellByKey.
bool StepGainByKey(int key, int channel, int inputBit);

// "OFF" for 600, "0.0dB" for 0, otherwise "-%.1fdB" of the attenuation ("-12.5dB").
void FormatChannelGain(std::string& text, int channel);

// Moves the channel's slider to its attenuation and writes its text. Slider is any type with SetPos(int) and
// Invalidate().
template <typename Slider>
void SyncChannelGainSlider(Slider* slider, std::string& text, int channel);

}  // namespace editing

#include "device/channelmodel.h"
#include "editing/indexes.h"

namespace editing {

template <typename Slider>
void SyncChannelGainSlider(Slider* slider, std::string& text, int channel) {
    if (!IsChannel(channel)) return;
    if (slider) {
        slider->SetPos(g_ChannelGain[channel]);
        slider->Invalidate();
    }
    FormatChannelGain(text, channel);
}

}  // namespace editing
