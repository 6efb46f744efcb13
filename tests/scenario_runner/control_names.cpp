// SPDX-License-Identifier: GPL-3.0-or-later
#include "control_names.h"

#include <algorithm>
#include <array>

namespace vorlix::testing {
namespace {

using enum window::Control;

struct Named {
  std::string_view name;
  window::Control control;
};

// The one table from the names scripts use to the elements they mean.
constexpr std::array kNames{
    Named{"Form1", Window},
    Named{"Shape1", OperatorFrame},
    Named{"Line1(0)", FirstBar},
    Named{"Line1(1)", SecondBar},
    Named{"Line1(6)", ResultBar},
    Named{"Text1(0)", FirstNumerator},
    Named{"Text1(1)", FirstDenominator},
    Named{"Text1(2)", SecondNumerator},
    Named{"Text1(3)", SecondDenominator},
    Named{"Text1(4)", FirstWhole},
    Named{"Text1(5)", SecondWhole},
    Named{"Text2(0)", ResultWhole},
    Named{"Text2(1)", ResultNumerator},
    Named{"Text2(2)", ResultDenominator},
    Named{"Label1", OperatorLabel},
    Named{"Label2", EqualsLabel},
    Named{"cmdOp(0)", SubtractButton},
    Named{"cmdOp(1)", AddButton},
    Named{"cmdOp(2)", MultiplyButton},
    Named{"cmdOp(3)", DivideButton},
    Named{"Command1(0)", CalculateButton},
    Named{"Command1(1)", NewButton},
    Named{"lblCopyright", Copyright},
};
static_assert(kNames.size() == window::kControlCount, "every element has a script name");

}  // namespace

std::optional<window::Control> controlNamed(std::string_view name) {
  const auto found = std::ranges::find(kNames, name, &Named::name);
  if (found == kNames.end()) return std::nullopt;
  return found->control;
}

std::string_view scriptName(window::Control control) {
  return std::ranges::find(kNames, control, &Named::control)->name;
}

}  // namespace vorlix::testing
