#include "wizard/base/ProgramMarks.h"

#include <cstdint>

namespace pf {
namespace {

constexpr unsigned kMarkBitmaps[] = {2503, 2502};
constexpr std::uint32_t kMaskWhite = 0xFFFFFF;
constexpr int kMarkSize = 15;
constexpr int kInitialImages = 2;
constexpr int kGrowBy = 4;

}  // namespace

void CreateProgramMarks(CImageList& images) {
  images.Create(kMarkSize, kMarkSize, kIlcColor24 | kIlcMask, kInitialImages, kGrowBy);
  for (unsigned bitmap : kMarkBitmaps) images.Add(bitmap, kMaskWhite);
}

}  // namespace pf
