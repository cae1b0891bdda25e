// Only Win32 code here. The picture control's drawing (see PictureDrawing.h).
#include "ui/win32/PictureDrawing.h"

#include <cmath>
#include <vector>

#include "motion/PictureLayout.h"

namespace pf {
namespace {

constexpr int kDotRadius = 3;

// A GDI object that is deleted with its owner (after the DC let it go).
template <class Handle>
class GdiObject {
 public:
  explicit GdiObject(Handle handle) : handle_(handle) {}
  ~GdiObject() { DeleteObject(handle_); }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;
  Handle get() const { return handle_; }

 private:
  Handle handle_;
};

COLORREF Colour(Ink ink) {
  const unsigned rgb = StyleOf(ink).rgb;
  return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

// Scene coordinates are relative to the control's top left corner.
POINT At(const RECT& rc, const ScenePoint& p) {
  return {rc.left + static_cast<LONG>(std::lround(p.x)), rc.top + static_cast<LONG>(std::lround(p.y))};
}

void DrawLine(HDC dc, const RECT& rc, const SceneLine& line) {
  const InkStyle style = StyleOf(line.ink);
  // GDI dashes only pens one pixel wide.
  GdiObject<HPEN> pen(CreatePen(style.dashed ? PS_DASH : PS_SOLID, style.dashed ? 1 : static_cast<int>(std::lround(style.width)),
                                Colour(line.ink)));
  std::vector<POINT> points;
  for (const ScenePoint& p : line.points) points.push_back(At(rc, p));
  SelectObject(dc, pen.get());
  Polyline(dc, points.data(), static_cast<int>(points.size()));
  SelectObject(dc, GetStockObject(BLACK_PEN));
}

void DrawDot(HDC dc, const RECT& rc, const SceneDot& dot) {
  GdiObject<HBRUSH> brush(CreateSolidBrush(Colour(dot.ink)));
  const POINT at = At(rc, dot.at);
  SelectObject(dc, GetStockObject(NULL_PEN));
  SelectObject(dc, brush.get());
  Ellipse(dc, at.x - kDotRadius, at.y - kDotRadius, at.x + kDotRadius + 1, at.y + kDotRadius + 1);
  SelectObject(dc, GetStockObject(WHITE_BRUSH));
}

void DrawSceneText(HDC dc, const RECT& rc, const SceneText& text, int height) {
  const POINT at = At(rc, text.at);
  RECT box{at.x, at.y - height, at.x, at.y + height};
  UINT format = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_NOCLIP;
  if (text.align == TextAlign::Left) {
    box.right = rc.right;
  } else if (text.align == TextAlign::Right) {
    box.left = rc.left;
    format |= DT_RIGHT;
  } else {
    box.left = rc.left;
    box.right = 2 * at.x - rc.left;
    format |= DT_CENTER;
  }
  SetTextColor(dc, Colour(text.ink));
  DrawTextW(dc, text.text.c_str(), -1, &box, format);
}

void DrawLayer(HDC dc, const RECT& rc, const SceneLayer& layer, int textHeight) {
  if (layer.boxed) {
    const POINT topLeft = At(rc, {layer.box.left, layer.box.top});
    const POINT bottomRight = At(rc, {layer.box.right, layer.box.bottom});
    const RECT box{topLeft.x, topLeft.y, bottomRight.x + 1, bottomRight.y + 1};
    FillRect(dc, &box, GetSysColorBrush(COLOR_WINDOW));
    GdiObject<HBRUSH> frame(CreateSolidBrush(Colour(Ink::Frame)));
    FrameRect(dc, &box, frame.get());
  }
  for (const SceneLine& line : layer.lines) DrawLine(dc, rc, line);
  for (const SceneDot& dot : layer.dots) DrawDot(dc, rc, dot);
  for (const SceneText& text : layer.texts) DrawSceneText(dc, rc, text, textHeight);
}

}  // namespace

void DrawPicture(HWND control, HDC dc, const RECT& rc, const MotionPicture& picture) {
  const int saved = SaveDC(dc);
  FillRect(dc, &rc, GetSysColorBrush(COLOR_WINDOW));
  FrameRect(dc, &rc, GetSysColorBrush(COLOR_BTNSHADOW));
  SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
  SetBkMode(dc, TRANSPARENT);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  const PictureScene scene =
      LayOutPicture(picture, rc.right - rc.left, rc.bottom - rc.top, static_cast<double>(metrics.tmHeight));
  for (const SceneLayer& layer : scene.layers) DrawLayer(dc, rc, layer, metrics.tmHeight);
  RestoreDC(dc, saved);
}

}  // namespace pf
