// fkh.ini's text: reading with the profile rules, and a rewrite of the section that keeps every
// other section byte for byte; the path of a file in the Documents folder.
#include <gtest/gtest.h>

#include "base/documents_path.h"
#include "settings/settings_text.h"

namespace {

TEST(SettingsText, ReadsWithTheProfileRules) {
  const struct {
    const char* file;
    unsigned alpha;
    bool pasteConfirm, forcePaste;
  } cases[] = {
      {"", 60, true, true},
      {"[BASE]\r\n", 60, true, true},
      {"[base]\r\nPASTECONFIRM = true\r\nforcepaste=yes\r\nALPHA=200\r\n", 200, true, false},
      {"[BASE]\npasteConfirm =\nforcePaste = FALSE\nalpha = -5\n", 0, false, false},
      {"[BASE]\n pasteConfirm\t= \"TRUE\" \nforcePaste = 1\nalpha = 300\n", 300, true, false},
      {"[BASE]\npasteConfirm = TRUEx\nforcePaste = 'TrUe'\nalpha = 12abc\n", 12, false, true},
      {"[BASE]\nalpha = abc\nalpha = 7\n", 0, true, true},                    // first key counts
      {"[Other]\nalpha = 7\n[BASE]\nforcePaste = false\n", 60, true, false},  // own section only
      {"[BASE]\nalpha = 7\n[BASE]\nalpha = 9\npasteConfirm = FALSE\n", 7, true, true},
      {"\xEF\xBB\xBF[BASE]\r\nalpha = 99999999999\r\n", 4294967295u, true, true},
      {"[BASE\nalpha = 7\n", 60, true, true},  // no header, no section
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    const Settings read = ReadSettings(c.file);
    EXPECT_EQ(read.alpha, c.alpha);
    EXPECT_EQ(read.pasteConfirm, c.pasteConfirm);
    EXPECT_EQ(read.forcePaste, c.forcePaste);
  }
}

TEST(SettingsText, StringValuesAreCutAt63Units) {
  const std::string kept(63, 'x');
  EXPECT_EQ(ProfileValue("[BASE]\nk = " + kept + "yz\n", "BASE", "k"), kept);
  EXPECT_FALSE(ReadFlag("TRUE" + std::string(70, ' ') + "x")) << "a long value is never TRUE";
  EXPECT_FALSE(ProfileValue("[BASE]\nk = 1\n", "BASE", "other").has_value());
  EXPECT_FALSE(ProfileValue("[BASE]\nk = 1\n", "BAS", "k").has_value());
}

TEST(SettingsText, RewriteReplacesOnlyTheSection) {
  const std::string base = "[BASE]\r\npasteConfirm = FALSE\r\nforcePaste = TRUE\r\nalpha = 0\r\n";
  const struct {
    std::string before, after;
  } cases[] = {
      {"", base},
      {"[Other]\nx = \x82\xA0\n", "[Other]\nx = \x82\xA0\n" + base},
      {"; note", "; note\r\n" + base},
      {"[base]\r\nextra = 1\r\nalpha = 5\r\n\r\n[Other]\r\ny=2\r\n",
       base + "\r\n[Other]\r\ny=2\r\n"},
      {"[A]\n[BASE]\nalpha=1\n[B]\nb=1\n[Base]\nalpha=2\n", "[A]\n" + base + "[B]\nb=1\n"},
      {"\xEF\xBB\xBF[BASE]\nalpha=1\n", "\xEF\xBB\xBF" + base},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.before);
    EXPECT_EQ(RewriteSection(c.before, "BASE", FormatSettingsSection({0, false, true})), c.after);
  }
}

// Another section's rewrite leaves "BASE" byte for byte, and "BASE"'s leaves the other.
TEST(SettingsText, SectionsOfTheirOwnAreKeptApart) {
  const std::string base = "[base]\nPASTECONFIRM=true\n alpha = 7\n";
  const std::string frames = RewriteSection(base, "FRAMES", "show = FALSE");
  EXPECT_EQ(frames, base + "[FRAMES]\r\nshow = FALSE\r\n");
  EXPECT_FALSE(ReadFlag(ProfileValue(frames, "frames", "show")));
  EXPECT_EQ(RewriteSection(frames, "BASE", "alpha = 9"),
            "[BASE]\r\nalpha = 9\r\n[FRAMES]\r\nshow = FALSE\r\n");
}

TEST(DocumentsPath, JoinsWithinMaxPath) {
  EXPECT_EQ(JoinFolderPath(UTF16("C:\\Users\\me\\Documents"), UTF16("fkh.ini")),
            UTF16("C:\\Users\\me\\Documents\\fkh.ini"));
  EXPECT_EQ(JoinFolderPath(UTF16("D:\\"), UTF16("fkh.ini")), UTF16("D:\\fkh.ini"));
  EXPECT_EQ(JoinFolderPath(UTF16(""), UTF16("fkh.ini")), UTF16("")) << "no folder, no path";
  // 251 + "\" + "fkh.ini" = 259 units and the terminator fill 260 exactly; one more is too long.
  const Utf16String deep = UTF16("C:\\") + Utf16String(248, UTF16('d'));
  EXPECT_EQ(JoinFolderPath(deep, UTF16("fkh.ini")).size(), 259u);
  EXPECT_EQ(JoinFolderPath(deep + UTF16('d'), UTF16("fkh.ini")), UTF16(""));
}

}  // namespace
