// Only Win32 code here. Real mouse and keyboard input (see PersonInput.h).
#include "tools/script/win32/PersonInput.h"

namespace pf {

void ClickAt(HWND window, POINT pt) {
  ClientToScreen(window, &pt);
  SetCursorPos(pt.x, pt.y);
  INPUT input[2] = {};
  input[0].type = INPUT_MOUSE;
  input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  input[1].type = INPUT_MOUSE;
  input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, input, sizeof(INPUT));
}

void StrikeKey(WORD virtualKey) {
  INPUT input[2] = {};
  input[0].type = INPUT_KEYBOARD;
  input[0].ki.wVk = virtualKey;
  input[1] = input[0];
  input[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, input, sizeof(INPUT));
}

}  // namespace pf
