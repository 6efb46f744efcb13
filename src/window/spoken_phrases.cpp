// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/spoken_phrases.h"

#include <algorithm>
#include <array>

namespace vorlix::window {
namespace {

// "%1", "%2" and "%3" are where a phrase's words go.
struct PhraseText {
  Phrase phrase{};
  Translatable text;
};

// A synthesiser reads "3 5/6" as "three five slash six", or drops the bar
// and says a number near 356: the results are written in words, each form
// a sentence of its own, so that a translation says the parts in its own
// order and with its own words for "and" and "over".
constexpr std::array kPhrases{
    //: The operator sign's name for a screen reader: %1 is the chosen
    //: operator button's name ("add", "subtract", "multiply" or "divide").
    PhraseText{Phrase::Operation, translatable("SpokenPhrases", "operation: %1")},
    //: The result a screen reader speaks when it is a whole number (%1).
    PhraseText{Phrase::WholeResult, translatable("SpokenPhrases", "result: %1")},
    //: The result a screen reader speaks when it is a fraction alone: %1 is
    //: the numerator and %2 the denominator ("result: 5 over 6"). Say the
    //: fraction in words, as it is read aloud, in the order your language
    //: names its parts; a speech synthesiser reads "5/6" wrongly.
    PhraseText{Phrase::FractionResult, translatable("SpokenPhrases", "result: %1 over %2")},
    //: The result a screen reader speaks as a mixed number: %1 is the whole
    //: part, %2 the numerator and %3 the denominator ("result: 3 and 5 over
    //: 6"). Say it in words, as it is read aloud, in the order your language
    //: names the parts.
    PhraseText{Phrase::MixedResult, translatable("SpokenPhrases", "result: %1 and %2 over %3")},
    //: Said after New has emptied every box: %1 is the name of the box that
    //: now has the focus ("first number, numerator").
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
  const std::string_view top = shown.numerator.text;
  const std::string_view bottom = shown.denominator.text;
  if (!shown.numerator.visible) {
    return phrase(Phrase::WholeResult,
                  {shown.whole.visible ? std::string_view(shown.whole.text) : "0"}, language);
  }
  if (!shown.whole.visible) return phrase(Phrase::FractionResult, {top, bottom}, language);
  return phrase(Phrase::MixedResult, {shown.whole.text, top, bottom}, language);
}

}  // namespace vorlix::window
