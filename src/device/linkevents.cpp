#include "device/linkevents.h"

namespace device {

namespace {
using Mode = sys::Event::Mode;
sys::Event g_UsbTx(Mode::kAutoReset);
sys::Event g_TcpTx(Mode::kAutoReset);
sys::Event g_UsbRx(Mode::kAutoReset);
sys::Event g_TcpRx(Mode::kAutoReset);
sys::Event g_UsbOpened(Mode::kAutoReset);
}  // namespace

sys::Event& UsbTxReady() {
    return g_UsbTx;
}
sys::Event& TcpTxReady() {
    return g_TcpTx;
}
sys::Event& UsbRxReady() {
    return g_UsbRx;
}
sys::Event& TcpRxReady() {
    return g_TcpRx;
}
sys::Event& UsbOpened() {
    return g_UsbOpened;
}

}  // namespace device
