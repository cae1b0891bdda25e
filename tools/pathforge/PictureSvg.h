// A motion picture as a stand-alone SVG image of a fixed size, laid out by
// LayOutPicture (PictureLayout.h) below a caption line.
#pragma once

#include <string>

#include "motion/MotionPicture.h"

namespace pf {

// The SVG document (UTF-8), `caption` written above the picture.
std::string PictureToSvg(const MotionPicture& picture, const std::wstring& caption);

}  // namespace pf
