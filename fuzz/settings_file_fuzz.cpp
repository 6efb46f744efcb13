// SPDX-License-Identifier: GPL-3.0-or-later
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "colors/saved_colours.h"
#include "settings/settings_file.h"

namespace {

namespace fs = std::filesystem;
using vorlix::window::WindowModel;

void require(bool holds) {
  if (!holds) std::abort();
}

const fs::path& folder() {
  static const fs::path made = [] {
    std::string pattern = (fs::temp_directory_path() / "vorlix-fuzz-XXXXXX").string();
    return fs::path(::mkdtemp(pattern.data()));
  }();
  return made;
}

std::string slurp(const fs::path& file) {
  std::ostringstream text;
  text << std::ifstream(file, std::ios::binary).rdbuf();
  return text.str();
}

std::vector<vorlix::window::Colour> storedColours(const WindowModel& window) {
  std::vector<vorlix::window::Colour> colours;
  for (const auto& stored : vorlix::colors::storedKeys()) {
    colours.push_back(window.background(stored.element));
  }
  return colours;
}

}  // namespace

// Any bytes as the settings file: a start and a close never fail on it,
// the close's colours are what the next start reads, an unreadable file is
// kept aside unchanged, and a second close with the same colours is a
// fixpoint that leaves no temporary behind.
// Any bytes as the settings file: a start restores from it and a close
// saves without failing, the next start restores exactly what the first
// did, an unreadable file is kept aside unchanged, and a second close is a
// fixpoint that leaves no temporary behind.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  for (const auto& entry : fs::directory_iterator(folder())) fs::remove_all(entry);
  const fs::path conf = folder() / "Vorlix.conf";
  std::ofstream(conf, std::ios::binary)
      .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  vorlix::settings::SettingsFile file(conf.string());
  WindowModel first{vorlix::english()};
  vorlix::colors::restoreColours(first, file);
  vorlix::colors::saveColours(first, file);
  const std::string once = slurp(conf);
  WindowModel second{vorlix::english()};
  vorlix::colors::restoreColours(second, file);
  require(storedColours(second) == storedColours(first));
  const fs::path kept = conf.string() + ".unreadable";
  if (fs::exists(kept)) {
    require(slurp(kept) == std::string(reinterpret_cast<const char*>(data), size));
  }
  vorlix::colors::saveColours(second, file);
  require(slurp(conf) == once);
  require(!fs::exists(conf.string() + ".unreadable.2"));
  for (const auto& entry : fs::directory_iterator(folder())) {
    require(entry.path().filename().string().find(".saving.") == std::string::npos);
  }
  return 0;
}
