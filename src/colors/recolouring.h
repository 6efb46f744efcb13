#pragma once

#include <cstdint>

#include "colors/palette.h"
#include "window/form.h"

namespace vorlix::colors {

inline constexpr std::int16_t kRightButton = 2;

// The right-click handlers. Each group of elements has its own step counter
// (an array shares one among its members); a right-click advances it and
// gives the element that palette entry, whatever colour it had before.
class Recolouring {
 public:
  Recolouring(window::Form& form, const Palette& Colors) : form_(form), Colors_(Colors) {}

  void Form_MouseUp(std::int16_t button);
  void Label1_MouseUp(std::int16_t button);
  void Label2_MouseUp(std::int16_t button);
  void Text1_MouseUp(std::int16_t index, std::int16_t button);
  void Text2_MouseUp(std::int16_t index, std::int16_t button);
  void cmdOp_MouseUp(std::int16_t index, std::int16_t button);
  void Command1_MouseUp(std::int16_t index, std::int16_t button);

  // Delivers a released mouse button to the handler of the element under
  // it. Elements without a handler (the copyright label) ignore it.
  void mouseUp(window::ControlRef element, std::int16_t button);

 private:
  void step(std::int16_t& ColorNum, window::ControlRef element, std::int16_t button);

  window::Form& form_;
  const Palette& Colors_;
  std::int16_t formColorNum_ = 0;
  std::int16_t label1ColorNum_ = 0;
  std::int16_t label2ColorNum_ = 0;
  std::int16_t text1ColorNum_ = 0;
  std::int16_t text2ColorNum_ = 0;
  std::int16_t cmdOpColorNum_ = 0;
  std::int16_t command1ColorNum_ = 0;
};

}  // namespace vorlix::colors
