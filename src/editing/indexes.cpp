#include "editing/indexes.h"

#include "device/channelmodel.h"

namespace editing {

int CurrentChannel() {
    return IsChannel(g_CurrentChannel) ? g_CurrentChannel : -1;
}

int KeyStep(int key) {
    return key == kKeyUp ? 1 : key == kKeyDown ? -1 : 0;
}

bool StepWithin(int& value, int step, int max) {
    if (step > 0 ? value >= max : value <= 0) return false;
    value += step;
    return true;
}

}  // namespace editing
