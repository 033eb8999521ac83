#include "device/images.h"

#include <cstring>

std::mutex g_ImageMutex;
std::uint8_t g_DeviceImage[EQ_USER_PARA_NUM];
std::uint8_t g_DeviceImageShadow[EQ_USER_PARA_NUM];
std::uint8_t g_RoutingImage[SAVE_PARA_2_END];
std::uint8_t g_RoutingImageShadow[SAVE_PARA_2_END];

namespace device {

void ResetImages() {
    std::lock_guard lock(g_ImageMutex);
    std::memset(g_DeviceImage, 0, sizeof g_DeviceImage);
    std::memset(g_DeviceImageShadow, 0, sizeof g_DeviceImageShadow);
    std::memset(g_RoutingImage, 0, sizeof g_RoutingImage);
    std::memset(g_RoutingImageShadow, 0, sizeof g_RoutingImageShadow);
}

}  // namespace device
