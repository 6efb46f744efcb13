// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

#include "calc/mixed_number.h"
#include "translatable.h"

// The sentences a screen reader speaks besides the elements' names and
// descriptions, written in one table so that they are translated together.
namespace vorlix::window {

enum class Phrase : std::uint8_t {
  Operation,       // the operator label's name: "operation: add"
  WholeResult,     // a result that is a whole number: "result: 2"
  FractionResult,  // a result that is a fraction alone: "result: 5 over 6"
  MixedResult,     // a whole part and a fraction: "result: 3 and 5 over 6"
  Emptied,         // after New, with where the focus is now
  Recoloured,      // an element and its new colour: "first number, numerator: yellow"
};

// Called with what a screen reader should say of a change the focus does
// not show: a result, an operation chosen, the boxes emptied, a colour.
using AnnouncementListener = std::function<void(const std::string& phrase)>;

// The phrase in `language` with the first of `words` in place of its "%1",
// the second in place of "%2".
std::string phrase(Phrase which, std::initializer_list<std::string_view> words,
                   const Language& language);

// What the result boxes show, as one phrase in words a speech synthesiser
// reads as a mixed number: "result: 3 and 5 over 6", "result: 2",
// "result: 5 over 6", and "result: 0" when every box is hidden (1/2 - 1/2).
std::string spokenResult(const calc::ResultDisplay& shown, const Language& language);

}  // namespace vorlix::window
