#pragma once
#include <cstdint>

// Message numbers, key codes and flags of our window layer. The numbers are the ones Windows programs use, so
// that code written against WM_USER + n, VK_*, MB_* and ID* keeps its values.
namespace ui {

class Window;

using UINT = unsigned int;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using UINT_PTR = std::uintptr_t;
using HWND = Window*;

constexpr WPARAM MAKEWPARAM(unsigned lo, unsigned hi) {
    return (lo & 0xFFFFu) | ((hi & 0xFFFFu) << 16);
}
constexpr LPARAM MAKELPARAM(int lo, int hi) {
    return static_cast<LPARAM>(static_cast<std::uint32_t>((lo & 0xFFFF) | ((hi & 0xFFFF) << 16)));
}
constexpr unsigned LOWORD(std::uintptr_t v) {
    return v & 0xFFFFu;
}
constexpr unsigned HIWORD(std::uintptr_t v) {
    return (v >> 16) & 0xFFFFu;
}
// Signed coordinates packed in an LPARAM (points left of or above a window are negative).
constexpr int GET_X_LPARAM(LPARAM l) {
    return static_cast<std::int16_t>(l & 0xFFFF);
}
constexpr int GET_Y_LPARAM(LPARAM l) {
    return static_cast<std::int16_t>((l >> 16) & 0xFFFF);
}
constexpr int GET_WHEEL_DELTA_WPARAM(WPARAM w) {
    return static_cast<std::int16_t>(HIWORD(w));
}

enum Message : UINT {
    WM_NULL = 0x0000,
    WM_CREATE = 0x0001,
    WM_DESTROY = 0x0002,
    WM_MOVE = 0x0003,
    WM_SIZE = 0x0005,
    WM_SETFOCUS = 0x0007,
    WM_KILLFOCUS = 0x0008,
    WM_ENABLE = 0x000A,
    WM_SETTEXT = 0x000C,  // lParam: const char* (UTF-8)
    WM_GETTEXT = 0x000D,
    WM_PAINT = 0x000F,  // lParam: gfx::Canvas*, origin at the client area, clipped to it
    WM_CLOSE = 0x0010,
    WM_ERASEBKGND = 0x0014,  // wParam: gfx::Canvas*; nonzero result = erased
    WM_SHOWWINDOW = 0x0018,
    WM_DRAWITEM = 0x002B,
    WM_SETFONT = 0x0030,
    WM_NOTIFY = 0x004E,
    WM_NCHITTEST = 0x0084,  // lParam: screen point; result: HT*
    WM_NCLBUTTONDOWN = 0x00A1,
    WM_KEYDOWN = 0x0100,  // wParam: VK_*; lParam: repeat count in the low word
    WM_KEYUP = 0x0101,
    WM_CHAR = 0x0102,  // wParam: the character as a Unicode code point
    WM_IME_COMPOSITION = 0x010F,  // lParam: const std::string*, the composition (UTF-8); empty when it ended
    WM_SYSKEYDOWN = 0x0104,
    WM_SYSKEYUP = 0x0105,
    WM_INITDIALOG = 0x0110,
    WM_COMMAND = 0x0111,  // wParam: MAKEWPARAM(id, notice); lParam: the control (Window*) or 0
    WM_SYSCOMMAND = 0x0112,
    WM_TIMER = 0x0113,  // wParam: timer id
    WM_HSCROLL = 0x0114,
    WM_VSCROLL = 0x0115,
    WM_CTLCOLORMSGBOX = 0x0132,
    WM_CTLCOLOREDIT = 0x0133,
    WM_CTLCOLORLISTBOX = 0x0134,
    WM_CTLCOLORBTN = 0x0135,
    WM_CTLCOLORDLG = 0x0136,
    WM_CTLCOLORSCROLLBAR = 0x0137,
    WM_CTLCOLORSTATIC = 0x0138,
    WM_MOUSEMOVE = 0x0200,  // wParam: MK_*; lParam: client point
    WM_LBUTTONDOWN = 0x0201,
    WM_LBUTTONUP = 0x0202,
    WM_LBUTTONDBLCLK = 0x0203,
    WM_RBUTTONDOWN = 0x0204,
    WM_RBUTTONUP = 0x0205,
    WM_MOUSEWHEEL = 0x020A,  // wParam: MAKEWPARAM(MK_*, delta); lParam: screen point
    WM_CAPTURECHANGED = 0x0215,
    WM_DEVICECHANGE = 0x0219,
    WM_MOUSEHOVER = 0x02A1,
    WM_MOUSELEAVE = 0x02A3,
    WM_USER = 0x0400,
};

// A control's notice to its parent arrives as WM_COMMAND with one of these in the high word of wParam.
enum Notice : unsigned {
    BN_CLICKED = 0,
    BN_DOUBLECLICKED = 5,
    BN_SETFOCUS = 6,
    BN_KILLFOCUS = 7,
    CBN_SELCHANGE = 1,
    CBN_SETFOCUS = 3,
    CBN_KILLFOCUS = 4,
    CBN_DROPDOWN = 7,
    CBN_CLOSEUP = 8,
    EN_SETFOCUS = 0x0100,
    EN_KILLFOCUS = 0x0200,
    EN_CHANGE = 0x0300,
    STN_CLICKED = 0,
};

enum HitTestCode : int {
    HTERROR = -2,
    HTTRANSPARENT = -1,
    HTNOWHERE = 0,
    HTCLIENT = 1,
    HTCAPTION = 2,
};

enum MouseKeys : unsigned {
    MK_LBUTTON = 0x0001,
    MK_RBUTTON = 0x0002,
    MK_SHIFT = 0x0004,
    MK_CONTROL = 0x0008,
};

// TrackMouseEvent flags.
enum TrackFlags : unsigned {
    TME_HOVER = 0x00000001,
    TME_LEAVE = 0x00000002,
    TME_CANCEL = 0x80000000,
};
constexpr int HOVER_DEFAULT = 400;  // ms
constexpr int WHEEL_DELTA = 120;

enum VirtualKey : unsigned {
    VK_BACK = 0x08,
    VK_TAB = 0x09,
    VK_RETURN = 0x0D,
    VK_SHIFT = 0x10,
    VK_CONTROL = 0x11,
    VK_MENU = 0x12,
    VK_ESCAPE = 0x1B,
    VK_SPACE = 0x20,
    VK_PRIOR = 0x21,
    VK_NEXT = 0x22,
    VK_END = 0x23,
    VK_HOME = 0x24,
    VK_LEFT = 0x25,
    VK_UP = 0x26,
    VK_RIGHT = 0x27,
    VK_DOWN = 0x28,
    VK_INSERT = 0x2D,
    VK_DELETE = 0x2E,
    VK_F1 = 0x70,
    VK_F4 = 0x73,
    VK_F12 = 0x7B,
};

// Message box flags and results.
enum MessageBoxFlags : unsigned {
    MB_OK = 0x00000000,
    MB_OKCANCEL = 0x00000001,
    MB_YESNO = 0x00000004,
    MB_ICONERROR = 0x00000010,
    MB_ICONHAND = MB_ICONERROR,
    MB_ICONQUESTION = 0x00000020,
    MB_ICONWARNING = 0x00000030,
    MB_ICONEXCLAMATION = MB_ICONWARNING,
    MB_ICONINFORMATION = 0x00000040,
    MB_ICONASTERISK = MB_ICONINFORMATION,
    MB_DEFBUTTON2 = 0x00000100,
    MB_TYPEMASK = 0x0000000F,
    MB_ICONMASK = 0x000000F0,
};

enum DialogResult : int {
    IDOK = 1,
    IDCANCEL = 2,
    IDYES = 6,
    IDNO = 7,
};

enum ShowCommand : int {
    SW_HIDE = 0,
    SW_SHOWMINIMIZED = 2,  // a top-level window: minimised by the desktop, still visible to the program
    SW_SHOW = 5,
};

// WM_SYSCOMMAND's commands (wParam & 0xFFF0); a program's own entries of the system menu stay below 0xF000.
enum SysCommand : unsigned {
    SC_MINIMIZE = 0xF020,
    SC_CLOSE = 0xF060,
    SC_KEYMENU = 0xF100,  // opens the system menu (Alt+Space)
};

// The message a queued or sent message is seen as by a pre-translate handler.
struct MSG {
    HWND hwnd = nullptr;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

}  // namespace ui
