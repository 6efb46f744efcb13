// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "platform/main_window.h"
#include "window/colour.h"

namespace vorlix::platform {
namespace {

using enum window::Control;

window::Rgb channels(QColor colour) {
  return {static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
          static_cast<std::uint8_t>(colour.blue())};
}

// What a dark desktop theme hands the program: light text colours.
QPalette darkTheme() {
  QPalette palette(QColor(53, 53, 53), QColor(53, 53, 53));
  for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
    palette.setColor(role, QColor(238, 238, 236));
  }
  palette.setColor(QPalette::Base, QColor(45, 45, 45));
  return palette;
}

// The strongest contrast any pixel inside the box has with the box's own
// background: the text's, since the text is all that is drawn there.
double textContrast(const QImage& shot, QRect box, QColor background) {
  double strongest = 1.0;
  for (int y = box.top() + 3; y < box.bottom() - 2; ++y) {
    for (int x = box.left() + 3; x < box.right() - 2; ++x) {
      strongest = std::max(
          strongest, window::contrastRatio(channels(shot.pixelColor(x, y)), channels(background)));
    }
  }
  return strongest;
}

TEST(DarkTheme, TheResultStaysReadableOnItsLightBackground) {
  const QPalette before = QApplication::palette();
  QApplication::setPalette(darkTheme());
  {
    const auto form = openMainWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    const std::pair<window::Control, const char*> typed[] = {{FirstNumerator, "1"},
                                                             {FirstDenominator, "3"},
                                                             {SecondNumerator, "1"},
                                                             {SecondDenominator, "3"}};
    for (const auto& [box, text] : typed) {
      QTest::keyClicks(qobject_cast<QLineEdit*>(form->widgetFor(box)), text);
    }
    qobject_cast<QPushButton*>(form->widgetFor(CalculateButton))->click();
    ASSERT_EQ(qobject_cast<QLineEdit*>(form->widgetFor(ResultDenominator))->text(), "3");

    const QImage shot = form->grab().toImage();
    for (const window::Control box : {ResultNumerator, ResultDenominator}) {
      EXPECT_GE(textContrast(shot, form->pixelRect(box), QColor(128, 255, 255)), 4.5)
          << window::indexOf(box);
    }
    // Dark elements keep the theme's light text.
    EXPECT_EQ(form->widgetFor(SubtractButton)->palette().color(QPalette::ButtonText),
              QColor(238, 238, 236));
  }
  QApplication::setPalette(before);
}

}  // namespace
}  // namespace vorlix::platform
