#include "mainwnd/aboutdlgtemplate.h"

#include "mainwnd/quenbarids.h"
#include "platform/ui/messages.h"

namespace mainwnd {

res::DialogTemplate MakeAboutTemplate() {
    using gfx::RectFromSize;
    using res::ItemKind;
    // The labels end at x 61, two units before the values.
    return {IDD_ABOUTBOX,
            {"MS Shell Dlg", 8},
            {170, 75},
            {"About", "关于"},
            res::kCaption,
            {
                {IDC_STATIC, ItemKind::kPicture, RectFromSize(14, 14, 21, 20)},
                {IDC_STATIC, ItemKind::kStatic, RectFromSize(40, 14, 21, 8), res::kTextRight, "APP:"},
                {IDC_ABOUT_APP, ItemKind::kStatic, RectFromSize(63, 14, 100, 8), 0, "Static"},
                {IDC_STATIC, ItemKind::kStatic, RectFromSize(41, 27, 20, 8), res::kTextRight, "MCU:"},
                {IDC_ABOUT_MCU, ItemKind::kStatic, RectFromSize(63, 27, 100, 8), 0, "Static"},
                {IDC_ABOUT_MEDIA_LABEL, ItemKind::kStatic, RectFromSize(26, 40, 35, 8), res::kTextRight,
                 "MEDIA:"},
                {IDC_ABOUT_MEDIA, ItemKind::kStatic, RectFromSize(63, 40, 100, 8), 0, "Static"},
                {ui::IDOK,
                 ItemKind::kButton,
                 RectFromSize(113, 54, 50, 14),
                 res::kDefaultButton | res::kTabStop | res::kGroup,
                 {"Cancel", "退出"}},
            }};
}

}  // namespace mainwnd
