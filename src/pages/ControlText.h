// A text that a page puts into one of its controls (res/controls.h).
#pragma once

#include <string>

namespace pf {

struct ControlText {
  int id;
  std::wstring text;

  bool operator==(const ControlText& other) const { return id == other.id && text == other.text; }
};

}  // namespace pf
