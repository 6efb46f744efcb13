#include "window/color.h"

#include <gtest/gtest.h>

namespace vorlix::window {
namespace {

TEST(Color, SystemColorsKeepTheirClassicValues) {
  EXPECT_EQ(kButtonFace, -2147483633);
  EXPECT_EQ(kButtonText, -2147483630);
  EXPECT_EQ(kWindowText, -2147483640);
  EXPECT_EQ(systemRoleOf(kButtonFace), SystemRole::ButtonFace);
}

TEST(Color, WhichValuesAreColours) {
  struct Case {
    Color value;
    bool valid;
  };
  const Case cases[] = {
      {0, true},
      {255, true},
      {0x00FFFFFF, true},
      {-2147483633, true},                       // button face
      {static_cast<Color>(0x80000018u), true},   // the last role
      {static_cast<Color>(0x80000019u), false},  // no such role
      {static_cast<Color>(0x80000100u), false},  // bits beside the role
      {0x01000000, false},
      {-1, false},
      {-5, false},
      {static_cast<Color>(0x7F000000), false},
  };
  for (const Case& c : cases) EXPECT_EQ(isValidColor(c.value), c.valid) << c.value;
}

TEST(Color, ChannelsAreRedLowBlueHigh) {
  const auto channels = rgbOf(rgb(255, 128, 0));
  ASSERT_TRUE(channels);
  EXPECT_EQ(rgb(255, 128, 0), 33023);
  EXPECT_EQ(channels->red, 255);
  EXPECT_EQ(channels->green, 128);
  EXPECT_EQ(channels->blue, 0);
}

}  // namespace
}  // namespace vorlix::window
