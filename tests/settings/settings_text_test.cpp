// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings_text.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "case_name.h"
#include "settings/ini_key.h"

namespace vorlix::settings {
namespace {

using namespace std::string_literals;

struct ReadCase {
  const char* name;
  std::string file;
  StoredSection expected;
};
void PrintTo(const ReadCase& row, std::ostream* out) { *out << row.name; }

class ReadSection : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadSection, ReadsEveryReadableKeyOfTheSection) {
  EXPECT_EQ(readSection(GetParam().file, "StartUp"), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ReadSection,
    ::testing::Values(
        ReadCase{"EscapedKeys",
                 "[StartUp]\nform=65280\nText1%280%29=-2147483633\n",
                 {{"form", "65280"}, {"Text1(0)", "-2147483633"}}},
        ReadCase{"ByteOrderMark", "\xEF\xBB\xBF[StartUp]\nform=1\n", {{"form", "1"}}},
        ReadCase{"Comments", "# c\n[StartUp]\n; x=1\n  # y=2\nform=1\n", {{"form", "1"}}},
        ReadCase{"UnreadableLineSkipped", "[StartUp]\ngarbage\n=5\nform=1\n", {{"form", "1"}}},
        ReadCase{"BackslashContinuesNothing",
                 "[StartUp]\njunk=a\\\nform=1\n",
                 {{"junk", "a\\"}, {"form", "1"}}},
        ReadCase{"OtherSectionsAndTopKeys",
                 "form=4\n[Other]\nform=2\n[StartUp]\nform=1\n[L]\nform=3",
                 {{"form", "1"}}},
        ReadCase{
            "BrokenHeaderEndsSection", "[StartUp]\nform=1\n[Junk\nlabel1=5\n", {{"form", "1"}}},
        ReadCase{"Blanks", "  [ StartUp ]  \n \tform  =  7  \n", {{"form", "7"}}},
        ReadCase{"EscapedHeader", "[Start%55p]\nform=1", {{"form", "1"}}},
        ReadCase{"WrongCaseHeader", "[startup]\nform=1", {}},
        ReadCase{"CommentAfterValue",
                 "[StartUp]\nform=65280 ; green\na=\"x;y\" ;z\nb=1\\;2\n",
                 {{"form", "65280"}, {"a", "x;y"}, {"b", "1\\;2"}}},
        ReadCase{"Quotes",
                 "[StartUp]\na=\" 5\"\nb=\"x\\\"\"\nc=\"\"\nd=\"",
                 {{"a", " 5"}, {"b", "\"x\\\"\""}, {"c", ""}, {"d", "\""}}},
        ReadCase{"LastDuplicateWins",
                 "[StartUp]\nform=1\n[StartUp]\nform=2\nText1(0)=1\n"
                 "Text1%280%29=2\n",
                 {{"form", "2"}, {"Text1(0)", "2"}}},
        ReadCase{
            "CrLfAndLoneCr", "[StartUp]\r\nform=1\rlabel1=2\r\n", {{"form", "1"}, {"label1", "2"}}},
        ReadCase{"AnyBytes", "[StartUp]\n\xff\0=1\nform=\0"s, {{"\xff\0"s, "1"}, {"form", "\0"s}}},
        ReadCase{"WideEscapes",
                 "[StartUp]\nText1%U00280%U0029=1\n%U20AC=2\n%E9=3\na%zz%=4\n",
                 {{"Text1(0)", "1"}, {"€", "2"}, {"é", "3"}, {"a%zz%", "4"}}}),
    testing::CaseName{});

struct WriteCase {
  const char* name;
  std::string file;
  std::vector<StoredValue> values;
  std::string expected;
};
void PrintTo(const WriteCase& row, std::ostream* out) { *out << row.name; }

class WithValues : public ::testing::TestWithParam<WriteCase> {};

TEST_P(WithValues, ChangesOnlyTheValuesAndReadsBack) {
  const std::string written = withValues(GetParam().file, "StartUp", GetParam().values);
  EXPECT_EQ(written, GetParam().expected);
  const StoredSection back = readSection(written, "StartUp");
  for (const StoredValue& value : GetParam().values) {
    EXPECT_EQ(back.contains(value.key) ? back.at(value.key) : "<none>", value.text) << value.key;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Files, WithValues,
    ::testing::Values(
        WriteCase{"EmptyFile",
                  "",
                  {{"form", "1"}, {"Text1(0)", "2"}},
                  "[StartUp]\nform=1\nText1%280%29=2\n"},
        WriteCase{"KeepsWhatUsersWrote",
                  "; mine\n[Other]\nx = y\n\n[StartUp]\n# note\nform=5\n\n[Last]\nz=1\n",
                  {{"form", "7"}, {"label2", "8"}},
                  "; mine\n[Other]\nx = y\n\n[StartUp]\n# note\nform=7\nlabel2=8\n\n[Last]\nz=1\n"},
        WriteCase{"EveryDuplicate",
                  "[StartUp]\nform=1\n[StartUp]\nform=2\n",
                  {{"form", "9"}},
                  "[StartUp]\nform=9\n[StartUp]\nform=9\n"},
        WriteCase{"RawSpellingEscaped",
                  "[StartUp]\n  Text1(0) = 1  \n",
                  {{"Text1(0)", "3"}},
                  "[StartUp]\nText1%280%29=3\n"},
        WriteCase{"KeepsCrLf",
                  "[StartUp]\r\nform=1\r\n",
                  {{"form", "2"}, {"label1", "3"}},
                  "[StartUp]\r\nform=2\r\nlabel1=3\r\n"},
        WriteCase{"LastLineWithoutEnding",
                  "[StartUp]\nform=1",
                  {{"label1", "2"}},
                  "[StartUp]\nform=1\nlabel1=2\n"},
        WriteCase{"AppendsAfterComment",
                  "; only a comment",
                  {{"form", "1"}},
                  "; only a comment\n\n[StartUp]\nform=1\n"},
        WriteCase{"KeepsByteOrderMark",
                  "\xEF\xBB\xBF[StartUp]\nform=1\n",
                  {{"form", "2"}},
                  "\xEF\xBB\xBF[StartUp]\nform=2\n"},
        WriteCase{"UnreadableLinesStay",
                  "[StartUp]\njunk=a\\\nform=1\n\x01garbage\n\n",
                  {{"form", "2"}, {"label1", "3"}},
                  "[StartUp]\njunk=a\\\nform=2\n\x01garbage\nlabel1=3\n\n"},
        WriteCase{"BrokenHeaderNotOurs",
                  "[StartUp]\nform=1\n[Junk\nlabel1=5\n",
                  {{"label1", "2"}},
                  "[StartUp]\nform=1\nlabel1=2\n[Junk\nlabel1=5\n"},
        WriteCase{"TopKeysUntouched", "form=1\n", {{"form", "2"}}, "form=1\n\n[StartUp]\nform=2\n"},
        WriteCase{"QuotesBlanks", "", {{"a", " 5"}, {"b", ""}}, "[StartUp]\na=\" 5\"\nb=\n"},
        WriteCase{"KeepsCommentAfterValue",
                  "[StartUp]\nform=1 ; green\t\na=2;\n",
                  {{"form", "7"}, {"a", "x;y"}},
                  "[StartUp]\nform=7 ; green\t\na=\"x;y\";\n"}),
    testing::CaseName{});

struct KeyCase {
  const char* name;
  std::string key;
  std::string escaped;
};
void PrintTo(const KeyCase& row, std::ostream* out) { *out << row.name; }

class EscapedKey : public ::testing::TestWithParam<KeyCase> {};

TEST_P(EscapedKey, SpellsAsQSettingsAndReadsBack) {
  EXPECT_EQ(escapedKey(GetParam().key), GetParam().escaped);
  EXPECT_EQ(unescapedKey(GetParam().escaped), GetParam().key);
}

INSTANTIATE_TEST_SUITE_P(Keys, EscapedKey,
                         ::testing::Values(KeyCase{"Parentheses", "Text1(0)", "Text1%280%29"},
                                           KeyCase{"KeptAsIs", "a-Z_9.", "a-Z_9."},
                                           KeyCase{"Slash", "a/b", "a\\b"},
                                           KeyCase{"Blank", "a b", "a%20b"},
                                           KeyCase{"Percent", "5%", "5%25"}),
                         testing::CaseName{});

struct RefusedCase {
  const char* name;
  StoredValue value;
};
void PrintTo(const RefusedCase& row, std::ostream* out) { *out << row.name; }

class NotStorable : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(NotStorable, IsRefusedRatherThanWrittenWrong) {
  EXPECT_FALSE(isStorable(GetParam().value));
  const std::vector values{GetParam().value};
  EXPECT_THROW(withValues("", "StartUp", values), std::invalid_argument);
}

INSTANTIATE_TEST_SUITE_P(Values, NotStorable,
                         ::testing::Values(RefusedCase{"LineBreak", {"form", "1\n2"}},
                                           RefusedCase{"CarriageReturn", {"form", "1\r"}},
                                           RefusedCase{"BlankAndBackslash", {"form", " \\"}},
                                           RefusedCase{"LooksQuoted", {"form", "\"1\""}},
                                           RefusedCase{"QuoteInside", {"form", "1\"2"}},
                                           RefusedCase{"BackslashAtEnd", {"form", "1\\"}},
                                           RefusedCase{"EmptyKey", {"", "1"}},
                                           RefusedCase{"KeyNotAscii", {"\xc3\xa9", "1"}}),
                         testing::CaseName{});

}  // namespace
}  // namespace vorlix::settings
