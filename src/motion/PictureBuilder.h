// Builds the picture of one followed file: its steps projected onto the
// picture's axes, arcs as chords of at most a few degrees.
#pragma once

#include <vector>

#include "motion/MotionCheck.h"
#include "motion/ProgramFollower.h"

namespace pf {

// `start` is where the file's motion starts (for the position file, where
// its targets leave the axes).
MotionPicture BuildPicture(const MotionSetup& setup, PictureAxes axes, const std::wstring& fileName,
                           const FollowResult& followed, const std::vector<double>& start);

}  // namespace pf
