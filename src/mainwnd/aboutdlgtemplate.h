#pragma once
// Template 100, the About box: the standard dialog look (a title bar, no skin), the program icon, the build
// tag and the two versions the device reported. The window fills the three value statics when it opens.
#include "platform/res/dialogtemplate.h"

constexpr int IDD_ABOUTBOX = 100;
constexpr int IDC_ABOUT_MCU = 1254;          // the device version
constexpr int IDC_ABOUT_APP = 1255;          // the build tag
constexpr int IDC_ABOUT_MEDIA = 1256;        // the media version, shown once it was received
constexpr int IDC_ABOUT_MEDIA_LABEL = 1850;  // "MEDIA:", shown and hidden with 1256
constexpr int IDR_MAINFRAME_ICON = 128;      // the program icon of the icon item

namespace mainwnd {

// Both languages share the layout; the title and the button's text are per language.
res::DialogTemplate MakeAboutTemplate();

}  // namespace mainwnd
