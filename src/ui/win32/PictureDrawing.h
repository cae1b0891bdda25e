// Only Win32 code here. Draws a picture control with GDI: a white field in a
// thin frame, the known stroke limits as dashed red lines, the path as a
// blue polyline, the start as a green dot, and the axes' names (the
// horizontal axis at the bottom right, the vertical one at the top left),
// laid out by LayOutPicture.
#pragma once

#include "ui/Picture.h"

#include <windows.h>

namespace pf {

// Draws `picture` into `rc` of `dc`; the text takes the control's font.
void DrawPicture(HWND control, HDC dc, const RECT& rc, const CPicture& picture);

}  // namespace pf
