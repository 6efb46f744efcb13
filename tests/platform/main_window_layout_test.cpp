// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTest>
#include <string>

#include "identity.h"
#include "platform/main_window.h"

namespace vorlix::platform {
namespace {

using window::ControlLayout;
using enum window::Control;

class MainWindowLayout : public ::testing::Test {
 protected:
  void SetUp() override {
    form = openMainWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
  }

  // Colours compare as "#rrggbb" so that a failure shows both.
  std::string pixelAt(QPoint point) const { return grabbed.pixelColor(point).name().toStdString(); }

  std::unique_ptr<MainWindow> form;
  QImage grabbed;
};

TEST_F(MainWindowLayout, WindowIsFixedAt412By208) {
  EXPECT_EQ(form->size(), QSize(412, 208));
  EXPECT_EQ(form->minimumSize(), form->maximumSize());
  EXPECT_EQ(form->windowTitle().toStdString(), "Vorlix " + std::string(identity::kVersion));
  const QList<QSize> sizes = form->windowIcon().availableSizes();
  EXPECT_TRUE(sizes.contains(QSize(32, 32)) && sizes.contains(QSize(16, 16)))
      << sizes.size() << " sizes";
}

TEST_F(MainWindowLayout, EveryControlSitsAtItsTwipsRoundedToPixels) {
  for (const ControlLayout& layout : window::windowLayout()) {
    QWidget* widget = form->widgetFor(layout.control);
    if (!widget || widget == form.get()) continue;
    const window::Geometry& g = layout.geometry;
    const QRect expected(window::twipsToPixels(g.left, 96), window::twipsToPixels(g.top, 96),
                         window::twipsToPixels(g.width, 96), window::twipsToPixels(g.height, 96));
    EXPECT_EQ(widget->geometry(), expected) << window::indexOf(layout.control);
  }
  EXPECT_EQ(form->widgetFor(DivideButton)->height(), 25);
  EXPECT_EQ(form->widgetFor(MultiplyButton)->height(), 29);
}

TEST_F(MainWindowLayout, FontsHaveTheLayoutsSizesAndWeights) {
  struct FontCase {
    window::Control control;
    int points;
    bool bold;
  };
  const FontCase cases[] = {
      {OperatorLabel, 24, false},  {EqualsLabel, 24, false}, {SubtractButton, 18, false},
      {CalculateButton, 12, true}, {NewButton, 12, true},    {Copyright, 8, false},
  };
  for (const FontCase& c : cases) {
    const QFontInfo info(form->widgetFor(c.control)->font());
    EXPECT_EQ(info.pointSize(), c.points) << window::indexOf(c.control);
    EXPECT_EQ(info.bold(), c.bold) << window::indexOf(c.control);
    EXPECT_EQ(info.styleHint(), QFont::SansSerif);
  }
}

// Five digits, as many as the largest number a box takes has, are drawn
// whole in every box, whatever face stands in for the layout's: inside the
// frame, the dark pixels span the whole number, not the tail that a
// scrolled box shows. Drawn without antialiasing, hinted glyphs may be a
// pixel narrower than their outlines.
TEST_F(MainWindowLayout, EveryBoxShowsFiveDigitsWhole) {
  form->widgetFor(NewButton)->setFocus();  // no text cursor in a box
  for (const ControlLayout& layout : window::windowLayout()) {
    auto* box = qobject_cast<QLineEdit*>(form->widgetFor(layout.control));
    if (!box) continue;
    box->show();
    box->setText("32767");
    const QImage shot = form->grab().toImage();
    const qreal scale = shot.devicePixelRatio();
    const QRectF frame = form->pixelRect(layout.control);
    const QRect inside = QRectF(frame.topLeft() * scale, frame.size() * scale)
                             .marginsRemoved(QMarginsF(2, 2, 2, 2) * scale)
                             .toRect();
    int left = inside.right();
    int right = inside.left();
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
      for (int x = inside.left(); x <= inside.right(); ++x) {
        if (qGray(shot.pixel(x, y)) >= 96) continue;
        left = std::min(left, x);
        right = std::max(right, x);
      }
    }
    const qreal whole = QFontMetricsF(box->font()).tightBoundingRect("32767").width() * scale;
    EXPECT_GE(right - left + 1, whole - 3 * scale) << window::indexOf(layout.control);
  }
}

TEST_F(MainWindowLayout, CopyrightIsOneLineThatFitsItsLabel) {
  auto* label = qobject_cast<QLabel*>(form->widgetFor(Copyright));
  ASSERT_TRUE(label);
  EXPECT_FALSE(label->text().contains('\n'));
  EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(label->text()), label->width());
  EXPECT_FALSE(label->autoFillBackground());
}

