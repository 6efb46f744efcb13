#pragma once

#include "calc/calculator_view.h"
#include "window/form.h"

namespace vorlix::window {

// Binds the calculation's view to the window: entry boxes are Text1(i),
// the operator is Label1's caption, result boxes are Text2(i).
class FormCalculatorView final : public calc::CalculatorView {
 public:
  explicit FormCalculatorView(Form& form) : form_(form) {}

  std::string entryText(std::int16_t index) const override;
  std::string operatorCaption() const override;
  void setResultText(std::int16_t index, std::string_view text) override;
  void setResultVisible(std::int16_t index, bool visible) override;
  void showMessage(std::string_view text) override;

 private:
  Form& form_;
};

}  // namespace vorlix::window
