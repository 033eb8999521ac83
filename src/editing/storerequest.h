#pragma once

namespace editing {

// Asks the next change-push tick to store the scene on the device, after the changed chunks.
void RequestStoreMode();

}  // namespace editing
