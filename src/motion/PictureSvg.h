// A motion picture as a stand-alone SVG image: the stroke-limit box, the
// swept path, the start point and the axis names, y upwards as on the
// machine.
#pragma once

#include <string>

#include "motion/MotionPicture.h"

namespace pf {

// The SVG document (UTF-8), `caption` written above the picture.
std::string PictureToSvg(const MotionPicture& picture, const std::wstring& caption);

}  // namespace pf
