// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings_text.h"

#include <optional>
#include <set>
#include <stdexcept>
#include <vector>

#include "settings/ini_key.h"
#include "settings/ini_lines.h"

namespace vorlix::settings {
namespace {

// Follows which section each line is in. A broken header ends the section
// before it, so that its keys are not taken for another section's.
class SectionTracker {
 public:
  explicit SectionTracker(std::string_view section) : section_(section) {}
  // Whether the line is one of the wanted section's keys.
  bool isWantedKey(const ParsedLine& line) {
    if (line.kind == LineKind::Section) inSection_ = unescapedKey(line.name) == section_;
    if (line.kind == LineKind::BrokenSection) inSection_ = false;
    return inSection_ && line.kind == LineKind::Key;
  }
  bool inSection() const { return inSection_; }

 private:
  std::string_view section_;
  bool inSection_ = false;
};

// A ';' would start a comment, a '"' could hide the comment kept after
// the value, and a backslash at the end could join the value to it.
std::optional<std::string> storedForm(std::string_view text) {
  if (text.find_first_of("\r\n") != std::string_view::npos) return std::nullopt;
  const bool plain = text.find_first_of(";\"") == std::string_view::npos && !text.ends_with('\\');
  if (plain && trimBlanks(text) == text) return std::string(text);
  if (text.find_first_of("\"\\") != std::string_view::npos) return std::nullopt;
  return '"' + std::string(text) + '"';
}

std::string keyLine(const StoredValue& value) {
  const std::optional<std::string> stored = storedForm(value.text);
  if (!isStorable(value) || !stored) {
    throw std::invalid_argument("the value of " + value.key + " cannot be stored");
  }
  return escapedKey(value.key) + '=' + *stored;
}

// The new lines, by key, and which of them the text already had.
struct Replacements {
  explicit Replacements(std::span<const StoredValue> values) {
    for (const StoredValue& value : values) {
      if (!lines.contains(value.key)) order.push_back(value.key);
      lines.insert_or_assign(value.key, keyLine(value));
    }
  }
  std::map<std::string, std::string, std::less<>> lines;
  std::vector<std::string> order;
  std::set<std::string, std::less<>> found;
};

std::string_view firstLineEnding(std::string_view fileText) {
  IniLineReader reader(fileText);
  IniLine line;
  while (reader.next(line)) {
    if (!line.ending.empty()) return line.ending;
  }
  return "\n";
}

std::string missingLines(const Replacements& replacements, std::string_view ending) {
  std::string lines;
  for (const std::string& key : replacements.order) {
    if (replacements.found.contains(key)) continue;
    lines += replacements.lines.find(key)->second;
    lines += ending;
  }
  return lines;
}

// The text with every key line of the wanted section given its new value,
// and where the keys it lacks go: after the last line of content in the
// first stretch of that section.
struct Rewritten {
  std::string text{};
  std::optional<std::size_t> insertAt{};
  bool insertNeedsEnding = false;  // the line before the place has no ending
  bool lastLineUnended = false;
  bool lastLineBlank = false;
};

Rewritten rewriteKeyLines(std::string_view fileText, std::string_view section,
                          Replacements& replacements) {
  IniLineReader reader(fileText);
  Rewritten out{.text = std::string(reader.byteOrderMark())};
  out.text.reserve(fileText.size() + replacements.lines.size() * 32 + section.size() + 8);
  SectionTracker tracker(section);
  bool firstStretchPassed = false;
  IniLine line;
  while (reader.next(line)) {
    const ParsedLine parsed = parseLine(line.text);
    const auto replacement = tracker.isWantedKey(parsed)
                                 ? replacements.lines.find(unescapedKey(parsed.name))
                                 : replacements.lines.end();
    if (replacement != replacements.lines.end()) {
      replacements.found.insert(replacement->first);
      out.text += replacement->second;
      out.text += parsed.comment;
    } else {
      out.text += line.text;
    }
    out.text += line.ending;
    firstStretchPassed = firstStretchPassed || (out.insertAt && !tracker.inSection());
    const bool isContent = parsed.kind != LineKind::Blank && parsed.kind != LineKind::Comment;
    if (tracker.inSection() && !firstStretchPassed && isContent) {
      out.insertAt = out.text.size();
      out.insertNeedsEnding = line.ending.empty();
    }
    out.lastLineUnended = line.ending.empty();
    out.lastLineBlank = parsed.kind == LineKind::Blank;
  }
  return out;
}

}  // namespace

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): the shape callers know
StoredSection readSection(std::string_view fileText, std::string_view section) {
  StoredSection values;
  SectionTracker tracker(section);
  IniLineReader reader(fileText);
  IniLine line;
  while (reader.next(line)) {
    const ParsedLine parsed = parseLine(line.text);
    if (!tracker.isWantedKey(parsed)) continue;
    values.insert_or_assign(unescapedKey(parsed.name), std::string(unquotedValue(parsed.value)));
  }
  return values;
}

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): as readSection
bool hasReadableSection(std::string_view fileText, std::string_view section) {
  SectionTracker tracker(section);
  IniLineReader reader(fileText);
  IniLine line;
  while (reader.next(line)) {
    tracker.isWantedKey(parseLine(line.text));
    if (tracker.inSection()) return true;
  }
  return false;
}

bool isBlankOrCommentsOnly(std::string_view fileText) {
  IniLineReader reader(fileText);
  IniLine line;
  while (reader.next(line)) {
    const LineKind kind = parseLine(line.text).kind;
    if (kind != LineKind::Blank && kind != LineKind::Comment) return false;
  }
  return true;
}

bool isStorable(const StoredValue& value) {
  return !value.key.empty() && isAscii(value.key) && storedForm(value.text).has_value();
}

std::string withValues(std::string_view fileText, std::string_view section,
                       std::span<const StoredValue> values) {
  Replacements replacements(values);
  Rewritten rewritten = rewriteKeyLines(fileText, section, replacements);
  std::string& out = rewritten.text;
  const std::string_view ending = firstLineEnding(fileText);
  const std::string missing = missingLines(replacements, ending);
  if (rewritten.insertAt) {
    out.insert(*rewritten.insertAt,
               (rewritten.insertNeedsEnding ? std::string(ending) : std::string()) + missing);
    return out;
  }
  if (values.empty()) return out;
  const bool hasLines = out.size() > IniLineReader(fileText).byteOrderMark().size();
  if (hasLines && rewritten.lastLineUnended) out += ending;
  if (hasLines && !rewritten.lastLineBlank) out += ending;  // sections stand apart
  return out + '[' + escapedKey(section) + ']' + std::string(ending) + missing;
}

}  // namespace vorlix::settings
