// SPDX-License-Identifier: GPL-3.0-or-later
#include "colors/colour_groups.h"

#include <algorithm>
#include <array>

namespace vorlix::colors {
namespace {

using enum window::Control;

struct Member {
  window::Control element;
  ColourGroup group;
};

constexpr std::array kMembers{
    Member{Window, ColourGroup::Window},
    Member{OperatorLabel, ColourGroup::OperatorLabel},
    Member{EqualsLabel, ColourGroup::EqualsLabel},
    Member{FirstWhole, ColourGroup::EntryBoxes},
    Member{FirstNumerator, ColourGroup::EntryBoxes},
    Member{FirstDenominator, ColourGroup::EntryBoxes},
    Member{SecondWhole, ColourGroup::EntryBoxes},
    Member{SecondNumerator, ColourGroup::EntryBoxes},
    Member{SecondDenominator, ColourGroup::EntryBoxes},
    Member{ResultWhole, ColourGroup::ResultBoxes},
    Member{ResultNumerator, ColourGroup::ResultBoxes},
    Member{ResultDenominator, ColourGroup::ResultBoxes},
    Member{SubtractButton, ColourGroup::OperatorButtons},
    Member{AddButton, ColourGroup::OperatorButtons},
    Member{MultiplyButton, ColourGroup::OperatorButtons},
    Member{DivideButton, ColourGroup::OperatorButtons},
    Member{NewButton, ColourGroup::CommandButtons},
    Member{CalculateButton, ColourGroup::CommandButtons},
};

}  // namespace

std::optional<ColourGroup> colourGroupOf(window::Control element) {
  const auto found = std::ranges::find(kMembers, element, &Member::element);
  if (found == kMembers.end()) return std::nullopt;
  return found->group;
}

}  // namespace vorlix::colors
