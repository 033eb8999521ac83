#pragma once
// The input-volume dialog's templates 308, 558 and 559 in both languages, and the row labels' texts. All
// three hold the same 515 controls with the same ids; they differ in the rows' order and a few texts. The
// models that open 308 and 558 are always laid out by the dialog; 559's grid is what model 7 shows.
#include <array>

#include "device/channelmodel.h"
#include "platform/res/dialogtable.h"
#include "platform/res/dialogtemplate.h"
#include "platform/sys/langid.h"

constexpr int IDD_INPUT_VOL_308 = 308;
constexpr int IDD_INPUT_VOL_558 = 558;
constexpr int IDD_INPUT_VOL_559 = 559;

namespace dialogs {

// A row label's string id and texts, by input bit. While the source is USB (9) the Bluetooth rows show
// kUsbRowLabels instead.
struct RowLabelText {
    int stringId;
    const char* english;
    const char* chinese;
};
extern const std::array<RowLabelText, kInputs> kMixRowLabels;
extern const std::array<RowLabelText, 2> kUsbRowLabels;

res::DialogTemplate MakeInputVolumeTemplate(int id, sys::LangId lang);
// Adds the three templates in both languages to table, keeping any already there.
void RegisterInputVolumeTemplates(res::DialogTable& table);

}  // namespace dialogs
