// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <string>

namespace vorlix::testing {

// Names each row of a parameterised table after its `name` field, so that a
// failing row says which one it is.
struct CaseName {
  template <class Case>
  std::string operator()(const ::testing::TestParamInfo<Case>& row) const {
    return std::string(row.param.name);
  }
};

}  // namespace vorlix::testing
