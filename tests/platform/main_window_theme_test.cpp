// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "colors/palette.h"
#include "platform/main_window.h"
#include "window/colour.h"
#include "window/descriptions.h"

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

// The weakest contrast, pixel for pixel, of two grabs over `outer` less
// `inner`; given `ink`, only where they differ, which it gathers.
double weakest(const QImage& a, const QImage& b, QRect outer, QRect inner, QRect* ink = {}) {
  const qreal s = a.devicePixelRatio();
  const QRect out(outer.topLeft() * s, outer.size() * s), in(inner.topLeft() * s, inner.size() * s);
  double least = 21.0;
  for (int y = out.top(); y <= out.bottom(); ++y) {
    for (int x = out.left(); x <= out.right(); ++x) {
      if (in.contains(x, y) || (ink && a.pixel(x, y) == b.pixel(x, y))) continue;
      least = std::min(least,
                       contrastRatio(channels(a.pixelColor(x, y)), channels(b.pixelColor(x, y))));
      if (ink) *ink |= QRect(x, y, 1, 1);
    }
  }
  return least;
}

// Each kind of control in each colour, light and dark: the focus changes the
// two pixels around it by 3:1, on any window colour; digits read at 4.5:1.
using Seen = std::tuple<bool, window::Control, std::size_t>;  // dark, control, colour
class EveryColour : public ::testing::TestWithParam<Seen> {};

TEST_P(EveryColour, TheFocusAndTheDigitsStandOut) {
  const auto [dark, control, colour] = GetParam();
  const QPalette before = QApplication::palette();
  if (dark) QApplication::setPalette(darkTheme());
  const auto form = openMainWindow();
  form->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  auto click = [w = form->windowHandle()](QPoint p) {
    QTest::mouseClick(w, Qt::RightButton, {}, p);
  };
  const QRect at = form->pixelRect(control);
  while (form->model().background(control) != colors::kPalette[colour]) click(at.center());
  double ring = 21.0;
  for (std::size_t i = 0; i < colors::kPalette.size(); ++i) {
    click({2, 2});  // a right-click gives the window its next colour
    form->setFocus();
    const QImage unfocused = form->grab().toImage();
    form->widgetFor(control)->setFocus();
    ring =
        std::min(ring, weakest(form->grab().toImage(), unfocused, at + QMargins(2, 2, 2, 2), at));
  }
  QRect ink;
  double digits = 21.0;
  if (auto* box = qobject_cast<QLineEdit*>(form->widgetFor(control))) {
    form->setFocus();  // no text cursor in the box
    const QImage empty = form->grab().toImage();
    box->setText("32767");
    digits = weakest(form->grab().toImage(), empty, at, {}, &ink);
  }
  const std::string row = std::string("| ") + (dark ? "dark" : "light") + " | " +
                          window::descriptionOf(control)->name.source.data() + " | " +
                          colors::kColourNames[colour].source.data() + " | ";
  std::cout << row << ring << " | " << digits << " | " << ink.height() << " |\n";
  EXPECT_TRUE(ring >= 3.0 && digits >= 4.5) << row;
  QApplication::setPalette(before);
}

INSTANTIATE_TEST_SUITE_P(LightAndDark, EveryColour,
                         ::testing::Combine(::testing::Bool(),
                                            ::testing::Values(FirstNumerator, ResultNumerator,
                                                              AddButton, NewButton),
                                            ::testing::Range<std::size_t>(0, 9)));

}  // namespace
}  // namespace vorlix::platform
