// The two marks beside the program entries of the selection and summary
// trees: image 0 (bitmap 2503) for a program that is not in the project and
// will not be written, image 1 (bitmap 2502) for one that is or will be.
#pragma once

#include "ui/ImageList.h"

namespace pf {

// Fills an image list of 15 x 15 images, white as the transparent colour,
// with the two marks in that order.
void CreateProgramMarks(CImageList& images);

}  // namespace pf
