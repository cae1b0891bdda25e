// Wizard scripts: any bytes as a script file, parsed as `pathforge wizard
// --script` and the Windows host parse them. A refused script names its
// line; every text of a parsed script, quoted again, parses back unchanged.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzScratch.h"
#include "common/Text.h"
#include "tools/script/Script.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  pf::Script script;
  script.fileName = L"fuzz.script";
  std::wstring error;
  if (!pf::ParseScript(std::string(reinterpret_cast<const char*>(data), size), script, error)) {
    pf_fuzz::Require(error.rfind(L"fuzz.script:", 0) == 0, "a refused script names its line");
    return 0;
  }
  for (const pf::ScriptCommand& command : script.commands) {
    pf::Script again;
    again.fileName = L"again.script";
    const std::string line = "type 1 " + pf::ToNarrow(pf::QuoteScriptText(command.text)) + "\n";
    pf_fuzz::Require(pf::ParseScript(line, again, error) && again.commands.size() == 1 &&
                         again.commands[0].text == command.text,
                     "a quoted text parses back unchanged");
  }
  return 0;
}
