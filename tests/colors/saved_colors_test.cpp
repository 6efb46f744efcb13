#include "colors/saved_colors.h"

#include <gtest/gtest.h>

#include "colors/form1_colors.h"
#include "colors/memory_store.h"
#include "window/memory_form.h"

namespace vorlix::colors {
namespace {

using testing::MemoryStore;
using window::ControlName;
using window::member;
using window::single;

std::string stored(const MemoryStore& store, std::string_view key) {
  const auto found = store.values.find(MemoryStore::path("Vorlix", "StartUp", key));
  return found == store.values.end() ? "<none>" : found->second;
}

TEST(SavedColors, KeysAreSpelledAndOrderedAsStored) {
  std::vector<std::string> keys;
  for (const SavedColorKey& saved : savedColorKeys()) keys.emplace_back(saved.key);
  EXPECT_EQ(keys, (std::vector<std::string>{"form", "Text1(0)", "Text1(1)", "Text1(2)", "Text1(3)",
                                            "Text2(0)", "Text2(1)", "Text2(2)", "label1", "label2",
                                            "cmdop(0)", "cmdop(1)", "cmdop(2)", "cmdop(3)",
                                            "command1(0)", "command1(1)"}));
}

TEST(SavedColors, ParsesPlainSignedDecimalOnly) {
  struct Case {
    const char* text;
    std::optional<window::Color> value;
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
  for (const Case& c : cases) EXPECT_EQ(parseStoredColor(c.text), c.value) << '"' << c.text << '"';
}

TEST(SavedColors, FirstStartWritesEveryKeyWithItsLayoutColour) {
  window::MemoryForm form;
  MemoryStore store;
  Form1Colors colours(form, store);
  colours.Form_Load();
  colours.Form_Unload();
  EXPECT_EQ(store.values.size(), 16u);
  EXPECT_EQ(stored(store, "form"), "255");
  EXPECT_EQ(stored(store, "Text2(0)"), "16777088");
  EXPECT_EQ(stored(store, "cmdop(2)"), "-2147483633");
  EXPECT_EQ(stored(store, "command1(1)"), "33023");
}

TEST(SavedColors, EachKeyIsRestoredOnItsOwn) {
  MemoryStore store;
  store.values[MemoryStore::path("Vorlix", "StartUp", "form")] = "65280";
  store.values[MemoryStore::path("Vorlix", "StartUp", "label1")] = "-5";
  store.values[MemoryStore::path("Vorlix", "StartUp", "label2")] = "letters";
  store.values[MemoryStore::path("Vorlix", "StartUp", "cmdop(1)")] = "16711680";
  store.values[MemoryStore::path("Vorlix", "StartUp", "command1(0)")] = "-2147483633";
  store.unreadableKey = "Text1(0)";
  window::MemoryForm form;
  Form1Colors colours(form, store);
  colours.Form_Load();
  EXPECT_EQ(form.backColor(single(ControlName::Form1)), 65280);
  EXPECT_EQ(form.backColor(single(ControlName::Label1)), 255);
  EXPECT_EQ(form.backColor(single(ControlName::Label2)), 255);
  EXPECT_EQ(form.backColor(member(ControlName::Text1, 0)), 65535);
  EXPECT_EQ(form.backColor(member(ControlName::cmdOp, 1)), 16711680);
  EXPECT_EQ(form.backColor(member(ControlName::Command1, 0)), window::kButtonFace);
}

TEST(SavedColors, WholePartBoxesAreNeitherSavedNorRestored) {
  MemoryStore store;
  store.values[MemoryStore::path("Vorlix", "StartUp", "Text1(4)")] = "255";
  window::MemoryForm form;
  Form1Colors colours(form, store);
  colours.Form_Load();
  EXPECT_EQ(form.backColor(member(ControlName::Text1, 4)), 65535);
  form.setBackColor(member(ControlName::Text1, 5), 65280);
  colours.Form_Unload();
  for (const std::string& key : store.writtenKeys) {
    EXPECT_NE(key, "Text1(5)");
    EXPECT_NE(key, "Text1(4)");
  }
}

TEST(SavedColors, SavingStopsAtTheFirstFailingWrite) {
  for (const char* failing : {"form", "label1", "command1(1)"}) {
    MemoryStore store;
    for (const SavedColorKey& saved : savedColorKeys()) {
      store.values[MemoryStore::path("Vorlix", "StartUp", saved.key)] = "old";
    }
    store.failingKey = failing;
    window::MemoryForm form;
    EXPECT_THROW(saveColors(form, store), SettingsWriteError) << failing;
    bool reached = false;
    for (const SavedColorKey& saved : savedColorKeys()) {
      reached = reached || saved.key == failing;
      EXPECT_EQ(stored(store, saved.key) == "old", reached) << failing << ": " << saved.key;
    }
  }
}

TEST(SavedColors, FailureMessageSaysWhy) {
  EXPECT_EQ(saveFailureMessage(SettingsWriteError("the disk is full.")),
            "The colours could not be saved: the disk is full.");
}

}  // namespace
}  // namespace vorlix::colors
