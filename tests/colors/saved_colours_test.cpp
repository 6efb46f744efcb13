// SPDX-License-Identifier: GPL-3.0-or-later
#include "colors/saved_colours.h"

#include <gtest/gtest.h>

#include "memory_store.h"

namespace vorlix::colors {
namespace {

using enum window::Control;
using testing::MemoryStore;

std::string stored(const MemoryStore& store, std::string_view key) {
  const auto section = store.sections.find(kSection);
  if (section == store.sections.end()) return "<none>";
  const auto found = section->second.find(key);
  return found == section->second.end() ? "<none>" : found->second;
}

TEST(SavedColours, KeysAreSpelledAndOrderedAsStored) {
  std::vector<std::string> keys;
  for (const StoredKey& saved : storedKeys()) keys.emplace_back(saved.key);
  EXPECT_EQ(keys, (std::vector<std::string>{"form", "Text1(0)", "Text1(1)", "Text1(2)", "Text1(3)",
                                            "Text2(0)", "Text2(1)", "Text2(2)", "label1", "label2",
                                            "cmdop(0)", "cmdop(1)", "cmdop(2)", "cmdop(3)",
                                            "command1(0)", "command1(1)"}));
}

TEST(SavedColours, ParsesPlainSignedDecimalOnly) {
  struct Case {
    const char* text;
    std::optional<window::Colour> value;
  };
  const Case cases[] = {
      {"255", 255},
      {"0", 0},
      {"-2147483633", -2147483633},
      {"2147483647", 2147483647},
      {"-2147483648", -2147483647 - 1},
      {"007", 7},
      {"", std::nullopt},
      {"-", std::nullopt},
      {"+255", std::nullopt},
      {" 255", std::nullopt},
      {"255 ", std::nullopt},
      {"12abc", std::nullopt},
      {"2147483648", std::nullopt},
      {"99999999999", std::nullopt},
      {"0x10", std::nullopt},
      {"--1", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(parseStoredColour(c.text), c.value) << '"' << c.text << '"';
}

TEST(SavedColours, FirstStartWritesEveryKeyWithItsLayoutColourAtOnce) {
  const window::WindowModel window{english()};
  MemoryStore store;
  saveColours(window, store);
  EXPECT_EQ(store.writes, 1);
  EXPECT_EQ(store.sections[std::string(kSection)].size(), 16u);
  EXPECT_EQ(stored(store, "form"), "255");
  EXPECT_EQ(stored(store, "Text2(0)"), "16777088");
  EXPECT_EQ(stored(store, "cmdop(2)"), "-2147483633");
  EXPECT_EQ(stored(store, "command1(1)"), "33023");
}

TEST(SavedColours, EachKeyIsRestoredOnItsOwn) {
  MemoryStore store;
  store.sections[std::string(kSection)] = {{"form", "65280"},
                                           {"label1", "-5"},
                                           {"label2", "letters"},
                                           {"cmdop(1)", "16711680"},
                                           {"command1(0)", "-2147483633"},
                                           {"Label2", "65535"}};
  window::WindowModel window{english()};
  restoreColours(window, store);
  EXPECT_EQ(window.background(Window), 65280);
  EXPECT_EQ(window.background(OperatorLabel), 255);
  EXPECT_EQ(window.background(EqualsLabel), 255);
  EXPECT_EQ(window.background(FirstNumerator), 65535);
  EXPECT_EQ(window.background(AddButton), 16711680);
  EXPECT_EQ(window.background(CalculateButton), window::kButtonFace);
}

TEST(SavedColours, WholePartBoxesAreNeitherSavedNorRestored) {
  MemoryStore store;
  store.sections[std::string(kSection)] = {{"Text1(4)", "255"}, {"Text1(5)", "255"}};
  window::WindowModel window{english()};
  restoreColours(window, store);
  EXPECT_EQ(window.background(FirstWhole), 65535);
  window.setBackground(SecondWhole, 65280);
  saveColours(window, store);
  EXPECT_EQ(stored(store, "Text1(5)"), "255");
}

TEST(SavedColours, AFailedSaveChangesNothingStored) {
  MemoryStore store;
  window::WindowModel window{english()};
  saveColours(window, store);
  window.setBackground(Window, 65280);
  store.failure = "the disk is full.";
  EXPECT_THROW(saveColours(window, store), settings::SettingsWriteError);
  EXPECT_EQ(stored(store, "form"), "255");
}

TEST(SavedColours, FailureMessageSaysWhy) {
  const settings::SettingsWriteError diskFull([](const Language&) { return "the disk is full."; });
  EXPECT_EQ(saveFailureMessage(diskFull, english()),
            "The colours could not be saved: the disk is full.");
}

}  // namespace
}  // namespace vorlix::colors
