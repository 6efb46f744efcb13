// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/spoken_phrases.h"

#include <algorithm>
#include <array>

namespace vorlix::window {
namespace {

// "%1" is where a phrase's words go.
struct PhraseText {
  Phrase phrase{};
  Translatable text;
};

constexpr std::array kPhrases{
    PhraseText{Phrase::Operation, translatable("SpokenPhrases", "operation: %1")},
    PhraseText{Phrase::Result, translatable("SpokenPhrases", "result: %1")},
    PhraseText{Phrase::Emptied, translatable("SpokenPhrases", "every box is empty; %1")},
    //: An element of the window (%1) and the colour it has just been given (%2):
    //: "first number, numerator: yellow".
    PhraseText{Phrase::Recoloured, translatable("SpokenPhrases", "%1: %2")},
};

}  // namespace

std::string phrase(Phrase which, std::initializer_list<std::string_view> words,
                   const Language& language) {
  return filledIn(language.text(std::ranges::find(kPhrases, which, &PhraseText::phrase)->text),
                  words);
}

std::string spokenResult(const calc::ResultDisplay& shown, const Language& language) {
  std::string number = shown.whole.visible ? shown.whole.text : "";
  if (shown.numerator.visible) {
    if (!number.empty()) number += ' ';
    number += shown.numerator.text + '/' + shown.denominator.text;
  }
  return phrase(Phrase::Result, {number.empty() ? "0" : number}, language);
}

}  // namespace vorlix::window
