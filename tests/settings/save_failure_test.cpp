// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/save_failure.h"

#include <gtest/gtest.h>

namespace vorlix::settings {
namespace {

// Any language but English, in English words.
struct NotEnglish final : Language {
  bool isEnglish() const override { return false; }
  std::string translated(Translatable text) const override { return std::string(text.source); }
};

// The system's cause is lower-cased inside an English sentence only: a
// German one starts with a noun, which keeps its capital.
TEST(SaveFailure, TheCauseKeepsItsCaseOutsideEnglish) {
  const SettingsWriteError error = saveFailure(SaveFailure::ReadFailed, "/c/Vorlix.conf",
                                               std::make_error_code(std::errc::io_error));
  EXPECT_EQ(error.inWords(english()), "/c/Vorlix.conf could not be read: input/output error.");
  EXPECT_EQ(error.inWords(NotEnglish{}), "/c/Vorlix.conf could not be read: Input/output error.");
}

}  // namespace
}  // namespace vorlix::settings
