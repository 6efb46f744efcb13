#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTest>

#include "platform/main_window.h"

namespace vorlix::platform {
namespace {

using window::ControlLayout;
using window::ControlName;
using window::member;
using window::single;

class QtFormLayout : public ::testing::Test {
 protected:
  void SetUp() override {
    form = openMainWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
  }

  // Colours compare as "#rrggbb" so that a failure shows both.
  std::string pixelAt(QPoint point) const { return grabbed.pixelColor(point).name().toStdString(); }

  std::unique_ptr<QtForm> form;
  QImage grabbed;
};

TEST_F(QtFormLayout, WindowIsFixedAt412By208) {
  EXPECT_EQ(form->size(), QSize(412, 208));
  EXPECT_EQ(form->minimumSize(), form->maximumSize());
  EXPECT_EQ(form->windowTitle(), "Vorlix 1.1");
  const QList<QSize> sizes = form->windowIcon().availableSizes();
  EXPECT_TRUE(sizes.contains(QSize(32, 32)) && sizes.contains(QSize(16, 16)))
      << sizes.size() << " sizes";
}

TEST_F(QtFormLayout, EveryControlSitsAtItsTwipsRoundedToPixels) {
  for (const ControlLayout& layout : window::formLayout().subspan(1)) {
    QWidget* widget = form->widgetFor(layout.ref);
    if (!widget) continue;
    const window::Geometry& g = layout.geometry;
    const QRect expected(window::twipsToPixels(g.left, 96), window::twipsToPixels(g.top, 96),
                         window::twipsToPixels(g.width, 96), window::twipsToPixels(g.height, 96));
    EXPECT_EQ(widget->geometry(), expected) << window::toString(layout.ref);
  }
  EXPECT_EQ(form->widgetFor(member(ControlName::cmdOp, 3))->height(), 25);
  EXPECT_EQ(form->widgetFor(member(ControlName::cmdOp, 2))->height(), 29);
}

TEST_F(QtFormLayout, FontsHaveTheLayoutsSizesAndWeights) {
  struct FontCase {
    window::ControlRef ref;
    int points;
    bool bold;
  };
  const FontCase cases[] = {
      {single(ControlName::Label1), 24, false},      {single(ControlName::Label2), 24, false},
      {member(ControlName::cmdOp, 0), 18, false},    {member(ControlName::Command1, 0), 12, true},
      {member(ControlName::Command1, 1), 12, true},  {member(ControlName::Text1, 4), 8, false},
      {single(ControlName::lblCopyright), 8, false},
  };
  for (const FontCase& c : cases) {
    const QFontInfo info(form->widgetFor(c.ref)->font());
    EXPECT_EQ(info.pointSize(), c.points) << window::toString(c.ref);
    EXPECT_EQ(info.bold(), c.bold) << window::toString(c.ref);
    EXPECT_EQ(info.styleHint(), QFont::SansSerif);
  }
}

TEST_F(QtFormLayout, CopyrightIsOneLineThatFitsItsLabel) {
  auto* label = qobject_cast<QLabel*>(form->widgetFor(single(ControlName::lblCopyright)));
  ASSERT_TRUE(label);
  EXPECT_FALSE(label->text().contains('\n'));
  EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(label->text()), label->width());
  EXPECT_FALSE(label->autoFillBackground());
}

TEST_F(QtFormLayout, TabOrderFollowsTheTabIndices) {
  const char* const expected[] = {"Text1(0)",    "Text1(1)", "Text1(2)",    "Text1(3)", "Text2(2)",
                                  "Command1(0)", "Text2(1)", "Command1(1)", "cmdOp(0)", "cmdOp(1)",
                                  "cmdOp(2)",    "cmdOp(3)", "Text1(4)",    "Text1(5)", "Text1(0)"};
  form->setFocus(member(ControlName::Text1, 0));
  for (const char* name : expected) {
    EXPECT_EQ(window::toString(form->focused().value()), name);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
}

TEST_F(QtFormLayout, TabFromTheLastDenominatorReachesAShownWholePart) {
  form->setVisible(member(ControlName::Text2, 0), true);
  form->setFocus(member(ControlName::Text1, 3));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(form->focused(), member(ControlName::Text2, 0));
}

// Pixel checks read a grab of the whole window: the colours painted are the
// layout's exactly, buttons included, whatever style the desktop uses.
TEST_F(QtFormLayout, ColoursArePaintedExactly) {
  struct ColourCase {
    window::ControlRef ref;
    QColor colour;
  };
  const ColourCase cases[] = {
      {member(ControlName::Text1, 0), QColor(255, 255, 0)},
      {member(ControlName::Text1, 5), QColor(255, 255, 0)},
      {member(ControlName::Text2, 2), QColor(128, 255, 255)},
      {member(ControlName::Command1, 1), QColor(255, 128, 0)},
      {member(ControlName::Command1, 0), QColor(255, 0, 255)},
      {member(ControlName::cmdOp, 3), QApplication::palette().color(QPalette::Button)},
      {member(ControlName::Text2, 0), QColor(255, 0, 0)},  // hidden: the window shows
  };
  for (const ColourCase& c : cases) {
    const QPoint inside = form->pixelRect(c.ref).topLeft() + QPoint(4, 4);
    if (grabbed.isNull()) grabbed = form->grab().toImage();
    EXPECT_EQ(pixelAt(inside), c.colour.name().toStdString()) << window::toString(c.ref);
  }
  EXPECT_EQ(pixelAt({2, 2}), "#ff0000");
  EXPECT_EQ(pixelAt({128, 64}), "#000000");  // fraction bar
  EXPECT_EQ(pixelAt({10, 96}),
            QApplication::palette().color(QPalette::Text).name().toStdString());  // Shape1
  EXPECT_EQ(pixelAt({398, 190}), "#ff0000");  // beside the copyright text
}

TEST_F(QtFormLayout, ButtonsAreNotDefaultButtons) {
  for (auto* button : form->findChildren<QPushButton*>()) {
    EXPECT_FALSE(button->isDefault() || button->autoDefault()) << button->text().toStdString();
    EXPECT_EQ(button->style()->name(), "windows");
  }
}

}  // namespace
}  // namespace vorlix::platform
