// See reach.h.
#include "terminals/reach.h"

#include <string>

namespace {

constexpr Reach kToldInOrder[] = {Reach::Gone, Reach::Elevated, Reach::Hung, Reach::OtherDesktop};

// The sentence before and after the count.
struct Sentence {
  Utf16View before, after;
};

Sentence SentenceOf(Reach reach) {
  switch (reach) {
    case Reach::Gone: return {UTF16("閉じられているため、"), UTF16(" 個のウィンドウにはキーが届きません")};
    case Reach::Elevated:
      return {UTF16("管理者として実行中のため、"), UTF16(" 個のウィンドウにはキーが届きません")};
    case Reach::Hung: return {UTF16("応答がないため、"), UTF16(" 個のウィンドウにはキーがすぐには届きません")};
    case Reach::OtherDesktop:
      return {UTF16("別の仮想デスクトップにあるため、"), UTF16(" 個のウィンドウに届くキーは見えません")};
    case Reach::Reachable: break;
  }
  return {};
}

Utf16String Decimal(std::size_t n) {
  const std::string digits = std::to_string(n);
  return Utf16String(digits.begin(), digits.end());
}

// A title's line breaks and other control characters show as blanks: each title is one line.
Utf16String TitleLine(Utf16View title) {
  std::size_t cut = title.size();
  if (cut > kNoticeTitleUnits) {
    cut = kNoticeTitleUnits;
    if (title[cut - 1] >= 0xD800 && title[cut - 1] <= 0xDBFF) --cut;  // a pair is not split
  }
  Utf16String line = UTF16("・");
  for (const Utf16Unit unit : title.substr(0, cut)) line.push_back(unit < 0x20 ? UTF16(' ') : unit);
  return cut < title.size() ? line.append(UTF16("…")) : line;
}

}  // namespace

Reach JudgeReach(WindowHandle window, const ReachLooks& looks,
                 std::optional<std::uint32_t> ownIntegrity) {
  if (!looks.isTerminal(window)) return Reach::Gone;
  const std::optional<std::uint32_t> integrity = looks.integrityOf(window);
  if (integrity && ownIntegrity && *integrity > *ownIntegrity) return Reach::Elevated;
  if (looks.isHung(window)) return Reach::Hung;
  if (looks.onCurrentDesktop(window) == false) return Reach::OtherDesktop;
  return Reach::Reachable;
}

Utf16String ReachNoticeText(const std::vector<UnreachedTerminal>& terminals) {
  Utf16String text;
  for (const Reach reach : kToldInOrder) {
    std::vector<Utf16View> titles;
    for (const UnreachedTerminal& t : terminals) {
      if (t.reach == reach) titles.push_back(t.title);
    }
    if (titles.empty()) continue;
    if (!text.empty()) text += UTF16("\n");
    const Sentence sentence = SentenceOf(reach);
    text.append(sentence.before).append(Decimal(titles.size())).append(sentence.after);
    for (std::size_t i = 0; i < titles.size() && i < kTitlesPerReason; ++i) {
      text.append(UTF16("\n")).append(TitleLine(titles[i]));
    }
    if (titles.size() > kTitlesPerReason) {
      text.append(UTF16("\n・ほか ")).append(Decimal(titles.size() - kTitlesPerReason)).append(UTF16(" 個"));
    }
  }
  return text;
}

bool FrameMuted(Reach reach) { return reach != Reach::Reachable; }
