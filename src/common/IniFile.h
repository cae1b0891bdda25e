// CIniFile: one INI-style profile file named by its full path.
//
// Each call opens, reads or writes and closes the file with the platform's
// private-profile rules (the real API on Windows, our own reader and writer
// on POSIX that follows the same rules).
#pragma once

#include <string>

namespace pf {

class CIniFile {
 public:
  // Names the settings file: data folder + "OVX.ini".
  CIniFile();
  // Takes the path unchanged when it is absolute (Windows: second character
  // ':'; POSIX: first character '/'), otherwise prefixes the data folder.
  explicit CIniFile(const std::wstring& path);
  virtual ~CIniFile() = default;

  // The three writes return 1 whatever the platform reports.
  int WriteString(const std::wstring& section, const std::wstring& key, const std::wstring& value);
  int WriteInt(const std::wstring& section, const std::wstring& key, int value);          // "%d"
  int WriteDouble(const std::wstring& section, const std::wstring& key, double value);    // "%f"

  // Reads with the default "NotFound" into a buffer of 1024 characters and
  // stores what was read; 1 when it differs from "NotFound", else 0.
  int GetString(const std::wstring& section, const std::wstring& key, std::wstring& value);

  // GetString, then always stores the text's double value (0.0 for
  // "NotFound" or a text without a leading number); GetString's result.
  int GetDouble(const std::wstring& section, const std::wstring& key, double& value);

  std::wstring m_strPath;
};

// The platform's private-profile read: the value of section/key in the file,
// or the default (trailing blanks removed) when there is none; at most
// size - 1 characters.
std::wstring ProfileGetString(const std::wstring& section, const std::wstring& key,
                              const std::wstring& defaultText, std::size_t size,
                              const std::wstring& path);

// The platform's private-profile write; false when the file cannot be written.
bool ProfileWriteString(const std::wstring& section, const std::wstring& key,
                        const std::wstring& value, const std::wstring& path);

}  // namespace pf
