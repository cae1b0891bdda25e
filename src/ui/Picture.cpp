// The picture as text, and the extent of its path.
#include "ui/Picture.h"

#include <algorithm>

#include "common/Format.h"

namespace pf {
namespace {

std::wstring Number(const std::optional<double>& value) {
  return value.has_value() ? Format(L"%.3f", *value) : std::wstring(L"****");
}

std::wstring Range(const std::wstring& name, const PictureLimits& limits) {
  return Format(L"%s %s .. %s", name, Number(limits.minus), Number(limits.plus));
}

}  // namespace

bool PathExtent(const std::vector<PictureCoord>& path, PictureCoord* low, PictureCoord* high) {
  if (path.empty()) return false;
  *low = *high = path.front();
  for (const PictureCoord& p : path) {
    low->x = std::min(low->x, p.x);
    low->y = std::min(low->y, p.y);
    high->x = std::max(high->x, p.x);
    high->y = std::max(high->y, p.y);
  }
  return true;
}

std::wstring DescribePicture(const CPicture& picture) {
  if (picture.IsEmpty()) return L"no picture";
  const bool plane = !picture.verticalName.empty();
  std::wstring text = plane ? picture.horizontalName + L"/" + picture.verticalName : picture.horizontalName;
  if (picture.start.has_value()) {
    text += plane ? Format(L" start %.3f %.3f", picture.start->x, picture.start->y)
                  : Format(L" start %.3f", picture.start->x);
  }
  PictureCoord low;
  PictureCoord high;
  if (PathExtent(picture.path, &low, &high)) {
    text += Format(L", path %d points %s %.3f .. %.3f", static_cast<int>(picture.path.size()),
                   picture.horizontalName, low.x, high.x);
    if (plane) text += Format(L" %s %.3f .. %.3f", picture.verticalName, low.y, high.y);
  }
  text += L", limits " + Range(picture.horizontalName, picture.horizontal);
  if (plane) text += L" " + Range(picture.verticalName, picture.vertical);
  return text;
}

}  // namespace pf
