// The viewer's lines as text: what the terminal prints, what "save as text"
// writes and what find and the filter search. A record line reads
//   21:13:27.120 #1    call COVXIF::Load()
//   21:13:27.131 #1 !!   failed  was not succeeded(-100).
// (local time, session, "!!" on failed calls, two blanks per depth); a
// session is framed by
//   == session 1: process 4242, started 2026-12-06 21:13:27.120
//   == session 1 ended 21:13:30.001
// and a note of the viewer's reads "== " and the remark.
#pragma once

#include <cstdint>
#include <string>

#include "LogBook.h"

namespace pf {

// Milliseconds since 1970-01-01 UTC, now.
int64_t NowMs();

// "21:13:27.120" in local time; "--:--:--.---" for kNoTime.
std::wstring ClockText(int64_t timeMs);

// A session line's or note's words without the "== " ("session 1: process
// 4242, started ..."); a record line's indentation and entry text.
std::wstring DescribeShownLine(const ShownLine& line);

// The whole line as above.
std::wstring FormatShownLine(const ShownLine& line);

// True when `text` holds `part`, ignoring case; an empty part is in every text.
bool MatchesText(const std::wstring& text, const std::wstring& part);

// The lines as UTF-8 text, each as FormatShownLine gives it followed by
// `lineEnd`.
std::string LinesAsText(const ShownLines& lines, const char* lineEnd);

}  // namespace pf
