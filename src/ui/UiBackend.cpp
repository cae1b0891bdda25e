// The backend in force, and the default that creates no windows.
#include "ui/UiBackend.h"

namespace pf {
namespace {

class NoWindowBackend : public IUiBackend {
 public:
  INT_PTR RunModalDialog(CDialog&) override { return -1; }
  INT_PTR RunPropertySheet(CPropertySheet&) override { return -1; }
  void BeginWaitCursor() override {}
  void EndWaitCursor() override {}
  IMessageSink& MessageSink() override { return CurrentMessageSink(); }
};

NoWindowBackend g_noWindowBackend;
IUiBackend* g_backend = nullptr;

}  // namespace

IUiBackend& CurrentUiBackend() {
  if (g_backend != nullptr) return *g_backend;
  return g_noWindowBackend;
}

IUiBackend* SetUiBackend(IUiBackend* backend) {
  IUiBackend* previous = g_backend;
  g_backend = backend;
  return previous;
}

ScopedUiBackend::ScopedUiBackend(IUiBackend& backend)
    : previous_(SetUiBackend(&backend)), sink_(backend.MessageSink()) {}

ScopedUiBackend::~ScopedUiBackend() { SetUiBackend(previous_); }

}  // namespace pf
