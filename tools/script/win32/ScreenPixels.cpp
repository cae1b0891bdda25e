// Only Win32 code here. The screen's pixels (see ScreenPixels.h).
#include "tools/script/win32/ScreenPixels.h"

#include "common/Path.h"

namespace pf {
namespace {

constexpr WORD kBmpMagic = 0x4D42;  // "BM"

template <class T>
void Append(std::string& bytes, const T& value) {
  bytes.append(reinterpret_cast<const char*>(&value), sizeof(value));
}

}  // namespace

bool ScreenPixels::Read(const RECT& area) {
  width_ = area.right - area.left;
  height_ = area.bottom - area.top;
  pixels_.clear();
  if (width_ <= 0 || height_ <= 0) return false;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width_, height_);
  HGDIOBJ before = SelectObject(memory, bitmap);
  const bool copied = BitBlt(memory, 0, 0, width_, height_, screen, area.left, area.top, SRCCOPY) != 0;
  SelectObject(memory, before);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width_;
  info.bmiHeader.biHeight = -height_;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  pixels_.assign(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), 0);
  const bool read = copied && GetDIBits(memory, bitmap, 0, static_cast<UINT>(height_), pixels_.data(), &info,
                                        DIB_RGB_COLORS) == height_;
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  if (!read) pixels_.clear();
  return read;
}

COLORREF ScreenPixels::At(int x, int y) const {
  const auto index = static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x);
  const DWORD pixel = pixels_[index];
  return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

// 24 bits a pixel, bottom row first, rows padded to four bytes.
bool ScreenPixels::WriteBmp(const std::wstring& path) const {
  if (pixels_.empty()) return false;
  const std::size_t stride = (static_cast<std::size_t>(width_) * 3 + 3) & ~static_cast<std::size_t>(3);
  BITMAPINFOHEADER header{};
  header.biSize = sizeof(header);
  header.biWidth = width_;
  header.biHeight = height_;
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  header.biSizeImage = static_cast<DWORD>(stride * static_cast<std::size_t>(height_));
  BITMAPFILEHEADER file{};
  file.bfType = kBmpMagic;
  file.bfOffBits = sizeof(file) + sizeof(header);
  file.bfSize = file.bfOffBits + header.biSizeImage;
  std::string bytes;
  Append(bytes, file);
  Append(bytes, header);
  for (int y = height_ - 1; y >= 0; --y) {
    std::string row(stride, '\0');
    for (int x = 0; x < width_; ++x) {
      const COLORREF colour = At(x, y);
      row[static_cast<std::size_t>(x) * 3] = static_cast<char>(GetBValue(colour));
      row[static_cast<std::size_t>(x) * 3 + 1] = static_cast<char>(GetGValue(colour));
      row[static_cast<std::size_t>(x) * 3 + 2] = static_cast<char>(GetRValue(colour));
    }
    bytes += row;
  }
  return WriteFileBytes(path, bytes);
}

}  // namespace pf
