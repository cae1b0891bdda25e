// A private scratch folder for one fuzzing process: the data home of the
// module (XDG_DATA_HOME) and the place of the files a target hands to a
// reader that takes a path. Made on first use, removed when the process
// ends. From then on the module's files are written without disk flushes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace pf_fuzz {

// The scratch folder, without a trailing separator.
const std::wstring& ScratchFolder();

// Writes the bytes to the file of that name in the scratch folder and
// returns its full path.
std::wstring ScratchFile(const std::wstring& name, const uint8_t* data, std::size_t size);

// Stops the process with a message when a property of the input's result
// does not hold, so that libFuzzer keeps the input as a crash.
void Require(bool holds, const char* what);

}  // namespace pf_fuzz
