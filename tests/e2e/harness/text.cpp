// UTF-8 / UTF-16 / code-page conversions with WideCharToMultiByte and MultiByteToWideChar.
#include "harness/text.h"

namespace e2e {

std::string Utf8(std::wstring_view text) {
  if (text.empty()) return {};
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size,
                      nullptr, nullptr);
  return out;
}

std::wstring FromCodePage(std::string_view text, UINT codePage) {
  if (text.empty()) return {};
  const int size =
      MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring out(static_cast<size_t>(size), L'\0');
  MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), out.data(), size);
  return out;
}

std::wstring Utf16(std::string_view utf8) { return FromCodePage(utf8, CP_UTF8); }

std::string Joined(const std::vector<std::wstring>& texts) {
  std::string joined;
  for (const auto& text : texts) joined += "[" + Utf8(text) + "]";
  return joined;
}

}  // namespace e2e
