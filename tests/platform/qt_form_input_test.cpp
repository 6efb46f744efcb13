#include <gtest/gtest.h>

#include <QAbstractButton>
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

using window::ControlName;
using window::member;
using window::single;

class QtFormInput : public ::testing::Test {
 protected:
  void SetUp() override {
    form = openMainWindow();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  }
  QLineEdit* box(std::int16_t index) const {
    return qobject_cast<QLineEdit*>(form->widgetFor(member(ControlName::Text1, index)));
  }
  void rightClick(window::ControlRef ref) {
    QTest::mouseClick(form->windowHandle(), Qt::RightButton, {}, form->pixelRect(ref).center());
  }

  std::unique_ptr<QtForm> form;
};

TEST_F(QtFormInput, ComposedCharactersGoThroughTheKeyFilter) {
  box(0)->setFocus();
  QInputMethodEvent commit;
  commit.setCommitString(QString::fromUtf8("4\u00e95\u0663"));
  QApplication::sendEvent(box(0), &commit);
  EXPECT_EQ(box(0)->text(), "45");

  QInputMethodEvent digitsOnly;
  digitsOnly.setCommitString("78");
  QApplication::sendEvent(box(0), &digitsOnly);
  EXPECT_EQ(box(0)->text(), "4578");
}

TEST_F(QtFormInput, AltWithALetterTypesNothing) {
  box(2)->setFocus();
  QTest::keyClick(box(2), Qt::Key_Q, Qt::AltModifier);
  QTest::keyClick(box(2), Qt::Key_7, Qt::AltModifier);
  EXPECT_EQ(box(2)->text(), "");
}

TEST_F(QtFormInput, CtrlVIsCancelledButShiftInsertPastes) {
  QApplication::clipboard()->setText("12ab");
  box(1)->setFocus();
  QTest::sendKeyEvent(QTest::Press, box(1), Qt::Key_V, QString(QChar(22)), Qt::ControlModifier);
  EXPECT_EQ(box(1)->text(), "");
  QTest::keyClick(box(1), Qt::Key_Insert, Qt::ShiftModifier);
  EXPECT_EQ(box(1)->text(), "12ab");
}

TEST_F(QtFormInput, BoxesHaveNoLengthLimit) {
  const QString digits(40000, QLatin1Char('9'));
  box(0)->setText(digits);
  EXPECT_EQ(box(0)->text().size(), digits.size());
}

TEST_F(QtFormInput, RightClickTakesNoFocusAndClicksNoButton) {
  box(0)->setFocus();
  for (const auto ref : {member(ControlName::Text1, 2), member(ControlName::cmdOp, 2),
                         member(ControlName::Command1, 1), single(ControlName::Label1)}) {
    rightClick(ref);
    EXPECT_EQ(form->focused(), member(ControlName::Text1, 0)) << window::toString(ref);
  }
  EXPECT_EQ(form->caption(single(ControlName::Label1)), "+");
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

TEST_F(QtFormInput, MessageBoxIsPlainAndGivesTheFocusBack) {
  box(3)->setFocus();
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
  QTest::keyClick(box(3), Qt::Key_Return);  // calculates with fractions missing
  EXPECT_EQ(title, "Vorlix");
  EXPECT_EQ(text, "Fractions missing");
  EXPECT_EQ(icon, QMessageBox::NoIcon);
  EXPECT_EQ(buttons, 1);
  EXPECT_EQ(form->focused(), member(ControlName::Text1, 3));
}

}  // namespace
}  // namespace vorlix::platform
