// Not a check: with DSP_SKIN_DUMP_DIR set, writes every skin bitmap and image as PNGs into that folder, one
// sheet per DPI band with all pictures side by side, so the skin can be looked at.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "controls/bezier.h"
#include "platform/gfx/canvas.h"
#include "platform/res/dpi.h"
#include "platform/res/pngimages.h"
#include "platform/res/skin.h"
#include "res/skin/programimages.h"
#include "res/skin/programskin.h"
#include "res/skinids.h"

namespace res {
namespace {

namespace fs = std::filesystem;

// The pictures in rows on a neutral grey, which shows each picture's own ground, magnified by zoom; only those
// up to max_height high. Room is left at the bottom for the images.
gfx::Bitmap Sheet(const std::vector<std::pair<std::string, const gfx::Bitmap*>>& pictures, int zoom,
                  int max_height) {
    constexpr int kWidth = 1400, kPad = 6, kLabel = 12;
    struct Placed {
        const gfx::Bitmap* bmp;
        std::string name;
        int x, y;
    };
    std::vector<Placed> placed;
    int x = kPad, y = kPad, row = 0;
    for (const auto& [name, bmp] : pictures) {
        if (bmp->Height() > max_height) continue;
        const int w = std::max(bmp->Width() * zoom, 60);
        if (x + w + kPad > kWidth) {
            x = kPad;
            y += row + kLabel + kPad;
            row = 0;
        }
        placed.push_back({bmp, name, x, y + kLabel});
        x += w + kPad;
        row = std::max(row, bmp->Height() * zoom);
    }
    gfx::Bitmap sheet(kWidth, y + row + kLabel + kPad + 60);
    gfx::Canvas canvas(sheet);
    canvas.FillRect({0, 0, sheet.Width(), sheet.Height()}, gfx::Rgb(0x80, 0x80, 0x80));
    for (const Placed& p : placed) {
        canvas.DrawText(p.name, {p.x, p.y - kLabel, p.x + 60, p.y}, gfx::Font{"Arial", -10, 400},
                        gfx::Rgb(0, 0, 0), gfx::kTextSingleLine);
        const gfx::Bitmap& b = *p.bmp;
        canvas.StretchBlt(gfx::RectFromSize(p.x, p.y, b.Width() * zoom, b.Height() * zoom), b,
                          {0, 0, b.Width(), b.Height()});
    }
    return sheet;
}

// A rough main window at 96 or 192 DPI (an eight-output model), from the layout's coordinates, to judge the
// pictures in place: grounds that must meet the background, stretched bitmaps, proportions.
gfx::Bitmap MockWindow(Skin& skin, int dpi) {
    const bool b5 = DpiBand(dpi) == 4;
    const int band = DpiBand(dpi);
    auto S = [dpi](int v) { return DpiScale(v, dpi); };
    gfx::Bitmap win(S(1272), S(676));
    gfx::Canvas c(win);
    auto put = [&](int id, gfx::Rect r) {
        const gfx::Bitmap& b = skin.Get(id);
        c.StretchBlt(r, b, {0, 0, b.Width(), b.Height()});
    };
    auto put_at = [&](int id, int x, int y) {
        const gfx::Size s = skin.SizeOf(id);
        put(id, gfx::RectFromSize(x, y, s.cx, s.cy));
    };
    const gfx::Font caption{"宋体", -S(12), 400};
    auto text = [&](const char* t, gfx::Rect r) {
        c.DrawText(t, r, caption, gfx::Rgb(0xFE, 0xFE, 0xFE), gfx::kTextCenter | gfx::kTextVCenter | gfx::kTextSingleLine);
    };
    put(skinid::kBackgroundEnglish, {0, 0, win.Width(), win.Height()});
    put_at(skinid::kLogo[band], (win.Width() - skin.SizeOf(skinid::kLogo[band]).cx) / 2, 0);
    const int top_x[3] = {b5 ? 2060 : 1118, b5 ? 2152 : 1164, b5 ? 2244 : 1210};
    put_at(skinid::kSettings[band], top_x[0], S(2));
    put_at(skinid::kMinimise[band], top_x[1], S(2));
    put_at(skinid::kClosePressed[band], top_x[2], S(2));
    c.FillRect({S(150), S(44), S(1150), S(258)}, gfx::Rgb(15, 23, 32));  // the graph
    for (int ch = 0; ch < 8; ++ch)
        put_at(ch % 3 ? skinid::kOverlayOn[ch][band] : skinid::kOverlayOff[ch], S(132), S(50 + 24 * ch));
    // EQ grid.
    const gfx::Size track = skin.SizeOf(skinid::kBandTrack[band]), thumb = skin.SizeOf(skinid::kBandThumb[band]);
    for (int k = 0; k < 31; ++k) {
        const int x = (b5 ? 303 : 159) + k * (track.cx + (b5 ? 7 : 6)), y = b5 ? 685 : 327;
        put_at(skinid::kBandTrack[band], x, y);
        const int margin = S(8), travel = track.cy - 2 * margin;
        const int centre = y + margin + travel * (k % 7) / 6, inset = S(2);
        put_at(skinid::kBandThumb[band], x + skinid::kBandThumbOffset[band] + inset + (track.cx - 2 * inset - thumb.cx) / 2,
               centre - thumb.cy / 2);
        const int bx = (b5 ? 317 : 164) + k * (b5 ? 59 : 32), by = b5 ? 876 : 421;
        put_at(k % 5 == 0 ? skinid::kBandButtonActive[band] : k == 3 ? skinid::kBandButtonPressed[band]
                                                                   : skinid::kBandButtonFlat[band],
               bx, by);
    }
    // Right column.
    const struct {
        int x1, y1, x5, y5;
        const char* t;
        int id;
    } buttons[] = {{1171, 233, 2170, 462, "ResetAll", skinid::kTextButton},
                   {1171, 263, 2170, 528, "PEQ", skinid::kTextButtonPressed},
                   {1171, 293, 2170, 594, "ResetEQ", skinid::kTextButton},
                   {1171, 323, 2170, 660, "BypassEQ", skinid::kTextButton},
                   {1171, 406, 2170, 842, "Source", skinid::kTextButton},
                   {17, 373, 26, 774, "InputVol", skinid::kTextButton2},
                   {1171, 373, 2170, 774, "File", skinid::kTextButton2},
                   {17, 406, 26, 842, "DelayCale", skinid::kTextButton2}};
    for (const auto& b : buttons) {
        const gfx::Rect r = gfx::RectFromSize(b5 ? b.x5 : b.x1, b5 ? b.y5 : b.y1, S(84), S(18));
        put(b.id, r);
        text(b.t, r);
    }
    put_at(skinid::kMasterTrackBefore[band], b5 ? 2234 : 1203, b5 ? 130 : 63);
    put_at(skinid::kMasterThumb[band], (b5 ? 2234 : 1203) + 1 + S(2), (b5 ? 130 : 63));
    put_at(skinid::kMasterMuteOff[band], b5 ? 2170 : 1171, b5 ? 398 : 206);
    // Channel strips, scaled from the 96-DPI rows.
    const int pitch = b5 ? 259 : 140;
    for (int ch = 0; ch < 8; ++ch) {
        const int dx = pitch * ch;
        const gfx::Rect sel = gfx::RectFromSize(S(150) + dx, b5 ? 927 : 449, S(100), S(22));
        put(ch == 2 ? skinid::kSelectLit[band] : skinid::kSelectWide[band], sel);
        text(("CH" + std::to_string(ch + 1)).c_str(), sel);
        put(ch < 4 ? skinid::kLinkGroup[ch / 2][band] : skinid::kLinkNone[band],
            gfx::RectFromSize(S(150) + dx, S(474), S(33), S(18)));
        const gfx::Rect ph = gfx::RectFromSize(S(188) + dx, S(474), S(62), S(18));
        put(skinid::kPhase[band], ph);
        text("  0°", ph);
        c.FillRect(gfx::RectFromSize(S(188) + dx, S(495), S(62), S(16)), gfx::Rgb(0x21, 0x2C, 0x3D));
        text("0.0dB", gfx::RectFromSize(S(188) + dx, S(495), S(62), S(16)));
        const gfx::Size gt = skin.SizeOf(skinid::kGainTrackAfter[band]);
        const int gx = S(223) + dx, gy = S(514), split = gy + gt.cy / 3;
        const gfx::Bitmap& before = skin.Get(skinid::kGainTrackBefore[band]);
        const gfx::Bitmap& after = skin.Get(skinid::kGainTrackAfter[band]);
        c.BitBlt(gfx::RectFromSize(gx, gy, gt.cx, split - gy), before, {0, 0});
        c.BitBlt(gfx::RectFromSize(gx, split, gt.cx, gt.cy - (split - gy)), after, {0, split - gy});
        const gfx::Size th = skin.SizeOf(skinid::kGainThumb[band]);
        put_at(skinid::kGainThumb[band], gx + 1 + S(2) + (gt.cx - 2 * S(2) - th.cx) / 2, split - th.cy / 2);
        put(ch == 5 ? skinid::kMuteOn[band] : skinid::kMuteOffWide[band],
            gfx::RectFromSize(S(188) + dx, S(596), S(62), S(18)));
        const gfx::Rect du = gfx::RectFromSize(S(150) + dx, S(616), S(33), S(18));
        put(skinid::kDelayUnit[band], du);
        text("MS", du);
        for (int row = 0; row < 7; ++row) {
            for (int side = 0; side < 2; ++side) {
                const bool on = (row * 2 + side) % 8 == ch;
                put((on ? skinid::kCellOnEven : skinid::kCellOffEven)[band],
                    gfx::RectFromSize(S(side ? 170 : 151) + dx, S(497 + 17 * row), S(12), S(12)));
            }
        }
    }
    put_at(skinid::kTcpConnected[band], S(20), S(644));
    put_at(skinid::kUsbDisconnected[band], S(60), S(644));
    return win;
}

void DumpBand(const fs::path& dir, int dpi) {
    Skin skin;
    ASSERT_TRUE(RegisterProgramSkin(skin, dpi, &CBezier::ChannelColor));
    PngImages images;
    ASSERT_TRUE(RegisterProgramImages(images, dpi));
    const int band = DpiBand(dpi);
    const std::string tag = std::to_string(dpi);
    fs::create_directories(dir / tag);

    std::vector<std::pair<std::string, const gfx::Bitmap*>> pictures;
    for (const SkinEntry& e : ProgramSkinEntries(dpi, &CBezier::ChannelColor)) {
        const int id = e.ids[band];
        const gfx::Bitmap& bmp = skin.Get(id);
        bmp.SavePng((dir / tag / (e.name + "_" + std::to_string(id) + ".png")).string());
        if (id != skinid::kBackgroundEnglish && id != skinid::kBackgroundChinese)
            pictures.push_back({std::to_string(id), &bmp});
    }
    gfx::Bitmap sheet = Sheet(pictures, 1, 10000);
    gfx::Canvas canvas(sheet);
    int ix = 6;
    for (int id : skinid::kSourceComboArrow) {
        const gfx::Bitmap& png = images.Get(id);
        canvas.FillRect(gfx::RectFromSize(ix, sheet.Height() - 50, 60, 46), gfx::Rgb(0x21, 0x2C, 0x3D));
        canvas.DrawImage(gfx::RectFromSize(ix + 30, sheet.Height() - 48, png.Width(), png.Height()), png,
                         {0, 0, png.Width(), png.Height()});
        ix += 66;
    }
    sheet.SavePng((dir / ("sheet_" + tag + ".png")).string());
    if (dpi == 96 || dpi == 192) MockWindow(skin, dpi).SavePng((dir / ("window_" + tag + ".png")).string());
    if (dpi == 96) Sheet(pictures, 4, 40).SavePng((dir / "zoom_96.png").string());
    images.Get(skinid::kAppIcon).SavePng((dir / "icon128.png").string());
    PaintProgramIcon(32).SavePng((dir / "icon32.png").string());
}

TEST(SkinDump, WritesPicturesWhenAsked) {
    const char* dir = std::getenv("DSP_SKIN_DUMP_DIR");
    if (!dir) GTEST_SKIP() << "set DSP_SKIN_DUMP_DIR to write the skin's pictures";
    for (int dpi : {96, 120, 144, 168, 192}) DumpBand(dir, dpi);
}

}  // namespace
}  // namespace res
