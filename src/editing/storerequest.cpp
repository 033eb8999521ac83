#include "editing/storerequest.h"

#include "device/status.h"

namespace editing {

void RequestStoreMode() {
    g_StoreModeRequest = 1;
}

}  // namespace editing
