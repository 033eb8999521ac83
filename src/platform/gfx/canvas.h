#pragma once
#include <span>
#include <string>
#include <vector>

#include "platform/gfx/bitmap.h"
#include "platform/gfx/color.h"
#include "platform/gfx/font.h"
#include "platform/gfx/geometry.h"
#include "platform/gfx/pen.h"

typedef struct _cairo cairo_t;
typedef struct _PangoContext PangoContext;
typedef struct _PangoLayout PangoLayout;

namespace gfx {

// Text layout flags, named after the DrawText ones the program uses.
enum TextFlags : unsigned {
    kTextLeft = 0,
    kTextCenter = 1u << 0,
    kTextRight = 1u << 1,
    kTextVCenter = 1u << 2,
    kTextSingleLine = 1u << 3,
    kTextEndEllipsis = 1u << 4,
};

// Draws on a Bitmap. Coordinates are pixels of the target, with an origin that a window's paint moves to its
// own client area.
//
// Two families of calls live here. The GDI-like ones (pens, brushes, rectangles, lines, text, blits) keep a
// selected pen, brush, font, text colour and background mode like a device context, draw without
// anti-aliasing and land on whole pixels: a one-pixel line at integer coordinates covers exactly the pixels
// GDI would, its end point excluded. Their colours are opaque. The GDI+-like ones (Beziers, cardinal splines,
// polygons, AA lines) take float points whose pixel centres are at integer coordinates, anti-alias, and blend
// by the colour's alpha.
class Canvas {
  public:
    explicit Canvas(Bitmap& target);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    Bitmap& Target() { return target_; }

    // Save and Restore keep the origin, the clip and the selected pen, brush, font, colours and modes.
    void Save();
    void Restore();
    void Translate(int dx, int dy);
    void ClipRect(const Rect& r);

    // Fills with c, blending when c is translucent; no pen, no selected brush.
    void FillRect(const Rect& r, Color c);
    // Fills with a GDI brush: opaque, and nothing for the null brush.
    void FillRect(const Rect& r, const Brush& brush);

    // --- Selected objects (each setter returns the previous one, like SelectObject).
    Pen SetPen(const Pen& pen);
    Brush SetBrush(const Brush& brush);
    Font SetFont(const Font& font);
    Color SetTextColor(Color c);
    Color SetBkColor(Color c);
    BkMode SetBkMode(BkMode mode);  // transparent by default
    const Pen& CurrentPen() const { return state_.pen; }
    const Brush& CurrentBrush() const { return state_.brush; }
    const Font& CurrentFont() const { return state_.font; }
    Color TextColor() const { return state_.text_color; }

    // --- Lines and shapes with the selected pen and brush.
    void MoveTo(Point p);
    void LineTo(Point p);  // draws from the current position, excluding p, and moves there
    Point CurrentPosition() const { return state_.position; }
    void Line(Point a, Point b);                  // MoveTo(a), LineTo(b)
    void Line(Point a, Point b, const Pen& pen);  // with its own pen; the selection and position stay
    // Outline with the pen over the rectangle's outermost pixels, interior with the brush. With the null pen
    // the fill is one pixel narrower and shorter, as in GDI.
    void Rectangle(const Rect& r);
    // A rectangle whose corners are quarters of an ellipse of corner_w x corner_h pixels.
    void RoundRect(const Rect& r, int corner_w, int corner_h);

    // --- Text (UTF-8). The explicit-font DrawText always draws with a transparent background; the others use
    // the selected font, text colour and background mode. Without kTextSingleLine the text wraps at the
    // rectangle's width. DrawText clips to the rectangle; TextOut puts the top-left of the text's cell at p.
    void DrawText(const std::string& utf8, const Rect& r, const Font& font, Color color, unsigned flags);
    void DrawText(const std::string& utf8, const Rect& r, unsigned flags);
    void TextOut(Point p, const std::string& utf8);
    // The size the text takes on one line.
    Size MeasureText(const std::string& utf8, const Font& font);
    Size MeasureText(const std::string& utf8) { return MeasureText(utf8, state_.font); }

    // --- Bitmaps. BitBlt and StretchBlt copy pixels (SRCCOPY, alpha included); StretchBlt samples the
    // nearest source pixel (COLORONCOLOR). Parts of a source rectangle outside the source bitmap are not
    // drawn.
    void BitBlt(Point dst, const Bitmap& src);
    void BitBlt(const Rect& dst, const Bitmap& src, Point src_top_left);
    void StretchBlt(const Rect& dst, const Bitmap& src, const Rect& src_rect);
    // Draws an image blended by its alpha, smoothly scaled (the way GDI+ draws a PNG).
    void DrawImage(const Rect& dst, const Bitmap& src, const Rect& src_rect);

    // --- Anti-aliased paths.
    void DrawLineAA(PointF a, PointF b, float width, Color c);
    void DrawBezier(PointF p0, PointF c1, PointF c2, PointF p1, float width, Color c);
    // A chain of Beziers: a start point and three points per segment (1 + 3n points).
    void DrawBeziers(std::span<const PointF> pts, float width, Color c);
    // A cardinal spline through the points (GDI+ DrawCurve; 0.5 is its default tension).
    void DrawCurve(std::span<const PointF> pts, float width, Color c, float tension = 0.5f);
    // Fills with the alternate (even-odd) rule, blending by c's alpha.
    void FillPolygon(std::span<const PointF> pts, Color c);

    cairo_t* Cairo() { return cr_; }

  private:
    struct State {
        Pen pen = Pen::Solid(1, Rgb(0, 0, 0));
        Brush brush = Brush::Solid(Rgb(255, 255, 255));
        Font font;
        Color text_color = Rgb(0, 0, 0);
        Color bk_color = Rgb(255, 255, 255);
        BkMode bk_mode = BkMode::kTransparent;
        Point position;
    };

    Rect VisibleArea();
    void PenLine(const std::vector<Point>& path, const Pen& pen);
    void FillRuns(const std::vector<Rect>& runs, Color c);
    void StrokeAA(float width, Color c);
    void CopyPixels(const Rect& dst, const Bitmap& src, const Rect& src_rect, bool blend, bool smooth);
    PangoLayout* MakeLayout(const std::string& utf8, const Font& font);
    void LayoutText(const std::string& utf8, const Rect& r, const Font& font, Color color, unsigned flags,
                    bool opaque, Color bk);
    // Places a configured layout in r by the flags, clipped to r, and draws it.
    void ShowLayout(PangoLayout* layout, const Rect& r, Color color, unsigned flags, bool opaque, Color bk);

    Bitmap& target_;
    cairo_t* cr_ = nullptr;
    PangoContext* pango_ = nullptr;  // made on the first text, shared by every layout of this canvas
    State state_;
    std::vector<State> saved_;
};

}  // namespace gfx
