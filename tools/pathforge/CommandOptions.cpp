// Command options (see CommandOptions.h).
#include "CommandOptions.h"

#include "BatchJob.h"
#include "common/Text.h"

namespace pf {

bool ParseOptions(const std::vector<std::string>& args, std::size_t first, CommandOptions& options) {
  for (std::size_t i = first; i < args.size(); i += 2) {
    if (i + 1 >= args.size() || args[i].empty() || args[i][0] != '-' || options.count(args[i])) return false;
    options[args[i]] = ToWide(args[i + 1]);
  }
  return true;
}

void PrintVerdict(std::ostream& out, const std::wstring& head, const MotionResult& motion) {
  Print(out, head + motion.verdict);
  for (const std::wstring& remark : motion.remarks) Print(out, L"    " + remark);
}

}  // namespace pf
