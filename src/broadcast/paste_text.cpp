// See paste_text.h.
#include "broadcast/paste_text.h"

std::size_t ClipboardTextLength(const Utf16Unit* block, std::size_t byteSize) {
  const std::size_t units = byteSize / sizeof(Utf16Unit);
  std::size_t length = 0;
  while (length < units && block[length] != 0) ++length;
  return length;
}

Utf16View ShownPasteText(Utf16View text) {
  if (text.size() <= kShownPasteTextLimit) return text;
  const Utf16Unit last = text[kShownPasteTextLimit - 1];
  const bool splitsPair = last >= 0xD800 && last <= 0xDBFF;
  return text.substr(0, kShownPasteTextLimit - (splitsPair ? 1 : 0));
}

PastePath ChoosePastePath(Utf16View text, bool pasteConfirm, bool forcePaste) {
  if (text.empty()) return PastePath::Nothing;
  if (text.find(UTF16('\n')) == Utf16View::npos) return PastePath::OneByOne;
  if (pasteConfirm) return PastePath::Confirm;
  return forcePaste ? PastePath::WithClicks : PastePath::NoClicks;
}

Utf16String UnansweredPasteNotice(const std::vector<Utf16String>& titles) {
  constexpr std::size_t kNamed = 3;
  Utf16String names;
  for (std::size_t i = 0; i < titles.size() && i < kNamed; ++i) {
    if (i > 0) names += UTF16("、");
    names += UTF16("「") + titles[i] + UTF16("」");
  }
  if (titles.size() > kNamed) names += UTF16(" ほか");
  Utf16String count;
  for (std::size_t n = titles.size(); n > 0 || count.empty(); n /= 10) {
    count.insert(count.begin(), static_cast<Utf16Unit>(UTF16('0') + n % 10));
  }
  return UTF16("応答がなく、貼り付けたか分からないウィンドウがあります（") + count +
         UTF16(" 個）：") + names;
}
