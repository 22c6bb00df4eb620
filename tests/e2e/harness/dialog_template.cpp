// A DLGTEMPLATEEX: a header, the menu, class and caption (each a string or 0xFFFF and an
// ordinal), the font when DS_SETFONT is set, then DWORD-aligned items of the same make.
#include "harness/dialog_template.h"

#include <cstring>

namespace e2e {

namespace {

class Reader {
 public:
  explicit Reader(std::string_view bytes) : bytes_(bytes) {}
  bool Ok() const { return ok_; }
  template <typename T>
  T Get() {
    T value{};
    if (offset_ + sizeof(T) > bytes_.size()) return ok_ = false, value;
    std::memcpy(&value, bytes_.data() + offset_, sizeof(T));
    offset_ += sizeof(T);
    return value;
  }
  std::wstring String() {
    std::wstring text;
    for (wchar_t c = Get<wchar_t>(); ok_ && c != 0; c = Get<wchar_t>()) text += c;
    return text;
  }
  // A string, or an ordinal given as "#n" (the predefined control classes by their names).
  std::wstring StringOrOrdinal() {
    const WORD first = Get<WORD>();
    if (first == 0) return {};
    if (first == 0xFFFF) {
      static const wchar_t* const kClasses[] = {L"Button",  L"Edit",      L"Static",
                                                L"ListBox", L"ScrollBar", L"ComboBox"};
      const WORD ordinal = Get<WORD>();
      if (ordinal >= 0x80 && ordinal <= 0x85) return kClasses[ordinal - 0x80];
      return L"#" + std::to_wstring(ordinal);
    }
    offset_ -= sizeof(WORD);
    return String();
  }
  void AlignToDword() { offset_ = (offset_ + 3) & ~size_t{3}; }

 private:
  std::string_view bytes_;
  size_t offset_ = 0;
  bool ok_ = true;
};

}  // namespace

std::optional<DialogTemplate> ParseDialogTemplate(std::string_view bytes) {
  Reader in(bytes);
  if (in.Get<WORD>() != 1 || in.Get<WORD>() != 0xFFFF) return std::nullopt;
  DialogTemplate dialog{};
  in.Get<DWORD>();  // help id
  dialog.exStyle = in.Get<DWORD>();
  dialog.style = in.Get<DWORD>();
  const WORD count = in.Get<WORD>();
  in.Get<short>(), in.Get<short>();
  dialog.cx = in.Get<short>();
  dialog.cy = in.Get<short>();
  in.StringOrOrdinal(), in.StringOrOrdinal();  // menu, class
  dialog.caption = in.String();
  if (dialog.style & DS_SETFONT) {
    dialog.pointSize = in.Get<WORD>();
    in.Get<WORD>(), in.Get<BYTE>(), in.Get<BYTE>();  // weight, italic, character set
    dialog.font = in.String();
  }
  for (WORD i = 0; i < count && in.Ok(); ++i) {
    in.AlignToDword();
    DialogItemTemplate item{};
    in.Get<DWORD>();  // help id
    item.exStyle = in.Get<DWORD>();
    item.style = in.Get<DWORD>();
    item.x = in.Get<short>(), item.y = in.Get<short>();
    item.cx = in.Get<short>(), item.cy = in.Get<short>();
    item.id = in.Get<int>();
    item.className = in.StringOrOrdinal();
    item.text = in.StringOrOrdinal();
    const WORD extra = in.Get<WORD>();
    for (WORD b = 0; b < extra; ++b) in.Get<BYTE>();
    dialog.items.push_back(item);
  }
  if (!in.Ok()) return std::nullopt;
  return dialog;
}

}  // namespace e2e