TEST_F(MainWindowLayout, TabOrderFollowsTheTabIndices) {
  const window::Control expected[] = {
      FirstNumerator,  FirstDenominator, SecondNumerator, SecondDenominator, ResultDenominator,
      CalculateButton, ResultNumerator,  NewButton,       SubtractButton,    AddButton,
      MultiplyButton,  DivideButton,     FirstWhole,      SecondWhole,       FirstNumerator};
  form->widgetFor(FirstNumerator)->setFocus();
  for (const window::Control control : expected) {
    EXPECT_EQ(form->controlOf(QApplication::focusWidget()), control);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
}

TEST_F(MainWindowLayout, TabFromTheLastDenominatorReachesAShownWholePart) {
  form->widgetFor(ResultWhole)->show();
  form->widgetFor(SecondDenominator)->setFocus();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(form->controlOf(QApplication::focusWidget()), ResultWhole);
}

// Pixel checks read a grab of the whole window: the colours painted are the
// layout's exactly, buttons included, whatever style the desktop uses.
TEST_F(MainWindowLayout, ColoursArePaintedExactly) {
  struct ColourCase {
    window::Control control;
    QColor colour;
  };
  const ColourCase cases[] = {
      {FirstNumerator, QColor(255, 255, 0)},
      {SecondWhole, QColor(255, 255, 0)},
      {ResultDenominator, QColor(128, 255, 255)},
      {NewButton, QColor(255, 128, 0)},
      {CalculateButton, QColor(255, 0, 255)},
      {DivideButton, QApplication::palette().color(QPalette::Button)},
      {ResultWhole, QColor(255, 0, 0)},  // hidden: the window shows
  };
  for (const ColourCase& c : cases) {
    const QPoint inside = form->pixelRect(c.control).topLeft() + QPoint(4, 4);
    if (grabbed.isNull()) grabbed = form->grab().toImage();
    EXPECT_EQ(pixelAt(inside), c.colour.name().toStdString()) << window::indexOf(c.control);
  }
  EXPECT_EQ(pixelAt({2, 2}), "#ff0000");
  EXPECT_EQ(pixelAt({128, 64}), "#000000");  // fraction bar
  EXPECT_EQ(pixelAt({10, 96}),
            QApplication::palette().color(QPalette::Text).name().toStdString());  // Shape1
  EXPECT_EQ(pixelAt({398, 190}), "#ff0000");  // beside the copyright text
}

// A screen reader says the operation in words; the buttons still show the
// symbols.
TEST_F(MainWindowLayout, ButtonsShowTheirCaptionsAndAreNamedInWords) {
  struct ButtonCase {
    window::Control control;
    const char* caption;
    const char* name;
  };
  const ButtonCase cases[] = {
      {AddButton, "+", "add"},           {SubtractButton, "-", "subtract"},
      {MultiplyButton, "x", "multiply"}, {DivideButton, "/", "divide"},
      {NewButton, "&New", "New"},        {CalculateButton, "&Calculate", "Calculate"},
  };
  for (const ButtonCase& c : cases) {
    auto* button = qobject_cast<QPushButton*>(form->widgetFor(c.control));
    ASSERT_NE(button, nullptr) << c.name;
    EXPECT_EQ(button->text().toStdString(), c.caption);
    EXPECT_EQ(button->accessibleName().toStdString(), c.name);
  }
}

TEST_F(MainWindowLayout, ButtonsAreNotDefaultButtons) {
  for (auto* button : form->findChildren<QPushButton*>()) {
    EXPECT_FALSE(button->isDefault() || button->autoDefault()) << button->text().toStdString();
    EXPECT_EQ(button->style()->name(), "windows");
  }
}

}  // namespace
}  // namespace vorlix::platform
