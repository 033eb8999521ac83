#include "device/rings.h"

UsbTxRing g_UsbTxRing;
UsbRxRing g_UsbRxRing;
TcpTxRing g_TcpTxRing;
TcpRxRing g_TcpRxRing;
