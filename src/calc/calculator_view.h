#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vorlix::calc {

// What the calculation reads and writes of the window: the entry boxes
// Text1(0..5), the operator label, the result boxes Text2(0..2) and the
// message box. An index without a box is an error of the implementation.
class CalculatorView {
 public:
  virtual ~CalculatorView() = default;

  virtual std::string entryText(std::int16_t index) const = 0;
  virtual std::string operatorCaption() const = 0;
  virtual void setResultText(std::int16_t index, std::string_view text) = 0;
  virtual void setResultVisible(std::int16_t index, bool visible) = 0;
  // Modal: returns once the user has dismissed the box.
  virtual void showMessage(std::string_view text) = 0;
};

}  // namespace vorlix::calc
