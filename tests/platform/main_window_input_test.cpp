// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include "platform/main_window.h"

namespace vorlix::platform {
namespace {

using enum window::Control;

class MainWindowInput : public ::testing::Test {
 protected:
  void SetUp() override {
    form = openMainWindow();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  }
  QLineEdit* box(window::Control control) const {
    return qobject_cast<QLineEdit*>(form->widgetFor(control));
  }
  void rightClick(window::Control ref) {
    QTest::mouseClick(form->windowHandle(), Qt::RightButton, {}, form->pixelRect(ref).center());
  }

  std::unique_ptr<MainWindow> form;
};

TEST_F(MainWindowInput, ComposedCharactersGoThroughTheKeyFilter) {
  box(FirstNumerator)->setFocus();
  QInputMethodEvent commit;
  commit.setCommitString(QString::fromUtf8("4\u00e95\u0663"));
  QApplication::sendEvent(box(FirstNumerator), &commit);
  EXPECT_EQ(box(FirstNumerator)->text(), "45");

  QInputMethodEvent digitsOnly;
  digitsOnly.setCommitString("78");
  QApplication::sendEvent(box(FirstNumerator), &digitsOnly);
  EXPECT_EQ(box(FirstNumerator)->text(), "4578");
}

// AT-SPI's InsertText, SetTextContents and DeleteText are typing.
TEST_F(MainWindowInput, AccessibleEditingGoesThroughTheKeyFilter) {
  auto* editable =
      QAccessible::queryAccessibleInterface(box(SecondNumerator))->editableTextInterface();
  ASSERT_NE(editable, nullptr);
  editable->insertText(0, QStringLiteral("a1b"));
  editable->replaceText(0, 1, QStringLiteral("x23"));
  EXPECT_EQ(box(SecondNumerator)->text(), "23");
  editable->deleteText(0, 1);
  EXPECT_EQ(box(SecondNumerator)->text(), "3");
}

TEST_F(MainWindowInput, AltWithALetterTypesNothing) {
  box(SecondNumerator)->setFocus();
  QTest::keyClick(box(SecondNumerator), Qt::Key_Q, Qt::AltModifier);
  QTest::keyClick(box(SecondNumerator), Qt::Key_7, Qt::AltModifier);
  EXPECT_EQ(box(SecondNumerator)->text(), "");
}

TEST_F(MainWindowInput, CtrlVIsCancelledButShiftInsertPastes) {
  QApplication::clipboard()->setText("12ab");
  box(FirstDenominator)->setFocus();
  QTest::sendKeyEvent(QTest::Press, box(FirstDenominator), Qt::Key_V, QString(QChar(22)),
                      Qt::ControlModifier);
  EXPECT_EQ(box(FirstDenominator)->text(), "");
  QTest::keyClick(box(FirstDenominator), Qt::Key_Insert, Qt::ShiftModifier);
  EXPECT_EQ(box(FirstDenominator)->text(), "12ab");
}

TEST_F(MainWindowInput, BoxesHaveNoLengthLimit) {
  const QString digits(40000, QLatin1Char('9'));
  box(FirstNumerator)->setText(digits);
  EXPECT_EQ(box(FirstNumerator)->text().size(), digits.size());
}

TEST_F(MainWindowInput, RightClickTakesNoFocusAndClicksNoButton) {
  box(FirstNumerator)->setFocus();
  for (const auto control : {SecondNumerator, MultiplyButton, NewButton, OperatorLabel}) {
    rightClick(control);
    EXPECT_EQ(form->focusWidget(), box(FirstNumerator)) << window::indexOf(control);
  }
  EXPECT_EQ(form->model().caption(OperatorLabel), "+");
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

TEST_F(MainWindowInput, MessageBoxIsPlainAndGivesTheFocusBack) {
  box(SecondDenominator)->setFocus();
  QString title, text;
  int buttons = 0;
  QMessageBox::Icon icon = QMessageBox::Warning;
  QTimer::singleShot(50, form.get(), [&] {
    auto* shown = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_TRUE(shown);
    title = shown->windowTitle();
    text = shown->text();
    icon = shown->icon();
    buttons = static_cast<int>(shown->buttons().size());
    shown->button(QMessageBox::Ok)->click();
  });
  QTest::keyClick(box(SecondDenominator), Qt::Key_Return);  // calculates with fractions missing
  EXPECT_EQ(title, "Vorlix");
  EXPECT_EQ(text, "Fractions missing");
  EXPECT_EQ(icon, QMessageBox::NoIcon);
  EXPECT_EQ(buttons, 1);
  EXPECT_EQ(form->focusWidget(), box(SecondDenominator));
}

}  // namespace
}  // namespace vorlix::platform
