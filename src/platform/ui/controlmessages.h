#pragma once
#include <cstdint>

#include "platform/gfx/canvas.h"
#include "platform/gfx/geometry.h"
#include "platform/gfx/pen.h"
#include "platform/ui/messages.h"

// Messages, notices and records of the stock controls, with the numbers Windows programs use.
namespace ui {

class Window;

enum ControlMessage : UINT {
    WM_MEASUREITEM = 0x002C,  // lParam: MeasureItemStruct*; nonzero result: measured
    EM_GETSEL = 0x00B0,       // result: MAKELPARAM(start, end)
    EM_SETSEL = 0x00B1,       // wParam start, lParam end (-1: the end of the text)
    EM_LIMITTEXT = 0x00C5,
    EM_SETREADONLY = 0x00CF,
    CB_GETCOUNT = 0x0146,
    CB_GETCURSEL = 0x0147,
    CB_SETCURSEL = 0x014E,
    LB_GETCURSEL = 0x0188,
    LB_SETCURSEL = 0x0186,
    LB_GETCOUNT = 0x018B,
    LB_GETITEMRECT = 0x0198,  // wParam index, lParam gfx::Rect*; result -1 for a bad index
};

// Notices in the high word of WM_COMMAND's wParam, besides the core's.
enum ControlNotice : unsigned {
    STN_DBLCLK = 1,
    LBN_SELCHANGE = 1,
    LBN_DBLCLK = 2,
    LBN_SETFOCUS = 4,
    LBN_KILLFOCUS = 5,
    EN_MAXTEXT = 0x0501,
};

// Scroll codes of a track bar in the low word of WM_HSCROLL / WM_VSCROLL's wParam (the position is in the
// high word for the thumb codes); lParam is the track bar.
enum TrackBarCode : unsigned {
    TB_LINEUP = 0,
    TB_LINEDOWN = 1,
    TB_PAGEUP = 2,
    TB_PAGEDOWN = 3,
    TB_THUMBPOSITION = 4,
    TB_THUMBTRACK = 5,
    TB_TOP = 6,
    TB_BOTTOM = 7,
    TB_ENDTRACK = 8,
};

// The kinds of the colour step: WM_CTLCOLORMSGBOX + kind is the message sent.
enum CtlColorKind : int {
    CTLCOLOR_MSGBOX = 0,
    CTLCOLOR_EDIT = 1,
    CTLCOLOR_LISTBOX = 2,
    CTLCOLOR_BTN = 3,
    CTLCOLOR_DLG = 4,
    CTLCOLOR_SCROLLBAR = 5,
    CTLCOLOR_STATIC = 6,
};

// Owner draw.
enum OwnerDrawType : UINT { ODT_LISTBOX = 2, ODT_COMBOBOX = 3, ODT_BUTTON = 4 };
enum OwnerDrawAction : UINT { ODA_DRAWENTIRE = 1, ODA_SELECT = 2, ODA_FOCUS = 4 };
enum OwnerDrawState : UINT {
    ODS_SELECTED = 0x0001,
    ODS_DISABLED = 0x0004,
    ODS_FOCUS = 0x0010,
    ODS_COMBOBOXEDIT = 0x1000,
};

// WM_DRAWITEM's record (lParam; wParam is the control id). The canvas is the control's own paint canvas, with
// whatever the colour step set on it; rcItem is in the control's client coordinates.
struct DrawItemStruct {
    UINT CtlType = 0;
    UINT CtlID = 0;
    int itemID = -1;
    UINT itemAction = ODA_DRAWENTIRE;
    UINT itemState = 0;
    Window* hwndItem = nullptr;
    gfx::Canvas* canvas = nullptr;
    gfx::Rect rcItem;
    std::uintptr_t itemData = 0;
};

// WM_NOTIFY's record (lParam; wParam is the control id).
struct NMHDR {
    Window* hwndFrom = nullptr;
    UINT idFrom = 0;
    UINT code = 0;
};

// WM_MEASUREITEM's record (lParam; wParam is the control id).
struct MeasureItemStruct {
    UINT CtlType = 0;
    UINT CtlID = 0;
    int itemID = 0;
    UINT itemWidth = 0;
    UINT itemHeight = 0;
    std::uintptr_t itemData = 0;
};

// The stock null brush a colour step may answer with (HOLLOW_BRUSH): the control fills nothing.
inline const gfx::Brush* NullBrush() {
    static const gfx::Brush brush = gfx::Brush::Null();
    return &brush;
}

// A colour step's answer as the message result, and back.
inline LRESULT BrushResult(const gfx::Brush* brush) {
    return reinterpret_cast<LRESULT>(brush);
}
inline const gfx::Brush* BrushOfResult(LRESULT result) {
    return reinterpret_cast<const gfx::Brush*>(result);
}

}  // namespace ui
