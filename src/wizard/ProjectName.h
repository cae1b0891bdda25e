// Which typed names can be project names. A project name is used unchanged
// as the name of the project's folder below "Program", so it must be a
// folder name of its own on every build: not empty, none of the eleven
// characters a folder name cannot take, not "." or "..", not ending in a dot
// or a blank (Windows drops them, so "Trail." would share the folder
// "Trail"), and not a device name (CON, PRN, AUX, NUL, COM1-COM9, LPT1-LPT9,
// alone or with an extension, in any case).
#pragma once

#include <string>

namespace pf {

struct ProjectNameVerdict {
  bool usable = false;
  // The string id that says why the name cannot be used; 0 while it can,
  // and for the empty name (nothing typed, nothing to explain).
  unsigned reasonId = 0;
};

ProjectNameVerdict JudgeProjectName(const std::wstring& name);

}  // namespace pf
