// Control entry points of the simulated NC-interface library.
//
// The module never calls these: they exist for tests and tools that drive
// the simulator. A test that holds its own handle on the library (the same
// handle the module gets, as the platform shares one loaded copy) calls them
// to choose the machine, to make entry points fail and to read the journal
// of calls.
//
// The simulator also reads two environment variables, at load and at every
// OvxNcIfInit: OVXSIM_MACHINE (path of a machine description file; unset or
// empty: the built-in machine) and OVXSIM_JOURNAL (path of a file to which
// every journal line is appended as it is made). The module itself reads no
// environment variable.
#pragma once

#include <cstdint>

#ifdef _WIN32
#define OVXSIM_API extern "C" __declspec(dllexport)
#else
#define OVXSIM_API extern "C" __attribute__((visibility("default")))
#endif

// Loads a machine description file (nullptr or "": the built-in machine),
// clears every behaviour set with SimSetFailure or SimSetBehaviour and the
// journal. 0 on success,
// -1 when the file cannot be read (the built-in machine is then in force).
OVXSIM_API int32_t SimLoadMachine(const char* path);

// Makes the named entry point return `status` from now on (0 restores
// normal behaviour). Outputs are left untouched by a failing call.
OVXSIM_API void SimSetFailure(const char* entryPoint, int32_t status);

// Makes the named entry point answer as `behaviour` says, written as in a
// description's [Fail] section: a status to fail with ("0", "" or nullptr:
// normal again), or a misbehaviour that still returns 0: "untouched"
// (outputs left as they were), "unterminated" (text outputs filled to the
// end of their buffer, no terminator), "int-min", "int-max", "nan", "huge",
// "-huge" (extreme numbers in every numeric output; text outputs hold the
// number's text), "far-count" (NcGetInformation reports counts 1000 beyond
// the machine's). 0, or -1 when the text is none of these (nothing changes).
OVXSIM_API int32_t SimSetBehaviour(const char* entryPoint, const char* behaviour);

// Empties the journal.
OVXSIM_API void SimClearJournal();

// Number of journal lines.
OVXSIM_API int32_t SimJournalCount();

// Copies journal line `index` (NUL-terminated, cut to size - 1 bytes) into
// buffer; returns the line's full length, or -1 when there is no such line.
// A line reads: name(arg, arg, ...) -> status, for example
//   NcGetInformation("AXISNUM_SPC", 0) -> 0
// text arguments in double quotes, as the library received them (8-bit).
OVXSIM_API int32_t SimJournalLine(int32_t index, char* buffer, int32_t size);

// Copies the bytes of the program file that NcLoadProgram last received (read
// when it was called; NUL-terminated, cut to size - 1 bytes) into buffer;
// returns the file's full length, or -1 when no program was received since
// the machine was loaded. A null buffer with size 0 asks for the length only
// (as SimJournalLine also allows).
OVXSIM_API int32_t SimLastLoadedProgram(char* buffer, int32_t size);

namespace pf {

// Statuses of the simulator's own refusals (a description's [Fail] section and
// SimSetFailure choose any other status).
// The machine has no such item, parameter, system, axis or number, or the
// program file cannot be read.
inline constexpr int32_t kSimNotFound = -100;
// The description gives a value that is not a number where a number is asked.
inline constexpr int32_t kSimNotANumber = -101;

}  // namespace pf
