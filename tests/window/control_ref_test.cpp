#include "window/control_ref.h"

#include <gtest/gtest.h>

#include "window/layout.h"

namespace vorlix::window {
namespace {

TEST(ControlRef, EveryLayoutElementRoundTripsThroughItsName) {
  for (const ControlLayout& control : formLayout()) {
    const std::string text = toString(control.ref);
    EXPECT_EQ(parseControlRef(text), control.ref) << text;
  }
}

TEST(ControlRef, MalformedNamesAreRejected) {
  for (const char* text : {"", "Text1", "Text1()", "Text1(x)", "Text1(1", "Label1(0)", "text1(0)",
                           "Text1(99999)", "Text1(1)x", "Form2", "Text1( 1)"}) {
    EXPECT_EQ(parseControlRef(text), std::nullopt) << text;
  }
}

TEST(ControlRef, IndicesOutsideTheArrayStillParse) {
  // Whether Text1(9) exists is the window's business, not the parser's.
  EXPECT_EQ(parseControlRef("Text1(9)"), member(ControlName::Text1, 9));
  EXPECT_EQ(parseControlRef("Text1(-1)"), member(ControlName::Text1, -1));
}

}  // namespace
}  // namespace vorlix::window
