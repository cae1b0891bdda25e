// The probe control's window: Win32 code of the proof.
#include "ProbeControl.h"

#include "common/Format.h"
#include "ui/Dialog.h"

#include <windows.h>
#include <windowsx.h>

namespace pf::proof {
namespace {

constexpr wchar_t kProbeClass[] = L"PathForgeProbe";
constexpr int kColumns = 3;
constexpr int kRows = 4;

ProbeControl* ProbeOf(HWND hwnd) { return reinterpret_cast<ProbeControl*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)); }

// A grid of cells with the control's text in the first cell.
void Paint(HWND hwnd) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  RECT client;
  GetClientRect(hwnd, &client);
  FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  const int rowHeight = client.bottom / kRows;
  const int columnWidth = client.right / kColumns;
  for (int row = 1; row < kRows; ++row) {
    MoveToEx(dc, 0, row * rowHeight, nullptr);
    LineTo(dc, client.right, row * rowHeight);
  }
  for (int column = 1; column < kColumns; ++column) {
    MoveToEx(dc, column * columnWidth, 0, nullptr);
    LineTo(dc, column * columnWidth, client.bottom);
  }
  auto* font = reinterpret_cast<HFONT>(SendMessageW(GetParent(hwnd), WM_GETFONT, 0, 0));
  HGDIOBJ before = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  wchar_t text[64] = L"Axis";
  GetWindowTextW(hwnd, text, 64);
  RECT cell{2, 0, columnWidth, rowHeight};
  DrawTextW(dc, text[0] != 0 ? text : L"Axis", -1, &cell, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  SelectObject(dc, before);
  EndPaint(hwnd, &ps);
}

LRESULT Handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCCREATE:
      SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                        reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
      break;
    case WM_GETDLGCODE:
      return DLGC_WANTALLKEYS;
    case WM_LBUTTONDOWN: {
      SetFocus(hwnd);
      NotifyInfo info;
      info.pt = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      ProbeOf(hwnd)->NotifyParent(Notify::Click, info);
      return 0;
    }
    case WM_KEYDOWN:
      if (wParam != VK_RETURN) break;
      {
        NotifyInfo info;
        info.row = 2;
        info.column = 1;
        const LRESULT answer = ProbeOf(hwnd)->NotifyParent(Notify::EndLabelEdit, info);
        SetWindowTextW(hwnd, Format(L"answer %d", static_cast<long long>(answer)).c_str());
        InvalidateRect(hwnd, nullptr, TRUE);
      }
      return 0;
    case WM_PAINT:
      Paint(hwnd);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK ProbeProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    return Handle(hwnd, message, wParam, lParam);
  } catch (...) {
    return 0;
  }
}

}  // namespace

const wchar_t* ProbeControl::GetWindowClass() const { return kProbeClass; }

bool RegisterProbeClass() {
  WNDCLASSW wc{};
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = ProbeProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = kProbeClass;
  return RegisterClassW(&wc) != 0;
}

}  // namespace pf::proof
