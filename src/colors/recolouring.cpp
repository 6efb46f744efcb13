#include "colors/recolouring.h"

namespace vorlix::colors {
namespace {

using window::ControlName;
using window::member;
using window::single;

constexpr std::int16_t kLastEntry = 8;

}  // namespace

void Recolouring::step(std::int16_t& ColorNum, window::ControlRef element, std::int16_t button) {
  if (button != kRightButton) return;
  ColorNum = ColorNum >= kLastEntry ? std::int16_t{0} : static_cast<std::int16_t>(ColorNum + 1);
  form_.setBackColor(element, paletteColor(Colors_, ColorNum));
}

void Recolouring::Form_MouseUp(std::int16_t button) {
  step(formColorNum_, single(ControlName::Form1), button);
}
void Recolouring::Label1_MouseUp(std::int16_t button) {
  step(label1ColorNum_, single(ControlName::Label1), button);
}
void Recolouring::Label2_MouseUp(std::int16_t button) {
  step(label2ColorNum_, single(ControlName::Label2), button);
}
void Recolouring::Text1_MouseUp(std::int16_t index, std::int16_t button) {
  step(text1ColorNum_, member(ControlName::Text1, index), button);
}
void Recolouring::Text2_MouseUp(std::int16_t index, std::int16_t button) {
  step(text2ColorNum_, member(ControlName::Text2, index), button);
}
void Recolouring::cmdOp_MouseUp(std::int16_t index, std::int16_t button) {
  step(cmdOpColorNum_, member(ControlName::cmdOp, index), button);
}
void Recolouring::Command1_MouseUp(std::int16_t index, std::int16_t button) {
  step(command1ColorNum_, member(ControlName::Command1, index), button);
}

void Recolouring::mouseUp(window::ControlRef element, std::int16_t button) {
  switch (element.name) {
    case ControlName::Form1:
    case ControlName::Shape1:  // drawn on the window: its clicks are the window's
    case ControlName::Line1:
      return Form_MouseUp(button);
    case ControlName::Label1:
      return Label1_MouseUp(button);
    case ControlName::Label2:
      return Label2_MouseUp(button);
    case ControlName::Text1:
      return Text1_MouseUp(element.index, button);
    case ControlName::Text2:
      return Text2_MouseUp(element.index, button);
    case ControlName::cmdOp:
      return cmdOp_MouseUp(element.index, button);
    case ControlName::Command1:
      return Command1_MouseUp(element.index, button);
    case ControlName::lblCopyright:
      return;
  }
}

}  // namespace vorlix::colors
