// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/spoken_phrases.h"

#include <algorithm>
#include <array>

namespace vorlix::window {
namespace {

constexpr std::string_view kWords = "{}";  // where a phrase's words go

struct PhraseText {
  Phrase phrase;
  std::string_view text;
};

constexpr std::array kPhrases{
    PhraseText{Phrase::Operation, "operation: {}"},
    PhraseText{Phrase::Result, "result: {}"},
    PhraseText{Phrase::Emptied, "every box is empty; {}"},
};

}  // namespace

std::string phrase(Phrase which, std::string_view words) {
  std::string text(std::ranges::find(kPhrases, which, &PhraseText::phrase)->text);
  return text.replace(text.find(kWords), kWords.size(), words);
}

std::string spokenResult(const calc::ResultDisplay& shown) {
  std::string number = shown.whole.visible ? shown.whole.text : "";
  if (shown.numerator.visible) {
    if (!number.empty()) number += ' ';
    number += shown.numerator.text + '/' + shown.denominator.text;
  }
  return phrase(Phrase::Result, number.empty() ? "0" : number);
}

}  // namespace vorlix::window
