// The platform's file dialogs for the viewer's recordings and text copies.
// Only Win32 code here.
#pragma once

#include <windows.h>

#include <string>

namespace pf {

// The file a person chose to open (a recording) or to write to (a
// recording, a text copy); empty when they cancelled.
std::wstring ChooseRecordingToOpen(HWND owner);
std::wstring ChooseRecordingToWrite(HWND owner);
std::wstring ChooseTextToSave(HWND owner);

}  // namespace pf
