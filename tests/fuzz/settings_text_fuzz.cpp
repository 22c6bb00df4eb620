// Any fkh.ini text: rewriting it gives back the values written, keeps what other sections read,
// and is stable when done twice; a value reads back cut at 63 bytes, alpha as its leading digits.
#include <string>

#include "fuzz_input.h"
#include "settings/settings_text.h"

namespace {

// A name or value without blanks, line breaks, brackets, quotes or '='.
std::string PlainWord(const std::string& bytes) {
  std::string word;
  for (const char c : bytes) {
    if (c > ' ' && c < 0x7F && c != '[' && c != ']' && c != '"' && c != '\'' && c != '=') word += c;
  }
  return word;
}

bool IsBase(const std::string& name) {
  return name.size() == 4 && (name[0] | 0x20) == 'b' && (name[1] | 0x20) == 'a' &&
         (name[2] | 0x20) == 's' && (name[3] | 0x20) == 'e';
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 4) return 0;
  const Settings written{data[0] | (data[1] << 8u) | (data[2] << 16u) | 0u, (data[3] & 1) != 0,
                         (data[3] & 2) != 0};
  const std::string text(reinterpret_cast<const char*>(data) + 4, size - 4);

  const std::string rewritten = RewriteSection(text, "BASE", FormatSettingsSection(written));
  const Settings read = ReadSettings(rewritten);
  FUZZ_CHECK(read.alpha == written.alpha && read.pasteConfirm == written.pasteConfirm &&
             read.forcePaste == written.forcePaste);
  FUZZ_CHECK(RewriteSection(rewritten, "BASE", FormatSettingsSection(written)) == rewritten);

  // Section and key names taken from the text itself, so that they often exist in it.
  const std::string section = PlainWord(text.substr(0, 8)),
                    key = PlainWord(text.substr(std::min<size_t>(8, text.size()), 8));
  if (!section.empty() && !IsBase(section) && !key.empty()) {
    FUZZ_CHECK(ProfileValue(rewritten, section, key) == ProfileValue(text, section, key));
  }

  const std::string value = PlainWord(text);
  const auto readBack = ProfileValue("[base]\r\n  ALPHA\t=  " + value + " \r\n", "BASE", "alpha");
  FUZZ_CHECK(readBack && *readBack == value.substr(0, 63));
  if (!value.empty() && value.size() <= 9 &&
      value.find_first_not_of("0123456789") == std::string::npos) {
    FUZZ_CHECK(ReadAlpha(value) == std::stoul(value));
  }
  if (!value.empty() && value[0] == '-') FUZZ_CHECK(ReadAlpha(value) == 0);
  std::string lowered = value;
  for (auto& c : lowered) c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
  FUZZ_CHECK(ReadFlag(value) == (lowered == "true"));
  return 0;
}
