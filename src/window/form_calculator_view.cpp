#include "window/form_calculator_view.h"

namespace vorlix::window {

std::string FormCalculatorView::entryText(std::int16_t index) const {
  return form_.text(member(ControlName::Text1, index));
}

std::string FormCalculatorView::operatorCaption() const {
  return form_.caption(single(ControlName::Label1));
}

void FormCalculatorView::setResultText(std::int16_t index, std::string_view text) {
  form_.setText(member(ControlName::Text2, index), text);
}

void FormCalculatorView::setResultVisible(std::int16_t index, bool visible) {
  form_.setVisible(member(ControlName::Text2, index), visible);
}

void FormCalculatorView::showMessage(std::string_view text) { form_.showMessage(text); }

}  // namespace vorlix::window
