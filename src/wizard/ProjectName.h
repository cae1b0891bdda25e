// Which typed names can be project names. A project name is used unchanged
// as the name of the project's folder below "Program", so it must be a
// folder name of its own on every build: not empty, none of the eleven
// characters a folder name cannot take, no control character (a tab or a
// line break would hide in the list), not "." or "..", not ending in a dot
// or a blank (Windows drops them, so "Trail." would share the folder
// "Trail"), and not a device name (CON, PRN, AUX, NUL, COM1-COM9, LPT1-LPT9
// and COM or LPT with a superscript 1, 2 or 3, alone or with an extension,
// in any case). And every file that Finish writes for the project must have
// a path the platform takes (kMaxPathLength).
#pragma once

#include <cstddef>
#include <string>

namespace pf {

struct ProjectNameVerdict {
  bool usable = false;
  // The string id that says why the name cannot be used; 0 while it can,
  // and for the empty name (nothing typed, nothing to explain).
  unsigned reasonId = 0;
  // For a name that is too long: the most characters a name may have there.
  int longestName = 0;
};

// The rules of a folder name of its own, without the path rule: for project
// names, and for the axis and plane labels that name folders in a project.
ProjectNameVerdict JudgeFolderName(const std::wstring& name);

// JudgeFolderName, then the path rule for a project folder of that name in
// the folder `parent`.
ProjectNameVerdict JudgeProjectName(const std::wstring& name, const std::wstring& parent);

// The text of the verdict's reason; empty when it has none.
std::wstring ProjectNameReason(const ProjectNameVerdict& verdict);

// How many characters the longest path that Finish writes in a project
// folder adds to the folder's own path: a separator, the longest axis or
// plane label, the kind's folder, the longest file name of the kind, and the
// longer of the names the file has on the way (staged or backup).
std::size_t LongestPathInProject();

}  // namespace pf
