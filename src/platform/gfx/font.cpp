#include "platform/gfx/font.h"

#include <pango/pangocairo.h>

#include <cmath>
#include <map>
#include <mutex>

namespace gfx {

namespace {

constexpr const char* kLatin = "DejaVu Sans, WenQuanYi Zen Hei";
constexpr const char* kCjk = "WenQuanYi Zen Hei, DejaVu Sans";

struct FaceEntry {
    const char* face;
    const char* families;
};

// Windows faces the program names, and the installed faces drawn in their place. Latin faces fall back to the
// CJK font for Chinese texts, so a Chinese caption in a dialog font still renders.
constexpr FaceEntry kFaces[] = {
    {"宋体", kCjk},
    {"新宋体", kCjk},
    {"黑体", kCjk},
    {"微软雅黑", kCjk},
    {"SimSun", kCjk},
    {"NSimSun", kCjk},
    {"SimHei", kCjk},
    {"Microsoft YaHei", kCjk},
    {"MS Shell Dlg", kLatin},
    {"MS Shell Dlg 2", kLatin},
    {"Microsoft Sans Serif", kLatin},
    {"MS Sans Serif", kLatin},
    {"Tahoma", kLatin},
    {"Arial", kLatin},
    {"Segoe UI", kLatin},
    {"System", kLatin},
};

// Cell height (ascent + descent) per em of a family list, measured once per list.
double CellPerEm(const char* families) {
    static std::mutex mutex;
    static std::map<std::string, double> cache;
    std::lock_guard lock(mutex);
    auto it = cache.find(families);
    if (it != cache.end()) return it->second;
    constexpr int kProbe = 100;
    PangoFontMap* map = pango_cairo_font_map_get_default();
    PangoContext* context = pango_font_map_create_context(map);
    PangoFontDescription* desc = pango_font_description_from_string(families);
    pango_font_description_set_absolute_size(desc, kProbe * PANGO_SCALE);
    double ratio = 1.0;
    if (PangoFont* font = pango_font_map_load_font(map, context, desc)) {
        PangoFontMetrics* m = pango_font_get_metrics(font, nullptr);
        const double cell =
            static_cast<double>(pango_font_metrics_get_ascent(m) + pango_font_metrics_get_descent(m));
        if (cell > 0) ratio = cell / PANGO_SCALE / kProbe;
        pango_font_metrics_unref(m);
        g_object_unref(font);
    }
    pango_font_description_free(desc);
    g_object_unref(context);
    cache.emplace(families, ratio);
    return ratio;
}

}  // namespace

const char* InstalledFamilies(const std::string& face) {
    for (const auto& e : kFaces) {
        if (face == e.face) return e.families;
    }
    return kLatin;
}

double EmPixels(const Font& font) {
    if (font.height < 0) return -static_cast<double>(font.height);
    if (font.height == 0) return 12.0;  // GDI's "default size" for a zero height
    return font.height / CellPerEm(InstalledFamilies(font.face));
}

}  // namespace gfx

// Fontconfig keeps its font sets for the life of the process and never frees them; in sanitizer builds that
// shows as leaks in every program that lays out text. They are not ours, so LeakSanitizer is told to skip
// them.
extern "C" __attribute__((used, visibility("default"))) const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}
