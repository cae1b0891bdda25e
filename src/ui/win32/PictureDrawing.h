// Only Win32 code here. Draws a picture control with GDI: a white field in a
// thin frame, and in it what LayOutPicture (motion/PictureLayout.h) places,
// in the inks' colours, the text in the control's font.
#pragma once

#include "motion/MotionPicture.h"

#include <windows.h>

namespace pf {

// Draws `picture` into `rc` of `dc`.
void DrawPicture(HWND control, HDC dc, const RECT& rc, const MotionPicture& picture);

}  // namespace pf
