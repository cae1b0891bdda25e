// The floor of a wizard step: the same work done raw, without the module
// around it. Each part is timed on its own, in the same run as the step:
//   - the NC calls the step made, replayed straight into the simulated
//     library from its journal;
//   - one send per log record, of the record sizes the viewer received, to a
//     reader that drains them;
//   - the files the step wrote, written again with fopen/fwrite/fclose into
//     a fresh folder (their folders made first, as the step makes them).
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace pf::bench {

// Replays journal lines ("Name(arg, \"text\") -> status") into the library
// `library` (a dlopen handle); lines of other entry points are left out.
// Returns the seconds taken.
double ReplayNcCalls(void* library, const std::vector<std::string>& journal);

// Sends one frame per entry of `payloadSizes` (type, size, payload) over a
// Unix stream socket to a thread that reads and drops them; the seconds from
// the first send until the reader has taken the last byte.
double SendRecords(const std::vector<std::size_t>& payloadSizes);

// Writes every regular file below `from` again below a fresh folder in
// `scratch`, folders first; the seconds taken. The copies are removed after.
double WriteFilesPlainly(const std::filesystem::path& from, const std::filesystem::path& scratch);

}  // namespace pf::bench
