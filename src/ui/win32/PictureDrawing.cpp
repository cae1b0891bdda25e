// Only Win32 code here. The picture control's drawing (see PictureDrawing.h).
#include "ui/win32/PictureDrawing.h"

#include <vector>

#include "ui/PictureLayout.h"

namespace pf {
namespace {

// Room left around the view for the axes' names, in pixels.
constexpr int kMargin = 16;
constexpr int kStartRadius = 4;

constexpr COLORREF kLimitColor = RGB(200, 0, 0);
constexpr COLORREF kPathColor = RGB(0, 70, 200);
constexpr COLORREF kStartColor = RGB(0, 150, 0);

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

void DrawLimits(HDC dc, const PictureLayout& layout, HPEN pen) {
  SelectObject(dc, pen);
  for (const PictureLine& line : layout.limits) {
    MoveToEx(dc, line.from.x, line.from.y, nullptr);
    LineTo(dc, line.to.x, line.to.y);
  }
}

void DrawPath(HDC dc, const PictureLayout& layout, HPEN pen) {
  if (layout.path.size() < 2) return;
  std::vector<POINT> points;
  points.reserve(layout.path.size());
  for (const Point& p : layout.path) points.push_back({p.x, p.y});
  SelectObject(dc, pen);
  Polyline(dc, points.data(), static_cast<int>(points.size()));
}

void DrawStart(HDC dc, const PictureLayout& layout, HBRUSH brush) {
  if (!layout.start.has_value()) return;
  SelectObject(dc, GetStockObject(NULL_PEN));
  SelectObject(dc, brush);
  const Point at = *layout.start;
  Ellipse(dc, at.x - kStartRadius, at.y - kStartRadius, at.x + kStartRadius + 1, at.y + kStartRadius + 1);
}

void DrawNames(HDC dc, const RECT& rc, const CPicture& picture) {
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  RECT bottom{rc.left, rc.bottom - kMargin, rc.right - 3, rc.bottom};
  DrawTextW(dc, picture.horizontalName.c_str(), -1, &bottom, DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  RECT top{rc.left + 3, rc.top, rc.right, rc.top + kMargin};
  DrawTextW(dc, picture.verticalName.c_str(), -1, &top, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

}  // namespace

void DrawPicture(HWND control, HDC dc, const RECT& rc, const CPicture& picture) {
  GdiObject<HPEN> limitPen(CreatePen(PS_DASH, 1, kLimitColor));
  GdiObject<HPEN> pathPen(CreatePen(PS_SOLID, 2, kPathColor));
  GdiObject<HBRUSH> startBrush(CreateSolidBrush(kStartColor));
  const int saved = SaveDC(dc);
  FillRect(dc, &rc, GetSysColorBrush(COLOR_WINDOW));
  FrameRect(dc, &rc, GetSysColorBrush(COLOR_BTNSHADOW));
  const PictureLayout layout = LayOutPicture(picture, {rc.left, rc.top, rc.right, rc.bottom}, kMargin);
  SetBkColor(dc, GetSysColor(COLOR_WINDOW));
  DrawLimits(dc, layout, limitPen.get());
  DrawPath(dc, layout, pathPen.get());
  DrawStart(dc, layout, startBrush.get());
  SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
  DrawNames(dc, rc, picture);
  RestoreDC(dc, saved);
}

}  // namespace pf
