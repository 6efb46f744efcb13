#include <unistd.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/settings_file.h"

namespace {

namespace fs = std::filesystem;
using vorlix::colors::StoredSection;
using vorlix::colors::StoredValue;

constexpr std::array kKeys{"form",     "Text1(0)", "Text1(1)",    "Text1(2)",
                           "Text1(3)", "Text2(0)", "Text2(1)",    "Text2(2)",
                           "label1",   "label2",   "cmdop(0)",    "cmdop(1)",
                           "cmdop(2)", "cmdop(3)", "command1(0)", "command1(1)"};

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

bool isPlainDecimal(std::string_view text) {
  if (text.starts_with('-')) text.remove_prefix(1);
  return !text.empty() && text.size() <= 10 && text.find_first_not_of("0123456789") == text.npos;
}

// The sixteen colours as a start would pass them back to the close.
std::vector<StoredValue> coloursFrom(const StoredSection& read) {
  std::vector<StoredValue> values;
  for (const char* key : kKeys) {
    const auto found = read.find(key);
    const bool usable = found != read.end() && isPlainDecimal(found->second);
    values.push_back({key, usable ? found->second : "0"});
  }
  return values;
}

bool readsAs(const StoredSection& read, const std::vector<StoredValue>& values) {
  for (const StoredValue& value : values) {
    const auto found = read.find(value.key);
    if (found == read.end() || found->second != value.text) return false;
  }
  return true;
}

}  // namespace

// Any bytes as the settings file: a start and a close never fail on it,
// the close's colours are what the next start reads, an unreadable file is
// kept aside unchanged, and a second close with the same colours is a
// fixpoint that leaves no temporary behind.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  for (const auto& entry : fs::directory_iterator(folder())) fs::remove_all(entry);
  const fs::path conf = folder() / "Vorlix.conf";
  std::ofstream(conf, std::ios::binary)
      .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  vorlix::platform::SettingsFile file(conf.string());
  const std::vector<StoredValue> colours = coloursFrom(file.read("StartUp"));
  file.write("StartUp", colours);
  const std::string once = slurp(conf);
  require(readsAs(file.read("StartUp"), colours));
  const fs::path kept = conf.string() + ".unreadable";
  if (fs::exists(kept)) {
    require(slurp(kept) == std::string(reinterpret_cast<const char*>(data), size));
  }
  file.write("StartUp", coloursFrom(file.read("StartUp")));
  require(slurp(conf) == once);
  require(!fs::exists(conf.string() + ".unreadable.2"));
  for (const auto& entry : fs::directory_iterator(folder())) {
    require(entry.path().filename().string().find(".saving.") == std::string::npos);
  }
  return 0;
}
