// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>

// Every text the user reads is written in English in the table or function
// that owns it, as translatable("Context", "text"). lupdate collects those
// calls into translations/ (it is told that translatable is its
// QT_TRANSLATE_NOOP, so the two arguments must be string literals); the
// program asks a Language for each text as it composes what the user reads.
namespace vorlix {

struct Translatable {
  std::string_view context;  // empty: a verbatim text, the same in every language
  std::string_view source;   // the English text
};

constexpr Translatable translatable(std::string_view context, std::string_view source) {
  return {context, source};
}

// A text that reads the same in every language: an operator, a title.
constexpr Translatable verbatim(std::string_view text) { return {{}, text}; }

// The language the user reads. The core asks it for every text it puts
// together, so that a number or a path lands inside a translated sentence.
class Language {
 public:
  virtual ~Language() = default;
  std::string text(Translatable english) const {
    return english.context.empty() ? std::string(english.source) : translated(english);
  }
  // Whether this is English, where a text the system gives (an error's
  // cause) is written in lower case inside a sentence.
  virtual bool isEnglish() const = 0;

 private:
  // The text in this language; the English source where it has none.
  virtual std::string translated(Translatable english) const = 0;
};

// The texts as written.
class English final : public Language {
 public:
  bool isEnglish() const override { return true; }

 private:
  std::string translated(Translatable english) const override {
    return std::string(english.source);
  }
};

inline const Language& english() {
  static const English language;
  return language;
}

// `pattern` with the first of `words` in place of its "%1", the second in
// place of "%2", and so on, as Qt's translators know them: a translation may
// put them in any order.
inline std::string filledIn(std::string_view pattern,
                            std::initializer_list<std::string_view> words) {
  std::string text;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
    const auto word = static_cast<std::size_t>(next - '1');
    if (pattern[i] != '%' || next < '1' || word >= words.size()) {
      text += pattern[i];
      continue;
    }
    text += *std::next(words.begin(), static_cast<std::ptrdiff_t>(word));
    ++i;
  }
  return text;
}

}  // namespace vorlix
